#include "model/integrator.h"
#include "model/parameters.h"
#include "model/pendulum_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace kestrova {
namespace {

struct LinearCase {
    const char* name;
    double Teta0, Omega0, Pulsation2, Lambda;
    Regime regime;
};
class LinearSolutionTest : public ::testing::TestWithParam<LinearCase> { };

// From half a degree sin θ ≈ θ: the exact motion integrated with small RK4
// steps must follow the closed form, which starts at the initial conditions.
TEST_P(LinearSolutionTest, StartsAtTheInitialConditionsAndFollowsTheIntegratedMotion)
{
    const LinearCase& c = GetParam();
    const auto at = [&c](double t) {
        return LinearSolution(c.Teta0, c.Omega0, c.Pulsation2, c.Lambda, t);
    };
    const double size = std::abs(c.Teta0) + std::abs(c.Omega0) / std::sqrt(c.Pulsation2);
    const double speedSize = size * std::sqrt(c.Pulsation2);
    const LinearSolutionResult start = at(0);
    EXPECT_EQ(start.regime, c.regime);
    EXPECT_NEAR(start.motion.angle, c.Teta0, 1e-14 * size);
    EXPECT_NEAR(start.motion.speed, c.Omega0, 1e-13 * (size + speedSize));
    if (c.regime == Regime::Critical) {
        EXPECT_EQ(start.motion.angle, c.Teta0);
        EXPECT_EQ(start.motion.speed, c.Omega0);
    }

    constexpr double h = 0.001;
    Motion m{c.Teta0, c.Omega0};
    for (int step = 1; step <= 5000; ++step) {
        m = RungeKuttaStep(m.angle, m.speed, c.Pulsation2, c.Lambda, h);
        if (step % 250 == 0) {
            const Motion closed = at(step * h).motion;
            EXPECT_NEAR(m.angle, closed.angle, 2e-3 * size) << "t = " << step * h;
            EXPECT_NEAR(m.speed, closed.speed, 2e-3 * speedSize) << "t = " << step * h;
        }
    }
}

constexpr double kHalfDegree = 0.5 * DegToRad;

INSTANTIATE_TEST_SUITE_P(
    Regimes, LinearSolutionTest,
    ::testing::Values(
        LinearCase{"pseudo_start_values", kHalfDegree, 0, 16, 0.22, Regime::PseudoPeriodic},
        LinearCase{"pseudo_from_bottom", 0, 0.02, 4, 0.5, Regime::PseudoPeriodic},
        // φ = +PI/2: starts at 0 and first goes negative.
        LinearCase{"pseudo_from_bottom_backwards", 0, -0.02, 4, 0.5, Regime::PseudoPeriodic},
        LinearCase{"pseudo_undamped", kHalfDegree, 0.01, 1, 0, Regime::PseudoPeriodic},
        LinearCase{"critical", kHalfDegree, 0, 1, 1, Regime::Critical},
        LinearCase{"critical_pushed_back", kHalfDegree, -0.05, 16, 4, Regime::Critical},
        LinearCase{"aperiodic_just_above", kHalfDegree, 0, 1, 1.01, Regime::Aperiodic},
        LinearCase{"aperiodic_pushed_back", kHalfDegree, -0.05, 4, 3, Regime::Aperiodic},
        LinearCase{"aperiodic_strongest", kHalfDegree, 0.01, 0.01, 5, Regime::Aperiodic}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kestrova
