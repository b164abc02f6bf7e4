#pragma once

/// \file
/// The driven-pendulum window: the pendulum with the driving torque drawn
/// at its pivot, the angle against time and the phase portrait, the six
/// parameters and the classic cases. Its animation loop, slow motion and
/// single step are the damped window's; the resonance curve, the Poincaré
/// section, the bifurcation diagram and the separation of two close runs
/// open in an analysis window of their own.

#include "clock/high_resolution_clock.h"
#include "clock/simulated_time.h"
#include "model/driven_run.h"
#include "ui/common/simulation.h"

#include <QPointer>
#include <QWidget>

#include <array>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QTimer;

namespace kestrova {

class DrivenAnalysis;
class PictureBox;

class frmPenduleForce : public QWidget, public Simulation {
    Q_OBJECT

public:
    /// Builds the window on the periodic case, paused at its start. The
    /// clock is the program's shared one; it must outlive the window.
    explicit frmPenduleForce(HighResolutionClock& clock, QWidget* parent = nullptr);
    ~frmPenduleForce() override;

    /// One tick of the timer: advances the run to the clock's simulated
    /// time and draws what the step brought.
    void AnimationTick();

    void SetSlowMotion(double speed) override;
    /// A paused run advances by one integration step.
    void NextStep() override;
    [[nodiscard]] std::optional<double> SimulatedSeconds() const override { return run_.Time(); }
    void SetZoom(double zoom) override;
    void SetHighContrast(bool high) override;
    void WhenUnloaded(std::function<void()> handler) override
    {
        connect(this, &frmPenduleForce::Unloaded, this, std::move(handler));
    }

    [[nodiscard]] const DrivenRun& Run() const { return run_; }
    [[nodiscard]] const DrivenSetup& Setup() const { return run_.Setup(); }
    /// Shows `setup` in the fields and starts afresh from it, paused.
    void ApplySetup(const DrivenSetup& setup);
    /// Opens (or brings forward) the analysis window on the current setup.
    DrivenAnalysis* ShowAnalysis();

    // PlotSource (frm_pendule_force_plots.cpp).
    [[nodiscard]] QList<PlotPicture> Plots() const override;
    [[nodiscard]] QStringList Captions() const override;
    [[nodiscard]] QString FileStem() const override;
    [[nodiscard]] QString Heading() const override;

signals:
    void Unloaded();
    /// A setting of `Setup()` may have changed.
    void SetupChanged();
    /// The run has advanced or started afresh: its views catch up.
    void RunMoved();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void DescribeControls();
    void ConnectHandlers();
    /// A field was changed by the user: that value only is taken, so a
    /// preset's exact values stay for the others.
    void FieldChanged(std::size_t index);
    void PresetChosen(int index);
    void OnGoToggled(bool checked);
    void ShowRunning();
    /// Starts afresh from the run's setup: pendulum, plots and readout.
    void ResetRun(const DrivenSetup& setup);

    // Drawing (frm_pendule_force_plots.cpp).
    void DrawWholePlots();
    void DrawStep(const DrivenStep& step);
    void ShowReadout();
    void ShowFrameNow();

    /// The lines of the readout (and of the captions), in the interface language.
    [[nodiscard]] QStringList ReadoutLines() const;

    SimulatedTime simulatedTime_;
    DrivenRun run_;

    PictureBox* picPendule_ = nullptr;
    PictureBox* picOscillation_ = nullptr;
    PictureBox* picPhase_ = nullptr;
    std::array<QLabel*, kDrivenParameterCount> titles_{};
    std::array<QDoubleSpinBox*, kDrivenParameterCount> fields_{};
    QLabel* lblPresets_ = nullptr;
    QComboBox* cboPresets_ = nullptr;
    QPushButton* chkGo_ = nullptr;
    QPushButton* cmdReset_ = nullptr;
    QPushButton* cmdAnalysis_ = nullptr;
    QLabel* lblReadout_ = nullptr;
    QLabel* lblEquation_ = nullptr;
    QTimer* tmrPendule_ = nullptr;
    QPointer<DrivenAnalysis> analysis_;
};

} // namespace kestrova
