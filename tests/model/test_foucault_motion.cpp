#include "model/foucault_motion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>

namespace kestrova::foucault {
namespace {

class Motion67Test : public ::testing::Test {
protected:
    GroundPosition At(double t) const { return BobOnGround(kAmplitude, bigOmega, omega, t); }

    const double omega = OmegaTerre();
    const double bigOmega = OmegaPendule(67.0, omega);
    const double period = 2.0 * std::numbers::pi / bigOmega;
};

TEST_F(Motion67Test, ReleasedFromRestAtTheAmplitude)
{
    EXPECT_EQ(At(0).PosX, kAmplitude);
    EXPECT_EQ(At(0).PosY, 0.0);
    const double h = 1e-4;
    EXPECT_NEAR((At(h).PosX - At(-h).PosX) / (2 * h), 0.0, 1e-6);
    EXPECT_NEAR((At(h).PosY - At(-h).PosY) / (2 * h), 0.0, 1e-6);
}

// x'' = 2ω y' − (g/L) x and y'' = −2ω x' − (g/L) y, an hour into the run as at the start.
TEST_F(Motion67Test, SatisfiesThePendulumEquationsInTheTurningFrame)
{
    const double h = 1e-3;
    for (const double t : {0.7, 12.3, 3600.0}) {
        const GroundPosition m = At(t - h), p0 = At(t), p = At(t + h);
        const double vx = (p.PosX - m.PosX) / (2 * h), vy = (p.PosY - m.PosY) / (2 * h);
        EXPECT_NEAR((p.PosX - 2 * p0.PosX + m.PosX) / (h * h), 2 * omega * vy - 9.81 / 67 * p0.PosX,
                    1e-4)
            << "t = " << t;
        EXPECT_NEAR((p.PosY - 2 * p0.PosY + m.PosY) / (h * h),
                    -2 * omega * vx - 9.81 / 67 * p0.PosY, 1e-4)
            << "t = " << t;
    }
}

// After one swing the bob is back on its circle, the plane turned clockwise
// by about 4.45°: once in about 1328 s.
TEST_F(Motion67Test, SwingsIn16_42sWhileThePlaneTurnsOnceIn1328s)
{
    EXPECT_NEAR(period, 16.42, 0.005);
    const GroundPosition back = At(period);
    EXPECT_NEAR(std::hypot(back.PosX, back.PosY), kAmplitude, 1e-9);
    EXPECT_NEAR(std::atan2(back.PosY, back.PosX), -omega * period, 1e-9);
    EXPECT_NEAR(2 * std::numbers::pi / omega, 1328, 0.5);
}

// An hour of 164 ms ticks: the trail keeps the last 100 positions, oldest
// first, and the bob never leaves the circle it started on.
TEST_F(Motion67Test, AnHourOfTicksKeepsTheLastHundredPositions)
{
    Collection_Points trail;
    const int ticks = 3'600'000 / 164;
    for (int k = 1; k <= ticks; ++k) {
        const GroundPosition bob = At(k * 0.164);
        ASSERT_LE(std::hypot(bob.PosX, bob.PosY), kAmplitude * (1 + 1e-12)) << "tick " << k;
        AddToTrail(trail, bob);
        ASSERT_EQ(trail.CountPoint(), std::min(k, 100)) << "tick " << k;
    }
    for (const int i : {1, 100}) {
        const GroundPosition bob = At((ticks - 100 + i) * 0.164);
        EXPECT_EQ(trail.Point(i)->X0Line, bob.PosX) << i;
        EXPECT_EQ(trail.Point(i)->Y0Line, bob.PosY) << i;
    }
}

TEST(FoucaultTimingTest, TimerIntervalIsTwentyRootsOfTheLengthRoundedHalfToEven)
{
    for (const auto& [length, ms] : {std::pair{67.0, 164},                        // 163.71
                                     std::pair{4.0, 40}, std::pair{4.515625, 42}, // 42.5
                                     std::pair{5.640625, 48}})                    // 47.5
        EXPECT_EQ(TimerIntervalMs(length), ms) << "L = " << length;
}

TEST(FoucaultTimingTest, TrailRedRisesToPureRedForTheNewest)
{
    // i × 255 / m, a half going to the even neighbour (127.5 → 128, 76.5 → 76).
    for (const auto& [i, m, red] :
         {std::array{1, 1, 255}, std::array{1, 2, 128}, std::array{3, 10, 76},
          std::array{1, 100, 3}, std::array{100, 100, 255}})
        EXPECT_EQ(TrailRed(i, m), red) << i << " of " << m;
}

} // namespace
} // namespace kestrova::foucault
