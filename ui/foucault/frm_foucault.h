#pragma once

/// \file
/// The Foucault-pendulum window: a side view of the swinging string and bob
/// and, seen from above, the trail of the bob's last 100 positions on which
/// the slow turning of the swing plane shows. The user types the length and
/// presses the start button; each timer tick then advances the run to the
/// time measured on the program's clock and draws where it put the bob.

#include "clock/high_resolution_clock.h"
#include "clock/simulated_time.h"
#include "model/foucault_run.h"
#include "model/lesson.h"
#include "ui/common/simulation.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace kestrova {

class LineElement;
class PictureBox;
class PlacePanel;
class PlaneReadout;

class frmFoucault : public QWidget, public Simulation {
    Q_OBJECT

public:
    /// Builds the window and runs its load step: both views drawn at rest,
    /// the default length of 67 m in the length field, the animation stopped.
    /// The clock is the program's shared one; it must outlive the window.
    explicit frmFoucault(HighResolutionClock& clock, QWidget* parent = nullptr);
    ~frmFoucault() override;

    /// One tick of `tmrCourbe`: reads the clock, advances the run (the bob
    /// and the string move, the trail drops its oldest beyond 100) and
    /// redraws both views.
    void AnimationTick();

    /// Slow motion: simulated seconds per real second (1, 1/2, 1/4, 1/8).
    /// The ticks keep their interval in simulated time, so the trail keeps
    /// its spacing; a running animation goes on from where it is.
    void SetSlowMotion(double speed) override;
    /// Only the damped pendulum steps; this one keeps running on its own.
    void NextStep() override { }
    void WhenUnloaded(std::function<void()> handler) override
    {
        connect(this, &frmFoucault::Unloaded, this, std::move(handler));
    }

    /// Length of the pendulum (m): the last accepted text of the length field.
    [[nodiscard]] double Longueur() const { return run_.Longueur(); }
    /// Angular frequency of the swing for that length (rad/s).
    [[nodiscard]] double OmegaPendule() const { return run_.OmegaPendule(); }
    /// Simulated seconds since the start button was last pressed, as of the
    /// last tick (the real seconds times the time factor); 0 again after a
    /// change of place or day.
    [[nodiscard]] double TempsEcoule() const { return run_.TempsEcoule(); }
    [[nodiscard]] std::optional<double> SimulatedSeconds() const override { return TempsEcoule(); }
    /// Vertical component of the planet's rotation at the chosen place (rad/s).
    [[nodiscard]] double OmegaTerre() const { return run_.OmegaTerre(); }
    /// The swing plane's rate measured from the bob's positions since the start.
    [[nodiscard]] const foucault::SwingPlaneMeter& Meter() const { return run_.Meter(); }
    /// The trail, oldest ground position first.
    [[nodiscard]] const Collection_Points& Points() const { return run_.Points(); }
    /// The run the window shows.
    [[nodiscard]] const FoucaultRun& Run() const { return run_; }
    /// The readout under the views, line by line as shown ("title value"),
    /// for a printout.
    [[nodiscard]] QStringList ReadoutLines() const;

    /// The controls' setup as one value: the length in effect, the latitude
    /// last accepted, the day and the time factor.
    [[nodiscard]] FoucaultWindowSetup Setup() const;
    /// Takes `setup` as the user's changes would: the place, then the
    /// length; the animation stops and the trail empties.
    void ApplySetup(const FoucaultWindowSetup& setup);

    // PlotSource (frm_foucault_plots.cpp): both views drawn again.
    [[nodiscard]] QList<PlotPicture> Plots() const override;
    [[nodiscard]] QStringList Captions() const override;
    [[nodiscard]] QString FileStem() const override;
    [[nodiscard]] QString Heading() const override;

signals:
    /// The window was closed.
    void Unloaded();
    /// A setting of `Setup()` may have changed.
    void SetupChanged();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    /// Accessible names and descriptions, and the label of the length field.
    void DescribeControls();
    void ConnectHandlers();
    void LoadWindow();

    /// A change of the length text: stops the animation, empties the trail
    /// and takes the new length if the text gives an acceptable one.
    void LengthChanged();
    /// A change of latitude or day: stops the animation and empties the trail
    /// as a change of length does, and takes the new rotation.
    void PlaceChanged();
    /// The start button: restarts the motion from time 0 with an empty trail.
    void StartAnimation();
    /// Stops the timer and the run.
    void StopAnimation();
    /// The timer's interval in real time at the present speed (ms).
    [[nodiscard]] int TickIntervalMs() const;
    /// Shows why the length text is refused, in the interface language.
    void ShowRefusal();
    void ShowReadout();

    SimulatedTime simulatedTime_;
    FoucaultRun run_;
    bool lengthAccepted_ = false; ///< the length text as it stands gives a usable length

    PictureBox* picCourbe_ = nullptr;
    PictureBox* picPendule_ = nullptr;
    QPushButton* cmdGo_ = nullptr;
    QLineEdit* txtLong_ = nullptr;
    QLabel* Label1_ = nullptr;
    QLabel* lblRefus_ = nullptr; ///< why the length text is refused
    LineElement* linFil_ = nullptr;
    QTimer* tmrCourbe_ = nullptr;
    PlacePanel* placePanel_ = nullptr;
    PlaneReadout* readout_ = nullptr;
};

} // namespace kestrova
