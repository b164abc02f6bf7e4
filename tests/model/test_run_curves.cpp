#include "model/energy.h"
#include "model/run_curves.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace kestrova {
namespace {

double AngleGap(double a, double b)
{
    return std::abs(std::remainder(a - b, 2 * PI));
}

/// A live run as a window drives it: ticks of 5 to 33 ms, paused once for a
/// while and resumed.
void RunLive(DampedRun& run, double seconds, int pauseAt)
{
    run.Start();
    double sinceStart = 0;
    for (int tick = 0; run.Running() && run.Time() < seconds; ++tick) {
        sinceStart += (5 + (tick * 7) % 29) / 1000.0;
        ASSERT_TRUE(run.AdvanceTo(sinceStart).finite);
        if (pauseAt > 0 && tick == pauseAt && run.Running()) {
            run.Pause();
            run.Start();
            sinceStart = 0;
        }
    }
}

// A kept run is drawn and exported from its setup run again: the damping
// regimes of a lesson, small and large swings, one over the top, close to
// the top, for a minute with a pause. (At ω₀ of 10 rad/s and more the live
// run itself moves by up to 1e-7 rad with the pace of its ticks.)
TEST(RunCurves, AKeptRunIsItsSetupRunAgain)
{
    for (const SliderValues setup :
         {SliderValues{45, 0, 40, 10}, SliderValues{45, 0, 40, 50}, SliderValues{45, 0, 40, 400},
          SliderValues{90, 0, 40, 500}, SliderValues{10, 0, 40, 0}, SliderValues{0, 10, 49, 0},
          SliderValues{170, 0, 40, 0}, SliderValues{170, -3, 40, 5}}) {
        DampedRun live;
        live.Reset(setup);
        RunLive(live, 60, 300);
        RunCurves kept(setup);
        kept.ExtendTo(60);
        const MotionRecorder& a = live.Recording();
        const MotionRecorder& b = kept.Recording();
        const std::size_t rows = std::min(a.RowCount(), b.RowCount());
        EXPECT_GT(rows, 500u);
        double worst = 0;
        for (std::size_t i = 0; i < rows; ++i)
            worst = std::max(worst, AngleGap(a.Row(i).exact.angle, b.Row(i).exact.angle));
        EXPECT_LT(worst, 1e-9) << setup.Teta0Degrees << " " << setup.LambdaHundredths;
    }
}

TEST(RunCurves, AnUndampedRunKeepsItsEnergyOverAMinute)
{
    for (const SliderValues setup :
         {SliderValues{10, 0, 40, 0}, SliderValues{90, 0, 40, 0}, SliderValues{170, 0, 200, 0},
          SliderValues{0, 10, 49, 0}, SliderValues{120, -10, 1, 0}}) {
        RunCurves run(setup);
        run.ExtendTo(60);
        const MotionRecorder& rows = run.Recording();
        ASSERT_EQ(rows.RowCount(), 6001u);
        const double start = EnergyOf(rows.Row(0).exact, rows.Pulsation2()).Total();
        double worst = 0;
        for (std::size_t i = 0; i < rows.RowCount(); ++i)
            worst = std::max(
                worst, std::abs(EnergyOf(rows.Row(i).exact, rows.Pulsation2()).Total() - start));
        EXPECT_LT(worst, 1e-6 * start) << setup.Teta0Degrees;
    }
}

TEST(RunCurves, TheSmallAngleEnergyStartsAtTheSmallAngleEnergyOfTheStart)
{
    // An undamped swing's envelope, and the motion itself without swings
    // (critical, aperiodic).
    for (const SliderValues setup :
         {SliderValues{10, 2, 40, 0}, SliderValues{10, 2, 40, 400}, SliderValues{10, 2, 40, 500}}) {
        const Parameters p = ParametersFromSliders(setup);
        EXPECT_NEAR(SmallAngleEnergy(p, 0),
                    0.5 * p.Omega0 * p.Omega0 + 0.5 * p.Pulsation2 * p.Teta0 * p.Teta0, 1e-12);
        EXPECT_LE(SmallAngleEnergy(p, 1), SmallAngleEnergy(p, 0));
    }
}

TEST(RunCurves, ALabelNamesWhatDiffers)
{
    const SliderValues base{45, 0, 40, 22};
    const SliderValues damped{45, 0, 40, 50};
    const SliderValues wide{90, 0, 40, 50};
    const struct {
        SliderValues run;
        std::vector<SliderValues> all;
        const char* label;
    } cases[] = {
        {base, {base}, "θ₀ = 45°; θ'₀ = 0 rad/s; ω₀ = 4,0 rad/s; λ = 0,22 s⁻¹"},
        {damped, {base, damped}, "λ = 0,50 s⁻¹"},
        {wide, {base, damped, wide}, "θ₀ = 90°; λ = 0,50 s⁻¹"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RunLabel(c.run, c.all, ","), c.label);
}

} // namespace
} // namespace kestrova
