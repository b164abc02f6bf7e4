#include "tests/support/recording_surface.h"

#include "plot/utf8.h"

#include <cmath>

namespace kestrova::testing {

RecordingSurface::RecordingSurface(double pixelWidth, double pixelHeight, Keep keep)
    : keep_(keep)
    , pixelWidth_(pixelWidth)
    , pixelHeight_(pixelHeight)
{ }

double RecordingSurface::TextPixelWidth(std::string_view text) const
{
    return static_cast<double>(CodePoints(text)) * charWidth;
}

double RecordingSurface::TextPixelHeight(std::string_view) const
{
    return lineHeight;
}

Primitive* RecordingSurface::Record(PrimitiveKind kind, std::initializer_list<double> coordinates,
                                    Colour colour, std::string_view text)
{
    if (kind == PrimitiveKind::Clear)
        ++clears;
    else
        ++drawn;
    for (const double c : coordinates) {
        if (!std::isfinite(c)) {
            ++nonFinite;
            break;
        }
    }
    if (keep_ == kCountsOnly)
        return nullptr;
    Primitive& p = primitives.emplace_back();
    p.kind = kind;
    auto c = coordinates.begin();
    for (double* field : {&p.x1, &p.y1, &p.x2, &p.y2})
        *field = c != coordinates.end() ? *c++ : 0.0;
    p.colour = colour;
    p.text = std::string(text);
    p.drawStyle = DrawStyle();
    p.drawWidth = DrawWidth();
    p.fillStyle = FillStyle();
    p.fillColor = FillColor();
    p.font = Font();
    p.scaleLeft = ScaleLeft();
    p.scaleTop = ScaleTop();
    p.scaleWidth = ScaleWidth();
    p.scaleHeight = ScaleHeight();
    return &p;
}

void RecordingSurface::DeviceClear()
{
    Record(PrimitiveKind::Clear, {});
}

void RecordingSurface::DeviceLine(double x1, double y1, double x2, double y2, Colour c, bool box)
{
    Record(box ? PrimitiveKind::Box : PrimitiveKind::Line, {x1, y1, x2, y2}, c);
}

void RecordingSurface::DeviceCircle(double x, double y, double radius, Colour c)
{
    Record(PrimitiveKind::Circle, {x, y, radius}, c);
}

void RecordingSurface::DevicePoint(double x, double y, Colour c)
{
    Record(PrimitiveKind::Point, {x, y}, c);
}

void RecordingSurface::DeviceText(double x, double y, std::string_view text)
{
    Record(PrimitiveKind::Text, {x, y}, ForeColor(), text);
}

void RecordingSurface::TextOutRotated(int px, int py, std::string_view text,
                                      const RotatedFont& font)
{
    if (Primitive* p = Record(PrimitiveKind::RotatedText, {}, ForeColor(), text)) {
        p->pixelX = px;
        p->pixelY = py;
        p->rotatedFont = font;
    }
}

} // namespace kestrova::testing
