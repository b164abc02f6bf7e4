#pragma once

/// \file
/// The four parameters the damped-pendulum window sets with its sliders,
/// each described once: the window's layout, its reset, its captions, what a
/// screen reader says of it and the printouts all read this table, and so
/// can a file that stores a setup.

#include "model/translatable_text.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace kestrova {

/// Slider range (inclusive), in the slider's own integer steps.
struct SliderRange {
    int minimum;
    int maximum;
};

enum class DampedParameter { Teta0, Omega0, Pulsation, Lambda };

/// Translation contexts of the texts below: the window's own labels, and
/// what the window tells screen readers.
inline constexpr char kDampedWindowContext[] = "kestrova::frmPenduleAmorti";
inline constexpr char kDescriptionsContext[] = "Descriptions";

struct DampedParameterEntry {
    DampedParameter parameter;
    /// Stable ASCII name, as a stored setup writes it.
    std::string_view id;
    SliderRange range;
    int defaultPosition;
    /// Slider steps in one unit of the value shown: the value is position / stepsPerUnit.
    int stepsPerUnit;
    /// Decimals of the value caption.
    int decimals;
    /// What follows the number in the value caption, its space included.
    std::string_view captionUnit;
    /// French, in kDampedWindowContext: the title left of the slider.
    const char* title;
    /// French, in kDescriptionsContext: the slider's accessible name and
    /// description, and the description of its value caption.
    const char* accessibleName;
    const char* accessibleDescription;
    const char* captionDescription;
};

inline constexpr std::size_t kDampedParameterCount = 4;

/// In the order of the window, top to bottom; entry i describes the
/// parameter whose enumerator is i.
inline constexpr std::array<DampedParameterEntry, kDampedParameterCount> kDampedParameters{{
    {DampedParameter::Teta0,
     "teta0",
     {0, 180},
     45,
     1,
     0,
     "°",
     KESTROVA_TRANSLATABLE("kestrova::frmPenduleAmorti", "Angle initial : "),
     KESTROVA_TRANSLATABLE("Descriptions", "Angle initial, en degrés"),
     KESTROVA_TRANSLATABLE("Descriptions", "De 0 à 180 degrés"),
     KESTROVA_TRANSLATABLE("Descriptions", "Valeur de l'angle initial")},
    {DampedParameter::Omega0,
     "omega0",
     {-10, 10},
     0,
     1,
     0,
     " rad/s",
     KESTROVA_TRANSLATABLE("kestrova::frmPenduleAmorti", "Vitesse initiale : "),
     KESTROVA_TRANSLATABLE("Descriptions", "Vitesse initiale, en radians par seconde"),
     KESTROVA_TRANSLATABLE("Descriptions", "De -10 à 10 radians par seconde"),
     KESTROVA_TRANSLATABLE("Descriptions", "Valeur de la vitesse initiale")},
    {DampedParameter::Pulsation,
     "pulsation",
     {1, 200},
     40,
     10,
     1,
     " rad/s",
     KESTROVA_TRANSLATABLE("kestrova::frmPenduleAmorti", "Pulsation propre :"),
     KESTROVA_TRANSLATABLE("Descriptions", "Pulsation propre, en radians par seconde"),
     KESTROVA_TRANSLATABLE("Descriptions", "De 0,1 à 20 radians par seconde"),
     KESTROVA_TRANSLATABLE("Descriptions", "Valeur de la pulsation propre")},
    {DampedParameter::Lambda,
     "lambda",
     {0, 500},
     22,
     100,
     2,
     "",
     KESTROVA_TRANSLATABLE("kestrova::frmPenduleAmorti", "Coefficient d'amortissement :"),
     KESTROVA_TRANSLATABLE("Descriptions", "Coefficient d'amortissement, par seconde"),
     KESTROVA_TRANSLATABLE("Descriptions", "De 0 à 5 par seconde"),
     KESTROVA_TRANSLATABLE("Descriptions", "Valeur du coefficient d'amortissement, par seconde")},
}};

[[nodiscard]] constexpr const DampedParameterEntry& DampedParameterOf(DampedParameter parameter)
{
    return kDampedParameters[static_cast<std::size_t>(parameter)];
}

/// The entry named `id`, or null when no parameter has that name.
[[nodiscard]] const DampedParameterEntry* FindDampedParameter(std::string_view id);

[[nodiscard]] constexpr bool InRange(const DampedParameterEntry& entry, int position)
{
    return position >= entry.range.minimum && position <= entry.range.maximum;
}

/// The value a slider position stands for, in the caption's unit.
[[nodiscard]] constexpr double ValueAt(const DampedParameterEntry& entry, int position)
{
    return position / static_cast<double>(entry.stepsPerUnit);
}

/// The value caption: `value` with the entry's decimals and unit ("4,0 rad/s").
[[nodiscard]] std::string ValueCaption(const DampedParameterEntry& entry, double value,
                                       std::string_view decimalSeparator);

} // namespace kestrova
