#pragma once

/// \file
/// The damped-pendulum window: the equation, the pendulum figure, the sliders
/// of the initial conditions and of the oscillation parameters with the
/// derived quantities, and the two plots (angle against time, phase portrait)
/// traced in real time while the animation runs.

#include "clock/high_resolution_clock.h"

#include <QWidget>

namespace kestrova {

class frmPenduleAmorti : public QWidget {
    Q_OBJECT

public:
    /// Builds the window and runs its load sequence. The clock is the
    /// program's shared one; it must outlive the window.
    explicit frmPenduleAmorti(HighResolutionClock& clock, QWidget* parent = nullptr);
    ~frmPenduleAmorti() override;

signals:
    /// The window has been closed.
    void Unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    HighResolutionClock& clock_;
};

} // namespace kestrova
