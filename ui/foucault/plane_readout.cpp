#include "ui/foucault/plane_readout.h"

#include "model/captions.h"
#include "model/foucault_motion.h"
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

std::string Separator(const QLocale& locale)
{
    return locale.decimalPoint().toStdString();
}

} // namespace

QString SimulatedClockText(double seconds, const QLocale& locale)
{
    const double minutes = std::floor(std::max(seconds, 0.0) / 60.0);
    const double hours = std::floor(minutes / 60.0);
    const std::string minutesText = FormatFixed(minutes - hours * 60.0, 0, Separator(locale));
    return FromUtf8(FormatFixed(hours, 0, Separator(locale)) + " h "
                    + (minutesText.size() < 2 ? "0" : "") + minutesText + " min");
}

QString TurningText(double clockwise, int decimals, const QString& unit, const QLocale& locale)
{
    const std::string number = FormatFixed(std::abs(clockwise), decimals, Separator(locale));
    const QString text = FromUtf8(number) + unit;
    if (number.find_first_not_of(Separator(locale) + "0") == std::string::npos)
        return text;
    return text + QStringLiteral(", ")
        + (clockwise > 0
               ? QCoreApplication::translate("kestrova::PlaneReadout", "sens horaire")
               : QCoreApplication::translate("kestrova::PlaneReadout", "sens antihoraire"));
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
    form->setVerticalSpacing(4);
    auto addRow = [&](const char* name, const char* caption) {
        auto* value = new QLabel(this);
        value->setObjectName(QLatin1String(name));
        value->setTextFormat(Qt::PlainText);
        // A fixed size keeps the new text of each tick from laying out the box again.
        value->setFixedSize(foucault::kValueWidth, QFontMetrics(value->font()).height());
        auto* title = new QLabel(this);
        SetTranslatable(title, "text", caption);
        form->addRow(title, value);
        return value;
    };
    lblTempsSimule_ = addRow("lblTempsSimule", QT_TR_NOOP("Temps simulé depuis le lancement :"));
    lblAngleTourne_ = addRow("lblAngleTourne", QT_TR_NOOP("Angle tourné par le plan :"));
    lblVitesseLoi_ = addRow("lblVitesseLoi", QT_TR_NOOP("Vitesse prévue par la loi Ω·sin φ :"));
    lblTourComplet_ = addRow("lblTourComplet", QT_TR_NOOP("Durée d'un tour complet :"));
    lblVitesseMesuree_ =
        addRow("lblVitesseMesuree", QT_TR_NOOP("Vitesse mesurée sur les oscillations :"));
}

void PlaneReadout::Show(double simulatedSeconds, double omegaTerre,
                        std::optional<double> measuredRate)
{
    const QLocale locale;
    const QString perHour = QStringLiteral(" °/h");
    SetCaption(lblTempsSimule_, foucault::SimulatedClockText(simulatedSeconds, locale), false);
    const double turn = foucault::PlaneTurn(omegaTerre, simulatedSeconds) / DegToRad;
    SetCaption(lblAngleTourne_, foucault::TurningText(turn, 1, QStringLiteral("°"), locale), false);
    SetCaption(lblVitesseLoi_,
               foucault::TurningText(foucault::DegreesPerHour(omegaTerre), 2, perHour, locale),
               false);
    SetCaption(lblTourComplet_, FullTurnText(foucault::FullTurnHours(omegaTerre), locale), false);
    SetCaption(lblVitesseMesuree_,
               measuredRate ? foucault::TurningText(foucault::DegreesPerHour(*measuredRate), 2,
                                                    perHour, locale)
                            : QStringLiteral("—"),
               false);
}

QStringList PlaneReadout::Lines() const
{
    // Read from the rows as they stand: a row added to the readout is
    // printed with the others.
    QStringList lines;
    const auto* form = qobject_cast<const QFormLayout*>(layout());
    for (int row = 0; form != nullptr && row < form->rowCount(); ++row) {
        QStringList parts;
        for (const QFormLayout::ItemRole role : {QFormLayout::LabelRole, QFormLayout::FieldRole}) {
            const QLayoutItem* item = form->itemAt(row, role);
            const auto* label =
                item != nullptr ? qobject_cast<const QLabel*>(item->widget()) : nullptr;
            if (label != nullptr && label->isVisibleTo(this) && !label->text().isEmpty())
                parts << label->text();
        }
        if (!parts.isEmpty())
            lines << parts.join(QLatin1Char(' '));
    }
    return lines;
}

} // namespace kestrova
