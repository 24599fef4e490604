#pragma once
// The program's chart control: the common chart layer with the look every chart of the
// transducer application shares (no frame, no animation, white wall).

#include "charts/ChartView.h"

class TDUChart : public TChartView {
    Q_OBJECT

public:
    explicit TDUChart(QWidget* parent = nullptr);
};
