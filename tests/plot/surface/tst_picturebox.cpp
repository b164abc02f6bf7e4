// The Qt picture box, run at device pixel ratios 1, 1.5 and 2: the picture
// shows after hiding and late showing, thin lines cover whole device
// pixels, Cls erases everything drawn, the screen ends up showing the
// picture, and labels printed over themselves keep their weight.

#include "plot/frame_pacer.h"
#include "plot/qt_picture_box.h"

#include <QBackingStore>
#include <QtTest>

#include <cmath>
#include <functional>

using namespace kestrova;

namespace {

constexpr Colour kBlack = 0;
constexpr Colour kRed = 0xFF;
constexpr QRgb kWhite = 0xFFFFFFFF;

/// A shown window holding one borderless white picture box in pixel units.
struct Scene {
    QWidget window;
    PictureBox* box = new PictureBox(&window);

    explicit Scene(bool show = true)
    {
        window.resize(240, 160);
        box->SetBorder(false);
        box->setGeometry(20, 10, 120, 80);
        box->SetBackColor(Rgb(255, 255, 255));
        box->SetScaleMode(kScalePixels);
        if (show)
            Show();
    }
    void Show()
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    /// The pending frame shown and the repaints done, without waiting.
    void ShowFrame()
    {
        FramePacer::Instance()->ShowFrame();
        // Repaints post further events (showing a widget takes two rounds).
        for (int round = 0; round < 3; ++round)
            QApplication::processEvents();
    }
    /// What reached the window's backing store where the box is, in device pixels.
    [[nodiscard]] QImage Stored() const
    {
        const auto* stored = static_cast<const QImage*>(window.backingStore()->paintDevice());
        const qreal scale = qreal(stored->width()) / window.width();
        return stored
            ->copy(QRectF(QPointF(box->pos()) * scale, QSizeF(box->size()) * scale).toAlignedRect())
            .convertToFormat(QImage::Format_RGB32);
    }
    [[nodiscard]] const QImage& Picture() const { return box->Picture(); }
};

bool AllWhite(const QImage& image)
{
    QImage white(image.size(), QImage::Format_RGB32);
    white.fill(kWhite);
    return !image.isNull() && image.convertToFormat(QImage::Format_RGB32) == white;
}

using Drawing = std::function<void(PictureBox&)>;

/// The pendulum figure's kind of drawing: dashed axes, a wide rod, a filled bob.
void DrawFigure(PictureBox& box, double angle)
{
    box.SetDrawStyle(kDashed);
    box.Line(60, 0, 60, 80, kBlack);
    box.Line(0, 40, 120, 40, kBlack);
    const double x = 60 + 35 * std::sin(angle);
    const double y = 40 + 35 * std::cos(angle);
    box.SetDrawStyle(kSolid);
    box.SetDrawWidth(3);
    box.Line(60, 40, x, y, kBlack);
    box.SetDrawWidth(1);
    box.SetFillStyle(kFillSolid);
    box.SetFillColor(kRed);
    box.Circle(x, y, 4, kRed);
}

void PrintLabel(PictureBox& box, double x, double y, const char* text)
{
    FontSpec font;
    font.Name = "Arial";
    font.Size = 8;
    font.SetBold(true);
    box.SetFont(font);
    box.SetCurrentX(x);
    box.SetCurrentY(y);
    box.Print(text);
}

} // namespace

Q_DECLARE_METATYPE(Drawing)

class TestPictureBox : public QObject {
    Q_OBJECT

private slots:
    void pictureShowsWhateverTheWidgetWentThrough()
    {
        Scene hiddenAfter, hiddenBefore, shownLate(false);
        hiddenBefore.box->SetVisible(false);
        for (Scene* scene : {&hiddenAfter, &hiddenBefore, &shownLate}) {
            DrawFigure(*scene->box, 0.5);
            scene->ShowFrame();
        }
        hiddenAfter.box->SetVisible(false);
        QApplication::processEvents();
        hiddenAfter.box->SetVisible(true);
        hiddenBefore.box->SetVisible(true);
        shownLate.Show();
        for (Scene* scene : {&hiddenAfter, &hiddenBefore, &shownLate}) {
            scene->ShowFrame();
            QVERIFY(!AllWhite(scene->Picture()));
            QCOMPARE(scene->Stored(), scene->Picture());
        }
    }

    void thinLinesCoverWholeDevicePixels_data()
    {
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<int>("at"); // logical pixel row or column
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("style");
        QTest::addRow("vertical, odd column") << false << 21 << 1 << int(kSolid);
        QTest::addRow("dotted horizontal, as the plot grids") << true << 21 << 1 << int(kDotted);
        QTest::addRow("dashed vertical, as the figure's axes") << false << 21 << 1 << int(kDashed);
        QTest::addRow("3 pixels wide, as the rod hanging down") << false << 21 << 3 << int(kSolid);
    }

    void thinLinesCoverWholeDevicePixels()
    {
        QFETCH(bool, horizontal);
        QFETCH(int, at);
        QFETCH(int, width);
        QFETCH(int, style);
        Scene scene;
        scene.box->SetDrawWidth(width);
        scene.box->SetDrawStyle(style);
        if (horizontal)
            scene.box->Line(5, at, 75, at, kBlack);
        else
            scene.box->Line(at, 5, at, 75, kBlack);
        const QImage picture = scene.Picture();
        const double dpr = scene.box->devicePixelRatioF();
        // Every pixel pure black or pure white: no blurred edge, no grey dash end.
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                QVERIFY(picture.pixel(x, y) == kWhite || picture.pixel(x, y) == qRgb(0, 0, 0));
        // Across the first dash: the width in device pixels.
        int across = 0;
        const int along = int(5.5 * dpr);
        for (int i = 0; i < (horizontal ? picture.height() : picture.width()); ++i)
            across += (horizontal ? picture.pixel(along, i) : picture.pixel(i, along)) != kWhite;
        QVERIFY2(std::abs(across - width * dpr) < 1, qPrintable(QString::number(across)));
    }

    void clsErasesEverythingDrawn_data()
    {
        QTest::addColumn<Drawing>("drawing");
        QTest::addColumn<bool>("hidden"); // drawn while the box is hidden
        QTest::addRow("figures") << Drawing([](PictureBox& b) {
            for (double angle = -3; angle < 3; angle += 0.7) {
                b.Cls();
                DrawFigure(b, angle);
            }
        }) << false;
        QTest::addRow("figure drawn into a hidden box")
            << Drawing([](PictureBox& b) { DrawFigure(b, 2); }) << true;
        QTest::addRow("filled circle past the edges") << Drawing([](PictureBox& b) {
            b.SetFillStyle(kFillSolid);
            b.Circle(100, 60, 30, kBlack);
        }) << false;
        QTest::addRow("text past the edge")
            << Drawing([](PictureBox& b) { PrintLabel(b, 100, 60, "Éjf_"); }) << false;
    }

    void clsErasesEverythingDrawn()
    {
        QFETCH(Drawing, drawing);
        QFETCH(bool, hidden);
        Scene scene;
        scene.box->SetVisible(!hidden);
        drawing(*scene.box);
        QVERIFY2(!AllWhite(scene.Picture()), "nothing was drawn");
        scene.box->Cls();
        QVERIFY2(AllWhite(scene.Picture()), "Cls left some of the drawing");
        scene.box->SetVisible(true);
        scene.ShowFrame();
        QVERIFY2(AllWhite(scene.Stored()), "the screen still shows some of the drawing");
    }

    void screenShowsThePictureAfterPartialRepaints()
    {
        // The animation's pattern: the figure erased and drawn again several
        // times a frame, each frame repainting only what changed.
        Scene scene;
        for (int k = 0; k < 60; ++k) {
            scene.box->Cls();
            DrawFigure(*scene.box, std::sin(k * 0.2) * 2.5);
            scene.box->Line(k, 10 + k % 7, k + 1, 11 + k % 5, Rgb(0, 0, 255));
            if (k % 4 == 0)
                scene.ShowFrame();
        }
        scene.ShowFrame();
        QCOMPARE(scene.Stored(), scene.Picture());
    }

    void labelsKeepTheirWeightWhenPrintedAgain()
    {
        // Each start of the animation draws the plot frames again over the
        // picture: grid line and label, the same pixels every time.
        Scene scene;
        const auto frame = [&] {
            scene.box->SetDrawStyle(kDotted);
            scene.box->Line(0, 30, 119, 30, kBlack);
            PrintLabel(*scene.box, 10, 24, "-120");
            PrintLabel(*scene.box, 50, 40, "0.5");
        };
        frame();
        const QImage once = scene.Picture();
        QVERIFY(!AllWhite(once));
        for (int resume = 0; resume < 10; ++resume)
            frame();
        QCOMPARE(scene.Picture(), once);
    }
};

QTEST_MAIN(TestPictureBox)
#include "tst_picturebox.moc"
