#pragma once

/// \file
/// The "Mesures" panel docked on the right of the frame. It is there while
/// the damped or the driven pendulum's window is open and the user asked for
/// it, and shows that window's measurements; the choice
/// lasts for the run of the program. Showing it widens the frame by its
/// width as far as the screen allows, so that the simulation window keeps
/// its whole size; hiding it gives that width back.

#include <QDockWidget>
#include <QPointer>

class QAction;
class QMainWindow;

namespace kestrova {

class DrivenMeasurementsPanel;
class MeasurementsPanel;
class frmPenduleAmorti;
class frmPenduleForce;

class MeasurementsDock : public QDockWidget {
    Q_OBJECT

public:
    explicit MeasurementsDock(QMainWindow& frame);

    /// "Mesures" (Ctrl+M): checked while the user wants the panel and a
    /// damped or driven window is open, disabled and unchecked while none is.
    [[nodiscard]] QAction* ShowAction() const { return showAction_; }
    /// Whether the user wants the panel, kept while the item is disabled;
    /// setting it checks the item where it applies.
    [[nodiscard]] bool Wanted() const { return wanted_; }
    void SetWanted(bool wanted);
    [[nodiscard]] MeasurementsPanel& Panel() const { return *panel_; }
    /// The driven pendulum's panel, shown in place of the damped one.
    [[nodiscard]] DrivenMeasurementsPanel& DrivenPanel() const { return *drivenPanel_; }

    /// Measures `window` from now on; null when no damped window is open.
    void Follow(frmPenduleAmorti* window);
    /// Measures the driven `window` from now on; null: none.
    void FollowDriven(frmPenduleForce* window);

protected:
    /// The dock's own close button does what unchecking the menu item does.
    void closeEvent(QCloseEvent* event) override;

private:
    /// Lets go of the followed window, whichever it is.
    void Forget();
    /// Forgets `window` when it closes or goes, then enables the item and
    /// places the dock for the window now followed.
    void Watch(QWidget* window);
    void Place();

    QMainWindow& frame_;
    MeasurementsPanel* panel_ = nullptr;
    DrivenMeasurementsPanel* drivenPanel_ = nullptr;
    QAction* showAction_ = nullptr;
    QPointer<QWidget> window_; ///< the damped or driven window followed
    bool wanted_ = false;      ///< the user's choice, kept while the item is disabled
    int grownBy_ = 0;          ///< px the frame was widened by when the dock was shown
};

} // namespace kestrova
