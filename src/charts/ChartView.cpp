#include "charts/ChartView.h"

#include <QChart>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QPen>
#include <QValueAxis>

TChartView::TChartView(QWidget* parent)
    : QChartView(parent)
{
    chart()->setBackgroundVisible(false);
    chart()->setPlotAreaBackgroundVisible(false);
    chart()->setDropShadowEnabled(false);
    setBackgroundBrush(Qt::white);
    setRenderHint(QPainter::Antialiasing, false);
}

QRectF TChartView::PlotArea() const
{
    return chart()->mapRectToScene(chart()->plotArea());
}

QPointF TChartView::MapToPixel(QPointF value, QAbstractSeries* series) const
{
    if (!series) {
        const QList<QAbstractSeries*> all = chart()->series();
        if (all.isEmpty())
            return PlotArea().topLeft();
        series = all.first();
    }
    return chart()->mapToScene(chart()->mapToPosition(value, series));
}

QValueAxis* TChartView::BottomAxis()
{
    if (!bottom_) {
        bottom_ = new QValueAxis(chart());
        chart()->addAxis(bottom_, Qt::AlignBottom);
    }
    return bottom_;
}

QValueAxis* TChartView::LeftAxis()
{
    if (!left_) {
        left_ = new QValueAxis(chart());
        chart()->addAxis(left_, Qt::AlignLeft);
    }
    return left_;
}

QLineSeries* TChartView::AddLineSeries(const QString& title, const QColor& colour, bool inLegend)
{
    auto* series = new QLineSeries(chart());
    series->setName(title);
    series->setPointsVisible(false);
    series->setPen(QPen(colour, 1));
    chart()->addSeries(series);
    series->attachAxis(BottomAxis());
    series->attachAxis(LeftAxis());
    SetInLegend(series, inLegend);
    return series;
}

void TChartView::SetInLegend(QAbstractSeries* series, bool inLegend)
{
    for (QLegendMarker* marker : chart()->legend()->markers(series))
        marker->setVisible(inLegend);
}

void TChartView::drawBackground(QPainter* painter, const QRectF& rect)
{
    QChartView::drawBackground(painter, rect);
    if (OnBeforeDrawSeries) {
        painter->save();
        OnBeforeDrawSeries(*painter);
        painter->restore();
    }
}

void TChartView::drawForeground(QPainter* painter, const QRectF& rect)
{
    QChartView::drawForeground(painter, rect);
    if (OnAfterDraw) {
        painter->save();
        OnAfterDraw(*painter);
        painter->restore();
    }
}
