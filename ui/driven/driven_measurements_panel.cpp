#include "ui/driven/driven_measurements_panel.h"

#include "model/driven_report.h"
#include "model/driven_run.h"
#include "model/fixed_decimal.h"
#include "plot/qt_utf8.h"
#include "ui/common/panel_rows.h"
#include "ui/common/translatable.h"

#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
#include <QVBoxLayout>

#include <numbers>

namespace kestrova {

namespace {

constexpr int kPanelWidth = 236;      // px: as wide as the damped window's panel
constexpr int kDecimalsAngle = 2;     // °
constexpr int kDecimalsDeviation = 2; // %
constexpr double kDegrees = 180 / std::numbers::pi;
// A number and its percent sign stay on one line.
const QString kPercentSuffix = QString(QChar(0x00A0)) + QLatin1Char('%');

/// ASCII digits, the user's decimal separator, no group separator.
QString Degrees(double radians)
{
    return FromUtf8(FormatFixed(radians * kDegrees, kDecimalsAngle,
                                QLocale().decimalPoint().toStdString()))
        + QStringLiteral("°");
}

/// "+3,90 %", "-0,25 %", "0,00 %".
QString Percent(double share)
{
    QString text = FromUtf8(
        FormatFixed(100 * share, kDecimalsDeviation, QLocale().decimalPoint().toStdString()));
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

DrivenMeasurementsPanel::DrivenMeasurementsPanel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("DrivenMeasurementsPanel"));
    setFixedWidth(kPanelWidth);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(1, 1);
    column->addLayout(grid);

    const char* criterion =
        QT_TR_NOOP("Le régime transitoire est terminé quand l'état au début d'une période de "
                   "l'excitation répète celui du début de la précédente à 10⁻⁶ près : "
                   "|Δθ| + |Δθ'|/Ω rapporté à |θ| + |θ'|/Ω (Δθ à un tour près).");
    AddPanelSection(this, grid, QT_TR_NOOP("Régime"));
    lblRegime_ = AddPanelRow(this, grid, "lblRegime", QT_TR_NOOP("état :"), criterion, 3);
    lblCritere_ = new QLabel(this);
    lblCritere_->setObjectName(QStringLiteral("lblCritere"));
    SetTranslatable(lblCritere_, "text", criterion);
    lblCritere_->setWordWrap(true);
    lblCritere_->setContentsMargins(0, 4, 0, 0);
    QFont small = lblCritere_->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    lblCritere_->setFont(small);
    lblCritere_->setForegroundRole(QPalette::PlaceholderText);
    grid->addWidget(lblCritere_, grid->rowCount(), 0, 1, 2);

    const char* amplitudeTheory =
        QT_TR_NOOP("A(Ω) = γω₀²/√((ω₀² − Ω²)² + 4λ²Ω²), l'amplitude de l'équation où "
                   "sin θ = θ, et l'écart de la mesure à cette valeur");
    AddPanelSection(this, grid, QT_TR_NOOP("Amplitude en régime permanent"));
    lblAmplitudeMesuree_ =
        AddPanelRow(this, grid, "lblAmplitudeMesuree", QT_TR_NOOP("mesurée :"),
                    QT_TR_NOOP("Demi-écart entre l'angle le plus haut et le plus bas sur la "
                               "dernière période de l'excitation"),
                    2);
    lblAmplitudePetitsAngles_ = AddPanelRow(this, grid, "lblAmplitudePetitsAngles",
                                            QT_TR_NOOP("petits angles :"), amplitudeTheory, 2);

    AddPanelSection(this, grid, QT_TR_NOOP("Retard de phase sur l'excitation"));
    lblRetardMesure_ =
        AddPanelRow(this, grid, "lblRetardMesure", QT_TR_NOOP("mesuré :"),
                    QT_TR_NOOP("Retard du fondamental de l'angle sur γω₀² cos Ωt, sur la dernière "
                               "période de l'excitation"),
                    2);
    lblRetardPetitsAngles_ = AddPanelRow(
        this, grid, "lblRetardPetitsAngles", QT_TR_NOOP("petits angles :"),
        QT_TR_NOOP("φ = atan2(2λΩ, ω₀² − Ω²), le retard de l'équation où sin θ = θ, et l'écart "
                   "de la mesure à cette valeur"),
        2);
    column->addStretch(1);

    RetranslateOnLanguageChange(*this, [this] { Refresh(); });
}

void DrivenMeasurementsPanel::Follow(const DrivenRun* run)
{
    run_ = run;
    Refresh();
}

void DrivenMeasurementsPanel::Refresh()
{
    if (run_ != nullptr && isVisible())
        ShowReport(DrivenReportOf(run_->StepRecording(), run_->Setup(), run_->Steady().settled));
}

void DrivenMeasurementsPanel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    Refresh();
}

void DrivenMeasurementsPanel::ShowReport(const DrivenReport& r)
{
    // Amplitude is feminine, the lag masculine.
    const auto why = [](DrivenUnmeasured missing, bool feminine) {
        switch (missing) {
        case DrivenUnmeasured::Transient:
            return feminine ? tr("pas encore mesurée : régime transitoire")
                            : tr("pas encore mesuré : régime transitoire");
        case DrivenUnmeasured::NotRepeating:
            return feminine ? tr("aucune : pas de régime permanent")
                            : tr("aucun : pas de régime permanent");
        case DrivenUnmeasured::Turning:
            return feminine ? tr("aucune : le pendule passe par le haut")
                            : tr("aucun : le pendule passe par le haut");
        case DrivenUnmeasured::NoDrive:
            return tr("sans objet sans excitation");
        case DrivenUnmeasured::Unbounded:
            return tr("infinie sans amortissement");
        }
        return QString();
    };
    const auto shown = [&why](const DrivenReading& reading, bool feminine) {
        return reading.value ? Degrees(*reading.value) : why(reading.missing, feminine);
    };
    const auto withGap = [&shown](const DrivenReading& theory, std::optional<double> gap,
                                  bool feminine) {
        QString text = shown(theory, feminine);
        if (gap)
            text += QLatin1Char('\n') + tr("mesure : %1").arg(Percent(*gap));
        return text;
    };

    QString regime;
    switch (r.regime) {
    case DrivenRegime::Transient:
        regime = tr("transitoire (période %1 de l'excitation)").arg(r.periods + 1);
        break;
    case DrivenRegime::Steady:
        regime = r.settledAt == 1 ? tr("permanent, atteint après 1 période")
                                  : tr("permanent, atteint après %1 périodes").arg(r.settledAt);
        break;
    case DrivenRegime::NotRepeating:
        regime = tr("aucun régime permanent : le mouvement ne se répète pas d'une période à "
                    "l'autre");
        break;
    }
    SetText(lblRegime_, regime);
    SetText(lblAmplitudeMesuree_, shown(r.amplitude, true));
    SetText(lblAmplitudePetitsAngles_, withGap(r.theoryAmplitude, r.amplitudeGap, true));
    SetText(lblRetardMesure_, shown(r.phaseLag, false));
    SetText(lblRetardPetitsAngles_, withGap(r.theoryPhaseLag, r.phaseGap, false));
}

} // namespace kestrova
