#include "transducer/DUGanttSeries.h"

#include "charts/ChartView.h"

#include <QAbstractAxis>
#include <QChart>
#include <QLineSeries>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double PixelLimit = 16383.0;

int Pixel(double value)
{
    if (std::isnan(value))
        return -static_cast<int>(PixelLimit);
    return static_cast<int>(std::nearbyint(std::clamp(value, -PixelLimit, PixelLimit)));
}

}  // namespace

QRect GanttBarRect(double x0, double x1, double y, double height, int defaultHeight)
{
    const int left = Pixel(x0);
    const int half = (Pixel(x1) - left) / 2;
    const int centre = Pixel(y);
    const int h = height > 0.0 && std::isfinite(height) ? Pixel(height) : defaultHeight;
    return QRect(QPoint(left, centre - h), QPoint(left + 2 * half, centre + h));
}

std::vector<QPoint> GanttConnector(QPoint end, QPoint next)
{
    const int m = end.x() + (next.x() - end.x()) / 2;
    return {end, {m, end.y()}, {m, next.y()}, next};
}

TDUGanttSeries::TDUGanttSeries(TChartView* chart, QAbstractAxis* bottom, QAbstractAxis* left, int defaultHeight)
    : DefaultHeight(defaultHeight), chart_(chart), anchor_(new QLineSeries(chart->chart())), bottom_(bottom)
{
    anchor_->setPen(Qt::NoPen);
    chart->chart()->addSeries(anchor_);
    anchor_->attachAxis(bottom);
    anchor_->attachAxis(left);
    chart->SetInLegend(anchor_, false);
}

int TDUGanttSeries::AddGanttHeight(const QString& label, TColor colour, double start, double end, double y, int height)
{
    StartValues.push_back(start);
    EndValues.push_back(end);
    YValues.push_back(y);
    NextTask.push_back(-1);
    HeightValues.push_back(height);
    Colours.push_back(colour);
    Labels.push_back(label);
    // The anchor spans the bars so the series has a domain on both axes.
    anchor_->append(std::max(start, 1e-9), y);
    return Count() - 1;
}

void TDUGanttSeries::Clear()
{
    for (auto* list : {&StartValues, &EndValues, &YValues, &HeightValues})
        list->clear();
    NextTask.clear();
    Colours.clear();
    Labels.clear();
    anchor_->clear();
}

void TDUGanttSeries::SetBottomAxis(QAbstractAxis* bottom)
{
    // An axis taken off the chart has left its series already.
    if (anchor_->attachedAxes().contains(bottom_))
        anchor_->detachAxis(bottom_);
    bottom_ = bottom;
    anchor_->attachAxis(bottom);
}

void TDUGanttSeries::Draw(QPainter& painter) const
{
    const QRectF plot = chart_->PlotArea();
    painter.setClipRect(plot);
    for (int i = 0; i < Count(); ++i) {
        const QPointF a = chart_->MapToPixel({StartValues[i], YValues[i]}, anchor_);
        const QPointF b = chart_->MapToPixel({EndValues[i], YValues[i]}, anchor_);
        const QRect bar = GanttBarRect(a.x(), b.x(), a.y(), HeightValues[i], DefaultHeight);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(ColorFromTColor(Colours[i]));
        painter.drawRect(bar);
        const int n = NextTask[i];
        if (!ConnectingPenVisible || n < 0 || n >= Count())
            continue;
        const QPointF next = chart_->MapToPixel({StartValues[n], YValues[n]}, anchor_);
        const std::vector<QPoint> link =
            GanttConnector({bar.right(), Pixel(a.y())}, {Pixel(next.x()), Pixel(next.y())});
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(link.data(), static_cast<int>(link.size()));
    }
}
