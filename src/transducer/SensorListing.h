#pragma once
// Which catalogue entries the type combobox lists, under which names, and which is
// preselected. The application dialog fills its combobox from this.

#include <QString>

#include <cstdint>
#include <vector>

struct tSensorListItem {
    QString Name;
    int CatalogueIndex = 0;  // the combobox item's object
};

struct tSensorListing {
    std::vector<tSensorListItem> Items;
    int DefaultItem = 0;       // the item selected at creation
    int DropDownCount = 8;     // Max(8, item count)
    std::uint16_t OfferedTypes = 0;  // bit n set for each listed type code n
};

// The listing rule: entries in catalogue order; in the partner-brand variant those flagged
// BrandolfVisible under BrandolfName, otherwise those flagged OwnVisible under CBXname.
// With allEntries every entry is listed under CBXname whatever the variant.
tSensorListing BuildSensorListing(bool oemVariant, bool allEntries = false);
// The listing of the variant the program runs as (IsOemVariant).
tSensorListing BuildSensorListing();

// The listed item whose entry has the type code; -1 when none.
int ComboIndexOfType(const tSensorListing& listing, std::uint8_t typeCode);

// The type code of item i; 0 for an index outside the list.
std::uint8_t SensorTypeCodeOfItem(const tSensorListing& listing, int item);
