#pragma once

/// \file
/// Which parts of a surface a pen has already gone over, so that drawing a
/// long trace again from its data leaves out the segments that would only
/// retrace it: an undamped swing of two hours goes round the same orbit of
/// the phase portrait thousands of times, and one lap says it all.

#include <QPointF>
#include <QSizeF>

#include <cstdint>
#include <vector>

namespace kestrova {

class TraceCoverage {
public:
    /// A surface of `size` logical pixels.
    explicit TraceCoverage(QSizeF size);

    /// True when the segment from a to b (logical pixels) runs only over
    /// ground covered by segments drawn well before it (not by the few just
    /// before, which it joins); then it need not be drawn. Otherwise
    /// records it as drawn and returns false. Ground outside the surface
    /// counts as covered.
    [[nodiscard]] bool Retraces(QPointF a, QPointF b);

private:
    /// Cells per logical pixel, each way.
    static constexpr double kCellsPerPixel = 2;

    int columns_;
    int rows_;
    /// The number of the first segment that went over each cell, 0 for none.
    std::vector<std::uint32_t> firstSegment_;
    std::uint32_t segments_ = 0;
};

} // namespace kestrova
