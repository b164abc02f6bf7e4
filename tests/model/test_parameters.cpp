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

struct DeriveCase {
    const char* name;
    SliderValues sliders;
    Regime regime;
    std::optional<double> quality, relaxation, pseudoPeriod;
    double span;
};
void PrintTo(const DeriveCase& c, std::ostream* os)
{
    *os << c.name;
}
class DeriveTest : public ::testing::TestWithParam<DeriveCase> { };

void ExpectNear(std::optional<double> actual, std::optional<double> expected, const char* what)
{
    ASSERT_EQ(actual.has_value(), expected.has_value()) << what;
    if (expected) {
        EXPECT_NEAR(*actual, *expected, 1e-9 * *expected) << what;
    }
}

TEST_P(DeriveTest, Quantities)
{
    const DeriveCase& c = GetParam();
    const DerivedQuantities d = Derive(ParametersFromSliders(c.sliders));
    EXPECT_DOUBLE_EQ(d.naturalPulsation, c.sliders.PulsationTenths / 10.0);
    EXPECT_EQ(d.regime, c.regime);
    ExpectNear(d.qualityFactor, c.quality, "quality factor");
    ExpectNear(d.relaxationTime, c.relaxation, "relaxation time");
    ExpectNear(d.pseudoPeriod, c.pseudoPeriod, "pseudo-period");
    EXPECT_EQ(d.plotTimeSpan, c.span);
}

constexpr double kTwoPi = 2 * 3.14159265358979;
constexpr auto kNone = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Sliders, DeriveTest,
    ::testing::Values(DeriveCase{"start_values",
                                 {45, 0, 40, 22},
                                 Regime::PseudoPeriodic,
                                 4.0 / 2 / 0.22,
                                 0.5 / 0.22,
                                 kTwoPi / std::sqrt(16 - 0.0484),
                                 10},
                      DeriveCase{"undamped_has_no_quality",
                                 {45, 0, 40, 0},
                                 Regime::PseudoPeriodic,
                                 kNone,
                                 kNone,
                                 kTwoPi / 4,
                                 10},
                      DeriveCase{
                          "critical", {45, 0, 10, 100}, Regime::Critical, 0.5, 0.5, kNone, 10},
                      DeriveCase{"aperiodic_one_step_above",
                                 {45, 0, 10, 101},
                                 Regime::Aperiodic,
                                 0.5 / 1.01,
                                 0.5 / 1.01,
                                 kNone,
                                 10},
                      DeriveCase{"longest_pseudo_period",
                                 {45, 0, 1, 9},
                                 Regime::PseudoPeriodic,
                                 0.05 / 0.09,
                                 0.5 / 0.09,
                                 kTwoPi / std::sqrt(0.01 - 0.0081),
                                 144}),
    [](const auto& info) { return std::string(info.param.name); });

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
