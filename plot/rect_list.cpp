#include "plot/rect_list.h"

namespace kestrova {

namespace {

qint64 Area(const QRect& r)
{
    return static_cast<qint64>(r.width()) * r.height();
}

} // namespace

void RectList::Add(const QRect& r)
{
    if (r.isEmpty())
        return;
    for (const QRect& known : *this) {
        if (known.contains(r))
            return;
    }
    int kept = 0;
    for (int i = 0; i < count_; ++i) {
        if (!r.contains(rects_[i]))
            rects_[kept++] = rects_[i];
    }
    count_ = kept;
    if (count_ < kMostRects) {
        rects_[count_++] = r;
        return;
    }
    int best = 0;
    qint64 bestGrowth = -1;
    for (int i = 0; i < count_; ++i) {
        const qint64 growth = Area(rects_[i] | r) - Area(rects_[i]);
        if (bestGrowth < 0 || growth < bestGrowth) {
            best = i;
            bestGrowth = growth;
        }
    }
    rects_[best] |= r;
}

QRegion RectList::Region() const
{
    QRegion region;
    for (const QRect& r : *this)
        region += r;
    return region;
}

} // namespace kestrova
