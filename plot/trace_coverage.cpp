#include "plot/trace_coverage.h"

#include <algorithm>
#include <cmath>

namespace kestrova {

namespace {

// A segment is a retrace only over ground covered this many segments
// before: a trace that creeps along (the angle against time moves a third
// of a pixel a step) keeps going over its own latest cells.
constexpr std::uint32_t kRecentSegments = 64;

} // namespace

TraceCoverage::TraceCoverage(QSizeF size)
    : columns_(std::max(1, static_cast<int>(std::ceil(size.width() * kCellsPerPixel))))
    , rows_(std::max(1, static_cast<int>(std::ceil(size.height() * kCellsPerPixel))))
    , firstSegment_(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), 0)
{ }

bool TraceCoverage::Retraces(QPointF a, QPointF b)
{
    ++segments_;
    // Points every quarter of a cell along the segment find every cell it crosses.
    const double length = std::max(std::abs(b.x() - a.x()), std::abs(b.y() - a.y()));
    const int steps = static_cast<int>(std::min(std::ceil(length * kCellsPerPixel * 4), 1e6));
    bool retraces = true;
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i <= steps; ++i) {
            const QPointF p = steps == 0 ? a : a + (b - a) * (double(i) / steps);
            const double cx = std::floor(p.x() * kCellsPerPixel);
            const double cy = std::floor(p.y() * kCellsPerPixel);
            if (!(cx >= 0 && cy >= 0 && cx < columns_ && cy < rows_))
                continue;
            std::uint32_t& first =
                firstSegment_[static_cast<std::size_t>(cy) * static_cast<std::size_t>(columns_)
                              + static_cast<std::size_t>(cx)];
            if (pass == 0 && (first == 0 || first + kRecentSegments > segments_)) {
                retraces = false;
                break;
            }
            if (pass == 1 && first == 0)
                first = segments_;
        }
        if (retraces)
            return true; // nothing to record
    }
    return false;
}

} // namespace kestrova
