#include "plot/plot_frames.h"

#include "tests/support/recording_surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <sstream>
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
const auto kName = [](const auto& info) { return std::string(info.param.name); };

double Degrees(double d)
{
    return d * DegToRad;
}

/// The four plot boxes as the window has them after its own clearing and scaling.
struct PlotBoxes {
    RecordingSurface osc0{kOscillationWidth, kOscillationHeight};
    RecordingSurface osc1{kOscillationWidth, kOscillationHeight};
    RecordingSurface phase0{kPhaseWidth, kPhaseHeight}, phase1{kPhaseWidth, kPhaseHeight};
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

std::vector<std::string> Texts(const RecordingSurface& box)
{
    std::vector<std::string> out;
    for (const Primitive& p : box.primitives)
        if (p.kind == PrimitiveKind::Text)
            out.push_back(p.text);
    return out;
}

struct Expected {
    PrimitiveKind kind;
    double x1, y1, x2, y2;
    int drawStyle;
    Colour colour;
    std::string text;
};
Expected Line(int style, double x1, double y1, double x2, double y2)
{
    return {PrimitiveKind::Line, x1, y1, x2, y2, style, kGridColour, ""};
}
Expected Frame(double x1, double y1, double x2, double y2)
{
    return {PrimitiveKind::Box, x1, y1, x2, y2, kSolid, 0, ""}; // black
}
Expected Label(const std::string& s, double x, double y, int style)
{
    return {PrimitiveKind::Text, x, y, 0, 0, style, kGridColour, s};
}

/// The recorded primitives in order, positions to a thousandth of a pixel.
void ExpectPrimitives(const RecordingSurface& box, const std::vector<Expected>& expected)
{
    ASSERT_EQ(box.primitives.size(), expected.size());
    const double tx = std::fabs(box.ScaleWidth()) * 1e-6, ty = std::fabs(box.ScaleHeight()) * 1e-6;
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
        EXPECT_TRUE(p.font.Name == "Arial" && p.font.Size == 8 && p.font.Bold());
        EXPECT_EQ(p.drawWidth, 1);
        EXPECT_EQ(p.scaleLeft, box.ScaleLeft());
        EXPECT_EQ(p.scaleTop, box.ScaleTop());
    }
}

// 30°, 2.6 rad/s, 12 s: both members of each pair get the identical frame,
// nothing cleared; drawn again over itself, it stays within a fraction of a pixel.
TEST(DrawPlotFrames, CompleteCasePrimitiveByPrimitiveThenRedrawn)
{
    PlotBoxes boxes(30, 2.6, 12);
    boxes.Draw();
    EXPECT_EQ(boxes.state.DureeTrace, 12);

    // Three fitting passes from the reset's 11.15 s, each measuring "-120"
    // (24 px) and "15" (12 px) in the width the previous pass set.
    double width = 11.15, measuredIn = width;
    for (int pass = 0; pass < 3; ++pass) {
        measuredIn = width;
        width = 12 + 36 * measuredIn / kOscillationWidth;
    }
    const double top = Degrees(32.5), angle = Degrees(30);
    const double charWidth = 6 * width / kOscillationWidth;       // s per character
    const double textHeight = 13 * -2 * top / kOscillationHeight; // negative: y up
    std::vector<Expected> osc;
    for (int second = 0; second <= 12; ++second) {
        osc.push_back(Line(kDotted, second, angle, second, -angle));
        const std::string s = std::to_string(second);
        if (second != 0)
            osc.push_back(Label(s, second - s.size() * charWidth / 2, textHeight * 0.25, kDotted));
    }
    for (int degrees = -30; degrees <= 30; degrees += 5)
        osc.push_back(
            Line(degrees == 0 ? kSolid : kDotted, 0, Degrees(degrees), 12, Degrees(degrees)));
    for (int degrees = -30; degrees <= 30; degrees += 5) {
        const std::string s = std::to_string(degrees); // keeps the last grid line's dotted pen
        osc.push_back(
            Label(s, -0.1 - s.size() * charWidth, Degrees(degrees) - textHeight / 2, kDotted));
    }
    osc.push_back(Frame(0, angle, 12, -angle));

    const double phaseChar = 6 * 2 * 1.05 * angle / kPhaseWidth;
    const double phaseText = 13 * -6.3 / kPhaseHeight;
    std::vector<Expected> phase{Line(kSolid, 0, -3, 0, 3)}; // speed axis, no "0" label
    for (int degrees : {5, 10, 15, 20, 25, 30, -5, -10, -15, -20, -25, -30}) {
        const double x = Degrees(degrees);
        const std::string s = std::to_string(degrees);
        phase.push_back(Line(kDotted, x, -3, x, phaseText)); // gap below the axis for the label
        phase.push_back(Line(kDotted, x, 0, x, 3));
        phase.push_back(Label(s, x - s.size() * phaseChar / 2, phaseText * 0.3, kDotted));
    }
    phase.push_back(Line(kSolid, -angle, 0, angle, 0)); // angle axis
    phase.push_back(Label("0", -1.2 * phaseChar, -phaseText / 2, kSolid));
    for (int speed : {1, 2, 3, -1, -2, -3}) {
        const double w = std::to_string(speed).size() * phaseChar;
        phase.push_back(
            Line(kDotted, -angle, speed, -w, speed)); // gap left of the axis for the label
        phase.push_back(Line(kDotted, 0, speed, angle, speed));
        phase.push_back(Label(std::to_string(speed), -1.2 * w, speed - phaseText / 2, kDotted));
    }
    phase.push_back(Frame(-angle, 3, angle, -3));

    for (const RecordingSurface* box : {&boxes.osc0, &boxes.osc1}) {
        EXPECT_DOUBLE_EQ(box->ScaleLeft(), -24 * measuredIn / kOscillationWidth);
        EXPECT_DOUBLE_EQ(box->ScaleWidth(), width);
        EXPECT_DOUBLE_EQ(box->ScaleTop(), top);
        EXPECT_DOUBLE_EQ(box->ScaleHeight(), -2 * top);
        ExpectPrimitives(*box, osc);
    }
    for (const RecordingSurface* box : {&boxes.phase0, &boxes.phase1}) {
        EXPECT_DOUBLE_EQ(box->ScaleLeft(), -Degrees(31.5));
        EXPECT_DOUBLE_EQ(box->ScaleWidth(), 2 * 1.05 * angle);
        EXPECT_DOUBLE_EQ(box->ScaleTop(), 3.15);
        EXPECT_DOUBLE_EQ(box->ScaleHeight(), -6.3);
        ExpectPrimitives(*box, phase);
    }
    for (const RecordingSurface* box : {&boxes.osc0, &boxes.osc1, &boxes.phase0, &boxes.phase1}) {
        EXPECT_EQ(box->DrawStyle(), kSolid);
        EXPECT_TRUE(box->Font().Name == "Arial" && box->Font().Size == 8 && box->Font().Bold());
    }

    boxes.Draw();
    EXPECT_EQ(boxes.state.DureeTrace, 12);
    const RecordingSurface& box = boxes.osc0;
    ASSERT_EQ(box.primitives.size(), 2 * osc.size());
    const double pixel = width / kOscillationWidth;
    EXPECT_NEAR(box.ScaleLeft(), -24 * measuredIn / kOscillationWidth, 0.1 * pixel);
    EXPECT_NEAR(box.ScaleWidth(), width, 0.1 * pixel);
    for (std::size_t n = 0; n < osc.size(); ++n) {
        EXPECT_EQ(box.primitives[osc.size() + n].text, osc[n].text);
        EXPECT_NEAR(box.primitives[osc.size() + n].x1, osc[n].x1, 0.1 * pixel);
    }
}

// Graduation values from + k·step, k = 0 .. count − 1, as labels: computed
// from multiples, unlike the drawing's repeatedly added counter.
std::vector<double> Series(double from, double step, double count)
{
    std::vector<double> out;
    for (long k = 0; k < std::lround(count); ++k)
        out.push_back(from + k * step);
    return out;
}

std::vector<std::string> Labels(std::vector<std::vector<double>> series)
{
    std::vector<std::string> out;
    for (const std::vector<double>& values : series)
        for (double v : values) {
            std::ostringstream text;
            text << v;
            out.push_back(text.str());
        }
    return out;
}

struct FrameCase {
    const char* name;
    double tetaMaxDegrees, omegaMax, dureeTrace;
    double span, timeStep, oscAngleStep, phaseAngleMax, phaseAngleStep, speedMax, speedStep;
};
void PrintTo(const FrameCase& c, std::ostream* os)
{
    *os << c.name;
}
class FrameTable : public ::testing::TestWithParam<FrameCase> { };

TEST_P(FrameTable, LinesLabelsBoundsAndStoredSpan)
{
    const FrameCase& c = GetParam();
    PlotBoxes boxes(c.tetaMaxDegrees, c.omegaMax, c.dureeTrace);
    boxes.Draw();
    EXPECT_EQ(boxes.state.DureeTrace, c.span);

    // Positions are the complete case's business; here the values, styles and bounds.
    const std::vector<double> angles = Series(
        -c.tetaMaxDegrees, c.oscAngleStep, std::floor(2 * c.tetaMaxDegrees / c.oscAngleStep) + 1);
    std::vector<int> styles, expectedStyles;
    for (const Primitive& p : boxes.osc0.primitives)
        if (p.kind == PrimitiveKind::Line && p.y1 == p.y2)
            styles.push_back(p.drawStyle);
    for (double a : angles)
        expectedStyles.push_back(a == 0 ? kSolid : kDotted);
    EXPECT_EQ(styles, expectedStyles);
    EXPECT_EQ(Texts(boxes.osc0),
              Labels({Series(c.timeStep, c.timeStep, c.span / c.timeStep), angles}));
    EXPECT_DOUBLE_EQ(boxes.osc0.ScaleTop(), Degrees(c.tetaMaxDegrees + c.oscAngleStep / 2));
    const double pixel = boxes.osc0.ScaleWidth() / kOscillationWidth; // "15" right of the span
    EXPECT_NEAR(boxes.osc0.ScaleLeft() + boxes.osc0.ScaleWidth(), c.span + 12 * pixel,
                0.25 * pixel);

    const double angleCount = c.phaseAngleMax / c.phaseAngleStep,
                 speedCount = c.speedMax / c.speedStep;
    EXPECT_EQ(Texts(boxes.phase0),
              Labels({Series(c.phaseAngleStep, c.phaseAngleStep, angleCount),
                      Series(-c.phaseAngleStep, -c.phaseAngleStep, angleCount),
                      Series(0, c.speedStep, speedCount + 1),
                      Series(-c.speedStep, -c.speedStep, speedCount)}));
    EXPECT_DOUBLE_EQ(boxes.phase0.ScaleLeft(), -1.05 * Degrees(c.phaseAngleMax));
    EXPECT_DOUBLE_EQ(boxes.phase0.ScaleTop(), 1.05 * c.speedMax);
}

// Columns: TetaMax (degrees), OmegaMax, DureeTrace in; stored span, TimeStep, OscAngleStep,
// PhaseAngleMax, PhaseAngleStep, PhaseSpeedMax, PhaseSpeedStep out.
INSTANTIATE_TEST_SUITE_P(
    Inputs, FrameTable,
    ::testing::Values(
        // Ten additions of 0.1 land a hair below 1: still drawn, labelled "1".
        FrameCase{"one_degree_at_rest_tenths_end_at_1", 1, 0, 10, 10, 1, 1, 1, 0.1, 0.05, 0.005},
        FrameCase{"two_degrees_keep_whole_step", 2, 0.03, 10, 10, 1, 1, 2, 1, 0.05, 0.005},
        FrameCase{"eight_degrees_speed_1_span_16", 8, 1, 16, 16, 1, 1, 8, 1, 1.1, 0.1},
        FrameCase{"nine_degrees_no_solid_zero_speed_2_span_17", 9, 2, 17, 18, 2, 2, 10, 2, 2.5,
                  0.5},
        FrameCase{"twenty_degrees_speed_1_5_span_16_4", 20, 1.5, 16.4, 16, 2, 2, 20, 2, 2, 0.5},
        FrameCase{"twenty_one_degrees_span_32", 21, 0.5, 32, 32, 2, 5, 25, 5, 0.55, 0.05},
        FrameCase{"thirty_five_degrees_speed_2_5_span_33", 35, 2.5, 33, 35, 5, 5, 35, 5, 3, 0.5},
        FrameCase{"fifty_degrees_speed_3_5_span_10_6", 50, 3.5, 10.6, 10, 1, 5, 50, 5, 4, 1},
        FrameCase{"fifty_one_degrees_speed_10_5", 51, 10.5, 10, 10, 1, 10, 60, 10, 11, 1},
        FrameCase{"ninety_degrees_speed_11_5", 90, 11.5, 10, 10, 1, 10, 90, 10, 12, 2},
        FrameCase{"ninety_one_degrees_speed_16_5", 91, 16.5, 10, 10, 1, 20, 100, 20, 18, 2},
        FrameCase{"half_turn_speed_16_6", 180, 16.6, 10, 10, 1, 20, 180, 20, 20, 5},
        FrameCase{"speed_beyond_16_bits_span_144", 45, 40000, 144, 145, 5, 5, 45, 5, 40005, 5}),
    kName);

// 0.1 added fifteen times passes 1.5 a hair early: the counter's drift, not a
// multiple of the step, decides that ±1.5 get no graduation.
TEST(DrawPlotFrames, DriftEndsTheSpeedAxisOneGraduationEarly)
{
    PlotBoxes boxes(30, 1.45, 10);
    boxes.Draw();
    const std::vector<std::string> texts = Texts(boxes.phase0);
    ASSERT_EQ(texts.size(), 12u + 15 + 14); // angles, then speeds 0 to 1.4 and -0.1 to -1.4
    EXPECT_EQ(texts[12 + 14], "1.4");
    EXPECT_EQ(texts.back(), "-1.4");
}

struct RefusalCase {
    const char* name;
    double tetaMax, omegaMax, dureeTrace;
    bool missingBox;
};
void PrintTo(const RefusalCase& c, std::ostream* os)
{
    *os << c.name;
}
class Refusals : public ::testing::TestWithParam<RefusalCase> { };

TEST_P(Refusals, NothingDrawnAndSpanUntouched)
{
    const RefusalCase& c = GetParam();
    PlotBoxes boxes(30, 2.6, 12);
    boxes.state.TetaMax = c.tetaMax;
    boxes.state.OmegaMax = c.omegaMax;
    boxes.state.DureeTrace = c.dureeTrace;
    EXPECT_THROW(DrawPlotFrames(boxes.state, {&boxes.osc0, c.missingBox ? nullptr : &boxes.osc1},
                                {&boxes.phase0, &boxes.phase1}),
                 std::invalid_argument);
    EXPECT_TRUE(boxes.osc0.primitives.empty() && boxes.phase0.primitives.empty());
    EXPECT_TRUE(boxes.state.DureeTrace == c.dureeTrace
                || (std::isnan(c.dureeTrace) && std::isnan(boxes.state.DureeTrace)));
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Inputs, Refusals,
    ::testing::Values(RefusalCase{"missing_box", Degrees(30), 2.6, 12, true},
                      RefusalCase{"nan_angle", kNaN, 2.6, 12, false},
                      RefusalCase{"infinite_speed", Degrees(30), kInf, 12, false},
                      RefusalCase{"nan_span", Degrees(30), 2.6, kNaN, false},
                      // Finite, but the graduation loops would run for ages.
                      RefusalCase{"astronomical_angle", 1e300, 2.6, 12, false},
                      RefusalCase{"astronomical_speed", Degrees(30), 1e300, 12, false},
                      RefusalCase{"astronomical_span", Degrees(30), 2.6, 1e12, false}),
    kName);

} // namespace
} // namespace kestrova
