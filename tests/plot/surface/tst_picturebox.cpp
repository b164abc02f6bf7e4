// The Qt picture box, run at device pixel ratios 1, 1.5 and 2: thin lines
// cover whole device pixels, the screen ends up showing the picture whatever
// the box went through, Cls erases everything drawn, and a figure erased back to its kept
// backdrop is the figure drawn afresh.

#include "plot/device_pixels.h"
#include "plot/frame_pacer.h"
#include "plot/pendulum_figure.h"
#include "plot/qt_picture_box.h"

#include <QBackingStore>
#include <QtTest>

#include <cmath>
#include <functional>
#include <tuple>

using namespace kestrova;

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;

/// A window holding one borderless white picture box in pixel units.
struct Scene {
    QWidget window;
    PictureBox* box = new PictureBox(&window);

    Scene()
    {
        window.resize(240, 160);
        box->SetBorder(false);
        box->setGeometry(20, 10, 120, 80);
        box->SetBackColor(Rgb(255, 255, 255));
        box->SetScaleMode(kScalePixels);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    /// The pending frame shown and the repaints done (showing a widget takes two rounds).
    void ShowFrame()
    {
        FramePacer::Instance()->ShowFrame();
        for (int round = 0; round < 3; ++round)
            QApplication::processEvents();
    }
    /// What reached the window's backing store where the box is, in device pixels.
    [[nodiscard]] QImage Stored() const
    {
        const auto* stored = static_cast<const QImage*>(window.backingStore()->paintDevice());
        const qreal dpr = box->devicePixelRatioF();
        const QRectF where(QPointF(box->pos()) * dpr, QSizeF(box->size()) * dpr);
        return stored->copy(where.toAlignedRect()).convertToFormat(QImage::Format_RGB32);
    }
};

bool AllWhite(const QImage& image)
{
    QImage white(image.size(), QImage::Format_RGB32);
    white.fill(kWhite);
    return !image.isNull() && image.convertToFormat(QImage::Format_RGB32) == white;
}

using Drawing = std::function<void(Scene&, int step)>;

} // namespace

Q_DECLARE_METATYPE(Drawing)

class TestPictureBox : public QObject {
    Q_OBJECT

private slots:
    // A position lands on the device pixel nearest to it, halves going right
    // or down, whatever the ratio: one pixel off and lines blur or gaps open.
    void devicePixelIsTheNearest_data()
    {
        QTest::addColumn<double>("position");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<int>("pixel");
        QTest::newRow("below a half") << 2.47 << 1.0 << 2;
        QTest::newRow("a half") << 2.5 << 1.0 << 3;
        QTest::newRow("a half, negative") << -0.5 << 1.0 << 0;
        QTest::newRow("ratio 1.5, below a half") << 0.3 << 1.5 << 0;
        QTest::newRow("ratio 2, a half") << 1.25 << 2.0 << 3;
        QTest::newRow("not a number") << std::nan("") << 1.0 << 0;
        QTest::newRow("far away") << 1e300 << 2.0 << (1 << 29);
    }
    void devicePixelIsTheNearest()
    {
        QFETCH(double, position);
        QFETCH(double, ratio);
        QFETCH(int, pixel);
        QCOMPARE(DevicePixel(position, ratio), pixel);
    }

    // Zoomed, a line keeps its place and width in the drawing's pixels and
    // covers that many more screen pixels; in high contrast the grids come
    // solid and grey, and the traces twice as wide.
    void thinLinesCoverWholeDevicePixels_data()
    {
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("style");
        QTest::addColumn<double>("zoom");
        QTest::addColumn<bool>("highContrast");
        QTest::addColumn<QRgb>("ink");
        QTest::addColumn<int>("drawnWidth");
        const QRgb black = qRgb(0, 0, 0);
        QTest::addRow("dotted horizontal, as the plot grids")
            << true << 1 << int(kDotted) << 1.0 << false << black << 1;
        QTest::addRow("dashed vertical, as the figure's axes")
            << false << 1 << int(kDashed) << 1.0 << false << black << 1;
        QTest::addRow("3 pixels wide, as the rod hanging down")
            << false << 3 << int(kSolid) << 1.0 << false << black << 3;
        QTest::addRow("dotted, zoomed twice")
            << true << 1 << int(kDotted) << 2.0 << false << black << 1;
        QTest::newRow("3 wide, zoomed to 75 %")
            << false << 3 << int(kSolid) << 0.75 << false << black << 3;
        QTest::addRow("a grid in high contrast")
            << true << 1 << int(kDotted) << 1.0 << true << qRgb(127, 127, 127) << 1;
        QTest::addRow("a trace in high contrast, zoomed")
            << false << 1 << int(kSolid) << 1.5 << true << black << 2;
    }

    void thinLinesCoverWholeDevicePixels()
    {
        QFETCH(bool, horizontal);
        QFETCH(int, width);
        QFETCH(int, style);
        QFETCH(double, zoom);
        QFETCH(bool, highContrast);
        QFETCH(QRgb, ink);
        QFETCH(int, drawnWidth);
        Scene scene;
        scene.box->SetZoom(zoom);
        scene.box->SetHighContrast(highContrast);
        scene.box->SetDrawWidth(width);
        scene.box->SetDrawStyle(style);
        scene.box->Line(horizontal ? 5 : 21, horizontal ? 21 : 5, horizontal ? 45 : 21,
                        horizontal ? 21 : 45, 0);
        const QImage picture = scene.box->Picture();
        const double dpr = picture.devicePixelRatio();
        QCOMPARE(dpr, scene.box->devicePixelRatioF() * zoom);
        // Every pixel the ink or pure white: no blurred edge, no grey dash end.
        int inked = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                QVERIFY(picture.pixel(x, y) == kWhite || picture.pixel(x, y) == (ink | 0xFF000000));
                inked += picture.pixel(x, y) != kWhite;
            }
        }
        // Across the first dash: the width in device pixels.
        int across = 0;
        const int along = int(5.5 * dpr);
        for (int i = 0; i < (horizontal ? picture.height() : picture.width()); ++i)
            across += (horizontal ? picture.pixel(along, i) : picture.pixel(i, along)) != kWhite;
        QVERIFY2(std::abs(across - drawnWidth * dpr) < 1, qPrintable(QString::number(across)));
        // Solid lines leave no gap along their 40 pixels (and half their
        // width past each end).
        if (highContrast || style == kSolid)
            QVERIFY2(std::abs(inked - across * (40 + drawnWidth) * dpr) <= 2 * across,
                     qPrintable(QString::number(inked)));
    }

    void placedInTwipsWithRoundEndsOnWideLines()
    {
        Scene scene;
        scene.box->SetLeft(300);
        scene.box->SetTop(300);
        scene.box->SetWidth(1500);
        scene.box->SetHeight(750);
        QCOMPARE(scene.box->geometry(), QRect(20, 20, 100, 50));
        scene.box->SetDrawWidth(5);
        scene.box->Line(30, 20, 60, 40, 0);
        const QImage picture = scene.box->Picture();
        const double dpr = picture.devicePixelRatio();
        // Two pixels back from the start on the line's own course: only a round end reaches there.
        QVERIFY(picture.pixel((QPointF(28.8, 19.4) * dpr).toPoint()) != kWhite);
        QVERIFY(picture.pixel((QPointF(62.2, 41.6) * dpr).toPoint()) != kWhite);
    }

    void screenShowsThePictureAndClsErasesIt_data()
    {
        QTest::addColumn<Drawing>("drawing"); // at each of 60 steps, a frame shown every 4
        QTest::addColumn<int>("hideAt");      // the box hidden at this step till the end; -1: never
        // The animation's pattern: the figure erased and drawn again several
        // times a frame, each frame repainting only what changed.
        const Drawing figures = [](Scene& s, int k) {
            s.box->Scale(-15, 10, 15, -10); // DrawPendulum erases the box first
            DrawPendulum(*s.box, std::sin(k * 0.2) * 2.5);
            s.box->SetScaleMode(kScalePixels);
            s.box->Line(k, 10 + k % 7, k + 1, 11 + k % 5, Rgb(0, 0, 255));
        };
        QTest::addRow("figures, partial repaints") << figures << -1;
        QTest::addRow("figures, box hidden from the start") << figures << 0;
        QTest::addRow("figures, box hidden halfway") << figures << 30;
        QTest::addRow("wide dots, as the Foucault trail") << Drawing([](Scene& s, int k) {
            s.box->SetDrawWidth(3);
            s.box->PSet(5 + k * 1.7, 70 - k, Rgb(4 * k, 0, 0));
        }) << -1;
        QTest::addRow("filled circle past the edges") << Drawing([](Scene& s, int) {
            s.box->SetFillStyle(kFillSolid);
            s.box->Circle(100, 60, 30, 0);
        }) << -1;
        // Text reaches past its cell (accents, descenders) and past the
        // box's edges: all of it shown, and all of it erased.
        QTest::addRow("labels, one past two edges") << Drawing([](Scene& s, int) {
            s.box->SetFont({"Arial", 8, 700});
            for (const auto& [x, y, text] : {std::tuple(10, 24, "-120"), {100, -4, "Éjf_"}}) {
                s.box->SetCurrentX(x);
                s.box->SetCurrentY(y);
                s.box->Print(text);
            }
        }) << -1;
    }

    void screenShowsThePictureAndClsErasesIt()
    {
        QFETCH(Drawing, drawing);
        QFETCH(int, hideAt);
        Scene scene;
        for (int k = 0; k < 60; ++k) {
            scene.box->SetVisible(k != hideAt && scene.box->Visible());
            drawing(scene, k);
            if (k % 4 == 0)
                scene.ShowFrame();
        }
        scene.box->SetVisible(true);
        scene.ShowFrame();
        QVERIFY2(!AllWhite(scene.box->Picture()), "nothing was drawn");
        QCOMPARE(scene.Stored(), scene.box->Picture());
        scene.box->Cls();
        QVERIFY2(AllWhite(scene.box->Picture()), "Cls left some of the drawing");
        scene.ShowFrame();
        QVERIFY2(AllWhite(scene.Stored()), "the screen still shows some of the drawing");
    }

    // The animation erases the figure back to its kept axes instead of
    // drawing them again: whatever happened to the box on the way, the
    // frame must come out as the same figure drawn once on a fresh box.
    void figureOverItsBackdropAsOnAFreshBox_data()
    {
        QTest::addColumn<Drawing>("change"); // done once, between two frames
        QTest::addRow("frames only") << Drawing([](Scene&, int) {});
        QTest::addRow("box resized") << Drawing([](Scene& s, int) { s.box->resize(100, 70); });
        QTest::addRow("new scale") << Drawing([](Scene& s, int) { s.box->Scale(-13, 9, 13, -9); });
        QTest::addRow("new background")
            << Drawing([](Scene& s, int) { s.box->SetBackColor(Rgb(255, 255, 200)); });
        QTest::addRow("Cls, then a stray mark") << Drawing([](Scene& s, int) {
            s.box->Cls();
            s.box->Line(-9, 9, 9, 8, Rgb(0, 0, 255));
        });
    }

    void figureOverItsBackdropAsOnAFreshBox()
    {
        QFETCH(Drawing, change);
        constexpr double kLast = 0.7;
        Scene animated;
        animated.box->Scale(-10, 10, 10, -10);
        for (int k = 0; k < 12; ++k) {
            if (k == 6)
                change(animated, k);
            DrawPendulum(*animated.box, k == 11 ? kLast : std::sin(k * 0.9) * 2);
            if (k % 3 == 0)
                animated.ShowFrame();
        }
        animated.ShowFrame();

        Scene fresh;
        fresh.box->Scale(-10, 10, 10, -10);
        change(fresh, 0);
        DrawPendulum(*fresh.box, kLast);
        QCOMPARE(animated.box->Picture(), fresh.box->Picture());
        QCOMPARE(animated.Stored(), animated.box->Picture());
    }
};

QTEST_MAIN(TestPictureBox)
#include "tst_picturebox.moc"
