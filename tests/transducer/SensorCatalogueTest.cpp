#include "transducer/OemVariant.h"
#include "transducer/SensorCatalogue.h"
#include "transducer/SensorListing.h"

#include <gtest/gtest.h>

#include <set>

namespace {

const tSensorDatenTableItem& Entry(int index) { return SensorCatalogue[static_cast<std::size_t>(index)]; }

TEST(SensorCatalogue, CodesLookupsAndFrequencyClasses)
{
    std::set<int> codes;
    int defaults = 0;
    for (const tSensorDatenTableItem& e : SensorCatalogue) {
        EXPECT_TRUE(codes.insert(e.TypeCode).second) << int{e.TypeCode};
        defaults += e.DefaultChoice;
    }
    EXPECT_EQ(codes, (std::set<int>{1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
    EXPECT_EQ(defaults, 1);

    EXPECT_EQ(FindSensorIndex(2), 6);
    EXPECT_EQ(FindSensorIndex(14), 12);
    for (std::uint8_t unknown : {0, 4, 15, 255})
        EXPECT_EQ(FindSensorIndex(unknown), 0) << int{unknown};

    // The class comes from Toleranz, not from FreqClass; each bound is exclusive.
    const int expected[SensorCatalogueSize] = {1, 2, 2, 2, 2, 2, 2, 3, 4, 4, 4, 4, 5};
    for (int i = 0; i < SensorCatalogueSize; ++i)
        EXPECT_EQ(FrequencyClassOfSelected(Entry(i)), expected[i]) << i;
    tSensorDatenTableItem e;
    const std::pair<double, int> edges[] = {{79.99, 5}, {80.0, 4}, {199.99, 4}, {200.0, 3},
                                            {299.99, 3}, {300.0, 2}, {599.99, 2}, {600.0, 1}};
    for (const auto& [tolerance, cls] : edges) {
        e.Toleranz = tolerance;
        EXPECT_EQ(FrequencyClassOfSelected(e), cls) << tolerance;
    }
}

std::vector<int> Indices(const tSensorListing& listing)
{
    std::vector<int> indices;
    for (const tSensorListItem& item : listing.Items)
        indices.push_back(item.CatalogueIndex);
    return indices;
}

TEST(SensorListing, OwnVariant)
{
    const tSensorListing listing = BuildSensorListing(false);
    EXPECT_EQ(Indices(listing), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12}));
    for (const tSensorListItem& item : listing.Items)
        EXPECT_EQ(item.Name, Entry(item.CatalogueIndex).CBXname);
    EXPECT_EQ(listing.DefaultItem, 7);
    EXPECT_EQ(listing.DropDownCount, 12);
    EXPECT_EQ(listing.OfferedTypes, 0x7DEEu);  // codes 1..14 without 4 and 9
}

TEST(SensorListing, PartnerVariantFollowsTheBrandFlag)
{
    const tSensorListing listing = BuildSensorListing(true);
    EXPECT_EQ(Indices(listing), (std::vector<int>{1, 3, 4, 5, 8, 9, 10}));
    for (const tSensorListItem& item : listing.Items)
        EXPECT_EQ(item.Name, Entry(item.CatalogueIndex).BrandolfName);
    // The default entry is the fifth listed: item count minus one at that moment.
    EXPECT_EQ(listing.DefaultItem, 4);
    EXPECT_EQ(listing.DropDownCount, 8);
    EXPECT_EQ(listing.OfferedTypes, 0x39C8u);  // 3, 6, 7, 8, 11, 12, 13: no 8 MHz head

    const std::uint8_t saved = IsOemVariant;
    IsOemVariant = 1;
    EXPECT_EQ(Indices(BuildSensorListing()), Indices(listing));
    IsOemVariant = saved;
}

TEST(SensorListing, AllEntriesAndItemLookups)
{
    for (bool oem : {false, true}) {
        const tSensorListing all = BuildSensorListing(oem, true);
        ASSERT_EQ(all.Items.size(), 13u);
        EXPECT_EQ(all.Items[7].Name, Entry(7).CBXname);
        EXPECT_EQ(all.DefaultItem, 8);
        EXPECT_EQ(all.DropDownCount, 13);
    }

    const tSensorListing own = BuildSensorListing(false);
    EXPECT_EQ(ComboIndexOfType(own, 11), 7);
    EXPECT_EQ(ComboIndexOfType(own, 9), -1);  // listed in neither variant
    EXPECT_EQ(ComboIndexOfType(own, 4), -1);
    EXPECT_EQ(ComboIndexOfType(own, 0), -1);
    const tSensorListing partner = BuildSensorListing(true);
    EXPECT_EQ(ComboIndexOfType(partner, 14), -1);
    EXPECT_EQ(ComboIndexOfType(partner, 11), 4);

    EXPECT_EQ(SensorTypeCodeOfItem(own, 11), 14);
    EXPECT_EQ(SensorTypeCodeOfItem(partner, 0), 3);
    EXPECT_EQ(SensorTypeCodeOfItem(own, -1), 0);
    EXPECT_EQ(SensorTypeCodeOfItem(own, 12), 0);
}

}  // namespace
