#pragma once
// The flow relations of the measuring point, as pure functions of the hold and of the
// quantity that changed. Units: velocity mm/s (a whole number), volume flow mm³/s, inner
// diameter 0.1 mm, cross-section mm², density g/cm³, mass flow mg/s, viscosities mm²/s and
// mPa·s.
//
// After a change the relations CrossSection = π · InnerDiameter² / 400, VolumeFlow =
// CrossSection · Velocity, MassFlow = VolumeFlow · Density and DynViscosity = KinViscosity ·
// Density hold again, up to the rounding of the velocity and the absolute value taken when
// the density follows the mass flow. The density and the viscosities are written only
// through SetDensity, SetKinViscosity and SetDynViscosity, which keep the viscosity
// coupling. The hold decides which quantity gives way:
//
// | changed                       | when held     | then                       | otherwise   |
// |-------------------------------|---------------|----------------------------|-------------|
// | volume flow                   | velocity      | cross-section and diameter | velocity    |
// | cross-section, inner diameter | velocity      | volume flow                | velocity    |
// | velocity                      | volume flow   | cross-section and diameter | volume flow |
// | mass flow                     | volume flow   | density                    | volume flow |
//
// Then the mass flow follows the volume flow: always after a volume flow, after a pipe or
// velocity change unless the volume flow is held. A new mass flow, and a density (which
// first gives the mass flow from the volume flow), run the volume-flow rule on the volume
// flow unless it is held.

#include "calculator/core/HoldMarkers.h"
#include "calculator/core/QuantityUnits.h"

struct TFlow {
    double Velocity = 0.0;
    double VolumeFlow = 0.0;
    double InnerDiameter = 0.0;
    double CrossSection = 0.0;
    double Density = 0.0;
    double MassFlow = 0.0;
    double KinViscosity = 0.0;
    double DynViscosity = 0.0;
    // The dynamic viscosity is the one the window shows: a new density keeps it and
    // recomputes the kinematic one; otherwise the reverse.
    bool KeepDynViscosity = false;
    // False while the density is a stale one (the medium library has no value for the
    // present temperature and pressure): the mass flow is then not computed from it, and
    // nothing that needs it can be computed.
    bool DensityValid = true;
};

// The stored velocity: rounded to whole mm/s, halves to even, never "-0".
double RoundVelocity(double velocity);
// π · D² / 400 and its inverse.
double CrossSectionOfDiameter(double innerDiameter);
double DiameterOfCrossSection(double crossSection);

// Re-establishes the relations after `changed` was stored in `flow` (velocity already
// rounded), as `hold` decides. A change of the inner diameter or the cross-section first
// derives the other one. Returns false when a step cannot be taken: a result that is not
// finite, a cross-section, inner diameter or density that would not be positive, or a step
// that needs a stale density. The steps before it stay done; the caller discards the
// whole change. Only the six flow quantities and the density trigger steps.
bool Recalculate(TFlow& flow, TQuantity changed, THold hold);

// The viscosity coupling: η = ν · ρ and ν = η / ρ, 0 when that fails (for example ρ = 0).
double DynFromKinViscosity(double kinViscosity, double density);
double KinFromDynViscosity(double dynViscosity, double density);
// The coupling after one of the three changed: the viscosity kept stays, the other follows.
void CoupleViscosities(double density, bool keepDyn, double& kinViscosity, double& dynViscosity);

// The setters of density and viscosities: each stores its value (the density then counts as
// valid) and recomputes the viscosity that gives way.
void SetDensity(TFlow& flow, double density);
void SetKinViscosity(TFlow& flow, double kinViscosity);
void SetDynViscosity(TFlow& flow, double dynViscosity);
