#pragma once

/// \file
/// The damped-pendulum window: the equation, the pendulum figure, the sliders
/// of the initial conditions and of the oscillation parameters with the
/// derived quantities, and the two plots (angle against time, phase portrait)
/// traced in real time while the animation runs.
///
/// The motion is that of
/// \f[ \theta'' + 2\lambda\theta' + \omega_0^2 \sin\theta = 0 \f]
/// integrated over the real time the clock measures between timer ticks, so
/// one simulated second is one second of the wall clock (or several, in slow
/// motion).

#include "clock/high_resolution_clock.h"
#include "clock/simulated_time.h"
#include "model/damped_animation.h"
#include "model/motion_measurement.h"
#include "model/motion_recorder.h"
#include "model/parameters.h"
#include "model/pendulum_state.h"
#include "plot/picture_surface.h"
#include "plot/plot_picture.h"
#include "ui/common/simulation.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QCheckBox;
class QGroupBox;
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

    /// Reads the sliders into the model, refreshes the value captions, stops
    /// the animation, puts the pendulum back at its initial conditions with
    /// the clocks at zero, and redraws the figure and the empty framed plots.
    /// Every parameter change and the "Position initiale" button go through it.
    void ResetSimulation();

    /// One tick of the animation timer, once a screen frame: integrates the
    /// simulated time elapsed since the previous tick, redraws the figure,
    /// adds the new trace segments (one per sample) and stops by itself once
    /// a damped pendulum is at rest.
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

    /// The model state the window animates.
    [[nodiscard]] const PenduleState& State() const { return state_; }
    /// Write access for tests and benchmarks (a state the sliders cannot
    /// produce, such as a non-finite one).
    [[nodiscard]] PenduleState& MutableState() { return state_; }

    [[nodiscard]] const DampedSurfaces& Surfaces() const { return surfaces_; }
    /// Draws on other surfaces from now on (tests and benchmarks).
    void SetSurfaces(const DampedSurfaces& surfaces) { surfaces_ = surfaces; }

    /// The motion since the last reset, one row every 10 ms of displayed time.
    [[nodiscard]] const MotionRecorder& Recording() const { return recorder_; }

    // PlotSource (frm_pendule_amorti_plots.cpp): the visible member of each
    // plot pair drawn again from the frames and the recording.
    [[nodiscard]] QList<PlotPicture> Plots() const override;
    [[nodiscard]] QStringList Captions() const override;
    [[nodiscard]] QString FileStem() const override;
    [[nodiscard]] QString Heading() const override;
    /// Shows the energy level curves and the separatrix behind the traces of
    /// the phase portraits, from the next reset on. Plots that hold no trace
    /// yet are redrawn at once; a run's traces are never wiped by the switch.
    void SetEnergyCurvesShown(bool shown);
    [[nodiscard]] bool EnergyCurvesShown() const { return energyCurves_; }

    /// Replaces the message box that reports a fault (tests).
    void SetFaultReporter(FaultReporter reporter) { reportFault_ = std::move(reporter); }

    /// What the running motion measured since the last reset.
    [[nodiscard]] const MotionMeasurement& Measurement() const { return measurement_; }

signals:
    /// The window has been closed.
    void Unloaded();
    /// The measurements were cleared, changed, or have moved on (at most a
    /// few times per second of animation, and at each pause).
    void MeasurementsChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    /// Over the bare window surface (not over a control) the pointer goes
    /// back to the default one.
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // Both captions of the toggle underline the same letter: Alt+A starts and pauses.
    static constexpr const char* kStartCaption = QT_TR_NOOP("Lancer l'&animation");
    static constexpr const char* kPauseCaption = QT_TR_NOOP("Suspendre l'&animation");

    // Layout (frm_pendule_amorti_layout.cpp).
    void CreateControls();
    void CreateInitialConditions();
    void CreateOscillationParameters();
    PictureBox* AddPictureBox(const char* name, int left, int top, int width, int height);
    [[nodiscard]] QSlider* SliderOf(DampedParameter parameter) const;
    [[nodiscard]] QLabel* CaptionOf(DampedParameter parameter) const;
    /// The sliders' values and the quantities derived from them, in the
    /// user's locale.
    void ShowCaptions(const SliderValues& sliders, const DerivedQuantities& derived);
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

    void OnSliderAction(QSlider* slider);
    void OnSliderValueChanged(QSlider* slider);
    void OnChkGoToggled(bool checked);
    void ShowChosenView();

    void StopOnFault();
    /// The figure where the step ends, and the traces through its samples.
    /// Unless `toTheEnd`, an end between two whole milliseconds is left for
    /// the next step to pass by.
    void DrawStep(const AnimationStep& step, bool toTheEnd);
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
    /// The step's samples to the measurements and the recording.
    void Measure(const AnimationStep& step);
    void NotifyMeasurements(double time);

    HighResolutionClock& clock_;
    SimulatedTime simulatedTime_{clock_};
    std::vector<TraceSample> samples_; ///< the tick's samples, the buffer kept from tick to tick
    bool tracing_ = false;             ///< traceDrawnTo_ and traceEnd_ belong to the running traces
    TraceSample traceDrawnTo_;         ///< where the traces drawn so far end
    TraceSample traceEnd_;             ///< where the motion is: the last tick's end
    PenduleState state_;
    MotionRecorder recorder_;
    bool energyCurvesDrawn_ = false; ///< the phase portraits got the curves at the last reset
    DampedSurfaces surfaces_;
    FaultReporter reportFault_;
    QSlider* userMovedSlider_ = nullptr; ///< the slider the pending value change comes from
    QCursor handCursor_;                 ///< the link's pointer, loaded at the first visit
    bool energyCurves_ = false;          ///< level curves drawn on the phase portraits
    PhasePicker* picker_ = nullptr;
    MotionMeasurement measurement_;
    double measurementsDue_ = 0; ///< displayed time (s) of the next routine notice

    QLabel* imgEquation_ = nullptr;
    PictureBox* picPendule_ = nullptr;
    QGroupBox* Frame1_ = nullptr;
    QGroupBox* Frame2_ = nullptr;
    QPushButton* chkGo_ = nullptr;
    QPushButton* cmdPosInit_ = nullptr;
    QCheckBox* chkApproxi_ = nullptr;
    PictureBox* picOrdoOsci_ = nullptr;
    std::array<PictureBox*, 2> picOscillation_{};
    PictureBox* picOrdoPhase_ = nullptr;
    std::array<PictureBox*, 2> picPhase_{};
    WebLink* lblWeb_ = nullptr;

    QSlider* sldTeta0_ = nullptr;
    QSlider* sldOmega0_ = nullptr;
    QSlider* sldPulsation_ = nullptr;
    QSlider* sldLambda_ = nullptr;
    QLabel* lblteta0_ = nullptr;
    QLabel* lblOmega0_ = nullptr;
    QLabel* lblPulsation_ = nullptr;
    QLabel* lblLambda_ = nullptr;
    QLabel* lblRelax_ = nullptr;
    QLabel* lblPseudo_ = nullptr;
    QLabel* lblQualite_ = nullptr;
    QLabel* lblRegime_ = nullptr;

    QTimer* tmrPendule_ = nullptr;
    QElapsedTimer paintClock_; ///< paint counting of the figure box (kestrova.paint)
    int paintCount_ = 0;
    qint64 lastPaintMs_ = 0;
    qint64 longestPaintGapMs_ = 0;
    std::unique_ptr<Rotator> AxisTitler_;
};

} // namespace kestrova
