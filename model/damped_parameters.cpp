#include "model/damped_parameters.h"

#include "model/fixed_decimal.h"

#include <algorithm>

namespace kestrova {

namespace {

constexpr bool EntriesInEnumOrder()
{
    for (std::size_t i = 0; i < kDampedParameters.size(); ++i) {
        if (static_cast<std::size_t>(kDampedParameters[i].parameter) != i)
            return false;
    }
    return true;
}
static_assert(EntriesInEnumOrder(), "DampedParameterOf indexes the table by enumerator");

} // namespace

const DampedParameterEntry* FindDampedParameter(std::string_view id)
{
    const auto* found = std::find_if(kDampedParameters.begin(), kDampedParameters.end(),
                                     [id](const DampedParameterEntry& e) { return e.id == id; });
    return found == kDampedParameters.end() ? nullptr : found;
}

std::string ValueCaption(const DampedParameterEntry& entry, double value,
                         std::string_view decimalSeparator)
{
    std::string caption = FormatFixed(value, entry.decimals, decimalSeparator);
    caption += entry.captionUnit;
    return caption;
}

} // namespace kestrova
