#pragma once

/// \file
/// Least-squares fit of the damped pendulum's equation to a measured swing,
///     θ'' + 2λθ' + μ·θ'·|θ'| + ω₀² sin θ = 0,
/// with μ = 0 (linear damping) or fitted too (air drag, quadratic), over a
/// time window: ω₀, λ, the angle and speed at the window's start, and for a
/// gyroscope the constant offset of its readings. Levenberg–Marquardt,
/// started from values read off the data, over windows that widen from a
/// few swings to the whole so that the phase never slips away from the
/// start values.

#include "model/measured_series.h"

#include <atomic>
#include <vector>

namespace kestrova {

enum class DampingModel { Linear, Quadratic };

struct FitOptions {
    DampingModel model = DampingModel::Linear;
    double from = -1e300;    ///< s: the window, clamped to the longest stretch
    double to = 1e300;       ///<    of samples within it that has no pause
    int maxIterations = 200; ///< in all
    /// Set from another thread to stop the fit (it then reports Cancelled).
    const std::atomic<bool>* cancel = nullptr;
};

enum class FitStatus { Converged, NotConverged, Cancelled, TooFewSamples, NoSwing };

struct FittedValue {
    double value = 0;
    double uncertainty = 0; ///< standard uncertainty
};

struct PendulumFit {
    FitStatus status = FitStatus::TooFewSamples;
    DampingModel model = DampingModel::Linear;
    bool speed = false;           ///< fitted to an angular speed
    FittedValue omega0;           ///< rad/s
    FittedValue lambda;           ///< 1/s
    FittedValue mu;               ///< 1/rad, quadratic model only
    FittedValue angle;            ///< rad, at startTime
    FittedValue velocity;         ///< rad/s, at startTime
    FittedValue offset;           ///< rad/s, gyroscope only
    double startTime = 0;         ///< s: the first sample of the window
    double rms = 0;               ///< the residuals' root mean square, the series' unit
    std::vector<double> time;     ///< the window's sample times
    std::vector<double> residual; ///< measured minus fitted, at each
    int iterations = 0;

    [[nodiscard]] bool Converged() const { return status == FitStatus::Converged; }
};

[[nodiscard]] PendulumFit FitPendulum(const MeasuredSeries& series, const FitOptions& options);

/// The fitted motion at each of `times` (at or after startTime, increasing),
/// as the series measures it: the angle, or the speed read by the sensor.
[[nodiscard]] std::vector<double> FittedCurve(const PendulumFit& fit,
                                              const std::vector<double>& times);

enum class DampingVerdict {
    Linear,    ///< the quadratic term adds nothing the noise could not
    Quadratic, ///< the quadratic term is clearly there
    Undecided, ///< neither clearly, or a fit failed
};

/// Which damping the residuals favour, from both fits of the same window.
[[nodiscard]] DampingVerdict CompareDamping(const PendulumFit& linear,
                                            const PendulumFit& quadratic);

} // namespace kestrova
