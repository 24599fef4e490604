#include "calculator/HoldMarkers.h"

#include <gtest/gtest.h>

namespace {

TEST(HoldMarkers, UncheckingTheHeldBoxMovesTheHoldOn)
{
    EXPECT_EQ(ClickHold(THold::Velocity, THold::Velocity, false), THold::CrossSection);
    EXPECT_EQ(ClickHold(THold::CrossSection, THold::CrossSection, false), THold::Volume);
    EXPECT_EQ(ClickHold(THold::Volume, THold::Volume, false), THold::CrossSection);
    // Checking one box clears the others; unchecking a box that is not held changes nothing.
    EXPECT_EQ(ClickHold(THold::CrossSection, THold::Velocity, true), THold::Velocity);
    EXPECT_EQ(ClickHold(THold::CrossSection, THold::Volume, false), THold::CrossSection);
}

TEST(HoldMarkers, VelocityInputMarksWhatItChanges)
{
    const TMarkerState quer = ComputeMarkers(TFocusTarget::Velocity, THold::CrossSection);
    EXPECT_TRUE(quer.ResIs_VOLUME);
    EXPECT_TRUE(quer.ResIs_MassFL);
    EXPECT_FALSE(quer.ResIs_IDM || quer.ResIs_QUER || quer.ResIs_Veloc || quer.ResIs_Dichte);
    EXPECT_EQ(quer.MarkerCount, 2);
    EXPECT_EQ(quer.INP_veloc, TEditColor::Focused);
    EXPECT_EQ(quer.INP_Volume, TEditColor::Marked);
    EXPECT_EQ(quer.BackColor, 0xFFFF00u);

    const TMarkerState volume = ComputeMarkers(TFocusTarget::Velocity, THold::Volume);
    EXPECT_TRUE(volume.ResIs_QUER && volume.ResIs_IDM);
    EXPECT_FALSE(volume.ResIs_MassFL || volume.ResIs_VOLUME);
    EXPECT_EQ(volume.INP_Volume, TEditColor::Held);

    // A held velocity edit is read-only: no markers, no focus colour, silver.
    const TMarkerState held = ComputeMarkers(TFocusTarget::Velocity, THold::Velocity);
    EXPECT_EQ(held.MarkerCount, 0);
    EXPECT_EQ(held.INP_veloc, TEditColor::Held);
    EXPECT_EQ(held.BackColor, 0xC0C0C0u);
}

TEST(HoldMarkers, PipeVolumeAndMassInputs)
{
    const TMarkerState idm = ComputeMarkers(TFocusTarget::InnerDiameter, THold::Velocity);
    EXPECT_TRUE(idm.ResIs_QUER && idm.ResIs_VOLUME && idm.ResIs_MassFL);
    EXPECT_FALSE(idm.ResIs_IDM || idm.ResIs_Veloc);
    EXPECT_EQ(idm.MarkerCount, 3);
    EXPECT_EQ(idm.INP_IDM, TEditColor::Focused);
    EXPECT_EQ(idm.INP_veloc, TEditColor::Held);

    const TMarkerState quer = ComputeMarkers(TFocusTarget::CrossSection, THold::Volume);
    EXPECT_TRUE(quer.ResIs_IDM && quer.ResIs_Veloc);
    EXPECT_FALSE(quer.ResIs_MassFL || quer.ResIs_QUER);

    const TMarkerState vol = ComputeMarkers(TFocusTarget::Volume, THold::Velocity);
    EXPECT_TRUE(vol.ResIs_QUER && vol.ResIs_IDM && vol.ResIs_MassFL);
    EXPECT_FALSE(vol.ResIs_Veloc);

    const TMarkerState mass = ComputeMarkers(TFocusTarget::MassFlow, THold::Volume);
    EXPECT_TRUE(mass.ResIs_Dichte);
    EXPECT_EQ(mass.MarkerCount, 1);
    EXPECT_EQ(mass.INP_Dichte, TEditColor::Marked);
    EXPECT_EQ(mass.INP_MassFl, TEditColor::Focused);

    const TMarkerState medium = ComputeMarkers(TFocusTarget::Medium, THold::CrossSection);
    EXPECT_TRUE(medium.ResIs_MassFL);
    EXPECT_EQ(medium.COM_Medium, TEditColor::Window);

    EXPECT_EQ(ComputeMarkers(TFocusTarget::Other, THold::Volume).MarkerCount, 0);
}

} // namespace
