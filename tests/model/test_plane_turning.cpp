#include "model/foucault_motion.h"
#include "model/latitude_reading.h"
#include "model/sped_up_time.h"
#include "model/swing_plane_meter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>

namespace kestrova::foucault {
namespace {

// The 67 m pendulum at a real place: how far its swing plane turns, read on
// the exact motion, and what the law and the meter say.
TEST(PlaneTurningTest, RateSeenOnTheMotionMeasuredAndByTheLaw)
{
    struct Place {
        const char* name;
        double degrees;
        PlanetDay day;
        double hours;            // simulated
        double realStep;         // s between two samples, as ticks at 164 ms
        double clockwisePerHour; // degrees, negative the other way
        double tolerance;
        double fullTurnHours; // 0: never
    };
    for (const Place& p : {
             Place{"Paris", 48.853, PlanetDay::Sidereal, 1, 0.164 * 3600, 11.33, 0.05, 31.8},
             Place{"North Pole", 90, PlanetDay::Sidereal, 1, 0.164 * 3600, 15.04, 0.005, 23.93},
             Place{"45 N", 45, PlanetDay::Sidereal, 2, 0.164 * 600, 10.64, 0.01, 33.8},
             Place{"45 S", -45, PlanetDay::Sidereal, 2, 0.164 * 600, -10.64, 0.01, 33.8},
             Place{"equator", 0, PlanetDay::Sidereal, 24, 0.164 * 3600, 0, 0.01 / 24, 0},
             Place{"Paris, 1000 s day", 48.85, PlanetDay::Accelerated, 0.1, 0.164, 975.9, 0.1,
                   1328 / 3600.0},
         }) {
        SCOPED_TRACE(p.name);
        const double omega = OmegaTerre(p.degrees * DegToRad, DaySeconds(p.day));
        const double bigOmega = OmegaPendule(67.0, omega);

        // At the end of a swing the bob shows the plane: turned from +x.
        const double swing = 2 * std::numbers::pi / bigOmega;
        const double t = std::round(p.hours * 3600 / swing) * swing;
        const GroundPosition end = BobOnGround(kAmplitude, bigOmega, omega, t);
        EXPECT_NEAR(-std::atan2(end.PosY, end.PosX) / DegToRad / (t / 3600), p.clockwisePerHour,
                    p.tolerance);

        EXPECT_NEAR(DegreesPerHour(omega), p.clockwisePerHour, p.tolerance);
        const std::optional<double> fullTurn = FullTurnHours(omega);
        EXPECT_EQ(fullTurn.has_value(), p.fullTurnHours > 0);
        EXPECT_NEAR(fullTurn.value_or(0), p.fullTurnHours, 0.05);

        // Nothing is measured before two whole swings; the uncertainty then
        // covers the law.
        SwingPlaneMeter meter(SwingSeconds(bigOmega));
        for (double s = 0; s <= p.hours * 3600; s += p.realStep) {
            const GroundPosition bob = BobOnGround(kAmplitude, bigOmega, omega, s);
            meter.Add(s, bob.PosX, bob.PosY);
            if (const std::optional<PlaneRate> rate = meter.Measurement()) {
                EXPECT_GE(s, 2 * swing);
                EXPECT_LE(std::abs(rate->Clockwise - omega),
                          std::max(3 * rate->Uncertainty, 0.1 * DegToRad / 3600))
                    << s;
            }
        }
        ASSERT_TRUE(meter.ClockwiseRate().has_value() && meter.Measurement().has_value());
        EXPECT_NEAR(DegreesPerHour(*meter.ClockwiseRate()), DegreesPerHour(omega),
                    0.01 * std::abs(DegreesPerHour(omega)) + 1e-6);
    }
}

TEST(PlaneTurningTest, MeterWaitsForWholeHalfSwingsAndSkipsTheCentre)
{
    SwingPlaneMeter meter;
    meter.Add(0, 3, 0);              // the half-swing under way at the start is not whole
    meter.Add(1, 0, 0);              // no direction
    meter.Add(1.5, std::nan(""), 1); // nor do values that are not numbers
    meter.Add(std::nan(""), 3, 0.1);
    meter.Add(2, -3, 0.3);
    meter.Add(3, 3, -0.6); // a line turned clockwise, through the half turn
    EXPECT_FALSE(meter.ClockwiseRate().has_value());
    meter.Add(4, -3, 0.9);
    ASSERT_TRUE(meter.ClockwiseRate().has_value());
    EXPECT_GT(*meter.ClockwiseRate(), 0.05);
    EXPECT_FALSE(meter.Measurement().has_value());
    meter.Clear();
    EXPECT_FALSE(meter.ClockwiseRate().has_value());
}

TEST(PlaneTurningTest, TimeFactorChangesWithoutAJump)
{
    SpedUpTime time;
    EXPECT_EQ(time.At(114.8), 114.8);
    time.SetFactor(3600, 10);
    EXPECT_DOUBLE_EQ(time.At(11), 3610);
    time.SetFactor(60, 11);
    EXPECT_DOUBLE_EQ(time.At(12), 3670);
    time.Restart();
    EXPECT_DOUBLE_EQ(time.At(1), 60);
}

TEST(ReadLatitudeTest, DegreesFromPoleToPoleWithTheHemisphere)
{
    using enum LatitudeRefusal;
    struct Case {
        const char* text;
        const char* separator;
        double degrees;
        LatitudeRefusal refusal = None;
    };
    for (const Case& c : {
             Case{"48,85 N", ",", 48.85},
             Case{"33,87 S", ",", -33.87},
             Case{"33.87°s", ",", -33.87},
             Case{"-12 n", ".", 12.0}, // the letter wins over the sign
             Case{" - 9 0", ".", -90.0},
             Case{"12,5", ".", 12.0},
             Case{"90.01", ".", 0, OutOfRange},
             Case{"1e999", ".", 0, OutOfRange},
             Case{"N", ".", 0, NoNumber},
             // Degrees, minutes and seconds, with the marks a keyboard gives.
             Case{"45°30' N", ",", 45.5},
             Case{"45°30'", ",", 45.5},
             Case{"-0°30'", ",", -0.5},
             Case{"45° 30' 15\" S", ",", -(45 + 30 / 60.0 + 15 / 3600.0)},
             Case{"45°30\u2032 15\u2033", ",", 45 + 30 / 60.0 + 15 / 3600.0},
             Case{"45°30’15’’", ",", 45 + 30 / 60.0 + 15 / 3600.0},
             Case{"45°30,5’", ",", 45 + 30.5 / 60.0},
             Case{"45°3", ",", 45.05}, // being typed
             Case{"90°00'01\"", ",", 0, OutOfRange},
             Case{"45°60'", ",", 0, BadMinutes},
             Case{"45,5°30'", ",", 0, Unreadable},
             Case{"4530'", ",", 0, Unreadable},
             Case{"45°30\"", ",", 0, Unreadable},
             Case{"45 30 N", ",", 0, SplitNumber},
             Case{"45° 30 15", ",", 0, SplitNumber},
         }) {
        const LatitudeReading reading = ReadLatitude(c.text, c.separator);
        EXPECT_EQ(reading.Refusal, c.refusal) << c.text;
        EXPECT_DOUBLE_EQ(reading.Degrees, c.degrees) << c.text;
    }
    // Paris by default is the latitude the window has always had.
    EXPECT_EQ(ReadLatitude("48.85", ".").Degrees * DegToRad, kLatitude);
}

} // namespace
} // namespace kestrova::foucault
