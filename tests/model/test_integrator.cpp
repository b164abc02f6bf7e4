#include "model/integrator.h"
#include "model/parameters.h"
#include "model/pendulum_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace kestrova {
namespace {

constexpr double kPi = std::numbers::pi;

// Angles already inside (−π, π] come back bit for bit; others come back
// inside, congruent modulo 2π.
TEST(WrapAngle, IntoTheHalfOpenTurn)
{
    for (double teta1 = -10 * kPi; teta1 <= 10 * kPi; teta1 += 1e-4) {
        const double folded = WrapAngle(teta1);
        ASSERT_TRUE(std::abs(teta1) > kPi ? std::abs(folded) <= kPi : folded == teta1) << teta1;
        ASSERT_NEAR(std::remainder(folded - teta1, 2 * kPi), 0.0, 1e-14) << teta1;
    }
    for (double teta : {-0.0, PI, -PI}) {
        EXPECT_EQ(WrapAngle(teta), teta);
        EXPECT_EQ(std::signbit(WrapAngle(teta)), std::signbit(teta));
    }
    EXPECT_NEAR(WrapAngle(std::nextafter(kPi, 4.0)), -kPi, 1e-15);
}

// Global RK4 error falls like h⁴: about 16 times smaller per halving of h,
// in a large damped swing and in a pushed aperiodic motion.
TEST(RungeKuttaStep, ErrorShrinksSixteenfoldPerHalving)
{
    struct Case {
        double Teta0, Omega0, Pulsation2, Lambda;
    };
    for (const Case& c : {Case{60 * DegToRad, 0, 16, 0.22}, Case{30 * DegToRad, -3, 4, 3}}) {
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
                EXPECT_GT(previous / error, 13.0) << c.Lambda << ", " << steps << " steps";
                EXPECT_LT(previous / error, 19.5) << c.Lambda << ", " << steps << " steps";
            }
            previous = error;
        }
    }
}

// Speed bounds from energy: ω₀·√(2(1 − cos θ0)) undamped from θ0 at rest.
// The time counter is added to repeatedly: on a 10 s span it reads
// 9.99999999999983 on the last pass; on 144 s it has drifted above 144
// before the 14,401st.
TEST(ScanAmplitudes, ScaleAndLargestSpeed)
{
    struct Case {
        SliderValues sliders;
        double scaleDegrees, speedAbove, speedAtMost;
        int passes = 1001;
    };
    // The start state is not compared: the damped swing stays below 45°.
    for (const Case& c : {Case{{45, 0, 40, 22}, 45, 2.5, 4 * std::sqrt(2 - std::sqrt(2.0))},
                          Case{{0, 0, 40, 22}, 1, -1, 0}, Case{{180, 0, 40, 0}, 180, 7.99, 8},
                          Case{{0, 10, 10, 0}, 180, 9.99, 10},
                          Case{{45, 0, 1, 9}, 45, 0, 0.1 * std::sqrt(2 - std::sqrt(2.0)), 14400}}) {
        const Parameters p = ParametersFromSliders(c.sliders);
        const AmplitudeScan scan =
            ScanAmplitudes(p.Teta0, p.Omega0, p.Pulsation2, p.Lambda, Derive(p).plotTimeSpan);
        EXPECT_DOUBLE_EQ(scan.angleScale, c.scaleDegrees * DegToRad) << c.scaleDegrees;
        EXPECT_GT(scan.maxSpeed, c.speedAbove) << c.scaleDegrees;
        EXPECT_LE(scan.maxSpeed, c.speedAtMost) << c.scaleDegrees;
        EXPECT_EQ(scan.passes, c.passes) << c.scaleDegrees;
    }
}

} // namespace
} // namespace kestrova
