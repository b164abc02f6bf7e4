#include "model/fitted_motion.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kestrova {
namespace {

/// Points a swing needs for its curve to look smooth at any zoom a reader uses.
constexpr double kPointsPerPeriod = 60;
/// Most points added between the samples: a bound on the curve's size.
constexpr double kMostAddedPoints = 200'000;

} // namespace

std::optional<FittedMotion> FittedMotionOf(const PendulumFit& fit)
{
    if (!fit.Converged() || fit.time.empty())
        return std::nullopt;
    return FittedMotion{fit.model,     fit.speed,       fit.omega0.value,   fit.lambda.value,
                        fit.mu.value,  fit.angle.value, fit.velocity.value, fit.offset.value,
                        fit.startTime, fit.time.back()};
}

bool FittedMotionSound(const FittedMotion& motion, const MeasuredSeries& measured)
{
    const double values[] = {motion.omega0,   motion.lambda, motion.mu,   motion.angle,
                             motion.velocity, motion.offset, motion.from, motion.to};
    return std::all_of(std::begin(values), std::end(values),
                       [](double v) { return std::isfinite(v); })
        && motion.omega0 > 0 && !measured.time.empty() && motion.from < motion.to
        && motion.from >= measured.time.front() && motion.to <= measured.time.back()
        && motion.speed == measured.speed && (motion.speed || motion.offset == 0)
        && (motion.model == DampingModel::Quadratic || motion.mu == 0);
}

MeasuredSeries FittedMotionCurve(const FittedMotion& motion, const MeasuredSeries& measured)
{
    MeasuredSeries curve;
    curve.speed = motion.speed;
    const auto first = std::lower_bound(measured.time.begin(), measured.time.end(), motion.from);
    const auto last = std::upper_bound(first, measured.time.end(), motion.to);
    const double step = std::max(2 * std::numbers::pi / motion.omega0 / kPointsPerPeriod,
                                 (motion.to - motion.from) / kMostAddedPoints);
    for (auto t = first; t != last; ++t) {
        if (t != first) {
            // Even times between two samples far apart.
            const double gap = *t - *(t - 1);
            const double pieces = std::ceil(gap / step);
            for (double k = 1; k < pieces; ++k)
                curve.time.push_back(*(t - 1) + gap * k / pieces);
        }
        curve.time.push_back(*t);
    }
    PendulumFit fit;
    fit.status = FitStatus::Converged;
    fit.model = motion.model;
    fit.speed = motion.speed;
    fit.omega0.value = motion.omega0;
    fit.lambda.value = motion.lambda;
    fit.mu.value = motion.mu;
    fit.angle.value = motion.angle;
    fit.velocity.value = motion.velocity;
    fit.offset.value = motion.offset;
    fit.startTime = motion.from;
    curve.value = FittedCurve(fit, curve.time);
    return curve;
}

} // namespace kestrova
