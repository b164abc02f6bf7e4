#include "model/parameters.h"
#include "model/pendulum_state.h"
#include "model/plot_scales.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <tuple>
#include <utility>

namespace kestrova {
namespace {

// Critical exactly on the diagonal sldLambda = 10 × sldPulsation, aperiodic
// above, pseudo-periodic below; and no tolerance in the comparison.
TEST(RegimeOf, WholeSliderGridSplitsOnTheDiagonal)
{
    for (int p = kPulsationRange.minimum; p <= kPulsationRange.maximum; ++p) {
        for (int m = kLambdaRange.minimum; m <= kLambdaRange.maximum; ++m) {
            const Parameters params = ParametersFromSliders({45, 0, p, m});
            const Regime expected = m == 10 * p ? Regime::Critical
                : m > 10 * p                    ? Regime::Aperiodic
                                                : Regime::PseudoPeriodic;
            ASSERT_EQ(RegimeOf(params.Pulsation2, params.Lambda), expected)
                << "sldPulsation " << p << ", sldLambda " << m;
        }
    }
    EXPECT_EQ(RegimeOf(1.0, std::nextafter(1.0, 2.0)), Regime::Aperiodic);
    EXPECT_EQ(RegimeOf(1.0, std::nextafter(1.0, 0.0)), Regime::PseudoPeriodic);
}

// Pseudo-period to span: 10 s below 10, else nearest integer, ties to even.
TEST(PlotTimeSpan, TenOrRoundedHalfToEven)
{
    for (const auto& [period, span] :
         {std::pair{9.999999, 10.0}, std::pair{10.5, 10.0}, std::pair{13.5, 14.0},
          std::pair{14.5, 14.0}, std::pair{12.500001, 13.0}})
        EXPECT_EQ(PlotTimeSpan(Regime::PseudoPeriodic, period), span) << period;
}

// Angle scales sit strictly above the largest swing, even on a round value,
// in steps of their band; graduation steps change at the same breakpoints.
TEST(AngleBands, ScaleAndStep)
{
    for (const auto& [degrees, scale, step] :
         {std::array{0.0, 1.0, 1.0}, std::array{8.0, 9.0, 1.0}, std::array{8.000001, 10.0, 2.0},
          std::array{20.0, 22.0, 2.0}, std::array{20.000001, 25.0, 5.0},
          std::array{50.0, 55.0, 5.0}, std::array{50.000001, 60.0, 10.0},
          std::array{90.0, 100.0, 10.0}, std::array{90.5, 100.0, 20.0},
          std::array{160.0, 180.0, 20.0}}) {
        EXPECT_EQ(RoundUpAngleScale(degrees), scale) << degrees;
        EXPECT_EQ(AngleStep(degrees), step) << degrees;
    }
}

// The framed span is a whole number of time steps, judged on the rounded
// span; framing twice changes nothing.
TEST(FramedTimeSpan, RoundedUpToTheTimeStep)
{
    for (const auto& [span, framed] :
         {std::pair{10.6, 10.0}, std::pair{16.4, 16.0}, std::pair{17.0, 18.0},
          std::pair{32.0, 32.0}, std::pair{33.0, 35.0}, std::pair{144.0, 145.0}}) {
        EXPECT_EQ(FramedTimeSpan(span), framed) << span;
        EXPECT_EQ(FramedTimeSpan(framed), framed) << span;
    }
}

// A stored setup names each parameter by its id: the names stay as they
// are, each finds its own entry and the slider field it sets, and positions
// outside the slider's range are refused. Without a value given, a setup
// starts where the window does.
TEST(DampedParameters, FoundByIdWithTheirRanges)
{
    using enum DampedParameter;
    SliderValues sliders;
    EXPECT_EQ(std::tuple(sliders.Teta0Degrees, sliders.Omega0, sliders.PulsationTenths,
                         sliders.LambdaHundredths),
              std::tuple(45, 0, 40, 22));
    for (const auto& [id, parameter, field, minimum, maximum] :
         {std::tuple{"teta0", Teta0, &SliderValues::Teta0Degrees, 0, 180},
          std::tuple{"omega0", Omega0, &SliderValues::Omega0, -10, 10},
          std::tuple{"pulsation", Pulsation, &SliderValues::PulsationTenths, 1, 200},
          std::tuple{"lambda", Lambda, &SliderValues::LambdaHundredths, 0, 500}}) {
        const DampedParameterEntry* entry = FindDampedParameter(id);
        ASSERT_NE(entry, nullptr) << id;
        EXPECT_EQ(entry->parameter, parameter) << id;
        EXPECT_EQ(&sliders[parameter], &(sliders.*field)) << id;
        EXPECT_TRUE(InRange(*entry, minimum) && InRange(*entry, maximum)) << id;
        EXPECT_FALSE(InRange(*entry, minimum - 1) || InRange(*entry, maximum + 1)) << id;
    }
    EXPECT_EQ(FindDampedParameter("Teta0"), nullptr);
    EXPECT_EQ(FindDampedParameter(""), nullptr);
}

} // namespace
} // namespace kestrova
