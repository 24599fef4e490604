#pragma once
// The calibration-factor chart "Strömungsabhängige Profilkorrektur": the flow-profile
// calibration factor over the flow velocity for the current pipe and medium, with the
// medium chart's pointer readout at two decimals of velocity.

#include "calculator/forms/Medieninfo.h"

class TDLG_Kalfaktordiagramm : public TDLG_MedienInfo {
    Q_OBJECT

public:
    explicit TDLG_Kalfaktordiagramm(QWidget* parent = nullptr);

    // Plots K over 0 .. 10 m/s. Inner diameter and roughness in 0.1 mm, viscosity in mm²/s.
    void PlotCalibrationFactor(double innerDiameter, double kinViscosity, double roughness, double reynoldsLam,
                               double reynoldsTurb);

    int GetNearestIndex(double& x) const override;
    QString GetXValueText(int index) const override;
    QString GetYValueText(int index) const override;
};

// The main window's "Der Kalfaktor": computes the chart under the wait cursor, shows it
// modally and frees it.
void ShowCalibrationFactorChart(QWidget* parent, double innerDiameter, double kinViscosity, double roughness,
                                double reynoldsLam, double reynoldsTurb);
