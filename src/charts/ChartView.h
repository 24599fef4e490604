#pragma once
// The chart layer: a QChartView whose owner paints under the series (a zone, a grid of its
// own) and over the finished chart (markers), in the view's pixels, from values mapped
// through the chart's axes. Charts keep their own look (white wall, no 3D); the chart's own
// background is clear so that what is painted underneath shows through.
//
// The numbers on the two value axes are the program's own number texts: Qt's labels keep
// their room but are not drawn, and the view paints each label with the separators of the
// format record, so they follow the language (the view repaints on a language switch).
// A form that paints an axis's labels itself sets their colour to transparent.
//
// Labels and grid lines of the two value axes stand at round values: a step of 1, 2 or 5
// times a power of ten, as many as the axis's length leaves room for, anchored at zero, so
// the range a form sets is kept while the labels never read 32.5 or 1064.95.
//
// Qt keeps an axis's label room from the chart's last layout, so a chart laid out while
// hidden (before it had its values) would open with its labels cut; the view lays out
// every axis's labels afresh whenever it is shown.

#include <QChartView>
#include <QColor>
#include <QPointF>
#include <QPointer>
#include <QRectF>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

class QAbstractSeries;
class QLineSeries;
class QPainter;
class QValueAxis;

// The label of a value axis at a value: the axis's label format ("%.1f") through the
// program's Format, or without one as many decimals as the tick step needs.
QString AxisLabelText(const QValueAxis& axis, double value);
// The values at which a value axis has ticks, lowest first.
std::vector<double> AxisTickValues(const QValueAxis& axis);
// The step between labels: 1, 2 or 5 times a power of ten, the smallest that puts no more
// than maxIntervals steps on the span (at least one). 1 for a span that is not a positive
// number.
double RoundTickStep(double span, int maxIntervals);

class TChartView : public QChartView {
    Q_OBJECT

public:
    explicit TChartView(QWidget* parent = nullptr);

    // Painted before the series (OnBeforeDrawSeries) and after everything (OnAfterDraw);
    // the painter works in scene pixels, which are the view's pixels.
    using TPaintHook = std::function<void(QPainter&)>;
    TPaintHook OnBeforeDrawSeries;
    TPaintHook OnAfterDraw;

    // The plot rectangle in view pixels.
    QRectF PlotArea() const;
    // A value pair to view pixels along the axes of the series (the first series when none
    // is given). Without a series the plot's top-left corner.
    QPointF MapToPixel(QPointF value, QAbstractSeries* series = nullptr) const;
    double XPixel(double x) const { return MapToPixel({x, 0.0}).x(); }
    double YPixel(double y) const { return MapToPixel({0.0, y}).y(); }

    // The two value axes (made on first use and attached to every series).
    QValueAxis* BottomAxis();
    QValueAxis* LeftAxis();
    // A line series without point markers, attached to both axes; hidden from the legend
    // when inLegend is false.
    QLineSeries* AddLineSeries(const QString& title, const QColor& colour, bool inLegend = true);
    void SetInLegend(QAbstractSeries* series, bool inLegend);

    // The rule that picks the step of an axis from its span and the most intervals that fit
    // its length; RoundTickStep unless a form sets its own.
    using TTickRule = std::function<double(double span, int maxIntervals)>;
    void SetTickRule(QValueAxis* axis, TTickRule rule);
    // The axis's range takes only the part of its length from startPercent to endPercent
    // (for a vertical axis counted from the top, as the eye reads it); the view paints its
    // line, ticks and grid lines there only. Its range stays the one the form sets.
    void SetAxisPositions(QValueAxis* axis, double startPercent, double endPercent);
    // The range a form set on one of the view's axes, and the values labelled within it.
    std::pair<double, double> AxisRange(const QValueAxis& axis) const;
    std::vector<double> TickValues(const QValueAxis& axis) const;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void drawBackground(QPainter* painter, const QRectF& rect) override;
    void drawForeground(QPainter* painter, const QRectF& rect) override;

private:
    // What the view keeps of one of its value axes.
    struct tAxisState {
        QPointer<QValueAxis> Axis;
        TTickRule Rule;
        double Low = 0.0, High = 1.0;             // the range the form set
        double StartPercent = 0.0, EndPercent = 100.0;
        bool Widening = false;                    // the view itself is setting Qt's range
    };

    // Takes over the painting of the axis's labels and the choice of its steps.
    void PaintLabelsOf(QValueAxis* axis);
    void Manage(QValueAxis* axis);
    void RangeChanged(QValueAxis* axis, double min, double max);
    void UpdateTicks(QValueAxis* axis);
    int IntervalsThatFit(const QValueAxis& axis, const tAxisState& state) const;
    bool Positioned(const tAxisState& state) const { return state.StartPercent != 0.0 || state.EndPercent != 100.0; }
    // A value's pixel along the axis (x for a horizontal, y for a vertical one).
    double AxisPixel(const QValueAxis& axis, double value) const;
    void DrawLabels(QPainter& painter, const QValueAxis& axis, const QColor& colour) const;
    void DrawGrid(QPainter& painter, const QValueAxis& axis) const;
    void DrawAxisLine(QPainter& painter, const QValueAxis& axis) const;

    // The axes whose labels the view paints, with the colour they are painted in.
    // Guarded: an axis dies with the chart, while this view is half destroyed already.
    std::vector<std::pair<QPointer<QValueAxis>, QColor>> painted_;
    std::map<const QValueAxis*, tAxisState> states_;
    QValueAxis* bottom_ = nullptr;
    QValueAxis* left_ = nullptr;
    // The context of the connections to the axes: gone before the chart and its axes are,
    // so no signal of a dying axis reaches the members above.
    std::unique_ptr<QObject> hooks_ = std::make_unique<QObject>();
};
