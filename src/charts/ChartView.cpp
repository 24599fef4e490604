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

// Tick marks the view paints beside an axis line of its own [px].
constexpr double TickLength = 5.0;
// More ticks than any axis has room for; Qt makes items for each.
constexpr double MostTicksAtOnce = 200.0;

}  // namespace

double RoundTickStep(double span, int maxIntervals)
{
    if (!(span > 0.0) || !std::isfinite(span))
        return 1.0;
    const double raw = span / std::max(1, maxIntervals);
    double power = std::pow(10.0, std::floor(std::log10(raw)));
    // The relative slack keeps 0.3 / 3 from asking for the next step.
    for (;;) {
        for (double m : {1.0, 2.0, 5.0})
            if (m * power >= raw * (1.0 - 1e-9))
                return m * power;
        power *= 10.0;
    }
}

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
    // The labels, grid and markers painted here follow the plot rectangle, which no chart
    // item's region covers: a view that repainted only the changed items kept the digits of
    // labels painted before a new layout beside the new ones.
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
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
        Manage(bottom_);
    }
    return bottom_;
}

QValueAxis* TChartView::LeftAxis()
{
    if (!left_) {
        left_ = new QValueAxis(chart());
        chart()->addAxis(left_, Qt::AlignLeft);
        PaintLabelsOf(left_);
        Manage(left_);
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
    connect(axis, &QAbstractAxis::labelsColorChanged, hooks_.get(), [this, axis](const QColor& colour) {
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

void TChartView::Manage(QValueAxis* axis)
{
    tAxisState& state = states_[axis];
    state.Axis = axis;
    state.Low = axis->min();
    state.High = axis->max();
    connect(axis, &QValueAxis::rangeChanged, hooks_.get(),
            [this, axis](double min, double max) { RangeChanged(axis, min, max); });
    // Qt lays out the ticks of a new range before rangeChanged reaches the view, with the
    // step of the range before: 0.01 kept for a span of 160 meant 16000 ticks and a program
    // that stood still for many seconds. minChanged and maxChanged come before that layout,
    // so a step that does not fit is made coarse there; RangeChanged then sets the real one.
    const auto coarseEnough = [axis] {
        const double span = axis->max() - axis->min();
        if (axis->tickType() == QValueAxis::TicksDynamic && span > 0.0 && std::isfinite(span)
            && !(span / axis->tickInterval() <= MostTicksAtOnce))
            axis->setTickInterval(RoundTickStep(span, 10));
    };
    connect(axis, &QValueAxis::minChanged, hooks_.get(), coarseEnough);
    connect(axis, &QValueAxis::maxChanged, hooks_.get(), coarseEnough);
    if (states_.size() == 1) {
        // The room for labels changes with the plot; the steps follow it.
        connect(chart(), &QChart::plotAreaChanged, hooks_.get(), [this] {
            for (const auto& entry : states_)
                if (entry.second.Axis)
                    UpdateTicks(entry.second.Axis);
        });
    }
    UpdateTicks(axis);
}

void TChartView::SetTickRule(QValueAxis* axis, TTickRule rule)
{
    const auto it = states_.find(axis);
    if (it == states_.end())
        return;
    it->second.Rule = std::move(rule);
    UpdateTicks(axis);
}

void TChartView::SetAxisPositions(QValueAxis* axis, double startPercent, double endPercent)
{
    const auto it = states_.find(axis);
    if (it == states_.end() || !(endPercent > startPercent))
        return;
    it->second.StartPercent = startPercent;
    it->second.EndPercent = endPercent;
    // Qt's own line and grid would run the whole length.
    axis->setGridLineVisible(false);
    axis->setLineVisible(false);
    RangeChanged(axis, it->second.Low, it->second.High);
}

std::pair<double, double> TChartView::AxisRange(const QValueAxis& axis) const
{
    const auto it = states_.find(&axis);
    if (it == states_.end())
        return {axis.min(), axis.max()};
    return {it->second.Low, it->second.High};
}

std::vector<double> TChartView::TickValues(const QValueAxis& axis) const
{
    const auto [rangeLow, rangeHigh] = AxisRange(axis);
    const double low = rangeLow;
    const double high = rangeHigh;
    const double slack = (high - low) * 1e-9;
    std::vector<double> ticks = AxisTickValues(axis);
    std::erase_if(ticks, [&](double v) { return v < low - slack || v > high + slack; });
    return ticks;
}

// A form's range is kept as the range of its values; a positioned axis gets a wider Qt
// range so that the form's range covers only its share of the length.
void TChartView::RangeChanged(QValueAxis* axis, double min, double max)
{
    tAxisState& state = states_[axis];
    if (state.Widening)
        return;
    state.Low = min;
    state.High = max;
    if (Positioned(state) && max > min) {
        const bool vertical = axis->orientation() == Qt::Vertical;
        const double lowShare = vertical ? 1.0 - state.EndPercent / 100.0 : state.StartPercent / 100.0;
        const double highShare = vertical ? 1.0 - state.StartPercent / 100.0 : state.EndPercent / 100.0;
        const double total = (max - min) / (highShare - lowShare);
        state.Widening = true;
        axis->setRange(min - lowShare * total, min - lowShare * total + total);
        state.Widening = false;
    }
    UpdateTicks(axis);
}

int TChartView::IntervalsThatFit(const QValueAxis& axis, const tAxisState& state) const
{
    const QRectF plot = PlotArea();
    const bool vertical = axis.orientation() == Qt::Vertical;
    const double length = (vertical ? plot.height() : plot.width()) * (state.EndPercent - state.StartPercent) / 100.0;
    if (!(length >= 20.0))
        return 4;  // not laid out yet: as many as Qt's five ticks
    const QFontMetricsF metrics(axis.labelsFont());
    if (vertical)
        return std::max(1, static_cast<int>(length / (2.0 * metrics.height())));
    // A label across needs its width and a gap; measured on the texts a first guess gives.
    const double span = state.High - state.Low;
    const int guess = std::max(1, static_cast<int>(length / 60.0));
    const int decimals = DecimalsFor(state.Rule ? state.Rule(span, guess) : RoundTickStep(span, guess));
    double widest = 0.0;
    for (double v : {state.Low, state.High})
        widest = std::max(widest, metrics.horizontalAdvance(Format(QStringLiteral("%.*f"), {decimals, v})));
    return std::max(1, static_cast<int>(length / (widest + 3.0 * metrics.averageCharWidth())));
}

void TChartView::UpdateTicks(QValueAxis* axis)
{
    const auto it = states_.find(axis);
    if (it == states_.end())
        return;
    const tAxisState& state = it->second;
    const double span = state.High - state.Low;
    const int room = IntervalsThatFit(*axis, state);
    const double step = state.Rule ? state.Rule(span, room) : RoundTickStep(span, room);
    // Without a sensible step Qt spaces its few ticks evenly.
    if (!(span > 0.0) || !(step > 0.0) || !std::isfinite(step) || (axis->max() - axis->min()) / step > 1000.0) {
        axis->setTickType(QValueAxis::TicksFixed);
        return;
    }
    axis->setTickAnchor(0.0);
    axis->setTickInterval(step);
    axis->setTickType(QValueAxis::TicksDynamic);
}

double TChartView::AxisPixel(const QValueAxis& axis, double value) const
{
    const QRectF plot = PlotArea();
    const double share = (value - axis.min()) / (axis.max() - axis.min());
    if (axis.orientation() == Qt::Vertical)
        return plot.bottom() - plot.height() * share;
    return plot.left() + plot.width() * share;
}

void TChartView::DrawLabels(QPainter& painter, const QValueAxis& axis, const QColor& colour) const
{
    if (!axis.isVisible() || !axis.labelsVisible() || !chart()->axes().contains(const_cast<QValueAxis*>(&axis)))
        return;
    const QRectF plot = PlotArea();
    painter.setFont(axis.labelsFont());
    painter.setPen(colour);
    const QFontMetricsF metrics(axis.labelsFont());
    const bool bottom = axis.orientation() == Qt::Horizontal;
    for (double value : TickValues(axis)) {
        const QString text = AxisLabelText(axis, value);
        const double width = metrics.horizontalAdvance(text);
        const double at = AxisPixel(axis, value);
        if (bottom)
            painter.drawText(QPointF(at - width / 2.0, plot.bottom() + 4 + metrics.ascent()), text);
        else
            painter.drawText(QPointF(plot.left() - 5 - width, at + (metrics.ascent() - metrics.descent()) / 2.0), text);
    }
}

// Grid lines of a positioned axis, within its share of the length only.
void TChartView::DrawGrid(QPainter& painter, const QValueAxis& axis) const
{
    if (!axis.isVisible() || !chart()->axes().contains(const_cast<QValueAxis*>(&axis)))
        return;
    const QRectF plot = PlotArea();
    painter.setPen(axis.gridLinePen());
    for (double value : TickValues(axis)) {
        const double at = AxisPixel(axis, value);
        if (axis.orientation() == Qt::Vertical)
            painter.drawLine(QPointF(plot.left(), at), QPointF(plot.right(), at));
        else
            painter.drawLine(QPointF(at, plot.top()), QPointF(at, plot.bottom()));
    }
}

// The line and tick marks of a positioned axis, from its lowest to its highest value.
void TChartView::DrawAxisLine(QPainter& painter, const QValueAxis& axis) const
{
    if (!axis.isVisible() || !chart()->axes().contains(const_cast<QValueAxis*>(&axis)))
        return;
    const QRectF plot = PlotArea();
    const auto [low, high] = AxisRange(axis);
    painter.setPen(axis.linePen());
    const bool vertical = axis.orientation() == Qt::Vertical;
    const double edge = vertical ? (axis.alignment() == Qt::AlignRight ? plot.right() : plot.left())
                                 : (axis.alignment() == Qt::AlignTop ? plot.top() : plot.bottom());
    const double outward = (axis.alignment() == Qt::AlignRight || axis.alignment() == Qt::AlignBottom) ? TickLength
                                                                                                       : -TickLength;
    auto line = [&](double along0, double across0, double along1, double across1) {
        if (vertical)
            painter.drawLine(QPointF(across0, along0), QPointF(across1, along1));
        else
            painter.drawLine(QPointF(along0, across0), QPointF(along1, across1));
    };
    line(AxisPixel(axis, low), edge, AxisPixel(axis, high), edge);
    for (double value : TickValues(axis))
        line(AxisPixel(axis, value), edge, AxisPixel(axis, value), edge + outward);
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
            const auto state = states_.find(value);
            if (state != states_.end())
                state->second.Widening = true;  // the form's range stays as it is
            const double min = value->min();
            const double max = value->max();
            value->setMax(max + std::fabs(max) + 1.0);
            value->setRange(min, max);
            if (state != states_.end()) {
                state->second.Widening = false;
                UpdateTicks(value);  // the wider range may have made the step coarse
            }
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
    painter->save();
    for (const auto& entry : states_)
        if (entry.second.Axis && Positioned(entry.second))
            DrawGrid(*painter, *entry.second.Axis);
    painter->restore();
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
    for (const auto& entry : states_)
        if (entry.second.Axis && Positioned(entry.second))
            DrawAxisLine(*painter, *entry.second.Axis);
    painter->restore();
    if (OnAfterDraw) {
        painter->save();
        OnAfterDraw(*painter);
        painter->restore();
    }
}
