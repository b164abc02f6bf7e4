#include "ui/foucault/pendulum_length.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace kestrova::foucault {
namespace {

struct NumberCase {
    const char* name;
    const char* text;
    std::optional<double> value;
};

class LeadingNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(LeadingNumberTest, ReadsTheNumberAtTheStart)
{
    const std::optional<double> value = LeadingNumber(GetParam().text);
    ASSERT_EQ(value.has_value(), GetParam().value.has_value());
    if (value) {
        EXPECT_DOUBLE_EQ(*value, *GetParam().value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumberTest,
    ::testing::Values(NumberCase{"integer", "67", 67.0},
                      NumberCase{"comma_separator", "12,5", 12.5},
                      NumberCase{"point_separator", "12.5", 12.5},
                      NumberCase{"written_by_the_window_in_french", "67,0", 67.0},
                      NumberCase{"leading_blanks_and_unit", " 8 m", 8.0},
                      NumberCase{"leading_tab", "\t9", 9.0},
                      NumberCase{"stops_at_a_second_separator", "1,2,3", 1.2},
                      NumberCase{"stops_at_a_mixed_separator", "1.5,7", 1.5},
                      NumberCase{"stops_at_an_inner_blank", "1 2", 1.0},
                      NumberCase{"trailing_separator", "5,", 5.0},
                      NumberCase{"leading_separator", ",5", 0.5},
                      NumberCase{"plus_sign", "+7", 7.0},
                      NumberCase{"minus_sign", "-3", -3.0},
                      NumberCase{"exponent", "1e9", 1e9},
                      NumberCase{"exponent_with_sign_and_comma", "2,5E+1", 25.0},
                      NumberCase{"exponent_without_digits_stops", "12e", 12.0},
                      NumberCase{"exponent_sign_without_digits_stops", "12e-x", 12.0},
                      NumberCase{"overflow_is_infinite", "1e999", HUGE_VAL},
                      NumberCase{"underflow_is_zero", "1e-999", 0.0},
                      NumberCase{"empty", "", std::nullopt},
                      NumberCase{"blanks_only", "   ", std::nullopt},
                      NumberCase{"letters", "abc", std::nullopt},
                      NumberCase{"separator_only", ",", std::nullopt},
                      NumberCase{"sign_only", "-", std::nullopt},
                      NumberCase{"unit_before_number", "m 8", std::nullopt},
                      NumberCase{"sign_then_blank", "- 5", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

struct LengthCase {
    const char* name;
    const char* text;
    LengthRefusal refusal;
    double length; ///< when accepted
};

class ReadLengthTest : public ::testing::TestWithParam<LengthCase> {};

TEST_P(ReadLengthTest, AcceptsOnlyLengthsAboveTheAmplitudeUpTo1000m)
{
    const LengthReading reading = ReadLength(GetParam().text);
    EXPECT_EQ(reading.Refusal, GetParam().refusal);
    EXPECT_EQ(reading.Accepted(), GetParam().refusal == LengthRefusal::None);
    if (reading.Accepted()) {
        EXPECT_DOUBLE_EQ(reading.Length, GetParam().length);
    } else {
        EXPECT_FALSE(RefusalMessage(reading.Refusal).empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadLengthTest,
    ::testing::Values(LengthCase{"default", "67,0", LengthRefusal::None, 67.0},
                      LengthCase{"just_above_amplitude", "3,01", LengthRefusal::None, 3.01},
                      LengthCase{"longest", "1000", LengthRefusal::None, 1000.0},
                      LengthCase{"with_unit", " 8 m", LengthRefusal::None, 8.0},
                      LengthCase{"at_amplitude", "3", LengthRefusal::NotAboveAmplitude, 0},
                      LengthCase{"zero", "0", LengthRefusal::NotAboveAmplitude, 0},
                      LengthCase{"negative", "-3", LengthRefusal::NotAboveAmplitude, 0},
                      LengthCase{"minus_infinity", "-1e999", LengthRefusal::NotAboveAmplitude, 0},
                      LengthCase{"just_too_long", "1000,01", LengthRefusal::TooLong, 0},
                      LengthCase{"huge", "1e9", LengthRefusal::TooLong, 0},
                      LengthCase{"infinite", "1e999", LengthRefusal::TooLong, 0},
                      LengthCase{"empty", "", LengthRefusal::NoNumber, 0},
                      LengthCase{"letters", "abc", LengthRefusal::NoNumber, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RefusalMessageTest, EveryRefusalStatesTheAcceptedRange)
{
    EXPECT_TRUE(RefusalMessage(LengthRefusal::None).empty());
    for (const LengthRefusal refusal :
         {LengthRefusal::NoNumber, LengthRefusal::NotAboveAmplitude, LengthRefusal::TooLong}) {
        const std::string message = RefusalMessage(refusal);
        EXPECT_NE(message.find("plus de 3 m"), std::string::npos) << message;
        EXPECT_NE(message.find("1000 m"), std::string::npos) << message;
    }
}

} // namespace
} // namespace kestrova::foucault
