#pragma once

/// \file
/// Reading the latitude typed by the user, in degrees: the same lenient
/// rules as the length, and the hemisphere written either as a sign or as a
/// letter after the number ("33,87 S" is the same place as "-33,87").

#include <string_view>

namespace kestrova::foucault {

/// Paris, the place by default (degrees): times DegToRad it is kLatitude.
inline constexpr double kParisLatitudeDegrees = 48.85;

enum class LatitudeRefusal {
    None,       ///< accepted
    NoNumber,   ///< no number at the start of the text
    OutOfRange, ///< beyond a pole, or not finite
};

struct LatitudeReading {
    LatitudeRefusal Refusal = LatitudeRefusal::NoNumber;
    double Degrees = 0; ///< north positive; meaningful when Refusal is None
    [[nodiscard]] bool Accepted() const { return Refusal == LatitudeRefusal::None; }
};

/// Reads the number at the start of the text as ReadTypedNumber does, then
/// an optional degree sign and an optional N or S (either case) that sets
/// the hemisphere whatever the sign. Accepted from −90 to 90 included.
[[nodiscard]] LatitudeReading ReadLatitude(std::string_view text,
                                           std::string_view decimalSeparator);

} // namespace kestrova::foucault
