#pragma once

// Pixel statistics over a rendered picture box, for the tests that look at
// what actually reached the image.

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>

#include <functional>

namespace kestrova::testing {

/// Pixels that passed a test: how many, their bounding box and centroid,
/// in the image's device pixels.
struct PixelSet {
    int count = 0;
    QRect bounds;
    double sumX = 0;
    double sumY = 0;

    /// Centroid in logical pixels, pixel i covering [i, i + 1).
    [[nodiscard]] QPointF Centroid(qreal dpr) const
    {
        return count == 0 ? QPointF() : QPointF(sumX / count / dpr, sumY / count / dpr);
    }
};

inline PixelSet Collect(const QImage& image, const std::function<bool(QRgb)>& keep)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    PixelSet set;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            if (!keep(line[x]))
                continue;
            ++set.count;
            set.sumX += x + 0.5;
            set.sumY += y + 0.5;
            set.bounds = set.bounds.united(QRect(x, y, 1, 1));
        }
    }
    return set;
}

inline bool IsDark(QRgb p)
{
    return qRed(p) < 96 && qGreen(p) < 96 && qBlue(p) < 96;
}

inline bool IsRed(QRgb p)
{
    return qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60;
}

} // namespace kestrova::testing
