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
    tSensorDatenTableItem e;
    const std::pair<double, int> edges[] = {{79.99, 5}, {80.0, 4}, {199.99, 4}, {200.0, 3},
                                            {299.99, 3}, {300.0, 2}, {599.99, 2}, {600.0, 1}};
    for (const auto& [tolerance, cls] : edges) {
        e.Toleranz = tolerance;
        EXPECT_EQ(FrequencyClassOfSelected(e), cls) << tolerance;
    }
}

TEST(SensorListing, VariantsDefaultsOfferedTypesAndLookups)
{
    struct {
        bool oem, all;
        std::vector<int> indices;
        int defaultItem, dropDown;
        std::uint16_t offered;
    } const cases[] = {
        {false, false, {0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12}, 7, 12, 0x7DEE},  // no 4, 9
        // The default is the item count minus one when the flagged entry comes by.
        {true, false, {1, 3, 4, 5, 8, 9, 10}, 4, 8, 0x39C8},  // 3, 6, 7, 8, 11, 12, 13
        {false, true, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, 8, 13, 0x7FEE},
        {true, true, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, 8, 13, 0x7FEE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "oem " << c.oem << " all " << c.all);
        const tSensorListing listing = BuildSensorListing(c.oem, c.all);
        std::vector<int> indices;
        for (const tSensorListItem& item : listing.Items) {
            indices.push_back(item.CatalogueIndex);
            const tSensorDatenTableItem& e = Entry(item.CatalogueIndex);
            EXPECT_EQ(item.Name, c.oem && !c.all ? e.BrandolfName : e.CBXname);
        }
        EXPECT_EQ(indices, c.indices);
        EXPECT_EQ(listing.DefaultItem, c.defaultItem);
        EXPECT_EQ(listing.DropDownCount, c.dropDown);
        EXPECT_EQ(listing.OfferedTypes, c.offered);
    }

    const std::uint8_t saved = IsOemVariant;
    IsOemVariant = 1;
    EXPECT_EQ(BuildSensorListing().Items.size(), 7u);
    IsOemVariant = saved;

    const tSensorListing own = BuildSensorListing(false);
    const tSensorListing partner = BuildSensorListing(true);
    EXPECT_EQ(ComboIndexOfType(own, 11), 7);
    EXPECT_EQ(ComboIndexOfType(partner, 11), 4);
    EXPECT_EQ(ComboIndexOfType(partner, 14), -1);
    for (std::uint8_t code : {0, 4, 9})  // 9 is listed in neither variant
        EXPECT_EQ(ComboIndexOfType(own, code), -1) << int{code};

    EXPECT_EQ(SensorTypeCodeOfItem(own, 11), 14);
    EXPECT_EQ(SensorTypeCodeOfItem(partner, 0), 3);
    EXPECT_EQ(SensorTypeCodeOfItem(own, -1), 0);
    EXPECT_EQ(SensorTypeCodeOfItem(own, 12), 0);
}

}  // namespace
