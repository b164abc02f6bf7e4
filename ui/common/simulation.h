#pragma once

/// \file
/// What the frame asks of every simulation window, whichever it is: its
/// plots and captions for the file menu, the pace of its animation, the
/// single step, and word of its closing.

#include "plot/plot_picture.h"

#include <functional>
#include <optional>

namespace kestrova {

class Simulation : public PlotSource {
public:
    /// Simulated seconds per real second (1, 1/2, 1/4, 1/8); a running
    /// animation goes on from where it is.
    virtual void SetSlowMotion(double speed) = 0;
    /// "Pas suivant": a paused animation advances by one step, where the
    /// simulation has steps.
    virtual void NextStep() = 0;
    /// The simulated time (s) the window shows, where it counts one.
    [[nodiscard]] virtual std::optional<double> SimulatedSeconds() const { return std::nullopt; }
    /// `handler` runs each time the window has been closed.
    virtual void WhenUnloaded(std::function<void()> handler) = 0;
};

} // namespace kestrova
