#include "calculator/ApplicationTakeBack.h"

#include "calculator/MeasuringPoint.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

// The dialog's results for the standard point, as a stub dialog returns them.
tApplicationResults Unchanged(const TMeasuringPoint& p)
{
    tApplicationResults r;
    r.InnerDiameter = p.GetInnerDiameterMm();
    r.WallThickness = p.WallThickness;
    r.MediumTemperature = p.Temperature();
    r.WallMaterialCode = p.GetMaterialId();
    r.MediumCode = p.GetMediumId();
    r.LiningMaterialCode = p.GetLiningId();
    return r;
}

TEST(ApplicationTakeBack, ValuesEnterThroughTheirInputPath)
{
    TMeasuringPoint point;
    point.SetStandardValues();
    point.ApplyValue(TQuantity::Roughness, 5.0);  // typed by the user
    tApplicationResults r = Unchanged(point);
    r.InnerDiameter = 52.5;
    r.MediumTemperature = 650.0;  // the dialog allows up to 600 °C
    r.SensorTypeCode = 15;
    r.SoundPaths = 2;
    r.SpacingFixed = true;
    r.FixedSpacing = 61.5;
    r.MediumCUser = 1480.0;
    TakeBackApplication(point, r);
    EXPECT_EQ(point.InnerDiameter(), 525.0);
    EXPECT_DOUBLE_EQ(point.CrossSection(), 52.5 * 52.5 * std::numbers::pi / 4.0);
    EXPECT_EQ(point.Temperature(), 300.0);
    EXPECT_EQ(point.SensorType, 0);
    EXPECT_EQ(point.SoundPaths, 2);
    EXPECT_EQ(point.SpacingFixed, 1);
    EXPECT_EQ(point.FixedSpacing, 61.5);
    EXPECT_EQ(point.MediumCUser, 1480.0);
    // The material did not change: the typed roughness stays.
    EXPECT_EQ(point.Roughness(), 5.0);
}

TEST(ApplicationTakeBack, ChangedMaterialBringsItsRoughness)
{
    TMeasuringPoint point;
    point.SetStandardValues();
    point.ApplyValue(TQuantity::Roughness, 5.0);
    const int other = TMeasuringPoint::ListedMaterialIds().at(3);
    TMeasuringPoint library;
    library.SetStandardValues();
    library.SelectMaterial(other);
    ASSERT_NE(library.Roughness(), 5.0);

    tApplicationResults r = Unchanged(point);
    r.WallMaterialCode = other;
    TakeBackApplication(point, r);
    EXPECT_EQ(point.GetMaterialId(), other);
    EXPECT_EQ(point.Roughness(), library.Roughness());
}

}  // namespace
