#include "model/latitude_reading.h"

#include "model/typed_number.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>

namespace kestrova::foucault {

namespace {

constexpr std::string_view kDegreeSign = "\u00B0";
// Seconds first: two apostrophes are a seconds mark, not a minutes mark.
constexpr std::array<std::string_view, 5> kSecondsMarks = {"\"", "''", "\u2033", "\u201D",
                                                           "\u2019\u2019"};
constexpr std::array<std::string_view, 3> kMinutesMarks = {"'", "\u2032", "\u2019"};

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

template <std::size_t N>
bool SkipMark(std::string_view& rest, const std::array<std::string_view, N>& marks)
{
    for (const std::string_view mark : marks) {
        if (rest.starts_with(mark)) {
            rest.remove_prefix(mark.size());
            return true;
        }
    }
    return false;
}

bool StartsWithMark(std::string_view rest)
{
    return SkipMark(rest, kSecondsMarks) || SkipMark(rest, kMinutesMarks);
}

/// Minutes or seconds: digits with an optional '.' fraction, no sign.
std::optional<double> ReadPart(std::string_view& rest)
{
    std::size_t end = 0;
    while (end < rest.size() && IsDigit(rest[end]))
        ++end;
    if (end < rest.size() && rest[end] == '.') {
        ++end;
        while (end < rest.size() && IsDigit(rest[end]))
            ++end;
    }
    if (end == 0 || rest.substr(0, end) == ".")
        return std::nullopt;
    double value = 0;
    std::from_chars(rest.data(), rest.data() + end, value);
    rest.remove_prefix(end);
    return value;
}

bool Whole(double value)
{
    return value == std::floor(value);
}

/// Digits on both sides of blanks, which ReadTypedNumber joins.
bool BlanksSplitDigits(std::string_view text)
{
    for (std::size_t at = 1; at < text.size(); ++at) {
        if (text[at] != ' ' && text[at] != '\t')
            continue;
        std::size_t next = at;
        while (next < text.size() && (text[next] == ' ' || text[next] == '\t'))
            ++next;
        if (IsDigit(text[at - 1]) && next < text.size() && IsDigit(text[next]))
            return true;
        at = next;
    }
    return false;
}

/// The reading once the number has been read; `rest` is what follows it.
LatitudeReading ReadAfterNumber(double degrees, std::string_view rest)
{
    const bool negative = std::signbit(degrees);
    double magnitude = std::abs(degrees);
    if (rest.starts_with(kDegreeSign)) {
        rest.remove_prefix(kDegreeSign.size());
        if (const std::optional<double> minutes = ReadPart(rest)) {
            std::optional<double> seconds;
            if (SkipMark(rest, kSecondsMarks))
                return {LatitudeRefusal::Unreadable, 0};
            if (SkipMark(rest, kMinutesMarks)) {
                seconds = ReadPart(rest);
                SkipMark(rest, kSecondsMarks);
            }
            if (!Whole(magnitude) || (seconds && !Whole(*minutes)))
                return {LatitudeRefusal::Unreadable, 0};
            if (*minutes >= 60 || seconds.value_or(0) >= 60)
                return {LatitudeRefusal::BadMinutes, 0};
            magnitude += *minutes / 60 + seconds.value_or(0) / 3600;
        }
    }
    if (StartsWithMark(rest))
        return {LatitudeRefusal::Unreadable, 0};

    double signedDegrees = negative ? -magnitude : magnitude;
    if (!rest.empty() && (rest.front() == 'S' || rest.front() == 's'))
        signedDegrees = -magnitude;
    else if (!rest.empty() && (rest.front() == 'N' || rest.front() == 'n'))
        signedDegrees = magnitude;

    if (!(std::abs(signedDegrees) <= 90.0))
        return {LatitudeRefusal::OutOfRange, 0};
    return {LatitudeRefusal::None, signedDegrees};
}

} // namespace

LatitudeReading ReadLatitude(std::string_view text, std::string_view decimalSeparator)
{
    const TypedNumber number = ReadTypedNumber(text, decimalSeparator);
    if (!number.Value)
        return {LatitudeRefusal::NoNumber, 0};
    LatitudeReading reading = ReadAfterNumber(*number.Value, number.Rest);
    // "45 30" is no 4530° but two numbers the reader joined: say so.
    if (!reading.Accepted() && BlanksSplitDigits(text))
        reading.Refusal = LatitudeRefusal::SplitNumber;
    return reading;
}

} // namespace kestrova::foucault
