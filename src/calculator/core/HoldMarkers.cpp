#include "calculator/core/HoldMarkers.h"

THold ClickHold(THold current, THold box, bool checked)
{
    if (box == THold::None)
        return current;
    THold next = current;
    if (checked)
        next = box;
    else if (current == box)
        next = THold::None;
    // Nothing held after the click (also when nothing was held before): something must be.
    if (next == THold::None)
        next = box == THold::CrossSection ? THold::Volume : THold::CrossSection;
    return next;
}

bool VelocityReadOnly(THold hold)
{
    return hold == THold::Velocity;
}

bool CrossSectionReadOnly(THold hold)
{
    return hold == THold::CrossSection;
}

bool VolumeReadOnly(THold hold)
{
    return hold == THold::Volume;
}

TMarkerState ComputeMarkers(TFocusTarget focused, THold hold)
{
    const bool fixVeloc = hold == THold::Velocity;
    const bool fixQuer = hold == THold::CrossSection;
    const bool fixVolume = hold == THold::Volume;
    TMarkerState m;
    switch (focused) {
    case TFocusTarget::Velocity:
        if (!fixVeloc) {
            if (fixQuer)
                m.ResIs_VOLUME = true;
            if (!fixVolume)
                m.ResIs_MassFL = true;
            else
                m.ResIs_QUER = m.ResIs_IDM = true;
        }
        break;
    case TFocusTarget::InnerDiameter:
    case TFocusTarget::CrossSection:
        if (!fixQuer) {
            if (focused == TFocusTarget::InnerDiameter)
                m.ResIs_QUER = true;
            else
                m.ResIs_IDM = true;
            if (!fixVolume) {
                if (fixVeloc)
                    m.ResIs_VOLUME = true;
                m.ResIs_MassFL = true;
            } else {
                m.ResIs_Veloc = true;
            }
        }
        break;
    case TFocusTarget::Volume:
        if (!fixVolume) {
            if (fixVeloc)
                m.ResIs_QUER = m.ResIs_IDM = true;
            if (fixQuer)
                m.ResIs_Veloc = true;
            m.ResIs_MassFL = true;
        }
        break;
    case TFocusTarget::Density:
    case TFocusTarget::Medium:
        m.ResIs_MassFL = true;
        break;
    case TFocusTarget::MassFlow:
        if (!fixVolume) {
            m.ResIs_VOLUME = true;
            if (fixQuer)
                m.ResIs_Veloc = true;
            if (fixVeloc)
                m.ResIs_QUER = m.ResIs_IDM = true;
        } else {
            m.ResIs_Dichte = true;
        }
        break;
    case TFocusTarget::Material:
    case TFocusTarget::Other:
        break;
    }

    auto mark = [&m](bool marker, TEditColor& color) {
        if (marker) {
            color = TEditColor::Marked;
            ++m.MarkerCount;
        }
    };
    mark(m.ResIs_Veloc, m.INP_veloc);
    mark(m.ResIs_VOLUME, m.INP_Volume);
    mark(m.ResIs_MassFL, m.INP_MassFl);
    mark(m.ResIs_IDM, m.INP_IDM);
    mark(m.ResIs_QUER, m.INP_Quer);
    mark(m.ResIs_Dichte, m.INP_Dichte);
    if (fixVeloc)
        m.INP_veloc = TEditColor::Held;
    if (fixVolume)
        m.INP_Volume = TEditColor::Held;

    switch (focused) {
    case TFocusTarget::Velocity:
        if (!VelocityReadOnly(hold))
            m.INP_veloc = TEditColor::Focused;
        break;
    case TFocusTarget::InnerDiameter:
        if (!CrossSectionReadOnly(hold))
            m.INP_IDM = TEditColor::Focused;
        break;
    case TFocusTarget::CrossSection:
        if (!CrossSectionReadOnly(hold))
            m.INP_Quer = TEditColor::Focused;
        break;
    case TFocusTarget::Volume:
        if (!VolumeReadOnly(hold))
            m.INP_Volume = TEditColor::Focused;
        break;
    case TFocusTarget::Density:
        m.INP_Dichte = TEditColor::Focused;
        break;
    case TFocusTarget::MassFlow:
        m.INP_MassFl = TEditColor::Focused;
        break;
    default:
        break;
    }
    m.BackColor = m.MarkerCount > 0 ? 0xFFFF00u : 0xC0C0C0u;
    return m;
}
