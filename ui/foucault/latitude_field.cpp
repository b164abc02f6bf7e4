#include "ui/foucault/latitude_field.h"

#include "model/captions.h"
#include "plot/qt_utf8.h"
#include "ui/foucault/length_field.h"

#include <QCoreApplication>

#include <cmath>

namespace kestrova::foucault {

QString LatitudeText(double degrees, const QLocale& locale)
{
    QString text = FromUtf8(FormatFixed(std::abs(degrees), 2, locale.decimalPoint().toStdString()));
    if (degrees > 0)
        text += QStringLiteral(" N");
    else if (degrees < 0)
        text += QStringLiteral(" S");
    return text;
}

LatitudeReading ReadLatitudeText(const QString& text, const QLocale& locale)
{
    return ReadLatitude(TypedAscii(text, locale), locale.decimalPoint().toStdString());
}

QString LatitudeRefusalMessage(LatitudeRefusal refusal)
{
    switch (refusal) {
    case LatitudeRefusal::None:
        return {};
    case LatitudeRefusal::NoNumber:
        return QCoreApplication::translate(
            "kestrova::PlacePanel",
            "Latitude non reconnue : tapez un nombre de degrés de 0 à 90, "
            "suivi de N (nord) ou S (sud), ou de −90 à 90.");
    case LatitudeRefusal::OutOfRange:
        return QCoreApplication::translate(
            "kestrova::PlacePanel",
            "Latitude hors limites : de 90 S (pôle Sud) à 90 N (pôle Nord).");
    case LatitudeRefusal::Unreadable:
        return QCoreApplication::translate(
            "kestrova::PlacePanel",
            "Latitude illisible : tapez des degrés, minutes et secondes dans cet ordre, "
            "chacun avec son symbole (45°30'15\" N), ou des degrés décimaux (45,5 N).");
    case LatitudeRefusal::SplitNumber:
        return QCoreApplication::translate(
            "kestrova::PlacePanel",
            "Latitude illisible : un blanc sépare des chiffres. Pour 45 degrés 30 minutes, "
            "tapez 45°30' N ou 45,5 N.");
    case LatitudeRefusal::BadMinutes:
        return QCoreApplication::translate(
            "kestrova::PlacePanel",
            "Latitude illisible : les minutes et les secondes vont de 0 à moins de 60.");
    }
    return {};
}

} // namespace kestrova::foucault
