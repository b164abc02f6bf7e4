#include "app/measurement_session.h"

#include "app/fit_dialog.h"
#include "app/mdi_brunmalt.h"
#include "app/measurement_import_dialog.h"
#include "model/fitted_setup.h"
#include "ui/common/translatable.h"
#include "ui/damped/frm_pendule_amorti.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>

namespace kestrova {
namespace {

/// Where the sample measurements are compiled into the program.
constexpr char kSamplesFolder[] = ":/kestrova/measurements";

} // namespace

MeasurementSession::MeasurementSession(MDIBrunmalt& frame, QMenu& fileMenu, QMenu& examplesMenu,
                                       QMenu& analysisMenu)
    : QObject(&frame)
    , frame_(frame)
{
    import_ = new QAction(this);
    SetTranslatable(import_, "text", QT_TR_NOOP("&Importer une mesure…"));
    fit_ = new QAction(this);
    SetTranslatable(fit_, "text", QT_TR_NOOP("&Ajuster le modèle…"));
    fit_->setEnabled(false);
    // After the lesson files' items, before the exports.
    const QList<QAction*> existing = fileMenu.actions();
    QAction* before = nullptr;
    for (int i = 0, separators = 0; i < existing.size(); ++i)
        if (existing[i]->isSeparator() && ++separators == 2) {
            before = existing[i];
            break;
        }
    fileMenu.insertAction(before, import_);
    fileMenu.insertSeparator(import_);
    analysisMenu.addSeparator();
    analysisMenu.addAction(fit_);
    AddSamples(examplesMenu);

    chooseOpen_ = [this] {
        return QFileDialog::getOpenFileName(
            &frame_, tr("Importer une mesure"), QDir::homePath(),
            tr("Mesures (*.csv *.txt *.tsv *.zip);;Tous les fichiers (*)"));
    };
    report_ = [this](const QString& message) {
        QMessageBox::warning(&frame_, frame_.windowTitle(), message);
    };
    connect(import_, &QAction::triggered, this, [this] {
        const QString path = chooseOpen_();
        if (!path.isEmpty())
            Import(path);
    });
    connect(fit_, &QAction::triggered, this, [this] { OpenFit(); });
}

void MeasurementSession::AddSamples(QMenu& examplesMenu)
{
    // The lesson examples refill the menu as it opens; the samples follow
    // them, under their own heading.
    connect(&examplesMenu, &QMenu::aboutToShow, this, [this, &examplesMenu] {
        examplesMenu.addSeparator();
        QMenu* samples = examplesMenu.addMenu(tr("Mesures"));
        for (const QString& path : Samples())
            connect(samples->addAction(QFileInfo(path).fileName()), &QAction::triggered, this,
                    [this, path] { Import(path); });
    });
}

QStringList MeasurementSession::Samples()
{
    const QDir folder(QString::fromLatin1(kSamplesFolder));
    QStringList paths;
    for (const QString& name : folder.entryList(QDir::Files, QDir::Name))
        paths.append(folder.filePath(name));
    return paths;
}

bool MeasurementSession::Import(const QString& path, bool interactive)
{
    QString error;
    ArchiveReading reading = ReadMeasurementPath(path, error);
    if (!error.isEmpty()) {
        report_(error);
        return false;
    }
    const QString name = QFileInfo(path).fileName();
    if (!interactive) {
        const SeriesReading series =
            MakeSeries(reading.reading.table, ProposedPick(reading.reading.table), reading.pauses);
        if (!series.Ok()) {
            report_(RefusalText(series.refusal, series.row));
            return false;
        }
        SetSeries(series.series, name);
        return true;
    }
    MeasurementImportDialog dialog(name, std::move(reading), &frame_);
    if (dialog.exec() != QDialog::Accepted || dialog.Series().time.empty())
        return false;
    SetSeries(dialog.Series(), name);
    return true;
}

void MeasurementSession::SetSeries(std::optional<MeasuredSeries> series, const QString& name)
{
    series_ = std::move(series);
    ++generation_;
    name_ = series_ ? name : QString();
    fitted_.reset();
    fit_->setEnabled(series_.has_value());
    emit SeriesChanged();
}

void MeasurementSession::SetFitted(std::optional<FittedMotion> motion)
{
    if (motion && !(series_ && FittedMotionSound(*motion, *series_)))
        return;
    fitted_ = motion;
    emit FittedChanged();
}

FitDialog* MeasurementSession::OpenFit()
{
    if (!series_)
        return nullptr;
    auto* dialog = new FitDialog(*series_, &frame_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // A measurement imported since the dialog opened is not the one fitted:
    // the simulator still takes the values, but the curve is not kept.
    connect(dialog, &FitDialog::ApplyRequested, this,
            [this, dialog, generation = generation_](const PendulumFit& fit) {
                QMessageBox::information(dialog, dialog->windowTitle(),
                                         ApplyToSimulator(fit, generation == generation_));
            });
    dialog->show();
    return dialog;
}

QString MeasurementSession::ApplyToSimulator(const PendulumFit& fit, bool keepMotion)
{
    const FittedSetup nearest = NearestSetup(fit);
    if (keepMotion)
        SetFitted(FittedMotionOf(fit));
    frame_.ShowSimulation(kDampedSimulation);
    if (frmPenduleAmorti* window = frame_.DampedWindow()) {
        DampedWindowSetup setup = window->Setup();
        setup.sliders = nearest.sliders;
        window->ApplySetup(setup);
    }
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QStringList lines{
        tr("Le simulateur prend les positions les plus proches des valeurs ajustées :")};
    for (const RoundedParameter& r : nearest.rounding) {
        const DampedParameterEntry& entry = DampedParameterOf(r.parameter);
        const QString title = QCoreApplication::translate(kDampedWindowContext, entry.title)
                                  .remove(QLatin1Char(':'))
                                  .trimmed();
        const QString unit = QString::fromUtf8(entry.captionUnit.data(), entry.captionUnit.size());
        QString line = tr("%1 : %2 → %3%4")
                           .arg(title, locale.toString(r.fitted, 'f', entry.decimals + 2),
                                locale.toString(r.shown, 'f', entry.decimals), unit);
        if (r.outOfRange)
            line += QLatin1Char(' ') + tr("(hors de la plage du curseur)");
        lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace kestrova
