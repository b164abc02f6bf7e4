#include "model/driven_parameters.h"

#include <algorithm>
#include <cmath>

namespace kestrova {

const DrivenParameterEntry* FindDrivenParameter(std::string_view id)
{
    const auto* found = std::find_if(kDrivenParameters.begin(), kDrivenParameters.end(),
                                     [id](const DrivenParameterEntry& e) { return e.id == id; });
    return found == kDrivenParameters.end() ? nullptr : found;
}

bool WithinBounds(const DrivenSetup& setup)
{
    // A hair of tolerance: a bound stored in radians comes back in degrees
    // with a rounding of its own.
    return std::all_of(kDrivenParameters.begin(), kDrivenParameters.end(),
                       [&setup](const DrivenParameterEntry& e) {
                           const double shown = setup.*e.member * e.displayScale;
                           const double slack = 1e-9 * std::max(1.0, std::abs(e.maximum));
                           return shown >= e.minimum - slack && shown <= e.maximum + slack;
                       });
}

} // namespace kestrova
