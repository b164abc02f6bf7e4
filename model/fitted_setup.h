#pragma once

/// \file
/// The damped window's sliders nearest to a fitted motion: the sliders move
/// in whole steps within their ranges, so each value is rounded, and the
/// user is told which.

#include "model/damped_parameters.h"
#include "model/parameters.h"
#include "model/pendulum_fit.h"

#include <array>

namespace kestrova {

struct RoundedParameter {
    DampedParameter parameter;
    double fitted = 0; ///< in the slider's unit (degrees for the angle)
    double shown = 0;  ///< the value at the nearest slider position
    /// The fitted value lies outside the slider's range.
    bool outOfRange = false;
};

struct FittedSetup {
    SliderValues sliders;
    /// In the order of kDampedParameters.
    std::array<RoundedParameter, kDampedParameterCount> rounding{};
};

/// The start angle and speed are those at the window's start; a start to
/// the left is mirrored to the right (the motion is symmetric).
[[nodiscard]] FittedSetup NearestSetup(const PendulumFit& fit);

} // namespace kestrova
