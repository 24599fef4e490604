#pragma once
// Lines from the start point up to, but not including, the end point, so that the bevel
// lines of the spin button meet at their corners without overlapping. Qt's own drawLine
// includes both ends, which would move those corners by a pixel.

#include <QPoint>

#include <initializer_list>
#include <vector>

class QPainter;

// The pixels of one line, end point excluded (an empty list for a zero-length line).
std::vector<QPoint> LinePixels(QPoint from, QPoint to);

// MoveTo the first point, then LineTo each following one, with the painter's pen colour.
void PolylineExclusive(QPainter& painter, std::initializer_list<QPoint> points);
