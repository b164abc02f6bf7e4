#pragma once

/// \file
/// The "Mesures" panel: what the running damped pendulum measures (period,
/// damping, energy) beside what the theory predicts, and the plot of the
/// period against the amplitude that runs and sweeps fill in point by point.

#include "plot/period_amplitude_plot.h"
#include "plot/plot_picture.h"

#include <QWidget>

class QGridLayout;
class QLabel;
class QPushButton;

namespace kestrova {

class PictureBox;
class DampedRun;
struct MeasurementReport;

class MeasurementsPanel : public QWidget {
    Q_OBJECT

public:
    explicit MeasurementsPanel(QWidget* parent = nullptr);
    ~MeasurementsPanel() override;

    /// Follows the measurements of `run` from now on (null: none); it must
    /// outlive the following. The point of the run that was followed stays
    /// on the plot among the earlier runs.
    void Follow(const DampedRun* run);
    /// Reads the followed run's measurements again (when they have changed).
    /// While the panel is hidden only the plot's points are kept up to date.
    void Refresh();
    /// Fills the plot with periods measured from 5° to 175° ("Balayer").
    void Sweep();
    /// Takes the points of the earlier runs off the plot ("Effacer les
    /// lancers"); the sweep and the current run stay.
    void ClearEarlierRuns();
    [[nodiscard]] bool HasEarlierRuns() const { return !points_.earlierRuns.empty(); }

    [[nodiscard]] const PeriodAmplitudePoints& PlotPoints() const { return points_; }
    /// The period-amplitude plot as it leaves the program (exports, copy).
    [[nodiscard]] PlotPicture PeriodPlot() const;

signals:
    /// A run joined the earlier runs, or they were taken off the plot.
    void EarlierRunsChanged();
    /// "Effacer les lancers" was pressed here: the frame forgets its other
    /// runs too, as the menu item of the same name does.
    void ClearRunsAsked();

protected:
    void showEvent(QShowEvent* event) override;

private:
    /// The texts written from code, in the interface language.
    void Retranslate();
    void ShowReport(const MeasurementReport& r);
    void RedrawPlot();
    static PeriodAmplitudeTexts PlotTexts();
    void EndRun();

    const DampedRun* run_ = nullptr;
    PeriodAmplitudePoints points_;
    bool plotStale_ = true;

    QLabel* lblPeriodeMesuree_ = nullptr;
    QLabel* lblPeriodePetitsAngles_ = nullptr;
    QLabel* lblPeriodeExacte_ = nullptr;
    QLabel* lblDecrement_ = nullptr;
    QLabel* lblLambdaMesure_ = nullptr;
    QLabel* lblQualiteMesuree_ = nullptr;
    QLabel* lblEnergieCinetique_ = nullptr;
    QLabel* lblEnergiePotentielle_ = nullptr;
    QLabel* lblEnergieTotale_ = nullptr;
    QLabel* lblEnergiePerdue_ = nullptr;
    PictureBox* picPeriodeAmplitude_ = nullptr;
    QPushButton* cmdBalayer_ = nullptr;
    QPushButton* cmdEffacerLancers_ = nullptr; ///< enabled while there are earlier runs
};

} // namespace kestrova
