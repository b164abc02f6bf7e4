#include "model/damped_animation.h"
#include "model/parameters.h"
#include "model/pendulum_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <string>

namespace kestrova {
namespace {

const auto kName = [](const auto& info) { return std::string(info.param.name); };

PenduleState StartedAt(int teta0Degrees, int omega0, int pulsationTenths, int lambdaHundredths)
{
    const Parameters p =
        ParametersFromSliders({teta0Degrees, omega0, pulsationTenths, lambdaHundredths});
    PenduleState s;
    s.Teta0 = s.Teta = p.Teta0;
    s.Omega0 = s.Omega = p.Omega0;
    s.Pulsation2 = p.Pulsation2;
    s.Lambda = p.Lambda;
    s.TetaApprox = p.Teta0;
    s.OmegaApprox = p.Omega0;
    return s;
}

double Energy(const PenduleState& s)
{
    return s.Omega * s.Omega / 2 + s.Pulsation2 * (1 - std::cos(s.Teta));
}

// Two hours of millisecond ticks of an undamped pendulum: the sub-steps keep
// the energy, the angle stays wrapped, nothing turns non-finite and an
// undamped pendulum never counts as at rest.
struct LongRunCase {
    const char* name;
    int teta0, omega0, pulsation;
    bool overTheTop;
};
class LongRunTest : public ::testing::TestWithParam<LongRunCase> { };

TEST_P(LongRunTest, TwoHoursOfMillisecondTicksKeepTheEnergy)
{
    const LongRunCase& c = GetParam();
    PenduleState s = StartedAt(c.teta0, c.omega0, c.pulsation, 0);
    const double e0 = Energy(s);
    constexpr std::int64_t kTicks = 7200 * 1000;
    double worstDrift = 0;
    std::int64_t wraps = 0;
    for (std::int64_t k = 1; k <= kTicks; ++k) {
        const double before = s.Teta;
        const AnimationStep step = AdvanceAnimation(s, static_cast<double>(k) / 1000);
        ASSERT_TRUE(step.finite) << "tick " << k;
        ASSERT_FALSE(step.atRest) << "tick " << k;
        ASSERT_TRUE(s.Teta > -std::numbers::pi && s.Teta <= std::numbers::pi) << "tick " << k;
        wraps += std::abs(s.Teta - before) > PI;
        worstDrift = std::max(worstDrift, std::abs(Energy(s) - e0) / e0);
    }
    EXPECT_LT(worstDrift, 2e-7);
    EXPECT_EQ(wraps > 0, c.overTheTop);
    EXPECT_NEAR(s.TempsCumul + s.Temps, 7200, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Undamped, LongRunTest,
    ::testing::Values(LongRunCase{"omega0_20_from_the_top", 180, 0, 200, false},
                      LongRunCase{"omega0_20_from_the_bottom_at_10", 0, 10, 200, false},
                      LongRunCase{"over_the_top_omega0_1", 0, 10, 10, true},
                      LongRunCase{"over_the_top_just_above_the_barrier", 0, 10, 49, true}),
    kName);

// A long interval between ticks (window dragged, machine busy) is covered in
// short sub-steps: one 3 s tick lands where 3000 ticks of 1 ms do, where a
// single RK4 step of 3 s would be wildly off.
TEST(AdvanceAnimation, OneLongTickEndsWhereManyShortOnesDo)
{
    PenduleState once = StartedAt(90, 0, 200, 22);
    PenduleState often = once;
    (void)AdvanceAnimation(once, 3);
    for (int k = 1; k <= 3000; ++k)
        (void)AdvanceAnimation(often, k / 1000.0);
    EXPECT_NEAR(once.Teta, often.Teta, 1e-7);
    EXPECT_NEAR(once.Omega, often.Omega, 1e-6);
}

// A value that is not finite stops nothing by itself: the tick reports it,
// keeps the last sound state, and leaves Temps at the time the traces reached.
struct FaultCase {
    const char* name;
    double Teta, Temps;
};
class FaultTest : public ::testing::TestWithParam<FaultCase> { };

TEST_P(FaultTest, NothingIsAdvanced)
{
    PenduleState s = StartedAt(45, 0, 40, 22);
    (void)AdvanceAnimation(s, 0.5);
    s.Teta = GetParam().Teta;
    const PenduleState before = s;
    const AnimationStep step = AdvanceAnimation(s, GetParam().Temps);
    EXPECT_FALSE(step.finite);
    EXPECT_EQ(s.Temps, 0.5);
    EXPECT_EQ(s.TempsPrec, 0.5);
    EXPECT_EQ(s.Omega, before.Omega);
    EXPECT_EQ(s.TetaApprox, before.TetaApprox);
}

constexpr double kInf = std::numeric_limits<double>::infinity();
INSTANTIATE_TEST_SUITE_P(NonFinite, FaultTest,
                         ::testing::Values(FaultCase{"nan_angle",
                                                     std::numeric_limits<double>::quiet_NaN(), 0.6},
                                           FaultCase{"infinite_angle", kInf, 0.6},
                                           FaultCase{"infinite_time", 0.1, kInf}),
                         kName);

// At rest: (θ'/ω₀)² + θ² below a millionth, more than ten seconds after the
// last start or resume, and damped.
struct RestCase {
    const char* name;
    double Teta, TempsPrec, Lambda;
    bool atRest;
};
class RestTest : public ::testing::TestWithParam<RestCase> { };

TEST_P(RestTest, AllThreeConditions)
{
    const RestCase& c = GetParam();
    PenduleState s;
    s.Pulsation2 = 16;
    s.Omega = 4 * 1e-4; // (Omega/ω₀)² = 1e-8
    s.Teta = c.Teta;
    s.TempsPrec = c.TempsPrec;
    s.Lambda = c.Lambda;
    EXPECT_EQ(AtRest(s), c.atRest);
}

INSTANTIATE_TEST_SUITE_P(Rule, RestTest,
                         ::testing::Values(RestCase{"at_rest", 9e-4, 10.001, 0.22, true},
                                           RestCase{"energy_just_above", 1e-3, 11, 0.22, false},
                                           RestCase{"ten_seconds_exactly", 0, 10, 0.22, false},
                                           RestCase{"undamped_never", 0, 1000, 0, false}),
                         kName);

} // namespace
} // namespace kestrova
