#include "model/integrator.h"
#include "model/parameters.h"
#include "model/pendulum_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <numbers>
#include <ostream>
#include <string>
#include <vector>

namespace kestrova {
namespace {

// The arc-cosine fold the angle wrap was first written with: the arc cosine
// of cos θ1 as PI/2 + atan(−c/√(1 − c²)), negated when sin θ1 < 0, and θ1
// untouched when |cos θ1| is exactly 1.
double ArcCosineFold(double teta1)
{
    const double c = std::cos(teta1);
    const double s = std::sin(teta1);
    if (std::abs(c) == 1)
        return teta1;
    double folded = PI / 2 + std::atan(-c / std::sqrt(1 - c * c));
    if (s < 0)
        folded = -folded;
    return folded;
}

// The step as first written, increments carried multiplied by h.
struct WrittenStep {
    double newSpeed;
    double teta1; // before the wrap
};

WrittenStep WrittenRungeKutta(double teta, double omega, double Pulsation2, double Lambda,
                              double h)
{
    const double k1t = h * omega;
    const double k1w = -2 * Lambda * k1t - h * Pulsation2 * std::sin(teta);
    const double k2t = k1t + h * (k1w / 2);
    const double k2w = -2 * Lambda * k2t - h * Pulsation2 * std::sin(teta + k1t / 2);
    const double k3t = k1t + h * (k2w / 2);
    const double k3w = -2 * Lambda * k3t - h * Pulsation2 * std::sin(teta + k2t / 2);
    const double k4t = k1t + h * k3w;
    const double k4w = -2 * Lambda * k4t - h * Pulsation2 * std::sin(teta + k3t);
    return {omega + ((k3w + k2w) * 2 + k1w + k4w) / 6,
            teta + ((k3t + k2t) * 2 + k1t + k4t) / 6};
}

// Distance from teta to the nearest multiple of pi.
double DistanceToMultipleOfPi(double teta)
{
    return std::abs(std::remainder(teta, std::numbers::pi));
}

// ---------------------------------------------------------------- wrap ----

TEST(WrapAngle, AgreesWithArcCosineFoldOverSeveralTurns)
{
    // Dense table over five turns each way. Where sin θ1 is not small the
    // arc-cosine form is well conditioned and both must agree to 1e-12.
    constexpr double kStep = 1e-4;
    constexpr double kWellConditioned = 0.01; // rad from any multiple of pi
    double worst = 0;
    double worstNearModTwoPi = 0;
    int compared = 0;
    int leftOutside = 0; // by the arc-cosine form, where |cos θ1| rounds to 1
    for (double teta1 = -10 * std::numbers::pi; teta1 <= 10 * std::numbers::pi; teta1 += kStep) {
        const double folded = WrapAngle(teta1);
        ASSERT_LE(std::abs(folded), std::numbers::pi) << teta1;
        // Always congruent to teta1, also where the reference is imprecise.
        ASSERT_NEAR(std::sin(folded), std::sin(teta1), 1e-14) << teta1;
        ASSERT_NEAR(std::cos(folded), std::cos(teta1), 1e-14) << teta1;
        const double reference = ArcCosineFold(teta1);
        const double difference = std::abs(folded - reference);
        if (DistanceToMultipleOfPi(teta1) >= kWellConditioned) {
            worst = std::max(worst, difference);
            ++compared;
        } else {
            // Near the top and the bottom the arc cosine loses digits, and
            // where |cos θ1| rounds to 1 it keeps θ1 even turns away.
            leftOutside += std::abs(reference) > std::numbers::pi;
            worstNearModTwoPi = std::max(
                worstNearModTwoPi, std::abs(std::remainder(folded - reference, 2 * std::numbers::pi)));
        }
    }
    EXPECT_LT(worst, 1e-12);
    EXPECT_GT(compared, 600'000);
    EXPECT_LT(worstNearModTwoPi, 1e-6);
    RecordProperty("worst_difference", std::to_string(worst));
    std::cout << "[ wrap     ] " << compared << " well-conditioned angles, largest difference "
              << worst << " rad; within 0.01 rad of a multiple of pi: largest difference modulo "
              << "2 pi " << worstNearModTwoPi << " rad, " << leftOutside
              << " angles left outside (-pi, pi) by the arc-cosine form\n";
}

TEST(WrapAngle, InsideTheIntervalComesBackBitForBit)
{
    const double inside[] = {0.0,
                             -0.0,
                             1e-300,
                             1e-9,
                             0.5,
                             -2.5,
                             PI,
                             -PI,
                             std::numbers::pi,
                             -std::numbers::pi,
                             std::nextafter(PI, 0.0)};
    for (double teta : inside) {
        EXPECT_EQ(WrapAngle(teta), teta) << teta;
        EXPECT_EQ(std::signbit(WrapAngle(teta)), std::signbit(teta)) << teta;
    }
}

TEST(WrapAngle, JustPastPiContinuesFromMinusPi)
{
    const double above = std::nextafter(std::numbers::pi, 4.0);
    const double folded = WrapAngle(above);
    EXPECT_LT(folded, 0.0);
    EXPECT_NEAR(folded, -std::numbers::pi, 1e-15);
    EXPECT_NEAR(WrapAngle(-above), std::numbers::pi, 1e-15);
    EXPECT_NEAR(WrapAngle(3.5), 3.5 - 2 * std::numbers::pi, 1e-15);
    EXPECT_NEAR(WrapAngle(-3.5), -3.5 + 2 * std::numbers::pi, 1e-15);
    EXPECT_NEAR(WrapAngle(7 * std::numbers::pi + 0.25), -std::numbers::pi + 0.25, 1e-14);
}

// ---------------------------------------------------------------- step ----

struct StepCase {
    const char* name;
    double angle, speed, Pulsation2, Lambda, h;
};

void PrintTo(const StepCase& c, std::ostream* os) { *os << c.name; }

class RungeKuttaStepTest : public ::testing::TestWithParam<StepCase> {};

// The step's arithmetic is part of its contract: the scan and the animation
// must give the same numbers as the increment formulation, bit for bit.
// Checked along 500 steps of the motion from each starting state, since a
// reordered sum differs from the original only in some roundings.
TEST_P(RungeKuttaStepTest, MatchesIncrementFormulationExactly)
{
    const StepCase& c = GetParam();
    Motion state{c.angle, c.speed};
    for (int i = 0; i < 500; ++i) {
        const Motion next = RungeKuttaStep(state.angle, state.speed, c.Pulsation2, c.Lambda, c.h);
        const WrittenStep written =
            WrittenRungeKutta(state.angle, state.speed, c.Pulsation2, c.Lambda, c.h);
        ASSERT_EQ(next.speed, written.newSpeed) << "step " << i;
        ASSERT_EQ(next.angle, WrapAngle(written.teta1)) << "step " << i;
        if (DistanceToMultipleOfPi(written.teta1) >= 0.01) {
            ASSERT_NEAR(next.angle, ArcCosineFold(written.teta1), 1e-12) << "step " << i;
        }
        state = next;
    }
}

INSTANTIATE_TEST_SUITE_P(
    States, RungeKuttaStepTest,
    ::testing::Values(StepCase{"start_values", 45 * DegToRad, 0, 16, 0.22, 0.01},
                      StepCase{"moving_down", 0.3, -2.5, 16, 0.22, 0.01},
                      StepCase{"animation_tick", -1.2, 3.1, 4, 0.05, 0.0013},
                      StepCase{"long_tick", 1.0, 0.0, 400, 5, 0.25},
                      StepCase{"undamped", 2.0, 1.0, 1, 0, 0.01},
                      StepCase{"over_the_top", 3.1, 10, 1, 0, 0.01},
                      StepCase{"over_the_top_backwards", -3.1, -10, 1, 0, 0.01},
                      StepCase{"strongest_damping", 0.7, -10, 0.01, 5, 0.01}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RungeKuttaStep, RestStaysAtRest)
{
    for (double Lambda : {0.0, 0.22, 5.0}) {
        for (double h : {0.01, 0.001, 0.5}) {
            const Motion next = RungeKuttaStep(0, 0, 16, Lambda, h);
            EXPECT_EQ(next.angle, 0.0);
            EXPECT_EQ(next.speed, 0.0);
        }
    }
}

// Global error of RK4 falls like h⁴: each halving of the step divides it by
// about 16, measured against the same scheme with a much smaller step.
struct OrderCase {
    const char* name;
    double Teta0, Omega0, Pulsation2, Lambda;
};

void PrintTo(const OrderCase& c, std::ostream* os) { *os << c.name; }

class ConvergenceOrderTest : public ::testing::TestWithParam<OrderCase> {};

Motion Integrate(const OrderCase& c, double duration, int steps)
{
    const double h = duration / steps;
    Motion m{c.Teta0, c.Omega0};
    for (int i = 0; i < steps; ++i)
        m = RungeKuttaStep(m.angle, m.speed, c.Pulsation2, c.Lambda, h);
    return m;
}

TEST_P(ConvergenceOrderTest, ErrorShrinksSixteenfoldPerHalving)
{
    const OrderCase& c = GetParam();
    constexpr double kDuration = 2.0; // s
    const Motion reference = Integrate(c, kDuration, 200 * 64);
    double previous = 0;
    for (int steps = 200; steps <= 800; steps *= 2) {
        const Motion m = Integrate(c, kDuration, steps);
        const double error =
            std::max(std::abs(m.angle - reference.angle), std::abs(m.speed - reference.speed));
        if (previous != 0) {
            const double ratio = previous / error;
            EXPECT_GT(ratio, 13.0) << steps << " steps";
            EXPECT_LT(ratio, 19.5) << steps << " steps";
        }
        previous = error;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Motions, ConvergenceOrderTest,
    ::testing::Values(OrderCase{"large_swing_damped", 60 * DegToRad, 0, 16, 0.22},
                      OrderCase{"large_swing_undamped", 120 * DegToRad, 0, 16, 0},
                      OrderCase{"pushed", 10 * DegToRad, 1, 1, 0.5},
                      OrderCase{"aperiodic", 30 * DegToRad, -3, 4, 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RungeKuttaStep, GoesOverTheTopAndContinuesFromMinusPi)
{
    // ω₀² = 1, no damping, 10 rad/s at the bottom: far more than the 2 rad/s
    // needed to reach the top, so the angle keeps increasing and jumps from
    // near +π to near −π at each passage.
    constexpr double h = 0.01;
    Motion m{0, 10};
    int wraps = 0;
    for (int i = 0; i < 1000; ++i) {
        const Motion next = RungeKuttaStep(m.angle, m.speed, 1, 0, h);
        ASSERT_LE(std::abs(next.angle), std::numbers::pi);
        ASSERT_GT(next.speed, 9.7);
        ASSERT_LE(next.speed, 10.0 + 1e-9);
        double advance = next.angle - m.angle;
        if (advance < 0) {
            ++wraps;
            EXPECT_GT(m.angle, 3.0);
            EXPECT_LT(next.angle, -3.0);
            advance += 2 * std::numbers::pi;
        }
        // The motion itself is continuous across the jump.
        EXPECT_NEAR(advance, h * (m.speed + next.speed) / 2, 1e-4) << "step " << i;
        m = next;
    }
    // About 99 rad travelled in 10 s: passages at π, 3π, ..., 31π.
    EXPECT_EQ(wraps, 16);
}

TEST(RungeKuttaStep, FromTheTopSwingsThroughTheBottomToNearlyMinusPi)
{
    // PI lies 3.2e-15 below π, so gravity pulls the pendulum off the top
    // towards negative angles; the start is not wrapped.
    const Parameters p = ParametersFromSliders({180, 0, 200, 0});
    Motion m{p.Teta0, p.Omega0};
    const Motion first = RungeKuttaStep(m.angle, m.speed, p.Pulsation2, p.Lambda, 0.01);
    EXPECT_GT(first.angle, 3.14159);
    double lowest = m.angle;
    bool passedBottom = false;
    for (int i = 0; i < 1000; ++i) {
        const Motion next = RungeKuttaStep(m.angle, m.speed, p.Pulsation2, p.Lambda, 0.01);
        passedBottom = passedBottom || (m.angle > 0 && next.angle <= 0 && next.angle > -1);
        lowest = std::min(lowest, next.angle);
        m = next;
    }
    EXPECT_TRUE(passedBottom);
    EXPECT_LT(lowest, -170 * DegToRad);
}

// ---------------------------------------------------------------- scan ----

struct PassCase {
    const char* name;
    double DureeTrace;
    int passes;
};

void PrintTo(const PassCase& c, std::ostream* os) { *os << c.name; }

class ScanPassesTest : public ::testing::TestWithParam<PassCase> {};

TEST_P(ScanPassesTest, RepeatedAdditionCounter)
{
    const PassCase& c = GetParam();
    EXPECT_EQ(ScanAmplitudes(45 * DegToRad, 0, 16, 0.22, c.DureeTrace).passes, c.passes);
}

INSTANTIATE_TEST_SUITE_P(
    Spans, ScanPassesTest,
    ::testing::Values(
        // The accumulated counter reads 9.99999999999983 on the last pass.
        PassCase{"ten_seconds", 10, 1001},
        PassCase{"zero", 0, 1}, PassCase{"one_step", 0.01, 2},
        PassCase{"twelve_seconds", 12, 1201},
        // Here the counter has drifted above 144 before the 14,401st pass.
        PassCase{"longest", 144, 14400}),
    [](const auto& info) { return std::string(info.param.name); });

struct ScanCase {
    const char* name;
    SliderValues sliders;
};

void PrintTo(const ScanCase& c, std::ostream* os) { *os << c.name; }

class ScanAmplitudesTest : public ::testing::TestWithParam<ScanCase> {};

// The scan must see exactly the states the public step produces, compare
// only those after each step, and round the angle with the table.
TEST_P(ScanAmplitudesTest, SameStatesAsTheStepAndRoundedUp)
{
    const Parameters p = ParametersFromSliders(GetParam().sliders);
    const double span = Derive(p).plotTimeSpan;
    const AmplitudeScan scan = ScanAmplitudes(p.Teta0, p.Omega0, p.Pulsation2, p.Lambda, span);

    Motion m{p.Teta0, p.Omega0};
    double maxAngle = 0;
    double maxSpeed = 0;
    for (int i = 0; i < scan.passes; ++i) {
        m = RungeKuttaStep(m.angle, m.speed, p.Pulsation2, p.Lambda, 0.01);
        maxAngle = std::max(maxAngle, std::abs(m.angle));
        maxSpeed = std::max(maxSpeed, std::abs(m.speed));
    }
    EXPECT_EQ(scan.maxSpeed, maxSpeed);
    EXPECT_EQ(scan.angleScale, RoundUpAngleScale(maxAngle / DegToRad) * DegToRad);
    // Strictly above the largest angle, unless capped at half a turn.
    if (scan.angleScale < 180 * DegToRad) {
        EXPECT_GT(scan.angleScale, maxAngle);
    } else {
        EXPECT_EQ(scan.angleScale, 180 * DegToRad);
        EXPECT_GT(maxAngle / DegToRad, 160.0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sliders, ScanAmplitudesTest,
    ::testing::Values(ScanCase{"start_values", {45, 0, 40, 22}},
                      ScanCase{"over_the_top", {0, 10, 10, 0}},
                      ScanCase{"from_the_top", {180, 0, 40, 0}},
                      ScanCase{"longest_span", {30, -4, 1, 9}},
                      ScanCase{"aperiodic", {90, 10, 20, 500}},
                      ScanCase{"critical", {10, -10, 20, 200}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScanAmplitudes, StartValuesKeepTheStartAngleAsScale)
{
    // Released without speed, the damped swing never again reaches 45°;
    // 44.x degrees round up to 45. The largest speed stays below the
    // undamped bound ω₀·√(2(1 − cos 45°)).
    const Parameters p = ParametersFromSliders({45, 0, 40, 22});
    const AmplitudeScan scan = ScanAmplitudes(p.Teta0, p.Omega0, p.Pulsation2, p.Lambda, 10);
    EXPECT_DOUBLE_EQ(scan.angleScale, 45 * DegToRad);
    EXPECT_LT(scan.maxSpeed, 4 * std::sqrt(2 * (1 - std::cos(p.Teta0))));
    EXPECT_GT(scan.maxSpeed, 2.5);
}

TEST(ScanAmplitudes, AtRestGivesOneDegreeAndNoSpeed)
{
    for (double Lambda : {0.0, 0.5, 1.0, 5.0}) {
        const AmplitudeScan scan = ScanAmplitudes(0, 0, 1, Lambda, 10);
        EXPECT_EQ(scan.angleScale, 1 * DegToRad) << Lambda;
        EXPECT_EQ(scan.maxSpeed, 0.0) << Lambda;
    }
}

TEST(ScanAmplitudes, FromTheTopIsCappedAtHalfATurn)
{
    for (int pulsation : {40, 200}) {
        const Parameters p = ParametersFromSliders({180, 0, pulsation, 0});
        const AmplitudeScan scan = ScanAmplitudes(p.Teta0, p.Omega0, p.Pulsation2, p.Lambda, 10);
        EXPECT_EQ(scan.angleScale, 180 * DegToRad) << pulsation;
    }
}

struct RoundUpCase {
    const char* name;
    double degrees;
    double scale;
};

void PrintTo(const RoundUpCase& c, std::ostream* os) { *os << c.name; }

class RoundUpAngleScaleTest : public ::testing::TestWithParam<RoundUpCase> {};

TEST_P(RoundUpAngleScaleTest, StrictlyAboveOnRoundSteps)
{
    const RoundUpCase& c = GetParam();
    EXPECT_EQ(RoundUpAngleScale(c.degrees), c.scale);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RoundUpAngleScaleTest,
    ::testing::Values(RoundUpCase{"zero", 0, 1}, RoundUpCase{"tiny", 1e-9, 1},
                      RoundUpCase{"one", 1, 2}, RoundUpCase{"seven_and_a_half", 7.5, 8},
                      RoundUpCase{"eight", 8, 9},
                      RoundUpCase{"just_above_eight", 8.000001, 10},
                      RoundUpCase{"nine", 9, 10}, RoundUpCase{"ten", 10, 12},
                      RoundUpCase{"nineteen", 19, 20}, RoundUpCase{"twenty", 20, 22},
                      RoundUpCase{"just_above_twenty", 20.000001, 25},
                      RoundUpCase{"forty_four", 44.9, 45}, RoundUpCase{"forty_five", 45, 50},
                      RoundUpCase{"fifty", 50, 55},
                      RoundUpCase{"just_above_fifty", 50.000001, 60},
                      RoundUpCase{"ninety", 90, 100},
                      RoundUpCase{"just_above_ninety", 90.000001, 100},
                      RoundUpCase{"hundred", 100, 120}, RoundUpCase{"hundred_sixty", 160, 180},
                      RoundUpCase{"hundred_fifty_nine", 159.9, 160},
                      RoundUpCase{"capped_above_160", 165, 180},
                      RoundUpCase{"capped_at_half_turn", 180, 180}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kestrova
