#include "plot/plot_frames.h"

#include "tests/support/recording_surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace kestrova {
namespace {

using testing::Primitive;
using testing::PrimitiveKind;
using testing::RecordingSurface;

const auto kName = [](const auto& info) { return std::string(info.param.name); };

/// The four plot boxes (the window's inside sizes in pixels) and what they plot.
struct PlotBoxes {
    RecordingSurface osc0{344, 320}, osc1{344, 320}, phase0{464, 320}, phase1{464, 320};
    PenduleState state;

    PlotBoxes(double tetaMaxDegrees, double omegaMax, double dureeTrace)
    {
        state.TetaMax = tetaMaxDegrees * DegToRad;
        state.OmegaMax = omegaMax;
        state.DureeTrace = dureeTrace;
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

/// Labels from `from` by `step`, `count` of them, as the plot writes them.
std::vector<std::string> Labels(std::vector<std::string> out, double from, double step,
                                double count)
{
    for (long k = 0; k < std::lround(count); ++k) {
        std::ostringstream text;
        text << from + k * step;
        out.push_back(text.str());
    }
    return out;
}

struct FrameCase {
    const char* name;
    double tetaMaxDegrees, omegaMax, span;
    double timeStep, oscAngleStep, phaseAngleMax, phaseAngleStep, speedMax, speedStep;
};
class FrameTable : public ::testing::TestWithParam<FrameCase> { };

// The labels of both plots, in drawing order, and the bounds of the phase
// portrait; both members of each pair get the same frame.
TEST_P(FrameTable, LabelsAndBounds)
{
    const FrameCase& c = GetParam();
    PlotBoxes boxes(c.tetaMaxDegrees, c.omegaMax, c.span);
    boxes.Draw();

    std::vector<std::string> osc = Labels({}, c.timeStep, c.timeStep, c.span / c.timeStep);
    osc = Labels(osc, -c.tetaMaxDegrees, c.oscAngleStep,
                 std::floor(2 * c.tetaMaxDegrees / c.oscAngleStep) + 1);
    EXPECT_EQ(Texts(boxes.osc0), osc);
    EXPECT_EQ(Texts(boxes.osc1), osc);
    EXPECT_DOUBLE_EQ(boxes.osc0.ScaleTop(), (c.tetaMaxDegrees + c.oscAngleStep / 2) * DegToRad);

    const double angles = c.phaseAngleMax / c.phaseAngleStep, speeds = c.speedMax / c.speedStep;
    std::vector<std::string> phase = Labels({}, c.phaseAngleStep, c.phaseAngleStep, angles);
    phase = Labels(phase, -c.phaseAngleStep, -c.phaseAngleStep, angles);
    phase = Labels(phase, 0, c.speedStep, speeds + 1);
    phase = Labels(phase, -c.speedStep, -c.speedStep, speeds);
    EXPECT_EQ(Texts(boxes.phase0), phase);
    EXPECT_EQ(Texts(boxes.phase1), phase);
    EXPECT_DOUBLE_EQ(boxes.phase0.ScaleLeft(), -1.05 * c.phaseAngleMax * DegToRad);
    EXPECT_DOUBLE_EQ(boxes.phase0.ScaleTop(), 1.05 * c.speedMax);
    const Primitive& frame = boxes.phase0.primitives.back();
    EXPECT_TRUE(frame.kind == PrimitiveKind::Box && frame.colour == 0 && frame.drawStyle == kSolid);
}

// Columns: TetaMax (degrees), OmegaMax, span in; TimeStep, OscAngleStep,
// PhaseAngleMax, PhaseAngleStep, PhaseSpeedMax, PhaseSpeedStep out.
INSTANTIATE_TEST_SUITE_P(
    Inputs, FrameTable,
    ::testing::Values(
        // A bound of one step gets ten finer graduations; ten additions of
        // 0.1 land a hair below 1, still drawn and labelled "1".
        FrameCase{"one_degree_at_rest", 1, 0, 10, 1, 1, 1, 0.1, 0.05, 0.005},
        FrameCase{"eight_degrees_speed_1", 8, 1, 16, 1, 1, 8, 1, 1.1, 0.1},
        FrameCase{"nine_degrees_no_solid_zero", 9, 2, 18, 2, 2, 10, 2, 2.5, 0.5},
        FrameCase{"complete_case", 30, 2.6, 12, 1, 5, 30, 5, 3, 1},
        FrameCase{"speed_2_5_ties_to_even", 35, 2.5, 35, 5, 5, 35, 5, 3, 0.5},
        FrameCase{"speed_3_5_ties_to_even", 50, 3.5, 10, 1, 5, 50, 5, 4, 1},
        FrameCase{"ninety_one_degrees_speed_16_5", 91, 16.5, 10, 1, 20, 100, 20, 18, 2},
        FrameCase{"half_turn_speed_16_6", 180, 16.6, 10, 1, 20, 180, 20, 20, 5}),
    kName);

struct RefusalCase {
    const char* name;
    double tetaMax, omegaMax, dureeTrace;
    bool missingBox;
};
class Refusals : public ::testing::TestWithParam<RefusalCase> { };

// Absurd inputs would hang the graduation loops or draw garbage: refused
// before anything is drawn.
TEST_P(Refusals, NothingDrawn)
{
    const RefusalCase& c = GetParam();
    PlotBoxes boxes(0, c.omegaMax, c.dureeTrace);
    boxes.state.TetaMax = c.tetaMax;
    EXPECT_THROW(DrawPlotFrames(boxes.state, {&boxes.osc0, c.missingBox ? nullptr : &boxes.osc1},
                                {&boxes.phase0, &boxes.phase1}),
                 std::invalid_argument);
    EXPECT_TRUE(boxes.osc0.primitives.empty() && boxes.phase0.primitives.empty());
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
INSTANTIATE_TEST_SUITE_P(Inputs, Refusals,
                         ::testing::Values(RefusalCase{"missing_box", 0.5, 2.6, 12, true},
                                           RefusalCase{"nan_angle", kNaN, 2.6, 12, false},
                                           RefusalCase{"nan_span", 0.5, 2.6, kNaN, false},
                                           RefusalCase{"astronomical_speed", 0.5, 1e300, 12, false},
                                           RefusalCase{"astronomical_span", 0.5, 2.6, 1e12, false}),
                         kName);

} // namespace
} // namespace kestrova
