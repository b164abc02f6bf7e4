#include "plot/graduation_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <locale>
#include <string>
#include <utility>

namespace kestrova {
namespace {

class GraduationTextTest : public ::testing::TestWithParam<std::pair<double, const char*>> { };

TEST_P(GraduationTextTest, Writes)
{
    EXPECT_EQ(GraduationText(GetParam().first), GetParam().second);
}

// Drifted counters (0.1 + 0.2, ten additions of 0.1, -30 off by an ulp) read as their round value.
INSTANTIATE_TEST_SUITE_P(
    Values, GraduationTextTest,
    ::testing::Values(std::pair{0.0, "0"}, std::pair{-0.0, "0"}, std::pair{-1e-17, "0"},
                      std::pair{15.0, "15"}, std::pair{-120.0, "-120"}, std::pair{-0.25, "-0.25"},
                      std::pair{0.1 + 0.2, "0.3"}, std::pair{-(0.1 + 0.2), "-0.3"},
                      std::pair{std::nextafter(1.0, 0.0), "1"},
                      std::pair{-30.000000000000004, "-30"}, std::pair{0.005, "0.005"},
                      std::pair{2.0 / 3.0, "0.666666666666667"},
                      std::pair{-123456.7890123456, "-123456.789012346"},
                      std::pair{1234567890123456789.0, "1234567890123460000"},
                      std::pair{0.012345678901234567, "0.012345678901235"}));

/// Decimal comma and grouped thousands.
class CommaPunctuation : public std::numpunct<char> {
protected:
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return ' '; }
    std::string do_grouping() const override { return "\3"; }
};

TEST(GraduationText, PointAndNoGroupingUnderACommaLocale)
{
    const std::locale previous =
        std::locale::global(std::locale(std::locale::classic(), new CommaPunctuation));
    const std::string previousC = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_NUMERIC, "fr_FR.UTF-8") == nullptr)
        std::setlocale(LC_NUMERIC, "de_DE.UTF-8"); // the C side too, where installed
    const std::string quarter = GraduationText(-0.25), large = GraduationText(12345.5);
    std::setlocale(LC_ALL, previousC.c_str());
    std::locale::global(previous);
    EXPECT_EQ(quarter, "-0.25");
    EXPECT_EQ(large, "12345.5");
}

} // namespace
} // namespace kestrova
