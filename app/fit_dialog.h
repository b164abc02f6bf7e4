#pragma once

/// \file
/// "Ajuster le modèle": the damped pendulum's equation fitted to the
/// measurement over a chosen time window, with linear damping and with
/// linear plus quadratic damping; each value with its standard uncertainty,
/// the residuals' RMS and plot, and which damping the residuals favour. The
/// fits run away from the interface thread and can be cancelled.

#include "model/measured_series.h"
#include "model/pendulum_fit.h"

#include <QDialog>

#include <atomic>
#include <memory>

class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QThread;

namespace kestrova {

class ResidualsPlot;

class FitDialog : public QDialog {
    Q_OBJECT

public:
    FitDialog(MeasuredSeries series, QWidget* parent);
    ~FitDialog() override;

    /// Starts the fits over the window; Finished follows.
    void StartFit();
    [[nodiscard]] bool Fitting() const { return worker_ != nullptr; }
    [[nodiscard]] const PendulumFit& Linear() const { return linear_; }
    [[nodiscard]] const PendulumFit& Quadratic() const { return quadratic_; }
    /// The plain-language verdict shown, in the interface language.
    [[nodiscard]] static QString VerdictText(DampingVerdict verdict);

signals:
    void Finished();
    /// "Appliquer au simulateur" with the fit of the favoured model.
    void ApplyRequested(const kestrova::PendulumFit& fit);

private:
    void Cancel();
    void ShowResults();
    [[nodiscard]] const PendulumFit& Favoured() const;

    MeasuredSeries series_;
    PendulumFit linear_, quadratic_;
    std::atomic<bool> cancel_ = false;
    QThread* worker_ = nullptr;
    QDoubleSpinBox* from_ = nullptr;
    QDoubleSpinBox* to_ = nullptr;
    QPushButton* fit_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* apply_ = nullptr;
    QLabel* results_ = nullptr;
    ResidualsPlot* residuals_ = nullptr;
};

} // namespace kestrova
