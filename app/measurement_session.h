#pragma once

/// \file
/// The measurement the user imported, and the frame's commands for it:
/// "Fichier ▸ Importer une mesure…", the sample measurements under "Ouvrir
/// un exemple", and "Analyse ▸ Ajuster le modèle", whose "Appliquer au
/// simulateur" sets the damped window to the nearest slider positions and
/// says what was rounded.

#include "model/fitted_motion.h"
#include "model/measured_series.h"
#include "model/pendulum_fit.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QAction;
class QMenu;

namespace kestrova {

class FitDialog;
class MDIBrunmalt;

class MeasurementSession : public QObject {
    Q_OBJECT

public:
    /// Asks for the file to import; an empty answer cancels.
    using OpenChooser = std::function<QString()>;
    /// Shows a French message (translated) to the user.
    using Reporter = std::function<void(const QString& message)>;

    MeasurementSession(MDIBrunmalt& frame, QMenu& fileMenu, QMenu& examplesMenu,
                       QMenu& analysisMenu);

    [[nodiscard]] QAction* ImportAction() const { return import_; }
    [[nodiscard]] QAction* FitAction() const { return fit_; }

    /// Reads `path` and shows the import dialog; with `interactive` false the
    /// proposed pick is taken without a dialog. False when nothing was
    /// imported (a refusal is reported).
    bool Import(const QString& path, bool interactive = true);
    [[nodiscard]] const std::optional<MeasuredSeries>& Series() const { return series_; }
    /// The name of the file the measurement came from, or empty.
    [[nodiscard]] const QString& Name() const { return name_; }
    /// A new measurement: the motion fitted to the one before goes.
    void SetSeries(std::optional<MeasuredSeries> series, const QString& name = {});
    /// The motion last applied to the simulator, kept to be drawn beside
    /// the measurement; none before a fit.
    [[nodiscard]] const std::optional<FittedMotion>& Fitted() const { return fitted_; }
    /// Ignored unless `motion` can belong to the measurement.
    void SetFitted(std::optional<FittedMotion> motion);

    /// Opens the fit dialog on the measurement.
    FitDialog* OpenFit();
    /// Sets the damped window to the sliders nearest `fit` and, with
    /// `keepMotion`, keeps its motion beside the measurement; returns the
    /// message that says what was rounded.
    QString ApplyToSimulator(const PendulumFit& fit, bool keepMotion = true);

    /// The sample measurements that come with the program.
    [[nodiscard]] static QStringList Samples();

    void SetOpenChooser(OpenChooser chooser) { chooseOpen_ = std::move(chooser); }
    void SetReporter(Reporter reporter) { report_ = std::move(reporter); }

signals:
    void SeriesChanged();
    void FittedChanged();

private:
    void AddSamples(QMenu& examplesMenu);

    MDIBrunmalt& frame_;
    std::optional<MeasuredSeries> series_;
    QString name_;
    std::optional<FittedMotion> fitted_;
    /// Counts the measurements set, to tell a fit of an earlier one.
    unsigned generation_ = 0;
    QAction* import_ = nullptr;
    QAction* fit_ = nullptr;
    OpenChooser chooseOpen_;
    Reporter report_;
};

} // namespace kestrova
