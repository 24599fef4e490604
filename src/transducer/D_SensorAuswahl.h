#pragma once
// The transducer range chart: one row per transducer type the
// user may choose, the specified inner-diameter range as a thick green bar and the further
// possible range on either side as thin white bars. The application dialog creates it, calls
// FillRangeChart with its expert flag, shows it and frees it.

#include "formbase/MultForm.h"
#include "platform/Colors.h"

#include <QString>

#include <memory>
#include <vector>

class QAbstractAxis;
class QCategoryAxis;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLogValueAxis;
class QPainter;
class QScrollArea;
class QScrollBar;
class QValueAxis;
class TDUChart;
class TDUGanttSeries;

// One bar of the chart: y is the row (1 = the first shown entry).
struct tRangeBar {
    QString Label;
    TColor Colour;
    double Start, End, Y;
    int Height;
};
inline constexpr TColor RangeGreen = 0x00FF00;
inline constexpr int RangeRowHeight = 55;  // px per shown row

// The bars for the catalogue: the partner-brand variant shows its own names and visibility;
// expert shows every entry.
std::vector<tRangeBar> RangeChartBars(bool oemVariant, bool expert);
// The bottom axis label in inch for a label that is an integer number of mm ("%.1f" of
// mm / 25.4); any other label becomes empty.
QString InchAxisLabel(const QString& mmLabel);
// The bottom axis range: linear from 0; logarithmic never from 0 but from the power of ten
// at or below the smallest positive start (at least 1 mm), widened when the end is not
// above the start.
struct tAxisRange {
    double Min, Max;
};
tAxisRange RangeChartAxis(bool logarithmic, double smallestStart, double end);

class TDLG_SensorAuswahl : public TMultilingualForm {
    Q_OBJECT

public:
    explicit TDLG_SensorAuswahl(QWidget* parent = nullptr);
    ~TDLG_SensorAuswahl() override;

    void FillRangeChart(bool expert);
    int AddGanttHeight(const QString& label, TColor colour, double start, double end, double y, int height);

    // Event handlers.
    void CheckBox1Click();
    void ScrollBar1Scroll(int position);
    void DUChart1GetAxisLabel(QAbstractAxis* axis, QString& labelText) const;
    void CB_InchClick();

    QAbstractAxis* BottomAxis() const;
    TDUGanttSeries* Series() const { return Series1.get(); }
    int Rows() const { return rows_; }

    QLabel* Panel1 = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    TDUChart* DUChart1 = nullptr;
    std::unique_ptr<TDUGanttSeries> Series1;
    QGroupBox* GroupBox1 = nullptr;
    QCheckBox* CB_Inch = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QScrollBar* ScrollBar1 = nullptr;

private:
    void CreateCaption();
    void CreateChart();
    void CreateAxisGroup();
    void ConnectHandlers();
    void ApplyBottomRange(double end);
    void DrawBottomLabels(QPainter& painter) const;

    QValueAxis* linear_ = nullptr;
    QLogValueAxis* log_ = nullptr;
    QCategoryAxis* left_ = nullptr;
    int rows_ = 0;
    double smallestStart_ = 1.0;
    double largestEnd_ = 6500.0;
};

// BitBtn1 of the application dialog: the range chart for the expert flag, modally.
void ShowRangeChart(QWidget* parent, bool expert);
