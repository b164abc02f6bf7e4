#pragma once

/// \file
/// What the driven run measures, from its recording, beside the
/// small-angle theory: whether the transient has died out, then the steady
/// amplitude and the phase lag of the angle behind the drive. Each value is
/// present or absent for a stated reason, so that a chaotic or turning
/// motion never shows an amplitude it does not have.

#include "model/driven_recording.h"

#include <optional>

namespace kestrova {

enum class DrivenRegime {
    Transient,    ///< the transient has not died out yet
    Steady,       ///< each period repeats the one before
    NotRepeating, ///< never repeats from one period to the next (period doubling, chaos)
};

/// Why a value is absent.
enum class DrivenUnmeasured {
    Transient,
    NotRepeating,
    Turning,   ///< the pendulum goes over the top: no swing about the bottom
    NoDrive,   ///< γ = 0: no drive to lag behind
    Unbounded, ///< undamped and driven at its own pulsation: the theory's swing grows without end
};

struct DrivenReading {
    std::optional<double> value;
    DrivenUnmeasured missing = DrivenUnmeasured::Transient; ///< why, when value is absent
};

struct DrivenReport {
    DrivenRegime regime = DrivenRegime::Transient;
    int periods = 0;   ///< whole driving periods recorded
    int settledAt = 0; ///< Steady: the periods the transient lasted

    DrivenReading amplitude;            ///< rad, over the last whole period
    DrivenReading theoryAmplitude;      ///< rad, TheoreticalAmplitude
    std::optional<double> amplitudeGap; ///< (measured − theory) / theory
    /// rad, the measured lag taken within half a turn of the theory's.
    DrivenReading phaseLag;
    DrivenReading theoryPhaseLag;   ///< rad in [0, π], TheoreticalPhaseLag
    std::optional<double> phaseGap; ///< (measured − theory) / theory
};

/// The report on `recording`, made with `setup`. `settles` says whether the
/// transient of this motion dies out at all (the run's look-ahead, which
/// integrates the same steps: DrivenRun::Steady); a recording that has not
/// settled yet is then transient, and otherwise never repeats.
[[nodiscard]] DrivenReport DrivenReportOf(const DrivenRecording& recording,
                                          const DrivenSetup& setup, bool settles);

} // namespace kestrova
