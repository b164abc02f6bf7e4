#pragma once

/// \file
/// The frame's "Animation" menu: the pace of every simulation, normal or
/// slowed down (one checked at a time), and the single step of the damped
/// pendulum.

#include <QMenu>
#include <QString>

class QAction;
class QActionGroup;

namespace kestrova {

class AnimationMenu : public QMenu {
    Q_OBJECT

public:
    explicit AnimationMenu(QWidget* frame);

    /// Simulated seconds per real second of the checked item.
    [[nodiscard]] double Speed() const;
    /// Checks the item of `speed`, as choosing it does; nothing for a speed
    /// the menu does not offer.
    void SetSpeed(double speed);
    /// The checked slow motion in words ("Ralenti ×1/4"), empty at normal speed.
    [[nodiscard]] QString SlowMotionName() const;

    [[nodiscard]] QAction* NextStepAction() const { return nextStep_; }

signals:
    /// Another speed was checked.
    void SpeedChanged(double speed);
    /// "Pas suivant" was chosen.
    void NextStepAsked();

private:
    QActionGroup* speeds_ = nullptr;
    QAction* nextStep_ = nullptr;
};

} // namespace kestrova
