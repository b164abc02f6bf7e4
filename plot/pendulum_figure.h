#pragma once

/// \file
/// The pendulum figure of the damped-pendulum window.

#include "plot/picture_surface.h"

namespace kestrova {

/// Draws the pendulum in picPendule at angle θ (radians, 0 hanging straight
/// down, positive to the right): the box is cleared, two dashed black axes
/// cross at the pivot (drawn once, then kept as the box's backdrop), a
/// black rod 3 pixels wide runs from the pivot to the bob centre
/// \f$(8\sin\theta, -8\cos\theta)\f$ and the bob is a red disc of radius 0.5.
/// Expects the system (−10, 10)−(10, −10) set by the reset.
/// Leaves DrawStyle 0, DrawWidth 1, FillStyle 0 and FillColor red.
void DrawPendulum(PictureSurface& picPendule, double angle);

} // namespace kestrova
