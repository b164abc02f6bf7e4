#include "ui/damped/measurements_panel.h"

#include "model/captions.h"
#include "model/measurement_report.h"
#include "model/period_sweep.h"
#include "plot/qt_colour.h"
#include "plot/qt_picture_box.h"
#include "ui/damped/frm_pendule_amorti.h"

#include <QGridLayout>
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
// A sweep shorter than this shows no progress window at all.
constexpr int kSweepProgressDelayMs = 400;

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

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
    return text + QStringLiteral(" %");
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

    const QString seconds = tr("en s");
    AddSection(grid, tr("Période (%1)").arg(seconds));
    lblPeriodeMesuree_ = AddRow(grid, "lblPeriodeMesuree", tr("mesurée :"),
                                tr("Temps moyen entre deux passages par la verticale dans le "
                                   "même sens, interpolé entre les pas de calcul"),
                                2);
    lblPeriodePetitsAngles_ =
        AddRow(grid, "lblPeriodePetitsAngles", tr("petits angles :"),
               tr("Pseudo-période 2π/√(ω₀² − λ²) de l'équation où sin θ = θ, et "
                  "l'écart de la mesure à cette valeur"),
               2);
    lblPeriodeExacte_ = AddRow(grid, "lblPeriodeExacte", tr("exacte :"),
                               tr("Période du pendule sans amortissement, 4·K(sin(θ₀/2))/ω₀ "
                                  "(intégrale elliptique complète de première espèce), et "
                                  "l'écart de la mesure à cette valeur"),
                               2);
    AddSection(grid, tr("Amortissement"));
    lblDecrement_ = AddRow(grid, "lblDecrement", tr("décrément δ :"),
                           tr("Décrément logarithmique (1/n)·ln(θₖ/θₖ₊ₙ) des maxima successifs"));
    lblLambdaMesure_ = AddRow(grid, "lblLambdaMesure", tr("λ mesuré :"), {}, 2);
    lblQualiteMesuree_ = AddRow(grid, "lblQualiteMesuree", tr("Q mesuré :"), {}, 2);
    AddSection(grid, tr("Énergie par unité de m·L² (en s⁻²)"));
    lblEnergieCinetique_ = AddRow(grid, "lblEnergieCinetique", tr("cinétique :"), tr("½θ'²"));
    lblEnergiePotentielle_ =
        AddRow(grid, "lblEnergiePotentielle", tr("potentielle :"), tr("ω₀²(1 − cos θ)"));
    lblEnergieTotale_ = AddRow(grid, "lblEnergieTotale", tr("totale :"));
    lblEnergiePerdue_ = AddRow(grid, "lblEnergiePerdue", tr("perdue :"),
                               tr("Part de l'énergie du départ perdue depuis"));

    auto* plotTitle = new QLabel(tr("Période et amplitude"), this);
    QFont bold = plotTitle->font();
    bold.setBold(true);
    plotTitle->setFont(bold);
    column->addSpacing(6);
    column->addWidget(plotTitle);
    picPeriodeAmplitude_ = new PictureBox(this);
    picPeriodeAmplitude_->setObjectName(QStringLiteral("picPeriodeAmplitude"));
    picPeriodeAmplitude_->setAccessibleName(
        tr("Période rapportée à T₀ en fonction de l'amplitude"));
    picPeriodeAmplitude_->setFixedSize(kPanelWidth - 8, kPlotHeight);
    picPeriodeAmplitude_->SetBackColor(ToColour(palette().color(QPalette::Base)));
    column->addWidget(picPeriodeAmplitude_);
    cmdBalayer_ = new QPushButton(tr("&Balayer"), this);
    cmdBalayer_->setObjectName(QStringLiteral("cmdBalayer"));
    cmdBalayer_->setToolTip(tr("Mesure la période du modèle lâché sans vitesse de 5° à 175°"));
    connect(cmdBalayer_, &QPushButton::clicked, this, &MeasurementsPanel::Sweep);
    column->addWidget(cmdBalayer_, 0, Qt::AlignLeft);
    column->addStretch(1);
}

MeasurementsPanel::~MeasurementsPanel() = default;

QLabel* MeasurementsPanel::AddSection(QGridLayout* grid, const QString& title)
{
    auto* label = new QLabel(title, this);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    const int row = grid->rowCount();
    if (row > 1)
        grid->setRowMinimumHeight(row, label->sizeHint().height() + 6);
    grid->addWidget(label, row, 0, 1, 2, Qt::AlignBottom);
    return label;
}

QLabel* MeasurementsPanel::AddRow(QGridLayout* grid, const char* name, const QString& title,
                                  const QString& toolTip, int lines)
{
    const int row = grid->rowCount();
    auto* titleLabel = new QLabel(title, this);
    titleLabel->setToolTip(toolTip);
    auto* value = new QLabel(this);
    value->setObjectName(QLatin1String(name));
    value->setWordWrap(true);
    value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    value->setToolTip(toolTip);
    // Room for the longest text from the start: the panel does not jump
    // when a value appears beside the words that stood for it.
    value->setMinimumHeight(lines * value->fontMetrics().lineSpacing());
    titleLabel->setBuddy(value);
    grid->addWidget(titleLabel, row, 0, Qt::AlignTop);
    grid->addWidget(value, row, 1, Qt::AlignTop);
    return value;
}

void MeasurementsPanel::Follow(frmPenduleAmorti* window)
{
    if (window_ == window)
        return;
    if (window_)
        disconnect(window_, nullptr, this, nullptr);
    EndRun();
    window_ = window;
    if (window_)
        connect(window_, &frmPenduleAmorti::MeasurementsChanged, this, &MeasurementsPanel::Refresh);
    Refresh();
}

void MeasurementsPanel::EndRun()
{
    if (points_.thisRun) {
        points_.earlierRuns.push_back(*points_.thisRun);
        points_.thisRun.reset();
        plotStale_ = true;
    }
}

void MeasurementsPanel::Refresh()
{
    if (window_) {
        const PenduleState& s = window_->State();
        const MotionMeasurement& measurement = window_->Measurement();
        const MeasurementReport report =
            ReportOf(measurement, {s.Teta0, s.Omega0, s.Pulsation2, s.Lambda});
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
    if (r.period.value)
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
            + tr("réglé : %1").arg(FromUtf8(QualityCaption(*r.qualitySetting, sep)));
    SetText(lblQualiteMesuree_, quality);

    // The three energies to the same decimals, those of the total's digits.
    const int decimals = DecimalsFor(r.energy.Total(), kEnergyDigits);
    SetText(lblEnergieCinetique_, Number(r.energy.kinetic, decimals));
    SetText(lblEnergiePotentielle_, Number(r.energy.potential, decimals));
    SetText(lblEnergieTotale_, Number(r.energy.Total(), decimals));
    SetText(lblEnergiePerdue_, text(r.energyLost, [](double v) {
                return Number(100 * v, kDecimalsLost) + QStringLiteral(" %");
            }));
}

void MeasurementsPanel::RedrawPlot()
{
    plotStale_ = false;
    const auto utf8 = [](const QString& s) { return s.toStdString(); };
    DrawPeriodAmplitudePlot(*picPeriodeAmplitude_, points_,
                            {utf8(tr("T/T₀")), utf8(tr("amplitude θ₀ (en degrés)")),
                             utf8(tr("exacte")), utf8(tr("Borda 1 + θ₀²/16")), utf8(tr("balayage")),
                             utf8(tr("lancers précédents")), utf8(tr("lancer en cours"))});
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
