#include "model/damped_animation.h"
#include "model/parameters.h"
#include "model/pendulum_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

namespace kestrova {
namespace {

PenduleState StartedAt(const SliderValues& sliders)
{
    const Parameters p = ParametersFromSliders(sliders);
    PenduleState s;
    s.Teta0 = s.Teta = s.TetaApprox = p.Teta0;
    s.Omega0 = s.Omega = s.OmegaApprox = p.Omega0;
    s.Pulsation2 = p.Pulsation2;
    s.Lambda = p.Lambda;
    return s;
}

double Energy(const PenduleState& s)
{
    return s.Omega * s.Omega / 2 + s.Pulsation2 * (1 - std::cos(s.Teta));
}

// Two hours of millisecond ticks of an undamped pendulum at the fastest ω₀
// and of one going over the top: the sub-steps keep the energy, the angle
// stays wrapped, nothing turns non-finite and it never counts as at rest.
TEST(AdvanceAnimation, TwoHoursOfMillisecondTicksKeepTheEnergy)
{
    for (const auto& [sliders, overTheTop] : {std::pair{SliderValues{180, 0, 200, 0}, false},
                                              std::pair{SliderValues{0, 10, 49, 0}, true}}) {
        PenduleState s = StartedAt(sliders);
        const double e0 = Energy(s);
        double worstDrift = 0;
        std::int64_t wraps = 0;
        for (std::int64_t k = 1; k <= 7200 * 1000; ++k) {
            const double before = s.Teta;
            const AnimationStep step = AdvanceAnimation(s, static_cast<double>(k) / 1000);
            ASSERT_TRUE(step.finite && !step.atRest) << "tick " << k;
            ASSERT_TRUE(s.Teta > -std::numbers::pi && s.Teta <= std::numbers::pi) << "tick " << k;
            wraps += std::abs(s.Teta - before) > PI;
            worstDrift = std::max(worstDrift, std::abs(Energy(s) - e0) / e0);
        }
        EXPECT_LT(worstDrift, 2e-7) << sliders.PulsationTenths;
        EXPECT_EQ(wraps > 0, overTheTop) << sliders.PulsationTenths;
        EXPECT_NEAR(s.TempsCumul + s.Temps, 7200, 1e-9);
    }
}

// A long interval between ticks (window dragged, machine busy) is covered in
// short sub-steps: one 3 s tick lands where 3000 ticks of 1 ms do, where a
// single RK4 step of 3 s would be wildly off.
TEST(AdvanceAnimation, OneLongTickEndsWhereManyShortOnesDo)
{
    PenduleState once = StartedAt({90, 0, 200, 22});
    PenduleState often = once;
    (void)AdvanceAnimation(once, 3);
    for (int k = 1; k <= 3000; ++k)
        (void)AdvanceAnimation(often, k / 1000.0);
    EXPECT_NEAR(once.Teta, often.Teta, 1e-7);
    EXPECT_NEAR(once.Omega, often.Omega, 1e-6);
}

// The samples of a tick run from where the previous tick ended to where this
// one ends, in displayed time, at most a millisecond apart; the inner ones
// fall on whole milliseconds of Temps, the end only when it does.
TEST(AdvanceAnimation, SamplesAtMostAMillisecondApart)
{
    struct Case {
        double from, to;
        std::size_t count;
        bool endsOnGrid;
    };
    for (const Case& c : {Case{0, 0.001, 2, true}, Case{0.0005, 0.0175, 19, false},
                          Case{0.0175, 0.25, 234, true}}) {
        PenduleState s = StartedAt({45, 0, 40, 22});
        s.TempsCumul = 2;
        (void)AdvanceAnimation(s, c.from);
        const Motion before{s.Teta, s.Omega};
        const AnimationStep step = AdvanceAnimation(s, c.to);
        ASSERT_EQ(step.samples.size(), c.count) << c.to;
        EXPECT_EQ(step.endsOnGrid, c.endsOnGrid) << c.to;
        EXPECT_TRUE(step.samples.front().time == 2 + c.from
                    && step.samples.back().time == 2 + c.to);
        EXPECT_TRUE(step.samples.front().exact.angle == before.angle
                    && step.samples.back().exact.angle == s.Teta);
        for (std::size_t k = 1; k < step.samples.size(); ++k) {
            const double gap = step.samples[k].time - step.samples[k - 1].time;
            EXPECT_TRUE(gap > 0 && gap <= kSampleSeconds + 1e-12) << c.to << " #" << k;
        }
        const double inner = (step.samples[1].time - 2) / kSampleSeconds;
        EXPECT_NEAR(inner, std::round(inner), 1e-9) << c.to;
    }
}

// A value that is not finite stops nothing by itself: the tick reports it,
// keeps the last sound state, and leaves Temps at the time the traces reached.
TEST(AdvanceAnimation, NonFiniteAdvancesNothing)
{
    constexpr double kInf = std::numeric_limits<double>::infinity();
    for (const auto& [teta, temps] :
         {std::pair{std::numeric_limits<double>::quiet_NaN(), 0.6}, std::pair{0.1, kInf}}) {
        PenduleState s = StartedAt({45, 0, 40, 22});
        (void)AdvanceAnimation(s, 0.5);
        s.Teta = teta;
        const PenduleState before = s;
        EXPECT_FALSE(AdvanceAnimation(s, temps).finite) << temps;
        EXPECT_TRUE(s.Temps == 0.5 && s.TempsPrec == 0.5) << s.Temps << ", " << s.TempsPrec;
        EXPECT_TRUE(s.Omega == before.Omega && s.TetaApprox == before.TetaApprox) << temps;
    }
}

// At rest: (θ'/ω₀)² + θ² below a millionth, more than ten seconds after the
// last start or resume, and damped.
TEST(AtRest, AllThreeConditions)
{
    struct Case {
        double Teta, TempsPrec, Lambda;
        bool atRest;
    };
    for (const Case& c : {Case{9e-4, 10.001, 0.22, true}, Case{1e-3, 11, 0.22, false},
                          Case{0, 10, 0.22, false}, Case{0, 1000, 0, false}}) {
        PenduleState s;
        s.Pulsation2 = 16;
        s.Omega = 4 * 1e-4; // (Omega/ω₀)² = 1e-8
        s.Teta = c.Teta;
        s.TempsPrec = c.TempsPrec;
        s.Lambda = c.Lambda;
        EXPECT_EQ(AtRest(s), c.atRest) << c.Teta << ", " << c.TempsPrec << ", " << c.Lambda;
    }
}

} // namespace
} // namespace kestrova
