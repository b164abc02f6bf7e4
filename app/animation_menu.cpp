#include "app/animation_menu.h"

#include "ui/common/translatable.h"

#include <QAction>
#include <QActionGroup>

namespace kestrova {

AnimationMenu::AnimationMenu(QWidget* frame)
    : QMenu(frame)
{
    // Alt+A already starts the damped animation, Alt+N opens "Analyse".
    SetTranslatable(this, "title", QT_TR_NOOP("Ani&mation"));
    speeds_ = new QActionGroup(this);
    struct Pace {
        const char* text;
        double speed;
        QKeySequence shortcut;
    };
    const Pace paces[] = {
        {QT_TR_NOOP("Vitesse &normale"), 1.0, QKeySequence(Qt::CTRL | Qt::Key_0)},
        {QT_TR_NOOP("Ralenti ×1/&2"), 0.5, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_2)},
        {QT_TR_NOOP("Ralenti ×1/&4"), 0.25, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_4)},
        {QT_TR_NOOP("Ralenti ×1/&8"), 0.125, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_8)},
    };
    for (const Pace& pace : paces) {
        QAction* action = addAction(QString());
        SetTranslatable(action, "text", pace.text);
        action->setCheckable(true);
        action->setData(pace.speed);
        action->setShortcut(pace.shortcut);
        speeds_->addAction(action);
    }
    speeds_->actions().constFirst()->setChecked(true);
    connect(speeds_, &QActionGroup::triggered, this, [this] { emit SpeedChanged(Speed()); });

    addSeparator();
    nextStep_ = addAction(QString());
    SetTranslatable(nextStep_, "text", QT_TR_NOOP("&Pas suivant"));
    nextStep_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Period));
    connect(nextStep_, &QAction::triggered, this, &AnimationMenu::NextStepAsked);
}

double AnimationMenu::Speed() const
{
    return speeds_->checkedAction()->data().toDouble();
}

void AnimationMenu::SetSpeed(double speed)
{
    for (QAction* action : speeds_->actions()) {
        if (action->data().toDouble() == speed && !action->isChecked()) {
            action->setChecked(true);
            emit SpeedChanged(speed);
        }
    }
}

QString AnimationMenu::SlowMotionName() const
{
    const QAction* checked = speeds_->checkedAction();
    return checked->data().toDouble() == 1.0 ? QString() : checked->text().remove(QLatin1Char('&'));
}

} // namespace kestrova
