#pragma once

/// \file
/// Numbers as the user reads them: the interface's locale, with its decimal
/// mark and no group separator (a value in a caption or a table must read
/// back as one number).

#include <QLocale>
#include <QString>

namespace kestrova {

[[nodiscard]] inline QLocale DisplayLocale()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

/// `value` with `decimals` digits after the locale's decimal mark.
[[nodiscard]] inline QString DisplayNumber(double value, int decimals)
{
    return DisplayLocale().toString(value, 'f', decimals);
}

} // namespace kestrova
