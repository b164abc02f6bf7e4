#pragma once

/// \file
/// The number at the start of a text the user typed into a field. Every
/// keystroke is a new text, so the reading is lenient: blanks anywhere are
/// ignored and reading stops at the first character that cannot continue the
/// number, leaving the rest to the caller (a unit, a hemisphere).

#include <optional>
#include <string>
#include <string_view>

namespace kestrova {

struct TypedNumber {
    /// The number, or nothing when the text does not start with one. A
    /// number too large for a double is infinite (with its sign), one too
    /// small is 0.
    std::optional<double> Value;
    /// What follows the number, without blanks, the decimal separator
    /// written as '.'.
    std::string Rest;
};

/// Reads an optional sign, digits with '.' or the user's decimal separator
/// as the decimal point, and an optional exponent ("2.5e1", only when digits
/// follow the "e"). Digits are ASCII: the caller maps the user's own digits
/// first.
[[nodiscard]] TypedNumber ReadTypedNumber(std::string_view text, std::string_view decimalSeparator);

} // namespace kestrova
