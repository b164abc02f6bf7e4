#pragma once

/// \file
/// The measurements of a run set beside what the theory predicts for its
/// parameters, each value either present or absent for a stated reason, so
/// that nothing ever shows a 0, nan or inf it does not have.

#include "model/energy.h"
#include "model/motion_measurement.h"
#include "model/parameters.h"
#include "model/period_theory.h"

#include <optional>

namespace kestrova {

/// Why a value is absent.
enum class Unmeasured {
    NotYet,     ///< not a full swing yet
    Aperiodic,  ///< no oscillation in the aperiodic regime
    Critical,   ///< nor in the critical regime
    Undamped,   ///< no damping to measure (λ = 0)
    Damped,     ///< the exact period holds without damping only
    OverTheTop, ///< the pendulum reaches the top: no swing
    AtRest,     ///< nothing moves
};

struct Reading {
    std::optional<double> value;
    Unmeasured missing = Unmeasured::NotYet; ///< why, when value is absent
};

struct MeasurementReport {
    Reading period;                            ///< s, measured
    int periods = 0;                           ///< whole swings (or turns) it averages
    bool revolutions = false;                  ///< the pendulum goes round: periods are turns
    Reading smallAnglePeriod;                  ///< s, 2π/√(ω₀² − λ²)
    std::optional<double> smallAngleDeviation; ///< (measured − formula) / formula
    Reading exactPeriod;                       ///< s, 4·K(sin(θ₀/2))/ω₀
    std::optional<double> exactDeviation;      ///< (measured − formula) / formula

    Reading decrement; ///< δ, per full swing
    Reading lambda;    ///< 1/s, the λ the decrement gives
    Reading quality;   ///< ω₀/(2λ) with that λ
    double lambdaSetting = 0;
    std::optional<double> qualitySetting; ///< absent when λ = 0

    Energy energy;      ///< now, per unit of m·L²
    Reading energyLost; ///< share of the start energy lost, 0 to 1

    /// This run on the period–amplitude plot, once a whole swing is
    /// measured: its steady swings (see MotionMeasurement::SteadySwing).
    std::optional<PeriodPoint> point;
};

[[nodiscard]] MeasurementReport ReportOf(const MotionMeasurement& measurement,
                                         const Parameters& parameters);

} // namespace kestrova
