#pragma once

/// \file
/// The object names of the damped-pendulum window's titled values, which
/// the layout gives and the screen-reader texts find: the row of each
/// parameter, and the derived quantities with their French titles.

#include "model/damped_parameters.h"

#include <QtGlobal>

#include <array>

namespace kestrova {

/// One parameter's slider, the title left of it and its value caption.
struct ParameterControlNames {
    const char* slider;
    const char* title;
    const char* caption;
};

/// Entry i names the controls of kDampedParameters[i].
inline constexpr std::array<ParameterControlNames, kDampedParameterCount> kParameterControls{{
    {"sldTeta0", "Label3", "lblteta0"},
    {"sldOmega0", "Label1", "lblOmega0"},
    {"sldPulsation", "Label2", "lblPulsation"},
    {"sldLambda", "Label4", "lblLambda"},
}};

/// A derived quantity's title label, its text (French, in the window's
/// context) and its value caption.
struct DerivedCaptionNames {
    const char* title;
    const char* titleText;
    const char* caption;
};

/// Relaxation time, pseudo-period, quality factor: the order of the layout.
inline constexpr std::array<DerivedCaptionNames, 3> kDerivedCaptions{{
    {"Label5", QT_TRANSLATE_NOOP("kestrova::frmPenduleAmorti", "Durée de relaxation :"),
     "lblRelax"},
    {"Label7", QT_TRANSLATE_NOOP("kestrova::frmPenduleAmorti", "Pseudo-période :"), "lblPseudo"},
    {"Label6", QT_TRANSLATE_NOOP("kestrova::frmPenduleAmorti", "Q : facteur de qualité : "),
     "lblQualite"},
}};

} // namespace kestrova
