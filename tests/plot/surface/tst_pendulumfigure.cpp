// The pendulum figure: its primitives on the recording surface, and the bob
// where it belongs on the real box.

#include "image_probe.h"
#include "plot/pendulum_figure.h"
#include "plot/qt_picture_box.h"
#include "tests/support/recording_surface.h"

#include <QtTest>

#include <cmath>

using namespace kestrova;
using namespace kestrova::testing;

namespace {

constexpr double kDegToRad = 0.017453292519943278;

/// The bob centre as the figure hands it over: computed in double, passed in single precision.
QPointF Bob(double angle)
{
    return {static_cast<float>(std::sin(angle) * 8), static_cast<float>(std::cos(angle) * -8)};
}

/// picPendule: 6500 × 6500 twips with its border, (-10, 10)-(10, -10) as the reset sets it.
struct PenduleWindow {
    QWidget window;
    PictureBox* picPendule = new PictureBox(&window);

    PenduleWindow()
    {
        window.resize(460, 460);
        picPendule->SetWidth(6500);
        picPendule->SetHeight(6500);
        picPendule->SetBackColor(Rgb(255, 255, 225));
        picPendule->Scale(-10, 10, 10, -10);
    }

    /// Where a user point falls, in logical pixels of the picture (pixel centres).
    [[nodiscard]] QPointF ToPixel(QPointF p) const
    {
        const QSizeF inside = picPendule->InsideRect().size();
        return {(p.x() + 10) / 20 * inside.width() + 0.5,
                (10 - p.y()) / 20 * inside.height() + 0.5};
    }

    [[nodiscard]] QRgb At(QPointF user)
    {
        const QImage& picture = picPendule->Picture();
        const QPointF p = ToPixel(user) * picture.devicePixelRatio();
        return picture.pixel(int(p.x()), int(p.y()));
    }
};

} // namespace

class TestPendulumFigure : public QObject {
    Q_OBJECT

private slots:
    void primitives()
    {
        RecordingSurface surface(429, 429);
        surface.Scale(-10, 10, 10, -10);
        const QPointF bob = Bob(-30 * kDegToRad);
        // A first call from the box's defaults, then one from the state it leaves.
        for (int call = 0; call < 2; ++call) {
            surface.ClearRecord();
            DrawPendulum(surface, -30 * kDegToRad);
            const auto& p = surface.primitives;
            QCOMPARE(p.size(), std::size_t{5});
            QCOMPARE(p[0].kind, PrimitiveKind::Clear);
            const QLineF lines[] = {
                {0, 10, 0, -10}, {-10, 0, 10, 0}, {QPointF(0, 0), bob}}; // axes, rod
            const int styles[] = {kDashed, kDashed, kSolid}, widths[] = {1, 1, 3};
            for (int i = 0; i < 3; ++i) {
                const Primitive& line = p[i + 1];
                QCOMPARE(line.kind, PrimitiveKind::Line);
                QCOMPARE(QLineF(line.x1, line.y1, line.x2, line.y2), lines[i]);
                QCOMPARE(QList<int>({line.drawStyle, line.drawWidth, int(line.colour)}),
                         QList<int>({styles[i], widths[i], 0}));
            }
            const Primitive& disc = p[4];
            QCOMPARE(disc.kind, PrimitiveKind::Circle);
            QCOMPARE(QLineF(disc.x1, disc.y1, disc.x2, 0),
                     QLineF(bob.x(), bob.y(), 0.5, 0)); // centre, radius
            QCOMPARE(
                QList<int>({int(disc.colour), disc.drawWidth, disc.fillStyle, int(disc.fillColor)}),
                QList<int>({0xFF, 1, kFillSolid, 0xFF}));
            QCOMPARE(QList<int>({surface.DrawStyle(), surface.DrawWidth()}),
                     QList<int>({kSolid, 1}));
        }
    }

    // The bob where 8 sin θ, -8 cos θ puts it, after earlier calls at other angles.
    void bobOnTheBox_data()
    {
        QTest::addColumn<double>("angle");
        QTest::addRow("0 degrees") << 0.0;
        QTest::addRow("45 degrees") << 45 * kDegToRad;
        QTest::addRow("90 degrees") << 90 * kDegToRad;
        QTest::addRow("180 degrees") << 180 * kDegToRad;
        QTest::addRow("-60 degrees") << -60 * kDegToRad;
    }

    void bobOnTheBox()
    {
        QFETCH(double, angle);
        PenduleWindow scene;
        for (const double a : {angle + 2.0, angle - 1.2, angle}) // only the last may show
            DrawPendulum(*scene.picPendule, a);
        scene.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&scene.window));

        const qreal d = scene.picPendule->Picture().devicePixelRatio();
        const auto red = Collect(scene.picPendule->Picture(), IsRed);
        const QPointF expected = scene.ToPixel(Bob(angle)), centroid = red.Centroid(d);
        QVERIFY2(QLineF(centroid, expected).length() < 1.0,
                 qPrintable(QString("bob at (%1, %2), expected (%3, %4)")
                                .arg(centroid.x())
                                .arg(centroid.y())
                                .arg(expected.x())
                                .arg(expected.y())));
        const double area =
            M_PI * std::pow(0.5 * 429 / 20, 2); // one filled disc of radius 0.5 unit
        QVERIFY2(std::abs(red.count / (d * d) - area) < 0.15 * area,
                 qPrintable(QString::number(red.count / (d * d))));
        QVERIFY(IsDark(scene.At(Bob(angle) / 2))); // the rod, half way to the bob
        QCOMPARE(scene.At(Bob(angle + 2.0) / 2), qRgb(255, 255, 225)); // no earlier rod left
    }
};

QTEST_MAIN(TestPendulumFigure)
#include "tst_pendulumfigure.moc"
