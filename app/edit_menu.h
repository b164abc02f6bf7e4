#pragma once

/// \file
/// The frame's "Édition" menu: "Annuler" (Ctrl+Z) brings back the damped
/// window's setup before the user's last change, with its run.

#include <QMenu>

#include <functional>

class QAction;

namespace kestrova {

class frmPenduleAmorti;

class EditMenu : public QMenu {
    Q_OBJECT

public:
    /// `damped` gives the open damped window, or null, at each use.
    EditMenu(QWidget* frame, std::function<frmPenduleAmorti*()> damped);

    /// Enabled while the open damped window has a change to undo.
    [[nodiscard]] QAction* UndoAction() const { return undo_; }

    /// Follows `window`'s changes from now on.
    void Follow(frmPenduleAmorti* window);
    /// Enables "Annuler" as the open window allows.
    void UpdateEnabled();

private:
    std::function<frmPenduleAmorti*()> damped_;
    QAction* undo_ = nullptr;
};

} // namespace kestrova
