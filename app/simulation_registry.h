#pragma once

/// \file
/// The simulations the frame offers, in the order of its "Simulation" menu.
/// The menu, the window switch, the pace of the animations and the file
/// menu all go through this list: another simulation is another row.

#include "clock/high_resolution_clock.h"

#include <QKeySequence>

#include <span>

class QWidget;

namespace kestrova {

class Simulation;

/// A freshly loaded simulation window, seen both ways.
struct SimulationWindow {
    QWidget* Widget = nullptr;
    Simulation* Behaviour = nullptr;
};

struct SimulationEntry {
    /// The menu item, French and marked for translation in the frame's context.
    const char* Title;
    QKeyCombination Shortcut;
    /// Loads a new window on the program's clock; the caller owns it.
    SimulationWindow (*Create)(HighResolutionClock& clock);
    /// Closing this window by hand ends the program (a switch does not).
    bool ClosingEndsProgram;
};

/// Every simulation, the row's position being its number for `ShowSimulation`.
[[nodiscard]] std::span<const SimulationEntry> Simulations();

} // namespace kestrova
