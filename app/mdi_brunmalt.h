#pragma once

/// \file
/// The frame window: a multiple-document frame that holds the simulation
/// windows, owns the program-wide clock, and switches between the
/// simulations of the registry (the damped pendulum, the Foucault pendulum).

#include "clock/high_resolution_clock.h"
#include "model/kept_runs.h"
#include "plot/colour.h"

#include <QMainWindow>
#include <QPointer>

#include <cstdint>
#include <functional>
#include <vector>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace kestrova {

class AnimationMenu;
class EditMenu;
class FileMenu;
class frmFoucault;
class GraphsMenu;
class frmPenduleAmorti;
class HelpMenu;
class LanguageSwitch;
class LessonSession;
class MeasurementSession;
class MeasurementsDock;
class Simulation;
class SpeedStatus;
class ViewMenu;

/// The frame's caption for a program version: "Kestrova - v.1.0" for 1.0,
/// the numbers written in plain decimal without blanks or separators.
[[nodiscard]] QString FrameCaption(int major, int minor);

/// Light yellow background of the frame's client area.
inline constexpr Colour kBackgroundColour = Rgb(255, 255, 192);

/// Numbers of the simulation windows for `ShowSimulation`: their rows in
/// `Simulations()`.
inline constexpr std::int16_t kDampedSimulation = 0;
inline constexpr std::int16_t kFoucaultSimulation = 1;
inline constexpr std::int16_t kDrivenSimulation = 2;

class MDIBrunmalt : public QMainWindow {
    Q_OBJECT

public:
    /// Builds the frame and runs its load step: reads the counter frequency
    /// once for the whole program, writes the caption and opens the damped
    /// pendulum window. `counterSource` must outlive the frame.
    explicit MDIBrunmalt(CounterSource& counterSource, QWidget* parent = nullptr);
    ~MDIBrunmalt() override;

    /// Replaces the open simulation window by a freshly loaded one: the row
    /// `index` of `Simulations()`, any other number none.
    /// The switch itself never ends the program.
    void ShowSimulation(std::int16_t index);

    /// Ends the program at once, without running any window's closing
    /// handling (through `quitApplication`).
    void QuitProgram();

    /// Shows the frame on a screen whose free area is `available`: at its
    /// preferred size in the top-left corner when that fits, maximised
    /// otherwise (the client area then scrolls).
    void ShowOnScreen(const QRect& available);

    /// The frame size that shows the open simulation window whole: the
    /// sub-window with its title bar and borders, plus the menu bar.
    [[nodiscard]] QSize PreferredSize() const;

    /// Ends the application's event loop; replaced by tests.
    std::function<void()> quitApplication;

    [[nodiscard]] HighResolutionClock& Clock() { return clock_; }
    [[nodiscard]] QMdiArea& MdiArea() const { return *mdiArea_; }
    /// The open damped-pendulum window, or null.
    [[nodiscard]] frmPenduleAmorti* DampedWindow() const;
    /// The open Foucault-pendulum window, or null.
    [[nodiscard]] frmFoucault* FoucaultWindow() const;

    /// The open window of the simulation `index`, or null.
    [[nodiscard]] QWidget* SimulationWidget(std::size_t index) const;
    /// The "Simulation" menu item of the simulation `index`.
    [[nodiscard]] QAction* SimulationAction(std::size_t index) const
    {
        return simulationActions_.at(index);
    }
    [[nodiscard]] QAction* DampedAction() const { return SimulationAction(kDampedSimulation); }
    [[nodiscard]] QAction* FoucaultAction() const { return SimulationAction(kFoucaultSimulation); }
    [[nodiscard]] QAction* QuitAction() const { return quitAction_; }
    [[nodiscard]] EditMenu& Edit() const { return *editMenu_; }
    [[nodiscard]] AnimationMenu* Animation() const { return animationMenu_; }
    /// "Affichage": the zoom, full screen and the contrast.
    [[nodiscard]] ViewMenu& View() const { return *viewMenu_; }
    /// The status line that shows slow motion.
    [[nodiscard]] SpeedStatus* SlowMotionStatus() const { return speedStatus_; }
    [[nodiscard]] FileMenu& Files() const { return *fileMenu_; }
    /// "Courbes d'énergie": the damped window's phase portraits show the
    /// energy level curves; unchecked at start, disabled and unchecked while
    /// no damped window is open.
    [[nodiscard]] QAction* EnergyCurvesAction() const { return energyCurvesAction_; }
    /// Whether the user wants the energy curves, kept while the item is
    /// disabled; setting it checks the item where it applies.
    [[nodiscard]] bool EnergyCurvesWanted() const { return energyCurvesWanted_; }
    void SetEnergyCurvesWanted(bool wanted);

    /// The "Analyse" menu, created after the menus before it on first call.
    QMenu* AnalysisMenu();
    [[nodiscard]] HelpMenu* Help() const { return helpMenu_; }
    /// The interface language, French until a saved choice is restored.
    [[nodiscard]] LanguageSwitch& LanguageChoice() const { return *language_; }
    /// The "Mesures" panel of the damped pendulum.
    [[nodiscard]] MeasurementsDock& Measurements() const { return *measurementsDock_; }
    /// The damped runs kept to compare, for the program's whole run.
    [[nodiscard]] KeptRuns& KeptRunList() { return keptRuns_; }
    [[nodiscard]] const KeptRuns& KeptRunList() const { return keptRuns_; }
    /// The lesson in progress: its file, its items of "Fichier", its title.
    [[nodiscard]] LessonSession& Lessons() const { return *lessons_; }
    /// The imported measurement and its fit.
    [[nodiscard]] MeasurementSession& Measured() const { return *measurementSession_; }
    /// The same, or null while the frame is being built.
    [[nodiscard]] MeasurementSession* MeasuredOrNull() const { return measurementSession_; }
    /// The "Graphiques" window and its items of "Analyse".
    [[nodiscard]] GraphsMenu& Graphs() const { return *graphsMenu_; }

protected:
    /// Closing the frame closes its simulation windows first, then ends the program.
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    /// Slow motion for every simulation and the single step.
    void CreateAnimationMenu();
    /// The speed of the menu into the open windows and, when slowed, into the caption.
    void ApplySpeed();
    void ShowSpeedInCaption();
    /// "Fichier", first in the menu bar (file_menu.cpp).
    void CreateFileMenu();
    void CreateEnergyCurvesAction();
    /// "Édition", second in the menu bar.
    void CreateEditMenu();
    void CreateHelpMenu();
    void CreateMeasurementsDock();
    void CreateGraphsMenu();
    void MDIForm_Load();
    void OpenSimulation(std::size_t index);
    /// "Pas suivant" and "Courbes d'énergie" act on the damped pendulum
    /// only: enabled while its window is open ("Mesures" follows the window
    /// by itself).
    /// The commands of the damped window only, and "Pas suivant", which
    /// the driven window takes too.
    void EnableDampedCommands(bool dampedOpen, bool stepsOpen);
    /// The open simulation windows, in the registry's order.
    [[nodiscard]] std::vector<Simulation*> OpenSimulations() const;
    QMdiSubWindow* AddChild(QWidget* child);
    void CloseChild(QPointer<QMdiSubWindow>& subWindow);

    HighResolutionClock clock_;
    KeptRuns keptRuns_;
    QMdiArea* mdiArea_ = nullptr;
    /// One per row of the registry, null while that simulation is not open.
    std::vector<QPointer<QMdiSubWindow>> subWindows_;
    /// Set while the frame closes windows itself: the damped window's
    /// closing then does not end the program.
    bool closingChildren_ = false;

    std::vector<QAction*> simulationActions_;
    QAction* quitAction_ = nullptr;
    EditMenu* editMenu_ = nullptr;
    AnimationMenu* animationMenu_ = nullptr;
    ViewMenu* viewMenu_ = nullptr;
    SpeedStatus* speedStatus_ = nullptr;
    FileMenu* fileMenu_ = nullptr;
    QAction* energyCurvesAction_ = nullptr;
    bool energyCurvesWanted_ = false; ///< the user's choice, kept while the item is disabled
    QMenu* analysisMenu_ = nullptr;
    LanguageSwitch* language_ = nullptr;
    HelpMenu* helpMenu_ = nullptr;
    MeasurementsDock* measurementsDock_ = nullptr;
    GraphsMenu* graphsMenu_ = nullptr;
    LessonSession* lessons_ = nullptr;
    MeasurementSession* measurementSession_ = nullptr;
};

} // namespace kestrova
