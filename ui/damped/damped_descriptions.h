#pragma once

/// \file
/// What a screen reader says about the controls of the damped-pendulum
/// window, in the interface language like the rest of the window.

class QWidget;

namespace kestrova {

/// Gives the window's controls (found by object name) their accessible names
/// and descriptions, ties each slider to its value caption and title, each
/// derived quantity to its title, and sets the tab order. An accessible name
/// always contains the control's visible text.
void DescribeDampedControls(QWidget& window);

/// The accessible names and descriptions alone, in the current language.
void DescribeDampedTexts(QWidget& window);

} // namespace kestrova
