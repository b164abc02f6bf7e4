#pragma once

/// \file
/// Measures how fast the swing plane turns from the bob's positions alone,
/// as a student would from the trace on the ground: the direction of each
/// position from the pivot's vertical, taken as a line (a direction and its
/// opposite are the same plane), fitted against time by least squares. The
/// positions far out, near the ends of a swing, show the plane best and
/// weigh the most (weight r²); those near the centre hardly count. The
/// positions may come at any phase of the swing, even slower than the swing
/// itself, provided the plane turns by less than a quarter turn between two
/// of them.

#include <optional>

namespace kestrova::foucault {

class SwingPlaneMeter {
public:
    /// Takes the bob's ground position (m) at time t (s). Times must not
    /// decrease; a position at the centre or not finite is left out.
    void Add(double t, double x, double y);

    /// Forgets every position.
    void Clear() { *this = SwingPlaneMeter(); }

    /// The measured rate (rad/s), positive clockwise seen from above (x to
    /// the right, y upward); nothing until three positions at two different
    /// times have been taken.
    [[nodiscard]] std::optional<double> ClockwiseRate() const;

private:
    /// The plane's direction expected at time t from the fit so far.
    [[nodiscard]] double Expected(double t) const;

    int count_ = 0;
    double weight_ = 0;    ///< sum of the weights
    double meanT_ = 0;     ///< weighted mean time (s)
    double meanAngle_ = 0; ///< weighted mean direction (rad, counter-clockwise)
    double sumTT_ = 0;     ///< weighted sum of squared deviations of the times
    double sumTA_ = 0;     ///< weighted sum of products of the time and angle deviations
};

} // namespace kestrova::foucault
