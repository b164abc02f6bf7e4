// A trace drawn again from its data leaves out only what retraces ground
// covered well before.

#include "plot/trace_coverage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace kestrova {
namespace {

/// Draws a circle of `radius` around (50, 50) in `steps` segments; returns
/// how many were left out.
int Lap(TraceCoverage& coverage, double radius, int steps, double centreX = 50)
{
    int left = 0;
    auto at = [&](int i) {
        const double a = 2 * std::numbers::pi * i / steps;
        return QPointF(centreX + radius * std::cos(a), 50 + radius * std::sin(a));
    };
    for (int i = 0; i < steps; ++i)
        left += coverage.Retraces(at(i), at(i + 1));
    return left;
}

TEST(TraceCoverage, LeavesOutOnlyWhatRetracesEarlierGround)
{
    struct Case {
        const char* what;
        double radius, centreX;
        int steps;
        int leftOutAtMost, leftOutAtLeast;
    };
    for (const Case& c : {
             Case{"the same orbit again", 30, 50, 400, 400, 360},
             Case{"an orbit a pixel outside", 31, 50, 400, 0, 0},
             Case{"an orbit half of which is beside the surface", 30, 100, 400, 210, 190},
         }) {
        TraceCoverage coverage(QSizeF(100, 100));
        // A first lap in steps of a third of a pixel: it creeps over its own
        // latest cells, and none of it is left out.
        EXPECT_EQ(Lap(coverage, 30, 565), 0) << c.what;
        const int left = Lap(coverage, c.radius, c.steps, c.centreX);
        EXPECT_LE(left, c.leftOutAtMost) << c.what;
        EXPECT_GE(left, c.leftOutAtLeast) << c.what;
    }
}

} // namespace
} // namespace kestrova
