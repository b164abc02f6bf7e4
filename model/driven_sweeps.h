#pragma once

/// \file
/// What the driven pendulum shows over a range of one of its parameters:
/// the resonance curve (steady amplitude against the driving pulsation,
/// beside the small-angle theory) and the bifurcation diagram (the angle
/// sampled once a period against the driving strength).

#include "model/driven_motion.h"

#include <functional>
#include <vector>

namespace kestrova {

/// Small-angle steady amplitude: γω₀² / √((ω₀² − Ω²)² + 4λ²Ω²) (rad).
[[nodiscard]] double TheoreticalAmplitude(const DrivenSetup& setup, double drivePulsation);
/// Small-angle phase lag of the angle behind the drive, in [0, π] (rad).
[[nodiscard]] double TheoreticalPhaseLag(const DrivenSetup& setup, double drivePulsation);

struct ResonancePoint {
    double drivePulsation = 0; ///< Ω (rad/s)
    SteadyResponse measured;
    double theory = 0; ///< TheoreticalAmplitude at Ω
};

/// `count` values of Ω evenly from `from` to `to` (downward when to < from).
/// Each starts where the previous one ended, as when a real drive is turned
/// slowly: at large γ the upward and downward sweeps then follow different
/// branches of the bent curve (hysteresis). The first starts from rest.
/// `progress` is told the points done after each; returning false stops
/// the sweep there.
[[nodiscard]] std::vector<ResonancePoint>
SweepResonance(const DrivenSetup& setup, double from, double to, int count,
               const std::function<bool(int done)>& progress = {});

struct ResonanceSummary {
    double peakPulsation = 0; ///< measured Ω of the largest steady amplitude (rad/s)
    double peakAmplitude = 0; ///< rad
    /// Width between the two Ω where the amplitude is the peak's over √2
    /// (rad/s); NaN when the sweep does not fall that low on both sides.
    double bandwidth = 0;
    double quality = 0;       ///< peakPulsation / bandwidth (NaN with it)
    double theoryPeak = 0;    ///< √(ω₀² − 2λ²), NaN when there is no peak
    double theoryQuality = 0; ///< ω₀ / (2λ)
};

/// The peak refined from the sweep's highest point by a golden-section
/// search on measured amplitudes, the half-power pulsations by bisection
/// between the sweep's points (each run starting from the nearest sweep
/// point's end). `keepGoing` is asked before each run; when it says no,
/// what was not measured yet stays NaN.
[[nodiscard]] ResonanceSummary SummariseResonance(const DrivenSetup& setup,
                                                  const std::vector<ResonancePoint>& sweep,
                                                  const std::function<bool()>& keepGoing = {});

struct BifurcationOptions {
    double gammaFrom = 0.9;
    double gammaTo = 1.5;
    int count = 400; ///< values of γ, ends included
    int transientPeriods = 100;
    int keptPeriods = 200; ///< sampled angles per value of γ
    int threads = 0;       ///< 0: one per hardware thread
};

struct BifurcationColumn {
    double gamma = 0;
    std::vector<double> angles; ///< rad, in (−π, π], once a period
};

/// The columns in γ order, each from the setup's initial conditions, shared
/// between worker threads. `progress` runs on the calling thread after each
/// column it finished, with the count of columns done so far; returning
/// false cancels: the workers stop after their current column, and the
/// result then holds only the columns finished (some may be empty).
/// Returns whether the sweep ran to its end.
bool SweepBifurcation(const DrivenSetup& setup, const BifurcationOptions& options,
                      std::vector<BifurcationColumn>& columns,
                      const std::function<bool(int done)>& progress = {});

} // namespace kestrova
