#include "transducer/DUChart.h"

#include <QChart>

TDUChart::TDUChart(QWidget* parent)
    : TChartView(parent)
{
    setFrameShape(QFrame::NoFrame);
    chart()->setAnimationOptions(QChart::NoAnimation);
    chart()->setMargins(QMargins(0, 5, 5, 3));
}
