// Rotated text: the font and reference point handed to the device, the device
// left exactly as it was, and the text as it lands on a real box.

#include "image_probe.h"
#include "plot/qt_picture_box.h"
#include "plot/rotator.h"
#include "tests/support/recording_surface.h"

#include <QtTest>

#include <cmath>
#include <stdexcept>
#include <string>

Q_DECLARE_METATYPE(kestrova::RotatedFont)

using namespace kestrova;
using kestrova::testing::RecordingSurface;

namespace {

/// The coordinate system and current position, to the last bit (17 digits).
QString State(const PictureSurface& s)
{
    QStringList values{QString::number(s.ScaleMode())};
    for (const double v :
         {s.ScaleLeft(), s.ScaleTop(), s.ScaleWidth(), s.ScaleHeight(), s.CurrentX(), s.CurrentY()})
        values << QString::number(v, 'g', 17);
    return values.join(' ');
}

QString Describe(const RotatedFont& f)
{
    return QString("%1 h%2 esc%3 ori%4 w%5 i%6 u%7 s%8")
        .arg(QString::fromStdString(f.FaceName))
        .arg(f.Height)
        .arg(f.Escapement)
        .arg(f.Orientation)
        .arg(f.Weight)
        .arg(f.Italic)
        .arg(f.Underline)
        .arg(f.StrikeOut);
}

/// A title box as the damped window sets it up: (0, 10)-(1, 0), Arial 11 bold.
void SetUpTitleBox(PictureSurface& box, QPointF position)
{
    box.Scale(0, 10, 1, 0);
    box.SetFont({"Arial", 11, false, false, false, 700});
    box.SetCurrentX(position.x());
    box.SetCurrentY(position.y());
}

void Label(PictureSurface& surface, int angle, std::string_view text = "Angle (en degrés)")
{
    Rotator rotator;
    rotator.SetDevice(surface);
    rotator.SetAngle(static_cast<std::int16_t>(angle));
    rotator.Label(text);
}

} // namespace

class TestRotator : public QObject {
    Q_OBJECT

private slots:
    void fontFromDevice_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<double>("size");
        QTest::addColumn<int>("angle");
        QTest::addColumn<RotatedFont>("expected"); // no face name: refused
        const std::string a31(31, 'A'), e31 = QString(31, QChar(0xE9)).toStdString();
        QTest::addRow("96 dpi, 11 pt bold: 14")
            << 96 << 11.0 << 90 << RotatedFont{"Arial", 14, 900, 900, 700};
        QTest::addRow("96 dpi, 8.25 pt, italic, underlined, struck out, light: 11; 31-byte face")
            << 96 << 8.25 << 180 << RotatedFont{a31, 11, 1800, 1800, 300, true, true, true};
        QTest::addRow(
            "120 dpi, 11 pt: 1320 / 72 truncated to 18; 31 accented characters, one byte each")
            << 120 << 11.0 << -45 << RotatedFont{e31, 18, -450, -450, 400};
        QTest::addRow("product rounded before dividing: 143.5 is 144")
            << 287 << 0.5 << 0 << RotatedFont{"Arial", 2, 0, 0, 400, false, true, false};
        QTest::addRow("32-byte face refused") << 96 << 11.0 << 90 << RotatedFont{"", 0, 0, 0, 400};
    }

    void fontFromDevice()
    {
        QFETCH(int, dpi);
        QFETCH(double, size);
        QFETCH(int, angle);
        QFETCH(RotatedFont, expected);
        RecordingSurface surface(21, 321);
        surface.dpiY = dpi;
        const std::string face =
            expected.FaceName.empty() ? std::string(32, 'A') : expected.FaceName;
        surface.SetFont(
            {face, size, expected.Italic, expected.Underline, expected.StrikeOut, expected.Weight});
        try {
            Label(surface, angle, "Vitesse (en rad/s)");
            QVERIFY2(!expected.FaceName.empty(), "an over-long face name was accepted");
            QCOMPARE(surface.primitives.size(), std::size_t{1});
            QCOMPARE(Describe(surface.primitives[0].rotatedFont), Describe(expected));
            QCOMPARE(surface.primitives[0].text, std::string("Vitesse (en rad/s)"));
        } catch (const std::length_error& e) {
            QVERIFY2(expected.FaceName.empty()
                         && std::string(e.what()).find(face) != std::string::npos,
                     e.what());
            QVERIFY(surface.primitives.empty());
        }
    }

    void referencePointAndDeviceLeftAsItWas_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QLineF>("corners"); // for kScaleUser
        QTest::addColumn<QPointF>("position");
        QTest::addColumn<QPoint>("expected");
        QTest::addRow("title box: column 0, 70 %% of 321 rows rounded")
            << int(kScaleUser) << QLineF(0, 10, 1, 0) << QPointF(0, 3) << QPoint(0, 225);
        // Rebuilt as top + height, the bottom corner gives a height of -0.9999999999999999.
        QTest::addRow("corners that do not survive a rebuild")
            << int(kScaleUser) << QLineF(0.1, -0.86, 0.3, -1.86) << QPointF(0.17, -1.3)
            << QPoint(7, 141);
        QTest::addRow("twips: 15 a pixel")
            << int(kScaleTwips) << QLineF() << QPointF(300, 457) << QPoint(20, 30);
        QTest::addRow("pixels: ties to even")
            << int(kScalePixels) << QLineF() << QPointF(12.5, 13.5) << QPoint(12, 14);
    }

    void referencePointAndDeviceLeftAsItWas()
    {
        QFETCH(int, mode);
        QFETCH(QLineF, corners);
        QFETCH(QPointF, position);
        QFETCH(QPoint, expected);
        RecordingSurface surface(21, 321);
        if (mode == kScaleUser)
            surface.Scale(corners.x1(), corners.y1(), corners.x2(), corners.y2());
        else
            surface.SetScaleMode(mode);
        surface.SetCurrentX(position.x());
        surface.SetCurrentY(position.y());
        const QString before = State(surface);

        Rotator rotator;
        rotator.SetDevice(surface);
        rotator.Label("Angle (en degrés)");
        rotator.Label("encore"); // the first label must not have moved the position

        QCOMPARE(surface.primitives.size(), std::size_t{2});
        for (const auto& p : surface.primitives)
            QCOMPARE(QPoint(p.pixelX, p.pixelY), expected);
        QCOMPARE(State(surface), before);
    }

    void misuseIsReported()
    {
        Rotator rotator;
        QVERIFY_THROWS_EXCEPTION(std::logic_error, rotator.Label("Angle"));
        RecordingSurface flat(21, 321);
        flat.Scale(0, 10, 0, 0); // no width
        QVERIFY_THROWS_EXCEPTION(std::domain_error, rotator.SetDevice(flat));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, rotator.Label("Angle")); // still no device
        QCOMPARE(flat.ScaleMode(), int(kScaleUser));
        RecordingSurface far(21, 321);
        far.SetScaleMode(kScalePixels);
        far.SetCurrentY(3e9); // beyond a 32-bit pixel row
        rotator.SetDevice(far);
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, rotator.Label("Angle"));
        QVERIFY(flat.primitives.empty() && far.primitives.empty());
    }

    void textLandsTurnedOnTheBox_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPointF>("position");
        QTest::addColumn<QPointF>("reference"); // pixel where the text cell starts
        const QSize square(240, 240);
        const QPointF middle(0.5, 5);
        QTest::addRow("title box: from column 0, 70 %% row, upward")
            << 90 << QSize(21, 321) << QPointF(0, 3) << QPointF(0, 225);
        QTest::addRow("0 degrees: horizontal") << 0 << square << middle << QPointF(120, 120);
        QTest::addRow("45 degrees") << 45 << square << middle << QPointF(120, 120);
        QTest::addRow("90 degrees: upward") << 90 << square << middle << QPointF(120, 120);
        QTest::addRow("180 degrees: upside down, to the left")
            << 180 << square << middle << QPointF(120, 120);
    }

    void textLandsTurnedOnTheBox()
    {
        QFETCH(int, angle);
        QFETCH(QSize, size);
        QFETCH(QPointF, position);
        QFETCH(QPointF, reference);
        QWidget window;
        auto* box = new PictureBox(&window);
        box->SetBorder(false);
        box->setGeometry(QRect(QPoint(), size));
        SetUpTitleBox(*box, position);
        Label(*box, angle);
        QCOMPARE(QPointF(box->CurrentX(), box->CurrentY()), position);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        // Every dark pixel in the frame of the unrotated text, from the
        // reference point: "along" its run, "across" its lines (y down).
        const QImage picture = box->grab().toImage();
        const qreal d = picture.devicePixelRatio();
        const double radians = qDegreesToRadians(double(angle));
        const QPointF run(std::cos(radians), -std::sin(radians));
        const QPointF down(std::sin(radians), std::cos(radians));
        double nearest = 1e9, farthest = -1e9;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                if (!kestrova::testing::IsDark(picture.pixel(x, y)))
                    continue;
                const QPointF p = QPointF((x + 0.5) / d, (y + 0.5) / d) - reference;
                const double along = QPointF::dotProduct(p, run),
                             across = QPointF::dotProduct(p, down);
                QVERIFY2(
                    along > -1.5 && across > -1.5
                        && across < 14 + 1.5, // a 14-pixel cell: 11 pt at 96 dpi
                    qPrintable(QString("ink at (%1, %2) outside the text cell").arg(x).arg(y)));
                nearest = std::min(nearest, along);
                farthest = std::max(farthest, along);
            }
        }
        QVERIFY2(nearest < 4, qPrintable(QString::number(nearest)));
        QVERIFY2(farthest > 100 && farthest < 160,
                 qPrintable(QString::number(farthest))); // about 120 pixels long
    }
};

QTEST_MAIN(TestRotator)
#include "tst_rotator.moc"
