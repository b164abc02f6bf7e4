#include "app/view_menu.h"

#include "app/user_settings.h"

#include "ui/common/simulation.h"
#include "ui/common/translatable.h"
#include "ui/common/window_zoom.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDockWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <memory>

namespace kestrova {

namespace {

constexpr char kZoomKey[] = "view/zoom";
constexpr char kHighContrastKey[] = "view/highContrast";
constexpr char kFittedName[] = "fit";
constexpr int kWheelNotch = 120; // eighths of a degree: one step of a mouse wheel
// px: the frame's own caption, which the screen's free area still holds.
constexpr int kFrameCaptionGuess = 32;

int Percent(double zoom)
{
    return static_cast<int>(std::lround(zoom * 100));
}

/// The sub-window's simulation, or null.
Simulation* SimulationIn(const QMdiSubWindow& subWindow)
{
    return dynamic_cast<Simulation*>(subWindow.widget());
}

} // namespace

ViewMenu::ViewMenu(QMainWindow& frame, QMdiArea& area)
    : QMenu(&frame)
    , frame_(frame)
    , area_(area)
{
    // Alt+A is the damped window's start button.
    SetTranslatable(this, "title", QT_TR_NOOP("Affic&hage"));
    CreateZoomItems();
    CreateOtherItems();
    area_.installEventFilter(this);
    qApp->installEventFilter(this);
}

void ViewMenu::CreateZoomItems()
{
    zooms_ = new QActionGroup(this);
    for (double zoom : kZoomSteps) {
        QAction* action = addAction(QStringLiteral("%1 %").arg(Percent(zoom)));
        action->setCheckable(true);
        action->setChecked(zoom == 1.0);
        action->setData(zoom);
        zooms_->addAction(action);
    }
    fit_ = addAction(QString());
    SetTranslatable(fit_, "text", QT_TR_NOOP("Ajuster à la &fenêtre"));
    fit_->setCheckable(true);
    zooms_->addAction(fit_);
    connect(zooms_, &QActionGroup::triggered, this, [this](QAction* action) {
        ViewChoice choice = choice_;
        choice.fitted = action == fit_;
        if (!choice.fitted)
            choice.zoom = action->data().toDouble();
        Choose(choice);
    });
    addSeparator();
    zoomIn_ = addAction(QString());
    SetTranslatable(zoomIn_, "text", QT_TR_NOOP("Zoom a&vant"));
    zoomIn_->setShortcuts(
        {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(zoomIn_, &QAction::triggered, this, [this] { StepZoom(1); });
    zoomOut_ = addAction(QString());
    SetTranslatable(zoomOut_, "text", QT_TR_NOOP("Zoom a&rrière"));
    zoomOut_->setShortcut(QKeySequence(QKeySequence::ZoomOut));
    connect(zoomOut_, &QAction::triggered, this, [this] { StepZoom(-1); });
}

void ViewMenu::CreateOtherItems()
{
    addSeparator();
    fullScreen_ = addAction(QString());
    SetTranslatable(fullScreen_, "text", QT_TR_NOOP("&Plein écran"));
    fullScreen_->setCheckable(true);
    fullScreen_->setShortcut(QKeySequence(Qt::Key_F11));
    connect(fullScreen_, &QAction::toggled, this, &ViewMenu::ToggleFullScreen);
    highContrast_ = addAction(QString());
    SetTranslatable(highContrast_, "text", QT_TR_NOOP("&Contraste élevé"));
    SetTranslatable(
        highContrast_, "statusTip",
        QT_TR_NOOP("Noir sur blanc, traits épais et grille marquée, pour un projecteur"));
    highContrast_->setCheckable(true);
    connect(highContrast_, &QAction::triggered, this, [this](bool high) {
        ViewChoice choice = choice_;
        choice.highContrast = high;
        Choose(choice);
    });
}

QAction* ViewMenu::ZoomAction(double zoom) const
{
    for (QAction* action : zooms_->actions()) {
        if (action != fit_ && action->data().toDouble() == zoom)
            return action;
    }
    return nullptr;
}

void ViewMenu::Choose(const ViewChoice& choice)
{
    Apply(choice);
    auto settings = UserSettings();
    settings->setValue(kZoomKey,
                       choice.fitted ? QString::fromLatin1(kFittedName)
                                     : QString::number(Percent(choice.zoom)));
    settings->setValue(kHighContrastKey, choice.highContrast);
    emit ChoiceChanged();
}

void ViewMenu::RestoreSaved(const QSize& available)
{
    auto settings = UserSettings();
    ViewChoice saved;
    const QString zoom = settings->value(kZoomKey).toString();
    saved.fitted = zoom == QLatin1String(kFittedName);
    const int percent = zoom.toInt();
    for (double step : kZoomSteps) {
        if (Percent(step) == percent)
            saved.zoom = step;
    }
    saved.highContrast = settings->value(kHighContrastKey).toBool();
    // The frame's menu bar above the windows.
    const int menuBar =
        frame_.menuWidget() != nullptr ? frame_.menuWidget()->sizeHint().height() : 0;
    startRoom_ = available - QSize(0, menuBar + kFrameCaptionGuess);
    Apply(saved);
    for (const QMdiSubWindow* subWindow : SimulationWindows()) {
        const QSize needed = subWindow->size() + QSize(0, menuBar);
        if (needed.width() > available.width() || needed.height() > available.height()) {
            saved.fitted = true;
            Apply(saved);
        }
    }
}

void ViewMenu::Apply(const ViewChoice& choice)
{
    choice_ = choice;
    if (QAction* checked = choice.fitted ? fit_ : ZoomAction(choice.zoom))
        checked->setChecked(true);
    highContrast_->setChecked(choice.highContrast);
    ShowWindows();
}

void ViewMenu::WindowOpened(QMdiSubWindow& subWindow)
{
    ShowWindow(subWindow);
}

double ViewMenu::ZoomOf(const QMdiSubWindow& subWindow)
{
    return subWindow.widget() != nullptr ? WindowZoom(*subWindow.widget()) : 1.0;
}

QList<QMdiSubWindow*> ViewMenu::SimulationWindows() const
{
    QList<QMdiSubWindow*> windows = area_.subWindowList();
    windows.removeIf([](const QMdiSubWindow* w) { return SimulationIn(*w) == nullptr; });
    return windows;
}

void ViewMenu::ShowWindows()
{
    for (QMdiSubWindow* subWindow : area_.subWindowList())
        ShowWindow(*subWindow);
}

void ViewMenu::ShowWindow(QMdiSubWindow& subWindow)
{
    Simulation* simulation = SimulationIn(subWindow);
    if (simulation == nullptr)
        return;
    showing_ = true;
    simulation->SetHighContrast(choice_.highContrast);
    const double zoom = choice_.fitted ? FittingZoomFor(subWindow) : choice_.zoom;
    simulation->SetZoom(zoom);
    subWindow.resize(subWindow.widget()->size().grownBy(subWindow.contentsMargins()));
    if (choice_.fitted)
        subWindow.move(0, 0);
    // A window that grew while shown is painted whole: what it uncovered
    // would otherwise keep the area's background.
    // After the sub-window's own layout has taken the new size.
    QTimer::singleShot(0, &subWindow, [window = &subWindow] {
        for (QWidget* widget : window->findChildren<QWidget*>())
            widget->update();
        window->update();
    });
    showing_ = false;
}

double ViewMenu::FittingZoomFor(const QMdiSubWindow& subWindow) const
{
    // A frame not shown yet has no room to measure: the screen's is
    // guessed, and the frame's first layout fits the windows again.
    const QSize area = area_.isVisible() ? area_.size() : startRoom_;
    const QSize room = area.shrunkBy(subWindow.contentsMargins());
    return FittingZoom(BuiltSize(*subWindow.widget()), room);
}

void ViewMenu::MakeRoom()
{
    // Only when a docked panel took the room: a frame the user made smaller
    // scrolls, as it always has.
    const QList<QDockWidget*> docks = frame_.findChildren<QDockWidget*>();
    const bool docked = std::any_of(docks.begin(), docks.end(), [](const QDockWidget* dock) {
        return dock->isVisible() && !dock->isFloating();
    });
    if (!docked)
        return;
    for (const QMdiSubWindow* subWindow : SimulationWindows()) {
        const QSize size = subWindow->size();
        if (size.width() > area_.width() || size.height() > area_.height()) {
            ViewChoice fitted = choice_;
            fitted.fitted = true;
            Apply(fitted); // for this run only: the panel's room, not the user's choice
            return;
        }
    }
}

void ViewMenu::StepZoom(int steps)
{
    const QList<QMdiSubWindow*> windows = SimulationWindows();
    const double now =
        choice_.fitted && !windows.isEmpty() ? ZoomOf(*windows.front()) : choice_.zoom;
    ViewChoice choice = choice_;
    choice.fitted = false;
    choice.zoom = NextZoomStep(now, steps);
    Choose(choice);
}

void ViewMenu::ToggleFullScreen(bool full)
{
    if (full == frame_.isFullScreen())
        return;
    if (full) {
        wasMaximized_ = frame_.isMaximized();
        frame_.showFullScreen();
    } else if (wasMaximized_) {
        frame_.showMaximized();
    } else {
        frame_.showNormal();
    }
}

bool ViewMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &area_ && event->type() == QEvent::Resize && !showing_) {
        if (choice_.fitted)
            ShowWindows();
        else
            MakeRoom();
    }
    if (event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        if ((wheel->modifiers() & Qt::ControlModifier) && widget != nullptr
            && area_.isAncestorOf(widget)) {
            wheelAngle_ += wheel->angleDelta().y();
            if (std::abs(wheelAngle_) >= kWheelNotch) {
                StepZoom(wheelAngle_ > 0 ? 1 : -1);
                wheelAngle_ = 0;
            }
            return true;
        }
    }
    return QMenu::eventFilter(watched, event);
}

} // namespace kestrova
