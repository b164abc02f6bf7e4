#include "plot/device_pixels.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace kestrova {

int DevicePixel(double p, double ratio)
{
    constexpr double kFar = 1 << 29; // far outside any image, and no overflow
    const double edge = std::floor(p * ratio + 0.5);
    return std::isnan(edge) ? 0 : static_cast<int>(std::clamp(edge, -kFar, kFar));
}

int DevicePixels(double width, double ratio)
{
    return std::max(1, static_cast<int>(std::lround(width * ratio)));
}

namespace {

/// Device pixels of an RGB32 image in one colour, clipped to the image.
void FillDevice(QImage& image, const QRect& deviceRect, QRgb colour)
{
    // Straight into the image, as the painter's raster engine would: the
    // box's painter stays on it.
    const QRect r = deviceRect & image.rect();
    if (r.isEmpty())
        return;
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        auto* const row = reinterpret_cast<QRgb*>(bits + y * stride) + r.left();
        std::fill(row, row + r.width(), colour);
    }
}

/// The device pixels of a logical-pixel rectangle, clipped to the image.
QRect DeviceRect(const QImage& image, const QRect& r)
{
    const qreal dpr = image.devicePixelRatio();
    return QRectF(r.x() * dpr, r.y() * dpr, r.width() * dpr, r.height() * dpr).toAlignedRect()
        & image.rect();
}

} // namespace

void FillArea(QImage& image, const RectList& area, QRgb colour)
{
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (const QRect& r : area) {
        const QRect d = DeviceRect(image, r);
        if (d.isEmpty())
            continue;
        // Wide areas: one row filled, the others copied from it (a fast
        // block copy); narrow ones (an axis) row by row.
        constexpr int kNarrow = 32;
        auto* const first = reinterpret_cast<QRgb*>(bits + d.top() * stride) + d.left();
        std::fill(first, first + d.width(), colour);
        const std::size_t rowBytes = static_cast<std::size_t>(d.width()) * sizeof(QRgb);
        for (int y = d.top() + 1; y <= d.bottom(); ++y) {
            auto* const row = reinterpret_cast<QRgb*>(bits + y * stride) + d.left();
            if (d.width() <= kNarrow)
                std::fill(row, row + d.width(), colour);
            else
                std::memcpy(row, first, rowBytes);
        }
    }
}

void CopyArea(QImage& image, const QImage& from, const RectList& area)
{
    if (from.size() != image.size())
        return;
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const uchar* const source = from.constBits();
    const qsizetype sourceStride = from.bytesPerLine();
    for (const QRect& r : area) {
        const QRect d = DeviceRect(image, r);
        if (d.isEmpty())
            continue;
        const std::size_t rowBytes = static_cast<std::size_t>(d.width()) * sizeof(QRgb);
        for (int y = d.top(); y <= d.bottom(); ++y)
            std::memcpy(bits + y * stride + d.left() * sizeof(QRgb),
                        source + y * sourceStride + d.left() * sizeof(QRgb), rowBytes);
    }
}

void FillRun(QImage& image, const Run& run, double extent, const QList<qreal>& pattern,
             double phase, QRgb colour)
{
    const double ratio = image.devicePixelRatio();
    auto fill = [&](double p1, double p2) {
        const int lo = DevicePixel(std::min(p1, p2), ratio);
        const int hi = DevicePixel(std::max(p1, p2), ratio);
        if (hi > lo)
            FillDevice(image,
                       run.horizontal ? QRect(lo, run.acrossStart, hi - lo, run.deviceWidth)
                                      : QRect(run.acrossStart, lo, run.deviceWidth, hi - lo),
                       colour);
    };
    const double from = run.from;
    const double to = run.to;
    if (!std::isfinite(from) || !std::isfinite(to))
        return;
    double period = 0;
    for (const qreal part : pattern)
        period += part;
    if (!(period > 0)) {
        fill(from, to);
        return;
    }
    // The dashes, each a run of whole pixels: the pendulum's dashed axes
    // are drawn 500 times a second, and this costs a fraction of the
    // general dash stroker. Only the stretch over the image is walked.
    const double dir = to >= from ? 1.0 : -1.0;
    const double reach = extent + 1;
    const double firstSeen = dir > 0 ? -1 - from : from - reach;
    const double length = std::min(std::abs(to - from), dir > 0 ? reach - from : from + 1);
    double pos = -std::fmod(phase, period); // where the current part of the pattern starts
    if (firstSeen > pos)
        pos += std::floor((firstSeen - pos) / period) * period;
    for (qsizetype k = 0; pos < length; k = (k + 1) % pattern.size()) {
        const double next = pos + pattern[k];
        if (k % 2 == 0 && std::min(next, length) > std::max(pos, 0.0))
            fill(from + dir * std::max(pos, 0.0), from + dir * std::min(next, length));
        pos = next;
    }
}

} // namespace kestrova
