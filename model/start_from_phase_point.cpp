#include "model/start_from_phase_point.h"

#include "model/parameters.h"
#include "model/pendulum_state.h"

#include <algorithm>
#include <cmath>

namespace kestrova {

namespace {

int NearestInRange(double value, SliderRange range)
{
    if (!std::isfinite(value))
        return std::clamp(0, range.minimum, range.maximum);
    const double clamped =
        std::clamp(value, static_cast<double>(range.minimum), static_cast<double>(range.maximum));
    return static_cast<int>(std::nearbyint(clamped));
}

} // namespace

StartSliders NearestStartSliders(Motion point)
{
    if (point.angle < 0)
        point = {-point.angle, -point.speed};
    return {NearestInRange(point.angle / DegToRad, kTeta0Range),
            NearestInRange(point.speed, kOmega0Range)};
}

} // namespace kestrova
