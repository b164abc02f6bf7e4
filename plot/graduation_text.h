#pragma once

/// \file
/// The text of a graduation label of the plots.

#include <string>

namespace kestrova {

/// A graduation value as its label shows it: rounded to 15 significant
/// digits and to at most 15 decimals, plain decimal notation, "." as the
/// decimal point whatever the locale, no thousands separator, no trailing
/// zeros and no trailing point, "0" before the point below 1, a leading "-"
/// for negative values and never "-0". So a counter that has drifted a few
/// units in the last place away from 0.3, 1 or 0 is written "0.3", "1" or "0".
[[nodiscard]] std::string GraduationText(double t);

} // namespace kestrova
