#pragma once

/// \file
/// A picture surface that draws through a QPainter onto any paint device:
/// an SVG generator (the plots exported as vectors), an image (PNG and the
/// clipboard) or a printer. It lays text out with the same metrics as the
/// picture box on screen, so a plot drawn here lands where it does
/// there. Consecutive joined segments of one pen go out as one polyline, and
/// a sloped segment that only retraces what was drawn well before it is
/// left out, which keeps a long trace small in a vector file and quick to
/// draw in an image.

#include "plot/picture_surface.h"
#include "plot/trace_coverage.h"

#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPolygonF>
#include <QSizeF>

#include <unordered_map>

class QPainter;

namespace kestrova {

class PainterSurface final : public PictureSurface {
public:
    /// A surface of `size` logical pixels at `logicalDpi` (the screen box's
    /// resolution, for font sizes), drawing through `painter`, which the
    /// caller has begun on its device with one unit per logical pixel.
    PainterSurface(QPainter& painter, QSizeF size, int logicalDpi = 96);
    ~PainterSurface() override;

    /// Draws the polyline still being gathered; done by the destructor too.
    void Flush();

    [[nodiscard]] int LogicalDpiY() const override { return dpi_; }
    void TextOutRotated(int px, int py, std::string_view text, const RotatedFont& font) override;

    [[nodiscard]] bool Visible() const override { return true; }
    void SetVisible(bool) override { }
    [[nodiscard]] double Left() const override { return 0; }
    [[nodiscard]] double Top() const override { return 0; }
    [[nodiscard]] double Width() const override { return size_.width() * kTwipsPerPixel; }
    [[nodiscard]] double Height() const override { return size_.height() * kTwipsPerPixel; }
    void SetLeft(double) override { }
    void SetTop(double) override { }
    void SetWidth(double twips) override { size_.setWidth(twips / kTwipsPerPixel); }
    void SetHeight(double twips) override { size_.setHeight(twips / kTwipsPerPixel); }

protected:
    [[nodiscard]] double PixelWidth() const override { return size_.width(); }
    [[nodiscard]] double PixelHeight() const override { return size_.height(); }
    [[nodiscard]] double TextPixelWidth(std::string_view text) const override;
    [[nodiscard]] double TextPixelHeight(std::string_view text) const override;

    void DeviceClear() override;
    void DeviceLine(double x1, double y1, double x2, double y2, Colour c, bool box) override;
    void DeviceCircle(double x, double y, double radius, Colour c) override;
    void DevicePoint(double x, double y, Colour c) override;
    void DeviceText(double x, double y, std::string_view text) override;
    void FontChanged() override;

private:
    QPainter& painter_;
    QSizeF size_;
    int dpi_;
    QFont font_;
    // As the screen box measures: whole-pixel heights, fractional widths.
    QFontMetrics metrics_;
    QFontMetricsF metricsF_;
    /// Where sloped lines of each colour have gone: one colour does not
    /// hide a trace of another drawn later over it.
    std::unordered_map<Colour, TraceCoverage> coverage_;
    // The polyline being gathered, with the pen it is drawn in.
    QPolygonF polyline_;
    Colour polylineColour_ = 0;
    int polylineStyle_ = 0;
    int polylineWidth_ = 1;
};

} // namespace kestrova
