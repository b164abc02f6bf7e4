#pragma once

/// \file
/// One run of the damped pendulum: its setup and what follows from it, the
/// motion, the displayed time, the recording, the measurements and the plot
/// scales. A window drives it (reset, start, pause, advance to the time its
/// clock reads) and draws what each advance returns; a test drives it with
/// plain numbers.

#include "model/damped_animation.h"
#include "model/integrator.h"
#include "model/motion_measurement.h"
#include "model/motion_recorder.h"
#include "model/parameters.h"
#include "model/pendulum_state.h"

#include <string_view>
#include <vector>

namespace kestrova {

/// What the files a damped run leaves the program as are named after.
inline constexpr std::string_view kDampedRunFileStem = "pendule-amorti";

class DampedRun {
public:
    /// A run of the default setup, paused at its start.
    DampedRun();

    /// Pauses, takes `setup`, puts the pendulum at its initial conditions
    /// with the displayed time at 0, clears the recording and the
    /// measurements, and sizes the plots for the new motion.
    void Reset(const SliderValues& setup);

    /// Starts or resumes: from now on AdvanceTo counts the seconds from here.
    void Start();
    /// Adds the time the last advance reached to the displayed time and
    /// stops. Nothing when paused.
    void Pause();

    /// While running, advances to `secondsSinceStart` seconds since the last
    /// Start, recording and measuring every sample. A damped pendulum at
    /// rest pauses the run (step.atRest). A value that is not finite pauses
    /// it too, with nothing advanced: the run stays as the last sound step
    /// left it (step.finite is false). Paused, nothing happens and the step
    /// holds no samples. The samples are valid until the next advance.
    AnimationStep AdvanceTo(double secondsSinceStart);
    /// While paused, advances by `seconds` as if started, advanced and
    /// paused again at once; while running, nothing (no samples).
    AnimationStep NextStep(double seconds);

    [[nodiscard]] bool Running() const { return running_; }
    /// The last advance found the pendulum at rest and paused the run; a
    /// start or a reset clears it.
    [[nodiscard]] bool AtRest() const { return atRest_; }
    /// Displayed time (s): the time the motion has run since the reset.
    [[nodiscard]] double Time() const;

    [[nodiscard]] const SliderValues& Setup() const { return setup_; }
    [[nodiscard]] const kestrova::Parameters& Parameters() const { return parameters_; }
    [[nodiscard]] const DerivedQuantities& Derived() const { return derived_; }
    /// The small-angle solution at the start: its regime and pseudo-period.
    [[nodiscard]] const LinearSolutionResult& SmallAngleStart() const { return smallAngleStart_; }
    /// The motion, the time bookkeeping and the plot scales.
    [[nodiscard]] const PenduleState& State() const { return state_; }
    /// The motion since the reset, one row every 10 ms of displayed time.
    [[nodiscard]] const MotionRecorder& Recording() const { return recorder_; }
    [[nodiscard]] const MotionMeasurement& Measurement() const { return measurement_; }

private:
    /// To `Temps` since the last start; what a sound step brought is
    /// recorded and measured.
    AnimationStep Advance(double Temps);
    /// Where the run is, with no samples: what an advance that may not
    /// happen returns.
    [[nodiscard]] AnimationStep Unmoved() const;

    SliderValues setup_;
    kestrova::Parameters parameters_;
    DerivedQuantities derived_;
    LinearSolutionResult smallAngleStart_;
    PenduleState state_;
    MotionRecorder recorder_;
    MotionMeasurement measurement_;
    std::vector<TraceSample>
        samples_; ///< the last step's, kept so that advancing allocates nothing
    bool running_ = false;
    bool atRest_ = false;
};

} // namespace kestrova
