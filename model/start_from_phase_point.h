#pragma once

/// \file
/// The initial conditions a point picked on the phase portrait stands for, in
/// the units and steps of the window's two sliders.

#include "model/integrator.h"

namespace kestrova {

/// The values of sldTeta0 (degrees) and sldOmega0 (rad/s).
struct StartSliders {
    int Teta0Degrees = 0;
    int Omega0 = 0;
    bool operator==(const StartSliders&) const = default;
};

/// The slider values nearest to the point (angle in rad, speed in rad/s),
/// each kept in its slider's range. The angle slider starts at 0: a point at
/// a negative angle is taken as its mirror image (−θ, −θ'), the same motion
/// seen from the other side. Non-finite values give 0.
[[nodiscard]] StartSliders NearestStartSliders(Motion point);

} // namespace kestrova
