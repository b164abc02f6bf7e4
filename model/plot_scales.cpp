#include "model/plot_scales.h"

#include <algorithm>
#include <cmath>

namespace kestrova {

namespace {

struct AngleBand {
    double upTo; ///< degrees, inclusive
    double step; ///< degrees
};
constexpr AngleBand kAngleBands[] = {{8, 1}, {20, 2}, {50, 5}, {90, 10}};
constexpr double kWidestAngleStep = 20;    // degrees, beyond the last band
constexpr double kLargestAngleScale = 180; // degrees

double BandStep(double degrees)
{
    for (const AngleBand& band : kAngleBands)
        if (degrees <= band.upTo)
            return band.step;
    return kWidestAngleStep;
}

/// Integer rounding with ties to even, kept as a double: the value a 16- or
/// 32-bit conversion gives wherever that would not overflow.
double RoundHalfEven(double x)
{
    return std::nearbyint(x);
}

} // namespace

double AngleStep(double degrees)
{
    return degrees >= 0 ? BandStep(degrees) : kWidestAngleStep;
}

double RoundUpAngleScale(double degrees)
{
    // Always strictly above the swing, even on a round value, so the largest
    // swing never touches the frame.
    const double step = BandStep(degrees);
    return std::min(std::floor(degrees / step + 1) * step, kLargestAngleScale);
}

double TimeStep(double DureeTrace)
{
    if (DureeTrace >= 0 && DureeTrace <= 16)
        return 1;
    if (DureeTrace > 16 && DureeTrace <= 32)
        return 2;
    return 5;
}

double FramedTimeSpan(double DureeTrace)
{
    const double step = TimeStep(DureeTrace);
    if (std::fmod(RoundHalfEven(DureeTrace), RoundHalfEven(step)) == 0)
        return std::floor(DureeTrace);
    return (std::floor(DureeTrace / step) + 1) * step;
}

} // namespace kestrova
