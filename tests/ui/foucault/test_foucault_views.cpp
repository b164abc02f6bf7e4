#include "ui/foucault/foucault_views.h"

#include "model/collection_points.h"
#include "model/foucault_motion.h"
#include "tests/support/recording_surface.h"

#include <gtest/gtest.h>

#include <tuple>

namespace kestrova::foucault {
namespace {

using testing::RecordingSurface;

TEST(FoucaultViewsTest, SideViewPathStaysUnfilledUnderARedBob)
{
    RecordingSurface side(401, 401);
    ScaleSideView(side, 67.0);
    EXPECT_EQ(side.ScaleWidth(), -side.ScaleHeight()); // one metre as long both ways
    side.SetFillStyle(kFillSolid);                     // as the bob of the previous tick left it
    DrawSideView(side, 67.0, 3.0, 0.0672);
    ASSERT_EQ(side.primitives.size(), 3u);
    EXPECT_EQ(side.primitives[1].fillStyle, kFillTransparent); // a filled path hides the view
    const auto& bob = side.primitives[2];
    EXPECT_EQ(std::tuple(bob.kind, bob.fillStyle, bob.fillColor, bob.colour),
              std::tuple(testing::PrimitiveKind::Circle, int(kFillSolid), kBobRed, kBobRed));
    EXPECT_EQ(std::tuple(bob.x1, bob.y1, bob.x2), std::tuple(3.0, 0.0672, 0.67));
}

TEST(FoucaultViewsTest, TrailDotsRedderFromOldestToNewest)
{
    Collection_Points points;
    for (const double x : {2.9, 1.0})
        AddToTrail(points, {x, -x});
    RecordingSurface ground(401, 401);
    ScaleGroundView(ground);
    EXPECT_TRUE(ground.ScaleWidth() > 6 && ground.ScaleWidth() < 7); // the 3 m circle, whole
    DrawTrail(ground, points);
    ASSERT_EQ(ground.primitives.size(), 2u);
    for (const auto& [i, x, red] : {std::tuple{0u, 2.9, 128}, std::tuple{1u, 1.0, 255}}) {
        const auto& dot = ground.primitives[i];
        EXPECT_EQ(std::tuple(dot.x1, dot.y1, dot.colour, dot.drawWidth),
                  std::tuple(x, -x, Rgb(red, 0, 0), 3));
    }
}

} // namespace
} // namespace kestrova::foucault
