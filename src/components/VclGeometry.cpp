#include "components/VclGeometry.h"

#include <QSize>

bool PointInRect(QPoint p, const QRect& r)
{
    return r.left() <= p.x() && p.x() <= r.right() && r.top() <= p.y() && p.y() <= r.bottom();
}

namespace {

// Maps a source coordinate to the destination, rounding down.
int MapEdge(long long sourceOffset, long long sourceExtent, int destStart, long long destExtent)
{
    const long long scaled = sourceOffset * destExtent;
    long long q = scaled / sourceExtent;
    if (scaled % sourceExtent != 0 && scaled < 0)
        --q;
    return destStart + static_cast<int>(q);
}

}  // namespace

std::optional<TBltRects> ClipBltToSource(const TBltRects& blt, QSize bitmapSize)
{
    const QRect& src = blt.Source;
    const QRect& dst = blt.Dest;
    if (src.width() < 1 || src.height() < 1 || dst.width() < 1 || dst.height() < 1)
        return std::nullopt;
    const QRect clipped = src.intersected(QRect(QPoint(0, 0), bitmapSize));
    if (clipped.isEmpty())
        return std::nullopt;
    const int left = MapEdge(clipped.x() - src.x(), src.width(), dst.x(), dst.width());
    const int right = MapEdge(clipped.x() + clipped.width() - src.x(), src.width(), dst.x(), dst.width());
    const int top = MapEdge(clipped.y() - src.y(), src.height(), dst.y(), dst.height());
    const int bottom = MapEdge(clipped.y() + clipped.height() - src.y(), src.height(), dst.y(), dst.height());
    if (right <= left || bottom <= top)
        return std::nullopt;
    return TBltRects{clipped, QRect(left, top, right - left, bottom - top)};
}
