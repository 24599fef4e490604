#include "calculator/core/QuantityUnits.h"

#include "platform/NumberFormat.h"
#include "reference/Units.h"

namespace {

constexpr int PressureDecimals = 1;

struct TUnitRow {
    QString Name;
    double Factor = 1.0;
    int Digits = 1;
};

template <typename Table>
bool TableRow(const Table& table, int index, TUnitRow& row)
{
    if (index < 0 || index >= static_cast<int>(table.size()))
        return false;
    row = {table[index].Name, table[index].Factor, UnitDigits(table[index])};
    return true;
}

bool UnitRow(TQuantity q, int index, TUnitRow& row)
{
    switch (q) {
    case TQuantity::Velocity:
        return TableRow(VelocityUnits, index, row);
    case TQuantity::VolumeFlow:
        return TableRow(VolumeFlowUnits, index, row);
    case TQuantity::MassFlow:
        return TableRow(MassFlowUnits, index, row);
    case TQuantity::InnerDiameter:
        return TableRow(LengthUnits, index, row);
    case TQuantity::CrossSection:
        return TableRow(AreaUnits, index, row);
    case TQuantity::Roughness:
        return TableRow(SmallLengthUnits, index, row);
    case TQuantity::Density:
        return TableRow(DensityUnits, index, row);
    case TQuantity::KinViscosity:
        return TableRow(KinViscosityUnits, index, row);
    case TQuantity::DynViscosity:
        return TableRow(DynViscosityUnits, index, row);
    case TQuantity::Temperature:
        if (!TableRow(TemperatureUnits, index, row))
            return false;
        row.Factor = 1.0;  // °F goes through the conversion routines
        return true;
    case TQuantity::Pressure:
        if (index != 0)
            return false;
        row = {QString(), 1.0, PressureDecimals};
        return true;
    }
    return false;
}

TUnitRow UnitRowOrFirst(TQuantity q, int index)
{
    TUnitRow row;
    if (!UnitRow(q, index, row))
        UnitRow(q, 0, row);
    return row;
}

bool Fahrenheit(TQuantity q, int unitIndex)
{
    return q == TQuantity::Temperature && unitIndex == 1;
}

} // namespace

int UnitCount(TQuantity quantity)
{
    int n = 0;
    TUnitRow row;
    while (UnitRow(quantity, n, row))
        ++n;
    return n;
}

bool ValidUnit(TQuantity quantity, int unitIndex)
{
    TUnitRow row;
    return UnitRow(quantity, unitIndex, row);
}

double UnitFactor(TQuantity quantity, int unitIndex)
{
    return UnitRowOrFirst(quantity, unitIndex).Factor;
}

int UnitDecimals(TQuantity quantity, int unitIndex)
{
    return UnitRowOrFirst(quantity, unitIndex).Digits;
}

QString UnitName(TQuantity quantity, int unitIndex)
{
    return UnitRowOrFirst(quantity, unitIndex).Name;
}

QString FormatQuantity(TQuantity quantity, double value, int unitIndex, bool withUnit)
{
    const TUnitRow row = UnitRowOrFirst(quantity, unitIndex);
    QString text;
    if (quantity == TQuantity::Temperature)
        text = FloatToStrF(Fahrenheit(quantity, unitIndex) ? CelsiusToFahrenheit(value) : value, ffFixed, 4,
                           row.Digits);
    else
        text = FloatToStrF(value * row.Factor, ffFixed, 8, row.Digits);
    if (withUnit)
        text += QLatin1Char(' ') + row.Name;
    return text;
}

TInputLimits InputLimits(TQuantity quantity)
{
    switch (quantity) {
    case TQuantity::InnerDiameter:
        return {1.0, 200000.0};
    case TQuantity::CrossSection:
        // The areas of the smallest and the largest inner diameter.
        return {0.0078539816339744831, 314159265.35897932};
    case TQuantity::Velocity:
        return {-1e38, 1e38};
    case TQuantity::VolumeFlow:
    case TQuantity::MassFlow:
        return {-1e20, 1e20};
    case TQuantity::Density:
        return {0.001, 10000.0};
    case TQuantity::KinViscosity:
    case TQuantity::DynViscosity:
        return {0.00001, 1e10};
    case TQuantity::Roughness:
        return {0.0, 1000.0};
    case TQuantity::Temperature:
        return {-200.0, 300.0};
    case TQuantity::Pressure:
        return {0.5, 600.0};
    }
    return {0.0, 0.0};
}

TInputLimits DisplayLimits(TQuantity quantity, int unitIndex)
{
    const TInputLimits limits = InputLimits(quantity);
    if (Fahrenheit(quantity, unitIndex))
        return {CelsiusToFahrenheit(limits.Minimum), CelsiusToFahrenheit(limits.Maximum)};
    const double factor = UnitFactor(quantity, unitIndex);
    return {limits.Minimum * factor, limits.Maximum * factor};
}

double ToInternal(TQuantity quantity, int unitIndex, double displayValue)
{
    if (Fahrenheit(quantity, unitIndex))
        return FahrenheitToCelsius(displayValue);
    return displayValue / UnitFactor(quantity, unitIndex);
}
