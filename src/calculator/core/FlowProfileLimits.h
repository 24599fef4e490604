#pragma once
// The engineering behind the flow-profile dialog TReynolDLG: the two Reynolds limits, the
// line parameters last loaded, and the velocities at which the flow becomes laminar or
// turbulent in that line. The dialog owns one TFlowProfileLimits, forwards its spin edits
// and buttons to it and copies the captions it produces onto its labels.

#include "calculator/core/ProfileFactor.h"

#include <QString>

// The range of the limit boxes SPE_ReynMin / SPE_ReynMax. A limit is always stored as the
// box shows it: clamped into this range (a value that is not a number gives the minimum).
inline constexpr double MinReynoldsLimit = 1.0;
inline constexpr double MaxReynoldsLimit = 100000000.0;
double ClampReynoldsLimit(double value);

// One velocity-limit label (ShLAB_VelocMIN / ShLAB_VelocMAX).
struct TVelocityLimitLabel {
    double Velocity = 0.0;  // mm/s; 0 when it cannot be computed
    QString Caption;        // "v < 0.010 m/s", or "UNDEF"
    bool Visible = false;
};

// Velocity [mm/s] at which Re equals reynoldsLimit: limit * nu / (0.1 * D). NaN when that
// is not finite (for example D = 0).
double VelocityAtReynolds(double reynoldsLimit, double kinViscosity, double innerDiameter);

// The label "<prefix> %.*f %s" (prefix "v <" or "v >") of the limit velocity in the given
// velocity unit; hidden, reading "UNDEF" and with velocity 0 when it cannot be computed.
TVelocityLimitLabel VelocityLimitLabel(const QString& prefix, double reynoldsLimit, double kinViscosity,
                                       double innerDiameter, double velocityFactor, int velocityDigits,
                                       const QString& velocityUnitName);

// Fixed-point text of value * factor with the given decimals (the line-parameter labels:
// inner diameter 1, viscosity 2, roughness 3 decimals).
QString FormatLineParam(double value, double factor, int decimals);

// The line parameters as the main window sends them (SendLineParams).
struct TLineParams {
    QString ViscosityUnitName;
    QString LengthUnitName;
    QString VelocityUnitName;
    int VelocityDigits = 3;
    double VelocityFactor = 0.001;
    QString RoughnessUnitName;
    double RoughnessFactor = 0.1;
    double Roughness = 0.0;      // k, 0.1 mm
    double LengthFactor = 0.1;
    double InnerDiameter = 0.0;  // D, 0.1 mm
    double ViscosityFactor = 1.0;
    double KinViscosity = 0.0;   // nu, mm²/s
};

class TFlowProfileLimits {
public:
    // The limits at creation are the firmware's.
    double ReynoldsLam() const { return reynoldsLam_; }
    double ReynoldsTurb() const { return reynoldsTurb_; }
    double LineViscosity() const { return lineViscosity_; }
    double LineDiameter() const { return lineDiameter_; }
    double VelocityFactor() const { return velocityFactor_; }
    int VelocityDigits() const { return velocityDigits_; }
    QString VelocityUnitName() const { return velocityUnitName_; }
    double VelocityLam() const { return lam_.Velocity; }   // mm/s
    double VelocityTurb() const { return turb_.Velocity; } // mm/s

    // Stores the line's velocity unit, nu and D and returns the three line texts; the
    // caller then sets both limits from its spin edits (SetReynoldsLam/Turb).
    struct TLineTexts {
        QString InnerDiameter;  // shLAB_IDM
        QString Viscosity;      // shLAB_Visk
        QString Roughness;      // shLAB_Rauh
    };
    TLineTexts SetLineParams(const TLineParams& params);

    // Store a limit, clamped, and recompute both velocity labels (UpdateLimitLabels).
    void SetReynoldsLam(double value);
    void SetReynoldsTurb(double value);
    // ACT_AssignFirmwareReynoldsExecute: both limits back to 1000 / 6000.
    void AssignFirmwareReynolds();
    // ACT_AssignFirmwareReynoldsUpdate: enabled unless the limits are the firmware's.
    bool FirmwareActionEnabled() const;

    const TVelocityLimitLabel& LaminarLabel() const { return lam_; }     // ShLAB_VelocMIN
    const TVelocityLimitLabel& TurbulentLabel() const { return turb_; }  // ShLAB_VelocMAX

    // Modal results of the adopt buttons.
    static constexpr int AdoptLaminarResult = 8;    // BitBtn1
    static constexpr int AdoptTurbulentResult = 9;  // BitBtn2

private:
    void UpdateLimitLabels();

    double reynoldsLam_ = FirmwareReynoldsLam;
    double reynoldsTurb_ = FirmwareReynoldsTurb;
    double lineViscosity_ = 0.0;
    double lineDiameter_ = 0.0;
    double velocityFactor_ = 0.001;
    int velocityDigits_ = 3;
    QString velocityUnitName_;
    TVelocityLimitLabel lam_;
    TVelocityLimitLabel turb_;
};
