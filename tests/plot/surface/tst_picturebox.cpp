// The Qt picture box: persistence of the picture, coordinate round trips,
// pens and fills as they reach the image, geometry in twips.

#include "image_probe.h"
#include "plot/qt_picture_box.h"

#include <QElapsedTimer>
#include <QPaintEvent>
#include <QPointer>
#include <QRegion>
#include <QBackingStore>
#include <QScreen>
#include <QtTest>

#include <bit>
#include <cmath>
#include <functional>

using kestrova::Colour;
using kestrova::PictureBox;
using kestrova::testing::Collect;
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
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            if (line[x] != colour)
                return false;
        }
    }
    return true;
}

bool SamePixels(const QImage& a, const QImage& b)
{
    return a.size() == b.size()
           && a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

/// Counts the update requests of a window: one per repaint pass.
class UpdateRequestCounter : public QObject {
public:
    int requests = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::UpdateRequest)
            ++requests;
        return QObject::eventFilter(watched, event);
    }
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

class PaintRecorder : public QObject {
public:
    QRegion painted;
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return QObject::eventFilter(watched, event);
    }
};

enum class Disturbance { HiddenAndShown, CoveredAndUncovered, Repainted, Enlarged, BorderAdded };

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
    void drawingIntoHiddenBoxShowsLater_data();
    void drawingIntoHiddenBoxShowsLater();
    void drawingRepaintsOnlyTheTouchedArea();

    void currentPositionSurvivesUnitRoundTrip_data();
    void currentPositionSurvivesUnitRoundTrip();
    void standardUnitPositionStaysOnResize_data();
    void standardUnitPositionStaysOnResize();
    void textExtentSignedByAxes_data();
    void textExtentSignedByAxes();

    void imageFollowsDevicePixelRatio();
    void thinLinesAreCrispPatterns_data();
    void thinLinesAreCrispPatterns();
    void slopedLinesAreSmoothed();
    void circleFill_data();
    void circleFill();
    void pointIsDrawWidthAcross_data();
    void pointIsDrawWidthAcross();
    void printPutsTopLeftAtCurrentPosition_data();
    void printPutsTopLeftAtCurrentPosition();
    void fontSettingsReachTheMetrics();
    void backgroundColour_data();
    void backgroundColour();
    void geometryInTwips_data();
    void geometryInTwips();

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
    QTest::addRow("covered by a sibling, then uncovered") << Disturbance::CoveredAndUncovered;
    QTest::addRow("whole window repainted") << Disturbance::Repainted;
    QTest::addRow("enlarged") << Disturbance::Enlarged;
    QTest::addRow("border added") << Disturbance::BorderAdded;
}

void TestPictureBox::pictureSurvives()
{
    QFETCH(Disturbance, disturbance);
    Scene scene;
    DrawMarks(*scene.box);
    QApplication::processEvents();
    int offset = 0;

    switch (disturbance) {
    case Disturbance::HiddenAndShown:
        scene.box->SetVisible(false);
        QVERIFY(!scene.box->Visible());
        QApplication::processEvents();
        scene.box->SetVisible(true);
        QVERIFY(scene.box->Visible());
        break;
    case Disturbance::CoveredAndUncovered: {
        QWidget cover(&scene.window);
        cover.setAutoFillBackground(true);
        QPalette green;
        green.setColor(QPalette::Window, Qt::green);
        cover.setPalette(green);
        cover.setGeometry(scene.box->geometry());
        cover.show();
        cover.raise();
        QApplication::processEvents();
        QCOMPARE(At(scene.OnScreen(), 30, 20), QColor(Qt::green).rgb()); // really covered
        cover.hide();
        QApplication::processEvents();
        break;
    }
    case Disturbance::Repainted:
        scene.window.update();
        QApplication::processEvents();
        break;
    case Disturbance::Enlarged: {
        scene.box->resize(200, 140);
        QApplication::processEvents();
        const QImage shot = scene.OnScreen();
        QCOMPARE(At(shot, 180, 120), qRgb(255, 255, 255)); // new area in the background colour
        break;
    }
    case Disturbance::BorderAdded:
        scene.box->SetBorder(true);
        offset = PictureBox::kBorderWidth;
        QApplication::processEvents();
        break;
    }
    VerifyMarks(scene.OnScreen(), offset);
}

void TestPictureBox::drawingIntoHiddenBoxShowsLater_data()
{
    QTest::addColumn<bool>("windowShown");
    QTest::addRow("hidden member of a pair in a shown window") << true;
    QTest::addRow("window not shown yet (load sequence)") << false;
}

void TestPictureBox::drawingIntoHiddenBoxShowsLater()
{
    QFETCH(bool, windowShown);
    Scene scene(false, windowShown);
    if (windowShown)
        scene.box->SetVisible(false);
    DrawMarks(*scene.box);
    if (windowShown)
        scene.box->SetVisible(true);
    else
        scene.Show();
    QApplication::processEvents();
    VerifyMarks(scene.OnScreen(), 0);
}

void TestPictureBox::drawingRepaintsOnlyTheTouchedArea()
{
    Scene scene;
    QTest::qWait(50); // let the first full paint go by
    PaintRecorder recorder;
    scene.box->installEventFilter(&recorder);

    scene.box->Line(10, 10, 30, 10, kBlack);
    QCOMPARE(recorder.paints, 0); // never painted synchronously
    QTRY_VERIFY(recorder.paints > 0);
    const QRect touched = recorder.painted.boundingRect();
    QVERIFY2(touched.contains(QRect(10, 10, 21, 1)), "the segment is not in the repainted area");
    QVERIFY2(touched.width() < 40 && touched.height() < 12, "more than the segment was repainted");
}

void TestPictureBox::currentPositionSurvivesUnitRoundTrip_data()
{
    QTest::addColumn<QRectF>("system"); // x1, y1 as the top-left; width and height may be negative
    QTest::addColumn<QPointF>("position");
    QTest::addColumn<int>("trip");
    enum { kByMode0, kBySameScale, kThroughTwips, kScaleAgain };

    const QRectF title(0, 10, 1, -10);
    const QRectF decimals(0.1, 0.3, 0.2, -0.2); // 0.1 + 0.2 is not 0.3
    const QRectF plot(-0.51, 0.611, 12.83, -1.222);
    const struct {
        const char* name;
        QRectF system;
        QPointF position;
    } systems[] = {
        {"title box", title, {0, 3}},
        {"awkward decimals", decimals, {0.17, 0.23}},
        {"oscillation plot", plot, {3.3, -0.07}},
    };
    for (const auto& s : systems) {
        QTest::addRow("%s: pixels and back by ScaleMode 0", s.name) << s.system << s.position << int(kByMode0);
        QTest::addRow("%s: pixels and back by the same Scale", s.name) << s.system << s.position << int(kBySameScale);
        QTest::addRow("%s: twips and back by ScaleMode 0", s.name) << s.system << s.position << int(kThroughTwips);
        QTest::addRow("%s: same Scale applied again", s.name) << s.system << s.position << int(kScaleAgain);
    }
}

void TestPictureBox::currentPositionSurvivesUnitRoundTrip()
{
    QFETCH(QRectF, system);
    QFETCH(QPointF, position);
    QFETCH(int, trip);
    Scene scene;
    PictureBox& box = *scene.box;
    const double x1 = system.x();
    const double y1 = system.y();
    const double x2 = system.x() + system.width();
    const double y2 = system.y() + system.height();
    box.Scale(x1, y1, x2, y2);
    box.SetCurrentX(position.x());
    box.SetCurrentY(position.y());
    const double left = box.ScaleLeft();
    const double top = box.ScaleTop();
    const double width = box.ScaleWidth();
    const double height = box.ScaleHeight();

    switch (trip) {
    case 0:
        box.SetScaleMode(kestrova::kScalePixels);
        QVERIFY(!SameBits(box.CurrentX(), position.x()) || position.x() == 0); // really another unit
        box.SetScaleMode(kestrova::kScaleUser);
        break;
    case 1:
        box.SetScaleMode(kestrova::kScalePixels);
        box.Scale(x1, y1, x2, y2);
        break;
    case 2:
        box.SetScaleMode(kestrova::kScaleTwips);
        box.SetScaleMode(kestrova::kScaleUser);
        break;
    default:
        box.Scale(x1, y1, x2, y2);
        break;
    }
    QCOMPARE(box.ScaleMode(), int(kestrova::kScaleUser));
    QVERIFY2(SameBits(box.CurrentX(), position.x()), qPrintable(QString::number(box.CurrentX(), 'g', 17)));
    QVERIFY2(SameBits(box.CurrentY(), position.y()), qPrintable(QString::number(box.CurrentY(), 'g', 17)));
    QVERIFY(SameBits(box.ScaleLeft(), left));
    QVERIFY(SameBits(box.ScaleTop(), top));
    QVERIFY(SameBits(box.ScaleWidth(), width));
    QVERIFY(SameBits(box.ScaleHeight(), height));
}

void TestPictureBox::standardUnitPositionStaysOnResize_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addRow("twips") << int(kestrova::kScaleTwips) << 150.0 << 300.0;
    QTest::addRow("pixels") << int(kestrova::kScalePixels) << 10.0 << 20.0;
}

void TestPictureBox::standardUnitPositionStaysOnResize()
{
    QFETCH(int, mode);
    QFETCH(double, x);
    QFETCH(double, y);
    Scene scene;
    PictureBox& box = *scene.box;
    box.SetScaleMode(mode);
    box.SetCurrentX(x);
    box.SetCurrentY(y);
    box.resize(box.width() * 2, box.height() + 37);
    QCOMPARE(box.CurrentX(), x);
    QCOMPARE(box.CurrentY(), y);
    box.SetScaleMode(kestrova::kScalePixels);
    QCOMPARE(box.CurrentX(), 10.0); // 150 twips are 10 pixels whatever the box size
    QCOMPARE(box.CurrentY(), 20.0);
}

void TestPictureBox::textExtentSignedByAxes_data()
{
    QTest::addColumn<QRectF>("system");
    QTest::addRow("pixels, y down") << QRectF();
    QTest::addRow("title box, y up") << QRectF(0, 10, 1, -10);
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
        box.Scale(system.x(), system.y(), system.x() + system.width(), system.y() + system.height());

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
    QCOMPARE(picture.size(), QSize(qRound(116 * dpr), qRound(76 * dpr))); // inside the 2-pixel border
    QCOMPARE(scene.box->ScaleWidth(), 116.0);                           // user units stay logical pixels
}

void TestPictureBox::thinLinesAreCrispPatterns_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<int>("on");  // pattern in logical pixels; 0: solid
    QTest::addColumn<int>("off");
    QTest::addRow("solid horizontal") << int(kestrova::kSolid) << false << 0 << 0;
    QTest::addRow("solid vertical") << int(kestrova::kSolid) << true << 0 << 0;
    QTest::addRow("dashed horizontal") << int(kestrova::kDashed) << false << 18 << 6;
    QTest::addRow("dashed vertical") << int(kestrova::kDashed) << true << 18 << 6;
    QTest::addRow("dotted horizontal") << int(kestrova::kDotted) << false << 3 << 3;
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

    // Along the line: the runs of black.
    QList<int> runs; // alternating on, off lengths in device pixels
    int first = -1;
    int last = -1;
    bool inRun = false;
    for (int along = 0; along < 80 * d; ++along) {
        const QRgb p = pixel(along, 40 * d);
        QVERIFY2(p == qRgb(0, 0, 0) || p == qRgb(255, 255, 255), "a blurred pixel on the line");
        const bool black = p == qRgb(0, 0, 0);
        if (black && first < 0)
            first = along;
        if (black)
            last = along;
        if (first >= 0 && black != inRun) {
            runs.append(0);
            inRun = black;
        }
        if (first >= 0)
            ++runs.last();
    }
    QCOMPARE(first, 5 * d);
    QVERIFY(last < 71 * d);
    if (on == 0) {
        QCOMPARE(last, 71 * d - 1);
        QCOMPARE(runs.first(), 66 * d);
        return;
    }
    if (!inRun)
        runs.removeLast(); // the white after the end
    QVERIFY(runs.size() > 4);
    for (int i = 0; i + 1 < runs.size(); ++i)
        QCOMPARE(runs[i], (i % 2 == 0 ? on : off) * d);
    QVERIFY(runs.last() <= on * d);
}

void TestPictureBox::slopedLinesAreSmoothed()
{
    Scene scene;
    scene.box->Line(10, 10, 100, 40, kBlack);
    const auto grey = Collect(scene.box->Picture(), [](QRgb p) { return qGray(p) > 40 && qGray(p) < 215; });
    const auto dark = Collect(scene.box->Picture(), IsDark);
    QVERIFY2(grey.count > 20, "no anti-aliased edge pixels");
    QVERIFY(dark.count > 0);
    QVERIFY(grey.bounds.united(dark.bounds).width() <= 93 * scene.box->Picture().devicePixelRatio());
}

void TestPictureBox::circleFill_data()
{
    QTest::addColumn<int>("fillStyle");
    QTest::addColumn<QRgb>("centre");
    QTest::addRow("solid fill in FillColor") << int(kestrova::kFillSolid) << qRgb(0, 0, 255);
    QTest::addRow("transparent fill") << int(kestrova::kFillTransparent) << qRgb(255, 255, 255);
}

void TestPictureBox::circleFill()
{
    QFETCH(int, fillStyle);
    QFETCH(QRgb, centre);
    Scene scene;
    PictureBox& box = *scene.box;
    box.SetFillStyle(fillStyle);
    box.SetFillColor(kBlue);
    box.Circle(50, 30, 15, kRed);
    const QImage& picture = box.Picture();
    QCOMPARE(At(picture, 50, 30), centre);
    QCOMPARE(At(picture, 58, 30), centre);
    // The outline, 1 pixel wide, centred 15 pixels from the centre pixel
    // (mostly red: the curve leaves a little of the pixel to its neighbours).
    auto reddish = [](QRgb p) { return qRed(p) > 180 && qGreen(p) < 100 && qBlue(p) < 100; };
    QVERIFY(reddish(At(picture, 65, 30)));
    QVERIFY(reddish(At(picture, 35, 30)));
    QVERIFY(reddish(At(picture, 50, 15)));
    QCOMPARE(At(picture, 67, 30), qRgb(255, 255, 255));
    QCOMPARE(box.FillStyle(), fillStyle); // the fill settings are the box's, not consumed
}

void TestPictureBox::pointIsDrawWidthAcross_data()
{
    QTest::addColumn<int>("drawWidth");
    QTest::addRow("width 1: one pixel") << 1;
    QTest::addRow("width 5: a dot 5 pixels across") << 5;
}

void TestPictureBox::pointIsDrawWidthAcross()
{
    QFETCH(int, drawWidth);
    Scene scene;
    PictureBox& box = *scene.box;
    box.SetDrawWidth(drawWidth);
    box.PSet(30, 20, kRed);
    const QImage& picture = box.Picture();
    const qreal d = picture.devicePixelRatio();
    const auto red = Collect(picture, IsRed);
    QVERIFY(red.count > 0);
    const QPointF centroid = red.Centroid(d);
    QVERIFY(std::abs(centroid.x() - 30.5) < 0.25);
    QVERIFY(std::abs(centroid.y() - 20.5) < 0.25);
    if (drawWidth == 1) {
        QCOMPARE(red.bounds, QRect(qRound(30 * d), qRound(20 * d), qRound(d), qRound(d)));
        QCOMPARE(red.count, qRound(d * d));
    } else {
        QVERIFY(std::abs(red.bounds.width() / d - drawWidth) <= 1);
        QVERIFY(std::abs(red.bounds.height() / d - drawWidth) <= 1);
        QVERIFY(red.count < red.bounds.width() * red.bounds.height()); // round, not square
    }
}

void TestPictureBox::printPutsTopLeftAtCurrentPosition_data()
{
    QTest::addColumn<QRectF>("system");
    QTest::addColumn<QPointF>("position");
    QTest::addColumn<QPoint>("pixel"); // where the position falls
    QTest::addRow("pixels") << QRectF() << QPointF(20, 30) << QPoint(20, 30);
    QTest::addRow("y up, the label below its line") << QRectF(0, 8, 12, -8) << QPointF(2, 5) << QPoint(20, 30);
}

void TestPictureBox::printPutsTopLeftAtCurrentPosition()
{
    QFETCH(QRectF, system);
    QFETCH(QPointF, position);
    QFETCH(QPoint, pixel);
    Scene scene;
    PictureBox& box = *scene.box;
    box.SetFontName("Arial");
    box.SetFontSize(8);
    box.SetFontBold(true);
    const double heightPx = box.TextHeight("Hg");
    const double widthPx = box.TextWidth("Hg");
    if (!system.isNull())
        box.Scale(system.x(), system.y(), system.x() + system.width(), system.y() + system.height());
    box.SetCurrentX(position.x());
    box.SetCurrentY(position.y());
    box.Print("Hg");
    QCOMPARE(box.CurrentX(), position.x()); // Print does not move the position
    QCOMPARE(box.CurrentY(), position.y());

    const qreal d = box.Picture().devicePixelRatio();
    const auto ink = Collect(box.Picture(), IsDark);
    QVERIFY(ink.count > 10);
    const QRectF inkRect(ink.bounds.x() / d, ink.bounds.y() / d, ink.bounds.width() / d, ink.bounds.height() / d);
    QVERIFY2(inkRect.left() >= pixel.x() - 0.5 && inkRect.left() <= pixel.x() + 2, "text not at CurrentX");
    QVERIFY2(inkRect.top() >= pixel.y() && inkRect.top() <= pixel.y() + heightPx / 2, "text not below CurrentY");
    QVERIFY(inkRect.bottom() <= pixel.y() + heightPx + 0.5);
    QVERIFY(inkRect.right() <= pixel.x() + widthPx + 1);
}

void TestPictureBox::fontSettingsReachTheMetrics()
{
    Scene scene;
    PictureBox& box = *scene.box;
    box.SetFontName("Arial");
    box.SetFontSize(8.25); // 11 pixels at 96 dpi
    const double plainWidth = box.TextWidth("Angle");
    const double plainHeight = box.TextHeight("Angle");
    box.SetFontBold(true);
    QVERIFY(box.TextWidth("Angle") > plainWidth);
    box.SetFontBold(false);
    box.SetFontSize(16.5); // 22 pixels
    QVERIFY(std::abs(box.TextHeight("Angle") / plainHeight - 2) < 0.15);
    QVERIFY(std::abs(box.TextWidth("Angle") / plainWidth - 2) < 0.15);
}

void TestPictureBox::backgroundColour_data()
{
    QTest::addColumn<bool>("byCls");
    QTest::addRow("Cls fills with BackColor") << true;
    QTest::addRow("a new BackColor erases the picture") << false;
}

void TestPictureBox::backgroundColour()
{
    QFETCH(bool, byCls);
    Scene scene;
    PictureBox& box = *scene.box;
    DrawMarks(box);
    if (byCls) {
        box.SetBackColor(kTooltipYellow);
        DrawMarks(box);
        box.Cls();
    } else {
        box.SetBackColor(kTooltipYellow);
    }
    const auto other = Collect(box.Picture(), [](QRgb p) { return p != qRgb(255, 255, 225); });
    QCOMPARE(other.count, 0);
    QApplication::processEvents();
    QCOMPARE(At(scene.OnScreen(), 30, 20), qRgb(255, 255, 225));
}

void TestPictureBox::geometryInTwips_data()
{
    QTest::addColumn<bool>("border");
    QTest::addColumn<int>("inset"); // pixels lost to the border on each side
    QTest::addRow("with the sunken border") << true << 2;
    QTest::addRow("without border") << false << 0;
}

void TestPictureBox::geometryInTwips()
{
    QFETCH(bool, border);
    QFETCH(int, inset);
    QWidget window;
    PictureBox box(&window);
    QVERIFY(box.HasBorder()); // the default
    box.SetBorder(border);
    box.SetLeft(150);
    box.SetTop(300);
    box.SetWidth(1500);
    box.SetHeight(907); // 60.47 pixels: the nearest whole pixel
    QCOMPARE(box.geometry(), QRect(10, 20, 100, 60));
    QCOMPARE(box.Left(), 150.0);
    QCOMPARE(box.Top(), 300.0);
    QCOMPARE(box.Width(), 1500.0);
    QCOMPARE(box.Height(), 900.0);
    QCOMPARE(box.ScaleMode(), int(kestrova::kScaleTwips)); // the default unit
    QCOMPARE(box.ScaleWidth(), (100 - 2 * inset) * 15.0);
    box.SetScaleMode(kestrova::kScalePixels);
    QCOMPARE(box.ScaleWidth(), 100.0 - 2 * inset);
    QCOMPARE(box.ScaleHeight(), 60.0 - 2 * inset);
    QCOMPARE(box.InsideRect(), QRect(inset, inset, 100 - 2 * inset, 60 - 2 * inset));
    QCOMPARE(box.LogicalDpiY(), box.logicalDpiY());
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
    const Drawing diagonal = [](PictureBox& b) { b.Line(0, 79, 119, 0, kBlue); };
    const Drawing disc = [](PictureBox& b) {
        b.SetFillStyle(kestrova::kFillSolid);
        b.SetFillColor(kRed);
        b.Circle(100, 60, 30, kBlack); // beyond the edges
    };
    const Drawing dot = [](PictureBox& b) {
        b.SetDrawWidth(9);
        b.PSet(3, 77, kRed);
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
    QTest::addRow("long thin diagonal") << diagonal << false << false;
    QTest::addRow("filled circle past the edges") << disc << false << false;
    QTest::addRow("wide point in a corner") << dot << false << false;
    QTest::addRow("dotted box") << dottedBox << false << false;
    QTest::addRow("italic underlined text past the edge") << text << false << false;
    QTest::addRow("rotated text") << turned << false << false;
    QTest::addRow("figures erased and drawn again") << figures << false << false;
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
    QTRY_VERIFY2(AllPixels(scene.StoredInside(), back), "the screen still shows some of the drawing");
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
    QTRY_VERIFY2(SamePixels(scene.StoredInside(), box.Picture()), "the screen and the picture differ");
}

void TestPictureBox::copiesOfThePictureKeepTheirPixels_data()
{
    QTest::addColumn<Drawing>("after");
    QTest::addColumn<bool>("copyOfHeldReference"); // copied from a reference held while drawing went on
    const Drawing line = [](PictureBox& b) { b.Line(0, 0, 119, 79, kBlack); };
    const Drawing cls = [](PictureBox& b) { b.Cls(); };
    const Drawing text = [](PictureBox& b) {
        b.SetCurrentX(5);
        b.SetCurrentY(50);
        b.Print("Copie");
    };
    const Drawing point = [](PictureBox& b) { b.PSet(7, 7, kBlue); };
    for (const bool held : {false, true}) {
        const char* how = held ? "copy of a held reference" : "copy of Picture()";
        QTest::addRow("%s, then a line", how) << line << held;
        QTest::addRow("%s, then Cls", how) << cls << held;
        QTest::addRow("%s, then text", how) << text << held;
        QTest::addRow("%s, then a point", how) << point << held;
    }
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
    const QRect insideDevice(QPoint(qCeil(2 * dpr), qCeil(2 * dpr)),
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
    UpdateRequestCounter counter;
    scene.window.installEventFilter(&counter);
    PaintRecorder first;
    PaintRecorder second;
    scene.box->installEventFilter(&first);
    other->installEventFilter(&second);

    const double rate = scene.window.screen()->refreshRate() > 1 ? scene.window.screen()->refreshRate() : 60.0;
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
    QVERIFY2(first.paints > 0 && second.paints > 0, "nothing reached the screen");
    QVERIFY2(counter.requests <= frames + 2,
             qPrintable(QStringLiteral("%1 repaints in %2 frames").arg(counter.requests).arg(frames)));
    QVERIFY2(first.paints <= frames + 2, qPrintable(QString::number(first.paints)));
    QVERIFY2(second.paints <= first.paints + 1, qPrintable(QString::number(second.paints)));
}

QTEST_MAIN(TestPictureBox)
#include "tst_picturebox.moc"
