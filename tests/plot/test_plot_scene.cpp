#include "plot/damped_plots.h"
#include "plot/energy_curves.h"
#include "plot/plot_frames.h"

#include "model/damped_animation.h"
#include "model/parameters.h"
#include "tests/support/recording_surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <ostream>
#include <string>
#include <vector>

namespace kestrova {
namespace {

using testing::Primitive;
using testing::PrimitiveKind;
using testing::RecordingSurface;

/// A damped run reset with the window's start sliders (unless given) and
/// advanced by 253 ms (unless given): 26 rows and a latest sample past the
/// last one.
struct ShortRun {
    PenduleState state;
    MotionRecorder recording;
    TraceSample next; ///< the sample one millisecond after the latest

    explicit ShortRun(double span = 0, SliderValues setup = {}, double seconds = 0.253)
    {
        const Parameters p = ParametersFromSliders(setup);
        state.Teta = state.Teta0 = p.Teta0;
        state.Omega = state.Omega0 = p.Omega0;
        state.Pulsation2 = p.Pulsation2;
        state.Lambda = p.Lambda;
        const LinearSolutionResult start =
            LinearSolution(p.Teta0, p.Omega0, p.Pulsation2, p.Lambda, 0);
        const AmplitudeScan scan =
            ScanAmplitudes(p.Teta0, p.Omega0, p.Pulsation2, p.Lambda, start.DureeTrace);
        state.TetaMax = scan.angleScale;
        state.OmegaMax = scan.maxSpeed;
        state.DureeTrace = span > 0 ? span : start.DureeTrace;
        recording.Reset({0, {p.Teta0, p.Omega0}, start.motion}, p.Pulsation2, p.Lambda);
        const AnimationStep step = AdvanceAnimation(state, seconds);
        for (std::size_t k = 1; k < step.samples.size(); ++k)
            recording.Add(step.samples[k]);
        next = AdvanceAnimation(state, seconds + 0.001).samples.back();
    }
};

std::vector<Primitive> LinesIn(const RecordingSurface& s, Colour colour)
{
    std::vector<Primitive> out;
    for (const Primitive& p : s.primitives)
        if (p.kind == PrimitiveKind::Line && p.colour == colour)
            out.push_back(p);
    return out;
}

std::vector<std::string> Texts(const RecordingSurface& s)
{
    std::vector<std::string> out;
    for (const Primitive& p : s.primitives)
        if (p.kind == PrimitiveKind::Text)
            out.push_back(p.text);
    return out;
}

/// Where a primitive of a colour first and last comes in the drawing order.
std::pair<std::ptrdiff_t, std::ptrdiff_t> Span(const RecordingSurface& s, Colour colour)
{
    std::ptrdiff_t first = -1, last = -1;
    for (std::size_t i = 0; i < s.primitives.size(); ++i)
        if (s.primitives[i].kind != PrimitiveKind::Text && s.primitives[i].colour == colour) {
            first = first < 0 ? std::ptrdiff_t(i) : first;
            last = std::ptrdiff_t(i);
        }
    return {first, last};
}

struct Point {
    double x, y;
};

Point At(PlotAxes axes, double time, const Motion& m)
{
    return axes == PlotAxes::Oscillation ? Point{time, m.angle} : Point{m.angle, m.speed};
}

struct Case {
    const char* name;
    PlotAxes axes;
    DampedPlotOptions options;
    double span;           ///< the plot's time span, 0 for the run's own
    std::size_t drawnRows; ///< rows the series reach (besides the first)
    bool toLatest;         ///< a last segment to the latest sample
};

void PrintTo(const Case& c, std::ostream* out)
{
    *out << c.name;
}

class DampedScene : public ::testing::TestWithParam<Case> { };

// The whole plot: energy curves under the frame, the frame as drawn alone,
// then each series joined through the recorded rows to the latest sample,
// red first and green over it; the next step adds one segment per series
// where the whole drawing left off.
TEST_P(DampedScene, WholeThenStepByStep)
{
    const Case& c = GetParam();
    const ShortRun run(c.span);
    const PlotScene& scene = DampedPlotScene(c.axes, c.options);
    RecordingSurface whole(464, 320);
    scene.DrawWhole(whole, run.state, run.recording);

    RecordingSurface frame(464, 320);
    const PlotGraduations g = CheckedPlotGraduations(run.state);
    if (c.axes == PlotAxes::Oscillation) {
        frame.Scale(-0.85, run.state.TetaMax, 10.3, -run.state.TetaMax);
        DrawOscillationFrame(frame, run.state, g);
    } else {
        DrawPhaseFrame(frame, g);
    }
    EXPECT_EQ(Texts(whole), Texts(frame));
    EXPECT_EQ(whole.ScaleLeft(), frame.ScaleLeft());
    EXPECT_EQ(whole.ScaleTop(), frame.ScaleTop());

    const bool curves = c.options.energyCurves && c.axes == PlotAxes::Phase;
    const auto [curvesFrom, curvesTo] = Span(whole, kEnergyLevelColour);
    EXPECT_EQ(curvesFrom >= 0, curves);
    const auto border =
        std::find_if(whole.primitives.rbegin(), whole.primitives.rend(),
                     [](const Primitive& p) { return p.kind == PrimitiveKind::Box; });
    ASSERT_NE(border, whole.primitives.rend());
    const std::ptrdiff_t borderAt = whole.primitives.rend() - border - 1;
    EXPECT_LT(curvesTo, borderAt);
    if (curves) {
        // Seen on a projector: over every grid line, under the labels, wider
        // than a pixel and darker than a light grey (luma below 150 of 255).
        std::ptrdiff_t lastGrid = -1, firstLabel = -1;
        for (std::size_t i = 0; i < whole.primitives.size(); ++i) {
            const Primitive& p = whole.primitives[i];
            lastGrid = p.drawStyle == kDotted ? std::ptrdiff_t(i) : lastGrid;
            if (p.kind == PrimitiveKind::Text && firstLabel < 0)
                firstLabel = std::ptrdiff_t(i);
            EXPECT_TRUE(p.colour != kEnergyLevelColour || p.drawWidth >= 2);
        }
        EXPECT_TRUE(lastGrid < curvesFrom && curvesTo < firstLabel);
        const Colour c = kEnergyLevelColour;
        EXPECT_LT(0.299 * (c & 0xFF) + 0.587 * ((c >> 8) & 0xFF) + 0.114 * (c >> 16), 150);
    }

    const auto [redFrom, redTo] = Span(whole, kExactTraceColour);
    const auto [greenFrom, greenTo] = Span(whole, kSmallAngleTraceColour);
    EXPECT_GT(redFrom, borderAt);
    EXPECT_EQ(greenFrom > redTo, c.options.smallAngle);
    EXPECT_EQ(greenFrom >= 0, c.options.smallAngle);

    for (const auto& [colour, small] :
         {std::pair{kExactTraceColour, false}, std::pair{kSmallAngleTraceColour, true}}) {
        if (small && !c.options.smallAngle)
            continue;
        SCOPED_TRACE(small ? "small angles" : "exact");
        const auto motion = [small](const auto& row) { return small ? row.approx : row.exact; };
        const std::vector<Primitive> lines = LinesIn(whole, colour);
        ASSERT_EQ(lines.size(), c.drawnRows + (c.toLatest ? 1 : 0));
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const bool latest = i == c.drawnRows;
            const RecordedRow from = run.recording.Row(i);
            const RecordedRow row = latest ? RecordedRow{} : run.recording.Row(i + 1);
            const Point a = At(c.axes, from.time, motion(from));
            const Point b = latest
                ? At(c.axes, run.recording.Last().time, motion(run.recording.Last()))
                : At(c.axes, row.time, motion(row));
            EXPECT_EQ(lines[i].x1, a.x);
            EXPECT_EQ(lines[i].y1, a.y);
            EXPECT_EQ(lines[i].x2, b.x);
            EXPECT_EQ(lines[i].y2, b.y);
        }

        RecordingSurface step(464, 320);
        scene.DrawSegment(step, run.recording.Last(), run.next);
        const std::vector<Primitive> segment = LinesIn(step, colour);
        ASSERT_EQ(segment.size(), 1u);
        const Point a = At(c.axes, run.recording.Last().time, motion(run.recording.Last()));
        const Point b = At(c.axes, run.next.time, motion(run.next));
        EXPECT_EQ(segment[0].x1, a.x);
        EXPECT_EQ(segment[0].y1, a.y);
        EXPECT_EQ(segment[0].x2, b.x);
        EXPECT_EQ(segment[0].y2, b.y);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Plots, DampedScene,
    ::testing::Values(
        Case{"oscillation", PlotAxes::Oscillation, {false, false}, 0, 25, true},
        Case{"oscillation_small_angles", PlotAxes::Oscillation, {true, true}, 0, 25, true},
        // One row past the span is drawn, then nothing.
        Case{"oscillation_past_its_span", PlotAxes::Oscillation, {true, false}, 0.1, 11, false},
        Case{"phase", PlotAxes::Phase, {false, false}, 0.1, 25, true},
        Case{"phase_energy_curves", PlotAxes::Phase, {false, true}, 0, 25, true},
        Case{"phase_small_angles_energy_curves", PlotAxes::Phase, {true, true}, 0, 25, true}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

// A pendulum going over the top: its angle wraps from +180° to -180°. Each
// trace leaves by one edge and comes back by the other, whole and step by
// step, never by a line across the plot.
TEST(PlotScene, TraceOverTheTopBreaksAtTheEdges)
{
    const ShortRun run(0, SliderValues{170, 6, 40, 0}, 1.5);
    for (const PlotAxes axes : {PlotAxes::Oscillation, PlotAxes::Phase}) {
        const auto angle = [axes](const Primitive& p, bool end) {
            return axes == PlotAxes::Oscillation ? (end ? p.y2 : p.y1) : (end ? p.x2 : p.x1);
        };
        const PlotScene& scene = DampedPlotScene(axes, {false, false});
        RecordingSurface whole(464, 320), step(464, 320);
        scene.DrawWhole(whole, run.state, run.recording);
        for (const Primitive& p : LinesIn(whole, kExactTraceColour))
            EXPECT_LE(std::fabs(angle(p, true) - angle(p, false)), std::numbers::pi);
        scene.DrawSegment(step, {1, {3.1, 5}, {}}, {1.01, {-3.1, 5}, {}});
        const std::vector<Primitive> pieces = LinesIn(step, kExactTraceColour);
        ASSERT_EQ(pieces.size(), 2u);
        EXPECT_EQ(angle(pieces[0], true), std::numbers::pi);
        EXPECT_EQ(angle(pieces[1], false), -std::numbers::pi);
    }
}

// A state the frame cannot graduate is refused before anything is drawn.
TEST(PlotScene, RefusesAnAbsurdStateBeforeDrawing)
{
    for (const PlotAxes axes : {PlotAxes::Oscillation, PlotAxes::Phase}) {
        ShortRun run;
        run.state.OmegaMax = std::numeric_limits<double>::quiet_NaN();
        RecordingSurface surface;
        EXPECT_THROW(
            DampedPlotScene(axes, {true, true}).DrawWhole(surface, run.state, run.recording),
            std::invalid_argument);
        EXPECT_TRUE(surface.primitives.empty());
    }
}

} // namespace
} // namespace kestrova
