#include "plot/plot_frames.h"

#include "tests/support/recording_surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace kestrova {
namespace {

using testing::Primitive;
using testing::PrimitiveKind;
using testing::RecordingSurface;

// Inside sizes of the window's plot boxes, in logical pixels.
constexpr double kOscillationWidth = 344, kOscillationHeight = 320;
constexpr double kPhaseWidth = 464, kPhaseHeight = 320;
constexpr Colour kGridColour = 0x808080; // a foreground colour other than black

double Degrees(double d) { return d * DegToRad; }

// ---------------------------------------------------------------------------
// Steps and bounds

struct GraduationCase {
    const char* name;
    double tetaMaxDegrees, omegaMax, dureeTrace;
    PlotGraduations expected;
};

void PrintTo(const GraduationCase& c, std::ostream* os) { *os << c.name; }

class GraduationRules : public ::testing::TestWithParam<GraduationCase> {};

TEST_P(GraduationRules, StepsAndBounds)
{
    const GraduationCase& c = GetParam();
    const PlotGraduations g = ComputePlotGraduations(Degrees(c.tetaMaxDegrees), c.omegaMax, c.dureeTrace);
    EXPECT_EQ(g.OscAngleStep, c.expected.OscAngleStep);
    EXPECT_EQ(g.PhaseAngleMax, c.expected.PhaseAngleMax);
    EXPECT_DOUBLE_EQ(g.PhaseAngleStep, c.expected.PhaseAngleStep);
    EXPECT_DOUBLE_EQ(g.PhaseSpeedMax, c.expected.PhaseSpeedMax);
    EXPECT_DOUBLE_EQ(g.PhaseSpeedStep, c.expected.PhaseSpeedStep);
    EXPECT_EQ(g.TimeStep, c.expected.TimeStep);
    EXPECT_EQ(g.DureeTrace, c.expected.DureeTrace);
}

// Fields: OscAngleStep, PhaseAngleMax, PhaseAngleStep, PhaseSpeedMax,
// PhaseSpeedStep, TimeStep, DureeTrace.
INSTANTIATE_TEST_SUITE_P(
    Inputs, GraduationRules,
    ::testing::Values(
        GraduationCase{"complete_30deg_2_6_12s", 30, 2.6, 12, {5, 30, 5, 3, 1, 1, 12}},
        GraduationCase{"one_degree_at_rest", 1, 0, 10, {1, 1, 0.1, 0.05, 0.005, 1, 10}},
        GraduationCase{"two_degrees_keep_whole_step", 2, 0.03, 10, {1, 2, 1, 0.05, 0.005, 1, 10}},
        GraduationCase{"eight_degrees_last_unit_step", 8, 1, 10, {1, 8, 1, 1.1, 0.1, 1, 10}},
        GraduationCase{"nine_degrees_rounded_to_ten", 9, 1.45, 10, {2, 10, 2, 1.5, 0.1, 1, 10}},
        GraduationCase{"twenty_degrees", 20, 1.6, 10, {2, 20, 2, 2, 0.5, 1, 10}},
        GraduationCase{"twenty_one_degrees", 21, 2, 10, {5, 25, 5, 2.5, 0.5, 1, 10}},
        // 31 x DegToRad / DegToRad is a hair below 31: floor gives 30.
        GraduationCase{"thirty_one_degrees_inexact", 31, 2.5, 10, {5, 35, 5, 3, 0.5, 1, 10}},
        GraduationCase{"fifty_degrees", 50, 3.5, 10, {5, 50, 5, 4, 1, 1, 10}},
        GraduationCase{"fifty_one_degrees", 51, 10.5, 10, {10, 60, 10, 11, 1, 1, 10}},
        GraduationCase{"ninety_degrees", 90, 11.5, 10, {10, 90, 10, 12, 2, 1, 10}},
        GraduationCase{"ninety_one_degrees", 91, 16.5, 10, {20, 100, 20, 18, 2, 1, 10}},
        GraduationCase{"half_turn", 180, 16.6, 10, {20, 180, 20, 20, 5, 1, 10}},
        GraduationCase{"speed_between_steps_0_03", 1, 0.03, 10, {1, 1, 0.1, 0.05, 0.005, 1, 10}},
        GraduationCase{"speed_half_rounds_to_zero", 1, 0.5, 10, {1, 1, 0.1, 0.55, 0.05, 1, 10}},
        GraduationCase{"speed_one_and_a_half_rounds_to_two", 1, 1.5, 10, {1, 1, 0.1, 2, 0.5, 1, 10}},
        GraduationCase{"speed_exact_multiple_gains_a_step", 1, 2, 10, {1, 1, 0.1, 2.5, 0.5, 1, 10}},
        GraduationCase{"speed_2_5_ties_to_even", 1, 2.5, 10, {1, 1, 0.1, 3, 0.5, 1, 10}},
        GraduationCase{"speed_3_5_ties_to_even", 1, 3.5, 10, {1, 1, 0.1, 4, 1, 1, 10}},
        GraduationCase{"speed_beyond_16_bits", 1, 40000, 10, {1, 1, 0.1, 40005, 5, 1, 10}},
        GraduationCase{"span_16s", 5, 1, 16, {1, 5, 1, 1.1, 0.1, 1, 16}},
        GraduationCase{"span_17s_to_18", 5, 1, 17, {1, 5, 1, 1.1, 0.1, 2, 18}},
        GraduationCase{"span_32s", 5, 1, 32, {1, 5, 1, 1.1, 0.1, 2, 32}},
        GraduationCase{"span_33s_to_35", 5, 1, 33, {1, 5, 1, 1.1, 0.1, 5, 35}},
        GraduationCase{"span_10_6s_to_10", 5, 1, 10.6, {1, 5, 1, 1.1, 0.1, 1, 10}},
        GraduationCase{"span_16_4s_rounds_to_even_16", 5, 1, 16.4, {1, 5, 1, 1.1, 0.1, 2, 16}},
        GraduationCase{"span_144s_to_145", 5, 1, 144, {1, 5, 1, 1.1, 0.1, 5, 145}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Drawing on the recording surfaces

/// The four plot boxes as the window has them after ResetSimulation's own
/// clearing and scaling.
struct PlotBoxes {
    RecordingSurface osc0{kOscillationWidth, kOscillationHeight};
    RecordingSurface osc1{kOscillationWidth, kOscillationHeight};
    RecordingSurface phase0{kPhaseWidth, kPhaseHeight};
    RecordingSurface phase1{kPhaseWidth, kPhaseHeight};
    PenduleState state;

    PlotBoxes(double tetaMaxDegrees, double omegaMax, double dureeTrace)
    {
        state.TetaMax = Degrees(tetaMaxDegrees);
        state.OmegaMax = omegaMax;
        state.DureeTrace = dureeTrace;
        for (RecordingSurface* box : {&osc0, &osc1, &phase0, &phase1})
            box->SetForeColor(kGridColour);
        for (RecordingSurface* box : {&osc0, &osc1})
            box->Scale(-0.85, state.TetaMax, 10.3, -state.TetaMax);
    }

    void Draw() { DrawPlotFrames(state, {&osc0, &osc1}, {&phase0, &phase1}); }
};

std::vector<Primitive> OfKind(const RecordingSurface& box, PrimitiveKind kind)
{
    std::vector<Primitive> out;
    for (const Primitive& p : box.primitives)
        if (p.kind == kind)
            out.push_back(p);
    return out;
}

std::vector<std::string> Texts(const RecordingSurface& box)
{
    std::vector<std::string> out;
    for (const Primitive& p : OfKind(box, PrimitiveKind::Text))
        out.push_back(p.text);
    return out;
}

std::vector<std::string> Numbers(int from, int to, int step)
{
    std::vector<std::string> out;
    for (int n = from; step > 0 ? n <= to : n >= to; n += step)
        out.push_back(std::to_string(n));
    return out;
}

template <typename... Lists>
std::vector<std::string> Join(const std::vector<std::string>& first, const Lists&... rest)
{
    std::vector<std::string> out = first;
    (out.insert(out.end(), rest.begin(), rest.end()), ...);
    return out;
}

/// What a primitive should be; positions compared to a small fraction of a pixel.
struct Expected {
    PrimitiveKind kind;
    double x1, y1, x2 = 0, y2 = 0;
    int drawStyle = kSolid;
    Colour colour = kGridColour;
    std::string text;
};

Expected Dotted(double x1, double y1, double x2, double y2)
{
    return {PrimitiveKind::Line, x1, y1, x2, y2, kDotted, kGridColour, ""};
}
Expected Solid(double x1, double y1, double x2, double y2)
{
    return {PrimitiveKind::Line, x1, y1, x2, y2, kSolid, kGridColour, ""};
}
Expected Frame(double x1, double y1, double x2, double y2)
{
    return {PrimitiveKind::Box, x1, y1, x2, y2, kSolid, 0, ""};
}
Expected Label(const std::string& text, double x, double y, int drawStyle)
{
    return {PrimitiveKind::Text, x, y, 0, 0, drawStyle, kGridColour, text};
}

/// Compares the recorded primitives with the expected ones, in order; the
/// tolerance is a thousandth of a pixel in the box's final system.
void ExpectPrimitives(const RecordingSurface& box, const std::vector<Expected>& expected)
{
    ASSERT_EQ(box.primitives.size(), expected.size());
    const double tx = std::fabs(box.ScaleWidth()) / kOscillationWidth * 1e-3;
    const double ty = std::fabs(box.ScaleHeight()) / kOscillationHeight * 1e-3;
    for (std::size_t n = 0; n < expected.size(); ++n) {
        const Primitive& p = box.primitives[n];
        const Expected& e = expected[n];
        SCOPED_TRACE("primitive " + std::to_string(n) + " " + e.text);
        EXPECT_EQ(p.kind, e.kind);
        EXPECT_NEAR(p.x1, e.x1, tx);
        EXPECT_NEAR(p.y1, e.y1, ty);
        if (e.kind != PrimitiveKind::Text) {
            EXPECT_NEAR(p.x2, e.x2, tx);
            EXPECT_NEAR(p.y2, e.y2, ty);
        }
        EXPECT_EQ(p.drawStyle, e.drawStyle);
        EXPECT_EQ(p.colour, e.colour);
        EXPECT_EQ(p.text, e.text);
        EXPECT_EQ(p.font.Name, "Arial");
        EXPECT_EQ(p.font.Size, 8);
        EXPECT_TRUE(p.font.Bold());
        EXPECT_EQ(p.drawWidth, 1);
        EXPECT_EQ(p.scaleLeft, box.ScaleLeft());
        EXPECT_EQ(p.scaleTop, box.ScaleTop());
    }
}

TEST(DrawPlotFrames, CompleteCaseOscillationPlot)
{
    PlotBoxes boxes(30, 2.6, 12);
    boxes.Draw();
    const RecordingSurface& box = boxes.osc0;

    // Three fitting passes from the reset's system (width 11.15 s): each
    // measures "-120" (24 px) and "15" (12 px) in the previous pass's width.
    double width = 11.15, measuredIn = width;
    for (int pass = 0; pass < 3; ++pass) {
        measuredIn = width;
        width = 12 + 36 * measuredIn / kOscillationWidth;
    }
    const double top = Degrees(32.5);
    EXPECT_DOUBLE_EQ(box.ScaleLeft(), -24 * measuredIn / kOscillationWidth);
    EXPECT_DOUBLE_EQ(box.ScaleWidth(), width);
    EXPECT_DOUBLE_EQ(box.ScaleTop(), top);
    EXPECT_DOUBLE_EQ(box.ScaleHeight(), -2 * top);
    // Already within a tenth of a pixel of the fixed point of the fitting.
    const double fixedPoint = 12 / (1 - 36 / kOscillationWidth);
    EXPECT_LT(std::fabs(width - fixedPoint) * kOscillationWidth / width, 0.1);

    const double charWidth = 6 * width / kOscillationWidth;   // s per character
    const double textHeight = 13 * -2 * top / kOscillationHeight; // negative: y up
    const double angle = Degrees(30);
    std::vector<Expected> expected;
    for (int second = 0; second <= 12; ++second) {
        expected.push_back(Dotted(second, angle, second, -angle));
        if (second != 0) {
            const std::string s = std::to_string(second);
            expected.push_back(Label(s, second - s.size() * charWidth / 2, textHeight * 0.25, kDotted));
        }
    }
    for (int degrees = -30; degrees <= 30; degrees += 5) {
        const double y = Degrees(degrees);
        expected.push_back(degrees == 0 ? Solid(0, y, 12, y) : Dotted(0, y, 12, y));
    }
    for (int degrees = -30; degrees <= 30; degrees += 5) {
        const std::string s = std::to_string(degrees);
        // The last grid line (30 degrees) was dotted, and labels keep that pen.
        expected.push_back(
            Label(s, -0.1 - s.size() * charWidth, Degrees(degrees) - textHeight / 2, kDotted));
    }
    expected.push_back(Frame(0, angle, 12, -angle));
    ExpectPrimitives(box, expected);
}

TEST(DrawPlotFrames, CompleteCasePhasePortrait)
{
    PlotBoxes boxes(30, 2.6, 12);
    boxes.Draw();
    const RecordingSurface& box = boxes.phase0;

    const double a = Degrees(30);
    EXPECT_DOUBLE_EQ(box.ScaleLeft(), -Degrees(31.5));
    EXPECT_DOUBLE_EQ(box.ScaleWidth(), 2 * 1.05 * a);
    EXPECT_DOUBLE_EQ(box.ScaleTop(), 3.15);
    EXPECT_DOUBLE_EQ(box.ScaleHeight(), -6.3);

    const double charWidth = 6 * 2 * 1.05 * a / kPhaseWidth;
    const double textHeight = 13 * -6.3 / kPhaseHeight;
    std::vector<Expected> expected{Solid(0, -3, 0, 3)}; // speed axis, no "0" label
    for (int degrees : {5, 10, 15, 20, 25, 30, -5, -10, -15, -20, -25, -30}) {
        const double x = Degrees(degrees);
        const std::string s = std::to_string(degrees);
        expected.push_back(Dotted(x, -3, x, textHeight)); // gap below the axis for the label
        expected.push_back(Dotted(x, 0, x, 3));
        expected.push_back(Label(s, x - s.size() * charWidth / 2, textHeight * 0.3, kDotted));
    }
    expected.push_back(Solid(-a, 0, a, 0)); // angle axis
    expected.push_back(Label("0", -1.2 * charWidth, -textHeight / 2, kSolid));
    for (int speed : {1, 2, 3, -1, -2, -3}) {
        const std::string s = std::to_string(speed);
        const double w = s.size() * charWidth;
        expected.push_back(Dotted(-a, speed, -w, speed)); // gap left of the axis for the label
        expected.push_back(Dotted(0, speed, a, speed));
        expected.push_back(Label(s, -1.2 * w, speed - textHeight / 2, kDotted));
    }
    expected.push_back(Frame(-a, 3, a, -3));
    ExpectPrimitives(box, expected);
}

void ExpectSameDrawing(const RecordingSurface& a, const RecordingSurface& b)
{
    ASSERT_EQ(a.primitives.size(), b.primitives.size());
    for (std::size_t n = 0; n < a.primitives.size(); ++n) {
        const Primitive& p = a.primitives[n];
        const Primitive& q = b.primitives[n];
        EXPECT_EQ(p.kind, q.kind);
        EXPECT_EQ(p.x1, q.x1);
        EXPECT_EQ(p.y1, q.y1);
        EXPECT_EQ(p.x2, q.x2);
        EXPECT_EQ(p.y2, q.y2);
        EXPECT_EQ(p.text, q.text);
        EXPECT_EQ(p.drawStyle, q.drawStyle);
        EXPECT_EQ(p.colour, q.colour);
    }
}

TEST(DrawPlotFrames, BothMembersOfEachPairGetTheSameFrame)
{
    PlotBoxes boxes(45, 3.2, 10);
    boxes.Draw();
    ExpectSameDrawing(boxes.osc0, boxes.osc1);
    ExpectSameDrawing(boxes.phase0, boxes.phase1);
}

TEST(DrawPlotFrames, LeavesSolidPenAndLabelFontWithoutClearing)
{
    PlotBoxes boxes(30, 2.6, 12);
    FontSpec italic;
    italic.Name = "Courier";
    italic.Size = 12;
    italic.Italic = true;
    boxes.phase1.SetFont(italic);
    boxes.osc1.SetDrawStyle(kDashed);
    boxes.Draw();
    for (const RecordingSurface* box : {&boxes.osc0, &boxes.osc1, &boxes.phase0, &boxes.phase1}) {
        EXPECT_EQ(box->DrawStyle(), kSolid);
        EXPECT_EQ(box->Font().Name, "Arial");
        EXPECT_EQ(box->Font().Size, 8);
        EXPECT_TRUE(box->Font().Bold());
        EXPECT_TRUE(OfKind(*box, PrimitiveKind::Clear).empty());
    }
    // Only the name, size and weight are the frame's business.
    EXPECT_TRUE(boxes.phase1.Font().Italic);
}

// ---------------------------------------------------------------------------
// The time axis

struct TimeAxisCase {
    const char* name;
    double dureeTrace;
    double span;
    int step;
};

void PrintTo(const TimeAxisCase& c, std::ostream* os) { *os << c.name; }

class TimeAxis : public ::testing::TestWithParam<TimeAxisCase> {};

TEST_P(TimeAxis, LinesLabelsAndStoredSpan)
{
    const TimeAxisCase& c = GetParam();
    PlotBoxes boxes(30, 2.6, c.dureeTrace);
    boxes.Draw();
    EXPECT_EQ(boxes.state.DureeTrace, c.span);

    // Vertical lines are the time graduations; no label at the origin.
    std::vector<double> times;
    for (const Primitive& p : OfKind(boxes.osc0, PrimitiveKind::Line))
        if (p.x1 == p.x2)
            times.push_back(p.x1);
    std::vector<double> expectedTimes;
    for (int t = 0; t <= c.span; t += c.step)
        expectedTimes.push_back(t);
    EXPECT_EQ(times, expectedTimes);

    const std::vector<std::string> texts = Texts(boxes.osc0);
    const std::vector<std::string> timeLabels(texts.begin(), texts.end() - 13); // 13 angle labels
    EXPECT_EQ(timeLabels, Numbers(c.step, static_cast<int>(c.span), c.step));

    const Primitive frame = OfKind(boxes.osc0, PrimitiveKind::Box).at(0);
    EXPECT_EQ(frame.x2, c.span);
    // The right margin holds "15" (12 px) beyond the end of the span; three
    // fitting passes from the reset's 11.15 s get within a fraction of a pixel
    // even for the longest spans.
    const double pixel = boxes.osc0.ScaleWidth() / kOscillationWidth;
    EXPECT_NEAR(boxes.osc0.ScaleLeft() + boxes.osc0.ScaleWidth(), c.span + 12 * pixel, 0.25 * pixel);
}

INSTANTIATE_TEST_SUITE_P(Spans, TimeAxis,
                         ::testing::Values(TimeAxisCase{"span_10s", 10, 10, 1},
                                           TimeAxisCase{"span_17s_rounded_to_18", 17, 18, 2},
                                           TimeAxisCase{"span_33s_rounded_to_35", 33, 35, 5},
                                           TimeAxisCase{"span_10_6s_cut_to_10", 10.6, 10, 1},
                                           TimeAxisCase{"span_144s_rounded_to_145", 144, 145, 5}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Small angles: the oscillation grid and the phase portrait's angle axis

/// Horizontal grid lines of an oscillation box, as (degrees, style).
std::vector<std::pair<double, int>> AngleLines(const RecordingSurface& box)
{
    std::vector<std::pair<double, int>> out;
    for (const Primitive& p : OfKind(box, PrimitiveKind::Line))
        if (p.y1 == p.y2)
            out.emplace_back(p.y1 / DegToRad, p.drawStyle);
    return out;
}

TEST(DrawPlotFrames, OneDegreeGraduatesThePhaseAnglesInTenths)
{
    PlotBoxes boxes(1, 0, 10);
    boxes.Draw();

    const std::vector<std::pair<double, int>> lines = AngleLines(boxes.osc0);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], std::make_pair(-1.0, int{kDotted}));
    EXPECT_EQ(lines[1], std::make_pair(0.0, int{kSolid}));
    EXPECT_EQ(lines[2], std::make_pair(1.0, int{kDotted}));

    // Phase: ten additions of 0.1 land a hair below 1, still drawn and
    // labelled "1"; the speed axis is graduated every 0.005 up to 0.05.
    const std::vector<std::string> angleLabels = {
        "0.1",  "0.2",  "0.3",  "0.4",  "0.5",  "0.6",  "0.7",  "0.8",  "0.9",  "1",
        "-0.1", "-0.2", "-0.3", "-0.4", "-0.5", "-0.6", "-0.7", "-0.8", "-0.9", "-1"};
    const std::vector<std::string> speedLabels = {
        "0",      "0.005",  "0.01",   "0.015",  "0.02",   "0.025",  "0.03",
        "0.035",  "0.04",   "0.045",  "0.05",   "-0.005", "-0.01",  "-0.015",
        "-0.02",  "-0.025", "-0.03",  "-0.035", "-0.04",  "-0.045", "-0.05"};
    EXPECT_EQ(Texts(boxes.phase0), Join(angleLabels, speedLabels));

    const std::vector<Primitive> texts = OfKind(boxes.phase0, PrimitiveKind::Text);
    const double charWidth = 6 * boxes.phase0.ScaleWidth() / kPhaseWidth;
    EXPECT_NEAR(texts[9].x1, DegToRad - 0.5 * charWidth, 1e-12); // "1" centred on 1 degree
    const Primitive frame = OfKind(boxes.phase0, PrimitiveKind::Box).at(0);
    EXPECT_DOUBLE_EQ(frame.x2, DegToRad);
    EXPECT_DOUBLE_EQ(frame.y1, 0.05);
}

TEST(DrawPlotFrames, NineDegreesHasNoSolidZeroLine)
{
    PlotBoxes boxes(9, 1.45, 10);
    boxes.Draw();

    std::vector<std::pair<double, int>> expectedLines;
    for (int degrees = -9; degrees <= 9; degrees += 2)
        expectedLines.emplace_back(degrees, kDotted);
    const std::vector<std::pair<double, int>> lines = AngleLines(boxes.osc0);
    ASSERT_EQ(lines.size(), expectedLines.size());
    for (std::size_t n = 0; n < lines.size(); ++n) {
        EXPECT_NEAR(lines[n].first, expectedLines[n].first, 1e-12);
        EXPECT_EQ(lines[n].second, expectedLines[n].second);
    }
    const std::vector<std::string> texts = Texts(boxes.osc0);
    EXPECT_EQ(std::vector<std::string>(texts.end() - 10, texts.end()), Numbers(-9, 9, 2));
    // The oscillation box reaches one half step (1 degree) beyond 9 degrees.
    EXPECT_DOUBLE_EQ(boxes.osc0.ScaleTop(), Degrees(9) + Degrees(2) / 2);

    const std::vector<std::string> phaseTexts = Texts(boxes.phase0);
    EXPECT_EQ(std::vector<std::string>(phaseTexts.begin(), phaseTexts.begin() + 10),
              Join(Numbers(2, 10, 2), Numbers(-2, -10, -2)));
    EXPECT_DOUBLE_EQ(boxes.phase0.ScaleLeft(), -1.05 * Degrees(10));
}

// ---------------------------------------------------------------------------
// The phase portrait's speed axis

struct SpeedAxisCase {
    const char* name;
    double omegaMax;
    std::vector<std::string> labels; ///< positive from 0, then negative
    double bound;
};

void PrintTo(const SpeedAxisCase& c, std::ostream* os) { *os << c.name; }

class SpeedAxis : public ::testing::TestWithParam<SpeedAxisCase> {};

TEST_P(SpeedAxis, LabelsAndBound)
{
    const SpeedAxisCase& c = GetParam();
    PlotBoxes boxes(30, c.omegaMax, 10);
    boxes.Draw();

    const std::vector<std::string> texts = Texts(boxes.phase0);
    const std::vector<std::string> speedLabels(texts.begin() + 12, texts.end()); // after 12 angle labels
    EXPECT_EQ(speedLabels, c.labels);
    EXPECT_DOUBLE_EQ(boxes.phase0.ScaleTop(), 1.05 * c.bound);
    EXPECT_DOUBLE_EQ(OfKind(boxes.phase0, PrimitiveKind::Box).at(0).y1, c.bound);

    // Each speed label sits on its graduation line, centred vertically.
    const double textHeight = 13 * boxes.phase0.ScaleHeight() / kPhaseHeight;
    const std::vector<Primitive> labels = OfKind(boxes.phase0, PrimitiveKind::Text);
    for (std::size_t n = 12; n < labels.size(); ++n)
        EXPECT_NEAR(labels[n].y1 + textHeight / 2, std::stod(labels[n].text), 1e-12) << labels[n].text;
}

INSTANTIATE_TEST_SUITE_P(
    Speeds, SpeedAxis,
    ::testing::Values(
        SpeedAxisCase{"at_rest_0",
                      0,
                      {"0", "0.005", "0.01", "0.015", "0.02", "0.025", "0.03", "0.035", "0.04",
                       "0.045", "0.05", "-0.005", "-0.01", "-0.015", "-0.02", "-0.025", "-0.03",
                       "-0.035", "-0.04", "-0.045", "-0.05"},
                      0.05},
        SpeedAxisCase{"slow_0_03",
                      0.03,
                      {"0", "0.005", "0.01", "0.015", "0.02", "0.025", "0.03", "0.035", "0.04",
                       "0.045", "0.05", "-0.005", "-0.01", "-0.015", "-0.02", "-0.025", "-0.03",
                       "-0.035", "-0.04", "-0.045", "-0.05"},
                      0.05},
        SpeedAxisCase{"exactly_2",
                      2,
                      {"0", "0.5", "1", "1.5", "2", "2.5", "-0.5", "-1", "-1.5", "-2", "-2.5"},
                      2.5},
        SpeedAxisCase{"tie_2_5_to_even_2",
                      2.5,
                      {"0", "0.5", "1", "1.5", "2", "2.5", "3", "-0.5", "-1", "-1.5", "-2", "-2.5",
                       "-3"},
                      3},
        SpeedAxisCase{"tie_3_5_to_even_4",
                      3.5,
                      {"0", "1", "2", "3", "4", "-1", "-2", "-3", "-4"},
                      4}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Redrawing and refusals

TEST(DrawPlotFrames, RedrawingWithoutClearingKeepsTheSystem)
{
    PlotBoxes boxes(30, 2.6, 12);
    boxes.Draw();
    const double left = boxes.osc0.ScaleLeft(), width = boxes.osc0.ScaleWidth();
    const std::size_t firstCount = boxes.osc0.primitives.size();
    boxes.Draw();

    EXPECT_EQ(boxes.state.DureeTrace, 12);
    EXPECT_EQ(boxes.osc0.primitives.size(), 2 * firstCount);
    // Both edges move by a small fraction of a pixel.
    const double pixel = width / kOscillationWidth;
    EXPECT_LT(std::fabs(boxes.osc0.ScaleLeft() - left), 0.1 * pixel);
    EXPECT_LT(std::fabs(boxes.osc0.ScaleLeft() + boxes.osc0.ScaleWidth() - (left + width)),
              0.1 * pixel);
    // And every label lands where it landed the first time.
    for (std::size_t n = 0; n < firstCount; ++n) {
        const Primitive& first = boxes.osc0.primitives[n];
        const Primitive& second = boxes.osc0.primitives[firstCount + n];
        EXPECT_EQ(first.text, second.text);
        EXPECT_LT(std::fabs(first.x1 - second.x1), 0.1 * pixel);
    }
}

struct RefusalCase {
    const char* name;
    double tetaMax, omegaMax, dureeTrace;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class Refusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(Refusals, NothingDrawnAndSpanUntouched)
{
    const RefusalCase& c = GetParam();
    PlotBoxes boxes(30, 2.6, 12);
    boxes.state.TetaMax = c.tetaMax;
    boxes.state.OmegaMax = c.omegaMax;
    boxes.state.DureeTrace = c.dureeTrace;
    const double before = boxes.state.DureeTrace;
    EXPECT_THROW(boxes.Draw(), std::invalid_argument);
    EXPECT_TRUE(boxes.osc0.primitives.empty());
    EXPECT_TRUE(boxes.phase0.primitives.empty());
    if (std::isnan(before))
        EXPECT_TRUE(std::isnan(boxes.state.DureeTrace));
    else
        EXPECT_EQ(boxes.state.DureeTrace, before);
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Inputs, Refusals,
    ::testing::Values(RefusalCase{"infinite_speed", Degrees(30), kInf, 12},
                      RefusalCase{"nan_angle", kNaN, 2.6, 12},
                      RefusalCase{"infinite_span", Degrees(30), 2.6, kInf},
                      RefusalCase{"nan_span", Degrees(30), 2.6, kNaN},
                      // Finite, but the loops would run for ages.
                      RefusalCase{"astronomical_speed", Degrees(30), 1e300, 12},
                      RefusalCase{"astronomical_span", Degrees(30), 2.6, 1e12},
                      RefusalCase{"astronomical_angle", 1e300, 2.6, 12}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DrawPlotFrames, RefusesAMissingBox)
{
    PlotBoxes boxes(30, 2.6, 12);
    EXPECT_THROW(DrawPlotFrames(boxes.state, {&boxes.osc0, nullptr}, {&boxes.phase0, &boxes.phase1}),
                 std::invalid_argument);
    EXPECT_TRUE(boxes.osc0.primitives.empty());
}

TEST(DrawPlotFrames, SpeedFarBeyondSixteenBitsStillDraws)
{
    // The speed step lookup never overflows: it takes the last row.
    PlotBoxes boxes(30, 40000, 12);
    ASSERT_NO_THROW(boxes.Draw());
    const std::vector<std::string> texts = Texts(boxes.phase0);
    ASSERT_GT(texts.size(), 14u);
    EXPECT_EQ(texts[12], "0");
    EXPECT_EQ(texts[13], "5");
    EXPECT_DOUBLE_EQ(boxes.phase0.ScaleTop(), 1.05 * 40005);
}

} // namespace
} // namespace kestrova
