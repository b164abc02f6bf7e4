#pragma once

/// \file
/// The fixed part of the two plots of the damped-pendulum window: each plot's
/// coordinate system, dotted grid, solid zero axes, graduation labels and
/// black frame. The oscillation plot shows the angle (rad, up positive)
/// against time (s); the phase portrait the angular speed (rad/s) against the
/// angle (rad).

#include "model/pendulum_state.h"
#include "plot/picture_surface.h"

#include <functional>
#include <string_view>

namespace kestrova {

/// Steps and bounds of the graduations, found once per drawing from the
/// state's TetaMax, OmegaMax and DureeTrace.
struct PlotGraduations {
    double OscAngleStep = 0;   ///< degrees: angle step of the oscillation plots
    double PhaseAngleMax = 0;  ///< degrees: half-width of the phase portrait's angle axis
    double PhaseAngleStep = 0; ///< degrees
    double PhaseSpeedMax = 0;  ///< rad/s: half-height of the phase portrait's speed axis
    double PhaseSpeedStep = 0; ///< rad/s
    double TimeStep = 0;       ///< s
};

/// The steps and bounds for an angle half-height TetaMax (rad), a largest
/// angular speed OmegaMax (rad/s) and a time span DureeTrace (s).
///
/// Integer roundings are half to even. The speed step is chosen from OmegaMax
/// rounded to an integer k: 0.05 for 0, 0.1 for 1, 0.5 for 2, 1 for 3 to 10,
/// 2 for 11 to 16, 5 beyond (also far beyond the 16-bit range, where k is not
/// stored as an integer at all). A bound equal to its step divides the step
/// by ten. The time step follows TimeStep (model/plot_scales.h).
[[nodiscard]] PlotGraduations ComputePlotGraduations(double TetaMax, double OmegaMax,
                                                     double DureeTrace);

/// The phase portrait's coordinate system: angle (rad) across, speed (rad/s)
/// up, the frame at ±PhaseAngleMax by ±PhaseSpeedMax with 5 % of free
/// border on every side.
void ScalePhasePlot(PictureSurface& box, const PlotGraduations& g);

/// More graduations than this on one axis means the inputs are absurd: no
/// plot of the program comes near it (a few dozen at most).
inline constexpr double kMaxGraduationsPerAxis = 10000;

/// The graduations for the state's TetaMax, OmegaMax and DureeTrace (already
/// framed by FramedTimeSpan), checked before anything is drawn: throws
/// std::invalid_argument for a non-finite value, or values so large that an
/// axis would carry more than kMaxGraduationsPerAxis graduations (the loops
/// would never end in practice).
[[nodiscard]] PlotGraduations CheckedPlotGraduations(const PenduleState& state);

/// The frame of an oscillation plot over whatever the box holds (nothing is
/// cleared). Its margins are measured in the coordinate system the box has
/// on entry, wide enough for every label. Leaves on the box its new
/// coordinate system, DrawStyle solid and the font "Arial" 8 points bold;
/// the curves are later drawn in them. Every label lies whole inside the
/// box; decimals are written with `decimalMark`.
void DrawOscillationFrame(PictureSurface& box, const PenduleState& state, const PlotGraduations& g,
                          std::string_view decimalMark = ".");

/// The frame of a phase portrait, as DrawOscillationFrame leaves its box.
/// The speed labels stand apart, off the grid lines and off the angle
/// labels. `overGrid`, when given, draws over the grid and axes and under
/// the labels and the border, in the portrait's coordinate system.
void DrawPhaseFrame(PictureSurface& box, const PlotGraduations& g,
                    std::string_view decimalMark = ".", const std::function<void()>& overGrid = {});

} // namespace kestrova
