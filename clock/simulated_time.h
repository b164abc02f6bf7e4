#pragma once

/// \file
/// SimulatedTime: the seconds an animation has run since its start, on the
/// program's clock, at a chosen fraction of the wall clock's pace (slow
/// motion). The pace may change while the animation runs without a jump.

#include "clock/high_resolution_clock.h"
#include "model/sped_up_time.h"

namespace kestrova {

/// Simulated seconds per real second when nothing is slowed down.
inline constexpr double kNormalSpeed = 1.0;

class SimulatedTime {
public:
    /// `clock` is the program's shared one; it must outlive this object.
    explicit SimulatedTime(HighResolutionClock& clock)
        : clock_(clock)
    { }

    /// Counts from 0 from now on (a start or a resume): takes this
    /// animation's start reading.
    void Start();
    /// Simulated seconds since Start.
    [[nodiscard]] double Now() const;
    /// From now on `speed` simulated seconds pass per real second. While
    /// `running`, the seconds counted so far are kept and the new pace
    /// applies from this moment only.
    void SetSpeed(double speed, bool running);
    [[nodiscard]] double Speed() const { return paced_.Factor(); }

private:
    /// Wall-clock seconds since Start.
    [[nodiscard]] double RealSeconds() const;

    HighResolutionClock& clock_;
    ClockValue start_ = 0;
    SpedUpTime paced_;
};

} // namespace kestrova
