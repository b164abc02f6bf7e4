#pragma once

/// \file
/// Mechanical energy of the pendulum per unit of m·L², the one home of the
/// formula for everything that shows, records or draws it.

#include "model/integrator.h"

#include <cmath>

namespace kestrova {

/// Energy per unit of m·L² (rad²/s²): E = ½θ'² + ω₀²(1 − cos θ), zero at
/// rest hanging straight down, 2ω₀² at rest upside down (the separatrix).
struct Energy {
    double kinetic = 0;
    double potential = 0;
    [[nodiscard]] double Total() const { return kinetic + potential; }
};

[[nodiscard]] inline Energy EnergyOf(Motion motion, double Pulsation2)
{
    // 1 − cos θ written as 2 sin²(θ/2): no cancellation near the bottom,
    // where the small swings of a lesson spend their time.
    const double s = std::sin(motion.angle / 2);
    return {0.5 * motion.speed * motion.speed, 2 * Pulsation2 * s * s};
}

} // namespace kestrova
