#pragma once

/// \file
/// The round numbers the plots are scaled and graduated with: the angle
/// bands (up to 8, 20, 50 and 90 degrees) shared by the angle scale and the
/// angle graduations, and the time step and span of the oscillation plots.

namespace kestrova {

/// Graduation step (degrees) for an angle axis reaching `degrees`: 1 up to
/// 8, 2 up to 20, 5 up to 50, 10 up to 90, 20 beyond (and for a negative or
/// NaN value).
[[nodiscard]] double AngleStep(double degrees);

/// The angle scale (degrees) for a largest swing of `degrees` ≥ 0: rounded
/// up to the next multiple of its band's step, always strictly above it
/// (8 gives 9, 10 gives 12, 90 gives 100), and capped at 180.
[[nodiscard]] double RoundUpAngleScale(double degrees);

/// Graduation step (s) of the time axis for a span of `DureeTrace` seconds:
/// 1 from 0 to 16 s, 2 up to 32 s, 5 otherwise.
[[nodiscard]] double TimeStep(double DureeTrace);

/// The time span the oscillation plots show: DureeTrace rounded up to a whole
/// number of time steps, judged on both rounded half to even (17 gives 18,
/// 33 gives 35, 10.6 gives 10). Applying it twice changes nothing.
[[nodiscard]] double FramedTimeSpan(double DureeTrace);

} // namespace kestrova
