#include "model/typed_number.h"

#include <charconv>
#include <limits>

namespace kestrova {

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

} // namespace

TypedNumber ReadTypedNumber(std::string_view typed, std::string_view decimalSeparator)
{
    const std::string compact = WithoutBlanks(typed, decimalSeparator);
    const std::string_view text = compact;
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
        return {std::nullopt, compact};

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
            at = exponentEnd;
        }
    }

    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range)
        value = exponentNegative ? 0.0 : std::numeric_limits<double>::infinity();
    else if (error != std::errc() || end != number.data() + number.size())
        return {std::nullopt, compact};
    return {negative ? -value : value, std::string(text.substr(at))};
}

} // namespace kestrova
