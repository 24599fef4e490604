#include "transducer/OemVariant.h"
#include "transducer/SensorCatalogue.h"
#include "transducer/SensorListing.h"

#include <gtest/gtest.h>

#include <set>

namespace {

const tSensorDatenTableItem& Entry(int index) { return SensorCatalogue[static_cast<std::size_t>(index)]; }

TEST(SensorCatalogue, TypeCodesAreUniqueAndCodeFourIsMissing)
{
    std::set<int> codes;
    int defaults = 0;
    for (const tSensorDatenTableItem& e : SensorCatalogue) {
        EXPECT_TRUE(codes.insert(e.TypeCode).second) << int{e.TypeCode};
        defaults += e.DefaultChoice;
    }
    EXPECT_EQ(codes, (std::set<int>{1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
    EXPECT_EQ(defaults, 1);
}

TEST(SensorCatalogue, FindSensorIndexFallsBackToTheFirstEntry)
{
    EXPECT_EQ(FindSensorIndex(1), 0);
    EXPECT_EQ(FindSensorIndex(2), 6);
    EXPECT_EQ(FindSensorIndex(11), 8);
    EXPECT_EQ(FindSensorIndex(14), 12);
    EXPECT_EQ(FindSensorIndex(0), 0);
    EXPECT_EQ(FindSensorIndex(4), 0);
    EXPECT_EQ(FindSensorIndex(15), 0);
    EXPECT_EQ(FindSensorIndex(255), 0);
}

TEST(SensorCatalogue, FrequencyClassComesFromToleranz)
{
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

TEST(SensorListing, OwnVariantListsTwelveEntriesUnderTheirOwnNames)
{
    const tSensorListing listing = BuildSensorListing(false);
    EXPECT_EQ(Indices(listing), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12}));
    for (const tSensorListItem& item : listing.Items)
        EXPECT_EQ(item.Name, Entry(item.CatalogueIndex).CBXname);
    EXPECT_EQ(listing.DefaultItem, 7);
    EXPECT_EQ(listing.Items[7].CatalogueIndex, 8);
    EXPECT_EQ(listing.DropDownCount, 12);
    EXPECT_EQ(listing.OfferedTypes, (1u << 1) | (1u << 2) | (1u << 3) | (1u << 5) | (1u << 6) | (1u << 7)
                                        | (1u << 8) | (1u << 10) | (1u << 11) | (1u << 12) | (1u << 13)
                                        | (1u << 14));
}

TEST(SensorListing, PartnerVariantListsItsSevenEntriesUnderThePartnerNames)
{
    const tSensorListing listing = BuildSensorListing(true);
    EXPECT_EQ(Indices(listing), (std::vector<int>{1, 3, 4, 5, 8, 9, 10}));
    for (const tSensorListItem& item : listing.Items)
        EXPECT_EQ(item.Name, Entry(item.CatalogueIndex).BrandolfName);
    // The default entry is the fifth listed: item count minus one at that moment.
    EXPECT_EQ(listing.DefaultItem, 4);
    EXPECT_EQ(listing.DropDownCount, 8);
    EXPECT_EQ(listing.OfferedTypes,
              (1u << 3) | (1u << 6) | (1u << 7) | (1u << 8) | (1u << 11) | (1u << 12) | (1u << 13));
    EXPECT_EQ(listing.OfferedTypes & (1u << 14), 0u);
}

TEST(SensorListing, FollowsThePartnerBrandFlag)
{
    const std::uint8_t saved = IsOemVariant;
    IsOemVariant = 1;
    EXPECT_EQ(Indices(BuildSensorListing()), Indices(BuildSensorListing(true)));
    IsOemVariant = 0;
    EXPECT_EQ(Indices(BuildSensorListing()), Indices(BuildSensorListing(false)));
    IsOemVariant = saved;
}

TEST(SensorListing, AllEntriesListsTheWholeCatalogueUnderTheOwnNames)
{
    for (bool oem : {false, true}) {
        const tSensorListing listing = BuildSensorListing(oem, true);
        ASSERT_EQ(listing.Items.size(), 13u);
        EXPECT_EQ(listing.Items[7].Name, Entry(7).CBXname);
        EXPECT_EQ(listing.DefaultItem, 8);
        EXPECT_EQ(listing.DropDownCount, 13);
    }
}

TEST(SensorListing, ComboIndexAndTypeCodeOfItems)
{
    const tSensorListing own = BuildSensorListing(false);
    EXPECT_EQ(ComboIndexOfType(own, 11), 7);
    EXPECT_EQ(ComboIndexOfType(own, 1), 0);
    EXPECT_EQ(ComboIndexOfType(own, 9), -1);  // listed in neither variant
    EXPECT_EQ(ComboIndexOfType(own, 4), -1);
    EXPECT_EQ(ComboIndexOfType(own, 0), -1);
    const tSensorListing partner = BuildSensorListing(true);
    EXPECT_EQ(ComboIndexOfType(partner, 14), -1);
    EXPECT_EQ(ComboIndexOfType(partner, 11), 4);

    EXPECT_EQ(SensorTypeCodeOfItem(own, 7), 11);
    EXPECT_EQ(SensorTypeCodeOfItem(own, 11), 14);
    EXPECT_EQ(SensorTypeCodeOfItem(partner, 0), 3);
    EXPECT_EQ(SensorTypeCodeOfItem(own, -1), 0);
    EXPECT_EQ(SensorTypeCodeOfItem(own, 12), 0);
}

}  // namespace
