#pragma once
// Lines as the original's canvas drew them: from the start point up to, but not including,
// the end point. Qt's own drawLine includes both ends, which moves the corners of the
// spin button's bevels by a pixel.

#include <QPoint>

#include <initializer_list>
#include <vector>

class QPainter;

// The pixels of one line, end point excluded (an empty list for a zero-length line).
std::vector<QPoint> LinePixels(QPoint from, QPoint to);

// MoveTo the first point, then LineTo each following one, with the painter's pen colour.
void PolylineExclusive(QPainter& painter, std::initializer_list<QPoint> points);
