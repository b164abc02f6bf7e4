#include "model/driven_report.h"
#include "model/driven_run.h"
#include "model/driven_sweeps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace kestrova {
namespace {

// Small swings follow the linear theory: a 20-point sweep matches A(Ω)
// within 1 %, the refined peak lies at √(ω₀² − 2λ²) within 1 %, the
// measured lag is the theory's, and the quality factor is of the theory's
// order (the half-power width is 2λ only for a sharp peak).
TEST(DrivenPendulum, SmallSwingsFollowTheLinearResonance)
{
    const DrivenSetup setups[] = {{0, 0, 1, 0.25, 0.01, 1}, {0, 0, 2, 0.1, 0.01, 1}};
    for (const DrivenSetup& setup : setups) {
        const auto sweep = SweepResonance(setup, 0.2 * setup.pulsation, 2 * setup.pulsation, 20);
        ASSERT_EQ(sweep.size(), 20u);
        for (const ResonancePoint& point : sweep) {
            EXPECT_TRUE(point.measured.settled) << point.drivePulsation;
            EXPECT_NEAR(point.measured.amplitude / point.theory, 1, 0.01) << point.drivePulsation;
            EXPECT_NEAR(point.measured.phaseLag, TheoreticalPhaseLag(setup, point.drivePulsation),
                        0.01)
                << point.drivePulsation;
        }
        const ResonanceSummary summary = SummariseResonance(setup, sweep);
        EXPECT_NEAR(summary.peakPulsation / summary.theoryPeak, 1, 0.01) << setup.pulsation;
        EXPECT_NEAR(summary.quality / summary.theoryQuality, 1, 0.15) << setup.pulsation;
    }
}

// The Poincaré section: one point for the periodic preset, two after the
// period doubling (to 1e-6 after the transient, and unchanged to 1e-6 when
// the step is halved), a filled cloud for the chaotic one.
TEST(DrivenPendulum, SectionsOfThePresets)
{
    struct Row {
        std::size_t preset;
        int period; // 0: chaotic
    };
    for (const Row row : {Row{0, 1}, Row{1, 2}, Row{2, 0}}) {
        const DrivenSetup& setup = kDrivenPresets[row.preset].setup;
        const auto points = PoincareSection(setup, 300, 2000);
        if (row.period == 0) {
            EXPECT_GT(OccupiedCells(points), 500);
            continue;
        }
        EXPECT_EQ(DistinctPoints(points, setup.pulsation), row.period);
        const auto fine = PoincareSection(setup, 300, 4, 2 * StepsPerPeriod(setup));
        for (std::size_t i = 0; i < points.size(); ++i) {
            const Motion& a = points[i];
            const Motion& b = points[i % row.period];
            ASSERT_NEAR(a.angle, b.angle, 1e-6) << i;
            ASSERT_NEAR(a.speed, b.speed, 1e-6) << i;
        }
        for (std::size_t i = 0; i < fine.size(); ++i) {
            EXPECT_NEAR(fine[i].angle, points[i].angle, 1e-6) << i;
            EXPECT_NEAR(fine[i].speed, points[i].speed, 1e-6) << i;
        }
    }
}

// Large swings bend the curve: near the bend the upward and downward sweeps
// land on different branches; far from it they agree.
TEST(DrivenPendulum, LargeDriveShowsHysteresis)
{
    const DrivenSetup setup{0, 0, 1, 0.1, 0.3, 1};
    const auto up = SweepResonance(setup, 0.5, 1.5, 21);
    const auto down = SweepResonance(setup, 1.5, 0.5, 21);
    double widest = 0;
    for (std::size_t i = 0; i < up.size(); ++i) {
        const double gap = std::abs(up[i].measured.amplitude - down[20 - i].measured.amplitude);
        if (i == 0 || i == 20) {
            EXPECT_LT(gap, 1e-4) << i;
        }
        widest = std::max(widest, gap);
    }
    EXPECT_GT(widest, 0.3);
}

// Two chaotic runs 1e-6 rad apart part to the size of the swing; periodic
// ones draw together.
TEST(DrivenPendulum, SeparationGrowsOnlyInChaos)
{
    for (std::size_t preset : {0u, 2u}) {
        const auto samples = Separation(kDrivenPresets[preset].setup, 1e-6, 100);
        ASSERT_FALSE(samples.empty());
        EXPECT_NEAR(samples.front().distance, 1e-6, 1e-12);
        if (preset == 2)
            EXPECT_GT(samples.back().distance, 0.1);
        else
            EXPECT_LT(samples.back().distance, 1e-8);
    }
}

// The sweep's columns are in γ order whatever thread made them, and a
// cancel stops it early.
TEST(DrivenPendulum, BifurcationSweepOrdersAndCancels)
{
    const DrivenSetup& setup = kDrivenPresets[0].setup;
    BifurcationOptions options{1.0, 1.1, 6, 50, 8, 2};
    std::vector<BifurcationColumn> columns;
    int calls = 0;
    EXPECT_TRUE(SweepBifurcation(setup, options, columns, [&calls](int) { return ++calls > 0; }));
    ASSERT_EQ(columns.size(), 6u);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        EXPECT_NEAR(columns[i].gamma, 1.0 + 0.02 * static_cast<double>(i), 1e-12);
        EXPECT_EQ(columns[i].angles.size(), 8u);
    }
    // γ = 1,06 lies on the period-1 branch: its samples agree.
    EXPECT_NEAR(columns[3].angles[0], columns[3].angles[7], 1e-6);

    options.threads = 1;
    EXPECT_FALSE(SweepBifurcation(setup, options, columns, [](int done) { return done < 2; }));
    EXPECT_TRUE(columns[5].angles.empty());
}

// Mesures reads the run's own recording: the transient ends at the period
// the look-ahead found, the steady values are the sweeps' (and the theory's
// for small swings), and a motion that never repeats or goes over the top
// shows no amplitude at all.
TEST(DrivenPendulum, RunReportsItsSteadyResponse)
{
    struct Row {
        DrivenSetup setup;
        int periods; // run before the report
        DrivenRegime regime;
        bool measured;
    };
    const Row rows[] = {
        {{0, 0, 1, 0.25, 0.01, 1}, 12, DrivenRegime::Steady, true},
        {kDrivenPresets[0].setup, 11, DrivenRegime::Steady, true},
        {kDrivenPresets[0].setup, 8, DrivenRegime::Transient, false},
        {kDrivenPresets[2].setup, 30, DrivenRegime::NotRepeating, false},
        {{0, 0, 1, 0.25, 2.5, 2.0 / 3}, 11, DrivenRegime::Steady, false}, // over the top and back
        {{0, 0, 1, 0.1, 2, 1}, 20, DrivenRegime::Steady, false},          // turns
    };
    for (const Row& row : rows) {
        DrivenRun run;
        run.Reset(row.setup);
        run.Start();
        run.AdvanceTo(row.periods * 2 * std::numbers::pi / row.setup.drivePulsation + 1e-6);
        const DrivenReport r = DrivenReportOf(run.StepRecording(), row.setup, run.Steady().settled);
        SCOPED_TRACE(row.setup.gamma);
        EXPECT_EQ(r.periods, row.periods);
        EXPECT_EQ(r.regime, row.regime);
        EXPECT_EQ(r.amplitude.value.has_value(), row.measured);
        EXPECT_EQ(r.phaseLag.value.has_value(), row.measured);
        if (row.regime == DrivenRegime::Steady) {
            EXPECT_EQ(r.settledAt, run.Steady().periods);
        }
        if (!row.measured)
            continue;
        EXPECT_NEAR(*r.amplitude.value, run.Steady().amplitude, 1e-6);
        EXPECT_NEAR(std::remainder(*r.phaseLag.value - run.Steady().phaseLag, 2 * std::numbers::pi),
                    0, 1e-6);
        if (row.setup.gamma < 0.1) {
            EXPECT_NEAR(*r.amplitudeGap, 0, 0.01);
            EXPECT_NEAR(*r.phaseGap, 0, 0.01);
        }
    }
}

} // namespace
} // namespace kestrova
