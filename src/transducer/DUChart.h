#pragma once
// The program's chart control: the common chart layer with the look every chart of the
// transducer application shares (no frame, no animation, white wall).

#include "charts/ChartView.h"

#include <QPointF>

#include <optional>

class TDUChart : public TChartView {
    Q_OBJECT

public:
    explicit TDUChart(QWidget* parent = nullptr);

    // Dragging with the mouse moves the bottom axis along with the mouse; the chart never
    // zooms.
    bool HorizontalPanning = false;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::optional<QPointF> dragAt_;
};
