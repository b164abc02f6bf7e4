#include "ui/foucault/foucault_motion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace kestrova::foucault {
namespace {

constexpr double kLength67 = 67.0;

double SwingPeriod(double longueur)
{
    return 2.0 * std::numbers::pi / OmegaPendule(longueur, OmegaTerre());
}

TEST(FoucaultMotionTest, RotationRatesOfTheGroundAndTheSwing)
{
    // Latitude 48.85° on a planet turning once in 1000 s.
    const double expected = std::sin(48.85 * std::numbers::pi / 180.0) * 2.0 * std::numbers::pi / 1000.0;
    EXPECT_NEAR(OmegaTerre(), expected, 1e-12);
    EXPECT_NEAR(OmegaTerre(), 0.0047312, 1e-7);
    EXPECT_NEAR(SwingPeriod(kLength67), 16.42, 0.005);
    // The swing plane turns once in 2π/ω.
    EXPECT_NEAR(2.0 * std::numbers::pi / OmegaTerre(), 1328.0, 0.5);
}

TEST(FoucaultMotionTest, ReleasedFromRestAtTheAmplitude)
{
    const double omega = OmegaTerre();
    const double bigOmega = OmegaPendule(kLength67, omega);
    const GroundPosition start = BobOnGround(kAmplitude, bigOmega, omega, 0.0);
    EXPECT_EQ(start.PosX, kAmplitude);
    EXPECT_EQ(start.PosY, 0.0);

    // No speed relative to the ground at release (central difference).
    const double h = 1e-4;
    const GroundPosition before = BobOnGround(kAmplitude, bigOmega, omega, -h);
    const GroundPosition after = BobOnGround(kAmplitude, bigOmega, omega, h);
    EXPECT_NEAR((after.PosX - before.PosX) / (2 * h), 0.0, 1e-6);
    EXPECT_NEAR((after.PosY - before.PosY) / (2 * h), 0.0, 1e-6);
}

TEST(FoucaultMotionTest, SatisfiesThePendulumEquationsInTheTurningFrame)
{
    // x'' = 2ω y' − (g/L) x and y'' = −2ω x' − (g/L) y: gravity pulls back to
    // the vertical, Coriolis deflects to the right in the northern hemisphere.
    const double omega = OmegaTerre();
    const double bigOmega = OmegaPendule(kLength67, omega);
    const double h = 1e-3;
    for (const double t : {0.7, 5.0, 12.3, 400.0}) {
        auto at = [&](double time) { return BobOnGround(kAmplitude, bigOmega, omega, time); };
        const GroundPosition m = at(t - h), p0 = at(t), p = at(t + h);
        const double vx = (p.PosX - m.PosX) / (2 * h), vy = (p.PosY - m.PosY) / (2 * h);
        const double ax = (p.PosX - 2 * p0.PosX + m.PosX) / (h * h);
        const double ay = (p.PosY - 2 * p0.PosY + m.PosY) / (h * h);
        EXPECT_NEAR(ax, 2 * omega * vy - kGravity / kLength67 * p0.PosX, 1e-4) << "t = " << t;
        EXPECT_NEAR(ay, -2 * omega * vx - kGravity / kLength67 * p0.PosY, 1e-4) << "t = " << t;
    }
}

TEST(FoucaultMotionTest, AfterOneSwingTheBobIsBackOnTheTurnedPlane)
{
    const double omega = OmegaTerre();
    const double bigOmega = OmegaPendule(kLength67, omega);
    const double period = SwingPeriod(kLength67);
    const GroundPosition back = BobOnGround(kAmplitude, bigOmega, omega, period);
    // Back at the full amplitude, turned clockwise (seen from above) by ωT ≈ 4.45°.
    EXPECT_NEAR(std::hypot(back.PosX, back.PosY), kAmplitude, 1e-9);
    EXPECT_NEAR(std::atan2(back.PosY, back.PosX), -omega * period, 1e-9);
    EXPECT_NEAR(back.PosY, -0.2329, 1e-3);

    // Half a swing later it is at the other end of the same turned line.
    const GroundPosition opposite = BobOnGround(kAmplitude, bigOmega, omega, 1.5 * period);
    const double turn = -omega * 1.5 * period;
    EXPECT_NEAR(opposite.PosX, -kAmplitude * std::cos(turn), 1e-9);
    EXPECT_NEAR(opposite.PosY, -kAmplitude * std::sin(turn), 1e-9);
}

TEST(FoucaultMotionTest, SwingPlaneTurnsOnceInAbout1328Seconds)
{
    const double omega = OmegaTerre();
    const double bigOmega = OmegaPendule(kLength67, omega);
    const double period = SwingPeriod(kLength67);

    // At the end of the swing nearest a quarter turn, the bob is near (0, −A).
    const double quarter = std::round(332.0 / period) * period;
    const GroundPosition q = BobOnGround(kAmplitude, bigOmega, omega, quarter);
    EXPECT_NEAR(q.PosX, 0.0, 0.12); // within half a swing of the quarter turn
    EXPECT_NEAR(q.PosY, -kAmplitude, 0.01);

    // At the end of the swing nearest 1328 s, it is back near (A, 0).
    const double whole = std::round(1328.0 / period) * period;
    const GroundPosition w = BobOnGround(kAmplitude, bigOmega, omega, whole);
    EXPECT_NEAR(w.PosX, kAmplitude, 0.01);
    EXPECT_NEAR(w.PosY, 0.0, 0.05);
}

TEST(FoucaultMotionTest, SideViewStringAtRestMatchesTheLoadPicture)
{
    const double bigOmega = OmegaPendule(kLength67, OmegaTerre());
    const StringEnd end = SideViewStringEnd(kAmplitude, kLength67, bigOmega, kAmplitude, 0.0);
    EXPECT_DOUBLE_EQ(end.X, kAmplitude);
    // The bob lifted by about 0.067 m: (1 − cos(arcsin(3/67)))·67.
    EXPECT_NEAR(end.Y, 0.0672, 1e-4);
    // On the path circle around the pivot (0, L).
    EXPECT_NEAR(std::hypot(end.X, end.Y - kLength67), kLength67, 1e-9);
}

TEST(FoucaultMotionTest, SideViewHeightFollowsTheGroundX)
{
    const double bigOmega = OmegaPendule(kLength67, OmegaTerre());
    // A quarter swing: the string passes the vertical; the height is that of posX = 0.
    const double t = 0.25 * SwingPeriod(kLength67);
    const StringEnd end = SideViewStringEnd(kAmplitude, kLength67, bigOmega, 0.0, t);
    EXPECT_NEAR(end.X, 0.0, 1e-9);
    EXPECT_EQ(end.Y, 0.0);
    // A ground x beyond the length has no arcsine; the string is held horizontal.
    const StringEnd beyond = SideViewStringEnd(kAmplitude, 2.0, bigOmega, 3.0, 0.0);
    EXPECT_DOUBLE_EQ(beyond.Y, 2.0);
}

struct IntervalCase {
    double longueur;
    int intervalMs;
};

class TimerIntervalTest : public ::testing::TestWithParam<IntervalCase> {};

TEST_P(TimerIntervalTest, TwentyTimesRootOfLengthRoundedHalfToEven)
{
    EXPECT_EQ(TimerIntervalMs(GetParam().longueur), GetParam().intervalMs);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, TimerIntervalTest,
    ::testing::Values(IntervalCase{67.0, 164},      // 163.71
                      IntervalCase{4.0, 40},        // exact
                      IntervalCase{4.515625, 42},   // 42.5: the even neighbour below
                      IntervalCase{5.640625, 48},   // 47.5: the even neighbour above
                      IntervalCase{3.01, 35},       // shortest accepted length
                      IntervalCase{1000.0, 632}));  // longest accepted length

struct RedCase {
    int i;
    int m;
    int red;
};

class TrailRedTest : public ::testing::TestWithParam<RedCase> {};

TEST_P(TrailRedTest, IsIndexOverCountOf255RoundedHalfToEven)
{
    EXPECT_EQ(TrailRed(GetParam().i, GetParam().m), GetParam().red);
}

INSTANTIATE_TEST_SUITE_P(
    Points, TrailRedTest,
    ::testing::Values(RedCase{1, 1, 255},    // a lone point is pure red
                      RedCase{1, 2, 128},    // 127.5 → 128
                      RedCase{2, 2, 255},
                      RedCase{1, 10, 26},    // 25.5 → 26
                      RedCase{3, 10, 76},    // 76.5 → 76
                      RedCase{1, 100, 3},    // 2.55: the oldest of a full trail
                      RedCase{50, 100, 128}, // 127.5 → 128
                      RedCase{99, 100, 252}, // 252.45
                      RedCase{100, 100, 255}));

TEST(TrailFadeTest, FullTrailFadesSteadilyFromDarkToRed)
{
    int previous = 0;
    for (int i = 1; i <= kTrailLength; ++i) {
        const int red = TrailRed(i, kTrailLength);
        EXPECT_GT(red, previous) << "point " << i;
        EXPECT_LE(red, 255);
        previous = red;
    }
}

} // namespace
} // namespace kestrova::foucault
