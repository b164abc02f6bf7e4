#include "plot/plot_scene.h"

#include "plot/energy_curves.h"
#include "plot/plot_frames.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <utility>

namespace kestrova {

namespace {

constexpr double kHalfTurn = std::numbers::pi; // rad

struct Point {
    double x = 0;
    double y = 0;
};

/// Where a motion at a time goes on a plot of these axes.
Point PointOf(PlotAxes axes, double time, const Motion& m)
{
    return axes == PlotAxes::Oscillation ? Point{time, m.angle} : Point{m.angle, m.speed};
}

const Motion& MotionOf(SeriesMotion motion, const TraceSample& sample)
{
    return motion == SeriesMotion::SmallAngle ? sample.approx : sample.exact;
}

const Motion& MotionOf(SeriesMotion motion, const RecordedRow& row)
{
    return motion == SeriesMotion::SmallAngle ? row.approx : row.exact;
}

/// The trace of a series from one instant to the next. The angle is kept
/// within a turn, so where the pendulum goes over the top it jumps by
/// nearly a turn between two instants: the trace then leaves by one edge
/// (±π) and comes back by the other, never straight across the plot.
void TraceLine(PictureSurface& surface, PlotAxes axes, Colour colour, double fromTime, Motion from,
               double toTime, Motion to)
{
    const auto line = [&](double t1, Motion m1, double t2, Motion m2) {
        const Point a = PointOf(axes, t1, m1);
        const Point b = PointOf(axes, t2, m2);
        surface.Line(a.x, a.y, b.x, b.y, colour);
    };
    const double jump = to.angle - from.angle;
    if (!(std::fabs(jump) > kHalfTurn)) {
        line(fromTime, from, toTime, to);
        return;
    }
    const double turn = jump > 0 ? 2 * kHalfTurn : -2 * kHalfTurn;
    const double continued = to.angle - turn; // the angle without the wrap
    const double edge = continued > from.angle ? kHalfTurn : -kHalfTurn;
    const double f = std::clamp((edge - from.angle) / (continued - from.angle), 0.0, 1.0);
    const double time = fromTime + f * (toTime - fromTime);
    const double speed = from.speed + f * (to.speed - from.speed);
    line(fromTime, from, time, {edge, speed});
    line(time, {edge + turn, speed}, toTime, to);
}

/// One series of the recording as joined segments: the rows in order,
/// then the latest sample (the traces end there, within one row
/// interval). On an oscillation plot, rows beyond a row past the time span
/// are left out.
void DrawRecorded(PictureSurface& surface, PlotAxes axes, const PlotSeries& series,
                  const MotionRecorder& recording, double timeSpan)
{
    double fromTime = 0;
    Motion from = MotionOf(series.motion, recording.Row(0));
    const auto lineTo = [&](double time, const Motion& to) {
        TraceLine(surface, axes, series.colour, fromTime, from, time, to);
        fromTime = time;
        from = to;
    };
    for (std::size_t i = 1; i < recording.RowCount(); ++i) {
        const RecordedRow row = recording.Row(i);
        if (axes == PlotAxes::Oscillation
            && row.time - 1 / MotionRecorder::kRowsPerSecond > timeSpan)
            return;
        lineTo(row.time, MotionOf(series.motion, row));
    }
    const TraceSample& last = recording.Last();
    if (last.time > recording.Row(recording.RowCount() - 1).time)
        lineTo(last.time, MotionOf(series.motion, last));
}

// The coordinate system an oscillation plot starts from: its frame
// measures its margins in it, so the frame fits the same way every time.
constexpr double kOscillationStartLeft = -0.85;
constexpr double kOscillationStartRight = 10.3;

} // namespace

PlotScene::PlotScene(PlotAxes axes, std::vector<PlotSeries> series, bool energyCurves)
    : axes_(axes)
    , series_(std::move(series))
    , energyCurves_(energyCurves && axes == PlotAxes::Phase)
{ }

void PlotScene::DrawWhole(PictureSurface& surface, const PenduleState& state,
                          const MotionRecorder& recording, std::string_view decimalMark) const
{
    const PlotGraduations g = CheckedPlotGraduations(state);
    if (axes_ == PlotAxes::Oscillation) {
        surface.Scale(kOscillationStartLeft, state.TetaMax, kOscillationStartRight, -state.TetaMax);
        DrawOscillationFrame(surface, state, g, decimalMark);
    } else {
        std::function<void()> curves;
        if (energyCurves_)
            curves = [&] { DrawEnergyCurves(state, surface); };
        DrawPhaseFrame(surface, g, decimalMark, curves);
    }
    for (const PlotSeries& series : series_)
        DrawRecorded(surface, axes_, series, recording, state.DureeTrace);
}

void PlotScene::DrawSegment(PictureSurface& surface, const TraceSample& from,
                            const TraceSample& to) const
{
    for (const PlotSeries& series : series_)
        TraceLine(surface, axes_, series.colour, from.time, MotionOf(series.motion, from), to.time,
                  MotionOf(series.motion, to));
}

} // namespace kestrova
