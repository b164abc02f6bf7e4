#include "model/captions.h"
#include "model/parameters.h"

#include <gtest/gtest.h>

#include <clocale>
#include <functional>
#include <ostream>
#include <string>

namespace kestrova {
namespace {

struct CaptionCase {
    const char* name;
    std::function<std::string(std::string_view)> caption;
    const char* french;
    const char* c;
};

void PrintTo(const CaptionCase& c, std::ostream* os) { *os << c.name; }

class CaptionTest : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(CaptionTest, FrenchComma)
{
    EXPECT_EQ(GetParam().caption(","), GetParam().french);
}

TEST_P(CaptionTest, CPoint)
{
    EXPECT_EQ(GetParam().caption("."), GetParam().c);
}

const Parameters kStart = ParametersFromSliders({45, 0, 40, 22});
const DerivedQuantities kStartDerived = Derive(kStart);
const DerivedQuantities kQualityThousand = Derive(ParametersFromSliders({45, 0, 200, 1}));
const DerivedQuantities kLongest = Derive(ParametersFromSliders({45, 0, 1, 9}));

INSTANTIATE_TEST_SUITE_P(
    Captions, CaptionTest,
    ::testing::Values(
        CaptionCase{"teta0_start", [](auto) { return Teta0Caption(45); }, "45°", "45°"},
        CaptionCase{"teta0_zero", [](auto) { return Teta0Caption(0); }, "0°", "0°"},
        CaptionCase{"teta0_half_turn", [](auto) { return Teta0Caption(180); }, "180°", "180°"},
        CaptionCase{"omega0_negative", [](auto sep) { return Omega0Caption(-3, sep); },
                    "-3 rad/s", "-3 rad/s"},
        CaptionCase{"omega0_zero", [](auto sep) { return Omega0Caption(0, sep); }, "0 rad/s",
                    "0 rad/s"},
        CaptionCase{"omega0_largest", [](auto sep) { return Omega0Caption(10, sep); },
                    "10 rad/s", "10 rad/s"},
        CaptionCase{"pulsation_start", [](auto sep) { return PulsationCaption(40, sep); },
                    "4,0 rad/s", "4.0 rad/s"},
        CaptionCase{"pulsation_lowest", [](auto sep) { return PulsationCaption(1, sep); },
                    "0,1 rad/s", "0.1 rad/s"},
        CaptionCase{"pulsation_highest", [](auto sep) { return PulsationCaption(200, sep); },
                    "20,0 rad/s", "20.0 rad/s"},
        CaptionCase{"pulsation_odd_tenths", [](auto sep) { return PulsationCaption(123, sep); },
                    "12,3 rad/s", "12.3 rad/s"},
        CaptionCase{"lambda_start", [](auto sep) { return LambdaCaption(kStart.Lambda, sep); },
                    "0,22", "0.22"},
        CaptionCase{"lambda_zero", [](auto sep) { return LambdaCaption(0, sep); }, "0,00",
                    "0.00"},
        CaptionCase{"lambda_highest", [](auto sep) { return LambdaCaption(5, sep); }, "5,00",
                    "5.00"},
        CaptionCase{"lambda_odd",
                    [](auto sep) {
                        return LambdaCaption(ParametersFromSliders({45, 0, 40, 29}).Lambda, sep);
                    },
                    "0,29", "0.29"},
        CaptionCase{"quality_start",
                    [](auto sep) { return QualityCaption(*kStartDerived.qualityFactor, sep); },
                    "9,091", "9.091"},
        CaptionCase{"quality_thousand_without_grouping",
                    [](auto sep) { return QualityCaption(*kQualityThousand.qualityFactor, sep); },
                    "1000,000", "1000.000"},
        CaptionCase{"quality_smallest",
                    [](auto sep) {
                        return QualityCaption(
                            *Derive(ParametersFromSliders({45, 0, 1, 500})).qualityFactor, sep);
                    },
                    "0,010", "0.010"},
        CaptionCase{"relaxation_start",
                    [](auto sep) { return RelaxationCaption(*kStartDerived.relaxationTime, sep); },
                    "2,273", "2.273"},
        CaptionCase{"relaxation_longest",
                    [](auto sep) {
                        return RelaxationCaption(*kQualityThousand.relaxationTime, sep);
                    },
                    "50,000", "50.000"},
        CaptionCase{"pseudo_period_start",
                    [](auto sep) { return PseudoPeriodCaption(*kStartDerived.pseudoPeriod, sep); },
                    "1,573 s", "1.573 s"},
        CaptionCase{"pseudo_period_longest",
                    [](auto sep) { return PseudoPeriodCaption(*kLongest.pseudoPeriod, sep); },
                    "144,146 s", "144.146 s"},
        CaptionCase{"regime_critical",
                    [](auto) { return RegimeCaption(Regime::Critical); }, "Régime critique",
                    "Régime critique"},
        CaptionCase{"regime_aperiodic",
                    [](auto) { return RegimeCaption(Regime::Aperiodic); }, "Régime apériodique",
                    "Régime apériodique"},
        CaptionCase{"regime_pseudo_periodic",
                    [](auto) { return RegimeCaption(Regime::PseudoPeriodic); },
                    "Régime pseudo-périodique", "Régime pseudo-périodique"}),
    [](const auto& info) { return std::string(info.param.name); });

struct FormatCase {
    const char* name;
    double value;
    int decimals;
    const char* french;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.name; }

class FormatFixedTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatFixedTest, RoundsAndWritesTheSeparator)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatFixed(c.value, c.decimals, ","), c.french);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatFixedTest,
    ::testing::Values(FormatCase{"integer", 12, 0, "12"},
                      FormatCase{"rounds_down", 1.23449, 3, "1,234"},
                      FormatCase{"rounds_up", 1.2346, 3, "1,235"},
                      FormatCase{"carries_into_integer", 9.9996, 3, "10,000"},
                      FormatCase{"negative", -2.5, 1, "-2,5"},
                      FormatCase{"negative_rounds_away", -0.006, 2, "-0,01"},
                      FormatCase{"no_negative_zero_integer", -0.4, 0, "0"},
                      FormatCase{"no_negative_zero_decimals", -0.0004, 3, "0,000"},
                      FormatCase{"negative_zero", -0.0, 2, "0,00"},
                      FormatCase{"millions_without_grouping", 1234567.891, 3, "1234567,891"},
                      FormatCase{"padding_zeros", 0.5, 3, "0,500"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormatFixed, SeparatorIsTheGivenStringWhole)
{
    EXPECT_EQ(FormatFixed(3.25, 2, "\u066B"), "3\u066B25"); // Arabic decimal separator
    EXPECT_EQ(FormatFixed(7, 0, ","), "7");                 // no separator without decimals
}

TEST(FormatFixed, IgnoresTheProcessLocale)
{
    // The GUI toolkit switches the C library to the user's locale at start;
    // a French LC_NUMERIC must not leak a second comma into the text.
    const char* french = nullptr;
    for (const char* name : {"fr_FR.UTF-8", "fr_FR.utf8", "fr_FR", "de_DE.UTF-8"}) {
        if ((french = std::setlocale(LC_NUMERIC, name)) != nullptr)
            break;
    }
    if (french == nullptr)
        GTEST_SKIP() << "no locale with a decimal comma installed";
    const std::string text = FormatFixed(9.0909, 3, ".");
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(text, "9.091");
}

} // namespace
} // namespace kestrova
