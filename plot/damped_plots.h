#pragma once

/// \file
/// The plots of the damped-pendulum window as scenes. The oscillation plot
/// and the phase portrait each come as a pair of boxes: member 0 shows the
/// exact motion, member 1 the small-angle solution with it.

#include "plot/plot_scene.h"

#include <array>
#include <string_view>

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

/// The window's four plot boxes, member 0 and member 1 of each pair.
struct DampedPlotBoxes {
    std::array<PictureSurface*, 2> oscillation{};
    std::array<PictureSurface*, 2> phase{};
};

/// The four plots whole, over what the boxes hold (cleared by the caller),
/// member 0 of both first, decimals written with `decimalMark`.
void DrawDampedPlots(const DampedPlotBoxes& boxes, const PenduleState& state,
                     const MotionRecorder& recording, bool energyCurves,
                     std::string_view decimalMark = ".");

/// The animation's step on the four plots: each series' segment between
/// two samples.
void DrawDampedSegment(const DampedPlotBoxes& boxes, const TraceSample& from,
                       const TraceSample& to);

} // namespace kestrova
