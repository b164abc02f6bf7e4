#include "app/edit_menu.h"

#include "ui/common/translatable.h"
#include "ui/damped/frm_pendule_amorti.h"

#include <QAction>

namespace kestrova {

EditMenu::EditMenu(QWidget* frame, std::function<frmPenduleAmorti*()> damped)
    : QMenu(frame)
    , damped_(std::move(damped))
    , undo_(new QAction(this))
{
    // Alt+D is "Aide"'s.
    SetTranslatable(this, "title", QT_TR_NOOP("Éditi&on"));
    SetTranslatable(undo_, "text", QT_TR_NOOP("&Annuler"));
    undo_->setShortcut(QKeySequence::Undo);
    undo_->setEnabled(false);
    addAction(undo_);
    // The shortcut works over the whole frame, whichever child has the focus.
    frame->addAction(undo_);
    connect(undo_, &QAction::triggered, this, [this] {
        if (frmPenduleAmorti* window = damped_())
            window->Undo();
    });
}

void EditMenu::Follow(frmPenduleAmorti* window)
{
    connect(window, &frmPenduleAmorti::UndoChanged, this, &EditMenu::UpdateEnabled);
    UpdateEnabled();
}

void EditMenu::UpdateEnabled()
{
    const frmPenduleAmorti* window = damped_();
    undo_->setEnabled(window != nullptr && window->CanUndo());
}

} // namespace kestrova
