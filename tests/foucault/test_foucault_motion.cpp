#include "ui/foucault/foucault_motion.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <utility>

namespace kestrova::foucault {
namespace {

constexpr double kLength67 = 67.0;

class Motion67Test : public ::testing::Test {
protected:
    GroundPosition At(double t) const { return BobOnGround(kAmplitude, bigOmega, omega, t); }

    const double omega = OmegaTerre();
    const double bigOmega = OmegaPendule(kLength67, omega);
    const double period = 2.0 * std::numbers::pi / bigOmega;
};

TEST_F(Motion67Test, ReleasedFromRestAtTheAmplitude)
{
    EXPECT_NEAR(omega, 0.0047312, 1e-7); // latitude 48.85°, a day of 1000 s
    EXPECT_EQ(At(0).PosX, kAmplitude);
    EXPECT_EQ(At(0).PosY, 0.0);
    const double h = 1e-4;
    EXPECT_NEAR((At(h).PosX - At(-h).PosX) / (2 * h), 0.0, 1e-6);
    EXPECT_NEAR((At(h).PosY - At(-h).PosY) / (2 * h), 0.0, 1e-6);
}

// x'' = 2ω y' − (g/L) x and y'' = −2ω x' − (g/L) y: Coriolis deflects to the right.
TEST_F(Motion67Test, SatisfiesThePendulumEquationsInTheTurningFrame)
{
    const double h = 1e-3;
    for (const double t : {0.7, 12.3, 400.0}) {
        const GroundPosition m = At(t - h), p0 = At(t), p = At(t + h);
        const double vx = (p.PosX - m.PosX) / (2 * h), vy = (p.PosY - m.PosY) / (2 * h);
        EXPECT_NEAR((p.PosX - 2 * p0.PosX + m.PosX) / (h * h),
                    2 * omega * vy - kGravity / kLength67 * p0.PosX, 1e-4)
            << "t = " << t;
        EXPECT_NEAR((p.PosY - 2 * p0.PosY + m.PosY) / (h * h),
                    -2 * omega * vx - kGravity / kLength67 * p0.PosY, 1e-4)
            << "t = " << t;
    }
}

TEST_F(Motion67Test, AfterOneSwingTheBobIsBackOnThePlaneTurnedClockwise)
{
    EXPECT_NEAR(period, 16.42, 0.005);
    const GroundPosition back = At(period);
    EXPECT_NEAR(std::hypot(back.PosX, back.PosY), kAmplitude, 1e-9);
    EXPECT_NEAR(std::atan2(back.PosY, back.PosX), -omega * period, 1e-9); // about -4.45°
}

TEST_F(Motion67Test, SwingPlaneTurnsOnceInAbout1328Seconds)
{
    const GroundPosition quarter = At(std::round(332.0 / period) * period);
    EXPECT_NEAR(quarter.PosX, 0.0, 0.12); // within half a swing of the quarter turn
    EXPECT_NEAR(quarter.PosY, -kAmplitude, 0.01);
    const GroundPosition whole = At(std::round(1328.0 / period) * period);
    EXPECT_NEAR(whole.PosX, kAmplitude, 0.01);
    EXPECT_NEAR(whole.PosY, 0.0, 0.05);
}

TEST_F(Motion67Test, SideViewStringAtRestMatchesTheLoadPicture)
{
    const StringEnd end = SideViewStringEnd(kAmplitude, kLength67, bigOmega, kAmplitude, 0.0);
    EXPECT_DOUBLE_EQ(end.X, kAmplitude);
    EXPECT_NEAR(end.Y, 0.0672, 1e-4); // the bob lifted by (1 − cos(arcsin(3/67)))·67
    // x follows the swing, the height the ground x.
    const StringEnd half =
        SideViewStringEnd(kAmplitude, kLength67, bigOmega, kAmplitude, period / 2);
    EXPECT_NEAR(half.X, -kAmplitude, 1e-9);
    EXPECT_DOUBLE_EQ(half.Y, end.Y);
    // A ground x beyond the length has no arcsine: the string is held horizontal.
    EXPECT_DOUBLE_EQ(SideViewStringEnd(kAmplitude, 2.0, bigOmega, 3.0, 0.0).Y, 2.0);
}

class TimerIntervalTest : public ::testing::TestWithParam<std::pair<double, int>> { };

TEST_P(TimerIntervalTest, TwentyTimesRootOfLengthRoundedHalfToEven)
{
    EXPECT_EQ(TimerIntervalMs(GetParam().first), GetParam().second) << "L = " << GetParam().first;
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, TimerIntervalTest,
    ::testing::Values(std::pair{67.0, 164},      // 163.71
                      std::pair{4.0, 40},        // exact
                      std::pair{4.515625, 42},   // 42.5: the even neighbour below
                      std::pair{5.640625, 48})); // 47.5: the even neighbour above

class TrailRedTest : public ::testing::TestWithParam<std::array<int, 3>> { };

TEST_P(TrailRedTest, IsIndexOverCountOf255RoundedHalfToEven)
{
    const auto [i, m, red] = GetParam();
    EXPECT_EQ(TrailRed(i, m), red) << i << " of " << m;
}

INSTANTIATE_TEST_SUITE_P(Points, TrailRedTest,
                         ::testing::Values(std::array{1, 2, 128}, // 127.5 → 128
                                           std::array{3, 10, 76}, // 76.5 → 76
                                           std::array{1, 100,
                                                      3}, // 2.55: the oldest of a full trail
                                           std::array{100, 100, 255}));

} // namespace
} // namespace kestrova::foucault
