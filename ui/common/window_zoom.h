#pragma once

/// \file
/// Zooming a window laid out in twips: the zoom changes how many screen
/// pixels a twip is, never the layout. Every control keeps its place in
/// twips and its font in points, both that much larger on screen; picture
/// boxes keep their drawing units and draw larger.

#include "model/zoom_steps.h"

#include <QSize>

class QWidget;

namespace kestrova {

/// The range a fitted zoom is kept in.
inline constexpr double kSmallestZoom = 0.5;
inline constexpr double kLargestZoom = 2.0;

/// Shows `window` and everything in it at `zoom` times the size it was
/// built with: positions, sizes, fonts, picture boxes. The built sizes are
/// remembered at the first call, so that zooming back to 1 gives exactly
/// the window as built. Labels fit their texts again; drawing the pictures
/// again is the window's business.
void ZoomWindow(QWidget& window, double zoom);

/// Black on white for `window` and thick lines in every picture box in it,
/// or back to the usual look; drawing the pictures again is the window's
/// business.
void ShowInHighContrast(QWidget& window, bool high);

/// The zoom `window` is shown at (1 until ZoomWindow changes it).
[[nodiscard]] double WindowZoom(const QWidget& window);

/// The window's size at zoom 1.
[[nodiscard]] QSize BuiltSize(const QWidget& window);

/// The largest zoom, within kSmallestZoom..kLargestZoom, at which a window
/// of `built` size at zoom 1 fits in `room`.
[[nodiscard]] double FittingZoom(QSize built, QSize room);

/// The next step of kZoomSteps above (`steps` > 0) or below `zoom`; the
/// end step when there is none.
[[nodiscard]] double NextZoomStep(double zoom, int steps);

} // namespace kestrova
