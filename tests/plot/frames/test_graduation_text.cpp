#include "plot/graduation_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <ostream>
#include <string>

namespace kestrova {
namespace {

struct TextCase {
    const char* name;
    double value;
    const char* text;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

double Accumulate(double step, int times)
{
    double t = 0;
    for (int i = 0; i < times; ++i)
        t += step;
    return t;
}

class GraduationTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(GraduationTextTest, Writes)
{
    EXPECT_EQ(GraduationText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, GraduationTextTest,
    ::testing::Values(
        TextCase{"zero", 0.0, "0"},
        TextCase{"negative_zero", -0.0, "0"},
        TextCase{"whole", 15.0, "15"},
        TextCase{"widest_angle_label", -120.0, "-120"},
        TextCase{"quarter_negative", -0.25, "-0.25"},
        TextCase{"drifted_above_point_three", 0.1 + 0.2, "0.3"},
        TextCase{"drifted_below_point_eight", Accumulate(0.1, 8), "0.8"},
        TextCase{"ten_additions_of_a_tenth", Accumulate(0.1, 10), "1"},
        TextCase{"ten_additions_of_five_thousandths", Accumulate(0.005, 10), "0.05"},
        TextCase{"negative_drifted", -Accumulate(0.1, 3), "-0.3"},
        TextCase{"drifted_zero_negative", -1e-17, "0"},
        TextCase{"drifted_zero_positive", 5.551115123125783e-17, "0"},
        TextCase{"drifted_whole_degrees", -30.000000000000004, "-30"},
        TextCase{"finest_speed_step", 0.005, "0.005"},
        TextCase{"small_without_exponent", 0.00012, "0.00012"},
        TextCase{"fifteen_digits_rounded_down", 1.0 / 3.0, "0.333333333333333"},
        TextCase{"fifteen_digits_rounded_up", 2.0 / 3.0, "0.666666666666667"},
        TextCase{"fifteen_digits_mixed", -123456.7890123456, "-123456.789012346"},
        TextCase{"large_without_exponent", 1234567890123456789.0, "1234567890123460000"},
        TextCase{"power_of_ten", 1e20, "100000000000000000000"},
        TextCase{"rounds_up_to_next_power", 9.9999999999999999, "10"},
        TextCase{"rounds_to_one_decimal_power", 0.099999999999999999, "0.1"},
        TextCase{"below_a_tenth_keeps_15_decimals", 0.012345678901234567, "0.012345678901235"}),
    [](const auto& info) { return std::string(info.param.name); });

/// A numeric punctuation that writes a decimal comma and groups thousands.
class FrenchPunctuation : public std::numpunct<char> {
protected:
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return ' '; }
    std::string do_grouping() const override { return "\3"; }
};

TEST(GraduationTextLocale, PointAndNoGroupingUnderACommaLocale)
{
    const std::locale previous =
        std::locale::global(std::locale(std::locale::classic(), new FrenchPunctuation));
    // The C locale too, when the machine has one with a decimal comma.
    const std::string previousC = std::setlocale(LC_ALL, nullptr);
    const bool commaC = std::setlocale(LC_NUMERIC, "fr_FR.UTF-8") != nullptr ||
                        std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;

    const std::string quarter = GraduationText(-0.25);
    const std::string large = GraduationText(12345.5);

    std::setlocale(LC_ALL, previousC.c_str());
    std::locale::global(previous);
    EXPECT_EQ(quarter, "-0.25");
    EXPECT_EQ(large, "12345.5");
    if (!commaC)
        GTEST_LOG_(INFO) << "no comma C locale installed; checked the C++ global locale only";
}

} // namespace
} // namespace kestrova
