#pragma once

/// \file
/// The zooms the simulation windows are offered at, as fractions of the
/// size they were laid out at.

#include <algorithm>
#include <array>

namespace kestrova {

/// Smallest first; 1 is the window as laid out.
inline constexpr std::array<double, 5> kZoomSteps{0.75, 1.0, 1.25, 1.5, 2.0};

[[nodiscard]] constexpr bool ValidZoomStep(double zoom)
{
    return std::find(kZoomSteps.begin(), kZoomSteps.end(), zoom) != kZoomSteps.end();
}

} // namespace kestrova
