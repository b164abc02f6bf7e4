#include "ui/damped/measurements_panel.h"

#include "model/captions.h"
#include "model/damped_run.h"
#include "model/measurement_report.h"
#include "model/period_sweep.h"
#include "plot/qt_colour.h"
#include "plot/qt_picture_box.h"
#include "plot/qt_utf8.h"
#include "ui/common/panel_rows.h"
#include "ui/common/translatable.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace kestrova {

namespace {

constexpr int kPanelWidth = 236;      // px: the room beside the damped window on a 1280-wide screen
constexpr int kPlotHeight = 250;      // px
constexpr int kDecimalsPeriod = 4;    // s: four significant digits and one more
constexpr int kDecimalsDeviation = 2; // %
constexpr int kDecimalsDecrement = 4;
constexpr int kDecimalsLambda = 4;
constexpr int kDecimalsQuality = 3;
constexpr int kDecimalsLost = 1; // %
constexpr int kEnergyDigits = 4; // significant, of the total
// A number and its percent sign stay on one line.
const QString kPercentSuffix = QString(QChar(0x00A0)) + QLatin1Char('%');
// A sweep shorter than this shows no progress window at all.
constexpr int kSweepProgressDelayMs = 400;

/// ASCII digits, the user's decimal separator, no group separator.
QString Number(double value, int decimals)
{
    return FromUtf8(FormatFixed(value, decimals, QLocale().decimalPoint().toStdString()));
}

/// The decimals that show `digits` significant digits of `value`.
int DecimalsFor(double value, int digits)
{
    if (!(value != 0) || !std::isfinite(value))
        return 0;
    const int magnitude = static_cast<int>(std::floor(std::log10(std::abs(value))));
    return std::clamp(digits - 1 - magnitude, 0, 12);
}

/// "+3,90 %", "-0,25 %", "0,00 %".
QString Percent(double share, int decimals)
{
    QString text = Number(100 * share, decimals);
    if (share > 0 && text.contains(QRegularExpression(QStringLiteral("[1-9]"))))
        text.prepend(QLatin1Char('+'));
    return text + kPercentSuffix;
}

void SetText(QLabel* label, const QString& text)
{
    if (label->text() != text)
        label->setText(text);
}

} // namespace

MeasurementsPanel::MeasurementsPanel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("MeasurementsPanel"));
    setFixedWidth(kPanelWidth);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(1, 1);
    column->addLayout(grid);

    AddPanelSection(this, grid, QT_TR_NOOP("Période (en s)"));
    lblPeriodeMesuree_ =
        AddPanelRow(this, grid, "lblPeriodeMesuree", QT_TR_NOOP("mesurée :"),
                    QT_TR_NOOP("Temps moyen entre deux passages par la verticale dans le "
                               "même sens, interpolé entre les pas de calcul"),
                    2);
    lblPeriodePetitsAngles_ =
        AddPanelRow(this, grid, "lblPeriodePetitsAngles", QT_TR_NOOP("petits angles :"),
                    QT_TR_NOOP("Pseudo-période 2π/√(ω₀² − λ²) de l'équation où sin θ = θ, et "
                               "l'écart de la mesure à cette valeur"),
                    2);
    lblPeriodeExacte_ =
        AddPanelRow(this, grid, "lblPeriodeExacte", QT_TR_NOOP("exacte :"),
                    QT_TR_NOOP("Période du pendule sans amortissement, 4·K(sin(θ₀/2))/ω₀ "
                               "(intégrale elliptique complète de première espèce), et "
                               "l'écart de la mesure à cette valeur"),
                    2);
    AddPanelSection(this, grid, QT_TR_NOOP("Amortissement"));
    lblDecrement_ =
        AddPanelRow(this, grid, "lblDecrement", QT_TR_NOOP("décrément δ :"),
                    QT_TR_NOOP("Décrément logarithmique (1/n)·ln(θₖ/θₖ₊ₙ) des maxima successifs"));
    lblLambdaMesure_ =
        AddPanelRow(this, grid, "lblLambdaMesure", QT_TR_NOOP("λ mesuré :"), nullptr, 2);
    lblQualiteMesuree_ =
        AddPanelRow(this, grid, "lblQualiteMesuree", QT_TR_NOOP("Q mesuré :"), nullptr, 2);
    AddPanelSection(this, grid, QT_TR_NOOP("Énergie par unité de m·L² (en s⁻²)"));
    lblEnergieCinetique_ = AddPanelRow(this, grid, "lblEnergieCinetique", QT_TR_NOOP("cinétique :"),
                                       QT_TR_NOOP("½θ'²"));
    lblEnergiePotentielle_ = AddPanelRow(this, grid, "lblEnergiePotentielle",
                                         QT_TR_NOOP("potentielle :"), QT_TR_NOOP("ω₀²(1 − cos θ)"));
    lblEnergieTotale_ = AddPanelRow(this, grid, "lblEnergieTotale", QT_TR_NOOP("totale :"));
    lblEnergiePerdue_ = AddPanelRow(this, grid, "lblEnergiePerdue", QT_TR_NOOP("perdue :"),
                                    QT_TR_NOOP("Part de l'énergie du départ perdue depuis"));

    column->addSpacing(6);
    column->addWidget(BoldLabel(this, QT_TR_NOOP("Période et amplitude")));
    picPeriodeAmplitude_ = new PictureBox(this);
    picPeriodeAmplitude_->setObjectName(QStringLiteral("picPeriodeAmplitude"));
    picPeriodeAmplitude_->setFixedSize(kPanelWidth - 8, kPlotHeight);
    picPeriodeAmplitude_->SetBackColor(ToColour(palette().color(QPalette::Base)));
    column->addWidget(picPeriodeAmplitude_);
    cmdBalayer_ = new QPushButton(this);
    cmdBalayer_->setObjectName(QStringLiteral("cmdBalayer"));
    SetTranslatable(cmdBalayer_, "text", QT_TR_NOOP("&Balayer"));
    SetTranslatable(cmdBalayer_, "toolTip",
                    QT_TR_NOOP("Mesure la période du modèle lâché sans vitesse de 5° à 175°"));
    connect(cmdBalayer_, &QPushButton::clicked, this, &MeasurementsPanel::Sweep);
    cmdEffacerLancers_ = new QPushButton(this);
    cmdEffacerLancers_->setObjectName(QStringLiteral("cmdEffacerLancers"));
    SetTranslatable(cmdEffacerLancers_, "text", QT_TR_NOOP("&Effacer les lancers"));
    SetTranslatable(cmdEffacerLancers_, "toolTip",
                    QT_TR_NOOP("Retire du graphique les points des lancers précédents, et oublie "
                               "les lancers gardés des graphiques"));
    cmdEffacerLancers_->setEnabled(false);
    connect(cmdEffacerLancers_, &QPushButton::clicked, this, [this] {
        ClearEarlierRuns();
        emit ClearRunsAsked();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdBalayer_);
    buttons->addWidget(cmdEffacerLancers_);
    buttons->addStretch(1);
    column->addLayout(buttons);
    column->addStretch(1);

    // The static texts follow the language with the frame; the values and
    // the plot's words are written again.
    RetranslateOnLanguageChange(*this, [this] { Retranslate(); });
    Retranslate();
}

void MeasurementsPanel::Retranslate()
{
    // The picture box is a class of its own: its name is translated here,
    // in the panel's context.
    picPeriodeAmplitude_->setAccessibleName(
        tr("Période rapportée à T₀ en fonction de l'amplitude"));
    plotStale_ = true;
    Refresh();
}

MeasurementsPanel::~MeasurementsPanel() = default;

void MeasurementsPanel::Follow(const DampedRun* run)
{
    if (run_ == run)
        return;
    EndRun();
    run_ = run;
    Refresh();
}

void MeasurementsPanel::EndRun()
{
    if (points_.thisRun) {
        points_.earlierRuns.push_back(*points_.thisRun);
        points_.thisRun.reset();
        plotStale_ = true;
        emit EarlierRunsChanged();
    }
}

void MeasurementsPanel::Refresh()
{
    if (run_ != nullptr) {
        const MotionMeasurement& measurement = run_->Measurement();
        const MeasurementReport report = ReportOf(measurement, run_->Parameters());
        // A reset ends the run: its point stays among the earlier ones.
        if (measurement.Empty())
            EndRun();
        if (report.point != points_.thisRun) {
            points_.thisRun = report.point;
            plotStale_ = true;
        }
        if (isVisible())
            ShowReport(report);
    }
    if (isVisible() && plotStale_)
        RedrawPlot();
}

void MeasurementsPanel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    Refresh();
}

void MeasurementsPanel::ShowReport(const MeasurementReport& r)
{
    const auto why = [](Unmeasured missing) {
        switch (missing) {
        case Unmeasured::NotYet:
            return tr("pas encore mesuré");
        case Unmeasured::Aperiodic:
            return tr("sans objet en régime apériodique");
        case Unmeasured::Critical:
            return tr("sans objet en régime critique");
        case Unmeasured::Undamped:
            return tr("sans objet sans amortissement");
        case Unmeasured::Damped:
            return tr("sans objet avec amortissement");
        case Unmeasured::OverTheTop:
            return tr("sans objet : le pendule atteint le haut");
        case Unmeasured::AtRest:
            return tr("sans objet : le pendule est immobile");
        }
        return QString();
    };
    const auto text = [&why](const Reading& reading, auto format) {
        return reading.value ? format(*reading.value) : why(reading.missing);
    };
    const auto period = [](double v) { return Number(v, kDecimalsPeriod) + QStringLiteral(" s"); };
    const auto withDeviation = [&](const Reading& formula, std::optional<double> deviation) {
        QString shown = text(formula, period);
        if (deviation)
            shown +=
                QLatin1Char('\n') + tr("mesure : %1").arg(Percent(*deviation, kDecimalsDeviation));
        return shown;
    };

    QString measured = text(r.period, period);
    if (r.period.value && r.revolutions)
        measured += QLatin1Char('\n')
            + (r.periods == 1 ? tr("sur 1 tour") : tr("sur %1 tours").arg(r.periods));
    else if (r.period.value)
        measured += QLatin1Char('\n')
            + (r.periods == 1 ? tr("sur 1 oscillation") : tr("sur %1 oscillations").arg(r.periods));
    SetText(lblPeriodeMesuree_, measured);
    SetText(lblPeriodePetitsAngles_, withDeviation(r.smallAnglePeriod, r.smallAngleDeviation));
    SetText(lblPeriodeExacte_, withDeviation(r.exactPeriod, r.exactDeviation));

    const std::string sep = QLocale().decimalPoint().toStdString();
    SetText(lblDecrement_,
            text(r.decrement, [](double v) { return Number(v, kDecimalsDecrement); }));
    QString lambda = text(
        r.lambda, [](double v) { return Number(v, kDecimalsLambda) + QStringLiteral(" s⁻¹"); });
    if (r.lambda.value)
        lambda +=
            QLatin1Char('\n') + tr("réglé : %1").arg(FromUtf8(LambdaCaption(r.lambdaSetting, sep)));
    SetText(lblLambdaMesure_, lambda);
    QString quality = text(r.quality, [](double v) { return Number(v, kDecimalsQuality); });
    if (r.quality.value && r.qualitySetting)
        quality += QLatin1Char('\n')
            + tr("réglé : %1").arg(FromUtf8(QualityCaption(r.qualitySetting, sep)));
    SetText(lblQualiteMesuree_, quality);

    // The three energies to the same decimals, those of the total's digits.
    const int decimals = DecimalsFor(r.energy.Total(), kEnergyDigits);
    SetText(lblEnergieCinetique_, Number(r.energy.kinetic, decimals));
    SetText(lblEnergiePotentielle_, Number(r.energy.potential, decimals));
    SetText(lblEnergieTotale_, Number(r.energy.Total(), decimals));
    SetText(lblEnergiePerdue_, text(r.energyLost, [](double v) {
                return Number(100 * v, kDecimalsLost) + kPercentSuffix;
            }));
}

PeriodAmplitudeTexts MeasurementsPanel::PlotTexts()
{
    const auto utf8 = [](const QString& s) { return s.toStdString(); };
    return {utf8(tr("T/T₀")),           utf8(tr("amplitude θ₀ (en degrés)")),
            utf8(tr("exacte")),         utf8(tr("Borda 1 + θ₀²/16")),
            utf8(tr("balayage")),       utf8(tr("lancers précédents")),
            utf8(tr("lancer en cours"))};
}

void MeasurementsPanel::ClearEarlierRuns()
{
    const bool had = HasEarlierRuns();
    points_.earlierRuns.clear();
    plotStale_ = true;
    if (isVisible())
        RedrawPlot();
    if (had)
        emit EarlierRunsChanged();
}

void MeasurementsPanel::RedrawPlot()
{
    plotStale_ = false;
    cmdEffacerLancers_->setEnabled(!points_.earlierRuns.empty());
    DrawPeriodAmplitudePlot(*picPeriodeAmplitude_, points_, PlotTexts());
}

PlotPicture MeasurementsPanel::PeriodPlot() const
{
    PlotPicture plot = PictureOfBox(*picPeriodeAmplitude_, QStringLiteral("periode-amplitude"),
                                    tr("Période en fonction de l'amplitude"));
    plot.draw = [points = points_](PictureSurface& surface) {
        DrawPeriodAmplitudePlot(surface, points, PlotTexts());
    };
    return plot;
}

void MeasurementsPanel::Sweep()
{
    QProgressDialog progress(tr("Mesure de la période de 5° à 175°…"), tr("Annuler"), 0, 1, this);
    progress.setWindowTitle(tr("Balayer"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kSweepProgressDelayMs);
    points_.swept = SweepPeriodRatios([&progress](int done, int total) {
        progress.setMaximum(total);
        progress.setValue(done);
        return !progress.wasCanceled();
    });
    plotStale_ = true;
    if (isVisible())
        RedrawPlot();
}

} // namespace kestrova
