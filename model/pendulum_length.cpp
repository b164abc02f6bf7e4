#include "model/pendulum_length.h"

#include "model/foucault_motion.h"
#include "model/translatable_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace kestrova::foucault {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t SkipDigits(std::string_view text, std::size_t at)
{
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    return at;
}

/// The text without its blanks, the user's decimal separator written as '.'.
std::string WithoutBlanks(std::string_view text, std::string_view decimalSeparator)
{
    std::string compact;
    for (std::size_t at = 0; at < text.size();) {
        if (text[at] == ' ' || text[at] == '\t') {
            ++at;
        } else if (!decimalSeparator.empty() && text.substr(at).starts_with(decimalSeparator)) {
            compact += '.';
            at += decimalSeparator.size();
        } else {
            compact += text[at++];
        }
    }
    return compact;
}

/// The number at the start of a text without blanks: an optional sign,
/// digits with '.' as the decimal point, an optional exponent ("e" or "E",
/// only when digits follow). A number too large for a double gives infinity
/// (with its sign), one too small gives 0.
std::optional<double> LeadingNumber(std::string_view text)
{
    std::size_t at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }

    // The number in the form from_chars reads: digits, '.', exponent.
    std::string number;
    const std::size_t integerEnd = SkipDigits(text, at);
    number.append(text.substr(at, integerEnd - at));
    at = integerEnd;
    if (at < text.size() && text[at] == '.') {
        const std::size_t fractionEnd = SkipDigits(text, at + 1);
        number += '.';
        number.append(text.substr(at + 1, fractionEnd - at - 1));
        at = fractionEnd;
    }
    if (number.empty() || number == ".")
        return std::nullopt;

    bool exponentNegative = false;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t digits = at + 1;
        bool expNegative = false;
        if (digits < text.size() && (text[digits] == '+' || text[digits] == '-')) {
            expNegative = text[digits] == '-';
            ++digits;
        }
        const std::size_t exponentEnd = SkipDigits(text, digits);
        if (exponentEnd > digits) {
            number += 'e';
            if (expNegative)
                number += '-';
            number.append(text.substr(digits, exponentEnd - digits));
            exponentNegative = expNegative;
        }
    }

    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range)
        value = exponentNegative ? 0.0 : std::numeric_limits<double>::infinity();
    else if (error != std::errc() || end != number.data() + number.size())
        return std::nullopt;
    return negative ? -value : value;
}

} // namespace

LengthReading ReadLength(std::string_view text, std::string_view decimalSeparator)
{
    const std::optional<double> number = LeadingNumber(WithoutBlanks(text, decimalSeparator));
    if (!number)
        return {LengthRefusal::NoNumber, 0};
    if (!(*number > kAmplitude))
        return {LengthRefusal::NotAboveAmplitude, 0};
    if (!std::isfinite(*number) || *number > kMaxLength)
        return {LengthRefusal::TooLong, 0};
    return {LengthRefusal::None, *number};
}

std::string RefusalMessage(LengthRefusal refusal)
{
    switch (refusal) {
    case LengthRefusal::None:
        return {};
    case LengthRefusal::NoNumber:
        return KESTROVA_TRANSLATABLE(
            "kestrova::LengthReading",
            "Longueur non reconnue : tapez un nombre de mètres, plus de 3 m et au plus 1000 m.");
    case LengthRefusal::NotAboveAmplitude:
        return KESTROVA_TRANSLATABLE("kestrova::LengthReading",
                                     "Longueur trop courte : le pendule doit mesurer plus de 3 m "
                                     "(l'amplitude) et au plus 1000 m.");
    case LengthRefusal::TooLong:
        return KESTROVA_TRANSLATABLE(
            "kestrova::LengthReading",
            "Longueur trop grande : le pendule doit mesurer plus de 3 m et au plus 1000 m.");
    }
    return {};
}

} // namespace kestrova::foucault
