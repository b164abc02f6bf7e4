#pragma once

/// \file
/// From the four slider values to the model parameters and the derived
/// physical quantities shown by the damped-pendulum window.

#include "model/damped_parameters.h"

#include <optional>

namespace kestrova {

/// The integer values of the four sliders of the damped-pendulum window,
/// at their start positions unless given.
struct SliderValues {
    int Teta0Degrees = DampedParameterOf(DampedParameter::Teta0).defaultPosition;
    int Omega0 = DampedParameterOf(DampedParameter::Omega0).defaultPosition;
    int PulsationTenths = DampedParameterOf(DampedParameter::Pulsation).defaultPosition;
    int LambdaHundredths = DampedParameterOf(DampedParameter::Lambda).defaultPosition;

    /// The position of one parameter's slider.
    [[nodiscard]] int& operator[](DampedParameter parameter);
    [[nodiscard]] int operator[](DampedParameter parameter) const;

    bool operator==(const SliderValues&) const = default;
};

/// The ranges for code that names one parameter.
inline constexpr SliderRange kTeta0Range = DampedParameterOf(DampedParameter::Teta0).range;
inline constexpr SliderRange kOmega0Range = DampedParameterOf(DampedParameter::Omega0).range;
inline constexpr SliderRange kPulsationRange = DampedParameterOf(DampedParameter::Pulsation).range;
inline constexpr SliderRange kLambdaRange = DampedParameterOf(DampedParameter::Lambda).range;

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
