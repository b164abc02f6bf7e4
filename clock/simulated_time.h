#pragma once

/// \file
/// SimulatedTime: the seconds an animation has run since its start, on the
/// program's clock, at a chosen fraction of the wall clock's pace (slow
/// motion). The pace may change while the animation runs without a jump.

#include "clock/high_resolution_clock.h"

namespace kestrova {

/// Simulated seconds per real second when nothing is slowed down.
inline constexpr double kNormalSpeed = 1.0;

class SimulatedTime {
public:
    /// `clock` is the program's shared one; it must outlive this object.
    explicit SimulatedTime(HighResolutionClock& clock)
        : clock_(clock)
    { }

    /// Counts from 0 from now on (a start or a resume): takes the start reading.
    void Start();
    /// Simulated seconds since Start: takes the tick reading.
    [[nodiscard]] double Now();
    /// From now on `speed` simulated seconds pass per real second. While
    /// `running`, the seconds counted so far are kept and the new pace
    /// applies from this moment only.
    void SetSpeed(double speed, bool running);
    [[nodiscard]] double Speed() const { return speed_; }

private:
    HighResolutionClock& clock_;
    double speed_ = kNormalSpeed;
    double counted_ = 0; ///< simulated seconds up to the clock's start reading
};

} // namespace kestrova
