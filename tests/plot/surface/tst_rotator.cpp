// Rotated text as it lands turned on a real box, and on the painter surface
// that exports and prints the plots, with the coordinate system and current
// position left exactly as they were.

#include "plot/painter_surface.h"
#include "plot/qt_picture_box.h"
#include "plot/rotator.h"

#include <QPainter>
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
        QTest::addColumn<bool>("exported");
        for (const bool exported : {false, true}) {
            const char* where = exported ? "exported" : "on screen";
            QTest::addRow("upward from column 0, as the title boxes, %s", where)
                << 90 << 0.0 << QRectF(QPointF(-1.5, 8), QPointF(15.5, 169.5)) << QPointF(7, 164)
                << exported;
            QTest::addRow("horizontal from a quarter across a scale from -1, %s", where)
                << 0 << -0.5 << QRectF(QPointF(58.5, 166.5), QPointF(220, 183.5))
                << QPointF(64, 175) << exported;
        }
    }

    void textLandsTurnedOnTheBox()
    {
        QFETCH(int, angle);
        QFETCH(double, x);
        QFETCH(QRectF, inside);
        QFETCH(QPointF, start);
        QFETCH(bool, exported);
        PictureBox screen;
        screen.SetBorder(false);
        screen.resize(240, 240);
        QImage image(240, 240, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        PainterSurface file(painter, QSizeF(240, 240));
        PictureSurface& box = exported ? static_cast<PictureSurface&>(file) : screen;
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

        file.Flush();
        painter.end();
        const QImage picture = exported ? image : screen.Picture();
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
