#pragma once

/// \file
/// Window layouts and picture-box positions are given in twips, 1440 per
/// inch: 15 per logical pixel on a 96 dpi screen.

#include <algorithm>
#include <cmath>

namespace kestrova {

inline constexpr double kTwipsPerPixel = 15.0;

/// The nearest whole logical pixel (ties to even) for a position or length
/// in twips, within what a widget can take (QWIDGETSIZE_MAX); NaN gives 0.
[[nodiscard]] inline int TwipsToPixels(double twips)
{
    constexpr double kLimit = (1 << 24) - 1;
    const double pixels = twips / kTwipsPerPixel;
    if (std::isnan(pixels))
        return 0;
    return static_cast<int>(std::clamp(std::nearbyint(pixels), -kLimit, kLimit));
}

} // namespace kestrova
