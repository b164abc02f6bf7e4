#pragma once

/// \file
/// The level curves of the pendulum's energy drawn on the phase portraits,
/// over the grid and beneath the labels and the traces: closed loops of
/// swinging, open curves of turning over, and between them the separatrix in
/// a stronger line. Dark and thick enough to be seen on a projector.

#include "model/pendulum_state.h"
#include "plot/picture_surface.h"

namespace kestrova {

/// Level curves in a mid blue, two pixels wide: clear of the white ground
/// (a contrast above 3:1), still lighter than the red and green traces
/// drawn over them.
inline constexpr Colour kEnergyLevelColour = Rgb(90, 130, 210);
inline constexpr int kEnergyLevelWidth = 2; // pixels
/// The separatrix 2ω₀², in navy and three pixels wide.
inline constexpr Colour kSeparatrixColour = Rgb(30, 50, 140);
inline constexpr int kSeparatrixWidth = 3; // pixels

/// Draws about six level curves and the separatrix (where it crosses the
/// frame) for the state's Pulsation2, clipped to the frame that
/// DrawPhaseFrame draws for the state's TetaMax, OmegaMax and DureeTrace,
/// over what the box holds. Leaves on the box that phase coordinate
/// system, DrawStyle solid and DrawWidth 1. Draws nothing when those values
/// are not finite.
void DrawEnergyCurves(const PenduleState& state, PictureSurface& box);

} // namespace kestrova
