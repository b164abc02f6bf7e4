#include "ui/foucault/plane_readout.h"

#include "model/captions.h"
#include "model/foucault_motion.h"
#include "model/foucault_run.h"
#include "plot/qt_utf8.h"
#include "ui/common/form_layout.h"
#include "ui/common/translatable.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QFormLayout>
#include <QLabel>

#include <algorithm>
#include <cmath>

namespace kestrova {

namespace foucault {

namespace {

// Room for the longest value, "123456,78 °/h, sens antihoraire", in pixels.
constexpr int kValueWidth = 270;
// The measured rate is written with at most this many decimals: positions
// taken at the pace of the ticks tell no finer, whatever the scatter says.
constexpr int kRateDecimals = 1;

std::string Separator(const QLocale& locale)
{
    return locale.decimalPoint().toStdString();
}

std::string TwoDigits(double value, const QLocale& locale)
{
    const std::string text = FormatFixed(value, 0, Separator(locale));
    return text.size() < 2 ? "0" + text : text;
}

/// `number` (with its uncertainty, if any) followed by the direction of
/// `clockwise`, unless the number shows as 0.
QString WithDirection(const std::string& number, const std::string& uncertainty, double clockwise,
                      const QString& unit, const QLocale& locale)
{
    const QString text = FromUtf8(number + uncertainty) + unit;
    if (number.find_first_not_of(Separator(locale) + "0") == std::string::npos)
        return text;
    return text + QStringLiteral(", ")
        + (clockwise > 0
               ? QCoreApplication::translate("kestrova::PlaneReadout", "sens horaire")
               : QCoreApplication::translate("kestrova::PlaneReadout", "sens antihoraire"));
}

} // namespace

QString SimulatedClockText(double seconds, const QLocale& locale)
{
    const double wholeSeconds = std::floor(std::max(seconds, 0.0));
    const double minutes = std::floor(wholeSeconds / 60.0);
    const double hours = std::floor(minutes / 60.0);
    return FromUtf8(FormatFixed(hours, 0, Separator(locale)) + " h "
                    + TwoDigits(minutes - hours * 60.0, locale) + " min "
                    + TwoDigits(wholeSeconds - minutes * 60.0, locale) + " s");
}

QString TurningText(double clockwise, int decimals, const QString& unit, const QLocale& locale)
{
    return WithDirection(FormatFixed(std::abs(clockwise), decimals, Separator(locale)), {},
                         clockwise, unit, locale);
}

QString MeasuredRateText(const std::optional<PlaneRate>& rate, const QLocale& locale)
{
    if (!rate)
        return QCoreApplication::translate("kestrova::PlaneReadout", "pas encore mesurable");
    const double value = DegreesPerHour(rate->Clockwise);
    const double uncertainty = DegreesPerHour(rate->Uncertainty);
    const int decimals = uncertainty > 0
        ? std::clamp(static_cast<int>(-std::floor(std::log10(uncertainty))), 0, kRateDecimals)
        : kRateDecimals;
    // Rounded up: the uncertainty shown is never smaller than the one found.
    const double scale = std::pow(10.0, decimals);
    const double shownUncertainty = std::ceil(uncertainty * scale * (1 - 1e-9)) / scale;
    return WithDirection(FormatFixed(std::abs(value), decimals, Separator(locale)),
                         " ± " + FormatFixed(shownUncertainty, decimals, Separator(locale)), value,
                         QStringLiteral(" °/h"), locale);
}

} // namespace foucault

QString PlaneReadout::FullTurnText(std::optional<double> hours, const QLocale& locale)
{
    // Near the equator the time grows without bound; past a million hours
    // its digits say nothing more.
    constexpr double kLongest = 1e6;
    if (!hours)
        return tr("jamais");
    if (*hours > kLongest)
        return tr("plus d'un million d'heures");
    return FromUtf8(FormatFixed(*hours, 2, locale.decimalPoint().toStdString()))
        + QStringLiteral(" h");
}

PlaneReadout::PlaneReadout(QWidget* parent)
    : QGroupBox(parent)
{
    SetTranslatable(this, "title", QT_TR_NOOP("Rotation du plan d'oscillation"));
    auto* form = new QFormLayout(this);
    form->setContentsMargins(6, 4, 6, 4);
    form->setVerticalSpacing(3);
    auto addRow = [&](const char* name, const char* caption) {
        auto* value = new QLabel(this);
        value->setObjectName(QLatin1String(name));
        value->setTextFormat(Qt::PlainText);
        // A fixed size keeps the new text of each tick from laying out the box again.
        value->setFixedSize(foucault::kValueWidth, QFontMetrics(value->font()).height());
        auto* title = new QLabel(this);
        SetTranslatable(title, "text", caption);
        form->addRow(title, value);
        lines_.append(std::pair(title, value));
        return value;
    };
    lblTempsSimule_ = addRow("lblTempsSimule", QT_TR_NOOP("Temps simulé depuis le lancement :"));
    lblPeriode_ = addRow("lblPeriode", QT_TR_NOOP("Période d'une oscillation 2π/Ω :"));
    lblAngleTourne_ = addRow("lblAngleTourne", QT_TR_NOOP("Angle tourné par le plan :"));
    lblVitesseLoi_ = addRow("lblVitesseLoi", QT_TR_NOOP("Vitesse prévue par la loi Ω·sin φ :"));
    lblTourComplet_ = addRow("lblTourComplet", QT_TR_NOOP("Durée d'un tour complet :"));
    lblVitesseMesuree_ =
        addRow("lblVitesseMesuree", QT_TR_NOOP("Vitesse mesurée sur les oscillations :"));
}

void PlaneReadout::Show(const FoucaultRun& run, bool lengthAccepted)
{
    const QLocale locale;
    const QString perHour = QStringLiteral(" °/h");
    const double seconds = run.TempsEcoule();
    const double omegaTerre = run.OmegaTerre();
    SetCaption(lblTempsSimule_, foucault::SimulatedClockText(seconds, locale), false);
    SetCaption(lblPeriode_,
               lengthAccepted ? FromUtf8(FormatFixed(foucault::SwingSeconds(run.OmegaPendule()), 2,
                                                     locale.decimalPoint().toStdString()))
                       + QStringLiteral(" s")
                              : QString(),
               false);
    const double turn = foucault::PlaneTurn(omegaTerre, seconds) / DegToRad;
    SetCaption(lblAngleTourne_, foucault::TurningText(turn, 1, QStringLiteral("°"), locale), false);
    SetCaption(lblVitesseLoi_,
               foucault::TurningText(foucault::DegreesPerHour(omegaTerre), 2, perHour, locale),
               false);
    SetCaption(lblTourComplet_, FullTurnText(foucault::FullTurnHours(omegaTerre), locale), false);
    SetCaption(lblVitesseMesuree_, foucault::MeasuredRateText(run.Meter().Measurement(), locale),
               false);
}

void PlaneReadout::ShowNothing()
{
    for (const auto& [title, value] : lines_)
        SetCaption(value, QString(), false);
}

QStringList PlaneReadout::Lines() const
{
    QStringList lines;
    for (const auto& [title, value] : lines_)
        lines << title->text() + QLatin1Char(' ') + value->text();
    return lines;
}

} // namespace kestrova
