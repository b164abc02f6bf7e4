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

    ASSERT_FALSE(box.primitives.empty());
    EXPECT_EQ(box.primitives.front().kind, PrimitiveKind::Clear) << "the earlier pendulum stays";
    std::vector<const Primitive*> axes, rods, bobs;
    for (const Primitive& p : box.primitives) {
        if (p.kind == PrimitiveKind::Line)
            (p.drawStyle == kDashed ? axes : rods).push_back(&p);
        else if (p.kind == PrimitiveKind::Circle)
            bobs.push_back(&p);
    }
    ASSERT_EQ(axes.size(), 2u);
    ASSERT_EQ(rods.size(), 1u);
    ASSERT_EQ(bobs.size(), 1u);
    // The rod runs from the pivot to the bob's centre, 3 pixels wide.
    const Primitive& rod = *rods[0];
    const Primitive& bob = *bobs[0];
    EXPECT_EQ(std::hypot(rod.x1, rod.y1), 0);
    EXPECT_NEAR(rod.x2, c.bobX, 1e-5);
    EXPECT_NEAR(rod.y2, c.bobY, 1e-5);
    EXPECT_EQ(rod.drawWidth, 3);
    // A red disc of radius 0.5 drawn with a thin pen.
    EXPECT_EQ(std::make_pair(bob.x1, bob.y1), std::make_pair(rod.x2, rod.y2));
    EXPECT_DOUBLE_EQ(bob.x2, 0.5);
    EXPECT_EQ(bob.drawWidth, 1);
    EXPECT_EQ(bob.fillStyle, kFillSolid);
    EXPECT_EQ(bob.fillColor, Rgb(255, 0, 0));
    // The axes are thin, even after the wide rod of the earlier call.
    EXPECT_EQ(axes[0]->drawWidth + axes[1]->drawWidth, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Angles, PendulumFigure,
    ::testing::Values(Case{"HangingDown", 0, 0, -8}, Case{"Horizontal", M_PI / 2, 8, 0},
                      Case{"Upright", 3.14159265358979, 0, 8},
                      Case{"LeftSwing", -M_PI / 6, -4, -8 * std::cos(M_PI / 6)}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kestrova
