#pragma once
// The shape of the pipe sketches: a filled rectangle or circle with an outline, and a
// polyline drawn over it (the sound path across a wall, for example). Without points it
// paints exactly like a plain shape.

#include <QBrush>
#include <QPen>
#include <QPolygon>
#include <QWidget>

class TDUShape : public QWidget {
    Q_OBJECT

public:
    enum TShapeType { stRectangle, stCircle };

    explicit TDUShape(QWidget* parent = nullptr);

    TShapeType Shape() const { return shape_; }
    void SetShape(TShapeType shape);
    // The fill and the outline of the shape.
    const QBrush& Brush() const { return brush_; }
    void SetBrush(const QBrush& brush);
    const QPen& Pen() const { return pen_; }
    void SetPen(const QPen& pen);
    // The polyline's pen, held by the shape.
    const QPen& PolyPen() const { return polyPen_; }
    void SetPolyPen(const QPen& pen);
    // The polyline in the shape's own coordinates; fewer than two points draw nothing.
    const QPolygon& Points() const { return points_; }
    void SetPoints(const QPolygon& points);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TShapeType shape_ = stRectangle;
    QBrush brush_{Qt::white};
    QPen pen_{Qt::black};
    QPen polyPen_{Qt::black};
    QPolygon points_;
};
