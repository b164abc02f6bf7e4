#include "model/integrator.h"
#include "model/parameters.h"
#include "model/pendulum_state.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kestrova {
namespace {

// From half a degree sin θ ≈ θ: the exact motion integrated with small RK4
// steps must follow the closed form, which starts at the initial conditions,
// in each regime.
TEST(LinearSolution, StartsAtTheInitialConditionsAndFollowsTheIntegratedMotion)
{
    struct Case {
        double Teta0, Omega0, Pulsation2, Lambda;
        Regime regime;
    };
    constexpr double kHalfDegree = 0.5 * DegToRad;
    for (const Case& c : {Case{kHalfDegree, 0, 16, 0.22, Regime::PseudoPeriodic},
                          // φ = +PI/2: starts at 0 and first goes negative.
                          Case{0, -0.02, 4, 0.5, Regime::PseudoPeriodic},
                          Case{kHalfDegree, 0.01, 1, 0, Regime::PseudoPeriodic},
                          Case{kHalfDegree, -0.05, 16, 4, Regime::Critical},
                          Case{kHalfDegree, 0, 1, 1.01, Regime::Aperiodic},
                          Case{kHalfDegree, 0.01, 0.01, 5, Regime::Aperiodic}}) {
        SCOPED_TRACE(::testing::Message() << c.Omega0 << " rad/s, " << c.Lambda << " /s");
        const auto at = [&c](double t) {
            return LinearSolution(c.Teta0, c.Omega0, c.Pulsation2, c.Lambda, t);
        };
        const double size = std::abs(c.Teta0) + std::abs(c.Omega0) / std::sqrt(c.Pulsation2);
        const double speedSize = size * std::sqrt(c.Pulsation2);
        const LinearSolutionResult start = at(0);
        EXPECT_EQ(start.regime, c.regime);
        EXPECT_NEAR(start.motion.angle, c.Teta0, 1e-14 * size);
        EXPECT_NEAR(start.motion.speed, c.Omega0, 1e-13 * (size + speedSize));
        constexpr double h = 0.001;
        Motion m{c.Teta0, c.Omega0};
        for (int step = 1; step <= 5000; ++step) {
            m = RungeKuttaStep(m.angle, m.speed, c.Pulsation2, c.Lambda, h);
            if (step % 500 == 0) {
                const Motion closed = at(step * h).motion;
                EXPECT_NEAR(m.angle, closed.angle, 2e-3 * size) << "t = " << step * h;
                EXPECT_NEAR(m.speed, closed.speed, 2e-3 * speedSize) << "t = " << step * h;
            }
        }
    }
}

// The slider grid's corners, the longest span and the critical diagonal with
// its neighbours either side, at times far past the plot span (the animation
// can run for an hour): every value stays finite and agrees with what the
// window shows.
TEST(SliderGrid, EveryValueStaysFinite)
{
    for (int teta : {0, 180})
        for (int omega : {-10, 10})
            for (int pulsation : {1, 2, 7, 10, 33, 49, 50, 200})
                for (int lambda :
                     {0, 9, 10 * pulsation - 1, 10 * pulsation, 10 * pulsation + 1, 500}) {
                    if (lambda > 500)
                        continue;
                    SCOPED_TRACE(::testing::Message() << teta << "°, " << omega << " rad/s, "
                                                      << pulsation << ", " << lambda);
                    const Parameters p = ParametersFromSliders({teta, omega, pulsation, lambda});
                    const DerivedQuantities d = Derive(p);
                    EXPECT_TRUE(d.plotTimeSpan >= 10 && d.plotTimeSpan <= 144) << d.plotTimeSpan;
                    for (double t : {1.0, d.plotTimeSpan, 3600.0}) {
                        const LinearSolutionResult r =
                            LinearSolution(p.Teta0, p.Omega0, p.Pulsation2, p.Lambda, t);
                        EXPECT_TRUE(std::isfinite(r.motion.angle) && std::isfinite(r.motion.speed));
                        EXPECT_TRUE(r.regime == d.regime && r.pseudoPeriod == d.pseudoPeriod
                                    && r.DureeTrace == d.plotTimeSpan);
                    }
                    const AmplitudeScan scan =
                        ScanAmplitudes(p.Teta0, p.Omega0, p.Pulsation2, p.Lambda, d.plotTimeSpan);
                    EXPECT_TRUE(std::isfinite(scan.maxSpeed) && scan.angleScale > 0);
                }
}

} // namespace
} // namespace kestrova
