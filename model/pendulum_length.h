#pragma once

/// \file
/// Reading the pendulum length typed by the user. Every keystroke is a new
/// text, so a refused text is reported for display beside the field, never in
/// a box the user must dismiss.

#include <string>
#include <string_view>

namespace kestrova::foucault {

/// Accepted lengths (m): above the 3 m amplitude, so that the string's angle
/// exists whatever the position of the bob, and at most kMaxLength, where the
/// tick comes every 632 ms and the trail spans about a minute.
inline constexpr double kMaxLength = 1000.0;

enum class LengthRefusal {
    None,              ///< accepted
    NoNumber,          ///< no number at the start of the text
    NotAboveAmplitude, ///< 0, negative, or not above the 3 m amplitude
    TooLong,           ///< above kMaxLength, or not finite
};

struct LengthReading {
    LengthRefusal Refusal = LengthRefusal::NoNumber;
    double Length = 0; ///< the accepted length (m); meaningful when Refusal is None
    [[nodiscard]] bool Accepted() const { return Refusal == LengthRefusal::None; }
};

/// Reads and checks the text of the length field: the number at its start,
/// blanks anywhere ignored ("6 7" is 67), '.' or the user's decimal
/// separator as the decimal point, an optional sign and exponent ("2.5e1").
/// Reading stops at the first character that cannot continue the number
/// ("8 m" is 8; "12,5" is 12 where the separator is a point). Digits are
/// ASCII: the caller maps the user's own digits first.
[[nodiscard]] LengthReading ReadLength(std::string_view text, std::string_view decimalSeparator);

/// Why the text is refused, in French, with the accepted range (UTF-8);
/// empty for an accepted length.
[[nodiscard]] std::string RefusalMessage(LengthRefusal refusal);

} // namespace kestrova::foucault
