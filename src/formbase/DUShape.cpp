#include "formbase/DUShape.h"

#include <QPainter>

#include <algorithm>

TDUShape::TDUShape(QWidget* parent)
    : QWidget(parent)
{
    // Designed shapes are 65 x 65 pixels until the form sizes them.
    resize(65, 65);
}

void TDUShape::SetShape(TShapeType shape)
{
    shape_ = shape;
    update();
}

void TDUShape::SetBrush(const QBrush& brush)
{
    brush_ = brush;
    update();
}

void TDUShape::SetPen(const QPen& pen)
{
    pen_ = pen;
    update();
}

void TDUShape::SetPolyPen(const QPen& pen)
{
    polyPen_ = pen;
    update();
}

void TDUShape::SetPoints(const QPolygon& points)
{
    points_ = points;
    update();
}

void TDUShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(pen_);
    painter.setBrush(brush_);
    // The outline lies inside the widget, however wide the pen.
    const int penWidth = pen_.style() == Qt::NoPen ? 0 : std::max(1, pen_.width());
    const int inset = penWidth / 2;
    QRect area(inset, inset, width() - penWidth, height() - penWidth);
    if (shape_ == stCircle) {
        const int side = std::min(area.width(), area.height());
        area = QRect(area.left() + (area.width() - side) / 2, area.top() + (area.height() - side) / 2, side, side);
        painter.drawEllipse(area);
    } else {
        painter.drawRect(area);
    }
    if (points_.size() < 2)
        return;
    painter.setPen(polyPen_);
    painter.drawPolyline(points_);
}
