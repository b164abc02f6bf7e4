#include "model/damped_animation.h"
#include "model/energy.h"
#include "model/energy_levels.h"
#include "model/start_from_phase_point.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kestrova {
namespace {

constexpr double kPi = std::numbers::pi;

bool OnBorder(Motion m, const PhaseRange& r)
{
    const auto near = [](double a, double b) {
        return std::abs(a - b) <= 1e-6 * (1 + std::abs(b));
    };
    return near(m.angle, r.angleMin) || near(m.angle, r.angleMax) || near(m.speed, r.speedMin)
        || near(m.speed, r.speedMax);
}

// Plot-like ranges: loops wholly inside, loops and rotations cut by the
// border, the separatrix reaching the upside-down points. Every point has
// its level's energy and lies inside; a piece either closes on itself or
// ends on the border; the separatrix goes through (0, ±2ω₀) and (±π, 0).
TEST(EnergyLevelCurve, PointsKeepTheirEnergyAndPiecesCloseOrEndOnTheBorder)
{
    struct Row {
        double Pulsation2;
        PhaseRange range;
    };
    for (const Row& row : {Row{16, {-0.8, 0.8, -4, 4}}, Row{16, {-PI, PI, -9, 9}},
                           Row{0.01, {-kPi, kPi, -0.35, 0.35}}, Row{400, {-1.2, 0.4, -30, 50}},
                           Row{4, {-kPi, kPi, -5, 5}}}) {
        bool sawSeparatrix = false;
        const std::vector<EnergyLevel> levels = EnergyLevelsFor(row.Pulsation2, row.range);
        EXPECT_EQ(std::count_if(levels.begin(), levels.end(),
                                [](const EnergyLevel& l) { return !l.separatrix; }),
                  6); // the plotted range's share of the portrait, in six steps
        for (const EnergyLevel& level : levels) {
            const auto pieces = EnergyLevelCurve(level.energy, row.Pulsation2, row.range);
            ASSERT_FALSE(pieces.empty()) << level.energy;
            for (const PhasePolyline& piece : pieces) {
                for (const Motion& m : piece) {
                    ASSERT_TRUE(row.range.Contains(m)) << m.angle << ", " << m.speed;
                    ASSERT_NEAR(EnergyOf(m, row.Pulsation2).Total() / level.energy, 1, 1e-9);
                }
                const bool closed = piece.front().angle == piece.back().angle
                    && piece.front().speed == piece.back().speed;
                EXPECT_TRUE(
                    closed
                    || (OnBorder(piece.front(), row.range) && OnBorder(piece.back(), row.range)))
                    << level.energy;
            }
            if (!level.separatrix)
                continue;
            sawSeparatrix = true;
            const double w0 = std::sqrt(row.Pulsation2);
            for (const Motion p :
                 {Motion{0, 2 * w0}, Motion{0, -2 * w0}, Motion{kPi, 0}, Motion{-kPi, 0}}) {
                if (!row.range.Contains(p))
                    continue;
                double d = INFINITY;
                for (const PhasePolyline& piece : pieces)
                    for (const Motion& m : piece)
                        d = std::min(d, std::hypot(m.angle - p.angle, m.speed - p.speed));
                EXPECT_LT(d, 1e-6) << p.angle << ", " << p.speed;
            }
        }
        EXPECT_EQ(sawSeparatrix, row.range.speedMax > 2 * std::sqrt(row.Pulsation2))
            << row.Pulsation2;
    }
}

// Either side of the separatrix by a thousandth of the speed, without
// damping, integrated as the animation does (millisecond ticks): below, the
// pendulum swings back before the top for 100 s; above, it turns over.
TEST(EnergyLevelCurve, TheSeparatrixDividesSwingingFromTurningOver)
{
    for (const auto& [factor, overTheTop] :
         {std::pair{1 - 1e-3, false}, std::pair{1 + 1e-3, true}}) {
        PenduleState s;
        s.Pulsation2 = 16;
        s.Omega0 = s.Omega = s.OmegaApprox = 2 * 4 * factor;
        double unwrapped = 0, widest = 0;
        for (int k = 1; k <= 100'000; ++k) {
            const double before = s.Teta;
            ASSERT_TRUE(AdvanceAnimation(s, k / 1000.0).finite);
            double d = s.Teta - before;
            d -= 2 * kPi * std::nearbyint(d / (2 * kPi));
            unwrapped += d;
            widest = std::max(widest, std::abs(unwrapped));
        }
        EXPECT_EQ(widest >= kPi, overTheTop) << factor << ": " << widest;
        EXPECT_GT(widest, 3); // it did climb close to the top
    }
}

// A picked point gives the nearest slider values in range; a negative angle
// is the mirror image (−θ, −θ').
TEST(NearestStartSliders, RoundsClampsAndMirrors)
{
    for (const auto& [point, expected] :
         {std::pair{Motion{30 * DegToRad, -2}, StartSliders{30, -2}},
          std::pair{Motion{-30.4 * DegToRad, 2.6}, StartSliders{30, -3}},
          std::pair{Motion{-0.2 * DegToRad, 1.2}, StartSliders{0, -1}},
          std::pair{Motion{3.3, 12}, StartSliders{180, 10}},
          std::pair{Motion{NAN, -INFINITY}, StartSliders{0, 0}}})
        EXPECT_EQ(NearestStartSliders(point), expected) << point.angle << ", " << point.speed;
}

} // namespace
} // namespace kestrova
