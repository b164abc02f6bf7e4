#pragma once

/// \file
/// The text of the latitude field in the user's locale, under the same rules
/// as the length field: written with ASCII digits, the user's decimal
/// separator and the hemisphere's letter; read back with the user's own
/// digits accepted as well; a refused text explained beside the field.

#include "model/latitude_reading.h"

#include <QLocale>
#include <QString>

namespace kestrova::foucault {

/// Two decimals and the hemisphere: "48,85 N" in French, "33.87 S" in
/// English, "0,00" at the equator.
[[nodiscard]] QString LatitudeText(double degrees, const QLocale& locale);

/// Reads a typed latitude: TypedAscii, then ReadLatitude with the locale's
/// decimal separator.
[[nodiscard]] LatitudeReading ReadLatitudeText(const QString& text, const QLocale& locale);

/// Why the text is refused, with the accepted range; empty for an accepted
/// latitude.
[[nodiscard]] QString LatitudeRefusalMessage(LatitudeRefusal refusal);

} // namespace kestrova::foucault
