#include "model/parameters.h"
#include "model/pendulum_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <ostream>
#include <string>

namespace kestrova {
namespace {

TEST(ParametersFromSliders, StartValues)
{
    const Parameters p = ParametersFromSliders(SliderValues{});
    EXPECT_EQ(p.Teta0, 45 * DegToRad);
    EXPECT_EQ(p.Omega0, 0.0);
    EXPECT_EQ(p.Pulsation2, 16.0);
    EXPECT_EQ(p.Lambda, 0.22);
}

TEST(ParametersFromSliders, ExtremesOfEverySlider)
{
    const Parameters low = ParametersFromSliders({0, -10, 1, 0});
    EXPECT_EQ(low.Teta0, 0.0);
    EXPECT_EQ(low.Omega0, -10.0);
    EXPECT_DOUBLE_EQ(low.Pulsation2, 0.01);
    EXPECT_GT(low.Pulsation2, 0.0);
    EXPECT_EQ(low.Lambda, 0.0);

    const Parameters high = ParametersFromSliders({180, 10, 200, 500});
    // 180 degrees is the program's PI, not the double nearest to pi.
    EXPECT_EQ(high.Teta0, PI);
    EXPECT_EQ(high.Omega0, 10.0);
    EXPECT_EQ(high.Pulsation2, 400.0);
    EXPECT_EQ(high.Lambda, 5.0);
}

// The regime over the whole slider grid: critical exactly on the diagonal
// sldLambda = 10 × sldPulsation, aperiodic above it, pseudo-periodic below.
TEST(RegimeOf, WholeSliderGridSplitsOnTheDiagonal)
{
    int critical = 0;
    for (int p = kPulsationRange.minimum; p <= kPulsationRange.maximum; ++p) {
        for (int m = kLambdaRange.minimum; m <= kLambdaRange.maximum; ++m) {
            const Parameters params = ParametersFromSliders({45, 0, p, m});
            const Regime expected = m == 10 * p  ? Regime::Critical
                                    : m > 10 * p ? Regime::Aperiodic
                                                 : Regime::PseudoPeriodic;
            ASSERT_EQ(RegimeOf(params.Pulsation2, params.Lambda), expected)
                << "sldPulsation " << p << ", sldLambda " << m;
            critical += expected == Regime::Critical;
        }
    }
    EXPECT_EQ(critical, 50); // sldPulsation 1 to 50 reach the diagonal
}

TEST(RegimeOf, EqualityIsExactWithoutTolerance)
{
    EXPECT_EQ(RegimeOf(1.0, 1.0), Regime::Critical);
    EXPECT_EQ(RegimeOf(1.0, std::nextafter(1.0, 2.0)), Regime::Aperiodic);
    EXPECT_EQ(RegimeOf(1.0, std::nextafter(1.0, 0.0)), Regime::PseudoPeriodic);
    EXPECT_EQ(RegimeOf(1.0, 0.0), Regime::PseudoPeriodic);
}

struct DeriveCase {
    const char* name;
    SliderValues sliders;
    Regime regime;
    std::optional<double> quality;
    std::optional<double> relaxation;
    std::optional<double> pseudoPeriod;
    double span;
};

void PrintTo(const DeriveCase& c, std::ostream* os) { *os << c.name; }

class DeriveTest : public ::testing::TestWithParam<DeriveCase> {};

void ExpectNear(std::optional<double> actual, std::optional<double> expected, const char* what)
{
    ASSERT_EQ(actual.has_value(), expected.has_value()) << what;
    if (expected) {
        EXPECT_NEAR(*actual, *expected, 1e-9 * std::abs(*expected)) << what;
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

INSTANTIATE_TEST_SUITE_P(
    Sliders, DeriveTest,
    ::testing::Values(
        DeriveCase{"start_values", {45, 0, 40, 22}, Regime::PseudoPeriodic, 4.0 / 2 / 0.22,
                   0.5 / 0.22, kTwoPi / std::sqrt(16 - 0.0484), 10},
        DeriveCase{"undamped", {45, 0, 40, 0}, Regime::PseudoPeriodic, std::nullopt,
                   std::nullopt, kTwoPi / 4, 10},
        DeriveCase{"undamped_slowest", {45, 0, 1, 0}, Regime::PseudoPeriodic, std::nullopt,
                   std::nullopt, kTwoPi / 0.1, 63},
        DeriveCase{"critical", {45, 0, 10, 100}, Regime::Critical, 0.5, 0.5, std::nullopt, 10},
        DeriveCase{"aperiodic_one_step_above", {45, 0, 10, 101}, Regime::Aperiodic,
                   0.5 / 1.01, 0.5 / 1.01, std::nullopt, 10},
        DeriveCase{"longest_pseudo_period", {45, 0, 1, 9}, Regime::PseudoPeriodic,
                   0.05 / 0.09, 0.5 / 0.09, kTwoPi / std::sqrt(0.01 - 0.0081), 144},
        DeriveCase{"quality_thousand", {45, 0, 200, 1}, Regime::PseudoPeriodic, 1000, 50,
                   kTwoPi / std::sqrt(400 - 0.0001), 10},
        DeriveCase{"strongest_damping", {45, 0, 1, 500}, Regime::Aperiodic, 0.01, 0.1,
                   std::nullopt, 10}),
    [](const auto& info) { return std::string(info.param.name); });

struct SpanCase {
    const char* name;
    Regime regime;
    std::optional<double> pseudoPeriod;
    double span;
};

void PrintTo(const SpanCase& c, std::ostream* os) { *os << c.name; }

class PlotTimeSpanTest : public ::testing::TestWithParam<SpanCase> {};

TEST_P(PlotTimeSpanTest, TenOrRoundedHalfToEven)
{
    const SpanCase& c = GetParam();
    EXPECT_EQ(PlotTimeSpan(c.regime, c.pseudoPeriod), c.span);
}

INSTANTIATE_TEST_SUITE_P(
    Spans, PlotTimeSpanTest,
    ::testing::Values(SpanCase{"short_period", Regime::PseudoPeriodic, 1.573, 10},
                      SpanCase{"just_below_ten", Regime::PseudoPeriodic, 9.999999, 10},
                      SpanCase{"ten", Regime::PseudoPeriodic, 10.0, 10},
                      SpanCase{"tie_10_5_to_even", Regime::PseudoPeriodic, 10.5, 10},
                      SpanCase{"tie_11_5_to_even", Regime::PseudoPeriodic, 11.5, 12},
                      SpanCase{"tie_12_5_to_even", Regime::PseudoPeriodic, 12.5, 12},
                      SpanCase{"tie_13_5_to_even", Regime::PseudoPeriodic, 13.5, 14},
                      SpanCase{"tie_14_5_to_even", Regime::PseudoPeriodic, 14.5, 14},
                      SpanCase{"just_above_tie", Regime::PseudoPeriodic, 12.500001, 13},
                      SpanCase{"just_below_tie", Regime::PseudoPeriodic, 13.499999, 13},
                      SpanCase{"longest", Regime::PseudoPeriodic, 144.146, 144},
                      SpanCase{"critical", Regime::Critical, std::nullopt, 10},
                      SpanCase{"aperiodic", Regime::Aperiodic, std::nullopt, 10},
                      SpanCase{"critical_ignores_period", Regime::Critical, 50.0, 10},
                      SpanCase{"pseudo_without_period", Regime::PseudoPeriodic, std::nullopt,
                               10}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kestrova
