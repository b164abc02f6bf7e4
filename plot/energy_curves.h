#pragma once

/// \file
/// The level curves of the pendulum's energy drawn on the phase portraits,
/// beneath the frames and the traces: pale closed loops of swinging, open
/// curves of turning over, and between them the separatrix in a stronger line.

#include "model/pendulum_state.h"
#include "plot/picture_surface.h"

namespace kestrova {

/// Level curves in a pale blue that leaves the red and green traces readable.
inline constexpr Colour kEnergyLevelColour = Rgb(190, 205, 235);
/// The separatrix 2ω₀², darker and two pixels wide.
inline constexpr Colour kSeparatrixColour = Rgb(80, 100, 180);

/// Draws about six level curves and the separatrix (where it crosses the
/// frame) for the state's Pulsation2, clipped to the frame that
/// DrawPhaseFrame draws for the state's TetaMax, OmegaMax and DureeTrace,
/// over what the box holds. Leaves on the box that phase coordinate
/// system, DrawStyle solid and DrawWidth 1. Draws nothing when those values
/// are not finite.
void DrawEnergyCurves(const PenduleState& state, PictureSurface& box);

} // namespace kestrova
