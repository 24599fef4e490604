#include "calculator/core/Hydraulics.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double Pi = std::numbers::pi;

bool Positive(double x)
{
    return std::isfinite(x) && x > 0.0;
}

// The steps; each changes nothing and returns false when it cannot be taken.

bool AreaFromFlow(TFlow& f)
{
    const double area = f.VolumeFlow / f.Velocity;
    const double diameter = DiameterOfCrossSection(area);
    if (!Positive(area) || !Positive(diameter))
        return false;
    f.CrossSection = area;
    f.InnerDiameter = diameter;
    return true;
}

bool VelocityFromFlow(TFlow& f)
{
    const double velocity = RoundVelocity(f.VolumeFlow / f.CrossSection);
    if (!std::isfinite(velocity))
        return false;
    f.Velocity = velocity;
    return true;
}

bool VolumeFromVelocity(TFlow& f)
{
    const double volume = f.CrossSection * f.Velocity;
    if (!std::isfinite(volume))
        return false;
    f.VolumeFlow = volume;
    return true;
}

bool VolumeFromMass(TFlow& f)
{
    const double volume = f.MassFlow / f.Density;
    if (!f.DensityValid || !std::isfinite(volume))
        return false;
    f.VolumeFlow = volume;
    return true;
}

// A stale density leaves the mass flow as it is; it is shown as invalid, not refused.
bool MassFromVolume(TFlow& f)
{
    if (!f.DensityValid)
        return true;
    const double mass = f.VolumeFlow * f.Density;
    if (!std::isfinite(mass))
        return false;
    f.MassFlow = mass;
    return true;
}

bool DensityFromMass(TFlow& f)
{
    const double density = std::fabs(f.MassFlow / f.VolumeFlow);
    if (!Positive(density))
        return false;
    SetDensity(f, density);
    return true;
}

bool VolumeRule(TFlow& f, THold hold)
{
    return hold == THold::Velocity ? AreaFromFlow(f) : VelocityFromFlow(f);
}

bool CrossSectionRule(TFlow& f, THold hold)
{
    return hold == THold::Velocity ? VolumeFromVelocity(f) : VelocityFromFlow(f);
}

bool VelocityRule(TFlow& f, THold hold)
{
    return hold == THold::Volume ? AreaFromFlow(f) : VolumeFromVelocity(f);
}

bool MassRule(TFlow& f, THold hold)
{
    return hold == THold::Volume ? DensityFromMass(f) : VolumeFromMass(f);
}

bool PipeChanged(TFlow& f, THold hold)
{
    if (!Positive(f.CrossSection) || !Positive(f.InnerDiameter))
        return false;
    return CrossSectionRule(f, hold) && (hold == THold::Volume || MassFromVolume(f));
}

} // namespace

double RoundVelocity(double velocity)
{
    return std::nearbyint(velocity) + 0.0;  // + 0.0: no "-0" text
}

double CrossSectionOfDiameter(double innerDiameter)
{
    return Pi * innerDiameter * innerDiameter / 400.0;
}

double DiameterOfCrossSection(double crossSection)
{
    return std::sqrt(400.0 * crossSection / Pi);
}

bool Recalculate(TFlow& flow, TQuantity changed, THold hold)
{
    const bool volumeHeld = hold == THold::Volume;
    switch (changed) {
    case TQuantity::InnerDiameter:
        flow.CrossSection = CrossSectionOfDiameter(flow.InnerDiameter);
        return PipeChanged(flow, hold);
    case TQuantity::CrossSection:
        flow.InnerDiameter = DiameterOfCrossSection(flow.CrossSection);
        return PipeChanged(flow, hold);
    case TQuantity::Velocity:
        return VelocityRule(flow, hold) && (volumeHeld || MassFromVolume(flow));
    case TQuantity::VolumeFlow:
        return VolumeRule(flow, hold) && MassFromVolume(flow);
    case TQuantity::MassFlow:
        return MassRule(flow, hold) && (volumeHeld || VolumeRule(flow, hold));
    case TQuantity::Density:
        return MassFromVolume(flow) && (volumeHeld || VolumeRule(flow, hold));
    default:
        return true;
    }
}

double DynFromKinViscosity(double kinViscosity, double density)
{
    const double dyn = kinViscosity * density;
    return std::isfinite(dyn) ? dyn : 0.0;
}

double KinFromDynViscosity(double dynViscosity, double density)
{
    const double kin = dynViscosity / density;
    return std::isfinite(kin) ? kin : 0.0;
}

void CoupleViscosities(double density, bool keepDyn, double& kinViscosity, double& dynViscosity)
{
    if (keepDyn)
        kinViscosity = KinFromDynViscosity(dynViscosity, density);
    else
        dynViscosity = DynFromKinViscosity(kinViscosity, density);
}

void SetDensity(TFlow& flow, double density)
{
    flow.Density = density;
    flow.DensityValid = true;
    CoupleViscosities(density, flow.KeepDynViscosity, flow.KinViscosity, flow.DynViscosity);
}

void SetKinViscosity(TFlow& flow, double kinViscosity)
{
    flow.KinViscosity = kinViscosity;
    CoupleViscosities(flow.Density, false, flow.KinViscosity, flow.DynViscosity);
}

void SetDynViscosity(TFlow& flow, double dynViscosity)
{
    flow.DynViscosity = dynViscosity;
    CoupleViscosities(flow.Density, true, flow.KinViscosity, flow.DynViscosity);
}
