#include "app/animation_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace kestrova {

AnimationMenu::AnimationMenu(QMenuBar& menuBar, QObject* parent)
    : QObject(parent)
{
    // Alt+A already starts the damped animation: the menu takes Alt+N.
    menu_ = menuBar.addMenu(tr("A&nimation"));
    speeds_ = new QActionGroup(this);
    struct Pace {
        QString text;
        double speed;
        QKeySequence shortcut;
    };
    const Pace paces[] = {
        {tr("Vitesse &normale"), 1.0, QKeySequence(Qt::CTRL | Qt::Key_0)},
        {tr("Ralenti ×1/&2"), 0.5, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_2)},
        {tr("Ralenti ×1/&4"), 0.25, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_4)},
        {tr("Ralenti ×1/&8"), 0.125, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_8)},
    };
    for (const Pace& pace : paces) {
        QAction* action = menu_->addAction(pace.text);
        action->setCheckable(true);
        action->setData(pace.speed);
        action->setShortcut(pace.shortcut);
        speeds_->addAction(action);
    }
    speeds_->actions().constFirst()->setChecked(true);
    connect(speeds_, &QActionGroup::triggered, this, [this] { emit SpeedChanged(Speed()); });

    menu_->addSeparator();
    nextStep_ = menu_->addAction(tr("&Pas suivant"));
    nextStep_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Period));
    connect(nextStep_, &QAction::triggered, this, &AnimationMenu::NextStepAsked);
}

double AnimationMenu::Speed() const
{
    return speeds_->checkedAction()->data().toDouble();
}

QString AnimationMenu::SlowMotionName() const
{
    const QAction* checked = speeds_->checkedAction();
    return checked->data().toDouble() == 1.0 ? QString() : checked->text().remove(QLatin1Char('&'));
}

} // namespace kestrova
