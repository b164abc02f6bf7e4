#include "model/integrator.h"
#include "model/parameters.h"
#include "model/pendulum_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <utility>

namespace kestrova {
namespace {

constexpr double kPi = std::numbers::pi;
const auto kName = [](const auto& info) { return std::string(info.param.name); };

// Angles already inside (−π, π] come back bit for bit; others come back
// inside, congruent modulo 2π.
TEST(WrapAngle, IntoTheHalfOpenTurn)
{
    for (double teta1 = -10 * kPi; teta1 <= 10 * kPi; teta1 += 1e-4) {
        const double folded = WrapAngle(teta1);
        ASSERT_TRUE(std::abs(teta1) > kPi ? std::abs(folded) <= kPi : folded == teta1) << teta1;
        ASSERT_NEAR(std::remainder(folded - teta1, 2 * kPi), 0.0, 1e-14) << teta1;
    }
    for (double teta : {0.0, -0.0, PI, -PI, kPi, -kPi}) {
        EXPECT_EQ(WrapAngle(teta), teta);
        EXPECT_EQ(std::signbit(WrapAngle(teta)), std::signbit(teta));
    }
    EXPECT_NEAR(WrapAngle(std::nextafter(kPi, 4.0)), -kPi, 1e-15);
}

// Global RK4 error falls like h⁴: about 16 times smaller per halving of h.
struct OrderCase {
    const char* name;
    double Teta0, Omega0, Pulsation2, Lambda;
};
class ConvergenceOrderTest : public ::testing::TestWithParam<OrderCase> { };

TEST_P(ConvergenceOrderTest, ErrorShrinksSixteenfoldPerHalving)
{
    const OrderCase& c = GetParam();
    const auto integrate = [&c](int steps) {
        Motion m{c.Teta0, c.Omega0};
        for (int i = 0; i < steps; ++i)
            m = RungeKuttaStep(m.angle, m.speed, c.Pulsation2, c.Lambda, 2.0 / steps);
        return m;
    };
    const Motion reference = integrate(200 * 64);
    double previous = 0;
    for (int steps = 200; steps <= 800; steps *= 2) {
        const Motion m = integrate(steps);
        const double error =
            std::max(std::abs(m.angle - reference.angle), std::abs(m.speed - reference.speed));
        if (previous != 0) {
            EXPECT_GT(previous / error, 13.0) << steps << " steps";
            EXPECT_LT(previous / error, 19.5) << steps << " steps";
        }
        previous = error;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Motions, ConvergenceOrderTest,
    ::testing::Values(OrderCase{"large_swing_damped", 60 * DegToRad, 0, 16, 0.22},
                      OrderCase{"large_swing_undamped", 120 * DegToRad, 0, 16, 0},
                      OrderCase{"aperiodic_pushed", 30 * DegToRad, -3, 4, 3}),
    kName);

class ScanPassesTest : public ::testing::TestWithParam<std::pair<double, int>> { };

TEST_P(ScanPassesTest, RepeatedAdditionCounter)
{
    EXPECT_EQ(ScanAmplitudes(45 * DegToRad, 0, 16, 0.22, GetParam().first).passes,
              GetParam().second);
}

// 10 s: the counter reads 9.99999999999983 on the last pass; 144 s: it has
// drifted above 144 before the 14,401st.
INSTANTIATE_TEST_SUITE_P(Spans, ScanPassesTest,
                         ::testing::Values(std::pair{10.0, 1001}, std::pair{0.0, 1},
                                           std::pair{0.01, 2}, std::pair{144.0, 14400}));

struct ScanCase {
    const char* name;
    SliderValues sliders;
    double scaleDegrees, speedAbove, speedAtMost;
};
class ScanAmplitudesTest : public ::testing::TestWithParam<ScanCase> { };

TEST_P(ScanAmplitudesTest, ScaleAndLargestSpeed)
{
    const ScanCase& c = GetParam();
    const Parameters p = ParametersFromSliders(c.sliders);
    const AmplitudeScan scan =
        ScanAmplitudes(p.Teta0, p.Omega0, p.Pulsation2, p.Lambda, Derive(p).plotTimeSpan);
    EXPECT_DOUBLE_EQ(scan.angleScale, c.scaleDegrees * DegToRad);
    EXPECT_GT(scan.maxSpeed, c.speedAbove);
    EXPECT_LE(scan.maxSpeed, c.speedAtMost);
}

// Speed bounds from energy: ω₀·√(2(1 − cos θ0)) undamped from θ0 at rest.
INSTANTIATE_TEST_SUITE_P(
    Sliders, ScanAmplitudesTest,
    ::testing::Values(
        // The start state is not compared: the damped swing stays below 45°.
        ScanCase{
            "start_values_keep_45", {45, 0, 40, 22}, 45, 2.5, 4 * std::sqrt(2 - std::sqrt(2.0))},
        ScanCase{"at_rest_one_degree", {0, 0, 40, 22}, 1, -1, 0},
        ScanCase{"from_the_top_capped", {180, 0, 40, 0}, 180, 7.99, 8},
        ScanCase{"over_the_top_capped", {0, 10, 10, 0}, 180, 9.99, 10}),
    kName);

} // namespace
} // namespace kestrova
