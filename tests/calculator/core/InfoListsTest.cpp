#include "calculator/core/CoeffLines.h"
#include "calculator/core/NameVariants.h"

#include "platform/FormatSettings.h"
#include "reference/QlvTabels.h"
#include "../../platform/QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

TEST(NameVariants, DistinctNamesAndTheAllEqualFlag)
{
    const std::tuple<TNamedEntry, std::uint16_t, QStringList, bool> cases[] = {  // entry, distinct names, all equal
        {TNamedEntry::Medium, 10001, {"Wasser", "Water"}, false},
        {TNamedEntry::Medium, 10045, {"HLP32"}, true},
        {TNamedEntry::Medium, 10000, {"Anderes Medium", "Other Medium"}, false},
        {TNamedEntry::Material, 6, {"Aluminium"}, true},
        {TNamedEntry::Material, 1, {"Carbon Steel", "Stahl (Normal)"}, false},
    };
    FirmwareLanguageIndex = LibLangEnglish;
    for (const auto& [kind, id, distinct, allEqual] : cases) {
        const TNameVariants names = CollectNameVariants(kind, id);
        EXPECT_TRUE(names.DistinctNames == distinct && names.AllNamesEqual == allEqual) << id;
        ASSERT_EQ(names.Rows.size(), 8u);
        EXPECT_EQ(FirmwareLanguageIndex, LibLangEnglish);  // restored
    }
    const TNameVariants water = CollectNameVariants(TNamedEntry::Medium, 10001);
    EXPECT_EQ(water.Rows[7].Language + water.Rows[7].Name, "Englisch    Water");
    EXPECT_EQ(LibraryLanguageLabel(8), "Ausländisch ");  // any other index
}

TEST(CoeffLines, SixLinesWithSignedCoefficients)
{
    const FormatSettingsScope format{TFormatSettings{}};
    EXPECT_EQ(CoefficientLines(MakeCoeffSet(3, {1000.0L, -0.25L, 0.0L, 0.000030517578125L})),
              QStringList({"TYPE\t3", "K[0]\t+1.00000000000000E+003", "K[1]\t-2.50000000000000E-001",
                           "K[2]\t+0.00000000000000E+000", "K[3]\t+3.05175781250000E-005", "K[4]\t+0.00000000000000E+000"}));
}

} // namespace
