#include "model/fitted_setup.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kestrova {

FittedSetup NearestSetup(const PendulumFit& fit)
{
    FittedSetup setup;
    const double sign = fit.angle.value < 0 ? -1 : 1;
    const std::array<double, kDampedParameterCount> fitted{
        std::abs(fit.angle.value) * 180 / std::numbers::pi, sign * fit.velocity.value,
        fit.omega0.value, fit.lambda.value};
    for (const DampedParameterEntry& entry : kDampedParameters) {
        const auto i = static_cast<std::size_t>(entry.parameter);
        const double steps = std::round(fitted[i] * entry.stepsPerUnit);
        const int position =
            static_cast<int>(std::clamp(steps, static_cast<double>(entry.range.minimum),
                                        static_cast<double>(entry.range.maximum)));
        setup.sliders[entry.parameter] = position;
        setup.rounding[i] = {entry.parameter, fitted[i], ValueAt(entry, position),
                             !(steps >= entry.range.minimum && steps <= entry.range.maximum)};
    }
    return setup;
}

} // namespace kestrova
