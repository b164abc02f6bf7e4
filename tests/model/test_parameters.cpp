#include "model/parameters.h"
#include "model/pendulum_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <ostream>
#include <string>
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
class PlotTimeSpanTest : public ::testing::TestWithParam<std::pair<double, double>> { };

TEST_P(PlotTimeSpanTest, TenOrRoundedHalfToEven)
{
    EXPECT_EQ(PlotTimeSpan(Regime::PseudoPeriodic, GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Spans, PlotTimeSpanTest,
                         ::testing::Values(std::pair{9.999999, 10.0}, std::pair{10.5, 10.0},
                                           std::pair{12.5, 12.0}, std::pair{13.5, 14.0},
                                           std::pair{14.5, 14.0}, std::pair{12.500001, 13.0}));

} // namespace
} // namespace kestrova
