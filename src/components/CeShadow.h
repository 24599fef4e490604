#pragma once
// Where a label's shadow falls.

#include <QPoint>

enum TShadowPosition { spLeftTop = 0, spLeftBottom = 1, spRightBottom = 2, spRightTop = 3 };

// The shadow's offset from the text for a shadow of `size` pixels.
constexpr QPoint ShadowOffset(TShadowPosition position, int size)
{
    switch (position) {
    case spLeftTop:
        return QPoint(-size, -size);
    case spLeftBottom:
        return QPoint(-size, size);
    case spRightBottom:
        return QPoint(size, size);
    case spRightTop:
        break;
    }
    return QPoint(size, -size);
}
