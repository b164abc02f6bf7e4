#pragma once

/// \file
/// What assistive technologies (screen readers, magnifiers, switch access)
/// need from the program's controls beyond Qt's own interfaces: picture boxes
/// read as graphics, a slider reads its value in the unit of its quantity, as
/// the caption beside it shows it, and a LinkLabel reads as a link that the
/// press action follows.

#include <QString>

class QLabel;
class QSlider;

namespace kestrova {

/// A caption as it reads on screen: without the '&' that marks the mnemonic
/// letter ("Lancer l'&animation" reads "Lancer l'animation"; "&&" is one '&').
[[nodiscard]] QString WithoutMnemonic(const QString& caption);

/// Registers the program's accessibility interfaces with Qt, once per
/// process. A window calls it before creating its controls.
void InstallAccessibleControls();

/// Ties `slider` to the caption that shows its value. The caption becomes a
/// label of the slider (its buddy); an assistive technology reads the slider's
/// value as position / `stepsPerUnit`, the number the caption shows (40 steps
/// of a tenth: 4.0), with the caption's text ("4,0 rad/s") as the value text.
/// A value set through the assistive technology moves the slider as the user
/// does: its actionTriggered signal comes first, then the value change.
void TieSliderToCaption(QSlider& slider, QLabel& caption, int stepsPerUnit);

/// The value of a slider in its quantity's unit: position / stepsPerUnit for
/// a slider tied by `TieSliderToCaption`, the plain position otherwise.
[[nodiscard]] double SliderQuantity(const QSlider& slider);

} // namespace kestrova
