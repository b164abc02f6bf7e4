#pragma once

/// \file
/// The motion of the damped pendulum, θ'' + 2λθ' + μ·θ'·|θ'| + ω₀² sin θ = 0,
/// from its state at the first of given sample times, as a sensor reads it
/// at each of them; and, for a least-squares fit, the derivatives of those
/// readings with respect to ω₀, λ, μ and the start state, integrated
/// alongside the motion (its variational equations) rather than by tracing
/// the motion once more for each parameter.

#include <cstddef>
#include <span>

namespace kestrova {

struct SwingParameters {
    double omega0 = 0; ///< rad/s: only its square enters the motion
    double lambda = 0; ///< 1/s
    double mu = 0;     ///< 1/rad
    double angle = 0;  ///< rad, at the first sample
    double speed = 0;  ///< rad/s, at the first sample
    double offset = 0; ///< rad/s, added to a speed reading
};

/// Largest ω·h of a Runge–Kutta step: a phase error far below the noise
/// over thousands of swings.
inline constexpr double kTraceStepPhase = 0.05;

/// Most grid steps a trace of `samples` may take: far more than any
/// recording that resolves its swings needs, and a bound on the work.
[[nodiscard]] std::size_t TraceStepLimit(std::size_t samples);

/// The readings at the increasing times `t` (the angle, or the speed plus
/// the offset when `speed`) into `reading`, as long as `t`: Runge–Kutta
/// steps on a grid of their own, fixed by `omegaRef` so that the readings
/// vary smoothly with the parameters, and cubic Hermite interpolation from
/// the grid to the samples, which may be denser. Returns how many samples
/// were traced: fewer when the motion runs away or takes too many steps.
std::size_t TraceSwing(std::span<const double> t, const SwingParameters& p, bool speed,
                       double omegaRef, std::span<double> reading);

/// The derivatives of each reading, in this order.
enum SwingDerivative : std::size_t {
    ByOmega0,
    ByLambda,
    ByAngle,
    BySpeed,
    ByMu,
    kSwingDerivatives
};

/// The derivatives of the readings TraceSwing gives (that by the offset is
/// 1) into `derivatives`, kSwingDerivatives per sample, sample after
/// sample; the samples not traced are left alone. Returns as TraceSwing.
std::size_t TraceSwingDerivatives(std::span<const double> t, const SwingParameters& p, bool speed,
                                  double omegaRef, std::span<double> derivatives);

} // namespace kestrova
