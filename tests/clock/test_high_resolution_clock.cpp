#include "clock/high_resolution_clock.h"

#include <gtest/gtest.h>

namespace kestrova {
namespace {

double Elapsed(ClockValue frequency, ClockValue start, ClockValue current)
{
    FakeCounterSource source(frequency);
    HighResolutionClock clock(source);
    clock.ReadFrequency();
    source.SetCount(start);
    clock.ReadStart();
    source.SetCount(current);
    clock.ReadCurrent();
    return clock.ElapsedSeconds();
}

TEST(HighResolutionClock, ElapsedSecondsAreTheDifferenceOverTheFrequency)
{
    EXPECT_EQ(Elapsed(3'000'000, 1'500'000, 4'500'000), 1.0);
    // Counts far beyond what a four-decimal fixed-point value can hold.
    EXPECT_EQ(Elapsed(1'000'000'000, 4'000'000'000'000'000'000, 4'000'000'002'000'000'000), 2.0);
    // Without a usable counter no time passes, and nothing divides by zero.
    EXPECT_EQ(Elapsed(0, 0, 123'456), 0.0);
    EXPECT_EQ(Elapsed(-5, 0, 10), 0.0);
}

} // namespace
} // namespace kestrova
