#include "model/integrator.h"
#include "model/parameters.h"
#include "model/pendulum_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

namespace kestrova {
namespace {

struct LinearCase {
    const char* name;
    double Teta0, Omega0, Pulsation2, Lambda;
    Regime regime;
};
void PrintTo(const LinearCase& c, std::ostream* os)
{
    *os << c.name;
}
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

// The aperiodic motion is computed from two decaying exponentials so it never
// overflows (see the slider grid); where the cosh/sinh form is finite, both agree.
TEST(LinearSolution, AperiodicAgreesWithTheCoshSinhForm)
{
    struct Case {
        double Teta0, Omega0, Pulsation2, Lambda;
    };
    for (const Case c : {Case{0.5, 0, 1, 1.01}, Case{PI, -10, 0.01, 5}, Case{0.2, -3, 16, 4.5}}) {
        const double r = std::sqrt(c.Lambda * c.Lambda - c.Pulsation2);
        const double B = c.Omega0 + c.Lambda * c.Teta0;
        const double size = std::abs(c.Teta0) + std::abs(c.Omega0) + 1;
        for (double t = 0; t <= 30; t += 0.37) {
            const double E = std::exp(-c.Lambda * t);
            const double ch = std::cosh(r * t), sh = std::sinh(r * t);
            const Motion m = LinearSolution(c.Teta0, c.Omega0, c.Pulsation2, c.Lambda, t).motion;
            EXPECT_NEAR(m.angle, E * (c.Teta0 * ch + (B / r) * sh), 1e-12 * size) << t;
            EXPECT_NEAR(
                m.speed,
                E * (c.Omega0 * ch - ((c.Pulsation2 * c.Teta0 + c.Lambda * c.Omega0) / r) * sh),
                1e-12 * size * c.Lambda)
                << t;
        }
    }
}

} // namespace
} // namespace kestrova
