// The pendulum figure: its primitives on the recording surface, and the bob
// where it belongs on the real box.

#include "image_probe.h"
#include "plot/pendulum_figure.h"
#include "plot/qt_picture_box.h"
#include "tests/support/recording_surface.h"

#include <QtTest>

#include <cmath>
#include <memory>
#include <vector>

using kestrova::DrawPendulum;
using kestrova::PictureBox;
using kestrova::testing::Collect;
using kestrova::testing::IsDark;
using kestrova::testing::IsRed;
using kestrova::testing::Primitive;
using kestrova::testing::PrimitiveKind;
using kestrova::testing::RecordingSurface;

namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kDegToRad = 0.017453292519943278;

/// The bob centre as the figure hands it over: computed in double, passed
/// in single precision.
QPointF Bob(double angle)
{
    return {static_cast<float>(std::sin(angle) * 8), static_cast<float>(std::cos(angle) * -8)};
}

/// picPendule: 6500 × 6500 twips with its border, tooltip background,
/// (-10, 10)-(10, -10) as the reset sets it.
struct PenduleWindow {
    QWidget window;
    PictureBox* picPendule = new PictureBox(&window);

    PenduleWindow()
    {
        window.resize(460, 460);
        picPendule->SetLeft(150);
        picPendule->SetTop(150);
        picPendule->SetWidth(6500);
        picPendule->SetHeight(6500);
        picPendule->SetBackColor(kestrova::Rgb(255, 255, 225));
        picPendule->Scale(-10, 10, 10, -10);
    }

    /// Where a user point falls, in logical pixels of the picture.
    [[nodiscard]] QPointF ToPixel(QPointF p) const
    {
        const double w = picPendule->InsideRect().width();
        const double h = picPendule->InsideRect().height();
        return {(p.x() + 10) / 20 * w + 0.5, (10 - p.y()) / 20 * h + 0.5}; // pixel centres
    }
};

} // namespace

class TestPendulumFigure : public QObject {
    Q_OBJECT

private slots:
    void primitives_data();
    void primitives();
    void bobOnTheBox_data();
    void bobOnTheBox();
    void onlyOnePendulumAfterRepeatedCalls();
};

void TestPendulumFigure::primitives_data()
{
    QTest::addColumn<double>("angle");
    QTest::addColumn<QPointF>("near"); // where the bob should be, roughly
    QTest::addRow("hanging straight down") << 0.0 << QPointF(0, -8);
    QTest::addRow("quarter turn to the right") << kPi / 2 << QPointF(8, 0);
    QTest::addRow("upside down, 180 degrees") << kPi << QPointF(0, 8);
    QTest::addRow("45 degrees") << 45 * kDegToRad << QPointF(5.657, -5.657);
    QTest::addRow("negative: on the left") << -30 * kDegToRad << QPointF(-4, -6.928);
}

void TestPendulumFigure::primitives()
{
    QFETCH(double, angle);
    QFETCH(QPointF, near);
    RecordingSurface surface(429, 429);
    surface.Scale(-10, 10, 10, -10);
    // A first call from the box's defaults, then one from the state it leaves.
    for (int call = 0; call < 2; ++call) {
        surface.ClearRecord();
        DrawPendulum(surface, angle);
        const std::vector<Primitive>& p = surface.primitives;
        QCOMPARE(p.size(), std::size_t{5});
        QCOMPARE(p[0].kind, PrimitiveKind::Clear);

        for (int axis = 1; axis <= 2; ++axis) {
            QCOMPARE(p[axis].kind, PrimitiveKind::Line);
            QCOMPARE(p[axis].drawStyle, int(kestrova::kDashed));
            QCOMPARE(p[axis].drawWidth, 1);
            QCOMPARE(p[axis].colour, kestrova::Colour{0});
        }
        QCOMPARE(QLineF(p[1].x1, p[1].y1, p[1].x2, p[1].y2), QLineF(0, 10, 0, -10));
        QCOMPARE(QLineF(p[2].x1, p[2].y1, p[2].x2, p[2].y2), QLineF(-10, 0, 10, 0));

        const QPointF bob = Bob(angle);
        QVERIFY(std::abs(bob.x() - near.x()) < 1e-3 && std::abs(bob.y() - near.y()) < 1e-3);
        const Primitive& rod = p[3];
        QCOMPARE(rod.kind, PrimitiveKind::Line);
        QCOMPARE(rod.drawStyle, int(kestrova::kSolid));
        QCOMPARE(rod.drawWidth, 3);
        QCOMPARE(rod.colour, kestrova::Colour{0});
        QCOMPARE(rod.x1, 0.0);
        QCOMPARE(rod.y1, 0.0);
        QVERIFY(rod.x2 == bob.x() && rod.y2 == bob.y()); // exactly the single-precision values

        const Primitive& disc = p[4];
        QCOMPARE(disc.kind, PrimitiveKind::Circle);
        QVERIFY(disc.x1 == bob.x() && disc.y1 == bob.y());
        QCOMPARE(disc.x2, 0.5); // radius
        QCOMPARE(disc.colour, kestrova::Colour{0xFF});
        QCOMPARE(disc.drawWidth, 1);
        QCOMPARE(disc.drawStyle, int(kestrova::kSolid));
        QCOMPARE(disc.fillStyle, int(kestrova::kFillSolid));
        QCOMPARE(disc.fillColor, kestrova::Colour{0xFF});

        QCOMPARE(surface.DrawStyle(), int(kestrova::kSolid));
        QCOMPARE(surface.DrawWidth(), 1);
        QCOMPARE(surface.FillStyle(), int(kestrova::kFillSolid));
        QCOMPARE(surface.FillColor(), kestrova::Colour{0xFF});
        QCOMPARE(surface.ScaleLeft(), -10.0); // the system is the reset's business
        QCOMPARE(surface.ScaleHeight(), -20.0);
    }
}

void TestPendulumFigure::bobOnTheBox_data()
{
    QTest::addColumn<double>("angle");
    QTest::addRow("0 degrees") << 0.0;
    QTest::addRow("45 degrees") << 45 * kDegToRad;
    QTest::addRow("90 degrees") << 90 * kDegToRad;
    QTest::addRow("180 degrees") << kPi;
    QTest::addRow("-60 degrees") << -60 * kDegToRad;
}

void TestPendulumFigure::bobOnTheBox()
{
    QFETCH(double, angle);
    PenduleWindow scene;
    DrawPendulum(*scene.picPendule, angle);
    scene.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));

    const QImage& picture = scene.picPendule->Picture();
    const qreal d = picture.devicePixelRatio();
    const auto red = Collect(picture, IsRed);
    const QPointF expected = scene.ToPixel(Bob(angle));
    const QPointF centroid = red.Centroid(d);
    QVERIFY2(QLineF(centroid, expected).length() < 1.0,
             qPrintable(QString("bob at (%1, %2), expected (%3, %4)")
                            .arg(centroid.x())
                            .arg(centroid.y())
                            .arg(expected.x())
                            .arg(expected.y())));
    // A disc of radius 0.5 unit: 10.7 pixels.
    const double radius = 0.5 * 429 / 20;
    QVERIFY(std::abs(red.bounds.width() / d - 2 * radius) < 2.5);
    QVERIFY(std::abs(red.count / (d * d) - kPi * radius * radius) < 0.15 * kPi * radius * radius);

    // The rod: dark pixels half way between the pivot and the bob; the
    // pivot on the crossing of the axes.
    const QPointF middle = scene.ToPixel(Bob(angle) / 2);
    QVERIFY(IsDark(picture.pixel(int(middle.x() * d), int(middle.y() * d))));
    const QPointF pivot = scene.ToPixel({0, 0});
    QVERIFY(IsDark(picture.pixel(int(pivot.x() * d), int(pivot.y() * d))));

    // The window shows it, inside the border.
    const QImage shot = scene.window.grab(scene.picPendule->geometry()).toImage();
    const QPointF onScreen = expected + QPointF(PictureBox::kBorderWidth, PictureBox::kBorderWidth);
    QVERIFY(IsRed(shot.pixel(int(onScreen.x() * d), int(onScreen.y() * d))));
}

void TestPendulumFigure::onlyOnePendulumAfterRepeatedCalls()
{
    PenduleWindow scene;
    const double angles[] = {0.3, -1.2, 2.0, 1.1};
    for (const double angle : angles)
        DrawPendulum(*scene.picPendule, angle);

    const QImage& picture = scene.picPendule->Picture();
    const qreal d = picture.devicePixelRatio();
    const QPointF last = scene.ToPixel(Bob(angles[3]));
    const auto red = Collect(picture, IsRed);
    QVERIFY(red.count > 0);
    // Every red pixel belongs to the last bob.
    const QRectF bounds(red.bounds.x() / d, red.bounds.y() / d, red.bounds.width() / d, red.bounds.height() / d);
    QVERIFY2(bounds.adjusted(-1, -1, 1, 1).contains(QRectF(last - QPointF(10, 10), QSizeF(20, 20))),
             "the last bob is incomplete");
    QVERIFY2(bounds.width() < 24 && bounds.height() < 24, "red outside the last bob");
    // And no rod is left where the earlier ones were.
    const QPointF earlierRod = scene.ToPixel(Bob(angles[2]) / 2);
    QCOMPARE(picture.pixel(int(earlierRod.x() * d), int(earlierRod.y() * d)), qRgb(255, 255, 225));
}

QTEST_MAIN(TestPendulumFigure)
#include "tst_pendulumfigure.moc"
