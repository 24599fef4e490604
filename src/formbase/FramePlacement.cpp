#include "formbase/FramePlacement.h"

#include <algorithm>

QPoint KeepFrameInside(const QRect& frame, const QRect& area)
{
    // The right and bottom edges first, so the left and top edges win for an oversized frame.
    const int left = std::max(std::min(frame.left(), area.left() + area.width() - frame.width()), area.left());
    const int top = std::max(std::min(frame.top(), area.top() + area.height() - frame.height()), area.top());
    return {left, top};
}

QPoint CentredFrame(QSize frame, const QRect& area)
{
    const QPoint centred(area.left() + (area.width() - frame.width()) / 2,
                         area.top() + (area.height() - frame.height()) / 2);
    return KeepFrameInside(QRect(centred, frame), area);
}
