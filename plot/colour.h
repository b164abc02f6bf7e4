#pragma once

/// \file
/// The program's one colour type. Qt widgets get a QColor from it at the
/// boundary (plot/qt_colour.h); nothing else converts colours.

#include <cstdint>

namespace kestrova {

/// A 24-bit colour laid out 0x00BBGGRR: 0 black, 0xFF red, 0xFF00 green,
/// 0xFF0000 blue.
using Colour = std::uint32_t;

constexpr Colour Rgb(int red, int green, int blue)
{
    return static_cast<Colour>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int RedOf(Colour c)
{
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(Colour c)
{
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(Colour c)
{
    return static_cast<int>((c >> 16) & 0xFF);
}

} // namespace kestrova
