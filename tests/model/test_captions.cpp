#include "model/captions.h"
#include "model/parameters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <string>

namespace kestrova {
namespace {

const DerivedQuantities kQualityThousand = Derive(ParametersFromSliders({45, 0, 200, 1}));
const DerivedQuantities kLongest = Derive(ParametersFromSliders({45, 0, 1, 9}));

struct CaptionCase {
    const char* name;
    std::string (*caption)(std::string_view separator);
    std::string french; // with ","; the C locale's text has "." instead
};
class CaptionTest : public ::testing::TestWithParam<CaptionCase> { };

TEST_P(CaptionTest, InBothSeparators)
{
    std::string c = GetParam().french;
    std::replace(c.begin(), c.end(), ',', '.');
    EXPECT_EQ(GetParam().caption(","), GetParam().french);
    EXPECT_EQ(GetParam().caption("."), c);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, CaptionTest,
    ::testing::Values(
        CaptionCase{"teta0_half_turn", [](auto) { return Teta0Caption(180); }, "180°"},
        CaptionCase{"omega0_negative", [](auto s) { return Omega0Caption(-3, s); }, "-3 rad/s"},
        CaptionCase{"pulsation_lowest", [](auto s) { return PulsationCaption(1, s); }, "0,1 rad/s"},
        CaptionCase{"quality_thousand_without_grouping",
                    [](auto s) { return QualityCaption(*kQualityThousand.qualityFactor, s); },
                    "1000,000"},
        CaptionCase{"pseudo_period_longest",
                    [](auto s) { return PseudoPeriodCaption(*kLongest.pseudoPeriod, s); },
                    "144,146 s"},
        CaptionCase{"carries_into_integer", [](auto s) { return FormatFixed(9.9996, 3, s); },
                    "10,000"},
        CaptionCase{"negative_rounds_away", [](auto s) { return FormatFixed(-0.006, 2, s); },
                    "-0,01"},
        CaptionCase{"no_negative_zero", [](auto s) { return FormatFixed(-0.0004, 3, s); }, "0,000"},
        CaptionCase{"no_negative_zero_integer", [](auto s) { return FormatFixed(-0.4, 0, s); },
                    "0"},
        CaptionCase{"millions_without_grouping",
                    [](auto s) { return FormatFixed(1234567.891, 3, s); }, "1234567,891"}),
    [](const auto& info) { return std::string(info.param.name); });

// The GUI toolkit switches the C library to the user's locale at start; a
// comma LC_NUMERIC must not leak into the text.
TEST(FormatFixed, IgnoresTheProcessLocale)
{
    const char* comma = nullptr;
    for (const char* name : {"fr_FR.UTF-8", "fr_FR.utf8", "de_DE.UTF-8"})
        if ((comma = std::setlocale(LC_NUMERIC, name)) != nullptr)
            break;
    if (comma == nullptr)
        GTEST_SKIP() << "no locale with a decimal comma installed";
    const std::string text = FormatFixed(9.0909, 3, ".");
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(text, "9.091");
}

} // namespace
} // namespace kestrova
