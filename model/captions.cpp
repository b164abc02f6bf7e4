#include "model/captions.h"

#include "model/fixed_decimal.h"
#include "model/translatable_text.h"

#include <string>

namespace kestrova {

std::string LambdaCaption(double lambda, std::string_view sep)
{
    return ValueCaption(DampedParameterOf(DampedParameter::Lambda), lambda, sep);
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
