#pragma once

/// \file
/// The period of the undamped pendulum against its amplitude: T/T₀ from 1 to
/// 4 over amplitudes from 0° to 180°, with the exact curve, Borda's
/// approximation, the points of a sweep, the points measured in earlier runs
/// and the point of the current run.

#include "model/period_theory.h"
#include "plot/picture_surface.h"

#include <optional>
#include <string>
#include <vector>

namespace kestrova {

struct PeriodAmplitudePoints {
    std::vector<PeriodPoint> swept;
    std::vector<PeriodPoint> earlierRuns;
    std::optional<PeriodPoint> thisRun;
};

/// The plot's words, in the user's language (UTF-8).
struct PeriodAmplitudeTexts {
    std::string ratioAxis;     ///< title of the vertical axis
    std::string amplitudeAxis; ///< title of the horizontal axis
    std::string exact;         ///< legend of the exact curve
    std::string borda;         ///< legend of Borda's approximation
    std::string swept;         ///< legend of the sweep's points
    std::string earlierRuns;   ///< legend of the points of earlier runs
    std::string thisRun;       ///< legend of the current run's point
};

/// Clears the box and draws the whole plot, fitted to the box's size, in a
/// user system of degrees across and T/T₀ upwards.
void DrawPeriodAmplitudePlot(PictureSurface& box, const PeriodAmplitudePoints& points,
                             const PeriodAmplitudeTexts& texts);

} // namespace kestrova
