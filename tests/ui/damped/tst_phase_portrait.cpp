// The phase portraits of the damped window: the energy curves option, and
// initial conditions picked with the mouse, on the real picture boxes.

#include "ui/damped/frm_pendule_amorti.h"

#include "plot/energy_curves.h"
#include "plot/qt_colour.h"
#include "plot/qt_picture_box.h"
#include "tests/support/recording_surface.h"
#include "tests/support/test_window.h"

#include <QPushButton>
#include <QSlider>
#include <QtTest>

#include <cmath>

using namespace kestrova;
using namespace kestrova::testing;

namespace {

/// The window on a fake clock, its figure on a recording surface.
struct Window : TestWindow {
    Window()
    {
        DampedSurfaces s = Damped()->Surfaces();
        s.picPendule = &pendule;
        Damped()->SetSurfaces(s);
    }
    [[nodiscard]] PictureBox* Phase() const { return Child<PictureBox>("picPhase0"); }
    [[nodiscard]] QPushButton* Go() const { return Child<QPushButton>("chkGo"); }
    QPoint Pixel(double degrees, double speed) const
    {
        const PictureBox* box = Phase();
        return QPoint(qRound(box->ToPixelX(degrees * DegToRad)), qRound(box->ToPixelY(speed)))
            + box->InsideRect().topLeft();
    }
    QList<int> Sliders() const
    {
        return {Child<QSlider>("sldTeta0")->value(), Child<QSlider>("sldOmega0")->value()};
    }
    double FigureDegrees() const // the rod: the figure's one line 3 pixels wide
    {
        double degrees = NAN; // the last one drawn
        for (const Primitive& p : pendule.primitives)
            if (p.kind == PrimitiveKind::Line && p.drawWidth == 3)
                degrees = std::atan2(p.x2, -p.y2) / DegToRad;
        return degrees;
    }

    RecordingSurface pendule{433, 433};
};

} // namespace

class TestPhasePortrait : public QObject {
    Q_OBJECT

private slots:
    // Off, the window looks as it always did, also after the option was on;
    // on, the curves are drawn at once, on plots without traces and under a
    // run's traces, and taken away at once, the traces kept.
    void energyCurvesOption()
    {
        Window plain, w;
        const auto pictures = [](const Window& x) {
            return QList<QImage>(
                {x.Phase()->Picture().copy(), x.Child<PictureBox>("picPhase1")->Picture().copy()});
        };
        const QList<QImage> before = pictures(plain);
        w.Damped()->SetEnergyCurvesShown(true);
        const QList<QImage> on = pictures(w);
        QVERIFY(on[0] != before[0] && on[1] != before[1]);
        w.Damped()->SetEnergyCurvesShown(false);
        QCOMPARE(pictures(w), before);

        w.Go()->click();
        w.source.AdvanceSeconds(0.5), w.Damped()->AnimationTick();
        w.Go()->click();
        const auto pixels = [&w](QColor colour) {
            const QImage picture = w.Phase()->Picture();
            int n = 0;
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x)
                    n += picture.pixelColor(x, y) == colour;
            return n;
        };
        const QColor red(255, 0, 0), level(ToQColor(kEnergyLevelColour));
        QVERIFY(pixels(red) > 0 && pixels(level) == 0);
        w.Damped()->SetEnergyCurvesShown(true);
        QVERIFY(pixels(red) > 0 && pixels(level) > 0);
        w.Damped()->SetEnergyCurvesShown(false);
        QVERIFY(pixels(red) > 0 && pixels(level) == 0);
        w.Damped()->SetEnergyCurvesShown(true);
        w.Child<QPushButton>("cmdPosInit")->click();
        QCOMPARE(pictures(w), on);
    }

    // A click sets the sliders to the point and resets: the figure at the new
    // angle. A drag follows the pointer on the plot as it was at the press
    // (the reset rescales it), a negative angle mirrored. While running, a
    // click does nothing, and only a click that acts shows the cross.
    void pickTheStartOnThePortrait()
    {
        Window w;
        QCOMPARE(w.Phase()->cursor().shape(), Qt::CrossCursor);
        QTest::mouseClick(w.Phase(), Qt::LeftButton, {}, w.Pixel(30, -2));
        QCOMPARE(w.Sliders(), QList<int>({30, -2}));
        QVERIFY(std::abs(w.FigureDegrees() - 30) < 1e-4);

        const QPoint target = w.Pixel(-20, 1);
        QTest::mousePress(w.Phase(), Qt::LeftButton, {}, w.Pixel(10, 1));
        QCOMPARE(w.Sliders(), QList<int>({10, 1}));
        QTest::mouseMove(w.Phase(), target);
        QTest::mouseRelease(w.Phase(), Qt::LeftButton, {}, target);
        QCOMPARE(w.Sliders(), QList<int>({20, -1}));
        QVERIFY(std::abs(w.FigureDegrees() - 20) < 1e-4);

        w.Go()->click();
        QCOMPARE(w.Phase()->cursor().shape(), Qt::ArrowCursor);
        w.pendule.ClearRecord();
        QTest::mouseClick(w.Phase(), Qt::LeftButton, {}, w.Pixel(30, -2));
        QVERIFY(w.Go()->isChecked() && w.Sliders() == QList<int>({20, -1}));
        QVERIFY(w.pendule.primitives.empty());
    }
};

QTEST_MAIN(TestPhasePortrait)
#include "tst_phase_portrait.moc"
