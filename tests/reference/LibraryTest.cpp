#include "reference/QlvTabels.h"

#include <gtest/gtest.h>

#include <set>

namespace {

class LibraryTest : public ::testing::Test {
protected:
    ~LibraryTest() override { FirmwareLanguageIndex = saved_; }
    static QString Name(std::uint16_t id, std::uint8_t column, bool medium = false)
    {
        FirmwareLanguageIndex = column;
        return medium ? MediumName(id) : MaterialName(id);
    }
    std::uint8_t saved_ = FirmwareLanguageIndex;
};

TEST_F(LibraryTest, StoredOrderAndClasses)
{
    // Materials 4 and 5 are stored swapped; media 10028..10038 do not exist.
    const std::set<int> class1 = {3, 12, 13, 16, 18, 19}, class2 = {14, 17, 20, 21, 24, 25};
    EXPECT_TRUE(MaterialCount() == 25 && MediumCount() == 46);
    for (int n = -1; n <= 47; ++n) {
        EXPECT_EQ(MaterialIdAt(n), n < 1 || n > 25 ? -1 : n == 4 ? 5 : n == 5 ? 4 : n) << n;
        EXPECT_EQ(MediumIdAt(n), n < 1 || n > 46 ? -1 : n <= 27 ? 10000 + n : 10011 + n) << n;
        EXPECT_EQ(MaterialClass(static_cast<std::uint16_t>(n)), class1.count(n) ? 1 : class2.count(n) ? 2 : 0) << n;
    }
}

TEST_F(LibraryTest, NamesAfterConversion)
{
    ConvertLibraryNames();
    ConvertLibraryNames();  // a second run changes nothing
    const struct { std::uint16_t id; std::uint8_t column; const char* name; } cases[] = {
        {9, LibLangGerman, "Graugu\u00df"},              {9, LibLangEnglish, "Grey Cast Iron"},
        {10025, LibLangGerman, "Cerl\u00f6sung"},        {10042, LibLangGerman, "80% Schwefels\u00e4u."},
        // Blanks are kept as stored.
        {10020, LibLangGerman, "Milch  3.5% FETT"},      {10022, LibLangEnglish, "Milk  0.3% Fat"},
        {10023, LibLangGerman, "Ammoniak      "},
        // Absent identifiers give row 0's name in the selected column.
        {0, LibLangEnglish, "Other Material"},           {99, LibLangGerman, "Anderes Material"},
        {10030, LibLangGerman, "Anderes Medium"},        {10000, LibLangEnglish, "Other Medium"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Name(c.id, c.column, c.id >= 10000), QString::fromUtf8(c.name)) << c.id;
}

TEST_F(LibraryTest, EveryMediumHasAShortNameAndPlausibleValuesAt20Celsius)
{
    // Catches a mistyped coefficient: every medium is a liquid at 20 °C and 1 bar.
    ConvertLibraryNames();
    tMediumRec m;
    for (int n = 1; n <= MediumCount(); ++n) {
        ASSERT_TRUE(GetMedium(static_cast<std::uint16_t>(MediumIdAt(n)), m));
        const double c = EvalProperty(m.SoundSpeed, 20, 1), rho = EvalProperty(m.Density, 20, 1);
        const double nu = EvalProperty(m.KinViscosity, 20, 1);
        EXPECT_TRUE(c > 500 && c < 2100 && rho > 0.7 && rho < 1.9 && nu > 0.01 && nu < 1000)
            << m.Id << ": " << c << " " << rho << " " << nu;
        for (std::uint8_t column = 0; column < LibLangCount; ++column)
            EXPECT_LE(Name(m.Id, column, true).size(), 16) << m.Id;
    }
}

TEST_F(LibraryTest, RecordsAndMaterialSoundSpeeds)
{
    // A zero sound speed is "no value".
    const struct { std::uint16_t id; std::uint8_t kind; double at20; } cases[] = {
        {1, WaveDefault, 3230}, {3, WaveDefault, 2000}, {19, WaveLongitudinal, 2575 - 20 * 2.045454545},
        {10, WaveLongitudinal, 0}, {1, WaveRoughness, 100}};
    tCoeffSet set;
    for (const auto& c : cases) {
        ASSERT_TRUE(GetMaterialSoundSpeed(c.id, c.kind, set));
        EXPECT_NEAR(EvalProperty(set, 20, 1), c.at20, 1e-6) << c.id;
    }
    // Absent: false and the record untouched.
    EXPECT_FALSE(GetMaterialSoundSpeed(1, 3, set) || GetMaterialSoundSpeed(1, 4, set) ||
                 GetMaterialSoundSpeed(0, WaveLongitudinal, set));
    EXPECT_EQ(set, MakeCoeffSet(1, {100}));
    tMaterialRec material;
    ASSERT_TRUE(GetMaterial(15, material));
    EXPECT_EQ(material.RoughnessUm, 3000);
    tMediumRec medium;
    ASSERT_TRUE(GetMedium(10057, medium));
    EXPECT_FALSE(GetMaterial(0, material) || GetMaterial(26, material) || GetMedium(10000, medium) ||
                 GetMedium(10030, medium));
    EXPECT_TRUE(material.Id == 15 && medium.Id == 10057);
}

}  // namespace
