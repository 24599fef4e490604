#include "calculator/core/NormVolume.h"

#include "calculator/core/MeasuringPoint.h"
#include "platform/NumberFormat.h"
#include "reference/Units.h"

#include <cmath>

double NormalizedVolumeFlow(const tNormVolumeParams& p)
{
    const double denominator = (ZeroCelsius + p.Temperature) * p.NormPressure * p.Compressibility;
    if (denominator == 0.0)
        return 0.0;
    const double vn = p.VolumeFlow * (ZeroCelsius + p.NormTemperature) * p.Pressure / denominator;
    return std::isfinite(vn) ? vn : 0.0;
}

TNormPanel NormPanelOf(TNormField field)
{
    switch (field) {
    case TNormField::NormTemp:
    case TNormField::NormDruck:
        return TNormPanel::NormConditions;
    case TNormField::CompressFactor:
        return TNormPanel::CompressFactor;
    default:
        return TNormPanel::Volume;
    }
}

TNormVolume::TNormVolume()
{
    values_[Index(TNormField::FluidTemp)] = 20.0;
    values_[Index(TNormField::FluidDruck)] = 1.0;
    values_[Index(TNormField::CompressFactor)] = 1.0;
}

void TNormVolume::LoadParams(const tNormVolumeParams& params)
{
    SetValue(TNormField::Volume, params.VolumeFlow);
    SetValue(TNormField::FluidTemp, params.Temperature);
    SetValue(TNormField::FluidDruck, params.Pressure);
    SetValue(TNormField::NormTemp, params.NormTemperature);
    SetValue(TNormField::NormDruck, params.NormPressure);
    SetValue(TNormField::CompressFactor, params.Compressibility);
    SelectVolumeUnit(params.VolumeUnit);
    SelectTempUnit(params.TempUnit);
}

tNormVolumeParams TNormVolume::StoreParams() const
{
    tNormVolumeParams p;
    p.VolumeFlow = Value(TNormField::Volume);
    p.Temperature = Value(TNormField::FluidTemp);
    p.Pressure = Value(TNormField::FluidDruck);
    p.NormTemperature = Value(TNormField::NormTemp);
    p.NormPressure = Value(TNormField::NormDruck);
    p.Compressibility = Value(TNormField::CompressFactor);
    p.TempUnit = static_cast<std::uint8_t>(tempUnit_);
    p.VolumeUnit = static_cast<std::uint8_t>(volumeUnit_);
    return p;
}

void TNormVolume::PrepareShow()
{
    if (Value(TNormField::NormDruck) == 0.0)
        SetDefaultNormValues();
    if (Value(TNormField::FluidDruck) == 0.0)
        SetValue(TNormField::FluidDruck, 1.0);
    if (Value(TNormField::CompressFactor) == 0.0)
        SetValue(TNormField::CompressFactor, 1.0);
}

void TNormVolume::SetDefaultNormValues()
{
    SetValue(TNormField::NormTemp, DefaultNormTemperature);
    SetValue(TNormField::NormDruck, DefaultNormPressure);
}

void TNormVolume::SetValue(TNormField field, double value)
{
    values_[Index(field)] = value;
}

QString TNormVolume::Text(TNormField field) const
{
    const double value = Value(field);
    switch (field) {
    case TNormField::Volume: {
        const tQlvMeTabsItem& unit = VolumeFlowUnits[volumeUnit_];
        return FloatToStrF(value * unit.Factor, ffFixed, 8, UnitDigits(unit));
    }
    case TNormField::FluidTemp:
    case TNormField::NormTemp: {
        const double shown = tempUnit_ == 1 ? CelsiusToFahrenheit(value) : value;
        return FloatToStrF(shown, ffFixed, 4, UnitDigits(TemperatureUnits[tempUnit_]));
    }
    case TNormField::FluidDruck:
        return FloatToStrF(value, ffFixed, 8, 1);
    case TNormField::NormDruck:
    case TNormField::CompressFactor:
        return FloatToStrF(value, ffFixed, 8, 3);
    }
    return {};
}

TNormVolume::TLimits TNormVolume::Limits(TNormField field)
{
    switch (field) {
    case TNormField::Volume:
        return {-1e20, 1e20};
    case TNormField::FluidTemp:
    case TNormField::NormTemp:
        return {-200.0, 300.0};
    case TNormField::FluidDruck:
    case TNormField::NormDruck:
        return {0.5, 600.0};
    case TNormField::CompressFactor:
        return {0.1, 10.0};
    }
    return {};
}

TNormVolume::TCommit TNormVolume::Commit(TNormField field, const QString& text)
{
    TCommit result;
    result.Panel = NormPanelOf(field);
    if (text == Text(field)) {
        result.Check.Ok = true;
        result.Check.Value = Value(field);
        return result;
    }
    const TLimits limits = Limits(field);
    const bool temperature = field == TNormField::FluidTemp || field == TNormField::NormTemp;
    double minimum = limits.Minimum;
    double maximum = limits.Maximum;
    QString unit = QStringLiteral("bar");
    if (field == TNormField::Volume) {
        minimum *= VolumeFlowUnits[volumeUnit_].Factor;
        maximum *= VolumeFlowUnits[volumeUnit_].Factor;
        unit = VolumeUnitName();
    } else if (temperature) {
        if (tempUnit_ == 1) {
            minimum = CelsiusToFahrenheit(minimum);
            maximum = CelsiusToFahrenheit(maximum);
        }
        unit = TempUnitName();
    } else if (field == TNormField::CompressFactor) {
        unit.clear();
    }
    result.Check = CheckEditValue(text, minimum, maximum, unit, true);
    if (!result.Check.Ok)
        return result;
    double value = result.Check.Value;
    if (field == TNormField::Volume)
        value /= VolumeFlowUnits[volumeUnit_].Factor;
    else if (temperature && tempUnit_ == 1)
        value = FahrenheitToCelsius(value);
    SetValue(field, value);
    result.Stored = true;
    return result;
}

void TNormVolume::SelectVolumeUnit(int unitId)
{
    volumeUnit_ = unitId >= 0 && unitId < static_cast<int>(VolumeFlowUnits.size()) ? unitId : 0;
}

void TNormVolume::SelectTempUnit(int unitIndex)
{
    tempUnit_ = unitIndex >= 0 && unitIndex < static_cast<int>(TemperatureUnits.size()) ? unitIndex : 0;
}

QString TNormVolume::VolumeUnitName() const
{
    return VolumeFlowUnits[volumeUnit_].Name;
}

QString TNormVolume::TempUnitName() const
{
    return TemperatureUnits[tempUnit_].Name;
}

double TNormVolume::NormalizedVolume() const
{
    return NormalizedVolumeFlow(StoreParams());
}

QString TNormVolume::NormalizedText() const
{
    const tQlvMeTabsItem& unit = VolumeFlowUnits[volumeUnit_];
    return FloatToStrF(NormalizedVolume() * unit.Factor, ffFixed, 8, UnitDigits(unit)) + QLatin1Char(' ')
           + unit.Name;
}

tNormVolumeParams NormVolumeParamsOf(const TMeasuringPoint& point)
{
    tNormVolumeParams p;
    p.VolumeFlow = point.VolumeFlow();
    p.Temperature = point.Temperature();
    p.Pressure = point.Pressure();
    p.NormTemperature = point.NormTemperature;
    p.NormPressure = point.NormPressure;
    p.Compressibility = point.Compressibility;
    p.TempUnit = static_cast<std::uint8_t>(point.UnitIndex(TQuantity::Temperature));
    p.VolumeUnit = static_cast<std::uint8_t>(point.UnitIndex(TQuantity::VolumeFlow));
    return p;
}

void TakeBackNormVolume(TMeasuringPoint& point, const tNormVolumeParams& params)
{
    point.ApplyValue(TQuantity::Temperature, params.Temperature);
    point.ApplyValue(TQuantity::Pressure, params.Pressure);
    point.ApplyValue(TQuantity::VolumeFlow, params.VolumeFlow);
    point.NormTemperature = params.NormTemperature;
    point.NormPressure = params.NormPressure;
    point.Compressibility = params.Compressibility;
    point.SelectUnit(TQuantity::Temperature, params.TempUnit);
    point.SelectUnit(TQuantity::VolumeFlow, params.VolumeUnit);
}
