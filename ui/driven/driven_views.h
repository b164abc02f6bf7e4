#pragma once

/// \file
/// The driven pendulum's drawings, plain C++ over the picture surface: the
/// pendulum with the driving torque, and the four analysis plots (the
/// resonance curve, the Poincaré section, the bifurcation diagram and the
/// separation of two close runs on a log scale). Each draws whole on a
/// cleared surface, so the screen, the exports and the printouts match.

#include "model/driven_sweeps.h"
#include "plot/picture_surface.h"

#include <string>
#include <string_view>
#include <vector>

namespace kestrova {

/// The colours of the analysis plots.
inline constexpr Colour kMeasuredColour = Rgb(255, 0, 0);
inline constexpr Colour kDownwardColour = Rgb(0, 0, 255);
inline constexpr Colour kTheoryColour = Rgb(50, 160, 50);
inline constexpr Colour kDriveColour = Rgb(0, 90, 220);

/// The pendulum at `angle` (rad, 0 hanging down) in the system
/// (−10, 10)−(10, −10), set here, and the driving torque as a blue arc
/// around the pivot: its length follows `drive` in [−1, 1] (the torque over
/// its largest value), its arrow the torque's direction.
void DrawDrivenPendulum(PictureSurface& box, double angle, double drive);

/// Axis titles and the decimal mark, in the interface language.
struct PlotTexts {
    std::string xTitle;
    std::string yTitle;
    std::string decimalMark = ".";
};

/// Measured amplitudes (upward sweep red, downward blue, either may be
/// empty) as points joined by lines, over the small-angle theory in green.
void DrawResonanceCurve(PictureSurface& box, const DrivenSetup& setup,
                        const std::vector<ResonancePoint>& upward,
                        const std::vector<ResonancePoint>& downward, const PlotTexts& texts);

/// Dots on the phase plane, the angle across (−π, π].
void DrawPoincareSection(PictureSurface& box, const std::vector<Motion>& points,
                         const PlotTexts& texts);

/// One dot per sampled angle above its γ; columns not yet computed are blank.
void DrawBifurcationDiagram(PictureSurface& box, const std::vector<BifurcationColumn>& columns,
                            double gammaFrom, double gammaTo, const PlotTexts& texts);

/// The distance against time, the distance on a decimal log scale.
void DrawSeparation(PictureSurface& box, const std::vector<SeparationSample>& samples,
                    const PlotTexts& texts);

} // namespace kestrova
