#pragma once

/// \file
/// Drawing straight into the pixels of a picture's image, where the
/// painter would be slower or blur: axis-parallel runs of whole device
/// pixels and area fills.

#include "plot/rect_list.h"

#include <QImage>
#include <QList>

namespace kestrova {

/// The device pixel an edge at logical coordinate p starts or ends on: the
/// first whose centre lies past the edge, as the unsmoothed painter fills.
/// Edges already on whole device pixels stay where they are; the others
/// move by at most half a device pixel.
[[nodiscard]] int DevicePixel(double p, double ratio);

/// A width in whole device pixels, never less than one.
[[nodiscard]] int DevicePixels(double width, double ratio);

/// The logical-pixel rectangles of `area` in one colour: what Cls erases.
void FillArea(QImage& image, const RectList& area, QRgb colour);

/// The logical-pixel rectangles of `area` copied from `from`, an image of
/// the same size and ratio: what erasing back to a backdrop puts back.
void CopyArea(QImage& image, const QImage& from, const RectList& area);

/// An axis-parallel band of whole device pixels from `from` to `to`
/// (logical pixels along the axis; the image is `extent` logical pixels
/// long that way), deviceWidth device pixels across from acrossStart. A
/// pattern (dash, gap, ... in logical pixels, empty for solid) starts
/// `phase` pixels into itself at `from`.
struct Run {
    bool horizontal = true;
    double from = 0;
    double to = 0;
    int acrossStart = 0;
    int deviceWidth = 1;
};
void FillRun(QImage& image, const Run& run, double extent, const QList<qreal>& pattern,
             double phase, QRgb colour);

} // namespace kestrova
