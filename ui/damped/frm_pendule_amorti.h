#pragma once

/// \file
/// The damped-pendulum window: the equation, the pendulum figure, the sliders
/// of the initial conditions and of the oscillation parameters with the
/// derived quantities, and the two plots (angle against time, phase portrait)
/// traced in real time while the animation runs.
///
/// The motion is that of
/// \f[ \theta'' + 2\lambda\theta' + \omega_0^2 \sin\theta = 0 \f]
/// held by a DampedRun. The window is its view and controller: it reads the
/// sliders into the run's setup, starts and pauses the run, advances it at
/// each timer tick to the simulated time the clock gives (one second of the
/// wall clock, or several in slow motion, per simulated second) and draws
/// what each advance returns.

#include "clock/high_resolution_clock.h"
#include "clock/simulated_time.h"
#include "model/damped_run.h"
#include "model/lesson.h"
#include "plot/picture_surface.h"
#include "plot/plot_picture.h"
#include "ui/common/simulation.h"

#include <QCursor>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;
class QTimer;

namespace kestrova {

class PhasePicker;
class PictureBox;
class Rotator;
class WebLink;

/// Where the window draws the figure and the traces. By default its own
/// picture boxes; tests and benchmarks may put recording surfaces in their
/// place.
struct DampedSurfaces {
    PictureSurface* picPendule = nullptr;
    /// Member 0 shows the exact motion; member 1 also the small-angle solution.
    std::array<PictureSurface*, 2> picOscillation{};
    std::array<PictureSurface*, 2> picPhase{}; ///< same split
};

class frmPenduleAmorti : public QWidget, public Simulation {
    Q_OBJECT

public:
    /// Reports a fault that stopped the animation, in words for the user.
    using FaultReporter = std::function<void(const QString& message)>;

    /// Builds the window and runs its load sequence. The clock is the
    /// program's shared one; it must outlive the window.
    explicit frmPenduleAmorti(HighResolutionClock& clock, QWidget* parent = nullptr);
    ~frmPenduleAmorti() override;

    /// Reads the sliders into the run's setup, refreshes the value captions,
    /// stops the animation, resets the run (the pendulum back at its initial
    /// conditions, the displayed time at zero) and redraws the figure and the
    /// empty framed plots. Every parameter change and the "Position initiale"
    /// button go through it.
    void ResetSimulation();

    /// One tick of the animation timer, once a screen frame: advances the
    /// run to the simulated time the clock gives, redraws the figure, adds
    /// the new trace segments (one per sample) and stops once the run has
    /// paused by itself (at rest, or on a fault).
    void AnimationTick();

    /// Slow motion: simulated seconds per real second (1, 1/2, 1/4, 1/8).
    /// A running animation goes on from where it is at the new pace.
    void SetSlowMotion(double speed) override;
    /// Advances a paused simulation by kNextStepSeconds of simulated time
    /// and draws it, without starting the animation; nothing while it runs.
    void NextStep() override;
    void WhenUnloaded(std::function<void()> handler) override
    {
        connect(this, &frmPenduleAmorti::Unloaded, this, std::move(handler));
    }
    static constexpr double kNextStepSeconds = 0.010;
    [[nodiscard]] std::optional<double> SimulatedSeconds() const override { return run_.Time(); }

    /// The run the window shows and drives.
    [[nodiscard]] const DampedRun& Run() const { return run_; }

    [[nodiscard]] const DampedSurfaces& Surfaces() const { return surfaces_; }
    /// Draws on other surfaces from now on (tests and benchmarks).
    void SetSurfaces(const DampedSurfaces& surfaces) { surfaces_ = surfaces; }

    // PlotSource (frm_pendule_amorti_plots.cpp): the visible member of each
    // plot pair drawn again from the frames and the recording.
    [[nodiscard]] QList<PlotPicture> Plots() const override;
    [[nodiscard]] QStringList Captions() const override;
    [[nodiscard]] QString FileStem() const override;
    [[nodiscard]] QString Heading() const override;
    /// Shows the energy level curves and the separatrix under the traces of
    /// the phase portraits, or takes them away, at once: the plots are drawn
    /// again with the run's traces.
    void SetEnergyCurvesShown(bool shown);
    [[nodiscard]] bool EnergyCurvesShown() const { return energyCurvesShown_; }

    /// "Annuler": the setup before the user's last change comes back with
    /// its run as it was (recording, measurements, traces), paused.
    [[nodiscard]] bool CanUndo() const { return !undoRuns_.empty(); }
    void Undo();
    /// The window's setup as one value: the sliders, the small-angle view,
    /// the energy curves and the pace.
    [[nodiscard]] DampedWindowSetup Setup() const;
    /// Takes `setup` as the user's changes would: the controls, then one
    /// reset of the run.
    void ApplySetup(const DampedWindowSetup& setup);

    /// Replaces the message box that reports a fault (tests).
    void SetFaultReporter(FaultReporter reporter) { reportFault_ = std::move(reporter); }

signals:
    /// The window has been closed.
    void Unloaded();
    /// The run's measurements were cleared, changed, or have moved on (at
    /// most a few times per second of animation, at each pause, and once
    /// per reset, after it).
    void MeasurementsChanged();
    /// The run has advanced, been reset or paused: views of it catch up.
    void RunMoved();
    /// CanUndo may have changed.
    void UndoChanged();
    /// A setting of `Setup()` may have changed.
    void SetupChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    /// Over the bare window surface (not over a control) the pointer goes
    /// back to the default one.
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // Both captions of the toggle underline the same letter: Alt+A starts and pauses.
    static constexpr const char* kStartCaption = QT_TR_NOOP("Lancer l'&animation");
    static constexpr const char* kPauseCaption = QT_TR_NOOP("Suspendre l'&animation");

    /// The figure, the vertical axis titles and the plot pairs.
    struct PictureBoxes {
        PictureBox* picPendule = nullptr;
        PictureBox* picOrdoOsci = nullptr;
        std::array<PictureBox*, 2> picOscillation{};
        PictureBox* picOrdoPhase = nullptr;
        std::array<PictureBox*, 2> picPhase{};
    };
    /// The sliders of the setup, the captions of their values and those of
    /// the derived quantities.
    struct SetupControls {
        /// Entry i belongs to kDampedParameters[i].
        std::array<QSlider*, kDampedParameterCount> sliders{};
        std::array<QLabel*, kDampedParameterCount> values{};
        QLabel* lblRelax = nullptr;
        QLabel* lblPseudo = nullptr;
        QLabel* lblQualite = nullptr;
        QLabel* lblRegime = nullptr;
    };
    /// The buttons, the check box and the link.
    struct Commands {
        QPushButton* chkGo = nullptr;
        QPushButton* cmdPosInit = nullptr;
        QCheckBox* chkApproxi = nullptr;
        WebLink* lblWeb = nullptr;
    };
    /// How far the screen has followed the running motion.
    struct Shown {
        bool tracing = false;       ///< traceDrawnTo and traceEnd belong to the running traces
        TraceSample traceDrawnTo;   ///< where the traces drawn so far end
        TraceSample traceEnd;       ///< where the motion is: the last tick's end
        double measurementsDue = 0; ///< displayed time (s) of the next routine notice
    };

    // Layout (frm_pendule_amorti_layout.cpp).
    void CreateControls();
    void CreateInitialConditions(QWidget* frame);
    void CreateOscillationParameters(QWidget* frame);
    PictureBox* AddPictureBox(const char* name, int left, int top, int width, int height);
    /// A parameter's title, slider and value caption, in `frame`.
    void CreateParameterRow(QWidget* frame, DampedParameter parameter);
    [[nodiscard]] QSlider* SliderOf(DampedParameter parameter) const;
    [[nodiscard]] QLabel* CaptionOf(DampedParameter parameter) const;
    /// The value captions and the derived quantities of the run's setup, in
    /// the user's locale.
    void ShowCaptions();
    /// Controls other than labels and frames show their own ordinary
    /// pointer, not the window's (which is the hand after a visit to the link).
    void KeepOwnPointers();
    /// Condenses the toggle's font for its two captions to fit.
    void FitToggleCaptions();

    void ConnectHandlers();
    void LoadWindow();
    /// The vertical axis titles, in the interface language.
    void WriteAxisTitles();
    /// `title` is a French text marked for translation.
    void WriteAxisTitle(PictureSurface& box, const char* title);
    /// The slider values as the run's setup.
    [[nodiscard]] SliderValues ReadSetup() const;

    void OnSliderAction(QSlider* slider);
    void OnSliderValueChanged(QSlider* slider);
    void OnChkGoToggled(bool checked);
    void ShowChosenView();

    // Animation (frm_pendule_amorti_animation.cpp).
    /// The toggle, its caption, the timer and the pointer over the phase
    /// portraits say whether the run is running.
    void ShowRunning();
    /// The run has paused: the toggle follows, the Mesures panel reads the
    /// time reached and the traces reach where the motion stopped.
    void ShowPaused();
    /// Tells the user that the motion turned non-finite and stopped.
    void ReportFault();
    /// The figure where the step ends, and the traces through its samples.
    /// Unless `toTheEnd`, an end between two whole milliseconds is left for
    /// the next step to pass by.
    void DrawStep(const AnimationStep& step, bool toTheEnd);
    /// The plots as the reset leaves them: whole, with nothing traced yet.
    void DrawWholePlots();
    void DrawSegment(const TraceSample& from, const TraceSample& to);
    /// The traces reach where the motion stopped (a pause or a stop).
    void FinishTraces();
    /// What was drawn goes to the screen now (the tick is the frame, no
    /// second wake-up), and a running animation waits for the next frame.
    void ShowFrameNow();
    /// Texts that depend on the state (the toggle, the regime, the axis
    /// titles drawn in their boxes) in the new interface language.
    void Retranslate();

    /// Sets the initial-condition sliders to the values nearest to a point of
    /// the phase portrait and resets, as moving them by hand does; unless
    /// `always`, only when the values change.
    void PickStart(double angle, double speed, bool always);
    // Undo (frm_pendule_amorti_undo.cpp).
    /// The next change by the user is a step of its own (a press, a key).
    void BeginUndoStep();
    /// ResetSimulation for a change by the user: the run it replaces is
    /// kept for "Annuler", once per step.
    void ResetKeepingUndo();

    /// Tells the Mesures panel when the step changed a measured value, or
    /// when the routine notice is due.
    void NotifyMeasurementsOf(const AnimationStep& step);
    void NotifyMeasurements(double time);

    SimulatedTime simulatedTime_;
    DampedRun run_;
    Shown shown_;
    DampedSurfaces surfaces_;
    FaultReporter reportFault_;
    QSlider* userMovedSlider_ = nullptr; ///< the slider the pending value change comes from
    QCursor handCursor_;                 ///< the link's pointer, loaded at the first visit
    bool energyCurvesShown_ = false;     ///< level curves drawn on the phase portraits
    std::vector<DampedRun> undoRuns_;    ///< oldest first
    bool undoStepKept_ = false;          ///< the current step has kept its run
    PhasePicker* picker_ = nullptr;
    PictureBoxes boxes_;
    SetupControls setupControls_;
    Commands commands_;
    QTimer* tmrPendule_ = nullptr;
    std::unique_ptr<Rotator> AxisTitler_;
};

} // namespace kestrova
