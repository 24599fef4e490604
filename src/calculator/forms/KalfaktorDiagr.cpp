#include "calculator/forms/KalfaktorDiagr.h"

#include "charts/ChartView.h"
#include "formbase/DialogFactory.h"
#include "platform/NumberFormat.h"
#include "platform/WaitCursor.h"

#include <QChart>
#include <QLabel>
#include <QValueAxis>

TDLG_Kalfaktordiagramm::TDLG_Kalfaktordiagramm(QWidget* parent)
    : TDLG_MedienInfo(parent)
{
    setObjectName(QStringLiteral("DLG_Kalfaktordiagramm"));
    setWindowTitle(QStringLiteral("Strömungsabhängige Profilkorrektur"));
    Chart1->chart()->setTitle(QStringLiteral("Der Kalfaktor"));
    Chart1->BottomAxis()->setTitleText(QStringLiteral("Strömungsgeschwindigkeit [m/s]"));
    HideMediumControls();
    // K is a plain factor; the readout's X is the velocity.
    Lab_XME->setText(QStringLiteral("[m/s]"));
    Lab_YME->clear();
    Lab_YME2->clear();
}

void TDLG_Kalfaktordiagramm::PlotCalibrationFactor(double innerDiameter, double kinViscosity, double roughness,
                                                   double reynoldsLam, double reynoldsTurb)
{
    // The chart's own texts are not the translator's: they follow the form's language here.
    Chart1->chart()->setTitle(TranslateString(QStringLiteral("Der Kalfaktor")));
    Chart1->BottomAxis()->setTitleText(TranslateString(QStringLiteral("Strömungsgeschwindigkeit [m/s]")));
    ShowPoints(CalibrationFactorSeries(innerDiameter, kinViscosity, roughness, reynoldsLam, reynoldsTurb));
}

int TDLG_Kalfaktordiagramm::GetNearestIndex(double& x) const
{
    return NearestIndex(Points(), x, 2);
}

QString TDLG_Kalfaktordiagramm::GetXValueText(int index) const
{
    if (index < 0 || index >= static_cast<int>(Points().size()))
        return {};
    return Format(QStringLiteral("%.2f"), {Points()[index].x()});
}

QString TDLG_Kalfaktordiagramm::GetYValueText(int index) const
{
    if (index < 0 || index >= static_cast<int>(Points().size()))
        return {};
    return Format(QStringLiteral("%.3f"), {Points()[index].y()});
}

void ShowCalibrationFactorChart(QWidget* parent, double innerDiameter, double kinViscosity, double roughness,
                                double reynoldsLam, double reynoldsTurb)
{
    std::unique_ptr<TDLG_Kalfaktordiagramm> chart;
    {
        const TWaitCursor wait;
        chart = CreateDialog<TDLG_Kalfaktordiagramm>(parent);
        chart->PlotCalibrationFactor(innerDiameter, kinViscosity, roughness, reynoldsLam, reynoldsTurb);
    }
    chart->ShowDialog();
}
