#pragma once
// Every value a measuring-point file holds of the measuring point, in the file's units.
// (Stand-in until the measuring point itself offers Record() and Apply().)

#include "calculator/MeasuringPoint.h"

#include <array>

struct TMeasuringPointRecord {
    bool DynViscosityVisible = false;  // COMMONS VISKDYN
    THold Hold = THold::CrossSection;  // FIXED (written, not applied: a load holds the pipe)
    int MaterialId = 1;                // PIPE DESC
    double InnerDiameterMm = 100.0;    // PIPEFL DN [mm]
    double LiningThickness = 0.0;      // PIPEFL LINING [mm]
    double WallThickness = 3.0;        // PIPEFL WALL [mm]
    double WallCUser = 0.0;            // PIPEFL WALLCUSER [m/s], 0 = none
    double LiningCUser = 0.0;          // PIPEFL LINCUSER [m/s]
    int LiningId = 16;                 // PIPEFL LINDESC
    double Roughness = 1.0;            // PIPE ROUGH [0.1 mm]
    int MediumId = 10001;              // MEDIUM DESC
    double Temperature = 20.0;         // MEDIUM TEMP [°C]
    double Pressure = 1.0;             // MEDIUM PRESS [bar]
    double Density = 1.0;              // MEDIUM DICHTE [g/cm³]
    double KinViscosity = 1.0;         // MEDIUM VISK [mm²/s]
    double DynViscosity = 1.0;         // MEDIUM VISKDYN [mPa·s]
    double ReynoldsLam = 1000.0;       // MEDIUM RMIN
    double ReynoldsTurb = 6000.0;      // MEDIUM RMAX
    double MediumCUser = 0.0;          // MEDIUM CUSER [m/s]
    double Velocity = 0.0;             // FLOW VELOC [mm/s]
    double VolumeFlow = 0.0;           // FLOW VOLUME [mm³/s]
    double MassFlow = 0.0;             // FLOW MASSFL [mg/s]
    std::array<int, QuantityCount> Units = {0, 0, 0, 2, 1, 1, 0, 0, 0, 0, 0};  // MEORD
    int SensorType = 0;                // TRANSD SELCTED
    int SoundPaths = 0;                // TRANSD SOUNDPATH, 0 = automatic
    bool SpacingFixed = false;         // TRANSD FIXED
    double FixedSpacing = 0.0;         // TRANSD FIXDIST [mm]
    double NormTemperature = 20.0;     // NORMVOL TEMP [°C]
    double NormPressure = 1.01325;     // NORMVOL PRESS [bar]
    double Compressibility = 1.0;      // NORMVOL COMPRESS
};
