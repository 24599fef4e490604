#pragma once
// The main window's hold state (which of velocity, cross-section and volume flow stays
// fixed on recalculation) and the "=?" markers and edit colours that show which values an
// input will change. Pure functions: the window calls them on every focus change.

#include <cstdint>

// At most one of the hold boxes is checked.
enum class THold : std::uint8_t {
    None,
    Velocity,      // FIX_VELOC
    CrossSection,  // FIX_Quer (inner diameter and cross-section)
    Volume         // FIX_Volume
};

// FIXCLICK: the hold after the user (or code) set the box `box` to `checked`. Checking a
// box clears the others; unchecking the held box moves the hold on (velocity ->
// cross-section -> volume flow -> cross-section), so one quantity is always held.
THold ClickHold(THold current, THold box, bool checked);

// The control that received the focus (the sender of AnyEditGetFocus).
enum class TFocusTarget : std::uint8_t {
    Other,     // any control without markers (hold boxes, groups, buttons ...)
    Velocity,  // INP_veloc
    InnerDiameter,  // INP_IDM
    CrossSection,   // INP_Quer
    Volume,    // INP_Volume
    Density,   // INP_Dichte
    MassFlow,  // INP_MassFl
    Medium,    // COM_Medium
    Material   // COM_Material
};

// Edit colour indices: the window maps them to its colours.
enum class TEditColor : std::uint8_t {
    Window = 0,  // the window colour
    Held = 1,    // silver 0xC0C0C0
    Marked = 2,  // aqua 0xFFFF00
    Focused = 3  // yellow 0x00FFFF
};

struct TMarkerState {
    // Visible "=?" markers.
    bool ResIs_Veloc = false;
    bool ResIs_VOLUME = false;
    bool ResIs_MassFL = false;
    bool ResIs_IDM = false;
    bool ResIs_QUER = false;
    bool ResIs_Dichte = false;
    int MarkerCount = 0;
    // Colours of INP_veloc, INP_IDM, INP_Quer, INP_Volume, INP_Dichte, INP_MassFl,
    // COM_Material, COM_Medium.
    TEditColor INP_veloc = TEditColor::Window;
    TEditColor INP_IDM = TEditColor::Window;
    TEditColor INP_Quer = TEditColor::Window;
    TEditColor INP_Volume = TEditColor::Window;
    TEditColor INP_Dichte = TEditColor::Window;
    TEditColor INP_MassFl = TEditColor::Window;
    TEditColor COM_Material = TEditColor::Window;
    TEditColor COM_Medium = TEditColor::Window;
    // BACK_Berechnen: aqua while markers are shown, silver otherwise (0x00BBGGRR).
    std::uint32_t BackColor = 0xC0C0C0;

    friend bool operator==(const TMarkerState&, const TMarkerState&) = default;
};

// Read-only state of the edits under a hold.
bool VelocityReadOnly(THold hold);      // INP_veloc
bool CrossSectionReadOnly(THold hold);  // INP_IDM and INP_Quer
bool VolumeReadOnly(THold hold);        // INP_Volume

// AnyEditGetFocus: markers and colours for the focused control and the hold state.
TMarkerState ComputeMarkers(TFocusTarget focused, THold hold);
