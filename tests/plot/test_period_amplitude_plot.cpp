#include "model/pendulum_state.h"
#include "plot/period_amplitude_plot.h"

#include "plot/utf8.h"
#include "tests/support/recording_surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace kestrova {
namespace {

using testing::Primitive;
using testing::PrimitiveKind;
using testing::RecordingSurface;

const PeriodAmplitudeTexts kTexts{"T/T0",  "amplitude (deg)", "exact",   "Borda",
                                  "sweep", "earlier runs",    "this run"};

// Points go where their amplitude in degrees and their ratio say, the run
// in progress filled in red; every text stays inside the box, whatever its size.
TEST(PeriodAmplitudePlot, PointsInPlaceAndTextsInsideTheBox)
{
    const PeriodAmplitudePoints points{{{90 * DegToRad, 1.18}, {170 * DegToRad, 2.44}},
                                       {{60 * DegToRad, 1.07}},
                                       PeriodPoint{45 * DegToRad, 1.04}};
    for (const auto& [width, height] : {std::pair{228.0, 250.0}, std::pair{400.0, 180.0}}) {
        RecordingSurface box(width, height);
        DrawPeriodAmplitudePlot(box, points, kTexts);
        std::vector<std::pair<double, double>> circles;
        for (const Primitive& p : box.primitives) {
            if (p.kind == PrimitiveKind::Circle && p.x1 > 30)
                circles.emplace_back(p.x1, p.y1);
            if (p.kind == PrimitiveKind::Text) {
                const double left = box.ToPixelX(p.x1);
                const double top = box.ToPixelY(p.y1);
                EXPECT_TRUE(left >= 0 && left + 6.0 * CodePoints(p.text) <= width) << p.text;
                EXPECT_TRUE(top >= 0 && top + 13 <= height) << p.text;
            }
        }
        // Framed, with both axis titles: a reader must know what the points measure.
        const auto drawn = [&box](PrimitiveKind kind, const std::string& text) {
            return std::any_of(
                box.primitives.begin(), box.primitives.end(),
                [&](const Primitive& p) { return p.kind == kind && p.text == text; });
        };
        EXPECT_TRUE(drawn(PrimitiveKind::Box, "")) << width;
        EXPECT_TRUE(drawn(PrimitiveKind::Text, kTexts.ratioAxis)) << width;
        EXPECT_TRUE(drawn(PrimitiveKind::Text, kTexts.amplitudeAxis)) << width;
        const std::vector<std::pair<double, double>> expected{
            {90, 1.18}, {170, 2.44}, {60, 1.07}, {45, 1.04}};
        ASSERT_EQ(circles.size(), expected.size()) << width;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_NEAR(circles[i].first, expected[i].first, 1e-9);
            EXPECT_NEAR(circles[i].second, expected[i].second, 1e-9);
        }
        const Primitive& run =
            *std::find_if(box.primitives.rbegin(), box.primitives.rend(), [](const Primitive& p) {
                return p.kind == PrimitiveKind::Circle && p.x1 == 45.0;
            });
        EXPECT_TRUE(run.colour == Rgb(255, 0, 0) && run.fillStyle == kFillSolid);
    }
}

} // namespace
} // namespace kestrova
