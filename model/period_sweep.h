#pragma once

/// \file
/// The period against the amplitude, measured on the model itself: the
/// undamped pendulum released from rest at a series of angles, integrated
/// and measured as the animation would, but as fast as the machine goes.

#include "model/period_theory.h"

#include <functional>
#include <optional>
#include <vector>

namespace kestrova {

/// Told after each amplitude how many are done out of how many; answering
/// false cancels the rest.
using SweepProgress = std::function<bool(int done, int total)>;

/// T/T₀ measured for a release from rest at `amplitude` (rad), without
/// damping. Absent when no period shows within a long enough time (a
/// pendulum balanced at the top).
[[nodiscard]] std::optional<PeriodPoint> MeasurePeriodRatio(double amplitude);

/// The points at 5°, 10°, …, 175°, in that order; a cancelled sweep returns
/// those done before.
[[nodiscard]] std::vector<PeriodPoint> SweepPeriodRatios(const SweepProgress& progress);

} // namespace kestrova
