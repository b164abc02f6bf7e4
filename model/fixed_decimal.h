#pragma once

/// \file
/// A number with a fixed count of decimals, as every text of the program
/// writes one: ASCII digits, the caller's decimal separator, no group
/// separator, and never a "-0" for a value that rounds to zero.

#include <string>
#include <string_view>

namespace kestrova {

/// Appends `value` rounded to `decimals` places (halves away from zero as
/// the binary value falls), with `decimalSeparator` in place of the point.
void AppendFixed(std::string& out, double value, int decimals, std::string_view decimalSeparator);

/// The same as a string of its own.
[[nodiscard]] std::string FormatFixed(double value, int decimals,
                                      std::string_view decimalSeparator);

} // namespace kestrova
