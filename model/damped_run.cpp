#include "model/damped_run.h"

#include "model/plot_scales.h"

namespace kestrova {

DampedRun::DampedRun()
{
    Reset(SliderValues{});
}

void DampedRun::Reset(const SliderValues& setup)
{
    Pause();
    atRest_ = false;
    setup_ = setup;
    parameters_ = ParametersFromSliders(setup);
    derived_ = Derive(parameters_);

    state_ = PenduleState{};
    state_.Teta0 = parameters_.Teta0;
    state_.Omega0 = parameters_.Omega0;
    state_.Pulsation2 = parameters_.Pulsation2;
    state_.Lambda = parameters_.Lambda;
    state_.Teta = state_.Teta0;
    state_.Omega = state_.Omega0;
    measurement_.Reset({state_.Teta, state_.Omega}, state_.Pulsation2);

    smallAngleStart_ =
        LinearSolution(state_.Teta0, state_.Omega0, state_.Pulsation2, state_.Lambda, 0);
    state_.TetaApprox = smallAngleStart_.motion.angle;
    state_.OmegaApprox = smallAngleStart_.motion.speed;
    recorder_.Reset({0, {state_.Teta, state_.Omega}, smallAngleStart_.motion}, state_.Pulsation2,
                    state_.Lambda);

    const AmplitudeScan scan = ScanAmplitudes(state_.Teta0, state_.Omega0, state_.Pulsation2,
                                              state_.Lambda, smallAngleStart_.DureeTrace);
    state_.TetaMax = scan.angleScale;
    state_.OmegaMax = scan.maxSpeed;
    // The plots show a whole number of time graduations.
    state_.DureeTrace = FramedTimeSpan(smallAngleStart_.DureeTrace);
}

void DampedRun::Start()
{
    if (running_)
        return;
    state_.TempsPrec = 0;
    // Temps belongs to the run that has just ended: a pause arriving before
    // this run's first advance must not add it to TempsCumul again.
    state_.Temps = 0;
    running_ = true;
    atRest_ = false;
}

void DampedRun::Pause()
{
    if (!running_)
        return;
    // Temps stays where the last advance took it: after a fault, the time
    // the last sound step reached.
    state_.TempsPrec = 0;
    state_.TempsCumul += state_.Temps;
    running_ = false;
}

double DampedRun::Time() const
{
    return running_ ? state_.TempsCumul + state_.Temps : state_.TempsCumul;
}

AnimationStep DampedRun::AdvanceTo(double secondsSinceStart)
{
    if (!running_)
        return Unmoved();
    AnimationStep step = Advance(secondsSinceStart);
    if (!step.finite || step.atRest) {
        atRest_ = step.atRest;
        Pause();
    }
    return step;
}

AnimationStep DampedRun::NextStep(double seconds)
{
    if (running_)
        return Unmoved();
    // Paused, TempsPrec is 0: a start, one advance, and a pause.
    AnimationStep step = Advance(state_.TempsPrec + seconds);
    if (step.finite) {
        state_.TempsCumul += state_.Temps;
        state_.Temps = 0;
        state_.TempsPrec = 0;
    }
    return step;
}

AnimationStep DampedRun::Unmoved() const
{
    AnimationStep step;
    step.previousTime = step.time = Time();
    step.previous = step.next = {state_.Teta, state_.Omega};
    step.previousApprox = step.approx = {state_.TetaApprox, state_.OmegaApprox};
    return step;
}

AnimationStep DampedRun::Advance(double Temps)
{
    AnimationStep step = AdvanceAnimation(state_, Temps, samples_);
    if (!step.finite)
        return step;
    // Every sample but the first, which the previous step already gave.
    for (std::size_t k = 1; k < step.samples.size(); ++k) {
        const TraceSample& sample = step.samples[k];
        step.measured = measurement_.Add(sample.time, sample.exact) || step.measured;
        recorder_.Add(sample);
    }
    return step;
}

} // namespace kestrova
