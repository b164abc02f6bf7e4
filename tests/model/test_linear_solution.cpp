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

void PrintTo(const LinearCase& c, std::ostream* os) { *os << c.name; }

class LinearSolutionTest : public ::testing::TestWithParam<LinearCase> {
protected:
    Motion At(double t) const
    {
        const LinearCase& c = GetParam();
        return LinearSolution(c.Teta0, c.Omega0, c.Pulsation2, c.Lambda, t).motion;
    }
    // A size of the motion to scale tolerances with.
    double Size() const
    {
        const LinearCase& c = GetParam();
        return std::abs(c.Teta0) + std::abs(c.Omega0) / std::sqrt(c.Pulsation2);
    }
};

TEST_P(LinearSolutionTest, RegimeFromTheExactComparison)
{
    const LinearCase& c = GetParam();
    EXPECT_EQ(LinearSolution(c.Teta0, c.Omega0, c.Pulsation2, c.Lambda, 0).regime, c.regime);
}

TEST_P(LinearSolutionTest, StartsFromTheInitialConditions)
{
    const LinearCase& c = GetParam();
    const Motion start = At(0);
    EXPECT_NEAR(start.angle, c.Teta0, 1e-14 * Size());
    EXPECT_NEAR(start.speed, c.Omega0, 1e-13 * Size() * (1 + std::sqrt(c.Pulsation2)));
    if (c.regime == Regime::Critical) {
        EXPECT_EQ(start.angle, c.Teta0);
        EXPECT_EQ(start.speed, c.Omega0);
    }
}

// The closed form solves θ'' + 2λθ' + ω₀²θ = 0 with θ' the returned speed:
// checked by central differences at several times.
TEST_P(LinearSolutionTest, SolvesTheSmallAngleEquation)
{
    const LinearCase& c = GetParam();
    constexpr double delta = 1e-4;
    const double scale = Size() * (1 + c.Pulsation2 + 2 * c.Lambda);
    for (double t : {0.3, 1.0, 2.5, 7.0}) {
        const Motion before = At(t - delta);
        const Motion now = At(t);
        const Motion after = At(t + delta);
        const double slope = (after.angle - before.angle) / (2 * delta);
        const double acceleration = (after.speed - before.speed) / (2 * delta);
        EXPECT_NEAR(slope, now.speed, 1e-6 * scale) << "t = " << t;
        EXPECT_NEAR(acceleration + 2 * c.Lambda * now.speed + c.Pulsation2 * now.angle, 0.0,
                    1e-5 * scale)
            << "t = " << t;
    }
}

// With a start of half a degree sin θ ≈ θ, so the exact motion integrated
// with small Runge–Kutta steps must follow the closed form closely.
TEST_P(LinearSolutionTest, FollowsTheIntegratedMotionAtSmallAngles)
{
    const LinearCase& c = GetParam();
    constexpr double h = 0.001;
    Motion m{c.Teta0, c.Omega0};
    for (int step = 1; step <= 5000; ++step) {
        m = RungeKuttaStep(m.angle, m.speed, c.Pulsation2, c.Lambda, h);
        if (step % 250 == 0) {
            const Motion closed = At(step * h);
            EXPECT_NEAR(m.angle, closed.angle, 2e-3 * Size()) << "t = " << step * h;
            EXPECT_NEAR(m.speed, closed.speed, 2e-3 * Size() * std::sqrt(c.Pulsation2))
                << "t = " << step * h;
        }
    }
}

constexpr double kHalfDegree = 0.5 * DegToRad;

INSTANTIATE_TEST_SUITE_P(
    Regimes, LinearSolutionTest,
    ::testing::Values(
        LinearCase{"pseudo_start_values", kHalfDegree, 0, 16, 0.22, Regime::PseudoPeriodic},
        LinearCase{"pseudo_pushed_back", kHalfDegree, -0.05, 16, 0.22, Regime::PseudoPeriodic},
        LinearCase{"pseudo_from_bottom", 0, 0.02, 4, 0.5, Regime::PseudoPeriodic},
        LinearCase{"pseudo_from_bottom_backwards", 0, -0.02, 4, 0.5, Regime::PseudoPeriodic},
        LinearCase{"pseudo_undamped", kHalfDegree, 0.01, 1, 0, Regime::PseudoPeriodic},
        LinearCase{"critical", kHalfDegree, 0, 1, 1, Regime::Critical},
        LinearCase{"critical_pushed_back", kHalfDegree, -0.05, 16, 4, Regime::Critical},
        LinearCase{"aperiodic_just_above", kHalfDegree, 0, 1, 1.01, Regime::Aperiodic},
        LinearCase{"aperiodic_pushed_back", kHalfDegree, -0.05, 4, 3, Regime::Aperiodic},
        LinearCase{"aperiodic_strongest", kHalfDegree, 0.01, 0.01, 5, Regime::Aperiodic}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LinearSolution, PushedBackwardsFromTheBottomFirstGoesNegative)
{
    const LinearSolutionResult start = LinearSolution(0, -5, 16, 0.22, 0);
    EXPECT_NEAR(start.motion.angle, 0.0, 1e-14);
    EXPECT_NEAR(start.motion.speed, -5.0, 1e-13);
    EXPECT_LT(LinearSolution(0, -5, 16, 0.22, 0.01).motion.angle, 0.0);
    EXPECT_LT(LinearSolution(0, -5, 16, 0.22, 0.2).motion.angle, 0.0);
    EXPECT_LT(RungeKuttaStep(0, -5, 16, 0.22, 0.01).angle, 0.0);
}

TEST(LinearSolution, AtRestStaysAtRestInEveryRegime)
{
    for (double Lambda : {0.0, 0.22, 4.0, 5.0}) {
        for (double t : {0.0, 1.0, 10.0, 1000.0}) {
            const Motion m = LinearSolution(0, 0, 16, Lambda, t).motion;
            EXPECT_EQ(m.angle, 0.0) << Lambda << " " << t;
            EXPECT_EQ(m.speed, 0.0) << Lambda << " " << t;
        }
    }
}

TEST(LinearSolution, ReportsPeriodAndSpanByRegime)
{
    const LinearSolutionResult pseudo = LinearSolution(0.1, 0, 16, 0.22, 3);
    ASSERT_TRUE(pseudo.pseudoPeriod.has_value());
    EXPECT_NEAR(*pseudo.pseudoPeriod, 1.5731775600259899, 1e-12);
    EXPECT_EQ(pseudo.DureeTrace, 10);

    const LinearSolutionResult longest = LinearSolution(0.1, 0, 0.01, 0.09, 3);
    ASSERT_TRUE(longest.pseudoPeriod.has_value());
    EXPECT_NEAR(*longest.pseudoPeriod, 144.146, 1e-3);
    EXPECT_EQ(longest.DureeTrace, 144);

    for (const double Lambda : {1.0, 1.01, 5.0}) {
        const LinearSolutionResult r = LinearSolution(0.1, 0, 1, Lambda, 3);
        EXPECT_FALSE(r.pseudoPeriod.has_value()) << Lambda;
        EXPECT_EQ(r.DureeTrace, 10) << Lambda;
    }
}

// The aperiodic motion written with cosh and sinh of r·t times e^{−λt}.
Motion TextbookAperiodic(double Teta0, double Omega0, double Pulsation2, double Lambda, double t)
{
    const double r = std::sqrt(Lambda * Lambda - Pulsation2);
    const double B = Omega0 + Lambda * Teta0;
    const double E = std::exp(-Lambda * t);
    const double ch = (std::exp(r * t) + std::exp(-r * t)) / 2;
    const double sh = (std::exp(r * t) - std::exp(-r * t)) / 2;
    return {E * (Teta0 * ch + (B / r) * sh),
            E * (Omega0 * ch - ((Pulsation2 * Teta0 + Lambda * Omega0) / r) * sh)};
}

TEST(LinearSolution, AperiodicAgreesWithTheTextbookForm)
{
    struct Case {
        double Teta0, Omega0, Pulsation2, Lambda;
    };
    for (const Case c : {Case{0.5, 0, 1, 1.01}, Case{PI, -10, 0.01, 5}, Case{1, 10, 4, 3},
                         Case{0.2, -3, 16, 4.5}}) {
        for (double t = 0; t <= 30; t += 0.37) {
            const Motion expected = TextbookAperiodic(c.Teta0, c.Omega0, c.Pulsation2, c.Lambda, t);
            const Motion m = LinearSolution(c.Teta0, c.Omega0, c.Pulsation2, c.Lambda, t).motion;
            const double size = std::abs(c.Teta0) + std::abs(c.Omega0) + 1;
            EXPECT_NEAR(m.angle, expected.angle, 1e-12 * size) << "t = " << t;
            EXPECT_NEAR(m.speed, expected.speed, 1e-12 * size * c.Lambda) << "t = " << t;
        }
    }
}

TEST(LinearSolution, AperiodicStaysFiniteLongAfterTheStart)
{
    // The strongest damping: r·t passes 709 (where e^{rt} overflows) after
    // about 142 s of animation.
    for (double t : {100.0, 142.0, 150.0, 1000.0, 1e6}) {
        const Motion m = LinearSolution(PI, 10, 0.01, 5, t).motion;
        EXPECT_TRUE(std::isfinite(m.angle)) << t;
        EXPECT_TRUE(std::isfinite(m.speed)) << t;
        // Still creeping back: the slow rate is ω₀²/(λ + r) ≈ 0.001 /s.
        EXPECT_GE(m.angle, 0.0) << t;
    }
    EXPECT_GT(LinearSolution(PI, 10, 0.01, 5, 1000).motion.angle, 0.1);
}

} // namespace
} // namespace kestrova
