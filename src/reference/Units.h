#pragma once
// Units of measure. Every quantity is held in one internal unit; a unit row gives the
// display name, the factor from the internal unit (display = internal * Factor, internal =
// display / Factor) and the decimals. The row index is what unit boxes, files and dialogs
// exchange (for volume flow: the unit identifier carried by the box item, see
// VolumeFlowUnitOrder). Temperature in °F goes through the two conversion routines, never
// through a factor.

#include <QString>

#include <array>
#include <cstdint>

// Flow quantities (velocity, volume flow, mass flow).
struct tQlvMeTabsItem {
    QString Name;
    double Factor = 1.0;
    int Digits = -1;        // decimals; -1 means 3
    QString QtyUnit;        // quantity part of the unit ("m³", "l", ...; "---" for velocities)
    double TimeFactor = 0;  // time part of the unit in seconds (0 for velocities)
};

// Every other quantity.
struct tMeUnitRec {
    QString Name;
    double Factor = 1.0;
    int Digits = -1;  // decimals; -1 means 3
};

extern const std::array<tQlvMeTabsItem, 5> VelocityUnits;       // internal mm/s
extern const std::array<tQlvMeTabsItem, 23> VolumeFlowUnits;    // internal mm³/s
extern const std::array<std::uint8_t, 23> VolumeFlowUnitOrder;  // box order of the identifiers
extern const std::array<tQlvMeTabsItem, 8> MassFlowUnits;       // internal mg/s
extern const std::array<tMeUnitRec, 4> LengthUnits;             // internal 0.1 mm
extern const std::array<tMeUnitRec, 5> AreaUnits;               // internal mm²
extern const std::array<tMeUnitRec, 3> SmallLengthUnits;        // internal 0.1 mm (roughness)
extern const std::array<tMeUnitRec, 4> DensityUnits;            // internal g/cm³
extern const std::array<tMeUnitRec, 1> KinViscosityUnits;       // internal mm²/s
extern const std::array<tMeUnitRec, 1> DynViscosityUnits;       // internal mPa·s
extern const std::array<tMeUnitRec, 2> TemperatureUnits;        // internal °C; row 1 is °F
extern const std::array<tMeUnitRec, 4> TimeUnits;               // internal ns

// Decimals of a row: a negative Digits means 3.
int UnitDigits(int digits);
int UnitDigits(const tQlvMeTabsItem& unit);
int UnitDigits(const tMeUnitRec& unit);

double CelsiusToFahrenheit(double T);  // T * 1.8 + 32
double FahrenheitToCelsius(double T);  // (T - 32) * 5/9
