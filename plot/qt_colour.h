#pragma once

/// \file
/// Colours across the Qt boundary: the program's Colour to and from QColor.

#include "plot/colour.h"

#include <QColor>

namespace kestrova {

[[nodiscard]] inline QColor ToQColor(Colour c)
{
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

/// The opaque part of a Qt colour (palette entries) as a Colour.
[[nodiscard]] inline Colour ToColour(const QColor& c)
{
    return Rgb(c.red(), c.green(), c.blue());
}

} // namespace kestrova
