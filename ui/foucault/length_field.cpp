#include "ui/foucault/length_field.h"

#include "model/captions.h"
#include "plot/qt_utf8.h"

namespace kestrova::foucault {

QString LengthText(double metres, const QLocale& locale)
{
    return FromUtf8(FormatFixed(metres, 1, locale.decimalPoint().toStdString()));
}

std::string TypedAscii(const QString& text, const QLocale& locale)
{
    // Decimal digits are ten consecutive code points from the locale's zero.
    const QList<uint> zero = locale.zeroDigit().toUcs4();
    QList<uint> codePoints = text.toUcs4();
    if (zero.size() == 1 && zero.front() != '0') {
        for (uint& c : codePoints) {
            if (c >= zero.front() && c <= zero.front() + 9)
                c = '0' + (c - zero.front());
        }
    }
    QString ascii = QString::fromUcs4(reinterpret_cast<const char32_t*>(codePoints.constData()),
                                      codePoints.size());
    if (locale.negativeSign() != QLatin1String("-"))
        ascii.replace(locale.negativeSign(), QStringLiteral("-"));
    return ascii.toStdString();
}

LengthReading ReadLengthText(const QString& text, const QLocale& locale)
{
    return ReadLength(TypedAscii(text, locale), locale.decimalPoint().toStdString());
}

} // namespace kestrova::foucault
