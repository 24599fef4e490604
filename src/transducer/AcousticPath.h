#pragma once
// The acoustic path of a clamp-on transducer pair: from the wedge of one head through wall,
// lining and medium and back out to the other head. A plain value: the application dialog
// owns one and sets its input from its controls; a copy can be recalculated freely (the
// temperature scan of the detail text works on one).
//
// Full recalculation, in this order: LoadQuadrantProperties, the pipe validity test,
// ComputeSoundPath, ComputeCaptureWindow, SpacingForValue(MediumSoundSpeed()); Recalculate
// does exactly this. IsLambdaSmallPipe may be asked any time after LoadQuadrantProperties.
// After a change of the medium temperature alone, UpdateQuadrantMedia and ComputeSoundPath
// suffice.

#include "reference/CoeffSet.h"
#include "transducer/Quadrant.h"
#include "transducer/SensorCatalogue.h"

#include <array>
#include <cstdint>

// What the path needs of the measuring point (the application dialog's getters).
struct tPathInput {
    int SoundPaths = 2;               // N
    double InnerDiameter = 0.0;       // D [mm]
    double WallThickness = 0.0;       // [mm]
    double LiningThickness = 0.0;     // [mm]; 0 without lining
    double MediumTemperature = 20.0;  // [°C]
    double Pressure = 1.0;            // [bar]; exactly 0 counts as 1
    std::uint16_t WallMaterial = 0;   // library id; 0 = another material
    std::uint16_t LiningMaterial = 0;
    std::uint16_t Medium = 10000;     // library id; 10000 = another medium
    double WallSpeed = 0.0;           // user sound speeds [m/s] for materials and media that
    double LiningSpeed = 0.0;         // are not in the library (0 = none given)
    double MediumSpeed = 0.0;
    double Viscosity = 0.0;           // kinematic viscosity [mm²/s] of another medium
};

class tAcousticPath {
public:
    tPathInput Input;

    // The selected catalogue entry, copied whole; without one nothing can be computed.
    void SelectSensor(const tSensorDatenTableItem& entry);
    void ClearSensor();
    bool HasSensor() const { return hasSensor_; }
    const tSensorDatenTableItem& Sensor() const { return sensor_; }

    // Builds the six coefficient sets from the input and the selected entry, then runs
    // UpdateQuadrantMedia.
    void LoadQuadrantProperties();
    // Layer temperatures, sound speeds, the Snell invariant, the wedge angle, the
    // thicknesses and the medium viscosity at the current medium temperature.
    void UpdateQuadrantMedia();

    bool IsTotalReflection(tQuadrantId id) const;
    void MarkQuadrantBlocked(tQuadrantId id);
    void RefractQuadrant(tQuadrantId id, double snellInvariant);
    void UpdateTotalReflectionFlag();

    // The refraction chain, the axial length and the spacing. Missing sound speeds and
    // faults leave the path lengths and times at 0. On TotalReflection the blocked layers
    // are marked and the rest is computed.
    tPathStatus ComputeSoundPath();
    // The spacing for another medium sound speed c with the wall and lining results of the
    // last ComputeSoundPath; invalid (with that path's status) when that path failed or did
    // not pass wall and lining.
    tPathResult SpacingForValue(double c) const;
    // Capture-window percentage and total transit time; nothing changes for N < 1.
    tPathStatus ComputeCaptureWindow();
    // Pipe small against the wavelength: D / lambda_medium < 40 and wall / lambda_wall < 4.
    // False without a selected entry or when a wavelength cannot be formed.
    bool IsLambdaSmallPipe() const;
    // Transit-time difference [ns] for the uncorrected flow velocity v [mm/s]; invalid unless
    // the last ComputeSoundPath was.
    tPathResult TransitTimeDifference(double velocity) const;
    // N x GAMMA.tlauf + 2 x (ALPHA.tlauf + BETA.tlauf + BETA2.tlauf) of the present path.
    double SumTransitTime() const;
    // An inner diameter above 0.001 mm, and no negative wall or lining.
    bool IsValidPipe() const;

    // The full recalculation; Value is the spacing for the medium sound speed.
    tPathResult Recalculate();

    const tQuadrant& Quadrant(tQuadrantId id) const { return quadrants_[id]; }
    double SnellInvariant() const { return snellInvariant_; }
    double MediumSoundSpeed() const { return mediumSoundSpeed_; }
    double MediumViscosity() const { return mediumViscosity_; }
    double Pressure() const { return pressure_; }
    bool TotalReflection() const { return totalReflection_; }
    double AxialLength() const { return axialLength_; }
    double Spacing() const { return spacing_; }
    int CaptureWindow() const { return captureWindow_; }
    double TotalTransitTime() const { return totalTransitTime_; }

    const tCoeffSet& WedgeSet() const { return wedgeSet_; }
    const tCoeffSet& InvariantSet() const { return invariantSet_; }
    const tCoeffSet& WallSet() const { return wallSet_; }
    const tCoeffSet& LiningSet() const { return liningSet_; }
    const tCoeffSet& MediumSet() const { return mediumSet_; }
    const tCoeffSet& ViscositySet() const { return viscositySet_; }

private:
    tPathStatus CheckLayerValues() const;
    tPathStatus ComputeSoundPathSteps();
    bool WallOrLiningBlocked() const;
    void ClearPath();

    tSensorDatenTableItem sensor_;
    bool hasSensor_ = false;

    tCoeffSet wedgeSet_;
    tCoeffSet invariantSet_;
    tCoeffSet wallSet_;
    tCoeffSet liningSet_;
    tCoeffSet mediumSet_;
    tCoeffSet viscositySet_;

    std::array<tQuadrant, QuadrantCount> quadrants_{};
    std::array<bool, QuadrantCount> evaluated_{};  // the layer's sound speed evaluated cleanly
    bool invariantEvaluated_ = false;
    double snellInvariant_ = 0.0;
    double mediumSoundSpeed_ = 0.0;
    double mediumViscosity_ = 0.0;
    double pressure_ = 1.0;
    bool totalReflection_ = false;
    tPathStatus pathStatus_ = tPathStatus::MissingValue;  // of the last ComputeSoundPath
    double axialLength_ = 0.0;
    double spacing_ = 0.0;
    int captureWindow_ = 0;
    double totalTransitTime_ = 0.0;
};
