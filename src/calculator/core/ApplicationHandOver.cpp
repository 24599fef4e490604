#include "calculator/core/ApplicationHandOver.h"

#include "calculator/core/QuantityUnits.h"

#include <algorithm>

tApplicationInput MakeApplicationInput(const TMeasuringPoint& point, const tCodeItems& materials,
                                       const tCodeItems& media)
{
    tApplicationInput in{};
    in.InnerDiameter = point.InnerDiameter() / 10.0;
    in.LiningThickness = point.LiningThickness;
    in.LiningMaterial = point.LiningId;
    in.WallThickness = point.WallThickness;
    in.MaterialItems = materials;
    in.MediumItems = media;
    in.KinViscosity = point.KinViscosity();
    in.Temperature = point.Temperature();
    in.Pressure = point.Pressure();
    in.TempUnit = static_cast<std::uint8_t>(point.UnitIndex(TQuantity::Temperature));
    in.LengthUnit = static_cast<std::uint8_t>(point.UnitIndex(TQuantity::InnerDiameter));
    in.TypeCode = point.SensorType;
    in.SoundPaths = point.SoundPaths;
    in.MediumSpeed = point.MediumCUser;
    in.WallSpeed = point.WallCUser;
    in.LiningSpeed = point.LiningCUser;
    in.SpacingFixed = point.SpacingFixed;
    in.FixedSpacing = point.FixedSpacing;
    return in;
}

tFlowHandOver MakeFlowHandOver(const TMeasuringPoint& point, double reynoldsLam, double reynoldsTurb)
{
    tFlowHandOver flow;
    const int velocity = point.UnitIndex(TQuantity::Velocity);
    const int volume = point.UnitIndex(TQuantity::VolumeFlow);
    const int mass = point.UnitIndex(TQuantity::MassFlow);
    flow.VelocityUnit = UnitName(TQuantity::Velocity, velocity);
    flow.VolumeUnit = UnitName(TQuantity::VolumeFlow, volume);
    flow.MassUnit = UnitName(TQuantity::MassFlow, mass);
    flow.VelocityFactor = UnitFactor(TQuantity::Velocity, velocity);
    flow.VolumeFactor = UnitFactor(TQuantity::VolumeFlow, volume);
    flow.MassFactor = UnitFactor(TQuantity::MassFlow, mass);
    flow.Density = point.Density();
    flow.Velocity = point.Velocity();
    flow.ReynoldsLam = reynoldsLam;
    flow.ReynoldsTurb = reynoldsTurb;
    return flow;
}

tApplicationSetup MakeApplicationSetup(const TMeasuringPoint& point, const tCodeItems& materials,
                                       const tCodeItems& media)
{
    tApplicationSetup setup;
    setup.MegaUser = point.MegaUser != 0;
    setup.ShowSmallPipe = point.ViewMode == 1;
    setup.ErrorEstimation = point.ErrorEstimation != 0;
    setup.Flow = MakeFlowHandOver(point, point.ReynoldsLam(), point.ReynoldsTurb());
    setup.Input = MakeApplicationInput(point, materials, media);
    return setup;
}

void TakeBackApplication(TMeasuringPoint& point, const tApplicationResult& r)
{
    point.ApplyValue(TQuantity::InnerDiameter, r.InnerDiameter * 10.0);
    point.LiningThickness = r.LiningThickness;
    point.WallThickness = r.WallThickness;
    // The dialog's temperature range is wider than the main window's: clamp rather than lose it.
    const TInputLimits limits = InputLimits(TQuantity::Temperature);
    point.ApplyValue(TQuantity::Temperature, std::clamp(r.Temperature, limits.Minimum, limits.Maximum));
    point.SensorType = r.TypeCode;
    point.SoundPaths = r.SoundPaths;
    // The point has no selection-only setter: a changed material comes with its roughness.
    if (r.WallMaterial != point.GetMaterialId())
        point.SelectMaterial(r.WallMaterial);
    point.SelectMedium(r.Medium);
    point.MediumCUser = r.MediumSpeed;
    point.WallCUser = r.WallSpeed;
    point.LiningCUser = r.LiningSpeed;
    point.LiningId = static_cast<std::uint16_t>(r.LiningMaterial);
    point.SpacingFixed = r.SpacingFixed;
    point.FixedSpacing = r.FixedSpacing;
    point.ApplyValue(TQuantity::InnerDiameter, point.InnerDiameter());
}
