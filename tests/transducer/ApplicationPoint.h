#pragma once
// The base measuring point of the application tests: water at 20 °C in a 100 mm
// carbon-steel pipe with a 3 mm wall, in mm and °C, the 4 MHz QT-4 S, paths automatic; with
// the material and medium lists as the main window shows them.

#include "reference/QlvTabels.h"
#include "transducer/ApplicationInput.h"

inline tCodeItems LibraryItems(bool media, int selectedCode)
{
    tCodeItems items;
    items.Items.push_back({QStringLiteral("Anderes"), media ? OtherMediumCode : OtherMaterialCode});
    const int count = media ? MediumCount() : MaterialCount();
    for (int n = 1; n <= count; ++n) {
        const int id = media ? MediumIdAt(n) : MaterialIdAt(n);
        const auto code = static_cast<std::uint16_t>(id);
        items.Items.push_back({media ? MediumName(code) : MaterialName(code), id});
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
