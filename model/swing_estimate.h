#pragma once

/// \file
/// Rough values read straight off a measured swing, from which the fit of
/// the pendulum's equation starts: the pulsation from the crossings of the
/// mean, the damping from the decay of successive peaks, the sensor's
/// offset, and the angle and speed at the first sample.

#include <cstddef>
#include <span>

namespace kestrova {

struct SwingEstimate {
    double omega0 = 0;  ///< rad/s
    double lambda = 0;  ///< 1/s
    double offset = 0;  ///< the series' unit: what a resting sensor reads
    double angle = 0;   ///< rad, at the first sample
    double speed = 0;   ///< rad/s, at the first sample
    bool found = false; ///< false when the series does not swing
};

/// From samples at times `t` of an angle (rad), or of an angular speed
/// (rad/s) when `speed`.
[[nodiscard]] SwingEstimate EstimateSwing(std::span<const double> t, std::span<const double> value,
                                          bool speed);

} // namespace kestrova
