#include "app/mdi_brunmalt.h"

#include "app/animation_menu.h"
#include "app/edit_menu.h"
#include "app/file_menu.h"
#include "app/graphs_menu.h"
#include "app/help_menu.h"
#include "app/kestrova_version.h"
#include "app/language_switch.h"
#include "app/lesson_session.h"
#include "app/measurement_session.h"
#include "app/measurements_dock.h"
#include "app/simulation_registry.h"
#include "app/speed_status.h"
#include "app/view_menu.h"
#include "plot/qt_colour.h"
#include "resources/resource_paths.h"
#include "ui/common/simulation.h"
#include "ui/common/translatable.h"
#include "ui/damped/frm_pendule_amorti.h"
#include "ui/damped/measurements_panel.h"
#include "ui/driven/frm_pendule_force.h"
#include "ui/foucault/frm_foucault.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <algorithm>

namespace kestrova {

QString FrameCaption(int major, int minor)
{
    return QStringLiteral("Kestrova - v.") + QString::number(major) + QLatin1Char('.')
        + QString::number(minor);
}

MDIBrunmalt::MDIBrunmalt(CounterSource& counterSource, QWidget* parent)
    : QMainWindow(parent)
    , quitApplication([] { QCoreApplication::exit(0); })
    , clock_(counterSource)
    , mdiArea_(new QMdiArea(this))
    , language_(new LanguageSwitch(this))
{
    mdiArea_->setBackground(ToQColor(kBackgroundColour));
    mdiArea_->setFrameShape(QFrame::NoFrame);
    SetTranslatable(mdiArea_, "accessibleName", QT_TR_NOOP("Fenêtres de simulation"));
    // A frame smaller than the simulation window scrolls rather than cropping it.
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);
    setWindowIcon(QIcon(QString::fromLatin1(kFrameIconPath)));

    CreateActions();
    CreateMenus();
    CreateAnimationMenu();
    viewMenu_ = new ViewMenu(*this, *mdiArea_);
    menuBar()->addMenu(viewMenu_);
    CreateEnergyCurvesAction();
    CreateMeasurementsDock();
    CreateGraphsMenu();
    CreateHelpMenu();
    CreateFileMenu();
    CreateEditMenu();
    lessons_ = new LessonSession(*this, *fileMenu_->Menu());
    measurementSession_ = new MeasurementSession(*this, *fileMenu_->Menu(),
                                                 *lessons_->ExamplesMenu(), *AnalysisMenu());
    lessons_->FollowMeasurement(*measurementSession_);
    graphsMenu_->FollowMeasurement(*measurementSession_);
    connect(lessons_, &LessonSession::TitleChanged, this, &MDIBrunmalt::ShowSpeedInCaption);
    RetranslateOnLanguageChange(*this, [this] { ShowSpeedInCaption(); });
    MDIForm_Load();
}

MDIBrunmalt::~MDIBrunmalt()
{
    // The simulation windows hold the clock by reference: they go before it,
    // closed ones still awaiting deletion included, without their closing
    // handling (the program is ending anyway).
    const QList<QMdiSubWindow*> subWindows = mdiArea_->findChildren<QMdiSubWindow*>();
    qDeleteAll(subWindows);
}

void MDIBrunmalt::CreateActions()
{
    const std::span<const SimulationEntry> simulations = Simulations();
    subWindows_.resize(simulations.size());
    for (std::size_t index = 0; index < simulations.size(); ++index) {
        auto* action = new QAction(this);
        SetTranslatable(action, "text", simulations[index].Title);
        action->setShortcut(QKeySequence(simulations[index].Shortcut));
        connect(action, &QAction::triggered, this,
                [this, index] { ShowSimulation(static_cast<std::int16_t>(index)); });
        simulationActions_.push_back(action);
    }

    quitAction_ = new QAction(this);
    SetTranslatable(quitAction_, "text", QT_TR_NOOP("&Quitter"));
    quitAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(quitAction_, &QAction::triggered, this, &MDIBrunmalt::QuitProgram);
}

void MDIBrunmalt::MDIForm_Load()
{
    // Written once, before any simulation window exists; the animations
    // only read it afterwards.
    clock_.ReadFrequency();
    setWindowTitle(FrameCaption(kVersionMajor, kVersionMinor));
    OpenSimulation(kDampedSimulation);
}

void MDIBrunmalt::ShowSimulation(std::int16_t index)
{
    for (QPointer<QMdiSubWindow>& subWindow : subWindows_)
        CloseChild(subWindow);
    if (index >= 0 && static_cast<std::size_t>(index) < subWindows_.size())
        OpenSimulation(static_cast<std::size_t>(index));
    fileMenu_->UpdateEnabled();
    editMenu_->UpdateEnabled();
}

void MDIBrunmalt::QuitProgram()
{
    // A lesson with unsaved changes asks first; cancelling keeps the program,
    // and the damped window closed by hand comes back as it was.
    if (!lessons_->MayDiscardChanges()) {
        QTimer::singleShot(0, this, [this] {
            const auto closed = [](const QPointer<QMdiSubWindow>& w) {
                return w.isNull() || w->isHidden();
            };
            if (std::all_of(subWindows_.begin(), subWindows_.end(), closed))
                lessons_->Apply(lessons_->Gather());
        });
        return;
    }
    quitApplication();
}

void MDIBrunmalt::OpenSimulation(std::size_t index)
{
    const SimulationEntry& entry = Simulations()[index];
    const SimulationWindow window = entry.Create(clock_);
    // The energy curves and the measurements of "Analyse" are the damped
    // pendulum's.
    auto* damped = qobject_cast<frmPenduleAmorti*>(window.Widget);
    if (damped != nullptr)
        damped->SetEnergyCurvesShown(energyCurvesWanted_);
    if (entry.ClosingEndsProgram) {
        window.Behaviour->WhenUnloaded([this] {
            if (!closingChildren_)
                QuitProgram();
        });
    }
    subWindows_[index] = AddChild(window.Widget);
    viewMenu_->WindowOpened(*subWindows_[index]);
    window.Behaviour->SetSlowMotion(animationMenu_->Speed());
    if (damped != nullptr) {
        measurementsDock_->Follow(damped);
        connect(damped, &frmPenduleAmorti::Unloaded, this,
                [this] { EnableDampedCommands(false, false); });
        // "Exporter les données" waits for a run: its state follows the run's.
        connect(damped, &frmPenduleAmorti::MeasurementsChanged, fileMenu_,
                &FileMenu::UpdateEnabled);
        editMenu_->Follow(damped);
        graphsMenu_->Follow(damped);
    }
    // "Mesures" and the graphs follow the driven pendulum too.
    auto* driven = qobject_cast<frmPenduleForce*>(window.Widget);
    if (driven != nullptr) {
        measurementsDock_->FollowDriven(driven);
        connect(driven, &frmPenduleForce::Unloaded, this,
                [this] { EnableDampedCommands(false, false); });
        connect(driven, &frmPenduleForce::RunMoved, fileMenu_, &FileMenu::UpdateEnabled);
        graphsMenu_->Follow(driven);
    }
    EnableDampedCommands(damped != nullptr, damped != nullptr || driven != nullptr);
    if (lessons_ != nullptr)
        lessons_->WindowOpened();
    fileMenu_->UpdateEnabled();
}

void MDIBrunmalt::SetEnergyCurvesWanted(bool wanted)
{
    energyCurvesWanted_ = wanted;
    if (energyCurvesAction_->isEnabled())
        energyCurvesAction_->setChecked(wanted);
}

void MDIBrunmalt::EnableDampedCommands(bool dampedOpen, bool stepsOpen)
{
    animationMenu_->NextStepAction()->setEnabled(stepsOpen);
    // Disabled, it shows no check mark; back, it shows the user's choice.
    energyCurvesAction_->setEnabled(dampedOpen);
    energyCurvesAction_->setChecked(dampedOpen && energyCurvesWanted_);
}

QMdiSubWindow* MDIBrunmalt::AddChild(QWidget* child)
{
    // The sub-window's title bar shows its own icon, not the child's.
    const QIcon icon = child->windowIcon();
    QMdiSubWindow* subWindow = mdiArea_->addSubWindow(child);
    if (!icon.isNull()) {
        subWindow->setWindowIcon(icon);
    }
    // A closed window is gone for good: the next switch loads a fresh one.
    subWindow->setAttribute(Qt::WA_DeleteOnClose);
    // The simulation windows have a fixed client size and no size hint of
    // their own; the sub-window takes that size plus its title bar and borders.
    const QMargins frame = subWindow->contentsMargins();
    subWindow->resize(child->size().grownBy(frame));
    subWindow->move(0, 0);
    subWindow->show();
    return subWindow;
}

void MDIBrunmalt::CloseChild(QPointer<QMdiSubWindow>& subWindow)
{
    if (subWindow.isNull()) {
        return;
    }
    closingChildren_ = true;
    const bool closed = subWindow->close();
    closingChildren_ = false;
    if (closed) {
        subWindow = nullptr;
    }
}

QWidget* MDIBrunmalt::SimulationWidget(std::size_t index) const
{
    const QPointer<QMdiSubWindow>& subWindow = subWindows_.at(index);
    return subWindow ? subWindow->widget() : nullptr;
}

std::vector<Simulation*> MDIBrunmalt::OpenSimulations() const
{
    std::vector<Simulation*> open;
    for (std::size_t index = 0; index < subWindows_.size(); ++index) {
        if (auto* simulation = dynamic_cast<Simulation*>(SimulationWidget(index)))
            open.push_back(simulation);
    }
    return open;
}

frmPenduleAmorti* MDIBrunmalt::DampedWindow() const
{
    return qobject_cast<frmPenduleAmorti*>(SimulationWidget(kDampedSimulation));
}

frmFoucault* MDIBrunmalt::FoucaultWindow() const
{
    return qobject_cast<frmFoucault*>(SimulationWidget(kFoucaultSimulation));
}

QSize MDIBrunmalt::PreferredSize() const
{
    QSize client(0, 0);
    for (const QMdiSubWindow* subWindow : mdiArea_->subWindowList()) {
        const QRect area = subWindow->geometry();
        client = client.expandedTo(QSize(area.right() + 1, area.bottom() + 1));
    }
    return client + QSize(0, menuBar()->sizeHint().height());
}

void MDIBrunmalt::ShowOnScreen(const QRect& available)
{
    const QSize preferred = PreferredSize();
    if (preferred.width() <= available.width() && preferred.height() <= available.height()) {
        resize(preferred);
        move(available.topLeft());
        show();
    } else {
        showMaximized();
    }
}

void MDIBrunmalt::closeEvent(QCloseEvent* event)
{
    if (!lessons_->MayDiscardChanges()) {
        event->ignore();
        return;
    }
    closingChildren_ = true;
    mdiArea_->closeAllSubWindows();
    closingChildren_ = false;
    event->accept();
    quitApplication();
}

} // namespace kestrova
