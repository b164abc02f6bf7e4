#pragma once

/// \file
/// What the Foucault window draws: the ground view (`picCourbe`, metres on
/// the ground seen from above) with its reference marks and the trail, and
/// the side view (`picPendule`, metres in the vertical swing plane) with the
/// pivot's vertical, the bob's path and the bob.

#include "plot/picture_surface.h"

namespace kestrova {

class Collection_Points;

namespace foucault {

inline constexpr Colour kReferenceBlue = Rgb(0, 0, 255);
inline constexpr Colour kCentreGreen = Rgb(0, 255, 0);
inline constexpr Colour kBobRed = Rgb(255, 0, 0);

/// The ground view's fixed coordinates: (−3.2, 3.2)-(3.2, −3.2), origin
/// under the pivot, y upward.
void ScaleGroundView(PictureSurface& picCourbe);

/// The side view's coordinates for a length L: (−(L + 3)/2, L + 2) to
/// ((L + 3)/2, −1); the pivot is at (0, L), the lowest point of the path at
/// (0, 0).
void ScaleSideView(PictureSurface& picPendule, double longueur);

/// The ground view's marks, drawn over what is there: a 3-pixel green dot
/// under the pivot, the dotted blue circle the bob starts on (radius A) and
/// the dotted blue diameter along x. Leaves a solid 1-pixel pen.
void DrawGroundReference(PictureSurface& picCourbe, double amplitude);

/// The side view's still part, drawn over what is there: the dotted blue
/// vertical under the pivot and the unfilled blue path circle of radius L
/// around the pivot. Leaves a solid pen.
void DrawSideReference(PictureSurface& picPendule, double longueur);

/// The bob over the side view: a red disc of radius L/100 centred at
/// (bobX, bobY). Leaves a solid pen and a solid red fill.
void DrawSideBob(PictureSurface& picPendule, double longueur, double bobX, double bobY);

/// The side view, drawn over what is there: the dotted blue vertical under
/// the pivot, the unfilled blue path circle of radius L around the pivot, and
/// the bob, a red disc of radius L/100 centred at (bobX, bobY). Leaves a
/// solid pen and a solid red fill.
void DrawSideView(PictureSurface& picPendule, double longueur, double bobX, double bobY);

/// The trail, oldest first: one 3-pixel dot per point at (X0Line, Y0Line),
/// red rising from dark for the oldest to pure red for the newest.
void DrawTrail(PictureSurface& picCourbe, const Collection_Points& points);

} // namespace foucault
} // namespace kestrova
