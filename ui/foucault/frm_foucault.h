#pragma once

/// \file
/// The Foucault-pendulum window: a side view of the swinging string and bob
/// and, seen from above, the trail of the bob's last positions on which the
/// slow turning of the swing plane shows.

#include "clock/high_resolution_clock.h"

#include <QWidget>

namespace kestrova {

class frmFoucault : public QWidget {
    Q_OBJECT

public:
    /// Builds the window and runs its load step. The clock is the program's
    /// shared one; it must outlive the window.
    explicit frmFoucault(HighResolutionClock& clock, QWidget* parent = nullptr);
    ~frmFoucault() override;

private:
    void Form_Load();

    HighResolutionClock& clock_;
};

} // namespace kestrova
