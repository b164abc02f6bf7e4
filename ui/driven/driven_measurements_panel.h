#pragma once

/// \file
/// The "Mesures" panel while the driven pendulum is the open window: whether
/// its transient has died out, then its steady amplitude and phase lag, each
/// beside the small-angle theory. The values come from the run's recording
/// (model/driven_report.h); the panel only words them.

#include <QWidget>

class QGridLayout;
class QLabel;

namespace kestrova {

class DrivenRun;
struct DrivenReport;

class DrivenMeasurementsPanel : public QWidget {
    Q_OBJECT

public:
    explicit DrivenMeasurementsPanel(QWidget* parent = nullptr);

    /// Measures `run` from now on (null: none); it must outlive the following.
    void Follow(const DrivenRun* run);
    /// Reads the followed run's recording again; nothing while hidden.
    void Refresh();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowReport(const DrivenReport& r);

    const DrivenRun* run_ = nullptr;

    QLabel* lblRegime_ = nullptr;
    QLabel* lblCritere_ = nullptr;
    QLabel* lblAmplitudeMesuree_ = nullptr;
    QLabel* lblAmplitudePetitsAngles_ = nullptr;
    QLabel* lblRetardMesure_ = nullptr;
    QLabel* lblRetardPetitsAngles_ = nullptr;
};

} // namespace kestrova
