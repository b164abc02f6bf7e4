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

// The same for a driven run: its window steps whole integration steps at
// whatever pace its ticks come, and is paused and resumed on the way. The
// periodic and chaotic routes, a fast pendulum, one started over the top.
TEST(RunCurves, AKeptDrivenRunIsItsSetupRunAgain)
{
    for (const DrivenSetup setup :
         {kDrivenPresets[0].setup, kDrivenPresets[2].setup, DrivenSetup{0.3, 0, 6, 0.1, 0.4, 5.5},
          DrivenSetup{3, 2, 2, 0.5, 1.2, 1.9}}) {
        DrivenRun live;
        live.Reset(setup);
        live.Start();
        double sinceStart = 0;
        for (int tick = 0; live.Time() < 20; ++tick) {
            sinceStart += (5 + (tick * 7) % 29) / 1000.0;
            live.AdvanceTo(sinceStart);
            if (tick == 300) {
                live.Pause();
                live.Start();
                sinceStart = 0;
            }
        }
        RunCurves kept(setup);
        kept.ExtendTo(20);
        const MotionRecorder& a = live.Recording();
        const MotionRecorder& b = kept.Recording();
        ASSERT_GE(b.RowCount(), 1990u);
        ASSERT_EQ(b.Row(1000).time, 10);
        double worst = 0;
        for (std::size_t i = 0; i < std::min(a.RowCount(), b.RowCount()); ++i)
            worst = std::max(worst,
                             AngleGap(a.Row(i).exact.angle, b.Row(i).exact.angle)
                                 + std::abs(a.Row(i).exact.speed - b.Row(i).exact.speed));
        EXPECT_LT(worst, 1e-9) << setup.gamma;
        // Rows between the steps are the motion there: the same setup
        // stepped ten times finer agrees to the integration's accuracy,
        // far closer than a row taken at the step before it.
        DrivenMotion fine(setup, 10 * StepsPerPeriod(setup));
        while (fine.Time() + fine.StepSeconds() <= 7.5 + 1e-12)
            fine.Step();
        const Motion at = fine.StateAfter(7.5 - fine.Time());
        EXPECT_LT(AngleGap(at.angle, b.Row(750).exact.angle), 3e-5) << setup.gamma;
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

// Runs of both kinds: each is named among its own kind, after that kind's
// name; a driven value as its field shows it, without trailing zeros.
TEST(RunCurves, ALabelAmongBothKindsNamesTheKind)
{
    const RunLabelWords words{",", "Amorti : ", "Forcé : "};
    const DrivenSetup periodic = kDrivenPresets[0].setup;
    DrivenSetup strong = periodic;
    strong.gamma = 1.2;
    DrivenSetup tilted = periodic;
    tilted.teta0 = 30 * DegToRad;
    const SliderValues base{45, 0, 40, 22};
    const SliderValues damped{45, 0, 40, 50};
    const struct {
        RunSetup run;
        std::vector<RunSetup> all;
        const char* label;
    } cases[] = {
        {strong, {periodic, strong}, "γ = 1,2"},
        {strong, {periodic, base, strong}, "Forcé : γ = 1,2"},
        {damped, {periodic, base, damped}, "Amorti : λ = 0,50 s⁻¹"},
        {tilted, {tilted, strong, base}, "Forcé : θ₀ = 30°; γ = 0,9"},
        {periodic,
         {periodic, base},
         "Forcé : θ₀ = 0°; θ'₀ = 0 rad/s; ω₀ = 1 rad/s; λ = 0,25 s⁻¹; γ = 0,9; Ω = 0,6667 rad/s"},
        {base, {periodic, base}, "Amorti : θ₀ = 45°; θ'₀ = 0 rad/s; ω₀ = 4,0 rad/s; λ = 0,22 s⁻¹"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RunLabel(c.run, c.all, words), c.label);
}

} // namespace
} // namespace kestrova
