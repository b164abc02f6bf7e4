#include "plot/damped_plots.h"

#include <array>
#include <utility>
#include <vector>

namespace kestrova {

namespace {

PlotScene Build(PlotAxes axes, bool smallAngle, bool energyCurves)
{
    std::vector<PlotSeries> series{{SeriesMotion::Exact, kExactTraceColour}};
    if (smallAngle)
        series.push_back({SeriesMotion::SmallAngle, kSmallAngleTraceColour});
    return {axes, std::move(series), energyCurves};
}

} // namespace

const PlotScene& DampedPlotScene(PlotAxes axes, DampedPlotOptions options)
{
    // Indexed by axes, small angle, energy curves.
    static const std::array<PlotScene, 8> scenes = [] {
        constexpr auto kOsc = PlotAxes::Oscillation;
        constexpr auto kPhase = PlotAxes::Phase;
        return std::array<PlotScene, 8>{Build(kOsc, false, false),   Build(kOsc, false, true),
                                        Build(kOsc, true, false),    Build(kOsc, true, true),
                                        Build(kPhase, false, false), Build(kPhase, false, true),
                                        Build(kPhase, true, false),  Build(kPhase, true, true)};
    }();
    const std::size_t index = (axes == PlotAxes::Phase ? 4 : 0) + (options.smallAngle ? 2 : 0)
        + (options.energyCurves ? 1 : 0);
    return scenes[index];
}

void DrawDampedPlots(const DampedPlotBoxes& boxes, const PenduleState& state,
                     const MotionRecorder& recording, bool energyCurves,
                     std::string_view decimalMark)
{
    for (std::size_t i = 0; i < 2; ++i) {
        const DampedPlotOptions options{i == 1, energyCurves};
        DampedPlotScene(PlotAxes::Oscillation, options)
            .DrawWhole(*boxes.oscillation[i], state, recording, decimalMark);
        DampedPlotScene(PlotAxes::Phase, options)
            .DrawWhole(*boxes.phase[i], state, recording, decimalMark);
    }
}

void DrawDampedSegment(const DampedPlotBoxes& boxes, const TraceSample& from, const TraceSample& to)
{
    // The energy curves change nothing in a step.
    static const std::array<const PlotScene*, 4> scenes{
        &DampedPlotScene(PlotAxes::Oscillation, {false, false}),
        &DampedPlotScene(PlotAxes::Phase, {false, false}),
        &DampedPlotScene(PlotAxes::Oscillation, {true, false}),
        &DampedPlotScene(PlotAxes::Phase, {true, false})};
    for (std::size_t i = 0; i < 2; ++i) {
        scenes[2 * i]->DrawSegment(*boxes.oscillation[i], from, to);
        scenes[2 * i + 1]->DrawSegment(*boxes.phase[i], from, to);
    }
}

} // namespace kestrova
