#include "plot/graduation_text.h"

#include "plot/picture_surface.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace kestrova {

namespace {

constexpr int kSignificantDigits = 15;
// Graduation steps are never finer than a few thousandths, so digits below
// the fifteenth decimal can only be the drift of a repeatedly added counter
// (a zero that came back as -1e-17 must read "0", not a long row of zeros).
constexpr int kMaxDecimals = 15;

/// Removes trailing zeros after the point, then a trailing point.
void TrimFraction(std::string& digits)
{
    if (digits.find('.') == std::string::npos)
        return;
    while (digits.back() == '0')
        digits.pop_back();
    if (digits.back() == '.')
        digits.pop_back();
}

/// Plain decimal notation of a magnitude from its significant digits
/// ("d.ddd...") and its decimal exponent (at least -1).
std::string PlainFromScientific(std::string_view mantissa, int exponent)
{
    std::string digits;
    digits.reserve(mantissa.size());
    for (const char c : mantissa)
        if (c != '.')
            digits.push_back(c);

    std::string text;
    if (exponent < 0) {
        text = "0." + digits; // exponent is -1 here: 0.ddd
    } else {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            text = digits + std::string(integerDigits - digits.size(), '0');
        } else {
            text = digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
        }
    }
    TrimFraction(text);
    return text;
}

} // namespace

std::string GraduationText(double t, std::string_view decimalMark)
{
    if (!std::isfinite(t)) {
        // Never a graduation; spelled out rather than left to chance.
        return std::isnan(t) ? "nan" : (t < 0 ? "-inf" : "inf");
    }

    const double magnitude = std::fabs(t);
    // std::to_chars is locale-independent: always ".".
    std::array<char, 64> buffer{};
    char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                              std::chars_format::scientific, kSignificantDigits - 1)
                    .ptr;
    const std::string_view scientific(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    const std::size_t e = scientific.find('e');
    int exponent = 0;
    const char* exponentBegin = scientific.data() + e + 1;
    if (*exponentBegin == '+')
        ++exponentBegin; // from_chars takes no plus sign
    std::from_chars(exponentBegin, end, exponent);

    std::string text;
    if (exponent >= -1) {
        // Fifteen significant digits reach no further than the 15th decimal.
        text = PlainFromScientific(scientific.substr(0, e), exponent);
    } else {
        // Below 0.1 the decimal limit is the tighter one; round there directly
        // so the value is rounded only once.
        std::array<char, 64> fixed{};
        char* fixedEnd = std::to_chars(fixed.data(), fixed.data() + fixed.size(), magnitude,
                                       std::chars_format::fixed, kMaxDecimals)
                             .ptr;
        text.assign(fixed.data(), fixedEnd);
        TrimFraction(text);
    }

    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimalMark);
    if (t < 0 && text != "0")
        text.insert(text.begin(), '-');
    return text;
}

void UseLabelFont(PictureSurface& box)
{
    FontSpec font = box.Font();
    font.Name = "Arial";
    font.Size = 8;
    font.SetBold(true);
    if (!(font == box.Font()))
        box.SetFont(font);
}

} // namespace kestrova
