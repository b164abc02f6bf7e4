#include "model/pendulum_length.h"

#include <gtest/gtest.h>

namespace kestrova::foucault {
namespace {

struct LengthCase {
    const char* text;
    const char* separator; ///< the user's decimal separator
    double length;         ///< 0: refused
};

TEST(ReadLengthTest, AcceptsOnlyLengthsAboveTheAmplitudeUpTo1000m)
{
    for (const LengthCase& c : {
             LengthCase{"67", ".", 67.0},
             LengthCase{"12,5", ",", 12.5},
             LengthCase{"12.5", ",", 12.5}, // the point is always a decimal point
             LengthCase{"12,5", ".", 12.0}, // the comma is not, where the user's is a point
             LengthCase{"67\u066B5", "\u066B", 67.5}, // a separator of more than one byte
             LengthCase{"6 7", ",", 67.0},            // blanks are ignored anywhere
             LengthCase{" 1\t2 , 5 m", ",", 12.5},
             LengthCase{"1000", ".", 1000.0},
             LengthCase{"", ".", 0},
             LengthCase{"- 5", ".", 0},
             LengthCase{"3", ".", 0}, // the amplitude itself
             LengthCase{"1000.01", ".", 0},
             LengthCase{"1e999", ".", 0},
         }) {
        const LengthReading reading = ReadLength(c.text, c.separator);
        EXPECT_EQ(reading.Accepted(), c.length > 0) << c.text;
        if (reading.Accepted()) {
            EXPECT_DOUBLE_EQ(reading.Length, c.length) << c.text;
        } else { // every refusal states the accepted range
            const std::string message = RefusalMessage(reading.Refusal);
            EXPECT_NE(message.find("plus de 3 m"), std::string::npos) << c.text;
            EXPECT_NE(message.find("1000 m"), std::string::npos) << c.text;
        }
    }
}

} // namespace
} // namespace kestrova::foucault
