#include "model/damped_animation.h"
#include "model/measurement_report.h"
#include "model/motion_measurement.h"
#include "model/pendulum_state.h"
#include "model/period_sweep.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace kestrova {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

struct SampledRun {
    Parameters parameters;
    PenduleState state;
    MotionMeasurement measurement;

    SampledRun(double degrees, double omega0, double pulsation, double lambda)
        : parameters{degrees * DegToRad, omega0, pulsation * pulsation, lambda}
    {
        state.Teta0 = state.Teta = state.TetaApprox = parameters.Teta0;
        state.Omega0 = state.Omega = state.OmegaApprox = omega0;
        state.Pulsation2 = parameters.Pulsation2;
        state.Lambda = lambda;
        measurement.Reset({state.Teta, state.Omega}, state.Pulsation2);
    }
    /// Millisecond ticks, as the live animation samples the motion.
    void For(double seconds)
    {
        const int first = static_cast<int>(std::lround(state.Temps * 1000)) + 1;
        for (int k = first; k <= std::lround(seconds * 1000); ++k) {
            const AnimationStep step = AdvanceAnimation(state, k / 1000.0);
            measurement.Add(step.time, step.next);
        }
    }
    [[nodiscard]] MeasurementReport Report() const { return ReportOf(measurement, parameters); }
};

// ω₀ = 2π: T₀ = 1 s, so the period in seconds is its ratio to T₀.
TEST(MotionMeasurement, PeriodAgainstTheSmallAnglePeriod)
{
    for (const auto& [degrees, ratio] :
         {std::pair{10.0, 1.001907}, {60.0, 1.073182}, {90.0, 1.180341}, {170.0, 2.439363}}) {
        SampledRun run(degrees, 0, kTwoPi, 0);
        run.For(12);
        const MeasurementReport r = run.Report();
        ASSERT_TRUE(r.period.value) << degrees;
        EXPECT_NEAR(*r.period.value, ratio, 1e-4) << degrees;
        EXPECT_NEAR(*r.exactDeviation, 0, 1e-6) << degrees;
        EXPECT_NEAR(r.point->amplitude, degrees * DegToRad, 1e-6) << degrees;
        EXPECT_NEAR(r.point->ratio, *r.period.value, 1e-12) << degrees;
        EXPECT_GE(r.periods, 4) << degrees;
    }
}

TEST(MotionMeasurement, DecrementOfALightlyDampedSwing)
{
    SampledRun run(5, 0, kTwoPi, 0.1);
    run.For(20);
    const MeasurementReport r = run.Report();
    EXPECT_NEAR(*r.decrement.value, 0.100013, 0.005 * 0.100013);
    EXPECT_NEAR(*r.lambda.value, 0.1, 0.005 * 0.1);
    EXPECT_NEAR(*r.quality.value, *r.qualitySetting, 0.005 * *r.qualitySetting);
    EXPECT_GT(*r.energyLost.value, 0.98);
}

TEST(MotionMeasurement, EnergyKeptOverAHundredPeriods)
{
    SampledRun run(90, 0, kTwoPi, 0);
    run.For(100 * 1.180341);
    const double start = run.measurement.StartEnergy().Total();
    EXPECT_NEAR(run.measurement.CurrentEnergy().Total() / start, 1, 1e-6);
    EXPECT_NEAR(start, kTwoPi * kTwoPi, 1e-9);
}

// Samples too far apart to place a crossing (a long tick skipping two of
// them) start the averaging again instead of lengthening the period.
TEST(MotionMeasurement, LongGapRestartsTheAveraging)
{
    SampledRun run(60, 0, kTwoPi, 0);
    run.For(3);
    const AnimationStep jump = AdvanceAnimation(run.state, 3.6);
    EXPECT_FALSE(run.measurement.Add(jump.time, jump.next));
    EXPECT_FALSE(run.measurement.Period());
    EXPECT_FALSE(run.measurement.Add(jump.time, jump.next)); // repeated: ignored
    run.For(7);
    EXPECT_NEAR(run.measurement.Period()->seconds, 1.073182, 1e-4);
}

TEST(MeasurementReport, SaysWhyAValueIsMissing)
{
    using enum Unmeasured;
    struct Case {
        double degrees, omega0, lambda, seconds;
        Unmeasured period, exact, decrement;
    };
    for (const Case& c : {
             Case{45, 0, 0.22, 1.0, NotYet, Damped, NotYet},
             Case{45, 0, 5, 3, Aperiodic, Damped, Aperiodic},
             Case{45, 0, 4, 3, Critical, Damped, Critical},
             Case{45, 0, 0, 3, NotYet, NotYet, Undamped},
             Case{0, 0, 0.5, 3, AtRest, Damped, AtRest},
             Case{0, 10, 0, 3, NotYet, OverTheTop, Undamped},
         }) {
        SampledRun run(c.degrees, c.omega0, 4, c.lambda);
        run.For(c.seconds);
        const MeasurementReport r = run.Report();
        const auto why = [](const Reading& reading) {
            return reading.value ? NotYet : reading.missing;
        };
        EXPECT_EQ(why(r.period), c.period) << c.degrees << ", " << c.omega0 << ", " << c.lambda;
        EXPECT_EQ(why(r.exactPeriod), c.exact) << c.lambda;
        EXPECT_EQ(why(r.decrement), c.decrement) << c.lambda;
        EXPECT_EQ(why(r.decrement), why(r.quality)) << c.lambda;
        // A revolving pendulum has a period but no swing amplitude to plot.
        EXPECT_EQ(r.point.has_value(), r.period.value && c.exact != OverTheTop) << c.lambda;
    }
}

// A run's point on the period-amplitude plot: a damped run at the amplitude
// of its first swings however long it runs, with the period the theory
// gives there; a pendulum going round is measured in turns, compared with
// no swing and not plotted.
TEST(MeasurementReport, PointOfTheSwingsMeasuredAndTurnsApart)
{
    struct Case {
        double degrees, omega0, pulsation, lambda, leastDegrees; // the point's amplitude
        bool turns;
    };
    for (const Case& c : {Case{90, 0, kTwoPi, 0.3, 60, false},
                          Case{170, 0, kTwoPi, 0.2, 100, false}, Case{0, 10, 4, 0, 0, true}}) {
        SCOPED_TRACE(::testing::Message() << c.degrees << "°, " << c.omega0 << ", " << c.lambda);
        SampledRun run(c.degrees, c.omega0, c.pulsation, c.lambda);
        run.For(20);
        const MeasurementReport r = run.Report();
        ASSERT_TRUE(r.period.value);
        EXPECT_EQ(r.revolutions, c.turns);
        EXPECT_EQ(r.smallAngleDeviation.has_value(), !c.turns);
        ASSERT_EQ(r.point.has_value(), !c.turns);
        if (r.point) {
            EXPECT_GT(r.point->amplitude, c.leastDegrees * DegToRad);
            EXPECT_NEAR(r.point->ratio, ExactPeriodRatio(r.point->amplitude), 0.02);
        }
    }
}

TEST(PeriodTheory, CurveAndBorda)
{
    EXPECT_NEAR(ExactPeriodRatio(90 * DegToRad), 1.180341, 1e-6);
    EXPECT_NEAR(BordaPeriodRatio(30 * DegToRad), 1.017135, 1e-6);
    EXPECT_FALSE(ExactPeriod({0, 2 * 16}, 16)); // balanced at the top
}

TEST(PeriodSweep, MeasuresEveryAngleAndStopsWhenCancelled)
{
    int calls = 0;
    const auto all = SweepPeriodRatios([&calls](int done, int total) {
        EXPECT_EQ(done, ++calls);
        return total == 35;
    });
    ASSERT_EQ(all.size(), 35u);
    for (const PeriodPoint& p : all)
        EXPECT_NEAR(p.ratio, ExactPeriodRatio(p.amplitude), 1e-4) << p.amplitude / DegToRad;
    EXPECT_NEAR(all.back().amplitude, 175 * DegToRad, 1e-12);
    EXPECT_EQ(SweepPeriodRatios([](int done, int) { return done < 3; }).size(), 3u);
}

} // namespace
} // namespace kestrova
