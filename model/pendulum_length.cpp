#include "model/pendulum_length.h"

#include "model/foucault_motion.h"
#include "model/translatable_text.h"
#include "model/typed_number.h"

#include <cmath>

namespace kestrova::foucault {

LengthReading ReadLength(std::string_view text, std::string_view decimalSeparator)
{
    const std::optional<double> number = ReadTypedNumber(text, decimalSeparator).Value;
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
