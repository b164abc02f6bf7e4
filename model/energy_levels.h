#pragma once

/// \file
/// Level curves of the undamped pendulum's energy on the phase portrait:
/// closed loops of libration below 2ω₀², the separatrix at 2ω₀² through the
/// upside-down rest points (±π, 0), open curves of rotation above it. A
/// damped motion spirals inwards across them.

#include "model/integrator.h"

#include <vector>

namespace kestrova {

/// A rectangle of the phase plane: angles (rad) and angular speeds (rad/s).
struct PhaseRange {
    double angleMin = 0;
    double angleMax = 0;
    double speedMin = 0;
    double speedMax = 0;
    [[nodiscard]] bool Contains(Motion m) const
    {
        return m.angle >= angleMin && m.angle <= angleMax && m.speed >= speedMin
            && m.speed <= speedMax;
    }
};

/// One connected piece of a level curve, as points (angle, speed) to join in order.
using PhasePolyline = std::vector<Motion>;

struct EnergyLevel {
    double energy = 0;       ///< rad²/s², per unit of m·L² (see EnergyOf)
    bool separatrix = false; ///< the level 2ω₀² between swinging and turning over
};

/// About `count` levels spread evenly in √E (so evenly across the speed axis
/// for small swings) up to the energy of the range's farthest corner, then
/// the separatrix when it crosses the range. None for a range without
/// extent or a Pulsation2 that is not positive.
[[nodiscard]] std::vector<EnergyLevel> EnergyLevelsFor(double Pulsation2, const PhaseRange& range,
                                                       int count = 6);

/// The pieces of the level curve E = ½θ'² + ω₀²(1 − cos θ) inside `range`,
/// clipped to its border. Every point lies on the curve (its energy is E to
/// rounding): the ends of a piece are found on the curve where it leaves the
/// range, not on straight chords. Angles are those of one turn, |θ| ≤ π, as
/// the motion wraps them; loops around other turns are not drawn. Empty for
/// E ≤ 0, a non-finite E or a Pulsation2 that is not positive.
[[nodiscard]] std::vector<PhasePolyline> EnergyLevelCurve(double energy, double Pulsation2,
                                                          const PhaseRange& range);

} // namespace kestrova
