#include "calculator/ApplicationTakeBack.h"

#include "calculator/MeasuringPoint.h"

#include <algorithm>

namespace {
constexpr int MaxTypeCode = 14;
constexpr int MaxSoundPaths = 8;

int CodeOrZero(int code, int maximum)
{
    return code >= 0 && code <= maximum ? code : 0;
}
}  // namespace

void TakeBackApplication(TMeasuringPoint& point, const tApplicationResults& r)
{
    point.ApplyValue(TQuantity::InnerDiameter, r.InnerDiameter * 10.0);
    point.LiningThickness = r.LiningThickness;
    point.WallThickness = r.WallThickness;
    // The dialog accepts a wider range than the main window.
    const TInputLimits limits = InputLimits(TQuantity::Temperature);
    point.ApplyValue(TQuantity::Temperature, std::clamp(r.MediumTemperature, limits.Minimum, limits.Maximum));
    point.SensorType = static_cast<std::uint8_t>(CodeOrZero(r.SensorTypeCode, MaxTypeCode));
    point.SoundPaths = CodeOrZero(r.SoundPaths, MaxSoundPaths);
    if (r.WallMaterialCode != point.GetMaterialId())
        point.SelectMaterial(r.WallMaterialCode);
    point.SelectMedium(r.MediumCode);
    point.MediumCUser = r.MediumCUser;
    point.WallCUser = r.WallCUser;
    point.LiningCUser = r.LiningCUser;
    point.LiningId = static_cast<std::uint16_t>(r.LiningMaterialCode);
    point.SpacingFixed = r.SpacingFixed ? 1 : 0;
    point.FixedSpacing = r.FixedSpacing;
    point.ApplyValue(TQuantity::InnerDiameter, point.InnerDiameter());
}
