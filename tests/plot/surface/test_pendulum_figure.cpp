// The pendulum figure's geometry on the recording surface: the earlier
// pendulum erased, two thin dashed axes, and a 3-pixel rod 8 units from the
// pivot to the centre of a red bob at the angle.

#include "plot/pendulum_figure.h"
#include "tests/support/recording_surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace kestrova {
namespace {

using namespace testing;

TEST(PendulumFigureTest, OnePendulumWithItsBobAtTheEndOfTheRod)
{
    RecordingSurface box(433, 433);
    box.Scale(-10, 10, 10, -10);
    DrawPendulum(box, 1.0); // an earlier position, to be erased
    for (const auto& [angle, bobX, bobY] : {std::tuple{0.0, 0.0, -8.0},
                                            {M_PI / 2, 8.0, 0.0},
                                            {3.14159265358979, 0.0, 8.0},
                                            {-M_PI / 6, -4.0, -8 * std::cos(M_PI / 6)}}) {
        SCOPED_TRACE(angle);
        box.ClearRecord();
        DrawPendulum(box, angle);
        EXPECT_EQ(box.primitives.at(0).kind, PrimitiveKind::Clear) << "the earlier one stays";
        std::vector<const Primitive*> axes, rods, bobs;
        for (const Primitive& p : box.primitives) {
            if (p.kind == PrimitiveKind::Line)
                (p.drawStyle == kDashed ? axes : rods).push_back(&p);
            else if (p.kind == PrimitiveKind::Circle)
                bobs.push_back(&p);
        }
        ASSERT_EQ(std::tuple(axes.size(), rods.size(), bobs.size()), std::tuple(2u, 1u, 1u));
        const Primitive &rod = *rods[0], &bob = *bobs[0];
        EXPECT_NEAR(rod.x2, bobX, 1e-5);
        EXPECT_NEAR(rod.y2, bobY, 1e-5);
        EXPECT_EQ(std::tuple(rod.x1, rod.y1, rod.drawWidth), std::tuple(0.0, 0.0, 3));
        // A red disc of radius 0.5 on the rod's end, drawn with a thin pen.
        EXPECT_EQ(std::tuple(bob.x1, bob.y1, bob.x2), std::tuple(rod.x2, rod.y2, 0.5));
        EXPECT_EQ(std::tuple(bob.drawWidth, bob.fillStyle, bob.fillColor),
                  std::tuple(1, int(kFillSolid), Rgb(255, 0, 0)));
        // The axes are thin, even after the wide rod of the earlier call.
        EXPECT_EQ(axes[0]->drawWidth + axes[1]->drawWidth, 2);
    }
}

} // namespace
} // namespace kestrova
