#include "model/damped_animation.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace kestrova {

namespace {

// An integration step: short enough that RK4 keeps an undamped swing's
// energy to a part in ten million over two hours even at the fastest ω₀ (it
// loses about (ω₀·h)⁶/72 of it per step), and never longer than a few
// milliseconds so that the motion between ticks stays smooth.
constexpr double kMaxPhasePerStep = 0.01; // rad of ω₀·h
constexpr double kMaxStepSeconds = 0.005;

// Rest test: a damped pendulum whose (θ'/ω₀)² + θ² falls below this, more
// than kRestDelaySeconds after the last start or resume, has come to rest.
constexpr double kRestEnergy = 1e-6;
constexpr double kRestDelaySeconds = 10.0;

bool AllFinite(std::initializer_list<double> values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

} // namespace

double MaxSubStep(double naturalPulsation)
{
    if (!(naturalPulsation > 0))
        return kMaxStepSeconds;
    return std::min(kMaxStepSeconds, kMaxPhasePerStep / naturalPulsation);
}

Motion Integrate(Motion from, double Pulsation2, double Lambda, double seconds, double maxSubStep)
{
    Motion motion = from;
    if (!(seconds > 0) || !std::isfinite(seconds) || !(maxSubStep > 0))
        return motion; // a non-finite time is caught by the tick's guard
    // One RK4 step over a long interval (window dragged, machine busy) would
    // pump energy into the swing, or blow it up beyond h·ω₀ ≈ 2.8: cover the
    // interval in equal steps no longer than maxSubStep instead. (The cap
    // only keeps the count an integer: it is days of simulated time.)
    constexpr double kMostSteps = 1e9;
    const double steps = std::clamp(std::ceil(seconds / maxSubStep), 1.0, kMostSteps);
    const auto n = static_cast<long long>(steps);
    const double h = seconds / static_cast<double>(n);
    for (long long i = 0; i < n; ++i)
        motion = RungeKuttaStep(motion.angle, motion.speed, Pulsation2, Lambda, h);
    return motion;
}

AnimationStep AdvanceAnimation(PenduleState& state, double Temps, std::vector<TraceSample>& buffer)
{
    state.Temps = Temps;
    AnimationStep step;
    step.previousTime = state.TempsCumul + state.TempsPrec;
    step.time = state.TempsCumul + state.Temps;
    step.previous = {state.Teta, state.Omega};
    step.previousApprox = {state.TetaApprox, state.OmegaApprox};
    buffer.clear();
    const double interval = state.Temps - state.TempsPrec;
    if (!std::isfinite(interval) || !std::isfinite(step.previousTime)) {
        step.finite = false;
        state.Temps = std::isfinite(state.TempsPrec) ? state.TempsPrec : 0;
        return step;
    }

    const double maxSubStep = MaxSubStep(std::sqrt(state.Pulsation2));
    // Only the motion is needed: what LinearSolution says about the regime
    // cannot change while the animation runs.
    auto sampleAt = [&](double temps, Motion exact) {
        const double time = state.TempsCumul + temps;
        buffer.push_back(
            {time, exact,
             LinearSolution(state.Teta0, state.Omega0, state.Pulsation2, state.Lambda, time)
                 .motion});
    };
    buffer.push_back({step.previousTime, step.previous, step.previousApprox});
    // After a very long interval (the machine asleep) fewer, wider samples:
    // the traces then hold at most about ten seconds of samples per tick.
    constexpr double kMostSamples = 10'000;
    const double spacing = std::max(kSampleSeconds, interval / kMostSamples);
    double reached = state.TempsPrec;
    Motion motion = step.previous;
    // A sample closer to either end than a millionth of the spacing would
    // only draw an empty segment.
    constexpr double kTooClose = 1e-6;
    for (double k = std::floor(reached / spacing + kTooClose) + 1;; ++k) {
        const double at = k * spacing;
        if (!(at < state.Temps - spacing * kTooClose))
            break;
        motion = Integrate(motion, state.Pulsation2, state.Lambda, at - reached, maxSubStep);
        sampleAt(at, motion);
        reached = at;
    }
    step.next =
        Integrate(motion, state.Pulsation2, state.Lambda, state.Temps - reached, maxSubStep);
    sampleAt(state.Temps, step.next);
    step.approx = buffer.back().approx;
    const double spans = state.Temps / spacing;
    step.endsOnGrid = std::abs(spans - std::nearbyint(spans)) < kTooClose;

    for (const TraceSample& sample : buffer) {
        if (!AllFinite({sample.exact.angle, sample.exact.speed, sample.approx.angle,
                        sample.approx.speed, sample.time})) {
            step.finite = false;
            state.Temps = std::isfinite(state.TempsPrec) ? state.TempsPrec : 0;
            return step;
        }
    }

    step.samples = buffer;
    state.TetaApprox = step.approx.angle;
    state.OmegaApprox = step.approx.speed;
    state.Teta = step.next.angle;
    state.Omega = step.next.speed;
    state.TempsPrec = state.Temps;
    step.atRest = AtRest(state);
    return step;
}

AnimationStep AdvanceAnimation(PenduleState& state, double Temps)
{
    thread_local std::vector<TraceSample> buffer;
    return AdvanceAnimation(state, Temps, buffer);
}

bool AtRest(const PenduleState& state)
{
    const double reducedSpeed = state.Omega / std::sqrt(state.Pulsation2);
    const double E = reducedSpeed * reducedSpeed + state.Teta * state.Teta;
    return E < kRestEnergy && state.TempsPrec > kRestDelaySeconds && state.Lambda != 0;
}

} // namespace kestrova
