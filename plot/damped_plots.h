#pragma once

/// \file
/// The plots of the damped-pendulum window as scenes. The oscillation plot
/// and the phase portrait each come as a pair of boxes: member 0 shows the
/// exact motion, member 1 the small-angle solution with it.

#include "plot/plot_scene.h"

namespace kestrova {

/// The traces' colours, on screen and in what leaves the program.
inline constexpr Colour kExactTraceColour = Rgb(255, 0, 0);
inline constexpr Colour kSmallAngleTraceColour = Rgb(50, 200, 50);

struct DampedPlotOptions {
    bool smallAngle = false;   ///< the small-angle series, over the exact motion
    bool energyCurves = false; ///< the energy level curves, on the phase portrait
};

/// The scene of one damped plot: the exact motion in red, then, with
/// smallAngle, the small-angle solution in green. Built once and kept: the
/// animation asks for the scenes at every step.
[[nodiscard]] const PlotScene& DampedPlotScene(PlotAxes axes, DampedPlotOptions options);

} // namespace kestrova
