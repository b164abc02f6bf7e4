#pragma once

/// \file
/// The motion of the Foucault pendulum: the exact small-oscillation solution
/// in the frame of the turning ground, for a place at a given latitude on a
/// planet that turns once a sidereal day or, by default, at latitude 48.85°
/// once in 1000 s (so that the swing plane turns visibly, once in about
/// 1328 s); the turning of the swing plane it gives, and what the two views
/// of the window derive from it.

#include "model/collection_points.h"
#include "model/pendulum_state.h"

#include <array>
#include <optional>

namespace kestrova::foucault {

/// Latitude of the place (rad): 48.85°.
inline constexpr double kLatitude = 0.8525933395992291;
/// Rotation period of the planet by default (s): a day sped up so that the
/// plane turns within a lesson.
inline constexpr double kPlanetDaySeconds = 1000.0;
/// The Earth's rotation period with respect to the stars (s).
inline constexpr double kSiderealDaySeconds = 86164.1;
/// Gravity (m/s²).
inline constexpr double kGravity = 9.81;
/// Initial distance of the bob from the vertical along the ground x axis (m).
inline constexpr double kAmplitude = 3.0;
/// Length at load (m).
inline constexpr double kDefaultLength = 67.0;
/// The trail keeps this many positions.
inline constexpr int kTrailLength = 100;

/// The day of the planet under the pendulum.
enum class PlanetDay {
    Accelerated, ///< once in kPlanetDaySeconds
    Sidereal,    ///< once in kSiderealDaySeconds
};
[[nodiscard]] double DaySeconds(PlanetDay day);
/// How many times faster than real time the simulation may run with the
/// sidereal day; the sped-up day runs at 1.
inline constexpr std::array<int, 4> kTimeFactors{1, 60, 600, 3600};

/// Vertical component of the planet's rotation rate (rad/s), signed:
/// \f$ \omega = \sin(\text{latitude}) \cdot 2\pi / \text{day} \f$, positive in the
/// north, negative in the south, 0 at the equator.
[[nodiscard]] double OmegaTerre(double latitude, double daySeconds);
/// The default place and day: ≈ 0.0047312 rad/s.
[[nodiscard]] double OmegaTerre();

/// How far the swing plane has turned by time t (rad), positive clockwise
/// seen from above (x to the right, y upward): the motion below is the swing
/// of a non-turning frame turned by −ωt, so the plane turns clockwise in the
/// north and the other way in the south.
[[nodiscard]] double PlaneTurn(double omegaTerre, double t);

/// A turning rate in rad/s as degrees per hour.
[[nodiscard]] double DegreesPerHour(double radiansPerSecond);

/// Hours for the plane to turn once; nothing where it never turns (at the
/// equator).
[[nodiscard]] std::optional<double> FullTurnHours(double omegaTerre);

/// Angular frequency of the swing in the rotating frame (rad/s):
/// \f$ \Omega = \sqrt{\omega^2 + g / L} \f$. Needs longueur > 0.
[[nodiscard]] double OmegaPendule(double longueur, double omegaTerre);

/// Seconds for one whole swing, there and back: 2π / Ω.
[[nodiscard]] double SwingSeconds(double omegaPendule);

/// Position of the bob on the ground plane (m), x and y seen from above.
struct GroundPosition {
    double PosX = 0;
    double PosY = 0;
};

/// The bob released from rest relative to the ground at (A, 0) at t = 0:
/// \f[ x = A\cos\Omega t\cos\omega t + A\frac{\omega}{\Omega}\sin\Omega t\sin\omega t \f]
/// \f[ y = A\frac{\omega}{\Omega}\sin\Omega t\cos\omega t - A\cos\Omega t\sin\omega t \f]
[[nodiscard]] GroundPosition BobOnGround(double amplitude, double omegaPendule, double omegaTerre,
                                         double t);

/// Lower end of the string in the side view (m, pivot at (0, L)).
struct StringEnd {
    double X = 0;
    double Y = 0;
};

/// The side view's string end: x follows the swing, A·cos(Ωt); the height
/// follows the ground x of the bob, y = (1 − cos AngleFil)·L with
/// AngleFil = arcsin(posX / L). The two agree at t = 0 and drift apart as the
/// swing plane turns. |posX| / L is held within 1 so that the arcsine always
/// has a value.
[[nodiscard]] StringEnd SideViewStringEnd(double amplitude, double longueur, double omegaPendule,
                                          double posX, double t);

/// The timer interval (ms) for a length: 20·√L rounded to the nearest
/// integer, a half going to the even neighbour (164 for 67 m, 40 for 4 m), so
/// that the trail covers about one swing whatever the length.
[[nodiscard]] int TimerIntervalMs(double longueur);

/// Adds the bob's ground position as the newest point of the trail and,
/// beyond kTrailLength points, drops the oldest: the trail then keeps the
/// last kTrailLength positions, oldest first.
void AddToTrail(Collection_Points& trail, GroundPosition bob);

/// Red component of trail point i of m (1 the oldest): i × 255 / m rounded
/// to the nearest integer, a half going to the even neighbour. Old points are
/// dark, the newest is pure red.
[[nodiscard]] int TrailRed(int i, int m);

} // namespace kestrova::foucault
