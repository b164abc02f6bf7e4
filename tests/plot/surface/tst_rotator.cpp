// Rotated text as it lands turned on a real box, with the box's coordinate
// system and current position left exactly as they were.

#include "plot/qt_picture_box.h"
#include "plot/rotator.h"

#include <QtTest>

#include <cmath>
#include <tuple>

using namespace kestrova;

class TestRotator : public QObject {
    Q_OBJECT

private slots:
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
        // The coordinate system and current position, to the last bit.
        const auto state = [box] {
            return std::tuple(box->ScaleMode(), box->ScaleLeft(), box->ScaleTop(),
                              box->ScaleWidth(), box->ScaleHeight(), box->CurrentX(),
                              box->CurrentY());
        };
        const auto before = state();
        rotator.Label("Angle (en degrés)");
        rotator.Label("Angle (en degrés)"); // the first label must not have moved the position
        QVERIFY(state() == before);

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
