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

bool Readable(const std::string& caption)
{
    return !caption.empty() && caption.find("nan") == std::string::npos &&
           caption.find("inf") == std::string::npos;
}

// Everything the window computes or shows for one slider setting, finite
// and readable. Times go far past the plot span: the animation can run for
// minutes.
void ExpectAllFinite(const SliderValues& s)
{
    SCOPED_TRACE(::testing::Message() << "sliders " << s.Teta0Degrees << "°, " << s.Omega0
                                      << " rad/s, " << s.PulsationTenths << ", "
                                      << s.LambdaHundredths);
    const Parameters p = ParametersFromSliders(s);
    const DerivedQuantities d = Derive(p);
    EXPECT_TRUE(std::isfinite(d.naturalPulsation));
    EXPECT_EQ(d.qualityFactor.has_value(), s.LambdaHundredths != 0);
    if (d.qualityFactor) {
        EXPECT_TRUE(std::isfinite(*d.qualityFactor));
        EXPECT_TRUE(std::isfinite(*d.relaxationTime));
        EXPECT_TRUE(Readable(QualityCaption(*d.qualityFactor, ",")));
        EXPECT_TRUE(Readable(RelaxationCaption(*d.relaxationTime, ",")));
    }
    if (d.pseudoPeriod) {
        EXPECT_TRUE(std::isfinite(*d.pseudoPeriod));
        EXPECT_TRUE(Readable(PseudoPeriodCaption(*d.pseudoPeriod, ",")));
    }
    EXPECT_GE(d.plotTimeSpan, 10);
    EXPECT_LE(d.plotTimeSpan, 144);

    for (double t : {0.0, 0.01, 1.0, d.plotTimeSpan, 200.0, 3600.0}) {
        const LinearSolutionResult r = LinearSolution(p.Teta0, p.Omega0, p.Pulsation2, p.Lambda, t);
        EXPECT_TRUE(std::isfinite(r.motion.angle)) << "t = " << t;
        EXPECT_TRUE(std::isfinite(r.motion.speed)) << "t = " << t;
        EXPECT_EQ(r.regime, d.regime);
        EXPECT_EQ(r.DureeTrace, d.plotTimeSpan);
    }

    const AmplitudeScan scan = ScanAmplitudes(p.Teta0, p.Omega0, p.Pulsation2, p.Lambda,
                                              d.plotTimeSpan);
    EXPECT_TRUE(std::isfinite(scan.maxSpeed));
    EXPECT_GT(scan.angleScale, 0.0);
    EXPECT_LE(scan.angleScale, 180 * DegToRad);

    EXPECT_TRUE(Readable(Omega0Caption(p.Omega0, ",")));
    EXPECT_TRUE(Readable(PulsationCaption(s.PulsationTenths, ",")));
    EXPECT_TRUE(Readable(LambdaCaption(p.Lambda, ",")));
}

TEST(SliderGrid, CornersStayFinite)
{
    for (int teta : {kTeta0Range.minimum, kTeta0Range.maximum})
        for (int omega : {kOmega0Range.minimum, 0, kOmega0Range.maximum})
            for (int pulsation : {kPulsationRange.minimum, kPulsationRange.maximum})
                for (int lambda : {kLambdaRange.minimum, kLambdaRange.maximum})
                    ExpectAllFinite({teta, omega, pulsation, lambda});
}

TEST(SliderGrid, CriticalDiagonalAndItsNeighboursStayFinite)
{
    for (int pulsation = kPulsationRange.minimum; 10 * pulsation <= kLambdaRange.maximum;
         ++pulsation) {
        for (int lambda : {10 * pulsation - 1, 10 * pulsation, 10 * pulsation + 1}) {
            if (lambda > kLambdaRange.maximum)
                continue;
            for (int teta : {kTeta0Range.minimum, kTeta0Range.maximum})
                for (int omega : {kOmega0Range.minimum, kOmega0Range.maximum})
                    ExpectAllFinite({teta, omega, pulsation, lambda});
        }
    }
}

TEST(SliderGrid, LongestSpanStaysFinite)
{
    for (int teta : {0, 90, 180})
        for (int omega : {-10, 0, 10})
            ExpectAllFinite({teta, omega, 1, 9});
}

} // namespace
} // namespace kestrova
