#include "transducer/DUChart.h"

#include <QChart>
#include <QMouseEvent>

TDUChart::TDUChart(QWidget* parent)
    : TChartView(parent)
{
    setFrameShape(QFrame::NoFrame);
    setRubberBand(QChartView::NoRubberBand);
    chart()->setAnimationOptions(QChart::NoAnimation);
    chart()->setMargins(QMargins(0, 5, 5, 3));
}

void TDUChart::mousePressEvent(QMouseEvent* event)
{
    if (HorizontalPanning && (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)) {
        dragAt_ = event->position();
        event->accept();
        return;
    }
    TChartView::mousePressEvent(event);
}

void TDUChart::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragAt_) {
        TChartView::mouseMoveEvent(event);
        return;
    }
    const double dx = event->position().x() - dragAt_->x();
    dragAt_ = event->position();
    // The values follow the mouse: a drag to the right shows smaller values.
    if (dx != 0.0) {
        chart()->scroll(-dx, 0.0);
        viewport()->update();
    }
    event->accept();
}

void TDUChart::mouseReleaseEvent(QMouseEvent* event)
{
    if (!dragAt_) {
        TChartView::mouseReleaseEvent(event);
        return;
    }
    dragAt_.reset();
    event->accept();
}
