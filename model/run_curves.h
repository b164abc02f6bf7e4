#pragma once

/// \file
/// A setup's motion run again from its start, as far as a view needs it: a
/// kept run is drawn from this rather than from stored samples. It goes
/// through the run a window animates (a DampedRun advanced on the same
/// millisecond grid as a live one, a DrivenRun in the same whole
/// integration steps), so its recording is the live run's, whatever the
/// pace of the live ticks, to the rounding of the integration.

#include "model/damped_run.h"
#include "model/driven_run.h"
#include "model/run_setup.h"

#include <variant>

namespace kestrova {

/// What the graphs need of a run, live or kept, of either kind.
struct RunOnGraphs {
    const MotionRecorder* recording = nullptr;
    /// ω₀² and λ for the energy levels; the start too for the small-angle envelope.
    kestrova::Parameters parameters;
    /// Half-height of the angle axis, and the largest angular speed and
    /// energy the axes need.
    double angleScale = 0;
    double speedScale = 0;
    double energyScale = 0;
    /// The small-angle theory's envelope applies (a damped run; a driven
    /// one has no such envelope).
    bool smallAngleEnvelope = false;
};

[[nodiscard]] RunOnGraphs OnGraphs(const DampedRun& run);
[[nodiscard]] RunOnGraphs OnGraphs(const DrivenRun& run);

class RunCurves {
public:
    explicit RunCurves(const RunSetup& setup);

    /// Runs the motion on to `seconds` of displayed time, or to where the
    /// pendulum comes to rest (a damped run then stops, as a live one does).
    void ExtendTo(double seconds);

    [[nodiscard]] const RunSetup& Setup() const { return setup_; }
    [[nodiscard]] const MotionRecorder& Recording() const;
    [[nodiscard]] RunOnGraphs Graphs() const;
    /// Displayed time reached (s).
    [[nodiscard]] double Reached() const;

private:
    RunSetup setup_;
    std::variant<DampedRun, DrivenRun> run_;
};

/// The energy per unit of m·L² the small-angle theory gives at `t`: for a
/// swing, the envelope ½ω₀²A²e^(−2λt) of its oscillation; without swings
/// (critical or aperiodic), the energy of the small-angle motion itself.
[[nodiscard]] double SmallAngleEnergy(const Parameters& parameters, double t);

} // namespace kestrova
