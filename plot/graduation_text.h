#pragma once

/// \file
/// The graduation labels of the plots: their text and their font.

#include <string>
#include <string_view>

namespace kestrova {

class PictureSurface;

/// Gives `box` the labels' font, bold 8-point Arial, unless it has it:
/// setting a font makes a box rebuild its device font and metrics, and the
/// frames are redrawn on every slider event.
void UseLabelFont(PictureSurface& box);

/// A graduation value as its label shows it: rounded to 15 significant
/// digits and to at most 15 decimals, plain decimal notation, `decimalMark`
/// as the decimal point whatever the process locale, no thousands separator, no trailing
/// zeros and no trailing point, "0" before the point below 1, a leading "-"
/// for negative values and never "-0". So a counter that has drifted a few
/// units in the last place away from 0.3, 1 or 0 is written "0.3", "1" or "0".
[[nodiscard]] std::string GraduationText(double t, std::string_view decimalMark = ".");

} // namespace kestrova
