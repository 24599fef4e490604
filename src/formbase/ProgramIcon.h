#pragma once
// The program's icon: the title bar of every form and the About box show it.

#include <QIcon>

class QColor;
class QPainter;
class QRectF;

// Drawn once, in the sizes a title bar and the About box ask for (16, 32 and 48 pixels).
QIcon ProgramIcon();

// The brand mark, a wave crossing a pipe, drawn into `box` (a 32 × 22 shape scaled to fit);
// the tile is filled with `fill`, or left open when `fill` is transparent.
void PaintBrandMark(QPainter& painter, const QRectF& box, const QColor& mark, const QColor& fill);
