#include "plot/qt_pen_and_font.h"

#include "plot/qt_colour.h"
#include "plot/qt_utf8.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace kestrova {

namespace {

QFont::Weight QtWeight(int weight)
{
    // Qt uses the same 1..1000 scale as the font's Weight (400 normal,
    // 700 bold); 0 means "don't care", that is normal.
    return static_cast<QFont::Weight>(weight <= 0 ? 400 : std::min(weight, 1000));
}

} // namespace

QPen SurfacePen(Colour c, int style, int width, Qt::PenCapStyle cap)
{
    QPen pen(ToQColor(c), width, Qt::SolidLine, cap, Qt::MiterJoin);
    // The classic one-pixel patterns, in pixels (pen width 1).
    if (width == 1 && style == kDashed)
        pen.setDashPattern({18, 6});
    else if (width == 1 && style == kDotted)
        pen.setDashPattern({3, 3});
    return pen;
}

Qt::PenCapStyle SlopedLineCap(int style, int width)
{
    return width == 1 && style == kSolid ? Qt::SquareCap : Qt::FlatCap;
}

int FontPixels(double pixels)
{
    constexpr double kLargest = 1 << 16;
    return std::isnan(pixels) ? 1
                              : static_cast<int>(std::clamp(std::nearbyint(pixels), 1.0, kLargest));
}

QFont SurfaceFont(const FontSpec& wanted, int logicalDpi)
{
    QFont font(FromUtf8(wanted.Name));
    font.setPixelSize(FontPixels(wanted.Size * logicalDpi / 72.0));
    font.setWeight(QtWeight(wanted.Weight));
    return font;
}

QFont RotatedTextFont(const RotatedFont& font, int currentPixels)
{
    QFont f(FromUtf8(font.FaceName));
    f.setWeight(QtWeight(font.Weight));
    if (font.Height > 0) {
        // The em size that gives that cell.
        f.setPixelSize(font.Height);
        const QFontMetricsF probe(f);
        const double cell = probe.ascent() + probe.descent();
        if (cell > 0)
            f.setPixelSize(FontPixels(double(font.Height) * font.Height / cell));
    } else if (font.Height < 0) {
        f.setPixelSize(-font.Height);
    } else {
        f.setPixelSize(currentPixels);
    }
    return f;
}

} // namespace kestrova
