#pragma once

/// \file
/// From the four slider values to the model parameters and the derived
/// physical quantities shown by the damped-pendulum window.

#include <optional>

namespace kestrova {

/// The integer values of the four sliders of the damped-pendulum window.
struct SliderValues {
    int Teta0Degrees = 45;     ///< sldTeta0, 0 to 180 (degrees)
    int Omega0 = 0;            ///< sldOmega0, -10 to 10 (rad/s)
    int PulsationTenths = 40;  ///< sldPulsation, 1 to 200 (tenths of rad/s)
    int LambdaHundredths = 22; ///< sldLambda, 0 to 500 (hundredths of 1/s)
};

/// Slider ranges (inclusive), in the sliders' own integer units.
struct SliderRange {
    int minimum;
    int maximum;
};
inline constexpr SliderRange kTeta0Range{0, 180};
inline constexpr SliderRange kOmega0Range{-10, 10};
inline constexpr SliderRange kPulsationRange{1, 200};
inline constexpr SliderRange kLambdaRange{0, 500};

/// The model parameters read from the sliders.
struct Parameters {
    double Teta0 = 0;      ///< rad: Teta0Degrees × DegToRad
    double Omega0 = 0;     ///< rad/s
    double Pulsation2 = 0; ///< rad²/s²: (PulsationTenths / 10)²
    double Lambda = 0;     ///< 1/s: LambdaHundredths / 100
};

[[nodiscard]] Parameters ParametersFromSliders(const SliderValues& sliders);

enum class Regime { Critical, Aperiodic, PseudoPeriodic };

/// Compares Lambda with sqrt(Pulsation2): exact equality first (critical),
/// then Lambda above it (aperiodic), otherwise pseudo-periodic.
[[nodiscard]] Regime RegimeOf(double Pulsation2, double Lambda);

/// What the window shows about a parameter set.
struct DerivedQuantities {
    double naturalPulsation = 0;          ///< ω₀ = sqrt(Pulsation2), rad/s
    std::optional<double> qualityFactor;  ///< Q = (ω₀ / 2) / λ, absent when λ = 0
    std::optional<double> relaxationTime; ///< τ = 0.5 / λ (s), absent when λ = 0
    Regime regime = Regime::PseudoPeriodic;
    std::optional<double> pseudoPeriod; ///< T = 2·PI / sqrt(ω₀² − λ²) (s), pseudo-periodic only
    double plotTimeSpan = 10;           ///< DureeTrace before the plot frames round it (s)
};

[[nodiscard]] DerivedQuantities Derive(const Parameters& parameters);

/// The plot time span: 10 s, or the pseudo-period rounded half to even when
/// it is 10 s or more.
[[nodiscard]] double PlotTimeSpan(Regime regime, std::optional<double> pseudoPeriod);

} // namespace kestrova
