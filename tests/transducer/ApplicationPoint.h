#pragma once
// The application tests' measuring point: water at 20 °C in a 100 mm carbon-steel pipe, 3 mm
// wall, mm and °C, the 4 MHz QT-4 S, automatic paths, lists as the main window shows them.

#include "reference/QlvTabels.h"
#include "transducer/ApplicationInput.h"

inline tCodeItems LibraryItems(bool media, int selectedCode)
{
    tCodeItems items{{{QStringLiteral("Anderes"), media ? OtherMediumCode : OtherMaterialCode}}, -1};
    for (int n = 1; n <= (media ? MediumCount() : MaterialCount()); ++n) {
        const int id = media ? MediumIdAt(n) : MaterialIdAt(n);
        items.Items.push_back({media ? MediumName(std::uint16_t(id)) : MaterialName(std::uint16_t(id)), id});
    }
    for (std::size_t i = 0; i < items.Items.size(); ++i)
        if (items.Items[i].Code == selectedCode)
            items.ItemIndex = static_cast<int>(i);
    return items;
}
inline tCodeItems Materials(int selectedCode) { return LibraryItems(false, selectedCode); }
inline tCodeItems Media(int selectedCode) { return LibraryItems(true, selectedCode); }

inline tApplicationInput BasePoint()
{
    tApplicationInput in;
    in.InnerDiameter = 100.0;
    in.WallThickness = 3.0;
    in.MaterialItems = Materials(1);
    in.MediumItems = Media(10001);
    in.KinViscosity = 1.0;
    in.Temperature = 20.0;
    in.Pressure = 1.0;
    in.LengthUnit = 2;
    in.TypeCode = 11;
    return in;
}

// The base point with a change.
template <class F>
tApplicationInput With(F change)
{
    tApplicationInput in = BasePoint();
    change(in);
    return in;
}
