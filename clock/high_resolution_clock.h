#pragma once

#include <cstdint>

namespace kestrova {

/// A raw reading of the performance counter, in counts. Held as a plain
/// 64-bit integer count: the same seconds as a four-decimal fixed-point
/// value, without its overflow once the machine has been up ~10 days with a
/// nanosecond counter.
using ClockValue = std::int64_t;

/// Where counter readings come from. The program uses the monotonic system
/// clock; tests substitute a fake they advance by hand.
class CounterSource {
public:
    virtual ~CounterSource() = default;
    /// Counts per second; 0 means the platform has no usable counter.
    virtual ClockValue QueryFrequency() = 0;
    virtual ClockValue QueryCounter() = 0;
};

/// The monotonic system clock in nanoseconds (frequency 1e9).
class MonotonicCounterSource final : public CounterSource {
public:
    ClockValue QueryFrequency() override;
    ClockValue QueryCounter() override;
};

/// A counter that only moves when told to: deterministic animation tests.
class FakeCounterSource final : public CounterSource {
public:
    explicit FakeCounterSource(ClockValue frequency = 1'000'000'000)
        : frequency_(frequency)
    { }
    ClockValue QueryFrequency() override { return frequency_; }
    ClockValue QueryCounter() override { return count_; }

    void SetFrequency(ClockValue frequency) { frequency_ = frequency; }
    void SetCount(ClockValue count) { count_ = count; }
    void AdvanceCounts(ClockValue counts) { count_ += counts; }
    /// Advances by a number of seconds at the current frequency.
    void AdvanceSeconds(double seconds);

private:
    ClockValue frequency_;
    ClockValue count_ = 0;
};

/// The raw count as a clock value (identity: counts are kept as integers).
constexpr ClockValue CounterValue(ClockValue raw)
{
    return raw;
}

/// The program-wide clock shared by the simulation windows: the counter
/// frequency, read once at start, turns readings into seconds. Each
/// animation keeps its own start reading.
class HighResolutionClock {
public:
    explicit HighResolutionClock(CounterSource& source)
        : source_(source)
    { }

    /// Reads the counter frequency (done once, by the frame at start-up).
    void ReadFrequency() { CounterFrequency = CounterValue(source_.QueryFrequency()); }
    /// The counter now.
    [[nodiscard]] ClockValue Read() const { return CounterValue(source_.QueryCounter()); }

    /// Seconds from the reading `from` to the reading `to`. Without a usable
    /// counter (frequency 0 or negative) no time passes: 0, never a division
    /// by zero.
    [[nodiscard]] double SecondsBetween(ClockValue from, ClockValue to) const;

    ClockValue CounterFrequency = 0;

private:
    CounterSource& source_;
};

} // namespace kestrova
