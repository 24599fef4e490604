#pragma once
// The main window's material and medium lists for a measuring point, as the report gets them.

#include "calculator/core/MeasuringPoint.h"
#include "reference/QlvTabels.h"
#include "transducer/ApplicationInput.h"

inline tCodeItems ListItems(const std::vector<int>& ids, bool material, int selected)
{
    tCodeItems items;
    for (int id : ids) {
        items.ItemIndex = id == selected ? static_cast<int>(items.Items.size()) : items.ItemIndex;
        const auto code = static_cast<std::uint16_t>(id);
        items.Items.push_back({material ? MaterialName(code) : MediumName(code), id});
    }
    return items;
}

inline tCodeItems MaterialItems(const TMeasuringPoint& point)
{
    return ListItems(TMeasuringPoint::ListedMaterialIds(), true, point.GetMaterialId());
}

inline tCodeItems MediumItems(const TMeasuringPoint& point, bool oem)
{
    return ListItems(TMeasuringPoint::ListedMediumIds(oem), false, point.GetMediumId());
}
