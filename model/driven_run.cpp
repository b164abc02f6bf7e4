#include "model/driven_run.h"

#include "model/plot_scales.h"
#include "model/vector_state.h"

#include <algorithm>
#include <cmath>

namespace kestrova {

namespace {

/// Driving periods the plots span.
constexpr double kPeriodsShown = 8;
/// Speed scale growth when the motion leaves it.
constexpr double kSpeedGrowth = 1.5;

double AngleScaleFor(double angle)
{
    const double degrees = std::min(std::abs(angle) / DegToRad, 180.0);
    return RoundUpAngleScale(degrees) * DegToRad;
}

} // namespace

DrivenRun::DrivenRun()
    : motion_(kDrivenPresets[0].setup)
{
    Reset(kDrivenPresets[0].setup);
}

void DrivenRun::Reset(const DrivenSetup& setup)
{
    Pause();
    motion_ = DrivenMotion(setup);
    cumulated_ = 0;
    spanStart_ = 0;

    ClearUpperVectorHalves();
    steady_ = MeasureSteady(setup, {setup.teta0, setup.omega0});
    // Sized for the start and the steady swing; the scales grow if the
    // motion goes further.
    const double swing = std::max(std::abs(setup.teta0), std::min(steady_.amplitude, PI));
    plot_ = PenduleState{};
    plot_.Pulsation2 = setup.pulsation * setup.pulsation;
    plot_.Lambda = setup.lambda;
    plot_.TetaMax = AngleScaleFor(swing);
    plot_.OmegaMax = std::max(
        {std::abs(setup.omega0), swing * setup.drivePulsation, swing * setup.pulsation, 0.1});
    plot_.DureeTrace = FramedTimeSpan(kPeriodsShown * 2 * PI / setup.drivePulsation);
    trace_.assign(1, SampleNow());
    recording_.Reset(SampleNow(), plot_.Pulsation2, setup.lambda);
}

void DrivenRun::Start()
{
    running_ = true;
    cumulated_ = motion_.Time();
}

void DrivenRun::Pause()
{
    running_ = false;
}

DrivenStep DrivenRun::AdvanceTo(double secondsSinceStart)
{
    if (!running_)
        return {};
    return Advance(cumulated_ + secondsSinceStart);
}

DrivenStep DrivenRun::NextStep(double seconds)
{
    if (running_)
        return {};
    return Advance(motion_.Time() + seconds);
}

TraceSample DrivenRun::SampleNow() const
{
    const kestrova::Motion& m = motion_.State();
    TraceSample sample;
    sample.time = motion_.Time() - spanStart_;
    sample.exact = {WrapAngle(m.angle), m.speed};
    sample.approx = sample.exact;
    return sample;
}

bool DrivenRun::Hold(const TraceSample& sample)
{
    bool grew = false;
    if (std::abs(sample.exact.angle) > plot_.TetaMax) {
        plot_.TetaMax = AngleScaleFor(sample.exact.angle);
        grew = true;
    }
    if (std::abs(sample.exact.speed) > plot_.OmegaMax) {
        plot_.OmegaMax = std::abs(sample.exact.speed) * kSpeedGrowth;
        grew = true;
    }
    return grew;
}

void DrivenRun::RecordWithinStep()
{
    const double from = motion_.Time();
    for (double t = recording_.NextRowTime(); t < from + motion_.StepSeconds();
         t = recording_.NextRowTime()) {
        kestrova::Motion row = motion_.StateAfter(t - from);
        row.angle = WrapAngle(row.angle);
        recording_.Append(row);
    }
}

DrivenStep DrivenRun::Advance(double displayedTime)
{
    ClearUpperVectorHalves();
    DrivenStep step;
    const std::size_t first = trace_.size() - 1;
    // Whole steps only: the section needs every step the same length.
    while (motion_.Time() + motion_.StepSeconds() <= displayedTime + 1e-9) {
        RecordWithinStep();
        motion_.Step();
        if (motion_.Time() - spanStart_ > plot_.DureeTrace) {
            spanStart_ = motion_.Time();
            trace_.assign(1, SampleNow());
            step.redraw = true;
            continue;
        }
        trace_.push_back(SampleNow());
        step.redraw = Hold(trace_.back()) || step.redraw;
    }
    if (step.redraw)
        step.samples = trace_;
    else
        step.samples = std::span<const TraceSample>(trace_).subspan(first);
    return step;
}

} // namespace kestrova
