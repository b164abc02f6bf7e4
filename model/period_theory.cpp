#include "model/period_theory.h"

#include <cmath>
#include <numbers>

namespace kestrova {

double ExactPeriodRatio(double amplitude)
{
    return 2 * std::comp_ellint_1(std::sin(amplitude / 2)) / std::numbers::pi;
}

double BordaPeriodRatio(double amplitude)
{
    return 1 + amplitude * amplitude / 16;
}

std::optional<double> ExactPeriod(Energy start, double Pulsation2)
{
    if (!(Pulsation2 > 0))
        return std::nullopt;
    const double k = std::sqrt(start.Total() / (2 * Pulsation2));
    if (!(k < 1))
        return std::nullopt;
    return 4 * std::comp_ellint_1(k) / std::sqrt(Pulsation2);
}

} // namespace kestrova
