#include "calculator/core/HoldMarkers.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

TEST(HoldMarkers, OneQuantityIsAlwaysHeld)
{
    const std::tuple<THold, THold, bool, THold> rows[] = {
        // Unchecking the held box moves the hold on.
        {THold::Velocity, THold::Velocity, false, THold::CrossSection},
        {THold::CrossSection, THold::CrossSection, false, THold::Volume},
        {THold::Volume, THold::Volume, false, THold::CrossSection},
        // Checking one box clears the others; unchecking one that is not held changes nothing.
        {THold::CrossSection, THold::Velocity, true, THold::Velocity},
        {THold::CrossSection, THold::Volume, false, THold::CrossSection},
        // Nothing held (a file without hold): any click leaves one box checked.
        {THold::None, THold::Velocity, false, THold::CrossSection},
        {THold::None, THold::CrossSection, false, THold::Volume},
        {THold::None, THold::Volume, true, THold::Volume},
    };
    for (const auto& [current, box, checked, after] : rows)
        EXPECT_EQ(ClickHold(current, box, checked), after) << int(current) << int(box) << checked;
}

// The visible markers, then the colours of velocity, diameter, cross-section, volume,
// density and mass flow edits (W window, H held silver, M marked aqua, F focused yellow).
std::string Shown(const TMarkerState& m)
{
    std::string s;
    const std::pair<bool, const char*> markers[] = {{m.ResIs_Veloc, "Veloc "},  {m.ResIs_VOLUME, "VOLUME "},
                                                    {m.ResIs_MassFL, "MassFL "}, {m.ResIs_IDM, "IDM "},
                                                    {m.ResIs_QUER, "QUER "},     {m.ResIs_Dichte, "Dichte "}};
    for (const auto& [shown, name] : markers)
        s += shown ? name : "";
    for (const TEditColor c : {m.INP_veloc, m.INP_IDM, m.INP_Quer, m.INP_Volume, m.INP_Dichte, m.INP_MassFl})
        s += "WHMF"[static_cast<int>(c)];
    return s;
}

TEST(HoldMarkers, EveryFocusAndHold)
{
    const struct {
        TFocusTarget focus;
        THold hold;
        const char* shown;
    } rows[] = {
        {TFocusTarget::Velocity, THold::Velocity, "HWWWWW"},  // read-only: no focus colour
        {TFocusTarget::Velocity, THold::CrossSection, "VOLUME MassFL FWWMWM"},
        {TFocusTarget::Velocity, THold::Volume, "IDM QUER FMMHWW"},
        {TFocusTarget::InnerDiameter, THold::Velocity, "VOLUME MassFL QUER HFMMWM"},
        {TFocusTarget::InnerDiameter, THold::CrossSection, "WWWWWW"},  // held pipe: no colour
        {TFocusTarget::InnerDiameter, THold::Volume, "Veloc QUER MFMHWW"},
        {TFocusTarget::CrossSection, THold::Velocity, "VOLUME MassFL IDM HMFMWM"},
        {TFocusTarget::CrossSection, THold::CrossSection, "WWWWWW"},
        {TFocusTarget::CrossSection, THold::Volume, "Veloc IDM MMFHWW"},
        {TFocusTarget::Volume, THold::Velocity, "MassFL IDM QUER HMMFWM"},
        {TFocusTarget::Volume, THold::CrossSection, "Veloc MassFL MWWFWM"},
        {TFocusTarget::Volume, THold::Volume, "WWWHWW"},
        {TFocusTarget::Density, THold::Volume, "MassFL WWWHFM"},
        {TFocusTarget::Medium, THold::Velocity, "MassFL HWWWWM"},
        {TFocusTarget::MassFlow, THold::Velocity, "VOLUME IDM QUER HMMMWF"},
        {TFocusTarget::MassFlow, THold::CrossSection, "Veloc VOLUME MWWMWF"},
        {TFocusTarget::MassFlow, THold::Volume, "Dichte WWWHMF"},
        {TFocusTarget::Material, THold::CrossSection, "WWWWWW"},
        {TFocusTarget::Other, THold::Volume, "WWWHWW"},
    };
    for (const auto& r : rows) {
        const TMarkerState m = ComputeMarkers(r.focus, r.hold);
        SCOPED_TRACE(testing::Message() << "focus " << int(r.focus) << " hold " << int(r.hold));
        EXPECT_EQ(Shown(m), r.shown);
        // The compute panel is aqua while a marker shows; the lists never take a colour.
        const int count = int(m.ResIs_Veloc) + m.ResIs_VOLUME + m.ResIs_MassFL + m.ResIs_IDM + m.ResIs_QUER
                          + m.ResIs_Dichte;
        EXPECT_EQ(m.MarkerCount, count);
        EXPECT_EQ(m.BackColor, count > 0 ? 0xFFFF00u : 0xC0C0C0u);
        EXPECT_TRUE(m.COM_Medium == TEditColor::Window && m.COM_Material == TEditColor::Window);
    }
}

} // namespace
