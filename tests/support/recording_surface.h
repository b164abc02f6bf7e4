#pragma once

// A picture surface that draws nothing and remembers every primitive, with
// the pen and fill in force when it was drawn. Runs too long to remember
// them (kCountsOnly) keep none. Text metrics are the same on every machine:
// every character 6 pixels wide, every line 13 pixels high.

#include "plot/picture_surface.h"
#include "plot/utf8.h"

#include <string>
#include <vector>

namespace kestrova::testing {

enum class PrimitiveKind { Clear, Line, Box, Circle, Point, Text, RotatedText };

struct Primitive {
    PrimitiveKind kind = PrimitiveKind::Clear;
    /// User coordinates; circle: centre and radius in x2; rotated text: pixels.
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Colour colour = 0;
    std::string text;
    int drawStyle = 0;
    int drawWidth = 1;
    int fillStyle = 0;
    Colour fillColor = 0;
};

class RecordingSurface final : public PictureSurface {
public:
    enum Keep { kEverything, kCountsOnly };

    explicit RecordingSurface(double pixelWidth = 344, double pixelHeight = 320,
                              Keep keep = kEverything)
        : keep_(keep)
        , pixelWidth_(pixelWidth)
        , pixelHeight_(pixelHeight)
    { }

    std::vector<Primitive> primitives; ///< stays empty with kCountsOnly

    void ClearRecord() { primitives.clear(); }

    int LogicalDpiY() const override { return 96; }
    void TextOutRotated(int px, int py, std::string_view text, const RotatedFont&) override
    {
        Record(PrimitiveKind::RotatedText, px, py, 0, 0, ForeColor(), text);
    }

    bool Visible() const override { return visible_; }
    void SetVisible(bool visible) override { visible_ = visible; }
    double Left() const override { return left_; }
    double Top() const override { return top_; }
    double Width() const override { return pixelWidth_ * kTwipsPerPixel; }
    double Height() const override { return pixelHeight_ * kTwipsPerPixel; }
    void SetLeft(double twips) override { left_ = twips; }
    void SetTop(double twips) override { top_ = twips; }
    void SetWidth(double twips) override { pixelWidth_ = twips / kTwipsPerPixel; }
    void SetHeight(double twips) override { pixelHeight_ = twips / kTwipsPerPixel; }

protected:
    double PixelWidth() const override { return pixelWidth_; }
    double PixelHeight() const override { return pixelHeight_; }
    double TextPixelWidth(std::string_view text) const override { return 6.0 * CodePoints(text); }
    double TextPixelHeight(std::string_view) const override { return 13; }

    void DeviceClear() override { Record(PrimitiveKind::Clear); }
    void DeviceLine(double x1, double y1, double x2, double y2, Colour c, bool box) override
    {
        Record(box ? PrimitiveKind::Box : PrimitiveKind::Line, x1, y1, x2, y2, c);
    }
    void DeviceCircle(double x, double y, double radius, Colour c) override
    {
        Record(PrimitiveKind::Circle, x, y, radius, 0, c);
    }
    void DevicePoint(double x, double y, Colour c) override
    {
        Record(PrimitiveKind::Point, x, y, 0, 0, c);
    }
    void DeviceText(double x, double y, std::string_view text) override
    {
        Record(PrimitiveKind::Text, x, y, 0, 0, ForeColor(), text);
    }

private:
    /// Records a primitive with the pen and fill in force, unless nothing is kept.
    void Record(PrimitiveKind kind, double x1 = 0, double y1 = 0, double x2 = 0, double y2 = 0,
                Colour colour = 0, std::string_view text = {});

    Keep keep_;
    double pixelWidth_;
    double pixelHeight_;
    double left_ = 0, top_ = 0;
    bool visible_ = true;
};

} // namespace kestrova::testing
