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

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void drawBackground(QPainter* painter, const QRectF& rect) override;
    void drawForeground(QPainter* painter, const QRectF& rect) override;

private:
    // Takes over the painting of the axis's labels.
    void PaintLabelsOf(QValueAxis* axis);
    void DrawLabels(QPainter& painter, const QValueAxis& axis, const QColor& colour) const;

    // The axes whose labels the view paints, with the colour they are painted in.
    // Guarded: an axis dies with the chart, while this view is half destroyed already.
    std::vector<std::pair<QPointer<QValueAxis>, QColor>> painted_;
    QValueAxis* bottom_ = nullptr;
    QValueAxis* left_ = nullptr;
};
