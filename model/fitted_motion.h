#pragma once

/// \file
/// The motion a fit found, kept beside its measurement: the damping model,
/// the exact fitted values and the time window they were fitted over. The
/// graphs draw its curve from it and a lesson file carries it. The curve is
/// traced by the fit's own integration, so that it is exactly the model the
/// residuals were taken from.

#include "model/measured_series.h"
#include "model/pendulum_fit.h"

#include <optional>

namespace kestrova {

struct FittedMotion {
    DampingModel model = DampingModel::Linear;
    bool speed = false;  ///< fitted to an angular speed: the curve is one too
    double omega0 = 0;   ///< rad/s
    double lambda = 0;   ///< 1/s
    double mu = 0;       ///< 1/rad, quadratic model only
    double angle = 0;    ///< rad, at `from`
    double velocity = 0; ///< rad/s, at `from`
    double offset = 0;   ///< rad/s, gyroscope only
    double from = 0;     ///< s: the first and last samples of the fit's window
    double to = 0;

    bool operator==(const FittedMotion&) const = default;
};

/// The motion of a converged fit; none otherwise.
[[nodiscard]] std::optional<FittedMotion> FittedMotionOf(const PendulumFit& fit);

/// A motion that can belong to `measured`: finite values, a positive
/// pulsation, a window within the measurement, the same quantity, and no
/// term its model does not have.
[[nodiscard]] bool FittedMotionSound(const FittedMotion& motion, const MeasuredSeries& measured);

/// The motion over its window, as the measurement reads it: at each sample
/// of `measured` within the window, and where the samples are too sparse
/// to show the swing smoothly, at even times between them.
[[nodiscard]] MeasuredSeries FittedMotionCurve(const FittedMotion& motion,
                                               const MeasuredSeries& measured);

} // namespace kestrova
