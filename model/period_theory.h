#pragma once

/// \file
/// What the theory says about the period of the undamped pendulum: the exact
/// period of a swing of any amplitude, and Borda's small-amplitude formula.
/// Ratios are to the small-angle period T₀ = 2π/ω₀.

#include "model/energy.h"

#include <optional>

namespace kestrova {

/// A swing amplitude (rad) and its period divided by T₀.
struct PeriodPoint {
    double amplitude = 0;
    double ratio = 0;
    bool operator==(const PeriodPoint&) const = default;
};

/// T/T₀ = 2·K(sin(θ₀/2))/π for a swing of amplitude θ₀ (rad), below π;
/// K the complete elliptic integral of the first kind.
[[nodiscard]] double ExactPeriodRatio(double amplitude);

/// Borda's approximation T/T₀ ≈ 1 + θ₀²/16.
[[nodiscard]] double BordaPeriodRatio(double amplitude);

/// The exact period (s) of the undamped swing with energy `start` per unit
/// of m·L²: T = 4·K(k)/ω₀ with k = sin(θ₀/2), k² = E/(2ω₀²). Absent when
/// the pendulum goes over the top or balances there (k ≥ 1), and for ω₀ ≤ 0.
[[nodiscard]] std::optional<double> ExactPeriod(Energy start, double Pulsation2);

} // namespace kestrova
