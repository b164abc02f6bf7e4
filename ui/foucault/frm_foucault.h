#pragma once

/// \file
/// The Foucault-pendulum window: a side view of the swinging string and bob
/// and, seen from above, the trail of the bob's last 100 positions on which
/// the slow turning of the swing plane shows. The user types the length and
/// presses the start button; each timer tick then places the bob where the
/// exact motion puts it at the time measured on the program's clock.

#include "clock/high_resolution_clock.h"
#include "clock/simulated_time.h"
#include "model/collection_points.h"
#include "model/sped_up_time.h"
#include "model/swing_plane_meter.h"
#include "plot/plot_picture.h"

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

class frmFoucault : public QWidget, public PlotSource {
    Q_OBJECT

public:
    /// Builds the window and runs its load step: both views drawn at rest,
    /// the default length of 67 m in the length field, the animation stopped.
    /// The clock is the program's shared one; it must outlive the window.
    explicit frmFoucault(HighResolutionClock& clock, QWidget* parent = nullptr);
    ~frmFoucault() override;

    /// One tick of `tmrCourbe`: reads the clock, moves the string and the
    /// bob, adds the bob's ground position to the trail (dropping the oldest
    /// beyond 100) and redraws both views.
    void AnimationTick();

    /// Slow motion: simulated seconds per real second (1, 1/2, 1/4, 1/8).
    /// The ticks keep their interval in simulated time, so the trail keeps
    /// its spacing; a running animation goes on from where it is.
    void SetSlowMotion(double speed);

    /// Length of the pendulum (m): the last accepted text of the length field.
    [[nodiscard]] double Longueur() const { return Longueur_; }
    /// Angular frequency of the swing for that length (rad/s).
    [[nodiscard]] double OmegaPendule() const { return OmegaPendule_; }
    /// Simulated seconds since the start button was last pressed, as of the
    /// last tick (the real seconds times the time factor); 0 again after a
    /// change of place or day.
    [[nodiscard]] double TempsEcoule() const { return TempsEcoule_; }
    /// Vertical component of the planet's rotation at the chosen place (rad/s).
    [[nodiscard]] double OmegaTerre() const { return OmegaTerre_; }
    /// The swing plane's rate measured from the bob's positions since the start.
    [[nodiscard]] const foucault::SwingPlaneMeter& Meter() const { return meter_; }
    /// The trail, oldest ground position first.
    [[nodiscard]] const Collection_Points& Points() const { return Points_; }

    // PlotSource (frm_foucault_plots.cpp): both views drawn again.
    [[nodiscard]] QList<PlotPicture> Plots() const override;
    [[nodiscard]] QStringList Captions() const override;
    [[nodiscard]] QString FileStem() const override;
    [[nodiscard]] QString Heading() const override;

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
    /// The timer's interval in real time at the present speed (ms).
    [[nodiscard]] int TickIntervalMs() const;
    /// Shows why the length text is refused, in the interface language.
    void ShowRefusal();
    void ShowReadout();

    HighResolutionClock& clock_;
    SimulatedTime simulatedTime_{clock_};

    double Longueur_ = 0;         ///< m
    double Amplitude_ = 0;        ///< m, the bob's initial distance from the vertical
    double OmegaTerre_ = 0;       ///< rad/s
    double OmegaPendule_ = 0;     ///< rad/s
    double TempsEcoule_ = 0;      ///< s
    bool lengthAccepted_ = false; ///< the length text as it stands gives a usable length
    Collection_Points Points_;
    foucault::SpedUpTime spedUpTime_;
    /// Seconds since the start at the animation's pace (the real ones, slowed
    /// in slow motion), as of the last tick.
    double realSeconds_ = 0;
    foucault::SwingPlaneMeter meter_;

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
