#include "clock/high_resolution_clock.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>

namespace kestrova {
namespace {

struct ElapsedCase {
    const char* name;
    ClockValue frequency;
    ClockValue start;
    ClockValue current;
    double seconds;
};

void PrintTo(const ElapsedCase& c, std::ostream* os) { *os << c.name; }

class ElapsedSecondsTest : public ::testing::TestWithParam<ElapsedCase> {};

TEST_P(ElapsedSecondsTest, DifferenceOverFrequency)
{
    const ElapsedCase& c = GetParam();
    FakeCounterSource source(c.frequency);
    HighResolutionClock clock(source);
    clock.ReadFrequency();
    source.SetCount(c.start);
    clock.ReadStart();
    source.SetCount(c.current);
    clock.ReadCurrent();
    EXPECT_EQ(clock.ElapsedSeconds(), c.seconds);
}

INSTANTIATE_TEST_SUITE_P(
    Readings, ElapsedSecondsTest,
    ::testing::Values(
        ElapsedCase{"one_second_at_3MHz", 3'000'000, 0, 3'000'000, 1.0},
        ElapsedCase{"offset_start", 3'000'000, 1'500'000, 4'500'000, 1.0},
        ElapsedCase{"nanoseconds", 1'000'000'000, 5, 1'500'000'005, 1.5},
        // Counts far beyond what a four-decimal fixed-point value can hold.
        ElapsedCase{"long_uptime", 1'000'000'000, 4'000'000'000'000'000'000,
                    4'000'000'002'000'000'000, 2.0},
        ElapsedCase{"no_counter_means_no_time", 0, 0, 123'456, 0.0},
        ElapsedCase{"negative_frequency_means_no_time", -5, 0, 10, 0.0},
        ElapsedCase{"reading_before_start", 1000, 2000, 1000, -1.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CounterValue, RawCountIsTheNumericValue)
{
    EXPECT_EQ(CounterValue(123'456), 123'456);
    EXPECT_EQ(CounterValue(std::numeric_limits<ClockValue>::max()),
              std::numeric_limits<ClockValue>::max());
}

TEST(FakeCounterSource, AdvancesBySecondsAtItsFrequency)
{
    FakeCounterSource source(1'000'000'000);
    HighResolutionClock clock(source);
    clock.ReadFrequency();
    clock.ReadStart();
    source.AdvanceSeconds(0.001);
    clock.ReadCurrent();
    EXPECT_DOUBLE_EQ(clock.ElapsedSeconds(), 0.001);
    source.AdvanceSeconds(29.999);
    clock.ReadCurrent();
    EXPECT_DOUBLE_EQ(clock.ElapsedSeconds(), 30.0);
}

TEST(MonotonicCounterSource, NeverGoesBackwards)
{
    MonotonicCounterSource source;
    EXPECT_EQ(source.QueryFrequency(), 1'000'000'000);
    ClockValue previous = source.QueryCounter();
    for (int i = 0; i < 1000; ++i) {
        const ClockValue now = source.QueryCounter();
        ASSERT_GE(now, previous);
        previous = now;
    }
}

} // namespace
} // namespace kestrova
