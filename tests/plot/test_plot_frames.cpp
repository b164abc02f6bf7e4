#include "plot/graduation_text.h"
#include "plot/plot_frames.h"

#include "tests/support/recording_surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <limits>
#include <locale>
#include <sstream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace kestrova {
namespace {

using testing::Primitive;
using testing::PrimitiveKind;
using testing::RecordingSurface;

/// The two plot boxes (the window's inside sizes in pixels) and what they plot.
struct PlotBoxes {
    RecordingSurface osc0{344, 320}, phase0{464, 320};
    PenduleState state;

    PlotBoxes(double tetaMaxDegrees, double omegaMax, double dureeTrace)
    {
        state.TetaMax = tetaMaxDegrees * DegToRad;
        state.OmegaMax = omegaMax;
        state.DureeTrace = dureeTrace;
    }
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

/// Where a label or a line lies, in the box's user units (y up).
struct Extent {
    double left, right, low, high;
    [[nodiscard]] bool Overlaps(const Extent& o) const
    {
        return left < o.right && o.left < right && low < o.high && o.low < high;
    }
};

Extent ExtentOf(const RecordingSurface& box, const Primitive& p)
{
    if (p.kind != PrimitiveKind::Text)
        return {std::min(p.x1, p.x2), std::max(p.x1, p.x2), std::min(p.y1, p.y2),
                std::max(p.y1, p.y2)};
    return {p.x1, p.x1 + box.TextWidth(p.text), p.y1 + box.TextHeight(p.text), p.y1};
}

// The labels of both plots, in drawing order, each whole inside its box
// (its minus sign too), and the bounds of the phase portrait, where no label
// touches another and no grid line crosses a speed label.
TEST(PlotFrames, LabelsAndBounds)
{
    int solidZeroLines = 0;
    struct Case {
        double tetaMaxDegrees, omegaMax, span; // in
        double timeStep, oscAngleStep, phaseAngleMax, phaseAngleStep, speedMax, speedStep;
        double speedLabelStep, angleLabelStep; // close graduations: one label in two or five
    };
    for (const Case& c : {
             // A bound of one step gets ten finer graduations; ten additions of
             // 0.1 land a hair below 1, still drawn and labelled "1".
             Case{1, 0, 10, 1, 1, 1, 0.1, 0.05, 0.005, 0.01, 0.2},
             Case{8, 1, 16, 1, 1, 8, 1, 1.1, 0.1, 0.2, 1},
             Case{9, 2, 18, 2, 2, 10, 2, 2.5, 0.5, 0.5, 2},  // no solid zero line
             Case{35, 2.5, 35, 5, 5, 35, 5, 3, 0.5, 0.5, 5}, // 2.5 and 3.5 go to the even neighbour
             Case{50, 3.5, 10, 1, 5, 50, 5, 4, 1, 1, 5},
             Case{91, 16.5, 10, 1, 20, 100, 20, 18, 2, 4, 20},
             Case{180, 16.6, 10, 1, 20, 180, 20, 20, 5, 5, 40},
         }) {
        SCOPED_TRACE(::testing::Message() << c.tetaMaxDegrees << "°, " << c.omegaMax);
        PlotBoxes boxes(c.tetaMaxDegrees, c.omegaMax, c.span);
        const PlotGraduations g = CheckedPlotGraduations(boxes.state);
        DrawOscillationFrame(boxes.osc0, boxes.state, g);
        DrawPhaseFrame(boxes.phase0, g);
        std::vector<std::string> osc = Labels({}, c.timeStep, c.timeStep, c.span / c.timeStep);
        osc = Labels(osc, -c.tetaMaxDegrees, c.oscAngleStep,
                     std::floor(2 * c.tetaMaxDegrees / c.oscAngleStep) + 1);
        EXPECT_EQ(Texts(boxes.osc0), osc);
        // The time labels come first, each centred under its graduation line.
        int timeLabel = 0;
        for (const Primitive& p : boxes.osc0.primitives) {
            if (p.kind == PrimitiveKind::Text && timeLabel < std::lround(c.span / c.timeStep)) {
                ++timeLabel;
                EXPECT_NEAR(p.x1 + boxes.osc0.TextWidth(p.text) / 2, timeLabel * c.timeStep, 1e-9)
                    << p.text;
            }
        }
        EXPECT_DOUBLE_EQ(boxes.osc0.ScaleTop(), (c.tetaMaxDegrees + c.oscAngleStep / 2) * DegToRad);
        const double angles = std::floor(c.phaseAngleMax / c.angleLabelStep + 1e-9);
        const double speeds = std::floor(c.speedMax / c.speedLabelStep + 1e-9);
        std::vector<std::string> phase = Labels({}, c.angleLabelStep, c.angleLabelStep, angles);
        phase = Labels(phase, -c.angleLabelStep, -c.angleLabelStep, angles);
        phase = Labels(phase, 0, c.speedLabelStep, speeds + 1);
        phase = Labels(phase, -c.speedLabelStep, -c.speedLabelStep, speeds);
        EXPECT_EQ(Texts(boxes.phase0), phase);
        EXPECT_DOUBLE_EQ(boxes.phase0.ScaleLeft(), -1.05 * c.phaseAngleMax * DegToRad);
        EXPECT_DOUBLE_EQ(boxes.phase0.ScaleTop(), 1.05 * c.speedMax);
        // The speed axis's zero line is solid, unlike the dotted grid around it.
        for (const Primitive& p : boxes.phase0.primitives)
            if (p.kind == PrimitiveKind::Line && p.y1 == 0 && p.y2 == 0) {
                EXPECT_EQ(p.drawStyle, kSolid);
                ++solidZeroLines;
            }
        const Primitive& frame = boxes.phase0.primitives.back();
        EXPECT_TRUE(frame.kind == PrimitiveKind::Box && frame.colour == 0
                    && frame.drawStyle == kSolid);
        std::vector<Extent> labels, lines; // the phase portrait's
        for (const RecordingSurface* box : {&boxes.osc0, &boxes.phase0})
            for (const Primitive& p : box->primitives) {
                const Extent e = ExtentOf(*box, p);
                if (p.kind == PrimitiveKind::Text) {
                    EXPECT_TRUE(e.left >= box->ScaleLeft()
                                && e.right <= box->ScaleLeft() + box->ScaleWidth()
                                && e.low >= box->ScaleTop() + box->ScaleHeight()
                                && e.high <= box->ScaleTop())
                        << p.text;
                }
                if (box == &boxes.phase0 && (p.kind == PrimitiveKind::Text || p.y1 == p.y2))
                    (p.kind == PrimitiveKind::Text ? labels : lines).push_back(e);
            }
        ASSERT_EQ(labels.size(), phase.size());
        for (std::size_t i = 0; i < labels.size(); ++i) {
            for (std::size_t j = i + 1; j < labels.size(); ++j)
                EXPECT_FALSE(labels[i].Overlaps(labels[j])) << phase[i] << " and " << phase[j];
            for (const Extent& line : lines) // the speed labels come after the angle labels
                EXPECT_FALSE(i >= 2 * angles && line.Overlaps(labels[i])) << phase[i];
        }
    }
    EXPECT_GT(solidZeroLines, 0);
}

// Absurd inputs would hang the graduation loops or draw garbage: refused
// before anything is drawn.
TEST(PlotFrames, RefusesAbsurdInputs)
{
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    for (const auto& [tetaMax, omegaMax, span] :
         {std::tuple{kNaN, 2.6, 12.0}, std::tuple{0.5, kNaN, 12.0}, std::tuple{0.5, 2.6, kNaN},
          std::tuple{0.5, 1e300, 12.0}, std::tuple{0.5, 2.6, 1e12}}) {
        PlotBoxes boxes(0, omegaMax, span);
        boxes.state.TetaMax = tetaMax;
        EXPECT_THROW((void)CheckedPlotGraduations(boxes.state), std::invalid_argument)
            << tetaMax << ", " << omegaMax << ", " << span;
    }
}

// Drifted counters (0.1 + 0.2, ten additions of 0.1, -30 off by an ulp) read
// as their round value; fifteen significant digits at most; the decimal
// mark asked for.
TEST(GraduationText, Writes)
{
    EXPECT_EQ(GraduationText(-0.25, ","), "-0,25");
    for (const auto& [value, text] :
         {std::pair{-1e-17, "0"}, std::pair{-120.0, "-120"}, std::pair{-0.25, "-0.25"},
          std::pair{-(0.1 + 0.2), "-0.3"}, std::pair{std::nextafter(1.0, 0.0), "1"},
          std::pair{-30.000000000000004, "-30"}, std::pair{-123456.7890123456, "-123456.789012346"},
          std::pair{1234567890123456789.0, "1234567890123460000"},
          std::pair{0.012345678901234567, "0.012345678901235"}})
        EXPECT_EQ(GraduationText(value), text) << text;
}

/// Decimal comma and grouped thousands.
class CommaPunctuation : public std::numpunct<char> {
protected:
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return ' '; }
    std::string do_grouping() const override { return "\3"; }
};

TEST(GraduationText, PointAndNoGroupingUnderACommaLocale)
{
    const std::locale previous =
        std::locale::global(std::locale(std::locale::classic(), new CommaPunctuation));
    std::setlocale(LC_NUMERIC, "fr_FR.UTF-8"); // the C side too, where installed
    const std::string quarter = GraduationText(-0.25), large = GraduationText(12345.5);
    std::setlocale(LC_NUMERIC, "C");
    std::locale::global(previous);
    EXPECT_EQ(quarter, "-0.25");
    EXPECT_EQ(large, "12345.5");
}

} // namespace
} // namespace kestrova
