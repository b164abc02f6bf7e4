#pragma once

/// \file
/// The "Mesures" panel docked on the right of the frame. It is there while
/// the damped-pendulum window is open and the user asked for it; the choice
/// lasts for the run of the program. Showing it widens the frame by its
/// width as far as the screen allows, so that the simulation window keeps
/// its whole size; hiding it gives that width back.

#include <QDockWidget>
#include <QPointer>

class QAction;
class QMainWindow;

namespace kestrova {

class MeasurementsPanel;
class frmPenduleAmorti;

class MeasurementsDock : public QDockWidget {
    Q_OBJECT

public:
    explicit MeasurementsDock(QMainWindow& frame);

    /// "Mesures" (Ctrl+M): checked while the user wants the panel and a
    /// damped window is open, disabled and unchecked while none is.
    [[nodiscard]] QAction* ShowAction() const { return showAction_; }
    /// Whether the user wants the panel, kept while the item is disabled;
    /// setting it checks the item where it applies.
    [[nodiscard]] bool Wanted() const { return wanted_; }
    void SetWanted(bool wanted);
    [[nodiscard]] MeasurementsPanel& Panel() const { return *panel_; }

    /// Measures `window` from now on; null when no damped window is open.
    void Follow(frmPenduleAmorti* window);

protected:
    /// The dock's own close button does what unchecking the menu item does.
    void closeEvent(QCloseEvent* event) override;

private:
    void Place();

    QMainWindow& frame_;
    MeasurementsPanel* panel_ = nullptr;
    QAction* showAction_ = nullptr;
    QPointer<frmPenduleAmorti> window_;
    bool wanted_ = false; ///< the user's choice, kept while the item is disabled
    int grownBy_ = 0;     ///< px the frame was widened by when the dock was shown
};

} // namespace kestrova
