#include "app/measurements_dock.h"

#include "ui/common/translatable.h"
#include "ui/damped/frm_pendule_amorti.h"
#include "ui/damped/measurements_panel.h"
#include "ui/driven/driven_measurements_panel.h"
#include "ui/driven/frm_pendule_force.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace kestrova {

MeasurementsDock::MeasurementsDock(QMainWindow& frame)
    : QDockWidget(&frame)
    , frame_(frame)
    , panel_(new MeasurementsPanel)
    , drivenPanel_(new DrivenMeasurementsPanel)
{
    setObjectName(QStringLiteral("MeasurementsDock"));
    SetTranslatable(this, "windowTitle", QT_TR_NOOP("Mesures"));
    // Always on the right: moved or floating, it would cover the simulation.
    setFeatures(QDockWidget::DockWidgetClosable);
    setAllowedAreas(Qt::RightDockWidgetArea);
    // Shown and hidden through the menu only, which makes room for it; not
    // from the frame's context menu.
    toggleViewAction()->setVisible(false);
    // The title bar's own buttons, named in the interface language (only
    // the close button shows).
    for (QAbstractButton* button : findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly)) {
        const bool close = button->objectName() == QLatin1String("qt_dockwidget_closebutton");
        SetTranslatable(button, "accessibleName",
                        close ? QT_TR_NOOP("Fermer") : QT_TR_NOOP("Détacher"));
        SetTranslatable(button, "accessibleDescription",
                        close ? QT_TR_NOOP("Ferme le panneau des mesures")
                              : QT_TR_NOOP("Détache le panneau des mesures"));
    }
    // One panel at a time shows: that of the window followed.
    auto* panels = new QWidget;
    auto* column = new QVBoxLayout(panels);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(panel_);
    column->addWidget(drivenPanel_);
    drivenPanel_->hide();
    // A screen too short for the panel scrolls it rather than stretching the frame.
    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(panels);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFixedWidth(panel_->width());
    setWidget(scroll);
    frame.addDockWidget(Qt::RightDockWidgetArea, this);
    hide();

    showAction_ = new QAction(this);
    SetTranslatable(showAction_, "text", QT_TR_NOOP("&Mesures"));
    showAction_->setCheckable(true);
    showAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    SetTranslatable(showAction_, "statusTip",
                    QT_TR_NOOP("Période, amortissement et énergie mesurés sur le mouvement"));
    showAction_->setEnabled(false);
    connect(showAction_, &QAction::toggled, this, [this](bool checked) {
        // Unchecked because it no longer applies, it is still wanted.
        if (showAction_->isEnabled())
            wanted_ = checked;
        Place();
    });
}

void MeasurementsDock::Follow(frmPenduleAmorti* window)
{
    Forget();
    window_ = window;
    panel_->Follow(window != nullptr ? &window->Run() : nullptr);
    if (window) {
        connect(window, &frmPenduleAmorti::MeasurementsChanged, panel_,
                &MeasurementsPanel::Refresh);
        // Closed, the window says so while it still exists; the frame deletes
        // it without closing only when the frame itself goes, and then the
        // panel lets go of the run too.
        connect(window, &frmPenduleAmorti::Unloaded, this, [this] { Follow(nullptr); });
    }
    drivenPanel_->hide();
    panel_->show();
    Watch(window);
}

void MeasurementsDock::FollowDriven(frmPenduleForce* window)
{
    Forget();
    window_ = window;
    panel_->Follow(nullptr);
    drivenPanel_->Follow(window != nullptr ? &window->Run() : nullptr);
    if (window) {
        connect(window, &frmPenduleForce::RunMoved, drivenPanel_,
                &DrivenMeasurementsPanel::Refresh);
        connect(window, &frmPenduleForce::Unloaded, this, [this] { Follow(nullptr); });
        panel_->hide();
        drivenPanel_->show();
    }
    Watch(window);
}

void MeasurementsDock::Forget()
{
    if (window_) {
        disconnect(window_, nullptr, this, nullptr);
        disconnect(window_, nullptr, panel_, nullptr);
        disconnect(window_, nullptr, drivenPanel_, nullptr);
    }
    drivenPanel_->Follow(nullptr);
}

void MeasurementsDock::Watch(QWidget* window)
{
    if (window) {
        // By the time QObject says it is destroyed the window is only a
        // QObject: forget it without touching it as a window.
        // Its sub-window is half gone too, so nobody else may be told now:
        // the panels let go of the run quietly, and the menu item, whose
        // listeners look at the frame's windows, follows once it is over.
        connect(window, &QObject::destroyed, this, [this] {
            window_.clear();
            {
                const QSignalBlocker quiet(panel_);
                panel_->Follow(nullptr);
            }
            drivenPanel_->Follow(nullptr);
            QTimer::singleShot(0, this, [this] {
                if (window_.isNull())
                    Follow(nullptr);
            });
        });
    }
    // Disabled, the item shows no check mark; back, it shows the user's choice.
    showAction_->setEnabled(window != nullptr);
    showAction_->setChecked(window != nullptr && wanted_);
    Place();
}

void MeasurementsDock::SetWanted(bool wanted)
{
    wanted_ = wanted;
    if (showAction_->isEnabled())
        showAction_->setChecked(wanted);
}

void MeasurementsDock::closeEvent(QCloseEvent* event)
{
    event->ignore();
    showAction_->setChecked(false);
}

void MeasurementsDock::Place()
{
    const bool wanted = showAction_->isChecked() && window_;
    if (wanted != isHidden())
        return;
    const bool resizable = frame_.isVisible()
        && !(frame_.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
    if (wanted) {
        if (resizable) {
            const int separator =
                frame_.style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, &frame_);
            const int room =
                frame_.screen()->availableGeometry().right() - frame_.frameGeometry().right();
            grownBy_ = std::clamp(room, 0, sizeHint().width() + separator);
            frame_.resize(frame_.width() + grownBy_, frame_.height());
        }
        show();
    } else {
        hide();
        if (resizable)
            frame_.resize(frame_.width() - grownBy_, frame_.height());
        grownBy_ = 0;
    }
}

} // namespace kestrova
