#include "charts/ChartView.h"

#include "platform/Exceptions.h"
#include "platform/NumberFormat.h"

#include <QChart>
#include <QEvent>
#include <QFontMetricsF>
#include <QLegendMarker>
#include <QLogValueAxis>
#include <QLineSeries>
#include <QPainter>
#include <QPen>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

// Decimals that show every tick of the step exactly (at most 6).
int DecimalsFor(double step)
{
    if (!(step > 0.0) || !std::isfinite(step))
        return 0;
    int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step))));
    while (decimals < 6) {
        const double scaled = step * std::pow(10.0, decimals);
        if (std::fabs(scaled - std::nearbyint(scaled)) <= 1e-6 * scaled)
            break;
        ++decimals;
    }
    return decimals;
}

}  // namespace

std::vector<double> AxisTickValues(const QValueAxis& axis)
{
    std::vector<double> ticks;
    const double low = axis.min();
    const double high = axis.max();
    if (!(high > low))
        return ticks;
    const double slack = (high - low) * 1e-9;
    if (axis.tickType() == QValueAxis::TicksDynamic) {
        const double step = axis.tickInterval();
        if (!(step > 0.0))
            return ticks;
        const double anchor = axis.tickAnchor();
        for (double k = std::ceil((low - anchor) / step - 1e-9); ticks.size() < 1000; ++k) {
            const double value = anchor + k * step;
            if (value > high + slack)
                break;
            ticks.push_back(value);
        }
        return ticks;
    }
    const int count = std::max(2, axis.tickCount());
    for (int k = 0; k < count; ++k)
        ticks.push_back(low + (high - low) * k / (count - 1));
    return ticks;
}

QString AxisLabelText(const QValueAxis& axis, double value)
{
    if (!axis.labelFormat().isEmpty()) {
        try {
            return Format(axis.labelFormat(), {value});
        } catch (const Exception&) {
            // A format for whole numbers ("%d") takes the value rounded.
            try {
                return Format(axis.labelFormat(), {static_cast<long long>(std::nearbyint(value))});
            } catch (const Exception&) {
            }
        }
    }
    const std::vector<double> ticks = AxisTickValues(axis);
    const double step = ticks.size() >= 2 ? ticks[1] - ticks[0] : axis.max() - axis.min();
    // A value within rounding of zero shows no minus sign.
    const double shown = std::fabs(value) < std::fabs(step) * 1e-9 ? 0.0 : value;
    return Format(QStringLiteral("%.*f"), {DecimalsFor(step), shown});
}

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
        PaintLabelsOf(bottom_);
    }
    return bottom_;
}

QValueAxis* TChartView::LeftAxis()
{
    if (!left_) {
        left_ = new QValueAxis(chart());
        chart()->addAxis(left_, Qt::AlignLeft);
        PaintLabelsOf(left_);
    }
    return left_;
}

void TChartView::PaintLabelsOf(QValueAxis* axis)
{
    // Qt's labels keep their room (their texts differ only in the separators) but are not
    // seen: drawn in a transparent colour of the view's own, so that a form's transparent
    // colour still tells that the form paints the labels itself.
    static const QColor unseen(1, 2, 3, 0);
    axis->setLabelsColor(unseen);
    painted_.push_back({axis, Qt::black});
    connect(axis, &QAbstractAxis::labelsColorChanged, this, [this, axis](const QColor& colour) {
        if (colour == unseen)
            return;
        const auto it = std::find_if(painted_.begin(), painted_.end(), [axis](const auto& p) { return p.first == axis; });
        if (it == painted_.end())
            return;
        if (colour.alpha() == 0) {
            painted_.erase(it);
            return;
        }
        it->second = colour;
        axis->setLabelsColor(unseen);
    });
}

void TChartView::DrawLabels(QPainter& painter, const QValueAxis& axis, const QColor& colour) const
{
    if (!axis.isVisible() || !axis.labelsVisible() || !chart()->axes().contains(const_cast<QValueAxis*>(&axis)))
        return;
    const QRectF plot = PlotArea();
    painter.setFont(axis.labelsFont());
    painter.setPen(colour);
    const QFontMetricsF metrics(axis.labelsFont());
    const bool bottom = axis.alignment() == Qt::AlignBottom || axis.alignment() == Qt::AlignTop;
    for (double value : AxisTickValues(axis)) {
        const QString text = AxisLabelText(axis, value);
        const double width = metrics.horizontalAdvance(text);
        if (bottom) {
            const double x = plot.left() + plot.width() * (value - axis.min()) / (axis.max() - axis.min());
            painter.drawText(QPointF(x - width / 2.0, plot.bottom() + 4 + metrics.ascent()), text);
        } else {
            const double y = plot.bottom() - plot.height() * (value - axis.min()) / (axis.max() - axis.min());
            painter.drawText(QPointF(plot.left() - 5 - width, y + (metrics.ascent() - metrics.descent()) / 2.0), text);
        }
    }
}

void TChartView::changeEvent(QEvent* event)
{
    // The format record may have changed with the language.
    if (event->type() == QEvent::LanguageChange || event->type() == QEvent::LocaleChange)
        viewport()->update();
    QChartView::changeEvent(event);
}

void TChartView::showEvent(QShowEvent* event)
{
    QChartView::showEvent(event);
    // Setting an unchanged range is ignored, so each axis passes through a wider one first.
    for (QAbstractAxis* axis : chart()->axes()) {
        if (auto* value = qobject_cast<QValueAxis*>(axis)) {
            const double min = value->min();
            const double max = value->max();
            value->setMax(max + std::fabs(max) + 1.0);
            value->setRange(min, max);
        } else if (auto* log = qobject_cast<QLogValueAxis*>(axis)) {
            const double min = log->min();
            const double max = log->max();
            log->setMax(max * 2.0 + 1.0);
            log->setRange(min, max);
        }
    }
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
    painter->save();
    for (const auto& [axis, colour] : painted_)
        if (axis)
            DrawLabels(*painter, *axis, colour);
    painter->restore();
    if (OnAfterDraw) {
        painter->save();
        OnAfterDraw(*painter);
        painter->restore();
    }
}
