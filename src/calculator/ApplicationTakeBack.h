#pragma once
// What the main window takes back from the transducer application dialog when it returns
// OK, and how: every value enters the measuring point through its input path on the stored
// value (never through rounded display text), so every dependent quantity is recomputed.

#include <cstdint>

class TMeasuringPoint;

// The dialog's results, as its getters give them.
struct tApplicationResults {
    double InnerDiameter = 0.0;      // GetInnerDiameter [mm]
    double LiningThickness = 0.0;    // GetLiningThickness [mm]
    double WallThickness = 0.0;      // GetWallThickness [mm]
    double MediumTemperature = 0.0;  // GetMediumTemperature [°C]
    int SensorTypeCode = 0;          // GetSensorTypeCode, 0 = recommended
    int SoundPaths = 0;              // GetSoundPaths, 0 = automatic
    int WallMaterialCode = 0;        // GetWallMaterialCode
    int MediumCode = 0;              // GetMediumCode
    double MediumCUser = 0.0;        // user sound speeds [m/s], 0 = none
    double WallCUser = 0.0;
    double LiningCUser = 0.0;
    int LiningMaterialCode = 0;      // GetLiningMaterialCode
    bool SpacingFixed = false;
    double FixedSpacing = 0.0;       // [mm]
};

// Takes the results back in the dialog's order: inner diameter, lining, wall, temperature
// (clamped to the main window's range), transducer and sound paths (codes out of range give
// 0), material (a changed material brings its roughness), medium (with its properties), the
// user sound speeds, lining material, spacing, and last the recalculation from the inner
// diameter.
void TakeBackApplication(TMeasuringPoint& point, const tApplicationResults& results);
