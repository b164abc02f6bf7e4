#include "model/swing_plane_meter.h"

#include <cmath>
#include <numbers>

namespace kestrova::foucault {

double SwingPlaneMeter::Expected(double t) const
{
    const double slope = sumTT_ > 0 ? sumTA_ / sumTT_ : 0.0;
    return meanAngle_ + slope * (t - meanT_);
}

void SwingPlaneMeter::Add(double t, double x, double y)
{
    const double weight = x * x + y * y;
    if (!(weight > 0) || !std::isfinite(weight) || !std::isfinite(t))
        return;

    // The direction as a line: of the angles that differ by half turns, the
    // one nearest to where the fit expects the plane.
    double angle = std::atan2(y, x);
    if (count_ > 0)
        angle += std::numbers::pi * std::nearbyint((Expected(t) - angle) / std::numbers::pi);

    // Weighted means and co-moments updated one position at a time, which
    // keeps their precision over hours of simulated time.
    ++count_;
    weight_ += weight;
    const double dt = t - meanT_;
    const double share = weight / weight_;
    meanT_ += share * dt;
    meanAngle_ += share * (angle - meanAngle_);
    sumTT_ += weight * dt * (t - meanT_);
    sumTA_ += weight * dt * (angle - meanAngle_);
}

std::optional<double> SwingPlaneMeter::ClockwiseRate() const
{
    if (count_ < 3 || !(sumTT_ > 0))
        return std::nullopt;
    return -sumTA_ / sumTT_;
}

} // namespace kestrova::foucault
