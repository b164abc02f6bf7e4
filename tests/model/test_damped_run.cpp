#include "model/damped_run.h"
#include "model/energy.h"
#include "model/plot_scales.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace kestrova {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

/// The seconds a clock reads since the last start, at an uneven pace: ticks
/// of 1 to 16 ms in whole milliseconds, and one of 2.5 s (the window dragged).
struct FakeTime {
    long long ms = 0;
    int ticks = 0;
    double Next(double until)
    {
        ms = std::min(static_cast<long long>(std::llround(until * 1000)),
                      ms + (ticks == 50 ? 2500 : 1 + (ticks * 7) % 16));
        ++ticks;
        return static_cast<double>(ms) / 1000;
    }
};

/// Starts `run` and advances it on a FakeTime for `seconds`.
void RunFor(DampedRun& run, double seconds)
{
    run.Start();
    FakeTime clock;
    double t = 0;
    while (t < seconds) {
        t = clock.Next(seconds);
        ASSERT_TRUE(run.AdvanceTo(t).finite) << t;
    }
}

Motion Integrated(const PenduleState& s, double t, double maxSubStep)
{
    return Integrate({s.Teta0, s.Omega0}, s.Pulsation2, s.Lambda, t, maxSubStep);
}

double AngleGap(double a, double b)
{
    return std::abs(std::remainder(a - b, 2 * PI));
}

// Ten seconds of uneven advances, then a pause: the recording holds a row
// every 10 ms that matches the motion integrated straight to its instant and
// the closed-form small-angle solution, and the measurements are those of the
// integrated motion sampled every millisecond. Also for a pendulum that goes
// over the top (its angle wraps between two advances) and at the fastest ω₀.
TEST(DampedRun, AdvancesMatchTheIntegration)
{
    for (const SliderValues setup :
         {SliderValues{45, 0, 40, 22}, SliderValues{0, 10, 49, 0}, SliderValues{170, 0, 200, 5}}) {
        DampedRun run;
        run.Reset(setup);
        RunFor(run, 10);
        run.Pause();
        EXPECT_FALSE(run.Running());
        EXPECT_EQ(run.Time(), 10);
        const PenduleState& s = run.State();
        const double maxSubStep = MaxSubStep(std::sqrt(s.Pulsation2));
        const MotionRecorder& rows = run.Recording();
        ASSERT_EQ(rows.RowCount(), 1001u);
        double worstAngle = 0, worstSpeed = 0;
        for (std::size_t i = 0; i < rows.RowCount(); i += 7) {
            const RecordedRow row = rows.Row(i);
            const Motion exact = Integrated(s, row.time, maxSubStep);
            const Motion approx =
                LinearSolution(s.Teta0, s.Omega0, s.Pulsation2, s.Lambda, row.time).motion;
            worstAngle = std::max({worstAngle, AngleGap(row.exact.angle, exact.angle),
                                   std::abs(row.approx.angle - approx.angle)});
            worstSpeed = std::max({worstSpeed, std::abs(row.exact.speed - exact.speed),
                                   std::abs(row.approx.speed - approx.speed)});
        }
        EXPECT_LT(worstAngle, 1e-6) << setup.Teta0Degrees;
        EXPECT_LT(worstSpeed, 1e-6) << setup.Teta0Degrees;
        const Motion end = Integrated(s, 10, maxSubStep);
        EXPECT_LT(AngleGap(s.Teta, end.angle), 1e-6) << setup.Teta0Degrees;
        EXPECT_NEAR(s.Omega, end.speed, 1e-6) << setup.Teta0Degrees;

        MotionMeasurement expected;
        expected.Reset({s.Teta0, s.Omega0}, s.Pulsation2);
        Motion sampled{s.Teta0, s.Omega0};
        for (int k = 1; k <= 10'000; ++k) {
            sampled = Integrate(sampled, s.Pulsation2, s.Lambda, 0.001, maxSubStep);
            (void)expected.Add(k / 1000.0, sampled);
        }
        const MotionMeasurement& measured = run.Measurement();
        ASSERT_EQ(measured.Period().has_value(), expected.Period().has_value());
        if (expected.Period()) {
            EXPECT_EQ(measured.Period()->periods, expected.Period()->periods);
            EXPECT_NEAR(measured.Period()->seconds, expected.Period()->seconds, 1e-6);
        }
        ASSERT_EQ(measured.Decrement().has_value(), expected.Decrement().has_value());
        if (expected.Decrement()) {
            EXPECT_EQ(measured.Decrement()->halfSwings, expected.Decrement()->halfSwings);
            EXPECT_NEAR(measured.Decrement()->lambda, expected.Decrement()->lambda, 1e-6);
        }
        EXPECT_NEAR(measured.CurrentEnergy().Total(), EnergyOf(end, s.Pulsation2).Total(), 1e-5);
    }
}

// A pause and a later resume go on where the motion stopped: 3 s, a pause
// (with advances asked meanwhile, which do nothing), then 2 s, end where 5 s
// in one go do, with the same recording.
TEST(DampedRun, ResumeGoesOnWhereThePauseLeftIt)
{
    DampedRun once;
    RunFor(once, 5);
    DampedRun twice;
    RunFor(twice, 3);
    twice.Pause();
    const double teta = twice.State().Teta;
    EXPECT_TRUE(twice.AdvanceTo(4).samples.empty());
    EXPECT_TRUE(twice.Time() == 3 && twice.State().Teta == teta);
    RunFor(twice, 2);
    EXPECT_EQ(twice.Time(), 5);
    EXPECT_NEAR(twice.State().Teta, once.State().Teta, 1e-9);
    EXPECT_NEAR(twice.State().Omega, once.State().Omega, 1e-9);
    ASSERT_EQ(twice.Recording().RowCount(), once.Recording().RowCount());
    for (std::size_t i = 0; i < once.Recording().RowCount(); i += 50)
        EXPECT_NEAR(twice.Recording().Row(i).exact.angle, once.Recording().Row(i).exact.angle, 1e-9)
            << i;
}

// Paused, a single step advances the displayed time by exactly what was
// asked, sampled every millisecond, and leaves the run paused; a start then
// goes on from there. Running, it does nothing.
TEST(DampedRun, NextStepAdvancesExactlyTheAskedTime)
{
    struct Case {
        double seconds;
        std::size_t samples;
    };
    for (const Case c : {Case{0.010, 11}, Case{0.0035, 5}, Case{0.25, 251}}) {
        DampedRun run;
        (void)run.NextStep(0.002);
        const AnimationStep step = run.NextStep(c.seconds);
        EXPECT_EQ(step.samples.size(), c.samples) << c.seconds;
        EXPECT_FALSE(run.Running());
        EXPECT_DOUBLE_EQ(run.Time(), 0.002 + c.seconds);
        const Motion expected = Integrated(run.State(), 0.002 + c.seconds, 1e-4);
        EXPECT_NEAR(run.State().Teta, expected.angle, 1e-9) << c.seconds;
        run.Start();
        const AnimationStep next = run.AdvanceTo(0.001);
        EXPECT_EQ(next.samples.front().time, 0.002 + c.seconds);
        EXPECT_TRUE(run.NextStep(c.seconds).samples.empty());
        EXPECT_DOUBLE_EQ(run.Time(), 0.003 + c.seconds);
    }
}

// A reset, running or paused, leaves a run that cannot be told from a new
// one made with the same setup: paused at 0, one row, no measurement, the
// plot scales of the new setup.
TEST(DampedRun, ResetClearsEverything)
{
    const SliderValues setup{120, -3, 25, 40};
    for (const bool running : {true, false}) {
        DampedRun run;
        RunFor(run, 1.5);
        if (!running)
            run.Pause();
        run.Reset(setup);
        DampedRun fresh;
        fresh.Reset(setup);
        const PenduleState& s = run.State();
        const PenduleState& f = fresh.State();
        EXPECT_FALSE(run.Running());
        EXPECT_EQ(run.Time(), 0);
        EXPECT_EQ(run.Recording().RowCount(), 1u);
        EXPECT_TRUE(run.Measurement().Empty());
        EXPECT_EQ(run.Parameters().Lambda, 0.40);
        for (const auto field :
             {&PenduleState::Teta, &PenduleState::Omega, &PenduleState::Temps,
              &PenduleState::TempsPrec, &PenduleState::TempsCumul, &PenduleState::TetaApprox,
              &PenduleState::TetaMax, &PenduleState::OmegaMax, &PenduleState::DureeTrace})
            EXPECT_EQ(s.*field, f.*field) << running;
        EXPECT_EQ(s.Teta, 120 * DegToRad);
        EXPECT_EQ(s.DureeTrace, FramedTimeSpan(s.DureeTrace));
    }
}

// A value that is not finite, from the clock or from a motion that blows up,
// pauses the run with nothing of that step kept: the motion, the recording
// and the displayed time are those of the last sound step.
TEST(DampedRun, NonFiniteStepKeepsTheLastSoundOne)
{
    for (const double bad : {kNaN, kInf}) {
        DampedRun run;
        RunFor(run, 0.5);
        const double teta = run.State().Teta;
        EXPECT_FALSE(run.AdvanceTo(bad).finite);
        EXPECT_FALSE(run.Running());
        EXPECT_TRUE(run.Time() == 0.5 && run.State().Teta == teta) << bad;
        EXPECT_EQ(run.Recording().RowCount(), 51u);
    }
    // A negative damping no slider gives: the swing grows until it overflows.
    DampedRun run;
    run.Reset({45, 0, 200, -1999});
    run.Start();
    double reached = 0;
    std::size_t rows = 0;
    for (int k = 1; k <= 10'000 && run.Running(); ++k) {
        const AnimationStep step = run.AdvanceTo(k * 0.016);
        if (step.finite) {
            reached = run.Time();
            rows = run.Recording().RowCount();
        }
    }
    ASSERT_FALSE(run.Running());
    EXPECT_GT(reached, 0);
    EXPECT_EQ(run.Time(), reached);
    EXPECT_EQ(run.Recording().RowCount(), rows);
    EXPECT_TRUE(std::isfinite(run.State().Teta) && std::isfinite(run.State().Omega));
}

// A damped pendulum at rest pauses the run ten seconds after the start or
// the last resume; an undamped one runs on.
TEST(DampedRun, ComesToRestOnlyWhenDamped)
{
    for (const auto& [lambda, stopsAt] : {std::pair{22, 10.25}, std::pair{0, -1.0}}) {
        DampedRun run;
        run.Reset({0, 0, 40, lambda});
        run.Start();
        double stopped = -1;
        for (int k = 1; k <= 80 && stopped < 0; ++k)
            if (run.AdvanceTo(k * 0.25).atRest)
                stopped = run.Time();
        EXPECT_EQ(stopped, stopsAt) << lambda;
        EXPECT_EQ(run.AtRest(), stopsAt > 0);
        EXPECT_EQ(run.Running(), stopsAt < 0);
    }
}

} // namespace
} // namespace kestrova
