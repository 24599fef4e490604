#include "reference/Units.h"

// Seconds per time unit of the flow tables' TimeFactor.
namespace {
constexpr double PerSecond = 1.0;
constexpr double PerMinute = 60.0;
constexpr double PerHour = 3600.0;
constexpr double PerDay = 86400.0;
}  // namespace

const std::array<tQlvMeTabsItem, 5> VelocityUnits = {{
    {QStringLiteral("m/s"), 0.001, 3, QStringLiteral("---"), 0},
    {QStringLiteral("cm/s"), 0.1, 1, QStringLiteral("---"), 0},
    {QStringLiteral("mm/s"), 1.0, 0, QStringLiteral("---"), 0},
    {QStringLiteral("inch/s"), 0.03937007874015748, 2, QStringLiteral("---"), 0},
    {QStringLiteral("fps"), 0.0032808398950131233, 3, QStringLiteral("---"), 0},
}};

const std::array<tQlvMeTabsItem, 23> VolumeFlowUnits = {{
    {QStringLiteral("m³/h"), 3.6e-6, -1, QStringLiteral("m³"), PerHour},
    {QStringLiteral("m³/min"), 6e-8, -1, QStringLiteral("m³"), PerMinute},
    {QStringLiteral("m³/s"), 1e-9, -1, QStringLiteral("m³"), PerSecond},
    {QStringLiteral("l/h"), 0.0036, -1, QStringLiteral("l"), PerHour},
    {QStringLiteral("l/min"), 6e-5, -1, QStringLiteral("l"), PerMinute},
    {QStringLiteral("l/s"), 1e-6, -1, QStringLiteral("l"), PerSecond},
    {QStringLiteral("US-gal/h"), 0.0009510193844696104, -1, QStringLiteral("gal"), PerHour},
    {QStringLiteral("US-gal/min"), 1.5850323074493508e-5, -1, QStringLiteral("gal"), PerMinute},
    {QStringLiteral("US-gal/s"), 2.6417205124155844e-7, -1, QStringLiteral("gal"), PerSecond},
    {QStringLiteral("bbl/day"), 0.0005434396332285661, -1, QStringLiteral("bbl"), PerDay},
    {QStringLiteral("bbl/h"), 2.2643318051190253e-5, -1, QStringLiteral("bbl"), PerHour},
    {QStringLiteral("bbl/min"), 3.773886341865042e-7, -1, QStringLiteral("bbl"), PerMinute},
    {QStringLiteral("US-gal/day"), 0.02282446522727065, -1, QStringLiteral("gal"), PerDay},
    {QStringLiteral("US-Mgal/day"), 2.282446522727065e-8, -1, QStringLiteral("gal"), PerDay},
    {QStringLiteral("Ml/day"), 8.64e-8, -1, QStringLiteral("l"), PerDay},
    {QStringLiteral("m³/day"), 8.64e-5, -1, QStringLiteral("m³"), PerDay},
    {QStringLiteral("hl/h"), 3.6e-5, -1, QStringLiteral("hl"), PerHour},
    {QStringLiteral("hl/min"), 6e-7, -1, QStringLiteral("hl"), PerMinute},
    {QStringLiteral("hl/s"), 1e-8, -1, QStringLiteral("hl"), PerSecond},
    {QStringLiteral("ft3/d"), 0.003051187160773938, -1, QStringLiteral("ft3"), PerDay},
    {QStringLiteral("ft3/h"), 0.00012713279836558075, -1, QStringLiteral("ft3"), PerHour},
    {QStringLiteral("ft3/min"), 2.1188799727596792e-6, -1, QStringLiteral("ft3"), PerMinute},
    {QStringLiteral("ft3/s"), 3.5314666212661315e-8, -1, QStringLiteral("ft3"), PerSecond},
}};

const std::array<std::uint8_t, 23> VolumeFlowUnitOrder = {
    15, 0, 1, 2, 3, 4, 5, 16, 17, 18, 14, 9, 10, 11, 12, 6, 7, 8, 13, 19, 20, 21, 22};

const std::array<tQlvMeTabsItem, 8> MassFlowUnits = {{
    {QStringLiteral("t/h"), 3.6e-6, 3, QStringLiteral("t"), PerHour},
    {QStringLiteral("kg/h"), 0.0036, 3, QStringLiteral("kg"), PerHour},
    {QStringLiteral("kg/min"), 6e-5, 3, QStringLiteral("kg"), PerMinute},
    {QStringLiteral("g/s"), 0.001, 3, QStringLiteral("g"), PerSecond},
    {QStringLiteral("kg/s"), 1e-6, 3, QStringLiteral("kg"), PerSecond},
    {QStringLiteral("lb/h"), 0.007936641438655592, 3, QStringLiteral("lb"), PerHour},
    {QStringLiteral("lb/min"), 0.00013227735731092654, 3, QStringLiteral("lb"), PerMinute},
    {QStringLiteral("lb/s"), 2.204622621848776e-6, 3, QStringLiteral("lb"), PerSecond},
}};

const std::array<tMeUnitRec, 4> LengthUnits = {{
    {QStringLiteral("m"), 0.0001, 3},
    {QStringLiteral("cm"), 0.01, 2},
    {QStringLiteral("mm"), 0.1, 1},
    {QStringLiteral("inch"), 0.003937007874015748, 2},
}};

const std::array<tMeUnitRec, 5> AreaUnits = {{
    {QStringLiteral("m²"), 1e-6, 3},
    {QStringLiteral("cm²"), 0.01, 1},
    {QStringLiteral("mm²"), 1.0, 0},
    {QStringLiteral("in²"), 0.001550003120466241, 2},
    {QStringLiteral("ft²"), 1.076391044943201e-5, 3},
}};

const std::array<tMeUnitRec, 3> SmallLengthUnits = {{
    {QStringLiteral("cm"), 0.01, 4},
    {QStringLiteral("mm"), 0.1, 3},
    {QStringLiteral("inch"), 0.003937007874015748, 4},
}};

const std::array<tMeUnitRec, 4> DensityUnits = {{
    {QStringLiteral("kg/m³"), 1000.0, 0},
    {QStringLiteral("g/cm³"), 1.0, 3},
    {QStringLiteral("lb/in³"), 0.036127290926726036, 3},
    {QStringLiteral("lb/ft³"), 62.42795967278468, 3},
}};

const std::array<tMeUnitRec, 1> KinViscosityUnits = {{
    {QStringLiteral("mm²/s"), 1.0, 2},
}};

const std::array<tMeUnitRec, 1> DynViscosityUnits = {{
    {QStringLiteral("mPa*s"), 1.0, 2},
}};

// The °F factor is never applied: °F goes through CelsiusToFahrenheit / FahrenheitToCelsius.
const std::array<tMeUnitRec, 2> TemperatureUnits = {{
    {QStringLiteral("°C"), 1.0, 1},
    {QStringLiteral("°F"), 1.0, 1},
}};

const std::array<tMeUnitRec, 4> TimeUnits = {{
    {QStringLiteral("ps"), 1000.0, 0},
    {QStringLiteral("ns"), 1.0, 3},
    {QStringLiteral("µs"), 0.001, 3},
    {QStringLiteral("ms"), 1e-6, 3},
}};

int UnitDigits(int digits)
{
    return digits < 0 ? 3 : digits;
}

int UnitDigits(const tQlvMeTabsItem& unit)
{
    return UnitDigits(unit.Digits);
}

int UnitDigits(const tMeUnitRec& unit)
{
    return UnitDigits(unit.Digits);
}

double CelsiusToFahrenheit(double T)
{
    return static_cast<double>(T * 1.8L + 32.0L);
}

double FahrenheitToCelsius(double T)
{
    return static_cast<double>((T - 32.0L) * (5.0L / 9.0L));
}
