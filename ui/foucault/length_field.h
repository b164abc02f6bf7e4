#pragma once

/// \file
/// The text of the length field in the user's locale: the length written
/// with ASCII digits and the user's decimal separator, and the typed text
/// read back with the user's own digits accepted as well.

#include "model/pendulum_length.h"

#include <QLocale>
#include <QString>

#include <string>

namespace kestrova::foucault {

/// One decimal, ASCII digits, the locale's decimal separator and no group
/// separator: "67,0" in French, "67.0" in English, "67٫0" in Persian.
[[nodiscard]] QString LengthText(double metres, const QLocale& locale);

/// A typed text as the model's readers take it (UTF-8): the locale's own
/// digits ("۶۷" in Persian) and its minus sign written as ASCII.
[[nodiscard]] std::string TypedAscii(const QString& text, const QLocale& locale);

/// Reads a typed length: TypedAscii, then ReadLength with the locale's
/// decimal separator.
[[nodiscard]] LengthReading ReadLengthText(const QString& text, const QLocale& locale);

} // namespace kestrova::foucault
