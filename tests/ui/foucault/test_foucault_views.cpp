#include "ui/foucault/foucault_views.h"

#include "model/collection_points.h"
#include "tests/support/recording_surface.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

namespace kestrova::foucault {
namespace {

using testing::PrimitiveKind;
using testing::RecordingSurface;

TEST(FoucaultViewsTest, SideViewPathStaysUnfilledUnderARedBob)
{
    RecordingSurface side(401, 401);
    ScaleSideView(side, 67.0);
    side.SetFillStyle(kFillSolid); // as the bob of the previous tick left it
    DrawSideView(side, 67.0, 3.0, 0.0672);
    ASSERT_EQ(side.primitives.size(), 3u);
    EXPECT_EQ(side.primitives[1].fillStyle, kFillTransparent); // a filled path hides the view
    const auto& bob = side.primitives[2];
    EXPECT_EQ(bob.kind, PrimitiveKind::Circle);
    EXPECT_EQ(bob.fillStyle, kFillSolid);
    EXPECT_EQ(bob.fillColor, kBobRed);
    EXPECT_EQ(bob.colour, kBobRed);
    EXPECT_EQ(std::make_tuple(bob.x1, bob.y1, bob.x2), std::make_tuple(3.0, 0.0672, 0.67));
}

TEST(FoucaultViewsTest, TrailDotsRedderFromOldestToNewest)
{
    Collection_Points points;
    RecordingSurface ground(401, 401);
    ScaleGroundView(ground);

    for (const double x : {2.9, 1.0}) {
        const auto p = points.AddPoint(points.CountPoint() + 1);
        p->X0Line = x;
        p->Y0Line = -x;
    }
    DrawTrail(ground, points);
    ASSERT_EQ(ground.primitives.size(), 2u);
    for (const auto& [i, x, red] : {std::tuple{0, 2.9, 128}, std::tuple{1, 1.0, 255}}) {
        const auto& dot = ground.primitives[static_cast<std::size_t>(i)];
        EXPECT_EQ(std::make_pair(dot.x1, dot.y1), std::make_pair(x, -x));
        EXPECT_EQ(dot.colour, Rgb(red, 0, 0));
        EXPECT_EQ(dot.drawWidth, 3);
    }
}

} // namespace
} // namespace kestrova::foucault
