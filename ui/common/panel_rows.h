#pragma once

/// \file
/// The rows of a measurements panel: bold section titles and "title  value"
/// rows in a two-column grid, their French texts following the interface
/// language. The damped and the driven panels are laid out alike.

class QGridLayout;
class QLabel;
class QWidget;

namespace kestrova {

/// A bold label whose French text `source` follows the interface language.
QLabel* BoldLabel(QWidget* parent, const char* source);

/// A section's bold title across both columns of `grid`, set a little apart
/// from the rows above it.
QLabel* AddPanelSection(QWidget* parent, QGridLayout* grid, const char* title);

/// A row "title  value" at the bottom of `grid`; returns the value's label,
/// named `name`, which takes `lines` lines at least so that the panel does
/// not jump when a value appears beside the words that stood for it. The
/// tip, if any, shows on both labels.
QLabel* AddPanelRow(QWidget* parent, QGridLayout* grid, const char* name, const char* title,
                    const char* toolTip = nullptr, int lines = 1);

} // namespace kestrova
