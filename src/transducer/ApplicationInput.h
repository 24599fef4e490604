#pragma once
// What the main window hands to the application dialog, and the items of its material and
// medium boxes. The caller clears the record (value-initialises it) before filling it.

#include <QString>

#include <cstdint>
#include <vector>

// One item of a material or medium box: its caption and the library code it stands for.
struct tCodeItem {
    QString Caption;
    int Code = 0;
};

// The items of a box and its selected index (-1 = none). An empty list means the caller
// named no box, and the dialog keeps its own items.
struct tCodeItems {
    std::vector<tCodeItem> Items;
    int ItemIndex = -1;
};

struct tApplicationInput {
    double InnerDiameter = 0.0;        // [mm]
    double LiningThickness = 0.0;      // [mm]; 0 = no lining
    std::uint16_t LiningMaterial = 0;  // library code of the lining
    double WallThickness = 0.0;        // [mm]
    tCodeItems MaterialItems;          // wall materials; the selection is the wall material
    tCodeItems MediumItems;            // media; the selection is the medium
    double KinViscosity = 0.0;         // [mm²/s]
    double Temperature = 0.0;          // medium temperature [°C]
    double Pressure = 0.0;             // [bar] as the main window holds it
    std::uint8_t TempUnit = 0;         // index into TemperatureUnits (0 °C, 1 °F)
    std::uint8_t LengthUnit = 0;       // index into LengthUnits (0 m, 1 cm, 2 mm, 3 inch)
    std::uint8_t TypeCode = 0;         // transducer type code; 0 = assign the recommended one
    std::int32_t SoundPaths = 0;       // sound-path count; 0 = automatic
    double MediumSpeed = 0.0;          // user sound speeds [m/s]; 0 = none given
    double WallSpeed = 0.0;
    double LiningSpeed = 0.0;
    std::uint8_t SpacingFixed = 0;     // 1 = the spacing is fixed at FixedSpacing
    double FixedSpacing = 0.0;         // [mm]
};

// What the main window takes back when the dialog closes with OK.
struct tApplicationResult {
    double InnerDiameter = 0.0;    // [mm]
    double LiningThickness = 0.0;  // [mm]; 0 without lining
    double WallThickness = 0.0;    // [mm]
    double Temperature = 0.0;      // [°C]
    std::uint8_t TypeCode = 0;
    std::int32_t SoundPaths = 0;
    int WallMaterial = 0;
    int Medium = 10000;
    int LiningMaterial = 0;
    double MediumSpeed = 0.0;      // user sound speeds [m/s]
    double WallSpeed = 0.0;
    double LiningSpeed = 0.0;
    std::uint8_t SpacingFixed = 0;
    double FixedSpacing = 0.0;     // [mm]
};

// What the error estimation needs of the main window's flow: its unit texts and factors
// (display units per internal unit: mm/s, mm³/s, mg/s), density, velocity and the
// flow-profile limits.
struct tFlowHandOver {
    QString VelocityUnit;
    QString VolumeUnit;
    QString MassUnit;
    double VelocityFactor = 1.0;
    double VolumeFactor = 1.0;
    double MassFactor = 1.0;
    double Density = 0.0;         // [g/cm³]
    double Velocity = 0.0;        // [mm/s]
    double ReynoldsLam = 1000.0;  // Reynolds numbers of the laminar and turbulent limits
    double ReynoldsTurb = 6000.0;
};

// Everything the dialog is loaded with before it computes: the modes and the two records.
struct tApplicationSetup {
    bool MegaUser = false;
    bool ShowSmallPipe = false;
    bool ErrorEstimation = false;
    tFlowHandOver Flow;
    tApplicationInput Input;
};

// The codes of the "another material / medium" items.
constexpr int OtherMaterialCode = 0;
constexpr int OtherMediumCode = 10000;
// The medium of the expert test pipes.
constexpr int TestMediumCode = 10001;
