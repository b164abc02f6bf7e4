#pragma once

/// \file
/// A plot as a scene: its frame (coordinate system, grid, zero axes,
/// graduation labels, border) and a list of series, each in its own
/// colour. The same scene draws the plot whole on any surface (a reset,
/// an export, a printout) and, during the animation, only the piece each
/// series gained since the last step, so what leaves the program is what
/// the screen shows.

#include "model/motion_recorder.h"
#include "model/pendulum_state.h"
#include "plot/picture_surface.h"

#include <string_view>
#include <vector>

namespace kestrova {

/// What a plot shows against what.
enum class PlotAxes {
    Oscillation, ///< the angle (rad) against time (s)
    Phase,       ///< the angular speed (rad/s) against the angle (rad)
};

/// Which motion of a sample a series follows.
enum class SeriesMotion {
    Exact,      ///< the integrated motion
    SmallAngle, ///< the small-angle solution
};

struct PlotSeries {
    SeriesMotion motion = SeriesMotion::Exact;
    Colour colour = 0;
};

class PlotScene {
public:
    /// Series are drawn in list order, each over the ones before it. The
    /// energy level curves only ever go on a phase portrait.
    PlotScene(PlotAxes axes, std::vector<PlotSeries> series, bool energyCurves = false);

    [[nodiscard]] PlotAxes Axes() const { return axes_; }
    [[nodiscard]] const std::vector<PlotSeries>& Series() const { return series_; }
    [[nodiscard]] bool EnergyCurves() const { return energyCurves_; }

    /// The whole plot over what the surface holds (a cleared surface, as a
    /// rule): the frame for the state's TetaMax, OmegaMax and DureeTrace,
    /// with the energy level curves over its grid if shown and decimals
    /// written with `decimalMark`, then each series as recorded, one
    /// segment per row and a last one to the latest sample. An oscillation
    /// series stops one row past the time span. Leaves on the surface the
    /// plot's coordinate system, DrawStyle solid and the label font, in
    /// which DrawSegment draws.
    ///
    /// Throws std::invalid_argument, before drawing anything, for a state
    /// the frame cannot graduate (see CheckedPlotGraduations).
    void DrawWhole(PictureSurface& surface, const PenduleState& state,
                   const MotionRecorder& recording, std::string_view decimalMark = ".") const;

    /// The segment of every series from one sample to the next, in list
    /// order, in the coordinate system DrawWhole left.
    void DrawSegment(PictureSurface& surface, const TraceSample& from, const TraceSample& to) const;

private:
    PlotAxes axes_;
    std::vector<PlotSeries> series_;
    bool energyCurves_;
};

} // namespace kestrova
