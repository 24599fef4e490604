// The string table through the program's dictionary: translated while it is open, as the
// table holds it once it is closed.

#include "platform/FormatSettings.h"
#include "platform/ResStrings.h"
#include "translation/MlBinDic.h"
#include "../platform/QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

TEST(ResStringHook, InstalledWhileTheDictionaryIsOpen)
{
    FormatSettingsScope formats;
    SetUserDefaultLCID(0x0407);
    TMlBinaryDictionary d;
    d.Storage = mlsEmbedded;
    d.CheckLevel = mlclSystem;
    d.LoadEmbeddedData();
    d.SetLanguage(2);
    d.Open();
    ASSERT_TRUE(d.IsOpen());
    EXPECT_EQ(LoadResString(SShortDayNameThu), "Thu");
    EXPECT_EQ(LoadStr(SmkcPgUp), "PgUp");
    EXPECT_EQ(ShortCutToText(scCtrl | 'S'), "Ctrl+S");
    EXPECT_EQ(ShortCutToText(scShift | 46), "Shift+Del");
    QString name;
    EXPECT_TRUE(QtKeyNameText(QStringLiteral("Ctrl"), name));
    EXPECT_EQ(name, "Ctrl");
    // A missing entry tagged by the dictionary is the dictionary's answer; a key name is
    // not tagged by its second lookup.
    d.MissingTranslation = mlmtTagNative;
    EXPECT_EQ(ShortCutToText(scAlt | 115), "Alt+F4");
    d.MissingTranslation = mlmtUseNative;
    d.SetLanguage(1);
    EXPECT_EQ(LoadResString(SShortDayNameThu), "Do");
    EXPECT_EQ(ShortCutToText(scCtrl | 'S'), "Strg+S");
    d.SetLanguage(2);
    d.Close();
    EXPECT_EQ(ResStringTranslator(), nullptr);
    EXPECT_EQ(LoadResString(SShortDayNameThu), "Do");
    EXPECT_EQ(ShortCutToText(scShift | 46), "Umsch+Entf");
    // Without the option the dictionary leaves the table alone.
    d.Options &= ~unsigned(mldoTranslateResourceStrings);
    d.Open();
    EXPECT_EQ(ResStringTranslator(), nullptr);
    EXPECT_EQ(LoadResString(SShortDayNameThu), "Do");
}

}  // namespace
