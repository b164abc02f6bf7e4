#include "model/captions.h"

#include "model/fixed_decimal.h"
#include "model/translatable_text.h"

#include <string>

namespace kestrova {

std::string LambdaCaption(double lambda, std::string_view sep)
{
    return ValueCaption(DampedParameterOf(DampedParameter::Lambda), lambda, sep);
}

namespace {

constexpr const char* kInfinity = "∞";

std::string FixedOrInfinite(std::optional<double> value, std::string_view sep)
{
    return value ? FormatFixed(*value, 3, sep) : kInfinity;
}

} // namespace

std::string QualityCaption(std::optional<double> quality, std::string_view sep)
{
    return FixedOrInfinite(quality, sep);
}

std::string RelaxationCaption(std::optional<double> relaxation, std::string_view sep)
{
    return FixedOrInfinite(relaxation, sep);
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
