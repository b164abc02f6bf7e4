#include "model/latitude_reading.h"

#include "model/typed_number.h"

#include <cmath>

namespace kestrova::foucault {

LatitudeReading ReadLatitude(std::string_view text, std::string_view decimalSeparator)
{
    const TypedNumber number = ReadTypedNumber(text, decimalSeparator);
    if (!number.Value)
        return {LatitudeRefusal::NoNumber, 0};
    double degrees = *number.Value;

    std::string_view rest = number.Rest;
    if (rest.starts_with("\u00B0"))
        rest.remove_prefix(std::string_view("\u00B0").size());
    if (!rest.empty() && (rest.front() == 'S' || rest.front() == 's'))
        degrees = -std::abs(degrees);
    else if (!rest.empty() && (rest.front() == 'N' || rest.front() == 'n'))
        degrees = std::abs(degrees);

    if (!(std::abs(degrees) <= 90.0))
        return {LatitudeRefusal::OutOfRange, 0};
    return {LatitudeRefusal::None, degrees};
}

} // namespace kestrova::foucault
