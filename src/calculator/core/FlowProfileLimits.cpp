#include "calculator/core/FlowProfileLimits.h"

#include "platform/NumberFormat.h"

#include <cmath>
#include <limits>

double ClampReynoldsLimit(double value)
{
    if (!(value >= MinReynoldsLimit))
        return MinReynoldsLimit;
    return value > MaxReynoldsLimit ? MaxReynoldsLimit : value;
}

double VelocityAtReynolds(double reynoldsLimit, double kinViscosity, double innerDiameter)
{
    const double v = reynoldsLimit * kinViscosity / (0.1 * innerDiameter);
    return std::isfinite(v) ? v : std::numeric_limits<double>::quiet_NaN();
}

TVelocityLimitLabel VelocityLimitLabel(const QString& prefix, double reynoldsLimit, double kinViscosity,
                                       double innerDiameter, double velocityFactor, int velocityDigits,
                                       const QString& velocityUnitName)
{
    TVelocityLimitLabel label;
    const double v = VelocityAtReynolds(reynoldsLimit, kinViscosity, innerDiameter);
    const double shown = v * velocityFactor;
    if (!std::isfinite(v) || !std::isfinite(shown)) {
        label.Caption = QStringLiteral("UNDEF");
        return label;
    }
    label.Velocity = v;
    label.Caption = Format(prefix + QStringLiteral(" %.*f %s"), {velocityDigits, shown, velocityUnitName});
    label.Visible = true;
    return label;
}

QString FormatLineParam(double value, double factor, int decimals)
{
    return Format(QStringLiteral("%.*f"), {decimals, value * factor});
}

TFlowProfileLimits::TLineTexts TFlowProfileLimits::SetLineParams(const TLineParams& params)
{
    velocityFactor_ = params.VelocityFactor;
    velocityDigits_ = params.VelocityDigits;
    velocityUnitName_ = params.VelocityUnitName;
    lineViscosity_ = params.KinViscosity;
    lineDiameter_ = params.InnerDiameter;
    UpdateLimitLabels();
    return {FormatLineParam(params.InnerDiameter, params.LengthFactor, 1),
            FormatLineParam(params.KinViscosity, params.ViscosityFactor, 2),
            FormatLineParam(params.Roughness, params.RoughnessFactor, 3)};
}

void TFlowProfileLimits::SetReynoldsLam(double value)
{
    reynoldsLam_ = ClampReynoldsLimit(value);
    UpdateLimitLabels();
}

void TFlowProfileLimits::SetReynoldsTurb(double value)
{
    reynoldsTurb_ = ClampReynoldsLimit(value);
    UpdateLimitLabels();
}

void TFlowProfileLimits::AssignFirmwareReynolds()
{
    SetReynoldsLam(FirmwareReynoldsLam);
    SetReynoldsTurb(FirmwareReynoldsTurb);
}

bool TFlowProfileLimits::FirmwareActionEnabled() const
{
    return !(reynoldsLam_ == FirmwareReynoldsLam && reynoldsTurb_ == FirmwareReynoldsTurb);
}

void TFlowProfileLimits::UpdateLimitLabels()
{
    lam_ = VelocityLimitLabel(QStringLiteral("v <"), reynoldsLam_, lineViscosity_, lineDiameter_, velocityFactor_,
                              velocityDigits_, velocityUnitName_);
    turb_ = VelocityLimitLabel(QStringLiteral("v >"), reynoldsTurb_, lineViscosity_, lineDiameter_, velocityFactor_,
                               velocityDigits_, velocityUnitName_);
}
