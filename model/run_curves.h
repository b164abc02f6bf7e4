#pragma once

/// \file
/// A setup's motion run again from its start, as far as a view needs it: a
/// kept run is drawn from this rather than from stored samples. It goes
/// through a DampedRun advanced on the same millisecond grid as a live one,
/// so its recording is the live run's, whatever the pace of the live ticks,
/// to the rounding of the integration.

#include "model/damped_run.h"

#include <string>
#include <string_view>
#include <vector>

namespace kestrova {

class RunCurves {
public:
    explicit RunCurves(const SliderValues& setup);

    /// Runs the motion on to `seconds` of displayed time, or to where the
    /// pendulum comes to rest (a damped run then stops, as a live one does).
    void ExtendTo(double seconds);

    [[nodiscard]] const SliderValues& Setup() const { return run_.Setup(); }
    [[nodiscard]] const kestrova::Parameters& Parameters() const { return run_.Parameters(); }
    [[nodiscard]] const MotionRecorder& Recording() const { return run_.Recording(); }
    /// The run itself: its plot scales among the rest.
    [[nodiscard]] const DampedRun& Run() const { return run_; }
    /// Displayed time reached (s).
    [[nodiscard]] double Reached() const { return run_.Time(); }
    /// Came to rest: extending it further adds nothing.
    [[nodiscard]] bool Ended() const { return run_.AtRest(); }

private:
    DampedRun run_;
};

/// The energy per unit of m·L² the small-angle theory gives at `t`: for a
/// swing, the envelope ½ω₀²A²e^(−2λt) of its oscillation; without swings
/// (critical or aperiodic), the energy of the small-angle motion itself.
[[nodiscard]] double SmallAngleEnergy(const Parameters& parameters, double t);

/// What sets a run apart from the others of `all` (which holds it): the
/// parameters whose values are not the same in every run, as
/// "λ = 0,50 s⁻¹; θ₀ = 90°"; every parameter when nothing differs.
[[nodiscard]] std::string RunLabel(const SliderValues& run, const std::vector<SliderValues>& all,
                                   std::string_view decimalSeparator);

} // namespace kestrova
