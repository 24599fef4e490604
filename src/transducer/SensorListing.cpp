#include "transducer/SensorListing.h"

#include "transducer/OemVariant.h"
#include "transducer/SensorCatalogue.h"

#include <algorithm>

tSensorListing BuildSensorListing(bool oemVariant, bool allEntries)
{
    tSensorListing listing;
    int defaultItem = -1;
    for (int i = 0; i < SensorCatalogueSize; ++i) {
        const tSensorDatenTableItem& entry = SensorCatalogue[static_cast<std::size_t>(i)];
        if (allEntries)
            listing.Items.push_back({entry.CBXname, i});
        else if (oemVariant) {
            if (entry.BrandolfVisible == 1)
                listing.Items.push_back({entry.BrandolfName, i});
        } else if (entry.OwnVisible == 1) {
            listing.Items.push_back({entry.CBXname, i});
        }
        // The default is the last item so far, whether or not this entry was listed.
        if (entry.DefaultChoice == 1)
            defaultItem = static_cast<int>(listing.Items.size()) - 1;
    }
    const int count = static_cast<int>(listing.Items.size());
    listing.DropDownCount = std::max(8, count);
    for (const tSensorListItem& item : listing.Items) {
        const std::uint8_t code =
            SensorCatalogue[static_cast<std::size_t>(item.CatalogueIndex)].TypeCode;
        if (code < 16)
            listing.OfferedTypes = static_cast<std::uint16_t>(listing.OfferedTypes | (1u << code));
    }
    listing.DefaultItem = defaultItem >= 0 ? defaultItem : 0;
    return listing;
}

tSensorListing BuildSensorListing()
{
    return BuildSensorListing(IsOemVariant != 0);
}

int ComboIndexOfType(const tSensorListing& listing, std::uint8_t typeCode)
{
    for (std::size_t i = 0; i < listing.Items.size(); ++i) {
        const int entry = listing.Items[i].CatalogueIndex;
        if (SensorCatalogue[static_cast<std::size_t>(entry)].TypeCode == typeCode)
            return static_cast<int>(i);
    }
    return -1;
}

std::uint8_t SensorTypeCodeOfItem(const tSensorListing& listing, int item)
{
    if (item < 0 || item >= static_cast<int>(listing.Items.size()))
        return 0;
    const int entry = listing.Items[static_cast<std::size_t>(item)].CatalogueIndex;
    return SensorCatalogue[static_cast<std::size_t>(entry)].TypeCode;
}
