#include "calculator/core/HoldMarkers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(HoldMarkers, OneQuantityIsAlwaysHeld)
{
    EXPECT_EQ(ClickHold(THold::Velocity, THold::Velocity, false), THold::CrossSection);
    EXPECT_EQ(ClickHold(THold::CrossSection, THold::CrossSection, false), THold::Volume);
    EXPECT_EQ(ClickHold(THold::Volume, THold::Volume, false), THold::CrossSection);
    // Checking one box clears the others; unchecking a box that is not held changes nothing.
    EXPECT_EQ(ClickHold(THold::CrossSection, THold::Velocity, true), THold::Velocity);
    EXPECT_EQ(ClickHold(THold::CrossSection, THold::Volume, false), THold::CrossSection);
    // Nothing held (a file without hold): any click leaves one box checked.
    EXPECT_EQ(ClickHold(THold::None, THold::Velocity, false), THold::CrossSection);
    EXPECT_EQ(ClickHold(THold::None, THold::CrossSection, false), THold::Volume);
    EXPECT_EQ(ClickHold(THold::None, THold::Volume, true), THold::Volume);
}

// The visible markers as a short text, in a fixed order.
std::string Markers(const TMarkerState& m)
{
    std::string s;
    auto add = [&s](bool shown, const char* name) {
        if (shown)
            s += s.empty() ? name : std::string(" ") + name;
    };
    add(m.ResIs_Veloc, "Veloc");
    add(m.ResIs_VOLUME, "VOLUME");
    add(m.ResIs_MassFL, "MassFL");
    add(m.ResIs_IDM, "IDM");
    add(m.ResIs_QUER, "QUER");
    add(m.ResIs_Dichte, "Dichte");
    return s;
}

TEST(HoldMarkers, EveryFocusAndHold)
{
    struct Case {
        TFocusTarget focus;
        THold hold;
        const char* markers;
    };
    const Case cases[] = {
        {TFocusTarget::Velocity, THold::Velocity, ""},
        {TFocusTarget::Velocity, THold::CrossSection, "VOLUME MassFL"},
        {TFocusTarget::Velocity, THold::Volume, "IDM QUER"},
        {TFocusTarget::InnerDiameter, THold::Velocity, "VOLUME MassFL QUER"},
        {TFocusTarget::InnerDiameter, THold::CrossSection, ""},
        {TFocusTarget::InnerDiameter, THold::Volume, "Veloc QUER"},
        {TFocusTarget::CrossSection, THold::Velocity, "VOLUME MassFL IDM"},
        {TFocusTarget::CrossSection, THold::CrossSection, ""},
        {TFocusTarget::CrossSection, THold::Volume, "Veloc IDM"},
        {TFocusTarget::Volume, THold::Velocity, "MassFL IDM QUER"},
        {TFocusTarget::Volume, THold::CrossSection, "Veloc MassFL"},
        {TFocusTarget::Volume, THold::Volume, ""},
        {TFocusTarget::Density, THold::Volume, "MassFL"},
        {TFocusTarget::Medium, THold::Velocity, "MassFL"},
        {TFocusTarget::MassFlow, THold::Velocity, "VOLUME IDM QUER"},
        {TFocusTarget::MassFlow, THold::CrossSection, "Veloc VOLUME"},
        {TFocusTarget::MassFlow, THold::Volume, "Dichte"},
        {TFocusTarget::Material, THold::CrossSection, ""},
        {TFocusTarget::Other, THold::Volume, ""},
    };
    for (const Case& c : cases) {
        const TMarkerState m = ComputeMarkers(c.focus, c.hold);
        SCOPED_TRACE(testing::Message() << "focus " << int(c.focus) << " hold " << int(c.hold));
        EXPECT_EQ(Markers(m), c.markers);
        // Each marker colours its edit aqua and counts once; the pane's back follows.
        const int count = int(m.ResIs_Veloc) + m.ResIs_VOLUME + m.ResIs_MassFL + m.ResIs_IDM + m.ResIs_QUER
                          + m.ResIs_Dichte;
        EXPECT_EQ(m.MarkerCount, count);
        EXPECT_EQ(m.BackColor, count > 0 ? 0xFFFF00u : 0xC0C0C0u);
        if (m.ResIs_MassFL) {
            EXPECT_EQ(m.INP_MassFl, TEditColor::Marked);
        }
        if (m.ResIs_QUER) {
            EXPECT_EQ(m.INP_Quer, TEditColor::Marked);
        }
        if (m.ResIs_Dichte) {
            EXPECT_EQ(m.INP_Dichte, TEditColor::Marked);
        }
        // The lists never take a colour.
        EXPECT_EQ(m.COM_Medium, TEditColor::Window);
        EXPECT_EQ(m.COM_Material, TEditColor::Window);
    }
}

TEST(HoldMarkers, HeldAndFocusedColours)
{
    // Held velocity and volume edits are silver; the held pipe edits keep the window colour.
    const TMarkerState velocity = ComputeMarkers(TFocusTarget::Velocity, THold::Velocity);
    EXPECT_EQ(velocity.INP_veloc, TEditColor::Held);  // read-only: no focus colour
    const TMarkerState volume = ComputeMarkers(TFocusTarget::Velocity, THold::Volume);
    EXPECT_EQ(volume.INP_Volume, TEditColor::Held);
    EXPECT_EQ(volume.INP_veloc, TEditColor::Focused);
    EXPECT_EQ(volume.INP_IDM, TEditColor::Marked);
    const TMarkerState pipe = ComputeMarkers(TFocusTarget::InnerDiameter, THold::CrossSection);
    EXPECT_EQ(pipe.INP_IDM, TEditColor::Window);
    EXPECT_EQ(pipe.INP_Quer, TEditColor::Window);

    const TMarkerState idm = ComputeMarkers(TFocusTarget::InnerDiameter, THold::Velocity);
    EXPECT_EQ(idm.INP_IDM, TEditColor::Focused);
    EXPECT_EQ(idm.INP_veloc, TEditColor::Held);
    EXPECT_EQ(idm.INP_Volume, TEditColor::Marked);
    const TMarkerState mass = ComputeMarkers(TFocusTarget::MassFlow, THold::CrossSection);
    EXPECT_EQ(mass.INP_MassFl, TEditColor::Focused);
    EXPECT_EQ(mass.INP_veloc, TEditColor::Marked);
    EXPECT_EQ(ComputeMarkers(TFocusTarget::Density, THold::Volume).INP_Dichte, TEditColor::Focused);
    EXPECT_EQ(ComputeMarkers(TFocusTarget::Volume, THold::CrossSection).INP_Volume, TEditColor::Focused);
}

} // namespace
