#include "model/foucault_motion.h"
#include "model/pendulum_length.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <utility>

namespace kestrova::foucault {
namespace {

// The 67 m pendulum.
const double omega = OmegaTerre();
const double bigOmega = OmegaPendule(67.0, omega);
GroundPosition At(double t)
{
    return BobOnGround(kAmplitude, bigOmega, omega, t);
}

// Released from rest at the amplitude, then x'' = 2ω y' − (g/L) x and
// y'' = −2ω x' − (g/L) y, an hour into the run as at the start. After one
// swing (16.42 s) the bob is back on its circle, the plane turned clockwise
// by about 4.45°: once in about 1328 s.
TEST(Motion67, PendulumEquationsInTheTurningFrameAndPeriods)
{
    EXPECT_EQ(At(0).PosX, kAmplitude);
    EXPECT_EQ(At(0).PosY, 0.0);
    const double h = 1e-3;
    for (const double t : {0.0, 12.3, 3600.0}) {
        const GroundPosition m = At(t - h), p0 = At(t), p = At(t + h);
        const double vx = (p.PosX - m.PosX) / (2 * h), vy = (p.PosY - m.PosY) / (2 * h);
        EXPECT_TRUE(t != 0 || (std::abs(vx) < 1e-6 && std::abs(vy) < 1e-6)) << vx << ", " << vy;
        EXPECT_NEAR((p.PosX - 2 * p0.PosX + m.PosX) / (h * h), 2 * omega * vy - 9.81 / 67 * p0.PosX,
                    1e-4)
            << "t = " << t;
        EXPECT_NEAR((p.PosY - 2 * p0.PosY + m.PosY) / (h * h),
                    -2 * omega * vx - 9.81 / 67 * p0.PosY, 1e-4)
            << "t = " << t;
    }
    const double period = 2.0 * std::numbers::pi / bigOmega;
    EXPECT_NEAR(period, 16.42, 0.005);
    const GroundPosition back = At(period);
    EXPECT_NEAR(std::hypot(back.PosX, back.PosY), kAmplitude, 1e-9);
    EXPECT_NEAR(std::atan2(back.PosY, back.PosX), -omega * period, 1e-9);
    EXPECT_NEAR(2 * std::numbers::pi / omega, 1328, 0.5);
}

// The trail keeps the last 100 positions, oldest first.
TEST(Motion67, TrailKeepsTheLastHundredPositions)
{
    Collection_Points trail;
    for (int k = 1; k <= 250; ++k) {
        AddToTrail(trail, At(k * 0.164));
        ASSERT_EQ(trail.CountPoint(), std::min(k, 100)) << "tick " << k;
    }
    for (const int i : {1, 100}) {
        EXPECT_EQ(trail.Point(i)->X0Line, At((150 + i) * 0.164).PosX) << i;
        EXPECT_EQ(trail.Point(i)->Y0Line, At((150 + i) * 0.164).PosY) << i;
    }
}

// 20·√L ms, a half going to the even neighbour; the trail's red i × 255 / m
// likewise (127.5 → 128, 76.5 → 76).
TEST(FoucaultTimingTest, TimerIntervalAndTrailRedRoundHalfToEven)
{
    for (const auto& [length, ms] :
         {std::pair{67.0, 164}, std::pair{4.515625, 42}, std::pair{5.640625, 48}})
        EXPECT_EQ(TimerIntervalMs(length), ms) << "L = " << length;
    for (const auto& [i, m, red] : {std::array{1, 2, 128}, std::array{3, 10, 76},
                                    std::array{1, 100, 3}, std::array{100, 100, 255}})
        EXPECT_EQ(TrailRed(i, m), red) << i << " of " << m;
}

TEST(ReadLengthTest, AcceptsOnlyLengthsAboveTheAmplitudeUpTo1000m)
{
    struct Case {
        const char* text;
        const char* separator; // the user's decimal separator
        double length;         // 0: refused
    };
    for (const Case& c : {
             Case{"12,5", ",", 12.5},
             Case{"12.5", ",", 12.5},           // a point is always decimal
             Case{"12,5", ".", 12.0},           // the comma is not, where the user's is a point
             Case{"67\u066B5", "\u066B", 67.5}, // a separator of more than one byte
             Case{" 1\t2 , 5 m", ",", 12.5},    // blanks are ignored anywhere
             Case{"1000", ".", 1000.0},
             Case{"2e2", ".", 200.0},
             Case{"", ".", 0},
             Case{"- 5", ".", 0},
             Case{"3", ".", 0}, // the amplitude itself
             Case{"1000.01", ".", 0},
             Case{"1e999", ".", 0},
         }) {
        const LengthReading reading = ReadLength(c.text, c.separator);
        EXPECT_EQ(reading.Accepted(), c.length > 0) << c.text;
        if (reading.Accepted()) {
            EXPECT_DOUBLE_EQ(reading.Length, c.length) << c.text;
        } else { // every refusal states the accepted range
            const std::string message = RefusalMessage(reading.Refusal);
            EXPECT_NE(message.find("plus de 3 m"), std::string::npos) << c.text;
            EXPECT_NE(message.find("1000 m"), std::string::npos) << c.text;
        }
    }
}

} // namespace
} // namespace kestrova::foucault
