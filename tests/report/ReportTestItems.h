#pragma once
// The main window's material and medium lists for a measuring point, as the report gets them.

#include "calculator/core/MeasuringPoint.h"
#include "reference/QlvTabels.h"
#include "transducer/ApplicationInput.h"

inline tCodeItems ListItems(const std::vector<int>& ids, bool material, int selected)
{
    tCodeItems items;
    for (const int id : ids) {
        items.ItemIndex = id == selected ? static_cast<int>(items.Items.size()) : items.ItemIndex;
        items.Items.push_back({material ? MaterialName(std::uint16_t(id)) : MediumName(std::uint16_t(id)), id});
    }
    return items;
}

inline tCodeItems MaterialItems(const TMeasuringPoint& p)
{
    return ListItems(TMeasuringPoint::ListedMaterialIds(), true, p.GetMaterialId());
}

inline tCodeItems MediumItems(const TMeasuringPoint& p, bool oem)
{
    return ListItems(TMeasuringPoint::ListedMediumIds(oem), false, p.GetMediumId());
}
