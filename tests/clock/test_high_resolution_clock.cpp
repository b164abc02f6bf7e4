#include "clock/high_resolution_clock.h"
#include "clock/simulated_time.h"

#include <gtest/gtest.h>

namespace kestrova {
namespace {

double Elapsed(ClockValue frequency, ClockValue start, ClockValue current)
{
    FakeCounterSource source(frequency);
    HighResolutionClock clock(source);
    clock.ReadFrequency();
    return clock.SecondsBetween(start, current);
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

// Two animations on the one program clock: each counts from its own start,
// whatever the other does, and a change of pace while running keeps what
// was counted; one made while stopped applies from the next start.
TEST(SimulatedTime, EachAnimationCountsFromItsOwnStart)
{
    FakeCounterSource source(1'000);
    HighResolutionClock clock(source);
    clock.ReadFrequency();
    SimulatedTime first(clock);
    SimulatedTime second(clock);
    first.Start();
    source.AdvanceSeconds(2);
    second.Start();
    source.AdvanceSeconds(1);
    EXPECT_DOUBLE_EQ(first.Now(), 3);
    EXPECT_DOUBLE_EQ(second.Now(), 1);

    first.SetSpeed(0.25, true);
    second.SetSpeed(0.5, false);
    source.AdvanceSeconds(4);
    EXPECT_DOUBLE_EQ(first.Now(), 4);
    EXPECT_DOUBLE_EQ(second.Now(), 2.5);
    second.Start();
    source.AdvanceSeconds(4);
    EXPECT_DOUBLE_EQ(second.Now(), 2);
    EXPECT_DOUBLE_EQ(first.Now(), 5);
    EXPECT_EQ(first.Speed(), 0.25);
}

} // namespace
} // namespace kestrova
