// Rotated text as it lands turned on a real box, with the box's coordinate
// system and current position left exactly as they were.

#include "plot/qt_picture_box.h"
#include "plot/rotator.h"

#include <QtTest>

#include <tuple>

using namespace kestrova;

class TestRotator : public QObject {
    Q_OBJECT

private slots:
    void textLandsTurnedOnTheBox_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<double>("x");
        // The text starts at x and 70 % down, its 14-pixel cell (11 points at
        // 96 dots per inch) running from there: all the ink inside, from the
        // start point on.
        QTest::addColumn<QRectF>("inside");
        QTest::addColumn<QPointF>("start");
        QTest::addRow("upward from column 0, as the title boxes")
            << 90 << 0.0 << QRectF(QPointF(-1.5, 8), QPointF(15.5, 169.5)) << QPointF(7, 164);
        QTest::addRow("horizontal from a quarter across a scale from -1")
            << 0 << -0.5 << QRectF(QPointF(58.5, 166.5), QPointF(220, 183.5)) << QPointF(64, 175);
    }

    void textLandsTurnedOnTheBox()
    {
        QFETCH(int, angle);
        QFETCH(double, x);
        QFETCH(QRectF, inside);
        QFETCH(QPointF, start);
        PictureBox box;
        box.SetBorder(false);
        box.resize(240, 240);
        box.Scale(angle == 0 ? -1 : 0, 10, 1, 0); // the title boxes' scale, or one from -1
        box.SetFont({"Arial", 11, 700});
        box.SetCurrentX(x);
        box.SetCurrentY(3);
        Rotator rotator;
        rotator.SetDevice(box);
        rotator.SetAngle(static_cast<std::int16_t>(angle));
        // The coordinate system and current position, to the last bit.
        const auto state = [&box] {
            return std::tuple(box.ScaleMode(), box.ScaleLeft(), box.ScaleTop(), box.ScaleWidth(),
                              box.ScaleHeight(), box.CurrentX(), box.CurrentY());
        };
        const auto before = state();
        rotator.Label("Angle (en degrés)");
        rotator.Label("Angle (en degrés)"); // the first label must not have moved the position
        QVERIFY(state() == before);

        const QImage picture = box.Picture();
        const qreal d = picture.devicePixelRatio();
        QRectF ink;
        for (int py = 0; py < picture.height(); ++py)
            for (int px = 0; px < picture.width(); ++px)
                if (qGray(picture.pixel(px, py)) <= 96)
                    ink |= QRectF(px / d, py / d, 1 / d, 1 / d);
        QVERIFY2(inside.contains(ink) && ink.contains(start)
                     && std::max(ink.width(), ink.height()) > 100,
                 qPrintable(QString("ink from (%1, %2) to (%3, %4)")
                                .arg(ink.left())
                                .arg(ink.top())
                                .arg(ink.right())
                                .arg(ink.bottom())));
    }
};

QTEST_MAIN(TestRotator)
#include "tst_rotator.moc"
