#pragma once

/// \file
/// One run of the driven pendulum as its window animates it: the motion,
/// the displayed time, and what the two live plots show (the angle against
/// time over a span of whole driving periods, and the phase portrait over
/// the same span). When the time passes the span the plots start afresh;
/// when the motion leaves their scales the scales grow.

#include "model/damped_animation.h"
#include "model/driven_motion.h"
#include "model/motion_recorder.h"
#include "model/pendulum_state.h"

#include <span>
#include <vector>

namespace kestrova {

/// What the files a driven run leaves the program as are named after.
inline constexpr std::string_view kDrivenRunFileStem = "pendule-force";

/// What one advance brought.
struct DrivenStep {
    /// The samples since the last advance, the one before them first, with
    /// times counted from the start of the plots' span and angles in
    /// (−π, π]. Valid until the next advance.
    std::span<const TraceSample> samples;
    /// The span started afresh or a scale grew: the plots are to be drawn
    /// whole (from Trace()) rather than extended.
    bool redraw = false;
};

class DrivenRun {
public:
    /// The periodic preset, paused at its start.
    DrivenRun();

    /// Pauses, takes `setup` and puts the pendulum at its initial
    /// conditions at time 0, with plots sized for the motion to come.
    void Reset(const DrivenSetup& setup);
    void Start();
    void Pause();
    /// While running, to `secondsSinceStart` seconds since the last start,
    /// in whole integration steps. Paused, nothing.
    DrivenStep AdvanceTo(double secondsSinceStart);
    /// While paused, `seconds` further; while running, nothing.
    DrivenStep NextStep(double seconds);

    [[nodiscard]] bool Running() const { return running_; }
    /// Displayed time (s) since the reset.
    [[nodiscard]] double Time() const { return motion_.Time(); }
    [[nodiscard]] const DrivenSetup& Setup() const { return motion_.Setup(); }
    [[nodiscard]] const DrivenMotion& Motion() const { return motion_; }
    /// The plots' scales: TetaMax, OmegaMax and DureeTrace (s).
    [[nodiscard]] const PenduleState& PlotState() const { return plot_; }
    /// Displayed time at which the plots' span began.
    [[nodiscard]] double SpanStart() const { return spanStart_; }
    /// The setup's steady response from its initial conditions, measured
    /// at the reset.
    [[nodiscard]] const SteadyResponse& Steady() const { return steady_; }
    /// Every sample of the span so far, in the form of DrivenStep::samples.
    [[nodiscard]] const std::vector<TraceSample>& Trace() const { return trace_; }
    /// The motion since the reset, one row every 10 ms, angle in (−π, π]:
    /// each row is carried from the integration step before it, so the
    /// rows depend on the steps only, never on the pace of the advances.
    [[nodiscard]] const MotionRecorder& Recording() const { return recording_; }

private:
    DrivenStep Advance(double displayedTime);
    [[nodiscard]] TraceSample SampleNow() const;
    /// Grows the scales to hold `sample`; whether they changed.
    bool Hold(const TraceSample& sample);
    /// Records the rows that fall within the coming step.
    void RecordWithinStep();

    DrivenMotion motion_;
    SteadyResponse steady_;
    PenduleState plot_;
    double spanStart_ = 0;
    double cumulated_ = 0; ///< displayed time at the last start
    std::vector<TraceSample> trace_;
    MotionRecorder recording_;
    bool running_ = false;
};

} // namespace kestrova
