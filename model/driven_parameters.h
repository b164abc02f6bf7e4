#pragma once

/// \file
/// The driven pendulum
/// \f[ \theta'' + 2\lambda\theta' + \omega_0^2 \sin\theta = \gamma\,\omega_0^2 \cos(\Omega t) \f]
/// its setup, and the six numbers the driven window lets the user type,
/// each described once: the window's fields, their captions, the presets
/// and the lesson files all read this table.

#include "model/translatable_text.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace kestrova {

/// Translation context of the driven window's texts.
inline constexpr char kDrivenWindowContext[] = "kestrova::frmPenduleForce";

/// Angles in radians, speeds and pulsations in rad/s, λ in 1/s; γ has no unit.
struct DrivenSetup {
    double teta0 = 0;                ///< initial angle
    double omega0 = 0;               ///< initial angular speed
    double pulsation = 1;            ///< natural pulsation ω₀
    double lambda = 0.25;            ///< damping coefficient
    double gamma = 0.9;              ///< driving strength
    double drivePulsation = 2.0 / 3; ///< driving pulsation Ω

    friend bool operator==(const DrivenSetup&, const DrivenSetup&) = default;
};

struct DrivenParameterEntry {
    /// Stable ASCII name, as a lesson file writes it.
    std::string_view id;
    double DrivenSetup::*member;
    /// The field shows member × displayScale (degrees for the angle).
    double displayScale;
    /// Bounds and step of the field, in displayed units.
    double minimum;
    double maximum;
    double step;
    int decimals;
    /// What follows the number in the field, its space included.
    std::string_view unit;
    /// French, in kDrivenWindowContext: the title left of the field.
    const char* title;
};

inline constexpr std::size_t kDrivenParameterCount = 6;

inline constexpr std::array<DrivenParameterEntry, kDrivenParameterCount> kDrivenParameters{{
    {"teta0", &DrivenSetup::teta0, 180 / 3.14159265358979323846, -180, 180, 1, 1, " °",
     KESTROVA_TRANSLATABLE("kestrova::frmPenduleForce", "Angle initial θ₀ :")},
    {"omega0", &DrivenSetup::omega0, 1, -10, 10, 0.1, 2, " rad/s",
     KESTROVA_TRANSLATABLE("kestrova::frmPenduleForce", "Vitesse initiale θ'₀ :")},
    {"pulsation", &DrivenSetup::pulsation, 1, 0.1, 10, 0.05, 3, " rad/s",
     KESTROVA_TRANSLATABLE("kestrova::frmPenduleForce", "Pulsation propre ω₀ :")},
    {"lambda", &DrivenSetup::lambda, 1, 0, 5, 0.01, 3, " s⁻¹",
     KESTROVA_TRANSLATABLE("kestrova::frmPenduleForce", "Amortissement λ :")},
    {"gamma", &DrivenSetup::gamma, 1, 0, 3, 0.01, 3, "",
     KESTROVA_TRANSLATABLE("kestrova::frmPenduleForce", "Force de l'excitation γ :")},
    {"drive", &DrivenSetup::drivePulsation, 1, 0.05, 10, 0.01, 4, " rad/s",
     KESTROVA_TRANSLATABLE("kestrova::frmPenduleForce", "Pulsation de l'excitation Ω :")},
}};

/// The entry named `id`, or null.
[[nodiscard]] const DrivenParameterEntry* FindDrivenParameter(std::string_view id);

/// Whether every value lies within its field's bounds (the displayed value,
/// so that a file cannot hold a setup the window could not show).
[[nodiscard]] bool WithinBounds(const DrivenSetup& setup);

/// The classic routes, from rest with ω₀ = 1 and Ω = 2/3: one point on the
/// section, two, then a strange attractor (whose damping is halved: with
/// λ = 0,25 the chaotic sections stay thin).
struct DrivenPreset {
    const char* title; ///< French, in kDrivenWindowContext
    DrivenSetup setup;
};

inline constexpr std::array<DrivenPreset, 3> kDrivenPresets{{
    {KESTROVA_TRANSLATABLE("kestrova::frmPenduleForce", "Périodique (γ = 0,9)"),
     {0, 0, 1, 0.25, 0.9, 2.0 / 3}},
    {KESTROVA_TRANSLATABLE("kestrova::frmPenduleForce", "Doublement de période (γ = 1,07)"),
     {0, 0, 1, 0.25, 1.07, 2.0 / 3}},
    {KESTROVA_TRANSLATABLE("kestrova::frmPenduleForce", "Chaotique (γ = 1,5 ; λ = 0,125)"),
     {0, 0, 1, 0.125, 1.5, 2.0 / 3}},
}};

} // namespace kestrova
