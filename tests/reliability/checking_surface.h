#pragma once

// A picture surface that draws nothing and keeps nothing but counts: how many
// primitives were drawn and how many of them had a coordinate that is not a
// finite number. Long runs put it in place of the picture boxes, where a
// recording surface would keep millions of primitives.

#include "plot/picture_surface.h"

#include <cmath>
#include <cstdint>
#include <initializer_list>

namespace kestrova::testing {

class CheckingSurface final : public PictureSurface {
public:
    CheckingSurface(double pixelWidth, double pixelHeight)
        : pixelWidth_(pixelWidth)
        , pixelHeight_(pixelHeight)
    { }

    std::int64_t primitives = 0;
    std::int64_t nonFinite = 0; ///< primitives with a NaN or infinite coordinate
    std::int64_t clears = 0;

    int LogicalDpiY() const override { return 96; }
    void TextOutRotated(int, int, std::string_view, const RotatedFont&) override { ++primitives; }

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
    double TextPixelWidth(std::string_view text) const override
    {
        return 6.0 * static_cast<double>(text.size());
    }
    double TextPixelHeight(std::string_view) const override { return 13.0; }

    void DeviceClear() override { ++clears; }
    void DeviceLine(double x1, double y1, double x2, double y2, Colour, bool) override
    {
        Count({x1, y1, x2, y2});
    }
    void DeviceCircle(double x, double y, double radius, Colour) override { Count({x, y, radius}); }
    void DevicePoint(double x, double y, Colour) override { Count({x, y}); }
    void DeviceText(double x, double y, std::string_view) override { Count({x, y}); }

private:
    void Count(std::initializer_list<double> coordinates)
    {
        ++primitives;
        for (double c : coordinates) {
            if (!std::isfinite(c)) {
                ++nonFinite;
                return;
            }
        }
    }

    double pixelWidth_;
    double pixelHeight_;
    double left_ = 0, top_ = 0;
    bool visible_ = true;
};

} // namespace kestrova::testing
