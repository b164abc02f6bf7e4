#pragma once

/// \file
/// `Collection_Points`: the trail of the Foucault window, a list of points
/// by 1-based position whose elements are themselves `Collection_Points`
/// objects carrying the point's coordinates.

#include <cstdint>
#include <deque>
#include <limits>
#include <memory>

namespace kestrova {

/// Serves both as a list and as the elements of that list. Positions run
/// from 1 (the oldest element) to CountPoint() (the newest).
///
/// Misuse is reported by an exception and leaves the list exactly as it was:
/// - std::out_of_range: Point() at a position without an element,
///   RemovePoint() on an empty list or with a position below 1,
///   AddPoint() at a position that would leave a gap (anything but count + 1
///   that is not already in use);
/// - std::invalid_argument: AddPoint() at a position already in use;
/// - std::length_error: AddPoint() once the list holds kMaxCount elements
///   (positions and counts are 16-bit signed integers).
///
/// Adding at the end and removing the oldest cost O(1) amortised.
class Collection_Points {
public:
    static constexpr int kMaxCount = std::numeric_limits<std::int16_t>::max();

    Collection_Points() = default;
    Collection_Points(const Collection_Points&) = delete;
    Collection_Points& operator=(const Collection_Points&) = delete;

    /// Coordinates of a point (m); all 0 when created. The window keeps the
    /// ground position of the bob in X0Line and Y0Line.
    double X0Line = 0;
    double Y0Line = 0;
    double X1Line = 0;
    double Y1Line = 0;

    /// Creates an element with all four fields 0 at position nIndex, which
    /// must be count + 1, and returns it.
    std::shared_ptr<Collection_Points> AddPoint(int nIndex);

    /// Removes the element at position nIndex and moves every later element
    /// down one position. A position beyond the count removes the newest
    /// element, so that taking n = CountPoint() and then removing 1, 2, ..., n
    /// empties the list.
    void RemovePoint(int nIndex);

    [[nodiscard]] int CountPoint() const;

    /// The element at position nIndex, shared and not copied: writing its
    /// fields changes the stored point.
    [[nodiscard]] std::shared_ptr<Collection_Points> Point(int nIndex) const;

private:
    using List = std::deque<std::shared_ptr<Collection_Points>>;

    // Created on first use: an element never holds a list of its own, and a
    // deque allocates even when empty.
    std::unique_ptr<List> list_;
};

/// Empties the list the way the window always has: takes n = CountPoint()
/// once, then removes positions 1, 2, ..., n; the calls beyond the shrinking
/// count each remove the newest element.
void EmptyPoints(Collection_Points& points);

} // namespace kestrova
