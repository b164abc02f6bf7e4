#include "plot/plot_scene.h"

#include "plot/energy_curves.h"
#include "plot/plot_frames.h"

#include <utility>

namespace kestrova {

namespace {

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

/// One series of the recording as joined segments: the rows in order,
/// then the latest sample (the traces end there, within one row
/// interval). On an oscillation plot, rows beyond a row past the time span
/// are left out.
void DrawRecorded(PictureSurface& surface, PlotAxes axes, const PlotSeries& series,
                  const MotionRecorder& recording, double timeSpan)
{
    Point from = PointOf(axes, 0, MotionOf(series.motion, recording.Row(0)));
    const auto lineTo = [&](Point to) {
        surface.Line(from.x, from.y, to.x, to.y, series.colour);
        from = to;
    };
    for (std::size_t i = 1; i < recording.RowCount(); ++i) {
        const RecordedRow row = recording.Row(i);
        if (axes == PlotAxes::Oscillation
            && row.time - 1 / MotionRecorder::kRowsPerSecond > timeSpan)
            return;
        lineTo(PointOf(axes, row.time, MotionOf(series.motion, row)));
    }
    const TraceSample& last = recording.Last();
    if (last.time > recording.Row(recording.RowCount() - 1).time)
        lineTo(PointOf(axes, last.time, MotionOf(series.motion, last)));
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
                          const MotionRecorder& recording) const
{
    const PlotGraduations g = CheckedPlotGraduations(state);
    if (axes_ == PlotAxes::Oscillation) {
        surface.Scale(kOscillationStartLeft, state.TetaMax, kOscillationStartRight, -state.TetaMax);
        DrawOscillationFrame(surface, state, g);
    } else {
        if (energyCurves_)
            DrawEnergyCurves(state, surface);
        DrawPhaseFrame(surface, g);
    }
    for (const PlotSeries& series : series_)
        DrawRecorded(surface, axes_, series, recording, state.DureeTrace);
}

void PlotScene::DrawSegment(PictureSurface& surface, const TraceSample& from,
                            const TraceSample& to) const
{
    for (const PlotSeries& series : series_) {
        const Point a = PointOf(axes_, from.time, MotionOf(series.motion, from));
        const Point b = PointOf(axes_, to.time, MotionOf(series.motion, to));
        surface.Line(a.x, a.y, b.x, b.y, series.colour);
    }
}

} // namespace kestrova
