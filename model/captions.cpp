#include "model/captions.h"

#include "model/translatable_text.h"

#include <charconv>
#include <string>

namespace kestrova {

std::string FormatFixed(double value, int decimals, std::string_view decimalSeparator)
{
    // to_chars never looks at the C locale (which the GUI toolkit sets to the
    // user's), rounds the binary value correctly and writes no grouping.
    char buffer[400]; // enough for any finite double in fixed notation
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (error != std::errc{})
        return {};
    std::string text(buffer, end);

    // A value that rounds to zero reads as zero, never as "-0" or "-0,00".
    if (!text.empty() && text.front() == '-'
        && text.find_first_not_of("0.", 1) == std::string::npos)
        text.erase(0, 1);

    if (const auto point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimalSeparator);
    return text;
}

std::string Teta0Caption(int degrees)
{
    return std::to_string(degrees) + "°";
}

std::string Omega0Caption(double omega0, std::string_view sep)
{
    return FormatFixed(omega0, 0, sep) + " rad/s";
}

std::string PulsationCaption(int pulsationTenths, std::string_view sep)
{
    return FormatFixed(pulsationTenths / 10.0, 1, sep) + " rad/s";
}

std::string LambdaCaption(double lambda, std::string_view sep)
{
    return FormatFixed(lambda, 2, sep);
}

std::string QualityCaption(double quality, std::string_view sep)
{
    return FormatFixed(quality, 3, sep);
}

std::string RelaxationCaption(double relaxation, std::string_view sep)
{
    return FormatFixed(relaxation, 3, sep);
}

std::string PseudoPeriodCaption(double pseudoPeriod, std::string_view sep)
{
    return FormatFixed(pseudoPeriod, 3, sep) + " s";
}

std::string RegimeCaption(Regime regime)
{
    switch (regime) {
    case Regime::Critical:
        return KESTROVA_TRANSLATABLE("kestrova::Captions", "Régime critique");
    case Regime::Aperiodic:
        return KESTROVA_TRANSLATABLE("kestrova::Captions", "Régime apériodique");
    case Regime::PseudoPeriodic:
        return KESTROVA_TRANSLATABLE("kestrova::Captions", "Régime pseudo-périodique");
    }
    return {};
}

} // namespace kestrova
