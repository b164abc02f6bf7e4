// The Qt picture box: persistence of the picture, coordinate round trips,
// HiDPI pens, Cls, and how its picture reaches the screen.

#include "image_probe.h"
#include "plot/qt_picture_box.h"

#include <QBackingStore>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QScreen>
#include <QtTest>

#include <array>
#include <bit>
#include <cmath>
#include <functional>

using kestrova::Colour;
using kestrova::PictureBox;
using kestrova::testing::IsDark;
using kestrova::testing::IsRed;

namespace {

constexpr Colour kBlack = 0;
constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kRed = 0xFF;
constexpr Colour kBlue = 0xFF0000;
constexpr Colour kTooltipYellow = kestrova::Rgb(255, 255, 225);

/// The ratio the test run asks for (QT_SCALE_FACTOR), 1 without it.
qreal ExpectedDpr()
{
    bool ok = false;
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok ? factor : 1.0;
}

/// The pixel of the image under the centre of logical pixel (x, y).
QRgb At(const QImage& image, int x, int y)
{
    const qreal dpr = image.devicePixelRatio();
    return image.pixel(static_cast<int>((x + 0.5) * dpr), static_cast<int>((y + 0.5) * dpr));
}

bool SameBits(double a, double b)
{
    return std::bit_cast<quint64>(a) == std::bit_cast<quint64>(b);
}

/// A shown window holding one picture box in pixel units, white, no border
/// unless asked.
struct Scene {
    QWidget window;
    PictureBox* box;

    explicit Scene(bool border = false, bool show = true)
        : box(new PictureBox(&window))
    {
        window.resize(240, 160);
        box->SetBorder(border);
        box->setGeometry(20, 10, 120, 80);
        box->SetBackColor(kWhite);
        box->SetScaleMode(kestrova::kScalePixels);
        if (show)
            Show();
    }

    void Show()
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    /// What the window shows where the box is, border included.
    [[nodiscard]] QImage OnScreen() { return window.grab(box->geometry()).toImage(); }

    /// What really reached the window's backing store (not painted afresh,
    /// unlike OnScreen), cut to the inside of the box, in device pixels.
    [[nodiscard]] QImage StoredInside() const
    {
        QPaintDevice* device = window.backingStore()->paintDevice();
        if (device == nullptr || device->devType() != QInternal::Image)
            return {};
        const QImage& stored = *static_cast<const QImage*>(device);
        const qreal scale = qreal(stored.width()) / window.width();
        const QRect inside = box->InsideRect().translated(box->pos());
        return stored.copy(QRectF(inside.topLeft() * scale, inside.size() * scale).toAlignedRect());
    }
};

/// Every device pixel of the image in one colour.
bool AllPixels(const QImage& image, QRgb colour)
{
    QImage solid(image.size(), QImage::Format_RGB32);
    solid.fill(colour);
    return !image.isNull() && image.convertToFormat(QImage::Format_RGB32) == solid;
}

bool SamePixels(const QImage& a, const QImage& b)
{
    return a.size() == b.size()
        && a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

/// Counts the events of one type an object receives.
class EventCounter : public QObject {
public:
    EventCounter(QObject* watched, QEvent::Type type)
        : type_(type)
    {
        watched->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        count += event->type() == type_;
        return QObject::eventFilter(watched, event);
    }

private:
    QEvent::Type type_;
};

using Drawing = std::function<void(PictureBox&)>;

/// A black line from (10, 20) to (60, 20) and a red disc at (40, 45).
void DrawMarks(PictureBox& box)
{
    box.Line(10, 20, 60, 20, kBlack);
    box.SetFillStyle(kestrova::kFillSolid);
    box.SetFillColor(kRed);
    box.Circle(40, 45, 8, kRed);
}

void VerifyMarks(const QImage& shot, int offset)
{
    QVERIFY2(IsDark(At(shot, 30 + offset, 20 + offset)), "the line is missing");
    QVERIFY2(IsRed(At(shot, 40 + offset, 45 + offset)), "the disc is missing");
    QCOMPARE(At(shot, 30 + offset, 30 + offset), qRgb(255, 255, 255));
}

enum class Disturbance {
    HiddenAndShown,
    Covered,
    Repainted,
    Enlarged,
    BorderAdded,
    DrawnWhileHidden,
    DrawnBeforeShown
};

/// The pendulum figure's kind of drawing: dashed axes, a wide rod, a
/// filled bob, in pixel units on a 120 × 80 box.
void DrawFigure(PictureBox& box, double angle)
{
    box.SetDrawStyle(kestrova::kDashed);
    box.Line(60, 0, 60, 80, kBlack);
    box.Line(0, 40, 120, 40, kBlack);
    const double x = 60 + 35 * std::sin(angle);
    const double y = 40 + 35 * std::cos(angle);
    box.SetDrawStyle(kestrova::kSolid);
    box.SetDrawWidth(3);
    box.Line(60, 40, x, y, kBlack);
    box.SetDrawWidth(1);
    box.SetFillStyle(kestrova::kFillSolid);
    box.SetFillColor(kRed);
    box.Circle(x, y, 4, kRed);
}

} // namespace

Q_DECLARE_METATYPE(Disturbance)
Q_DECLARE_METATYPE(Drawing)

class TestPictureBox : public QObject {
    Q_OBJECT

private slots:
    void pictureSurvives_data();
    void pictureSurvives();

    void currentPositionSurvivesUnitRoundTrip_data();
    void currentPositionSurvivesUnitRoundTrip();
    void textExtentSignedByAxes_data();
    void textExtentSignedByAxes();

    void imageFollowsDevicePixelRatio();
    void thinLinesAreCrispPatterns_data();
    void thinLinesAreCrispPatterns();

    void clsErasesEverythingDrawn_data();
    void clsErasesEverythingDrawn();
    void screenShowsThePictureAfterPartialRepaints();
    void copiesOfThePictureKeepTheirPixels_data();
    void copiesOfThePictureKeepTheirPixels();
    void borderCoversEveryDevicePixel();
    void boxesRepaintTogetherAtTheScreensPace();
};

void TestPictureBox::pictureSurvives_data()
{
    QTest::addColumn<Disturbance>("disturbance");
    QTest::addRow("hidden and shown again") << Disturbance::HiddenAndShown;
    QTest::addRow("covered by a sibling, then uncovered") << Disturbance::Covered;
    QTest::addRow("whole window repainted") << Disturbance::Repainted;
    QTest::addRow("enlarged") << Disturbance::Enlarged;
    QTest::addRow("border added") << Disturbance::BorderAdded;
    QTest::addRow("drawn while hidden, then shown") << Disturbance::DrawnWhileHidden;
    QTest::addRow("drawn before the window was shown") << Disturbance::DrawnBeforeShown;
}

void TestPictureBox::pictureSurvives()
{
    QFETCH(Disturbance, disturbance);
    Scene scene(false, disturbance != Disturbance::DrawnBeforeShown);
    if (disturbance == Disturbance::DrawnWhileHidden)
        scene.box->SetVisible(false);
    DrawMarks(*scene.box);
    QApplication::processEvents();
    int offset = 0;

    switch (disturbance) {
    case Disturbance::HiddenAndShown:
        scene.box->SetVisible(false);
        QApplication::processEvents();
        scene.box->SetVisible(true);
        break;
    case Disturbance::Covered: {
        QWidget cover(&scene.window);
        QPalette green;
        green.setColor(QPalette::Window, Qt::green);
        cover.setPalette(green);
        cover.setAutoFillBackground(true);
        cover.setGeometry(scene.box->geometry());
        cover.show();
        QApplication::processEvents();
        QCOMPARE(At(scene.OnScreen(), 30, 20), QColor(Qt::green).rgb()); // really covered
        cover.hide();
        QApplication::processEvents();
        break;
    }
    case Disturbance::Repainted:
        scene.window.update();
        break;
    case Disturbance::Enlarged:
        scene.box->resize(200, 140);
        QApplication::processEvents();
        QCOMPARE(At(scene.OnScreen(), 180, 120),
                 qRgb(255, 255, 255)); // new area in the background colour
        break;
    case Disturbance::BorderAdded:
        scene.box->SetBorder(true);
        offset = PictureBox::kBorderWidth;
        break;
    case Disturbance::DrawnWhileHidden:
        scene.box->SetVisible(true);
        break;
    case Disturbance::DrawnBeforeShown:
        scene.Show();
        break;
    }
    QApplication::processEvents();
    VerifyMarks(scene.OnScreen(), offset);
}

void TestPictureBox::currentPositionSurvivesUnitRoundTrip_data()
{
    QTest::addColumn<QRectF>("system"); // x1, y1 as the top-left; width and height may be negative
    QTest::addColumn<QPointF>("position");
    QTest::addColumn<int>("trip");
    enum { kByMode0, kBySameScale, kThroughTwips, kScaleAgain };

    const struct {
        const char* name;
        QRectF system;
        QPointF position;
    } systems[] = {
        // Positions a trip through pixels would change in the last bit.
        {"awkward decimals", {0.1, 0.3, 0.2, -0.2}, {0.21, 0.11}}, // 0.1 + 0.2 is not 0.3
        {"oscillation plot", {-0.51, 0.611, 12.83, -1.222}, {1.9, -0.07}},
    };
    for (const auto& s : systems) {
        QTest::addRow("%s: pixels and back by ScaleMode 0", s.name)
            << s.system << s.position << int(kByMode0);
        QTest::addRow("%s: pixels and back by the same Scale", s.name)
            << s.system << s.position << int(kBySameScale);
        QTest::addRow("%s: twips and back by ScaleMode 0", s.name)
            << s.system << s.position << int(kThroughTwips);
        QTest::addRow("%s: same Scale applied again", s.name)
            << s.system << s.position << int(kScaleAgain);
    }
}

void TestPictureBox::currentPositionSurvivesUnitRoundTrip()
{
    QFETCH(QRectF, system);
    QFETCH(QPointF, position);
    QFETCH(int, trip);
    Scene scene;
    PictureBox& box = *scene.box;
    const auto applyScale = [&] {
        box.Scale(system.left(), system.top(), system.right(), system.bottom());
    };
    applyScale();
    box.SetCurrentX(position.x());
    box.SetCurrentY(position.y());
    const std::array<double, 4> scale{box.ScaleLeft(), box.ScaleTop(), box.ScaleWidth(),
                                      box.ScaleHeight()};

    switch (trip) {
    case 0:
        box.SetScaleMode(kestrova::kScalePixels);
        QVERIFY(!SameBits(box.CurrentX(), position.x())
                || position.x() == 0); // really another unit
        box.SetScaleMode(kestrova::kScaleUser);
        break;
    case 1:
        box.SetScaleMode(kestrova::kScalePixels);
        applyScale();
        break;
    case 2:
        box.SetScaleMode(kestrova::kScaleTwips);
        box.SetScaleMode(kestrova::kScaleUser);
        break;
    default:
        applyScale();
        break;
    }
    QCOMPARE(box.ScaleMode(), int(kestrova::kScaleUser));
    QVERIFY2(SameBits(box.CurrentX(), position.x()),
             qPrintable(QString::number(box.CurrentX(), 'g', 17)));
    QVERIFY2(SameBits(box.CurrentY(), position.y()),
             qPrintable(QString::number(box.CurrentY(), 'g', 17)));
    const std::array<double, 4> after{box.ScaleLeft(), box.ScaleTop(), box.ScaleWidth(),
                                      box.ScaleHeight()};
    for (std::size_t i = 0; i < scale.size(); ++i)
        QVERIFY(SameBits(after[i], scale[i]));
}

void TestPictureBox::textExtentSignedByAxes_data()
{
    QTest::addColumn<QRectF>("system");
    QTest::addRow("pixels, y down") << QRectF();
    QTest::addRow("phase plot, y up") << QRectF(-0.55, 3.15, 1.1, -6.3);
    QTest::addRow("x pointing left") << QRectF(10, 0, -10, 5);
}

void TestPictureBox::textExtentSignedByAxes()
{
    QFETCH(QRectF, system);
    Scene scene;
    PictureBox& box = *scene.box;
    box.SetFontName("Arial");
    box.SetFontSize(8);
    box.SetFontBold(true);
    const double widthPx = box.TextWidth("-120");
    const double heightPx = box.TextHeight("-120");
    QVERIFY(widthPx > 10 && heightPx > 8);
    if (!system.isNull())
        box.Scale(system.x(), system.y(), system.x() + system.width(),
                  system.y() + system.height());

    const double w = box.TextWidth("-120");
    const double h = box.TextHeight("-120");
    QCOMPARE(w < 0, box.ScaleWidth() < 0);
    QCOMPARE(h < 0, box.ScaleHeight() < 0);
    QCOMPARE(w, widthPx * box.ScaleWidth() / 120);
    QCOMPARE(h, heightPx * box.ScaleHeight() / 80);
}

void TestPictureBox::imageFollowsDevicePixelRatio()
{
    Scene scene(true);
    const qreal dpr = ExpectedDpr();
    QCOMPARE(scene.box->devicePixelRatioF(), dpr);
    const QImage& picture = scene.box->Picture();
    QCOMPARE(picture.devicePixelRatio(), dpr);
    QCOMPARE(picture.size(),
             QSize(qRound(116 * dpr), qRound(76 * dpr))); // inside the 2-pixel border
    QCOMPARE(scene.box->ScaleWidth(), 116.0);             // user units stay logical pixels
}

void TestPictureBox::thinLinesAreCrispPatterns_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<int>("on"); // pattern in logical pixels; 0: solid
    QTest::addColumn<int>("off");
    QTest::addRow("solid horizontal") << int(kestrova::kSolid) << false << 0 << 0;
    QTest::addRow("dashed horizontal") << int(kestrova::kDashed) << false << 18 << 6;
    QTest::addRow("dotted vertical") << int(kestrova::kDotted) << true << 3 << 3;
}

void TestPictureBox::thinLinesAreCrispPatterns()
{
    QFETCH(int, style);
    QFETCH(bool, vertical);
    QFETCH(int, on);
    QFETCH(int, off);
    Scene scene;
    PictureBox& box = *scene.box;
    box.SetDrawStyle(style);
    // From pixel 5 to pixel 70 inclusive, across at pixel 40.
    if (vertical)
        box.Line(40, 5, 40, 70, kBlack);
    else
        box.Line(5, 40, 70, 40, kBlack);
    const QImage picture = box.Picture().convertToFormat(QImage::Format_RGB32);
    const int d = qRound(picture.devicePixelRatio());
    auto pixel = [&](int along, int across) {
        return vertical ? picture.pixel(across, along) : picture.pixel(along, across);
    };

    // Across the first pixel of the line: exactly d device pixels of pure black.
    for (int across = 40 * d - 2; across < 41 * d + 2; ++across) {
        const bool inLine = across >= 40 * d && across < 41 * d;
        QCOMPARE(pixel(5 * d, across), inLine ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    }

    // Along the line: pure black and white only, in the pattern's runs, pixel 5 to pixel 70.
    for (int along = 0; along < 80 * d; ++along) {
        const int from = along / d - 5;
        const bool black = from >= 0 && from <= 65 && (on == 0 || from % (on + off) < on);
        QCOMPARE(pixel(along, 40 * d), black ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    }
}

void TestPictureBox::clsErasesEverythingDrawn_data()
{
    QTest::addColumn<Drawing>("drawing");
    QTest::addColumn<bool>("hidden"); // drawn while the box is hidden
    QTest::addColumn<bool>("newBackColour");

    const Drawing axes = [](PictureBox& b) {
        b.SetDrawStyle(kestrova::kDashed);
        b.Line(60, 0, 60, 80, kBlack);
        b.Line(119, 40, 0, 40, kBlack);
    };
    const Drawing rod = [](PictureBox& b) {
        b.SetDrawWidth(3);
        b.Line(60, 40, 115, 78, kBlack);
    };
    const Drawing disc = [](PictureBox& b) {
        b.SetFillStyle(kestrova::kFillSolid);
        b.SetFillColor(kRed);
        b.Circle(100, 60, 30, kBlack); // beyond the edges
    };
    const Drawing dottedBox = [](PictureBox& b) {
        b.SetDrawStyle(kestrova::kDotted);
        b.LineBox(5, 5, 114, 74, kBlack);
    };
    const Drawing text = [](PictureBox& b) {
        kestrova::FontSpec font;
        font.Name = "Arial";
        font.Size = 14;
        font.Italic = true;
        font.Underline = true;
        b.SetFont(font);
        b.SetCurrentX(100);
        b.SetCurrentY(60);
        b.Print("Éjf_");
    };
    const Drawing turned = [](PictureBox& b) {
        kestrova::RotatedFont font;
        font.FaceName = "Arial";
        font.Height = 16;
        font.Escapement = 450;
        b.TextOutRotated(30, 70, "Vitesse (rad/s)", font);
    };
    const Drawing figures = [](PictureBox& b) {
        for (double angle = -3; angle < 3; angle += 0.7) {
            b.Cls();
            DrawFigure(b, angle);
        }
    };

    QTest::addRow("dashed axes") << axes << false << false;
    QTest::addRow("wide slanted rod") << rod << false << false;
    QTest::addRow("filled circle past the edges") << disc << false << false;
    QTest::addRow("dotted box") << dottedBox << false << false;
    QTest::addRow("italic underlined text past the edge") << text << false << false;
    QTest::addRow("rotated text") << turned << false << false;
    QTest::addRow("figures drawn into a hidden box") << figures << true << false;
    QTest::addRow("rod drawn into a hidden box") << rod << true << false;
    QTest::addRow("figures, then a new background colour") << figures << false << true;
}

void TestPictureBox::clsErasesEverythingDrawn()
{
    QFETCH(Drawing, drawing);
    QFETCH(bool, hidden);
    QFETCH(bool, newBackColour);
    Scene scene;
    PictureBox& box = *scene.box;
    QTest::qWait(20); // let the first paint go by
    if (hidden)
        box.SetVisible(false);
    drawing(box);
    QVERIFY2(!AllPixels(box.Picture(), qRgb(255, 255, 255)), "nothing was drawn");
    QRgb back = qRgb(255, 255, 255);
    if (newBackColour) {
        box.SetBackColor(kTooltipYellow);
        back = qRgb(255, 255, 225);
        drawing(box);
    }

    box.Cls();
    QVERIFY2(AllPixels(box.Picture(), back), "Cls left some of the drawing");
    if (hidden)
        box.SetVisible(true);
    QTRY_VERIFY2(AllPixels(scene.StoredInside(), back),
                 "the screen still shows some of the drawing");
}

void TestPictureBox::screenShowsThePictureAfterPartialRepaints()
{
    // The animation's pattern: the figure erased and drawn again much faster
    // than the screen shows frames, each frame repainting only what changed.
    Scene scene(true);
    PictureBox& box = *scene.box;
    QTest::qWait(20);
    QElapsedTimer clock;
    clock.start();
    for (int k = 0; k < 60; ++k) {
        box.Cls();
        DrawFigure(box, std::sin(k * 0.2) * 2.5);
        box.Line(k, 10 + k % 7, k + 1, 11 + k % 5, kBlue); // erased by the next Cls
        QTest::qWait(2);
    }
    QTRY_VERIFY2(SamePixels(scene.StoredInside(), box.Picture()),
                 "the screen and the picture differ");
}

void TestPictureBox::copiesOfThePictureKeepTheirPixels_data()
{
    QTest::addColumn<Drawing>("after");
    QTest::addColumn<bool>(
        "copyOfHeldReference"); // copied from a reference held while drawing went on
    const Drawing line = [](PictureBox& b) { b.Line(0, 0, 119, 79, kBlack); };
    const Drawing cls = [](PictureBox& b) { b.Cls(); };
    const Drawing text = [](PictureBox& b) {
        b.SetCurrentX(5);
        b.SetCurrentY(50);
        b.Print("Copie");
    };
    QTest::addRow("copy of Picture(), then a line") << line << false;
    QTest::addRow("copy of Picture(), then Cls") << cls << false;
    QTest::addRow("copy of a held reference, then text") << text << true;
    QTest::addRow("copy of a held reference, then Cls") << cls << true;
}

void TestPictureBox::copiesOfThePictureKeepTheirPixels()
{
    QFETCH(Drawing, after);
    QFETCH(bool, copyOfHeldReference);
    Scene scene;
    PictureBox& box = *scene.box;
    DrawMarks(box);
    const QImage& live = box.Picture();
    const QImage expected = live.copy(); // a deep copy, for reference
    if (copyOfHeldReference)
        box.Line(100, 5, 110, 5, kBlack); // the box draws on after Picture()
    const QImage copy = live;             // shares the pixels
    const QImage before = copy.copy();
    after(box);
    QVERIFY2(SamePixels(copy, before), "drawing reached a copy of the picture");
    QVERIFY2(!SamePixels(box.Picture(), before), "the drawing did not reach the box");
    if (!copyOfHeldReference)
        QVERIFY(SamePixels(copy, expected));
}

void TestPictureBox::borderCoversEveryDevicePixel()
{
    // The box paints every pixel of its area itself (it is opaque): none of
    // the border may be left to what the screen held before.
    Scene scene(true);
    PictureBox& box = *scene.box;
    const qreal dpr = ExpectedDpr();
    QImage target(box.size() * dpr, QImage::Format_RGB32);
    target.setDevicePixelRatio(dpr);
    target.fill(Qt::magenta);
    box.render(&target);
    const QRect insideDevice(
        QPoint(qCeil(2 * dpr), qCeil(2 * dpr)),
        QPoint(target.width() - qCeil(2 * dpr) - 1, target.height() - qCeil(2 * dpr) - 1));
    int untouched = 0;
    for (int y = 0; y < target.height(); ++y) {
        for (int x = 0; x < target.width(); ++x) {
            if (!insideDevice.contains(x, y) && target.pixel(x, y) == QColor(Qt::magenta).rgb())
                ++untouched;
        }
    }
    QCOMPARE(untouched, 0);

    // The classic sunken look: dark and shadow above and left, light and
    // midlight below and right.
    const QPalette& pal = box.palette();
    const int mid = box.height() / 2;
    QCOMPARE(At(target, 0, mid), pal.dark().color().rgb());
    QCOMPARE(At(target, 1, mid), pal.shadow().color().rgb());
    QCOMPARE(At(target, box.width() - 1, mid), pal.light().color().rgb());
    QCOMPARE(At(target, box.width() - 2, mid), pal.midlight().color().rgb());
    QCOMPARE(At(target, mid, 0), pal.dark().color().rgb());
    QCOMPARE(At(target, mid, box.height() - 2), pal.midlight().color().rgb());
}

void TestPictureBox::boxesRepaintTogetherAtTheScreensPace()
{
    // One box drawn into every millisecond or so, the other now and then
    // (the figure and the traces): the window is repainted at most once a
    // frame, both boxes in the same pass.
    Scene scene;
    auto* other = new PictureBox(&scene.window);
    other->SetBorder(false);
    other->setGeometry(20, 100, 120, 50);
    other->SetScaleMode(kestrova::kScalePixels);
    other->show();
    QTest::qWait(50);
    const EventCounter requests(&scene.window, QEvent::UpdateRequest);
    const EventCounter first(scene.box, QEvent::Paint);
    const EventCounter second(other, QEvent::Paint);

    const double rate =
        scene.window.screen()->refreshRate() > 1 ? scene.window.screen()->refreshRate() : 60.0;
    QElapsedTimer clock;
    clock.start();
    int k = 0;
    while (clock.elapsed() < 300) {
        scene.box->Line(k % 120, 5, k % 120, 15, kBlack);
        if (k % 5 == 2)
            other->Line(k % 120, 5, k % 120, 15, kRed);
        ++k;
        QTest::qWait(1);
    }
    QTest::qWait(50); // the last frame
    const double frames = clock.elapsed() * rate / 1000.0;
    QVERIFY2(first.count > 0 && second.count > 0, "nothing reached the screen");
    QVERIFY2(
        requests.count <= frames + 2,
        qPrintable(QStringLiteral("%1 repaints in %2 frames").arg(requests.count).arg(frames)));
    QVERIFY2(first.count <= frames + 2, qPrintable(QString::number(first.count)));
    QVERIFY2(second.count <= first.count + 1, qPrintable(QString::number(second.count)));
}

QTEST_MAIN(TestPictureBox)
#include "tst_picturebox.moc"
