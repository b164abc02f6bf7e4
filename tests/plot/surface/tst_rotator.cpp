// Rotated text: the font and the reference point handed to the device, the
// round trip through pixel units, and the text as it lands on a real box.

#include "image_probe.h"
#include "plot/qt_picture_box.h"
#include "plot/rotator.h"
#include "tests/support/recording_surface.h"

#include <QtTest>

#include <bit>
#include <cmath>
#include <stdexcept>
#include <string>

using kestrova::FontSpec;
using kestrova::PictureBox;
using kestrova::Rotator;
using kestrova::testing::Collect;
using kestrova::testing::IsDark;
using kestrova::testing::Primitive;
using kestrova::testing::PrimitiveKind;
using kestrova::testing::RecordingSurface;

namespace {

bool SameBits(double a, double b)
{
    return std::bit_cast<quint64>(a) == std::bit_cast<quint64>(b);
}

/// A title box as the damped window sets it up: (0, 10)-(1, 0), Arial 11
/// bold, position (0, 3).
void SetUpTitleBox(kestrova::PictureSurface& box)
{
    box.Scale(0, 10, 1, 0);
    FontSpec font;
    font.Name = "Arial";
    font.Size = 11;
    font.SetBold(true);
    box.SetFont(font);
    box.SetCurrentX(0);
    box.SetCurrentY(3);
}

const Primitive& OnlyRotatedText(const RecordingSurface& surface)
{
    if (surface.primitives.size() != 1 || surface.primitives.front().kind != PrimitiveKind::RotatedText)
        throw std::runtime_error("expected exactly one rotated text");
    return surface.primitives.front();
}

} // namespace

class TestRotator : public QObject {
    Q_OBJECT

private slots:
    void fontFromDevice_data();
    void fontFromDevice();
    void referencePoint_data();
    void referencePoint();
    void deviceLeftAsItWas_data();
    void deviceLeftAsItWas();
    void faceNameLength_data();
    void faceNameLength();
    void misuseIsReported();
    void textLandsTurnedOnTheBox_data();
    void textLandsTurnedOnTheBox();
    void titleOnTheRealTitleBox();
};

void TestRotator::fontFromDevice_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<double>("size");
    QTest::addColumn<int>("weight");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<bool>("strikethrough");
    QTest::addColumn<int>("angle");
    QTest::addColumn<int>("height");
    QTest::addRow("96 dpi, 11 pt bold, 90 degrees") << 96 << 11.0 << 700 << false << false << false << 90 << 14;
    QTest::addRow("96 dpi, 8.25 pt") << 96 << 8.25 << 400 << false << false << false << 0 << 11;
    QTest::addRow("120 dpi, 11 pt: 1320 / 72 truncated") << 120 << 11.0 << 400 << false << false << false << 90 << 18;
    QTest::addRow("96 dpi, 8 pt: 768 / 72 truncated") << 96 << 8.0 << 400 << true << false << false << 45 << 10;
    QTest::addRow("product rounded before dividing: 143.5 is 144") << 287 << 0.5 << 400 << false << true << false << 0 << 2;
    QTest::addRow("italic, underlined, struck out, light") << 96 << 11.0 << 300 << true << true << true << 180 << 14;
    QTest::addRow("negative angle") << 96 << 11.0 << 900 << false << false << false << -45 << 14;
}

void TestRotator::fontFromDevice()
{
    QFETCH(int, dpi);
    QFETCH(double, size);
    QFETCH(int, weight);
    QFETCH(bool, italic);
    QFETCH(bool, underline);
    QFETCH(bool, strikethrough);
    QFETCH(int, angle);
    QFETCH(int, height);
    RecordingSurface surface(21, 321);
    surface.dpiY = dpi;
    surface.SetFont({"Arial", size, italic, underline, strikethrough, weight});
    Rotator rotator;
    QCOMPARE(rotator.Angle(), std::int16_t{0});
    rotator.SetDevice(surface);
    rotator.SetAngle(static_cast<std::int16_t>(angle));
    QCOMPARE(rotator.Angle(), std::int16_t(angle));
    rotator.Label("Vitesse (en rad/s)");

    const Primitive& p = OnlyRotatedText(surface);
    QCOMPARE(p.rotatedFont.FaceName, std::string("Arial"));
    QCOMPARE(p.rotatedFont.Height, height);
    QCOMPARE(p.rotatedFont.Weight, weight);
    QCOMPARE(p.rotatedFont.Italic, italic);
    QCOMPARE(p.rotatedFont.Underline, underline);
    QCOMPARE(p.rotatedFont.StrikeOut, strikethrough);
    QCOMPARE(p.rotatedFont.Escapement, angle * 10);
    QCOMPARE(p.rotatedFont.Orientation, angle * 10);
    QCOMPARE(p.text, std::string("Vitesse (en rad/s)"));
}

void TestRotator::referencePoint_data()
{
    QTest::addColumn<QSizeF>("pixels");
    QTest::addColumn<int>("mode"); // -1: the title box system
    QTest::addColumn<QPointF>("position");
    QTest::addColumn<QPoint>("expected");
    // 70 % of 321 is 224.7; of 320, 224 exactly.
    QTest::addRow("title box, 321 pixels high") << QSizeF(21, 321) << -1 << QPointF() << QPoint(0, 225);
    QTest::addRow("title box, 320 pixels high") << QSizeF(21, 320) << -1 << QPointF() << QPoint(0, 224);
    QTest::addRow("twips device: 15 twips a pixel") << QSizeF(100, 100) << int(kestrova::kScaleTwips)
                                                    << QPointF(300, 457) << QPoint(20, 30);
    QTest::addRow("pixel device") << QSizeF(100, 100) << int(kestrova::kScalePixels) << QPointF(12.5, 13.5)
                                  << QPoint(12, 14); // ties to even
}

void TestRotator::referencePoint()
{
    QFETCH(QSizeF, pixels);
    QFETCH(int, mode);
    QFETCH(QPointF, position);
    QFETCH(QPoint, expected);
    RecordingSurface surface(pixels.width(), pixels.height());
    if (mode < 0) {
        SetUpTitleBox(surface);
    } else {
        surface.SetScaleMode(mode);
        surface.SetCurrentX(position.x());
        surface.SetCurrentY(position.y());
    }
    Rotator rotator;
    rotator.SetDevice(surface);
    rotator.SetAngle(90);
    rotator.Label("Angle (en degrés)");
    const Primitive& p = OnlyRotatedText(surface);
    QCOMPARE(QPoint(p.pixelX, p.pixelY), expected);
    QCOMPARE(surface.ScaleMode(), mode < 0 ? int(kestrova::kScaleUser) : mode); // put back by its mode
}

void TestRotator::deviceLeftAsItWas_data()
{
    QTest::addColumn<QRectF>("system"); // null: twips
    QTest::addColumn<QPointF>("position");
    QTest::addRow("title box") << QRectF(0, 10, 1, -10) << QPointF(0, 3);
    // Rebuilt as top + height, the bottom corner gives a height of
    // -0.9999999999999999 instead of -1.
    QTest::addRow("corners that do not survive a rebuild") << QRectF(0.1, -0.86, 0.2, -1.0) << QPointF(0.17, -1.3);
    QTest::addRow("oscillation plot") << QRectF(-0.517, 0.611, 12.9, -1.222) << QPointF(3.3, -0.07);
    QTest::addRow("twips") << QRectF() << QPointF(301, 457);
}

void TestRotator::deviceLeftAsItWas()
{
    QFETCH(QRectF, system);
    QFETCH(QPointF, position);
    RecordingSurface surface(21, 321);
    if (!system.isNull())
        surface.Scale(system.x(), system.y(), system.x() + system.width(), system.y() + system.height());
    surface.SetCurrentX(position.x());
    surface.SetCurrentY(position.y());
    const int mode = surface.ScaleMode();
    const double left = surface.ScaleLeft();
    const double top = surface.ScaleTop();
    const double width = surface.ScaleWidth();
    const double height = surface.ScaleHeight();

    Rotator rotator;
    rotator.SetDevice(surface);
    rotator.SetAngle(90);
    rotator.Label("Angle (en degrés)");
    rotator.Label("encore");

    QCOMPARE(surface.primitives.size(), std::size_t{2});
    QCOMPARE(surface.ScaleMode(), mode);
    QVERIFY(SameBits(surface.ScaleLeft(), left));
    QVERIFY(SameBits(surface.ScaleTop(), top));
    QVERIFY(SameBits(surface.ScaleWidth(), width));
    QVERIFY(SameBits(surface.ScaleHeight(), height));
    QVERIFY2(SameBits(surface.CurrentX(), position.x()), qPrintable(QString::number(surface.CurrentX(), 'g', 17)));
    QVERIFY2(SameBits(surface.CurrentY(), position.y()), qPrintable(QString::number(surface.CurrentY(), 'g', 17)));
}

void TestRotator::faceNameLength_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");
    QTest::addRow("31 characters") << QString(31, QLatin1Char('A')) << true;
    QTest::addRow("31 accented characters, one byte each") << QString(31, QChar(0xE9)) << true;
    QTest::addRow("32 characters") << QString(32, QLatin1Char('A')) << false;
    QTest::addRow("40 characters") << QString(40, QLatin1Char('B')) << false;
}

void TestRotator::faceNameLength()
{
    QFETCH(QString, name);
    QFETCH(bool, accepted);
    RecordingSurface surface(21, 321);
    SetUpTitleBox(surface);
    surface.SetFontName(name.toStdString());
    Rotator rotator;
    rotator.SetDevice(surface);
    rotator.SetAngle(90);
    if (accepted) {
        rotator.Label("Angle");
        QCOMPARE(OnlyRotatedText(surface).rotatedFont.FaceName, name.toStdString());
        return;
    }
    try {
        rotator.Label("Angle");
        QFAIL("an over-long face name was accepted");
    } catch (const std::length_error& e) {
        QVERIFY2(std::string(e.what()).find(name.toStdString()) != std::string::npos, e.what());
    }
    QVERIFY(surface.primitives.empty()); // nothing drawn
}

void TestRotator::misuseIsReported()
{
    Rotator rotator;
    QVERIFY_THROWS_EXCEPTION(std::logic_error, rotator.Label("Angle"));

    RecordingSurface surface(21, 321);
    surface.Scale(0, 10, 0, 0); // no width
    QVERIFY_THROWS_EXCEPTION(std::domain_error, rotator.SetDevice(surface));
    QVERIFY_THROWS_EXCEPTION(std::logic_error, rotator.Label("Angle")); // still no device
    QCOMPARE(surface.ScaleMode(), int(kestrova::kScaleUser));
    QVERIFY(surface.primitives.empty());

    RecordingSurface far(21, 321);
    far.SetScaleMode(kestrova::kScalePixels);
    far.SetCurrentY(3e9); // beyond a 32-bit pixel row
    rotator.SetDevice(far);
    QVERIFY_THROWS_EXCEPTION(std::overflow_error, rotator.Label("Angle"));
    QVERIFY(far.primitives.empty());
}

void TestRotator::textLandsTurnedOnTheBox_data()
{
    QTest::addColumn<int>("angle");
    QTest::addRow("0 degrees: horizontal") << 0;
    QTest::addRow("90 degrees: upward") << 90;
    QTest::addRow("180 degrees: upside down, to the left") << 180;
    QTest::addRow("270 degrees: downward") << 270;
    QTest::addRow("45 degrees") << 45;
}

void TestRotator::textLandsTurnedOnTheBox()
{
    QFETCH(int, angle);
    QWidget window;
    auto* box = new PictureBox(&window);
    box->SetBorder(false);
    box->setGeometry(0, 0, 240, 240);
    box->SetBackColor(0xFFFFFF);
    box->SetForeColor(0);
    box->Scale(0, 10, 1, 0);
    FontSpec font;
    font.Name = "Arial";
    font.Size = 11;
    font.SetBold(true);
    box->SetFont(font);
    box->SetCurrentX(0.5);
    box->SetCurrentY(5); // the reference point: pixel (120, 120)

    Rotator rotator;
    rotator.SetDevice(*box);
    rotator.SetAngle(static_cast<std::int16_t>(angle));
    rotator.Label("Angle (en degrés)");
    QCOMPARE(box->CurrentX(), 0.5);
    QCOMPARE(box->CurrentY(), 5.0);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // Every dark pixel, in the frame of the unrotated text: "along" the run
    // of the text and "down" across its lines, from the reference point.
    const QImage picture = box->grab().toImage();
    const qreal d = picture.devicePixelRatio();
    const double radians = qDegreesToRadians(double(angle));
    const QPointF run(std::cos(radians), -std::sin(radians)); // y points down on screen
    const QPointF down(std::sin(radians), std::cos(radians));
    constexpr double kCell = 14; // 11 pt at 96 dpi
    double farthest = 0;
    int ink = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (!IsDark(picture.pixel(x, y)))
                continue;
            ++ink;
            const QPointF p((x + 0.5) / d - 120, (y + 0.5) / d - 120);
            const double along = QPointF::dotProduct(p, run);
            const double across = QPointF::dotProduct(p, down);
            QVERIFY2(along > -1.5 && along < 160, qPrintable(QString("ink at (%1, %2) behind the start").arg(x).arg(y)));
            QVERIFY2(across > -1.5 && across < kCell + 1.5,
                     qPrintable(QString("ink at (%1, %2) outside the cell").arg(x).arg(y)));
            farthest = std::max(farthest, along);
        }
    }
    QVERIFY(ink > 100);
    QVERIFY2(farthest > 100, "the text does not run the expected way"); // the title is about 120 pixels long

    if (angle == 90) {
        const auto bounds = Collect(picture, IsDark).bounds;
        QVERIFY(bounds.bottom() / d <= 121);          // above the reference point
        QVERIFY(bounds.top() / d < 120 - 100);        // running upward
        QVERIFY(bounds.left() / d >= 119.5);          // the cell lies to the right of the point
        QVERIFY(bounds.right() / d <= 120 + kCell + 1);
    }
}

void TestRotator::titleOnTheRealTitleBox()
{
    // picOrdoOsci: 315 × 4815 twips, no border, the window's colours.
    QWidget window;
    auto* box = new PictureBox(&window);
    box->SetBorder(false);
    box->SetWidth(315);
    box->SetHeight(4815);
    box->SetBackColor(kestrova::Rgb(240, 240, 240));
    box->SetForeColor(0);
    SetUpTitleBox(*box);
    Rotator rotator;
    rotator.SetDevice(*box);
    rotator.SetAngle(90);
    rotator.Label("Angle (en degrés)");
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QImage picture = box->grab().toImage();
    const qreal d = picture.devicePixelRatio();
    const auto ink = Collect(picture, IsDark);
    QVERIFY(ink.count > 100);
    // From column 0 and row 225 (70 % of 321) upward, within the 21-pixel width.
    const QRectF bounds(ink.bounds.x() / d, ink.bounds.y() / d, ink.bounds.width() / d, ink.bounds.height() / d);
    QVERIFY2(bounds.left() >= 0 && bounds.left() <= 3, qPrintable(QString::number(bounds.left())));
    QVERIFY2(bounds.right() <= 15, qPrintable(QString::number(bounds.right())));
    QVERIFY2(bounds.bottom() <= 225.5 && bounds.bottom() >= 221, qPrintable(QString::number(bounds.bottom())));
    QVERIFY2(bounds.top() < 225 - 100 && bounds.top() > 0, qPrintable(QString::number(bounds.top())));
}

QTEST_MAIN(TestRotator)
#include "tst_rotator.moc"
