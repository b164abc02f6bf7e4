#include "high_resolution_clock.h"

#include <chrono>
#include <cmath>

namespace kestrova {

ClockValue MonotonicCounterSource::QueryFrequency()
{
    return 1'000'000'000;
}

ClockValue MonotonicCounterSource::QueryCounter()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
}

void FakeCounterSource::AdvanceSeconds(double seconds)
{
    count_ += static_cast<ClockValue>(std::llround(seconds * static_cast<double>(frequency_)));
}

double HighResolutionClock::SecondsBetween(ClockValue from, ClockValue to) const
{
    if (CounterFrequency <= 0)
        return 0.0;
    const ClockValue counts = to - from;
    return static_cast<double>(counts) / static_cast<double>(CounterFrequency);
}

} // namespace kestrova
