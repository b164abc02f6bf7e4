#pragma once

/// \file
/// RectList: a bounded list of rectangles standing for an area.

#include <QRect>
#include <QRegion>

#include <array>

namespace kestrova {

/// A few rectangles standing for an area: adding one that does not fit the
/// list widens the member it enlarges least, so the area only grows. The
/// picture box keeps what it drew (for Cls) and what the screen has yet to
/// show this way, at a fixed cost per primitive.
class RectList {
public:
    void Add(const QRect& r);
    void Clear() { count_ = 0; }
    [[nodiscard]] bool IsEmpty() const { return count_ == 0; }
    [[nodiscard]] const QRect* begin() const { return rects_.data(); }
    [[nodiscard]] const QRect* end() const { return rects_.data() + count_; }
    [[nodiscard]] QRegion Region() const;

private:
    static constexpr int kMostRects = 8;
    std::array<QRect, kMostRects> rects_{};
    int count_ = 0;
};

} // namespace kestrova
