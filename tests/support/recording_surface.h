#pragma once

// A picture surface that draws nothing and remembers every primitive, with
// the pen, fill, font and coordinate system in force when it was drawn.
// Runs too long to keep primitives record counts only. Text metrics are
// deterministic: every character is `charWidth` pixels wide and every line
// `lineHeight` pixels high.

#include "plot/picture_surface.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace kestrova::testing {

enum class PrimitiveKind { Clear, Line, Box, Circle, Point, Text, RotatedText };

struct Primitive {
    PrimitiveKind kind = PrimitiveKind::Clear;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; ///< user coordinates; circle: centre and radius in x2
    Colour colour = 0;
    std::string text;
    int drawStyle = 0;
    int drawWidth = 1;
    int fillStyle = 0;
    Colour fillColor = 0;
    FontSpec font;
    RotatedFont rotatedFont;    ///< RotatedText only
    int pixelX = 0, pixelY = 0; ///< RotatedText only
    double scaleLeft = 0, scaleTop = 0, scaleWidth = 0, scaleHeight = 0;
};

class RecordingSurface final : public PictureSurface {
public:
    enum Keep { kEverything, kCountsOnly };

    explicit RecordingSurface(double pixelWidth = 344, double pixelHeight = 320,
                              Keep keep = kEverything);

    std::vector<Primitive> primitives; ///< stays empty with kCountsOnly
    // Kept in both modes; clears are not primitives.
    std::int64_t drawn = 0;
    std::int64_t nonFinite = 0; ///< primitives with a NaN or infinite coordinate
    std::int64_t clears = 0;

    double charWidth = 6;
    double lineHeight = 13;
    int dpiY = 96;

    void ClearRecord() { primitives.clear(); }

    int LogicalDpiY() const override { return dpiY; }
    void TextOutRotated(int px, int py, std::string_view text, const RotatedFont& font) override;

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
    double TextPixelWidth(std::string_view text) const override;
    double TextPixelHeight(std::string_view text) const override;

    void DeviceClear() override;
    void DeviceLine(double x1, double y1, double x2, double y2, Colour c, bool box) override;
    void DeviceCircle(double x, double y, double radius, Colour c) override;
    void DevicePoint(double x, double y, Colour c) override;
    void DeviceText(double x, double y, std::string_view text) override;

private:
    /// Counts a primitive at these coordinates and, when everything is
    /// kept, records it with the surface's settings (else null).
    Primitive* Record(PrimitiveKind kind, std::initializer_list<double> coordinates,
                      Colour colour = 0, std::string_view text = {});

    Keep keep_;
    double pixelWidth_;
    double pixelHeight_;
    double left_ = 0, top_ = 0;
    bool visible_ = true;
};

} // namespace kestrova::testing
