// The frame's menus and docks, each made once when the frame is built.

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

void MDIBrunmalt::CreateMenus()
{
    QMenu* simulationMenu = menuBar()->addMenu(QString());
    SetTranslatable(simulationMenu, "title", QT_TR_NOOP("&Simulation"));
    for (QAction* action : simulationActions_)
        simulationMenu->addAction(action);
    simulationMenu->addSeparator();
    simulationMenu->addAction(quitAction_);
}

void MDIBrunmalt::CreateAnimationMenu()
{
    animationMenu_ = new AnimationMenu(this);
    menuBar()->addMenu(animationMenu_);
    speedStatus_ = new SpeedStatus(*this, [this]() -> std::optional<double> {
        const std::vector<Simulation*> open = OpenSimulations();
        return open.empty() ? std::nullopt : open.front()->SimulatedSeconds();
    });
    connect(animationMenu_, &AnimationMenu::SpeedChanged, this, &MDIBrunmalt::ApplySpeed);
    connect(animationMenu_, &AnimationMenu::NextStepAsked, this, [this] {
        for (Simulation* simulation : OpenSimulations())
            simulation->NextStep();
    });
}

void MDIBrunmalt::ApplySpeed()
{
    const double speed = animationMenu_->Speed();
    for (Simulation* simulation : OpenSimulations())
        simulation->SetSlowMotion(speed);
    ShowSpeedInCaption();
}

void MDIBrunmalt::ShowSpeedInCaption()
{
    // In the caption, and while slowed in a line inside the frame too,
    // which a projector or a full-screen window still shows.
    const QString slowMotion = animationMenu_->SlowMotionName();
    // The lesson's mark is written out rather than left to the window's
    // modified flag, which the closing of a sub-window clears.
    QString lesson = lessons_ != nullptr ? lessons_->CaptionName() : QString();
    if (!lesson.isEmpty())
        lesson += (lessons_->Modified() ? QStringLiteral("* — ") : QStringLiteral(" — "));
    setWindowTitle(lesson + FrameCaption(kVersionMajor, kVersionMinor)
                   + (slowMotion.isEmpty() ? QString() : QStringLiteral(" — ") + slowMotion));
    speedStatus_->Show(slowMotion);
}

void MDIBrunmalt::CreateFileMenu()
{
    fileMenu_ = new FileMenu(
        *this,
        [this]() -> const DampedRun* {
            const frmPenduleAmorti* damped = DampedWindow();
            return damped != nullptr ? &damped->Run() : nullptr;
        },
        [this]() -> PlotSource* {
            const std::vector<Simulation*> open = OpenSimulations();
            return open.empty() ? nullptr : open.front();
        });
    fileMenu_->SetDrivenRun([this]() -> const DrivenRun* {
        const auto* driven = qobject_cast<frmPenduleForce*>(SimulationWidget(kDrivenSimulation));
        return driven != nullptr ? &driven->Run() : nullptr;
    });
    const QList<QAction*> menus = menuBar()->actions();
    menuBar()->insertMenu(menus.isEmpty() ? nullptr : menus.first(), fileMenu_->Menu());
    // The period-amplitude plot leaves the program with the damped window's.
    fileMenu_->SetSidePlots([this] {
        QList<PlotPicture> plots;
        if (DampedWindow() != nullptr && measurementsDock_->isVisible())
            plots.append(measurementsDock_->Panel().PeriodPlot());
        return plots;
    });
}

void MDIBrunmalt::CreateEditMenu()
{
    editMenu_ = new EditMenu(this, [this] { return DampedWindow(); });
    // Second, after "Fichier", as desktop programs have it.
    menuBar()->insertMenu(menuBar()->actions().value(1), editMenu_);
}

QMenu* MDIBrunmalt::AnalysisMenu()
{
    if (analysisMenu_ == nullptr) {
        analysisMenu_ = menuBar()->addMenu(QString());
        SetTranslatable(analysisMenu_, "title", QT_TR_NOOP("A&nalyse"));
    }
    return analysisMenu_;
}

void MDIBrunmalt::CreateEnergyCurvesAction()
{
    energyCurvesAction_ = new QAction(this);
    SetTranslatable(energyCurvesAction_, "text", QT_TR_NOOP("&Courbes d'énergie"));
    energyCurvesAction_->setCheckable(true);
    energyCurvesAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    connect(energyCurvesAction_, &QAction::toggled, this, [this](bool shown) {
        // Unchecked because no damped window is open, the curves are still wanted.
        if (!energyCurvesAction_->isEnabled())
            return;
        energyCurvesWanted_ = shown;
        if (frmPenduleAmorti* window = DampedWindow())
            window->SetEnergyCurvesShown(shown);
    });
    AnalysisMenu()->addAction(energyCurvesAction_);
}

void MDIBrunmalt::CreateMeasurementsDock()
{
    measurementsDock_ = new MeasurementsDock(*this);
    AnalysisMenu()->addAction(measurementsDock_->ShowAction());
}

void MDIBrunmalt::CreateGraphsMenu()
{
    graphsMenu_ =
        new GraphsMenu(*this, *mdiArea_, keptRuns_, *AnalysisMenu(), *energyCurvesAction_);
    // "Effacer les lancers" is one action, in the menu and under the
    // period–amplitude plot: it forgets the kept runs and the earlier ones.
    MeasurementsPanel& panel = measurementsDock_->Panel();
    graphsMenu_->SetOtherRuns([&panel] { return panel.HasEarlierRuns(); },
                              [&panel] { panel.ClearEarlierRuns(); });
    connect(&panel, &MeasurementsPanel::EarlierRunsChanged, graphsMenu_,
            &GraphsMenu::UpdateEnabled);
    connect(&panel, &MeasurementsPanel::ClearRunsAsked, graphsMenu_, &GraphsMenu::ClearKeptRuns);
}

void MDIBrunmalt::CreateHelpMenu()
{
    // Last in the menu bar, as desktop programs have it.
    helpMenu_ = new HelpMenu(this, *language_);
    menuBar()->addMenu(helpMenu_);
}

} // namespace kestrova
