#pragma once
// The quantities of the measuring point, their display units, input ranges and texts.
//
// Every quantity is held in one internal unit: velocity mm/s, volume flow mm³/s, mass flow
// mg/s, inner diameter and roughness 0.1 mm, cross-section mm², density g/cm³, kinematic
// viscosity mm²/s, dynamic viscosity mPa·s, temperature °C, pressure bar. A unit index is
// the row of the quantity's unit table (for the volume flow the unit identifier, whatever
// the box's list order). Display value = internal value × the row's factor; °F goes through
// the conversion routines instead, and the pressure has one unit, bar.

#include <QString>

#include <array>
#include <cstdint>

enum class TQuantity : std::uint8_t {
    Velocity,       // INP_veloc, ME_VELOC
    VolumeFlow,     // INP_Volume, CBX_ME_VOLUME
    MassFlow,       // INP_MassFl, ME_MASSFL
    InnerDiameter,  // INP_IDM, ME_IDM
    CrossSection,   // INP_Quer, ME_QUER
    Roughness,      // INP_Rauh, ME_Rauh
    Density,        // INP_Dichte, ME_Dichte
    KinViscosity,   // INP_Visk, ME_Visk
    DynViscosity,   // INP_ViskDYN, ME_ViskDYN
    Temperature,    // INP_FluidTemp, ME_TEMP
    Pressure        // INP_FluidDruck (no unit box)
};
inline constexpr int QuantityCount = 11;

constexpr int QuantityIndex(TQuantity quantity)
{
    return static_cast<int>(quantity);
}

// SetDefaultUnits: m/s, m³/h, t/h, mm, cm², mm, kg/m³, mm²/s, mPa·s, °C (and bar).
inline constexpr std::array<int, QuantityCount> DefaultUnits = {0, 0, 0, 2, 1, 1, 0, 0, 0, 0, 0};

// Number of units, and whether an index names one.
int UnitCount(TQuantity quantity);
bool ValidUnit(TQuantity quantity, int unitIndex);
// Row data; an invalid index gives the first row. The factor of °F and of the pressure is 1.
double UnitFactor(TQuantity quantity, int unitIndex);
int UnitDecimals(TQuantity quantity, int unitIndex);
QString UnitName(TQuantity quantity, int unitIndex);

// Value (internal unit) in the given unit: fixed-point with the unit's decimals and at most
// 8 significant digits (the temperature 4; more integer digits switch to scientific
// notation); withUnit appends a blank and the unit's name. The pressure: 1 decimal.
QString FormatQuantity(TQuantity quantity, double value, int unitIndex, bool withUnit);

// Input range, inclusive, in the internal unit and in the given display unit.
struct TInputLimits {
    double Minimum = 0.0;
    double Maximum = 0.0;
};
TInputLimits InputLimits(TQuantity quantity);
TInputLimits DisplayLimits(TQuantity quantity, int unitIndex);
// A display value converted to the internal unit.
double ToInternal(TQuantity quantity, int unitIndex, double displayValue);
