#include "model/fixed_decimal.h"

#include <charconv>
#include <system_error>

namespace kestrova {

void AppendFixed(std::string& out, double value, int decimals, std::string_view decimalSeparator)
{
    // to_chars never looks at the C locale (which the GUI toolkit sets to the
    // user's), rounds the binary value correctly and writes no grouping.
    char buffer[400]; // enough for any finite double in fixed notation
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (error != std::errc{})
        return;
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));

    // A value that rounds to zero reads as zero, never as "-0" or "-0,00".
    std::size_t from = 0;
    if (text.starts_with('-') && text.find_first_not_of("0.", 1) == std::string_view::npos)
        from = 1;

    const std::size_t point = text.find('.', from);
    if (point == std::string_view::npos) {
        out += text.substr(from);
        return;
    }
    out += text.substr(from, point - from);
    out += decimalSeparator;
    out += text.substr(point + 1);
}

std::string FormatFixed(double value, int decimals, std::string_view decimalSeparator)
{
    std::string text;
    AppendFixed(text, value, decimals, decimalSeparator);
    return text;
}

} // namespace kestrova
