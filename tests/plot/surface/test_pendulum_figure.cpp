// The pendulum figure's geometry on the recording surface: one pendulum per
// call, the rod 8 units from the pivot to the bob's centre at the angle.

#include "plot/pendulum_figure.h"
#include "tests/support/recording_surface.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kestrova {
namespace {

using testing::Primitive;
using testing::PrimitiveKind;
using testing::RecordingSurface;

struct Case {
    const char* name;
    double angle; // radians
    double bobX, bobY;
};

class PendulumFigure : public ::testing::TestWithParam<Case> { };

TEST_P(PendulumFigure, OnePendulumWithItsBobAtTheEndOfTheRod)
{
    const Case& c = GetParam();
    RecordingSurface box(433, 433);
    box.Scale(-10, 10, 10, -10);
    DrawPendulum(box, 1.0); // an earlier position, to be erased
    box.ClearRecord();
    DrawPendulum(box, c.angle);

    const auto& p = box.primitives;
    ASSERT_FALSE(p.empty());
    EXPECT_EQ(p.front().kind, PrimitiveKind::Clear) << "the earlier pendulum stays";
    std::vector<const Primitive*> axes, rods, bobs;
    for (const Primitive& q : p) {
        if (q.kind == PrimitiveKind::Line)
            (q.drawStyle == kDashed ? axes : rods).push_back(&q);
        else if (q.kind == PrimitiveKind::Circle)
            bobs.push_back(&q);
    }
    ASSERT_EQ(rods.size(), 1u);
    ASSERT_EQ(bobs.size(), 1u);
    const Primitive& rod = *rods[0];
    const Primitive& bob = *bobs[0];
    // The rod leaves the pivot; its free end is the bob's centre.
    const bool fromPivot = rod.x1 == 0 && rod.y1 == 0;
    const double endX = fromPivot ? rod.x2 : rod.x1;
    const double endY = fromPivot ? rod.y2 : rod.y1;
    EXPECT_TRUE(fromPivot || (rod.x2 == 0 && rod.y2 == 0));
    EXPECT_NEAR(endX, c.bobX, 1e-5);
    EXPECT_NEAR(endY, c.bobY, 1e-5);
    EXPECT_NEAR(bob.x1, endX, 1e-9);
    EXPECT_NEAR(bob.y1, endY, 1e-9);
    EXPECT_EQ(rod.drawWidth, 3);
    EXPECT_EQ(rod.colour, Rgb(0, 0, 0));
    // A red disc of radius 0.5, drawn with a thin pen.
    EXPECT_DOUBLE_EQ(bob.x2, 0.5);
    EXPECT_EQ(bob.fillStyle, kFillSolid);
    EXPECT_EQ(bob.fillColor, Rgb(255, 0, 0));
    EXPECT_EQ(bob.colour, Rgb(255, 0, 0));
    EXPECT_EQ(bob.drawWidth, 1);
    // Two dashed axes crossing at the pivot, from edge to edge.
    ASSERT_EQ(axes.size(), 2u);
    for (const Primitive* axis : axes) {
        EXPECT_EQ(axis->drawWidth, 1);
        const bool vertical = axis->x1 == 0 && axis->x2 == 0;
        const bool horizontal = axis->y1 == 0 && axis->y2 == 0;
        EXPECT_TRUE(vertical != horizontal);
        EXPECT_DOUBLE_EQ(vertical ? std::abs(axis->y2 - axis->y1) : std::abs(axis->x2 - axis->x1),
                         20);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Angles, PendulumFigure,
    ::testing::Values(Case{"HangingDown", 0, 0, -8}, Case{"Horizontal", M_PI / 2, 8, 0},
                      Case{"Upright", 3.14159265358979, 0, 8},
                      Case{"LeftSwing", -M_PI / 6, -4, -8 * std::cos(M_PI / 6)}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kestrova
