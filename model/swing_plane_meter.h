#pragma once

/// \file
/// Measures how fast the swing plane turns from the bob's positions alone,
/// as a student would from the trace on the ground: the direction of each
/// position from the pivot's vertical, taken as a line (a direction and its
/// opposite are the same plane). The positions far out, near the ends of a
/// swing, show the plane best and weigh the most (weight r²); those near the
/// centre hardly count.
///
/// Within one swing the bob runs round a thin ellipse, so its direction
/// wavers about the plane twice a swing; a fit through every position would
/// take that wavering for turning until many swings are in. The positions
/// are therefore grouped by half-swing, from one crossing of the centre to
/// the next: such a group is symmetric about the end of its swing, its
/// weighted mean direction is the plane's at its weighted mean time, and the
/// wavering cancels. The rate is the slope of a least-squares line through
/// those points, and the scatter of the points about the line gives its
/// uncertainty. Positions further apart than a quarter swing cannot show
/// the crossings between them: each one is then a point of its own.

#include <optional>

namespace kestrova::foucault {

/// A measured turning rate of the swing plane.
struct PlaneRate {
    double Clockwise = 0;   ///< rad/s, positive clockwise seen from above
    double Uncertainty = 0; ///< standard error of the rate (rad/s)
};

/// A weighted least-squares line a = mean + slope·(t − mean t), updated one
/// point at a time (which keeps its precision over hours of simulated time).
class WeightedLine {
public:
    void Add(double t, double a, double weight);
    [[nodiscard]] int Count() const { return count_; }
    [[nodiscard]] double MeanValue() const { return meanA_; }
    /// The slope; 0 until two points at different times.
    [[nodiscard]] double Slope() const;
    [[nodiscard]] double ValueAt(double t) const;
    /// Standard error of the slope from the scatter about the line; needs
    /// three points.
    [[nodiscard]] double SlopeError() const;

private:
    int count_ = 0;
    double weight_ = 0; ///< sum of the weights
    double meanT_ = 0;
    double meanA_ = 0;
    double sumTT_ = 0; ///< weighted sum of squared deviations of t
    double sumTA_ = 0; ///< weighted sum of products of the deviations
    double sumAA_ = 0; ///< weighted sum of squared deviations of a
};

class SwingPlaneMeter {
public:
    /// The rate means something once this many half-swings are in: two
    /// whole swings.
    static constexpr int kHalfSwingsNeeded = 4;
    /// ... and once its uncertainty is below this share of the rate.
    static constexpr double kRelativeUncertainty = 0.10;

    /// Positions that may come at any pace; no gap tells of lost crossings.
    SwingPlaneMeter() = default;
    /// For a pendulum that swings once in `swingSeconds`.
    explicit SwingPlaneMeter(double swingSeconds)
        : swingSeconds_(swingSeconds)
    { }

    /// Takes the bob's ground position (m) at time t (s). Times must not
    /// decrease; a position at the centre or not finite is left out.
    void Add(double t, double x, double y);

    /// Forgets every position; the swing stays.
    void Clear() { *this = SwingPlaneMeter(swingSeconds_); }

    /// The slope through the measured half-swings (rad/s, positive
    /// clockwise seen from above, x to the right, y upward); nothing until
    /// two are in.
    [[nodiscard]] std::optional<double> ClockwiseRate() const;

    /// The rate with its uncertainty once it means something: at least
    /// kHalfSwingsNeeded half-swings, and an uncertainty below
    /// kRelativeUncertainty of the rate (or too small to show, where the
    /// plane does not turn); nothing before.
    [[nodiscard]] std::optional<PlaneRate> Measurement() const;

private:
    /// The plane's direction expected at time t from what is in so far.
    [[nodiscard]] double Expected(double t) const;
    /// Ends the half-swing under way; it counts unless it is the first.
    void CloseHalfSwing();

    double swingSeconds_ = 0; ///< 0: unknown
    WeightedLine everything_; ///< every position, for the direction before the fit
    /// One point per measured half-swing: whole ones only, the one the
    /// first position fell in left out, as it started wherever the run did.
    WeightedLine halfSwings_;

    bool started_ = false;       ///< a position is in
    bool firstHalfSwing_ = true; ///< the half-swing under way is the first
    int side_ = 0;               ///< side of the centre of the half-swing under way
    double lastT_ = 0;
    double weight_ = 0; ///< sums over the half-swing under way
    double weightedT_ = 0;
    double weightedAngle_ = 0;
};

} // namespace kestrova::foucault
