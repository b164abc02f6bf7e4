#pragma once

#include <QFont>
#include <QStringList>

namespace kestrova {

/// The classic 8.25-point dialog font both simulation windows were laid out
/// with. Where it is missing, Liberation Sans (metric-compatible with Arial)
/// keeps the texts inside their design sizes; fontconfig's own pick would be
/// much wider.
inline QFont DialogFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("Helvetica")});
    font.setPointSizeF(8.25);
    return font;
}

} // namespace kestrova
