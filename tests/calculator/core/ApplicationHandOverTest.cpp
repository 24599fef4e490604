#include "calculator/core/ApplicationHandOver.h"

#include "platform/FormatSettings.h"
#include "platform/MessageBeep.h"
#include "transducer/ApplicationCalc.h"

#include <gtest/gtest.h>

namespace {

tCodeItems Items(const std::vector<int>& codes, int selected)
{
    tCodeItems items;
    for (int code : codes) {
        if (code == selected)
            items.ItemIndex = static_cast<int>(items.Items.size());
        items.Items.push_back({QString::number(code), code});
    }
    return items;
}

// Water in the standard steel pipe, with odd values that a careless round trip would change.
TEST(ApplicationHandOver, OpeningAndOkHandBackWhatCameIn)
{
    FormatSettingsScope scope{TFormatSettings()};
    SetMessageBeepHandler(nullptr);
    TMeasuringPoint point;
    point.SetStandardValues();
    point.ApplyValue(TQuantity::InnerDiameter, 524.8);
    point.ApplyValue(TQuantity::Temperature, 21.7);
    point.SelectUnit(TQuantity::Temperature, 1);
    point.WallThickness = 3.91;
    point.LiningThickness = 1.3;
    point.LiningId = 3;
    point.MediumCUser = 1234.0;
    point.SoundPaths = 4;
    point.SpacingFixed = 1;
    point.FixedSpacing = -20.5;  // the transducers overlap
    const tCodeItems materials = Items(TMeasuringPoint::ListedMaterialIds(), point.GetMaterialId());
    const tCodeItems media = Items(TMeasuringPoint::ListedMediumIds(false), point.GetMediumId());

    const tApplicationInput in = MakeApplicationInput(point, materials, media);
    EXPECT_EQ(in.InnerDiameter, 52.48);
    EXPECT_EQ(in.TempUnit, 1);
    EXPECT_EQ(in.LengthUnit, point.UnitIndex(TQuantity::InnerDiameter));
    tApplicationCalc calc(false);
    calc.SetInputData(in);
    EXPECT_EQ(calc.View().FixedNumber, QStringLiteral("-20.5"));
    const tApplicationResult r = calc.Result();
    TakeBackApplication(point, r);

    EXPECT_EQ(point.InnerDiameter(), 524.8);
    EXPECT_EQ(point.Temperature(), 21.7);
    EXPECT_EQ(point.WallThickness, 3.91);
    EXPECT_EQ(point.LiningThickness, 1.3);
    EXPECT_EQ(point.LiningId, 3);
    EXPECT_EQ(point.MediumCUser, 1234.0);
    EXPECT_EQ(point.FixedSpacing, -20.5);
    EXPECT_EQ(point.GetMediumId(), 10001);
    EXPECT_EQ(point.SoundPaths, r.SoundPaths);
    EXPECT_EQ(point.SensorType, calc.RecommendedSensorType());
    EXPECT_NE(point.SensorType, 0);

    // The flow data carries the measuring point's own limits, never a dialog's.
    point.SetReynoldsLimits(1500.0, 5000.0);
    const tApplicationSetup setup = MakeApplicationSetup(point, materials, media);
    EXPECT_EQ(setup.Flow.Velocity, point.Velocity());
    EXPECT_EQ(setup.Flow.VelocityUnit, "m/s");
    EXPECT_EQ(setup.Flow.ReynoldsLam, 1500.0);
    EXPECT_EQ(setup.Flow.ReynoldsTurb, 5000.0);
    EXPECT_GT(setup.Flow.Density, 0.9);
}

// A temperature beyond the main window's range is clamped, not dropped; a new wall material
// brings its own roughness.
TEST(ApplicationHandOver, TakeBackClampsTemperatureAndTakesTheMaterialsRoughness)
{
    FormatSettingsScope scope{TFormatSettings()};
    SetMessageBeepHandler(nullptr);
    TMeasuringPoint point;
    point.SetStandardValues();
    const tCodeItems materials = Items(TMeasuringPoint::ListedMaterialIds(), point.GetMaterialId());
    const tCodeItems media = Items(TMeasuringPoint::ListedMediumIds(false), point.GetMediumId());
    tApplicationCalc calc(false);
    calc.SetInputData(MakeApplicationInput(point, materials, media));
    tApplicationResult r = calc.Result();
    const TInputLimits limits = InputLimits(TQuantity::Temperature);
    const int other = materials.Items.at(materials.ItemIndex == 0 ? 1 : 0).Code;

    r.Temperature = limits.Maximum + 100.0;
    r.WallMaterial = other;
    TakeBackApplication(point, r);
    EXPECT_EQ(point.Temperature(), limits.Maximum);
    EXPECT_EQ(point.GetMaterialId(), other);
    TMeasuringPoint reference;
    reference.SetStandardValues();
    reference.SelectMaterial(other);
    EXPECT_EQ(point.Roughness(), reference.Roughness());

    r.Temperature = limits.Minimum - 100.0;
    TakeBackApplication(point, r);
    EXPECT_EQ(point.Temperature(), limits.Minimum);
}

// Each value the dialog hands back lands in its own field of the point: the three user
// sound speeds, the lining material and the spacing never trade places.
TEST(ApplicationHandOver, TakeBackKeepsEveryValueInItsOwnField)
{
    FormatSettingsScope scope{TFormatSettings()};
    SetMessageBeepHandler(nullptr);
    TMeasuringPoint point;
    point.SetStandardValues();
    tApplicationResult r;
    r.InnerDiameter = 81.5;
    r.LiningThickness = 1.75;
    r.WallThickness = 4.5;
    r.Temperature = 35.0;
    r.TypeCode = 6;
    r.SoundPaths = 3;
    r.WallMaterial = point.GetMaterialId();
    r.Medium = 10001;
    r.LiningMaterial = 3;
    r.MediumSpeed = 1410.0;
    r.WallSpeed = 5920.0;
    r.LiningSpeed = 2350.0;
    r.SpacingFixed = 1;
    r.FixedSpacing = 42.25;
    TakeBackApplication(point, r);
    EXPECT_EQ(point.GetInnerDiameterMm(), 81.5);
    EXPECT_EQ(point.LiningThickness, 1.75);
    EXPECT_EQ(point.WallThickness, 4.5);
    EXPECT_EQ(point.Temperature(), 35.0);
    EXPECT_EQ(point.SensorType, 6);
    EXPECT_EQ(point.SoundPaths, 3);
    EXPECT_EQ(point.GetMediumId(), 10001);
    EXPECT_EQ(point.LiningId, 3);
    EXPECT_EQ(point.MediumCUser, 1410.0);
    EXPECT_EQ(point.WallCUser, 5920.0);
    EXPECT_EQ(point.LiningCUser, 2350.0);
    EXPECT_EQ(point.SpacingFixed, 1);
    EXPECT_EQ(point.FixedSpacing, 42.25);
}

}  // namespace
