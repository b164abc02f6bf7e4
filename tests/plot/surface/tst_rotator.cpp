// Rotated text: the reference point handed to the device with the device
// left exactly as it was, and the text as it lands turned on a real box.

#include "plot/qt_picture_box.h"
#include "plot/rotator.h"
#include "tests/support/recording_surface.h"

#include <QtTest>

#include <cmath>

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

} // namespace

class TestRotator : public QObject {
    Q_OBJECT

private slots:
    void referencePointAndDeviceLeftAsItWas_data()
    {
        QTest::addColumn<QLineF>("corners"); // null: twips
        QTest::addColumn<QPointF>("position");
        QTest::addColumn<QPoint>("expected");
        QTest::addRow("title box: column 0, 70 %% of 321 rows rounded")
            << QLineF(0, 10, 1, 0) << QPointF(0, 3) << QPoint(0, 225);
        // Rebuilt as top + height, the bottom corner gives a height of -0.9999999999999999.
        QTest::addRow("corners that do not survive a rebuild")
            << QLineF(0.1, -0.86, 0.3, -1.86) << QPointF(0.17, -1.3) << QPoint(7, 141);
        QTest::addRow("twips: 15 a pixel") << QLineF() << QPointF(300, 457) << QPoint(20, 30);
    }

    void referencePointAndDeviceLeftAsItWas()
    {
        QFETCH(QLineF, corners);
        QFETCH(QPointF, position);
        QFETCH(QPoint, expected);
        RecordingSurface surface(21, 321);
        if (!corners.isNull())
            surface.Scale(corners.x1(), corners.y1(), corners.x2(), corners.y2());
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

    void textLandsTurnedOnTheBox_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("x");
        QTest::addColumn<QPointF>("reference"); // pixel where the text cell starts
        QTest::addRow("title box: from column 0, 70 %% row, upward")
            << 90 << QSize(21, 321) << 0.0 << QPointF(0, 225);
        QTest::addRow("0 degrees: horizontal") << 0 << QSize(240, 240) << 0.0 << QPointF(0, 168);
        QTest::addRow("180 degrees: upside down, to the left")
            << 180 << QSize(240, 240) << 0.5 << QPointF(120, 168);
    }

    void textLandsTurnedOnTheBox()
    {
        QFETCH(int, angle);
        QFETCH(QSize, size);
        QFETCH(double, x);
        QFETCH(QPointF, reference);
        QWidget window;
        auto* box = new PictureBox(&window);
        box->SetBorder(false);
        box->setGeometry(QRect(QPoint(), size));
        box->SetBackColor(Rgb(255, 255, 255));
        box->Scale(0, 10, 1, 0); // as the window sets up its title boxes
        box->SetFont({"Arial", 11, false, false, false, 700});
        box->SetCurrentX(x);
        box->SetCurrentY(3);
        Rotator rotator;
        rotator.SetDevice(*box);
        rotator.SetAngle(static_cast<std::int16_t>(angle));
        rotator.Label("Angle (en degrés)");

        // Every dark pixel in the frame of the unrotated text, from the
        // reference point: "along" its run, "across" its lines (y down).
        const QImage picture = box->Picture();
        const qreal d = picture.devicePixelRatio();
        const double radians = qDegreesToRadians(double(angle));
        const QPointF run(std::cos(radians), -std::sin(radians));
        const QPointF down(std::sin(radians), std::cos(radians));
        double nearest = 1e9, farthest = -1e9;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                if (qGray(picture.pixel(x, y)) > 96)
                    continue;
                const QPointF p = QPointF((x + 0.5) / d, (y + 0.5) / d) - reference;
                const double along = QPointF::dotProduct(p, run);
                const double across = QPointF::dotProduct(p, down);
                // A 14-pixel cell: 11 points at 96 dots per inch.
                QVERIFY2(
                    along > -1.5 && across > -1.5 && across < 14 + 1.5,
                    qPrintable(QString("ink at (%1, %2) outside the text cell").arg(x).arg(y)));
                nearest = std::min(nearest, along);
                farthest = std::max(farthest, along);
            }
        }
        QVERIFY2(nearest < 4, qPrintable(QString::number(nearest)));
        QVERIFY2(farthest > 100 && farthest < 160, qPrintable(QString::number(farthest)));
    }
};

QTEST_MAIN(TestRotator)
#include "tst_rotator.moc"
