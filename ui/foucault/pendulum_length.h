#pragma once

/// \file
/// Reading the pendulum length typed by the user. Every keystroke is a new
/// text, so a refused text is reported for display beside the field, never in
/// a box the user must dismiss.

#include <optional>
#include <string>
#include <string_view>

namespace kestrova::foucault {

/// Accepted lengths (m): above the 3 m amplitude, so that the string's angle
/// exists whatever the position of the bob, and at most kMaxLength, where the
/// tick comes every 632 ms and the trail spans about a minute.
inline constexpr double kMaxLength = 1000.0;

/// The number at the start of the text: leading blanks are skipped, an
/// optional sign, digits with "," or "." as the decimal separator, an
/// optional exponent ("e" or "E", only when digits follow). Reading stops at
/// the first character that cannot continue the number (" 8 m" gives 8).
/// No number at the start gives nothing. A number too large for a double
/// gives infinity (with its sign), one too small gives 0.
[[nodiscard]] std::optional<double> LeadingNumber(std::string_view text);

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

/// Reads and checks the text of the length field.
[[nodiscard]] LengthReading ReadLength(std::string_view text);

/// Why the text is refused, in French, with the accepted range (UTF-8);
/// empty for an accepted length.
[[nodiscard]] std::string RefusalMessage(LengthRefusal refusal);

} // namespace kestrova::foucault
