#include "ui/foucault/pendulum_length.h"

#include <gtest/gtest.h>

namespace kestrova::foucault {
namespace {

struct LengthCase {
    const char* name;
    const char* text;
    LengthRefusal refusal;
    double length; ///< when accepted
};

class ReadLengthTest : public ::testing::TestWithParam<LengthCase> { };

TEST_P(ReadLengthTest, AcceptsOnlyLengthsAboveTheAmplitudeUpTo1000m)
{
    const LengthCase& c = GetParam();
    const LengthReading reading = ReadLength(c.text);
    EXPECT_EQ(reading.Refusal, c.refusal);
    EXPECT_EQ(reading.Accepted(), c.refusal == LengthRefusal::None);
    if (reading.Accepted()) {
        EXPECT_DOUBLE_EQ(reading.Length, c.length);
    } else {
        // Every refusal states the accepted range.
        const std::string message = RefusalMessage(reading.Refusal);
        EXPECT_NE(message.find("plus de 3 m"), std::string::npos) << message;
        EXPECT_NE(message.find("1000 m"), std::string::npos) << message;
    }
}

using enum LengthRefusal;

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadLengthTest,
    ::testing::Values(LengthCase{"integer", "67", None, 67.0},
                      LengthCase{"written_by_the_window_in_french", "67,0", None, 67.0},
                      LengthCase{"comma_separator", "12,5", None, 12.5},
                      LengthCase{"point_separator", "12.5", None, 12.5},
                      LengthCase{"leading_blank_and_unit", " 8 m", None, 8.0},
                      LengthCase{"stops_at_a_second_separator", "12,5,3", None, 12.5},
                      LengthCase{"exponent_with_sign_and_comma", "2,5E+1", None, 25.0},
                      LengthCase{"exponent_without_digits_stops", "12e", None, 12.0},
                      LengthCase{"just_above_amplitude", "3,01", None, 3.01},
                      LengthCase{"longest", "1000", None, 1000.0},
                      LengthCase{"empty", "", NoNumber, 0},
                      LengthCase{"letters", "abc", NoNumber, 0},
                      LengthCase{"sign_then_blank", "- 5", NoNumber, 0},
                      LengthCase{"zero", "0", NotAboveAmplitude, 0},
                      LengthCase{"negative", "-3", NotAboveAmplitude, 0},
                      LengthCase{"at_amplitude", "3", NotAboveAmplitude, 0},
                      LengthCase{"just_too_long", "1000,01", TooLong, 0},
                      LengthCase{"huge", "1e9", TooLong, 0},
                      LengthCase{"infinite", "1e999", TooLong, 0}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kestrova::foucault
