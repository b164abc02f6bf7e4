#include "ui/foucault/foucault_views.h"

#include "tests/support/recording_surface.h"
#include "ui/foucault/collection_points.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace kestrova::foucault {
namespace {

using testing::Primitive;
using testing::RecordingSurface;

using Lines = std::vector<std::string>;

// One line per primitive, colours as 0xBBGGRR; a circle's radius is x2.
Lines Describe(const std::vector<Primitive>& primitives)
{
    static const char* const kKinds[] = {"clear", "line", "box",    "circle",
                                         "point", "text", "rotated"};
    static const char* const kStyles[] = {"solid", "dashed", "dotted"};
    Lines lines;
    for (const Primitive& p : primitives) {
        char text[160];
        std::snprintf(text, sizeof text, "%s %06X %s w%d (%g, %g, %g, %g)", kKinds[int(p.kind)],
                      p.colour, kStyles[p.drawStyle % 3], p.drawWidth, p.x1, p.y1, p.x2, p.y2);
        lines.emplace_back(text);
    }
    return lines;
}

TEST(FoucaultViewsTest, SideViewPivotOneMetreBelowTheTopAndLowestPointOneAboveTheBottom)
{
    for (const double longueur : {67.0, 4.0}) {
        RecordingSurface side(401, 401);
        ScaleSideView(side, longueur);
        EXPECT_NEAR(side.ToPixelY(longueur), 401.0 * 2.0 / (longueur + 3), 1e-9) << longueur;
        EXPECT_NEAR(side.ToPixelY(0.0), 401.0 * (longueur + 2) / (longueur + 3), 1e-9) << longueur;
        EXPECT_NEAR(side.ToPixelX(0.0), 200.5, 1e-9) << longueur;
    }
    RecordingSurface ground(401, 401);
    ScaleGroundView(ground);
    EXPECT_NEAR(ground.ToPixelX(-3.2), 0.0, 1e-9);
    EXPECT_NEAR(ground.ToPixelY(-3.2), 401.0, 1e-9);
}

TEST(FoucaultViewsTest, SideViewVerticalPathAndBob)
{
    RecordingSurface side(401, 401);
    ScaleSideView(side, 67.0);
    side.SetFillStyle(
        kFillSolid); // left filled by an earlier drawing: the path must still be unfilled
    DrawSideView(side, 67.0, 3.0, 0.0672);
    EXPECT_EQ(
        Describe(side.primitives),
        Lines({"line FF0000 dotted w1 (0, 67, 0, 0)", "circle FF0000 dotted w1 (0, 67, 67, 0)",
               "circle 0000FF solid w1 (3, 0.0672, 0.67, 0)"}));
    EXPECT_EQ(side.primitives.at(1).fillStyle, kFillTransparent);
    EXPECT_EQ(side.primitives.at(2).fillStyle, kFillSolid);
    EXPECT_EQ(side.primitives.at(2).fillColor, kBobRed);
}

TEST(FoucaultViewsTest, GroundMarksAndTrailFadingFromOldestToNewest)
{
    Collection_Points points;
    RecordingSurface ground(401, 401);
    ScaleGroundView(ground);
    DrawTrail(ground, points);
    EXPECT_TRUE(ground.primitives.empty());
    DrawGroundReference(ground, 3.0);
    EXPECT_EQ(ground.primitives.at(1).fillStyle, kFillTransparent);
    EXPECT_EQ(ground.DrawStyle(), kSolid);
    EXPECT_EQ(ground.DrawWidth(), 1);

    for (const double x : {2.9, 1.0, -2.0, -3.0}) {
        const auto p = points.AddPoint(points.CountPoint() + 1);
        p->X0Line = x;
        p->Y0Line = -x / 10.0;
    }
    DrawTrail(ground, points);
    // Red 63.75, 127.5, 191.25, 255.
    EXPECT_EQ(
        Describe(ground.primitives),
        Lines({"point 00FF00 solid w3 (0, 0, 0, 0)", "circle FF0000 dotted w1 (0, 0, 3, 0)",
               "line FF0000 dotted w1 (-3, 0, 3, 0)", "point 000040 solid w3 (2.9, -0.29, 0, 0)",
               "point 000080 solid w3 (1, -0.1, 0, 0)", "point 0000BF solid w3 (-2, 0.2, 0, 0)",
               "point 0000FF solid w3 (-3, 0.3, 0, 0)"}));
}

} // namespace
} // namespace kestrova::foucault
