#include "ui/foucault/pendulum_length.h"

#include "ui/foucault/foucault_motion.h"

#include <charconv>
#include <cmath>
#include <limits>

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

} // namespace

std::optional<double> LeadingNumber(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;

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
    if (at < text.size() && (text[at] == '.' || text[at] == ',')) {
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

LengthReading ReadLength(std::string_view text)
{
    const std::optional<double> number = LeadingNumber(text);
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
        return "Longueur non reconnue : tapez un nombre de mètres, plus de 3 m et au plus 1000 m.";
    case LengthRefusal::NotAboveAmplitude:
        return "Longueur trop courte : le pendule doit mesurer plus de 3 m (l'amplitude) "
               "et au plus 1000 m.";
    case LengthRefusal::TooLong:
        return "Longueur trop grande : le pendule doit mesurer plus de 3 m et au plus 1000 m.";
    }
    return {};
}

} // namespace kestrova::foucault
