#include "model/swing_plane_meter.h"

#include "model/pendulum_state.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kestrova::foucault {

namespace {

// An uncertainty below this shows as 0 at one decimal of degrees per hour:
// where the plane does not turn, a rate of 0 this sure is a measurement.
constexpr double kNegligibleRate = 0.05 * DegToRad / 3600.0;

} // namespace

void WeightedLine::Add(double t, double a, double weight)
{
    ++count_;
    weight_ += weight;
    const double dt = t - meanT_;
    const double da = a - meanA_;
    const double share = weight / weight_;
    meanT_ += share * dt;
    meanA_ += share * da;
    sumTT_ += weight * dt * (t - meanT_);
    sumTA_ += weight * dt * (a - meanA_);
    sumAA_ += weight * da * (a - meanA_);
}

double WeightedLine::Slope() const
{
    return sumTT_ > 0 ? sumTA_ / sumTT_ : 0.0;
}

double WeightedLine::ValueAt(double t) const
{
    return meanA_ + Slope() * (t - meanT_);
}

double WeightedLine::SlopeError() const
{
    if (count_ < 3 || !(sumTT_ > 0))
        return 0;
    // The weights say how the points compare, not how precise each one is:
    // the scatter itself sets the scale.
    const double scatter = std::max(sumAA_ - sumTA_ * sumTA_ / sumTT_, 0.0);
    return std::sqrt(scatter / (count_ - 2) / sumTT_);
}

double SwingPlaneMeter::Expected(double t) const
{
    return halfSwings_.Count() >= 2 ? halfSwings_.ValueAt(t) : everything_.MeanValue();
}

void SwingPlaneMeter::CloseHalfSwing()
{
    if (!firstHalfSwing_ && weight_ > 0)
        halfSwings_.Add(weightedT_ / weight_, weightedAngle_ / weight_, weight_);
    firstHalfSwing_ = false;
    weight_ = weightedT_ = weightedAngle_ = 0;
}

void SwingPlaneMeter::Add(double t, double x, double y)
{
    const double weight = x * x + y * y;
    if (!(weight > 0) || !std::isfinite(weight) || !std::isfinite(t))
        return;

    // The direction as a line: of the angles that differ by half turns, the
    // one nearest to where the plane is expected. The expectation comes
    // from the far-out positions, never from the last one, whose direction
    // turns right round as the bob passes the centre.
    double angle = std::atan2(y, x);
    if (started_) {
        const double expected = Expected(t);
        angle += std::numbers::pi * std::nearbyint((expected - angle) / std::numbers::pi);
        const int side = x * std::cos(expected) + y * std::sin(expected) >= 0 ? 1 : -1;
        const bool gap = swingSeconds_ > 0 && t - lastT_ > swingSeconds_ / 4;
        if (side != side_ || gap)
            CloseHalfSwing();
        side_ = side;
    } else {
        started_ = true;
        side_ = 1;
    }
    lastT_ = t;
    everything_.Add(t, angle, weight);
    weight_ += weight;
    weightedT_ += weight * t;
    weightedAngle_ += weight * angle;
}

std::optional<double> SwingPlaneMeter::ClockwiseRate() const
{
    if (halfSwings_.Count() < 2)
        return std::nullopt;
    return -halfSwings_.Slope();
}

std::optional<PlaneRate> SwingPlaneMeter::Measurement() const
{
    if (halfSwings_.Count() < kHalfSwingsNeeded)
        return std::nullopt;
    const PlaneRate rate{-halfSwings_.Slope(), halfSwings_.SlopeError()};
    if (rate.Uncertainty > kRelativeUncertainty * std::abs(rate.Clockwise)
        && rate.Uncertainty >= kNegligibleRate)
        return std::nullopt;
    return rate;
}

} // namespace kestrova::foucault
