#include "model/run_curves.h"

#include "model/energy.h"

#include <algorithm>
#include <cmath>

namespace kestrova {

namespace {

// A DampedRun samples a long advance more coarsely once it would exceed
// ten thousand samples: advancing at most this far at once keeps the
// millisecond grid of a live run.
constexpr double kLongestAdvanceSeconds = 5;

void ExtendDamped(DampedRun& run, double seconds)
{
    while (run.Running() && run.Time() < seconds) {
        const double to = std::min(seconds, run.Time() + kLongestAdvanceSeconds);
        // Never paused, so displayed time and time since the start are one.
        if (!run.AdvanceTo(to).finite)
            break;
    }
}

} // namespace

RunOnGraphs OnGraphs(const DampedRun& run)
{
    RunOnGraphs graphs;
    graphs.recording = &run.Recording();
    graphs.parameters = run.Parameters();
    graphs.angleScale = run.State().TetaMax;
    graphs.speedScale = run.State().OmegaMax;
    // A damped run never gains energy: its start, or the theory's start.
    const RecordedRow start = run.Recording().Row(0);
    graphs.energyScale = std::max(EnergyOf(start.exact, graphs.parameters.Pulsation2).Total(),
                                  SmallAngleEnergy(graphs.parameters, 0));
    graphs.smallAngleEnvelope = true;
    return graphs;
}

RunOnGraphs OnGraphs(const DrivenRun& run)
{
    const DrivenSetup& setup = run.Setup();
    const PenduleState& scales = run.PlotState();
    RunOnGraphs graphs;
    graphs.recording = &run.Recording();
    graphs.parameters = {setup.teta0, setup.omega0, setup.pulsation * setup.pulsation,
                         setup.lambda};
    graphs.angleScale = scales.TetaMax;
    graphs.speedScale = scales.OmegaMax;
    // The drive feeds energy in: as much as the swing the scales hold.
    graphs.energyScale = EnergyOf({0, scales.OmegaMax}, 0).kinetic
        + EnergyOf({std::min(scales.TetaMax, PI), 0}, graphs.parameters.Pulsation2).potential;
    return graphs;
}

RunCurves::RunCurves(const RunSetup& setup)
    : setup_(setup)
{
    if (const DrivenSetup* driven = std::get_if<DrivenSetup>(&setup)) {
        DrivenRun& run = run_.emplace<DrivenRun>();
        run.Reset(*driven);
        run.Start();
    } else {
        DampedRun& run = std::get<DampedRun>(run_);
        run.Reset(std::get<SliderValues>(setup));
        run.Start();
    }
}

void RunCurves::ExtendTo(double seconds)
{
    if (DrivenRun* driven = std::get_if<DrivenRun>(&run_)) {
        // Started at 0 and never paused: the time since the start is the
        // displayed time, and the steps those of the live run.
        if (driven->Time() < seconds)
            driven->AdvanceTo(seconds);
        return;
    }
    ExtendDamped(std::get<DampedRun>(run_), seconds);
}

const MotionRecorder& RunCurves::Recording() const
{
    return std::visit([](const auto& run) -> const MotionRecorder& { return run.Recording(); },
                      run_);
}

RunOnGraphs RunCurves::Graphs() const
{
    return std::visit([](const auto& run) { return OnGraphs(run); }, run_);
}

double RunCurves::Reached() const
{
    return std::visit([](const auto& run) { return run.Time(); }, run_);
}

double SmallAngleEnergy(const Parameters& parameters, double t)
{
    const double w2 = parameters.Pulsation2;
    const double lambda = parameters.Lambda;
    if (RegimeOf(w2, lambda) == Regime::PseudoPeriodic) {
        const double omega = std::sqrt(w2 - lambda * lambda);
        const double b = (parameters.Omega0 + lambda * parameters.Teta0) / omega;
        const double amplitude2 = parameters.Teta0 * parameters.Teta0 + b * b;
        return 0.5 * w2 * amplitude2 * std::exp(-2 * lambda * t);
    }
    const Motion motion = LinearSolution(parameters.Teta0, parameters.Omega0, w2, lambda, t).motion;
    return 0.5 * motion.speed * motion.speed + 0.5 * w2 * motion.angle * motion.angle;
}

} // namespace kestrova
