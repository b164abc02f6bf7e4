#pragma once

/// \file
/// Reading the latitude typed by the user: in degrees under the same lenient
/// rules as the length, or in degrees, minutes and seconds ("45°30'15\""),
/// with the hemisphere written either as a sign or as a letter after the
/// number ("33,87 S" is the same place as "-33,87").

#include <string_view>

namespace kestrova::foucault {

/// Paris, the place by default (degrees): times DegToRad it is kLatitude.
inline constexpr double kParisLatitudeDegrees = 48.85;

enum class LatitudeRefusal {
    None,        ///< accepted
    NoNumber,    ///< no number at the start of the text
    OutOfRange,  ///< beyond a pole, or not finite
    Unreadable,  ///< minutes or seconds without their marks in order
    SplitNumber, ///< blanks between digits joined them into no latitude
    BadMinutes,  ///< minutes or seconds of 60 or more
};

struct LatitudeReading {
    LatitudeRefusal Refusal = LatitudeRefusal::NoNumber;
    double Degrees = 0; ///< north positive; meaningful when Refusal is None
    [[nodiscard]] bool Accepted() const { return Refusal == LatitudeRefusal::None; }
};

/// Reads the number at the start of the text as ReadTypedNumber does, then
/// an optional degree sign and, after it, minutes and seconds, each with
/// its mark (' or ′ or ’, then " or ″ or ''; the last mark may be left out
/// while typing), then an optional N or S (either case) that sets the
/// hemisphere whatever the sign. Minutes need whole degrees, seconds whole
/// minutes. Accepted from −90 to 90 included. Blanks are ignored, but a
/// text refused once its blank-separated digits are joined ("45 30 N") is
/// refused for that reason.
[[nodiscard]] LatitudeReading ReadLatitude(std::string_view text,
                                           std::string_view decimalSeparator);

} // namespace kestrova::foucault
