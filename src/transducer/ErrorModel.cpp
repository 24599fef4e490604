#include "transducer/ErrorModel.h"

#include "platform/FormatSettings.h"
#include "platform/NumberFormat.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double BandStart = 100.0;  // [mm/s]
constexpr double BandStep = 100.0;
constexpr double WideStepAbove = 10000.0;
constexpr int BandPoints = 100;
constexpr double TentHeight = 10.0;

bool IsPositiveFinite(double v) { return std::isfinite(v) && v > 0.0; }

}  // namespace

void tErrorModel::SetErrorData(const tErrorData& data, const tTranslate& translate)
{
    Quantities[QuantityVelocity] = {Translated(translate, QStringLiteral("Flow velocity")),
                                    data.VelocityFactor, data.VelocityUnit};
    Quantities[QuantityVolume] = {Translated(translate, QStringLiteral("Volume flow")),
                                  data.VolumeFactor, data.VolumeUnit};
    Quantities[QuantityMass] = {Translated(translate, QStringLiteral("Mass flow")),
                                data.MassFactor, data.MassUnit};
    Velocity = data.Velocity;
    InnerDiameter = data.InnerDiameter;
    VelocityLaminar = data.VelocityLaminar;
    VelocityTurbulent = data.VelocityTurbulent;
    MediumSection = data.Medium;
    SoundPaths = data.SoundPaths;
    Sensor = data.Sensor;
    dvt0Calc = CalcZeroPointError();
    SetQuantity(QuantityVolume);
}

void tErrorModel::SetQuantity(int index)
{
    if (index < QuantityVelocity || index > QuantityMass)
        return;
    QuantityIndex = static_cast<std::uint8_t>(index);
    PlotBands();
}

double tErrorModel::CalcZeroPointError() const
{
    const tQuadrant& m = MediumSection;
    const double divisor = 2.0 * SoundPaths * InnerDiameter * m.sin;
    if (divisor == 0.0)
        return FallbackZeroPointError;
    const double value = 0.001 * m.c * m.c * m.cos * Sensor.TotZeitAbgleich / divisor;
    return std::isfinite(value) ? value : FallbackZeroPointError;
}

double tErrorModel::ErrorBase(double x, double d, double a)
{
    if (x == 0.0)
        return 0.0;
    const double value = 100.0 * d / x + a;
    return std::isfinite(value) ? value : 0.0;
}

double tErrorModel::Speed() const
{
    return std::fabs(Velocity);
}

bool tErrorModel::InTransitionRange() const
{
    return VelocityLaminar < Speed() && Speed() < VelocityTurbulent;
}

double tErrorModel::TransitionErrorAddOn() const
{
    if (!InTransitionRange())
        return 0.0;
    const double h = (VelocityTurbulent - VelocityLaminar) * 0.5;
    const double middle = VelocityLaminar + h;
    double k = TentHeight / h;
    if (Speed() > middle)
        k = -k;
    const double value = k * Speed() + (TentHeight - middle * k);
    return std::isfinite(value) ? value : 0.0;
}

bool tErrorModel::HasRelativeError() const
{
    return std::isfinite(Velocity) && Velocity != 0.0;
}

double tErrorModel::ErrorLimit() const
{
    if (!HasRelativeError())
        return NAN;
    return std::max(1.0, ErrorBase(Speed(), dvt0, 3.0)) + TransitionErrorAddOn();
}

double tErrorModel::TypicalError() const
{
    if (!HasRelativeError())
        return NAN;
    return std::max(1.0, ErrorBase(Speed(), dvt0 / 2.0, 1.8)) + 0.8 * TransitionErrorAddOn();
}

bool tErrorModel::GetTypicalErrorText(QString& text) const
{
    const double typical = TypicalError();
    if (!std::isfinite(typical))
        return false;
    text = Format(QStringLiteral("%.1f"), {typical});
    return true;
}

QString tErrorModel::ZeroPointHint() const
{
    return Format(QStringLiteral("dvt0=%.3f"), {dvt0Calc});
}

QString tErrorModel::Title(const tTranslate& translate) const
{
    return Format(Translated(translate, QStringLiteral("relative measuring error (Di=%.1f mm)")),
                  {InnerDiameter});
}

QString tErrorModel::AxisTitle() const
{
    const tFlowmms2UserME& q = Quantities[QuantityIndex];
    return q.Caption + QStringLiteral(" [") + q.UnitName + QStringLiteral("]");
}

QStringList tErrorModel::ErrorText(const tTranslate& translate) const
{
    if (!HasRelativeError())
        return {};
    if (InTransitionRange()) {
        return {Format(Translated(translate,
                                  QStringLiteral("The estimated error could be increased up to "
                                                 "%.0f%%, because the current flow is neither "
                                                 "full turbulent nor full laminar")),
                       {ErrorLimit()})};
    }
    return {Format(Translated(translate, QStringLiteral("The estimated error limit is %.1f%% ")),
                   {ErrorLimit()}),
            Format(Translated(translate, QStringLiteral("The estimated typical error is %.1f%% ")),
                   {TypicalError()})};
}

double tErrorModel::Factor() const
{
    const double f = Quantities[QuantityIndex].Factor;
    return IsPositiveFinite(f) ? f : 0.0;
}

double tErrorModel::OperatingX() const { return Speed() * Factor(); }
double tErrorModel::LaminarX() const { return VelocityLaminar * Factor(); }
double tErrorModel::TurbulentX() const { return VelocityTurbulent * Factor(); }

double tErrorModel::MarkerError3() const
{
    return ErrorBase(Speed(), dvt0, 3.0);
}

double tErrorModel::MarkerErrorTypical() const
{
    return ErrorBase(Speed(), dvt0, TypicalError());
}

void tErrorModel::PlotBands()
{
    Band1Upper.clear();
    Band1Lower.clear();
    Band3Upper.clear();
    Band3Lower.clear();
    dvt0 = dvt0Calc;
    const double x0 = BandStart;
    double step = BandStep;
    if (Speed() > WideStepAbove)
        step = 1.2 * Speed() / 100.0;
    const double F = Factor();
    // A quantity that cannot scale the axis (a density of 0, say) gets no bands, but still a
    // usable axis.
    const double maximum = (x0 + BandPoints * step) * F;
    AxisMaximum = IsPositiveFinite(maximum) ? maximum : 1.0;
    if (F == 0.0)
        return;
    auto fill = [&](double offset, std::vector<tBandPoint>& upper, std::vector<tBandPoint>& lower) {
        BandOffset = offset;
        for (int i = 0; i < BandPoints; ++i) {
            const double x = x0 + i * step;
            const double y = ErrorBase(x, dvt0, offset);
            upper.push_back({x * F, y});
            lower.push_back({x * F, -y});
        }
    };
    if (ShowOnePercentBand)
        fill(1.0, Band1Upper, Band1Lower);
    fill(3.0, Band3Upper, Band3Lower);
}

QString tErrorModel::LeftAxisLabel(double percent)
{
    QString text = FloatToStrF(percent, ffNumber, 15, 3);
    // Up to three decimals, of which the first is always shown.
    const QChar separator = FormatSettings().DecimalSeparator;
    const qsizetype point = text.lastIndexOf(separator);
    if (point < 0)
        return text;
    qsizetype end = text.size();
    while (end > point + 2 && text[end - 1] == QLatin1Char('0'))
        --end;
    return text.left(end);
}

double tErrorModel::LeftAxisStep(double span, int maxLabels)
{
    double step = 0.1;
    if (!std::isfinite(span) || span <= 0.0 || maxLabels < 1)
        return step;
    static constexpr double Multiples[] = {2.0, 2.5, 2.0};  // 0.1 -> 0.2 -> 0.5 -> 1 -> 2 ...
    for (int i = 0; span / step > maxLabels && step < 1e12; ++i)
        step *= Multiples[i % 3];
    return step;
}
