#pragma once
// Where a form's window goes on the screen. Positions are of the window's frame (title bar
// and border included), as the user sees the window; the client area lies inside by the
// frame's margins.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

// The frame's top-left moved, as little as it takes, so the frame lies inside `area` (the
// screen's available geometry). A frame larger than the area keeps its top and left edge
// inside, so its title bar can always be reached and dragged.
QPoint KeepFrameInside(const QRect& frame, const QRect& area);

// The frame's top-left for a form centred on `area`, kept inside it; halves truncate.
QPoint CentredFrame(QSize frame, const QRect& area);

// The client area's top-left for a frame whose top-left is `frameTopLeft`.
inline QPoint ClientTopLeft(QPoint frameTopLeft, const QMargins& frameMargins)
{
    return frameTopLeft + QPoint(frameMargins.left(), frameMargins.top());
}
