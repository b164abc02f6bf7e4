#pragma once

/// \file
/// The pens and fonts of the Qt picture surfaces. The picture box on screen
/// and the painter surface of the exports and printouts must draw a plot
/// alike, so both take their pens, dash patterns, line ends and fonts from
/// here.

#include "plot/picture_surface.h"

#include <QFont>
#include <QPen>

namespace kestrova {

/// The pen of a DrawStyle and DrawWidth in colour c. Patterns only apply
/// to thin pens, in pixels, as on the classic boxes; a wider pen draws solid.
[[nodiscard]] QPen SurfacePen(Colour c, int style, int width, Qt::PenCapStyle cap);

/// The ends of a sloped line: a thin solid line owns its end pixels
/// (square), a patterned one stops where its pattern does (flat), and a
/// wide one ends flat under the round ends drawn apart.
[[nodiscard]] Qt::PenCapStyle SlopedLineCap(int style, int width);

/// A font size in whole pixels, at least one: metrics and drawing then
/// agree whatever the resolution of the device.
[[nodiscard]] int FontPixels(double pixels);

/// The font of a FontSpec at `logicalDpi` dots per inch.
[[nodiscard]] QFont SurfaceFont(const FontSpec& wanted, int logicalDpi);

/// The font of rotated text. A positive Height is the cell (ascent +
/// descent) in pixels, a negative one the em height; zero takes
/// `currentPixels`, the surface font's size.
[[nodiscard]] QFont RotatedTextFont(const RotatedFont& font, int currentPixels);

} // namespace kestrova
