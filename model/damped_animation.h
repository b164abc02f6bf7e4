#pragma once

/// \file
/// One tick of the damped-pendulum animation, advanced over the real time the
/// clock measured since the previous tick. The window reads the clock, calls
/// AdvanceAnimation, and draws what it returns; nothing here knows about
/// drawing.

#include "model/integrator.h"
#include "model/pendulum_state.h"

#include <span>
#include <vector>

namespace kestrova {

/// Longest integration sub-step (s) for the natural pulsation ω₀ (rad/s):
/// 0.01 rad of ω₀·h and never more than 5 ms. 5 ms when ω₀ is not positive.
[[nodiscard]] double MaxSubStep(double naturalPulsation);

/// θ and θ' after `seconds` from `from`, covered in equal RK4 sub-steps no
/// longer than `maxSubStep`. A time that is not positive and finite leaves
/// the motion as it is.
[[nodiscard]] Motion Integrate(Motion from, double Pulsation2, double Lambda, double seconds,
                               double maxSubStep);

/// The motion at one instant of displayed time (TempsCumul + Temps): what
/// the traces pass through, and what measurements and recordings consume.
struct TraceSample {
    double time = 0; ///< s
    Motion exact;    ///< integrated motion
    Motion approx;   ///< small-angle solution
};

/// Longest stretch of displayed time between two samples of a tick: the
/// traces are as smooth whatever the pace of the ticks.
inline constexpr double kSampleSeconds = 0.001;

/// What one tick produced: where each curve was and is, in displayed time
/// TempsCumul + Temps, and the samples in between.
struct AnimationStep {
    /// False when a value of the tick is not finite: then nothing was
    /// advanced, and Temps was set back to the time the traces reached
    /// (TempsPrec, or 0), so that the pause that follows adds only that.
    bool finite = true;
    double previousTime = 0; ///< s, where this tick's segments start
    double time = 0;         ///< s, where they end
    Motion previous;         ///< exact motion at previousTime
    Motion next;             ///< exact motion at time
    Motion previousApprox;   ///< small-angle solution at previousTime
    Motion approx;           ///< small-angle solution at time
    /// A damped pendulum that has come to rest more than ten seconds after
    /// the last start or resume: the animation stops by itself.
    bool atRest = false;
    /// From (previousTime, previous, previousApprox) to (time, next, approx),
    /// at most kSampleSeconds apart: one trace segment between two neighbours.
    /// Inner samples fall on whole multiples of kSampleSeconds of Temps, so
    /// the traces pass through the same instants however the ticks come.
    /// Valid until the buffer given to AdvanceAnimation is used again.
    std::span<const TraceSample> samples;
    /// The last sample too falls on a whole multiple of kSampleSeconds;
    /// otherwise it is only where this tick happened to end.
    bool endsOnGrid = false;
    /// A sample completed a crossing of the vertical or a turning point: a
    /// measured value changed (set by DampedRun, which measures).
    bool measured = false;
};

/// Advances `state` to `Temps` seconds since the last start or resume:
/// integrates from (Teta, Omega) over Temps − TempsPrec, sampling the motion
/// and the small-angle solution into `buffer` (reused from tick to tick, so
/// that a running animation allocates nothing), carries the end into the
/// state and sets TempsPrec = Temps.
[[nodiscard]] AnimationStep AdvanceAnimation(PenduleState& state, double Temps,
                                             std::vector<TraceSample>& buffer);
/// The same with a buffer of the calling thread's own.
[[nodiscard]] AnimationStep AdvanceAnimation(PenduleState& state, double Temps);

/// The rest rule: (Omega/ω₀)² + Teta² below 1e-6, TempsPrec above 10 s and
/// Lambda not zero (an undamped pendulum never stops by itself).
[[nodiscard]] bool AtRest(const PenduleState& state);

} // namespace kestrova
