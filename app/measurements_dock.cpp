#include "app/measurements_dock.h"

#include "ui/damped/frm_pendule_amorti.h"
#include "ui/damped/measurements_panel.h"

#include <QAction>
#include <QCloseEvent>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

#include <algorithm>

namespace kestrova {

MeasurementsDock::MeasurementsDock(QMainWindow& frame)
    : QDockWidget(tr("Mesures"), &frame)
    , frame_(frame)
    , panel_(new MeasurementsPanel)
{
    setObjectName(QStringLiteral("MeasurementsDock"));
    // Always on the right: moved or floating, it would cover the simulation.
    setFeatures(QDockWidget::DockWidgetClosable);
    setAllowedAreas(Qt::RightDockWidgetArea);
    // Shown and hidden through the menu only, which makes room for it; not
    // from the frame's context menu.
    toggleViewAction()->setVisible(false);
    // A screen too short for the panel scrolls it rather than stretching the frame.
    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(panel_);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFixedWidth(panel_->width());
    setWidget(scroll);
    frame.addDockWidget(Qt::RightDockWidgetArea, this);
    hide();

    showAction_ = new QAction(tr("&Mesures"), this);
    showAction_->setCheckable(true);
    showAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    showAction_->setStatusTip(tr("Période, amortissement et énergie mesurés sur le mouvement"));
    showAction_->setEnabled(false);
    connect(showAction_, &QAction::toggled, this, &MeasurementsDock::Place);
}

void MeasurementsDock::Follow(frmPenduleAmorti* window)
{
    if (window_)
        disconnect(window_, nullptr, this, nullptr);
    window_ = window;
    panel_->Follow(window);
    // Closed, the window says so while it still exists; the frame deletes
    // it without closing only when the frame itself goes.
    if (window)
        connect(window, &frmPenduleAmorti::Unloaded, this, [this] { Follow(nullptr); });
    showAction_->setEnabled(window != nullptr);
    Place();
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
