#include "tests/support/recording_surface.h"

namespace kestrova::testing {

std::size_t CodePoints(std::string_view utf8)
{
    std::size_t n = 0;
    for (const char ch : utf8)
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80)
            ++n;
    return n;
}

RecordingSurface::RecordingSurface(double pixelWidth, double pixelHeight)
    : pixelWidth_(pixelWidth)
    , pixelHeight_(pixelHeight)
{ }

void RecordingSurface::SetPixelSize(double width, double height)
{
    pixelWidth_ = width;
    pixelHeight_ = height;
}

double RecordingSurface::TextPixelWidth(std::string_view text) const
{
    return static_cast<double>(CodePoints(text)) * charWidth;
}

double RecordingSurface::TextPixelHeight(std::string_view) const
{
    return lineHeight;
}

Primitive RecordingSurface::Stamp(PrimitiveKind kind) const
{
    Primitive p;
    p.kind = kind;
    p.drawStyle = DrawStyle();
    p.drawWidth = DrawWidth();
    p.fillStyle = FillStyle();
    p.fillColor = FillColor();
    p.font = Font();
    p.scaleLeft = ScaleLeft();
    p.scaleTop = ScaleTop();
    p.scaleWidth = ScaleWidth();
    p.scaleHeight = ScaleHeight();
    return p;
}

void RecordingSurface::DeviceClear()
{
    primitives.push_back(Stamp(PrimitiveKind::Clear));
}

void RecordingSurface::DeviceLine(double x1, double y1, double x2, double y2, Colour c, bool box)
{
    Primitive p = Stamp(box ? PrimitiveKind::Box : PrimitiveKind::Line);
    p.x1 = x1;
    p.y1 = y1;
    p.x2 = x2;
    p.y2 = y2;
    p.colour = c;
    primitives.push_back(std::move(p));
}

void RecordingSurface::DeviceCircle(double x, double y, double radius, Colour c)
{
    Primitive p = Stamp(PrimitiveKind::Circle);
    p.x1 = x;
    p.y1 = y;
    p.x2 = radius;
    p.colour = c;
    primitives.push_back(std::move(p));
}

void RecordingSurface::DevicePoint(double x, double y, Colour c)
{
    Primitive p = Stamp(PrimitiveKind::Point);
    p.x1 = x;
    p.y1 = y;
    p.colour = c;
    primitives.push_back(std::move(p));
}

void RecordingSurface::DeviceText(double x, double y, std::string_view text)
{
    Primitive p = Stamp(PrimitiveKind::Text);
    p.x1 = x;
    p.y1 = y;
    p.colour = ForeColor();
    p.text = std::string(text);
    primitives.push_back(std::move(p));
}

void RecordingSurface::TextOutRotated(int px, int py, std::string_view text,
                                      const RotatedFont& font)
{
    Primitive p = Stamp(PrimitiveKind::RotatedText);
    p.pixelX = px;
    p.pixelY = py;
    p.rotatedFont = font;
    p.text = std::string(text);
    p.colour = ForeColor();
    primitives.push_back(std::move(p));
}

} // namespace kestrova::testing
