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

TEST_F(LibraryTest, CountsAndStoredOrder)
{
    EXPECT_EQ(MaterialCount(), 25);
    EXPECT_EQ(MediumCount(), 46);
    const int materials[] = {1, 2, 3, 5, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25};
    for (int n = 1; n <= 25; ++n)
        EXPECT_EQ(MaterialIdAt(n), materials[n - 1]) << n;
    for (int n : {0, -1, 26})
        EXPECT_EQ(MaterialIdAt(n), -1) << n;
    EXPECT_EQ(MediumIdAt(1), 10001);
    EXPECT_EQ(MediumIdAt(27), 10027);
    EXPECT_EQ(MediumIdAt(28), 10039);
    EXPECT_EQ(MediumIdAt(46), 10057);
    EXPECT_EQ(MediumIdAt(47), -1);
    EXPECT_EQ(MediumIdAt(0), -1);
}

TEST_F(LibraryTest, NamesAfterConversion)
{
    ConvertLibraryNames();
    ConvertLibraryNames();  // a second run changes nothing
    EXPECT_EQ(Name(9, LibLangGerman), QStringLiteral("Graugu\u00df"));
    EXPECT_EQ(Name(15, LibLangGerman), Name(9, LibLangGerman));
    EXPECT_EQ(Name(10, LibLangGerman), QStringLiteral("Duktiler Gu\u00df"));
    EXPECT_EQ(Name(9, LibLangEnglish), QStringLiteral("Grey Cast Iron"));
    EXPECT_EQ(Name(10025, LibLangGerman, true), QStringLiteral("Cerl\u00f6sung"));
    EXPECT_EQ(Name(10007, LibLangGerman, true), QStringLiteral("Salzs\u00e4ure 37%"));
    EXPECT_EQ(Name(10042, LibLangGerman, true), QStringLiteral("80% Schwefels\u00e4u."));
    // Blanks are kept as stored.
    EXPECT_EQ(Name(10020, LibLangGerman, true), QStringLiteral("Milch  3.5% FETT"));
    EXPECT_EQ(Name(10022, LibLangEnglish, true), QStringLiteral("Milk  0.3% Fat"));
    EXPECT_EQ(Name(10023, LibLangGerman, true), QStringLiteral("Ammoniak      "));
    EXPECT_EQ(Name(10023, LibLangEnglish, true), QStringLiteral("Ammonia (NH3)"));
    // Absent identifiers give row 0's name in the selected column.
    EXPECT_EQ(Name(0, LibLangEnglish), QStringLiteral("Other Material"));
    EXPECT_EQ(Name(99, LibLangGerman), QStringLiteral("Anderes Material"));
    EXPECT_EQ(Name(10030, LibLangGerman, true), QStringLiteral("Anderes Medium"));
    EXPECT_EQ(Name(10000, LibLangEnglish, true), QStringLiteral("Other Medium"));
    for (int n = 1; n <= MediumCount(); ++n) {
        const auto id = static_cast<std::uint16_t>(MediumIdAt(n));
        for (std::uint8_t column = 0; column < LibLangCount; ++column)
            EXPECT_LE(Name(id, column, true).size(), 16) << id;
    }
}

TEST_F(LibraryTest, DosToAnsiMapping)
{
    const unsigned char from[] = {130, 131, 132, 148, 225, 230};
    const unsigned char to[] = {233, 226, 228, 246, 223, 181};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(static_cast<unsigned char>(ConvertDosToAnsi(static_cast<char>(from[i]))), to[i]);
        EXPECT_EQ(static_cast<unsigned char>(ConvertDosToAnsi(static_cast<char>(to[i]))), to[i]);
    }
    for (int kept : {97, 90, 32, 229, 129})
        EXPECT_EQ(static_cast<unsigned char>(ConvertDosToAnsi(static_cast<char>(kept))), kept);
}

TEST_F(LibraryTest, RecordCopies)
{
    tMaterialRec material;
    ASSERT_TRUE(GetMaterial(15, material));
    EXPECT_EQ(material.Id, 15);
    EXPECT_EQ(EvalProperty(material.SoundSpeedT, 20, 1), 2200.0);
    EXPECT_EQ(material.RoughnessUm, 3000);
    ASSERT_TRUE(GetMaterial(9, material));
    EXPECT_EQ(EvalProperty(material.SoundSpeedT, 20, 1), 2650.0);
    // Absent: false and the record untouched.
    EXPECT_FALSE(GetMaterial(0, material));
    EXPECT_FALSE(GetMaterial(26, material));
    EXPECT_EQ(material.Id, 9);
    tMediumRec medium;
    ASSERT_TRUE(GetMedium(10057, medium));
    EXPECT_FALSE(GetMedium(10000, medium));
    EXPECT_FALSE(GetMedium(10030, medium));
    EXPECT_EQ(medium.Id, 10057);
    // Set 4 of every medium is type 5; c0 is 0 except for milk (1) and 50% glycol (6).
    for (int n = 1; n <= MediumCount(); ++n) {
        ASSERT_TRUE(GetMedium(static_cast<std::uint16_t>(MediumIdAt(n)), medium));
        EXPECT_EQ(medium.Set4.FormulaType, 5);
        const long double c0 = medium.Id == 10010 ? 1 : medium.Id == 10041 ? 6 : 0;
        EXPECT_EQ(medium.Set4.Coeff(0), c0) << medium.Id;
    }
}

TEST_F(LibraryTest, EveryMediumHasPlausibleValuesAt20Celsius)
{
    // Catches a mistyped coefficient: every medium is a liquid at 20 °C and 1 bar.
    tMediumRec medium;
    for (int n = 1; n <= MediumCount(); ++n) {
        ASSERT_TRUE(GetMedium(static_cast<std::uint16_t>(MediumIdAt(n)), medium));
        const double c = EvalProperty(medium.SoundSpeed, 20, 1);
        const double rho = EvalProperty(medium.Density, 20, 1);
        const double nu = EvalProperty(medium.KinViscosity, 20, 1);
        EXPECT_GT(c, 500) << medium.Id;
        EXPECT_LT(c, 2100) << medium.Id;
        EXPECT_GT(rho, 0.7) << medium.Id;
        EXPECT_LT(rho, 1.9) << medium.Id;
        EXPECT_GT(nu, 0.01) << medium.Id;
        EXPECT_LT(nu, 1000) << medium.Id;
    }
}

TEST_F(LibraryTest, MaterialSoundSpeedKinds)
{
    tCoeffSet set;
    ASSERT_TRUE(GetMaterialSoundSpeed(1, WaveDefault, set));
    EXPECT_EQ(EvalProperty(set, 20, 1), 3230.0);
    ASSERT_TRUE(GetMaterialSoundSpeed(3, WaveDefault, set));
    EXPECT_EQ(EvalProperty(set, 20, 1), 2000.0);
    ASSERT_TRUE(GetMaterialSoundSpeed(19, WaveLongitudinal, set));
    EXPECT_NEAR(EvalProperty(set, 20, 1), 2575 - 20 * 2.045454545, 1e-6);
    ASSERT_TRUE(GetMaterialSoundSpeed(1, WaveRoughness, set));
    EXPECT_EQ(set, MakeCoeffSet(1, {100}));
    EXPECT_EQ(set.K[1], tReal48{});
    // A zero sound speed is "no value".
    ASSERT_TRUE(GetMaterialSoundSpeed(10, WaveLongitudinal, set));
    EXPECT_EQ(EvalProperty(set, 20, 1), 0.0);
    const tCoeffSet before = set;
    EXPECT_FALSE(GetMaterialSoundSpeed(1, 3, set));
    EXPECT_FALSE(GetMaterialSoundSpeed(1, 4, set));
    EXPECT_FALSE(GetMaterialSoundSpeed(0, WaveLongitudinal, set));
    EXPECT_EQ(set, before);
}

TEST_F(LibraryTest, MaterialClasses)
{
    const std::set<int> class1 = {3, 12, 13, 16, 18, 19};
    const std::set<int> class2 = {14, 17, 20, 21, 24, 25};
    for (int id = 0; id <= 26; ++id) {
        const int expected = class1.count(id) ? 1 : class2.count(id) ? 2 : 0;
        EXPECT_EQ(MaterialClass(static_cast<std::uint16_t>(id)), expected) << id;
    }
    EXPECT_EQ(MaterialClass(99), 0);
    tMaterialRec grey;
    ASSERT_TRUE(GetMaterial(9, grey));  // class part and set 4 stored swapped
    EXPECT_EQ(grey.ClassSet.FormulaType, 5);
    EXPECT_EQ(grey.Set4.FormulaType, 255);
}

}  // namespace
