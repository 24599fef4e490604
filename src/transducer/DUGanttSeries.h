#pragma once
// A Gantt bar series on the chart layer: bars from a start to an end value at a vertical
// position, each with its own colour, label, optional link to a next task and its own
// vertical half-size in pixels ("Height"). The chart's after-draw hook paints the bars; a
// hidden anchor series carries the axes through which values become pixels.

#include "platform/Colors.h"

#include <QRect>
#include <QString>

#include <vector>

class QAbstractAxis;
class QLineSeries;
class QPainter;
class TChartView;

// The bar from pixel x0 to x1 at pixel y with vertical half-size h: Round(height) when it is
// above 0, else the default. Pixels are clamped to +-16383; a pixel that is not a number
// (a logarithmic axis asked for 0) lies at the left limit.
QRect GanttBarRect(double x0, double x1, double y, double height, int defaultHeight);
// The connector from the end of one bar to the start of its next task: (x1, y), (m, y),
// (m, yn), (xn, yn) with m = x1 + (xn - x1) div 2.
std::vector<QPoint> GanttConnector(QPoint end, QPoint next);

class TDUGanttSeries {
public:
    // defaultHeight: the half-size of bars without a positive height value.
    TDUGanttSeries(TChartView* chart, QAbstractAxis* bottom, QAbstractAxis* left, int defaultHeight = 4);

    // Adds one bar; its next-task link is -1 (none). Returns its index.
    int AddGanttHeight(const QString& label, TColor colour, double start, double end, double y, int height);
    void Clear();
    int Count() const { return static_cast<int>(StartValues.size()); }
    // Attaches the anchor to another bottom axis (linear or logarithmic).
    void SetBottomAxis(QAbstractAxis* bottom);

    // Paints every bar (and, with a visible connecting pen, the links) in view pixels.
    void Draw(QPainter& painter) const;

    std::vector<double> StartValues;
    std::vector<double> EndValues;
    std::vector<double> YValues;
    std::vector<int> NextTask;
    std::vector<double> HeightValues;
    std::vector<TColor> Colours;
    std::vector<QString> Labels;
    bool ConnectingPenVisible = false;
    int DefaultHeight;

private:
    TChartView* chart_;
    QLineSeries* anchor_;
    QAbstractAxis* bottom_;
};
