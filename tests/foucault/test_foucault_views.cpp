#include "ui/foucault/foucault_views.h"

#include "tests/support/recording_surface.h"
#include "ui/foucault/collection_points.h"

#include <gtest/gtest.h>

namespace kestrova::foucault {
namespace {

using testing::PrimitiveKind;
using testing::RecordingSurface;

TEST(FoucaultViewsTest, CoordinateSystems)
{
    RecordingSurface ground(401, 401);
    ScaleGroundView(ground);
    EXPECT_DOUBLE_EQ(ground.ScaleLeft(), -3.2);
    EXPECT_DOUBLE_EQ(ground.ScaleTop(), 3.2);
    EXPECT_DOUBLE_EQ(ground.ScaleWidth(), 6.4);
    EXPECT_DOUBLE_EQ(ground.ScaleHeight(), -6.4);

    RecordingSurface side(401, 401);
    ScaleSideView(side, 67.0);
    EXPECT_DOUBLE_EQ(side.ScaleLeft(), -35.0);
    EXPECT_DOUBLE_EQ(side.ScaleTop(), 69.0);
    EXPECT_DOUBLE_EQ(side.ScaleWidth(), 70.0);
    EXPECT_DOUBLE_EQ(side.ScaleHeight(), -70.0);
    // The pivot sits one metre below the top edge and the lowest point one above the bottom.
    EXPECT_NEAR(side.ToPixelY(67.0), 401.0 * 2.0 / 70.0, 1e-9);
    EXPECT_NEAR(side.ToPixelY(0.0), 401.0 * 69.0 / 70.0, 1e-9);
    EXPECT_NEAR(side.ToPixelX(0.0), 200.5, 1e-9);

    ScaleSideView(side, 4.0);
    EXPECT_DOUBLE_EQ(side.ScaleLeft(), -3.5);
    EXPECT_DOUBLE_EQ(side.ScaleTop(), 6.0);
}

TEST(FoucaultViewsTest, GroundReferenceMarks)
{
    RecordingSurface ground(401, 401);
    ScaleGroundView(ground);
    DrawGroundReference(ground, 3.0);

    ASSERT_EQ(ground.primitives.size(), 3u);
    const auto& centre = ground.primitives[0];
    EXPECT_EQ(centre.kind, PrimitiveKind::Point);
    EXPECT_EQ(centre.colour, Rgb(0, 255, 0));
    EXPECT_EQ(centre.drawWidth, 3);
    EXPECT_EQ(centre.x1, 0.0);
    EXPECT_EQ(centre.y1, 0.0);

    const auto& circle = ground.primitives[1];
    EXPECT_EQ(circle.kind, PrimitiveKind::Circle);
    EXPECT_EQ(circle.colour, Rgb(0, 0, 255));
    EXPECT_EQ(circle.x2, 3.0);
    EXPECT_EQ(circle.drawStyle, kDotted);
    EXPECT_EQ(circle.drawWidth, 1);
    EXPECT_EQ(circle.fillStyle, kFillTransparent);

    const auto& diameter = ground.primitives[2];
    EXPECT_EQ(diameter.kind, PrimitiveKind::Line);
    EXPECT_EQ(diameter.colour, Rgb(0, 0, 255));
    EXPECT_EQ(diameter.drawStyle, kDotted);
    EXPECT_EQ(diameter.x1, -3.0);
    EXPECT_EQ(diameter.x2, 3.0);
    EXPECT_EQ(diameter.y1, 0.0);
    EXPECT_EQ(diameter.y2, 0.0);

    EXPECT_EQ(ground.DrawStyle(), kSolid);
    EXPECT_EQ(ground.DrawWidth(), 1);
}

TEST(FoucaultViewsTest, SideViewVerticalPathAndBob)
{
    RecordingSurface side(401, 401);
    ScaleSideView(side, 67.0);
    // A box left filled by an earlier drawing must still get an unfilled path.
    side.SetFillStyle(kFillSolid);
    DrawSideView(side, 67.0, 3.0, 0.0672);

    ASSERT_EQ(side.primitives.size(), 3u);
    const auto& vertical = side.primitives[0];
    EXPECT_EQ(vertical.kind, PrimitiveKind::Line);
    EXPECT_EQ(vertical.drawStyle, kDotted);
    EXPECT_EQ(vertical.colour, Rgb(0, 0, 255));
    EXPECT_EQ(vertical.x1, 0.0);
    EXPECT_EQ(vertical.y1, 67.0);
    EXPECT_EQ(vertical.x2, 0.0);
    EXPECT_EQ(vertical.y2, 0.0);

    const auto& path = side.primitives[1];
    EXPECT_EQ(path.kind, PrimitiveKind::Circle);
    EXPECT_EQ(path.fillStyle, kFillTransparent);
    EXPECT_EQ(path.drawStyle, kDotted);
    EXPECT_EQ(path.colour, Rgb(0, 0, 255));
    EXPECT_EQ(path.x1, 0.0);
    EXPECT_EQ(path.y1, 67.0);
    EXPECT_EQ(path.x2, 67.0);

    const auto& bob = side.primitives[2];
    EXPECT_EQ(bob.kind, PrimitiveKind::Circle);
    EXPECT_EQ(bob.drawStyle, kSolid);
    EXPECT_EQ(bob.fillStyle, kFillSolid);
    EXPECT_EQ(bob.fillColor, Rgb(255, 0, 0));
    EXPECT_EQ(bob.colour, Rgb(255, 0, 0));
    EXPECT_EQ(bob.x1, 3.0);
    EXPECT_EQ(bob.y1, 0.0672);
    EXPECT_DOUBLE_EQ(bob.x2, 0.67);
}

TEST(FoucaultViewsTest, TrailDotsFadeFromOldestToNewest)
{
    Collection_Points points;
    const double xs[] = {2.9, 1.0, -2.0, -3.0};
    for (const double x : xs) {
        const auto p = points.AddPoint(points.CountPoint() + 1);
        p->X0Line = x;
        p->Y0Line = -x / 10.0;
    }
    RecordingSurface ground(401, 401);
    ScaleGroundView(ground);
    DrawTrail(ground, points);

    ASSERT_EQ(ground.primitives.size(), 4u);
    const int reds[] = {64, 128, 191, 255}; // 63.75, 127.5, 191.25, 255
    for (std::size_t k = 0; k < 4; ++k) {
        const auto& dot = ground.primitives[k];
        EXPECT_EQ(dot.kind, PrimitiveKind::Point);
        EXPECT_EQ(dot.drawWidth, 3);
        EXPECT_EQ(dot.colour, Rgb(reds[k], 0, 0)) << "dot " << k;
        EXPECT_EQ(dot.x1, xs[k]);
        EXPECT_EQ(dot.y1, -xs[k] / 10.0);
    }
}

TEST(FoucaultViewsTest, EmptyTrailDrawsNothing)
{
    Collection_Points points;
    RecordingSurface ground(401, 401);
    DrawTrail(ground, points);
    EXPECT_TRUE(ground.primitives.empty());
}

} // namespace
} // namespace kestrova::foucault
