#pragma once
// Rectangle helpers of the drawing code.

#include <QPoint>
#include <QRect>

#include <optional>

// True when P lies in R with all four edges inclusive: R.left() <= x <= R.right() and
// R.top() <= y <= R.bottom(), where a rectangle (Left, Top, Right, Bottom) of the design is
// QRect(QPoint(Left, Top), QPoint(Right, Bottom)). An inverted rectangle holds no point.
bool PointInRect(QPoint p, const QRect& r);

// A source and a destination rectangle of a stretch-blit (x, y, width, height).
struct TBltRects {
    QRect Source;
    QRect Dest;
};

// Clips the blit's source rectangle to a bitmap of `bitmapSize` and shrinks the destination
// in proportion, so nothing outside the bitmap is ever read. Nothing remains when the
// rectangles are empty or do not overlap the bitmap.
std::optional<TBltRects> ClipBltToSource(const TBltRects& blt, QSize bitmapSize);
