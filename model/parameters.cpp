#include "model/parameters.h"

#include "model/pendulum_state.h"

#include <cmath>

namespace kestrova {

int& SliderValues::operator[](DampedParameter parameter)
{
    switch (parameter) {
    case DampedParameter::Teta0:
        return Teta0Degrees;
    case DampedParameter::Omega0:
        return Omega0;
    case DampedParameter::Pulsation:
        return PulsationTenths;
    case DampedParameter::Lambda:
        break;
    }
    return LambdaHundredths;
}

int SliderValues::operator[](DampedParameter parameter) const
{
    return const_cast<SliderValues&>(*this)[parameter];
}

Parameters ParametersFromSliders(const SliderValues& sliders)
{
    const double pulsation = sliders.PulsationTenths / 10.0;
    Parameters parameters;
    parameters.Teta0 = sliders.Teta0Degrees * DegToRad;
    parameters.Omega0 = sliders.Omega0;
    // Squared from the rounded ω₀ so that sqrt(Pulsation2) gives ω₀ back
    // bit for bit and the critical diagonal compares equal.
    parameters.Pulsation2 = pulsation * pulsation;
    parameters.Lambda = sliders.LambdaHundredths / 100.0;
    return parameters;
}

Regime RegimeOf(double Pulsation2, double Lambda)
{
    const double s = std::sqrt(Pulsation2);
    // No tolerance on purpose: the slider steps make both sides the same
    // correctly rounded double exactly on the critical diagonal.
    if (Lambda == s)
        return Regime::Critical;
    if (Lambda > s)
        return Regime::Aperiodic;
    return Regime::PseudoPeriodic;
}

DerivedQuantities Derive(const Parameters& parameters)
{
    DerivedQuantities derived;
    derived.naturalPulsation = std::sqrt(parameters.Pulsation2);
    if (parameters.Lambda != 0) {
        derived.qualityFactor = (derived.naturalPulsation / 2) / parameters.Lambda;
        derived.relaxationTime = 0.5 / parameters.Lambda;
    }
    derived.regime = RegimeOf(parameters.Pulsation2, parameters.Lambda);
    if (derived.regime == Regime::PseudoPeriodic) {
        const double dampedPulsation =
            std::sqrt(parameters.Pulsation2 - parameters.Lambda * parameters.Lambda);
        derived.pseudoPeriod = 2 * PI / dampedPulsation;
    }
    derived.plotTimeSpan = PlotTimeSpan(derived.regime, derived.pseudoPeriod);
    return derived;
}

double PlotTimeSpan(Regime regime, std::optional<double> pseudoPeriod)
{
    constexpr double kShortestSpan = 10.0; // s
    if (regime != Regime::PseudoPeriodic || !pseudoPeriod || !(*pseudoPeriod >= kShortestSpan))
        return kShortestSpan;
    // remainder() rounds the quotient half to even and is exact, so this is
    // the nearest integer with ties to even whatever the FPU rounding mode.
    const double T = *pseudoPeriod;
    return T - std::remainder(T, 1.0);
}

} // namespace kestrova
