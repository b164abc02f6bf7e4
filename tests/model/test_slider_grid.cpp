#include "model/captions.h"
#include "model/integrator.h"
#include "model/parameters.h"
#include "model/pendulum_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace kestrova {
namespace {

// The slider grid's corners, the critical diagonal with its neighbours either
// side, and the longest span.
std::vector<SliderValues> Settings()
{
    std::vector<SliderValues> out;
    for (int teta : {kTeta0Range.minimum, kTeta0Range.maximum})
        for (int omega : {kOmega0Range.minimum, 0, kOmega0Range.maximum}) {
            for (int pulsation : {kPulsationRange.minimum, kPulsationRange.maximum})
                for (int lambda : {kLambdaRange.minimum, kLambdaRange.maximum})
                    out.push_back({teta, omega, pulsation, lambda});
            for (int pulsation = 1; 10 * pulsation <= kLambdaRange.maximum; ++pulsation)
                for (int lambda : {10 * pulsation - 1, 10 * pulsation, 10 * pulsation + 1})
                    if (lambda <= kLambdaRange.maximum)
                        out.push_back({teta, omega, pulsation, lambda});
            out.push_back({teta, omega, 1, 9});
        }
    return out;
}

// Times far past the plot span: the animation can run for an hour.
TEST(SliderGrid, EveryValueAndCaptionStaysFinite)
{
    for (const SliderValues& s : Settings()) {
        SCOPED_TRACE(::testing::Message() << s.Teta0Degrees << "°, " << s.Omega0 << " rad/s, "
                                          << s.PulsationTenths << ", " << s.LambdaHundredths);
        const Parameters p = ParametersFromSliders(s);
        const DerivedQuantities d = Derive(p);
        ASSERT_EQ(d.qualityFactor.has_value(), s.LambdaHundredths != 0);
        const std::string captions = QualityCaption(d.qualityFactor.value_or(1), ",")
            + RelaxationCaption(d.relaxationTime.value_or(1), ",")
            + PseudoPeriodCaption(d.pseudoPeriod.value_or(1), ",") + Omega0Caption(p.Omega0, ",")
            + LambdaCaption(p.Lambda, ",");
        EXPECT_TRUE(captions.find("nan") == std::string::npos
                    && captions.find("inf") == std::string::npos)
            << captions;
        EXPECT_TRUE(d.plotTimeSpan >= 10 && d.plotTimeSpan <= 144) << d.plotTimeSpan;
        for (double t : {0.0, 1.0, d.plotTimeSpan, 3600.0}) {
            const LinearSolutionResult r =
                LinearSolution(p.Teta0, p.Omega0, p.Pulsation2, p.Lambda, t);
            EXPECT_TRUE(std::isfinite(r.motion.angle) && std::isfinite(r.motion.speed)) << t;
            EXPECT_TRUE(r.regime == d.regime && r.pseudoPeriod == d.pseudoPeriod
                        && r.DureeTrace == d.plotTimeSpan);
        }
        const AmplitudeScan scan =
            ScanAmplitudes(p.Teta0, p.Omega0, p.Pulsation2, p.Lambda, d.plotTimeSpan);
        EXPECT_TRUE(std::isfinite(scan.maxSpeed) && scan.angleScale > 0
                    && scan.angleScale <= 180 * DegToRad);
    }
}

} // namespace
} // namespace kestrova
