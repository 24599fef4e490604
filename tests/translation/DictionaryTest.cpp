#include "translation/MlBinDic.h"
#include "DictBuilder.h"
#include "../platform/QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

const std::vector<TRow> kRows = {
    {"Datei", "TForm1", "MNU_File", {"Datei", "File"}},
    {"Datei", "TForm2", "", {"Datei", "Data file"}},
    {"Abbrechen", "", "", {"Abbrechen", "Cancel"}},
    {"Ohne", "", "", {"Ohne", ""}},
};

// The user's locale and the format record, restored after each test.
class DictionaryTest : public testing::Test {
protected:
    void SetUp() override
    {
        SetUserDefaultLCID(0x0407);
        SetSystemDefaultLCID(0x0409);
        FormatSettings() = TFormatSettings();
    }
    void TearDown() override
    {
        SetUserDefaultLCID(0x0409);
        SetSystemDefaultLCID(0x0409);
    }

    std::unique_ptr<TMlBinaryDictionary> Make(const QByteArray& languages = ProgramLanguages(),
                                              const std::vector<TRow>& rows = kRows)
    {
        auto d = std::make_unique<TMlBinaryDictionary>();
        d->Storage = mlsEmbedded;
        d->CheckLevel = mlclSystem;
        d->SetData(languages, TranslationBlob(rows), NoLocales());
        d->OnLanguageChange = [this] { ++languageChanges; };
        return d;
    }

    FormatSettingsScope formats;
    int languageChanges = 0;
};

TEST_F(DictionaryTest, StartLanguageFollowsTheUserLocale)
{
    struct Row {
        LCID user, system;
        int requested;
        int index;
        char decimal;
        LCID locale;
    };
    const Row rows[] = {
        {0x0407, 0x0409, -1, 1, ',', 0x0407}, {0x0807, 0x0409, -1, 1, '.', 0x0807},  // Swiss German keeps its locale
        {0x0409, 0x0407, -1, 2, '.', 0x0409}, {0x0809, 0x0409, -1, 2, '.', 0x0809},
        {0x040C, 0x0409, -1, 0, ',', 0x040C},  // French: the native texts, the user's formats
        {0x0407, 0x0809, -2, 2, '.', 0x0809},  // the system's language and locale, not the user's
        {0x0407, 0x0409, 2, 2, '.', 0x0409},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << std::hex << r.user << " " << r.requested);
        SetUserDefaultLCID(r.user);
        SetSystemDefaultLCID(r.system);
        FormatSettings() = TFormatSettings();
        auto d = Make();
        d->SetLanguage(r.requested);
        d->Open();
        EXPECT_EQ(d->LanguageIndex(), r.index);
        EXPECT_EQ(d->LocaleLCID(), r.locale);
        EXPECT_EQ(FormatSettings().DecimalSeparator, QLatin1Char(r.decimal));
    }
}

TEST_F(DictionaryTest, SwitchTranslatesAndTakesTheLocale)
{
    auto d = Make();
    d->Open();
    EXPECT_EQ(d->LanguageIndex(), 1);
    EXPECT_EQ(languageChanges, 1);
    EXPECT_EQ(FormatSettings().ThousandSeparator, QLatin1Char('.'));
    EXPECT_EQ(FormatSettings().ShortDateFormat, QStringLiteral("dd.MM.yyyy"));

    d->SetLanguage(2);
    EXPECT_EQ(languageChanges, 2);
    EXPECT_EQ(FormatSettings().DecimalSeparator, QLatin1Char('.'));
    EXPECT_EQ(FormatSettings().ThousandSeparator, QLatin1Char(','));
    EXPECT_EQ(FormatSettings().ShortDateFormat, QStringLiteral("M/d/yyyy"));
    EXPECT_EQ(FormatSettings().ShortTimeFormat, QStringLiteral("h:mm AP"));
    d->SetLanguage(2);  // unchanged: nothing happens
    EXPECT_EQ(languageChanges, 2);

    EXPECT_TRUE(d->Keyed());
    EXPECT_EQ(d->TranslateWithContext("Datei", "TForm2", ""), QStringLiteral("Data file"));
    EXPECT_EQ(d->TranslateWithContext("Datei", "TForm1", "MNU_File"), QStringLiteral("File"));
    EXPECT_EQ(d->TranslateWithContext("Datei", "TOther", "X"), QStringLiteral("File"));  // any entry of the text
    EXPECT_EQ(d->Translate("Abbrechen"), QStringLiteral("Cancel"));
    EXPECT_EQ(d->Translate("abbrechen"), QStringLiteral("abbrechen"));  // case matters

    struct Row {
        TMlMissingTranslation mode;
        QString missing;
    };
    const Row modes[] = {{mlmtUseNative, "Ohne"}, {mlmtUseNull, ""}, {mlmtTagNative, "@Ohne@"}};
    for (const Row& r : modes) {
        d->MissingTranslation = r.mode;
        EXPECT_EQ(d->Translate("Ohne"), r.missing);
        EXPECT_EQ(d->Translate(""), QString());
    }
    d->MissingTranslation = mlmtRaiseException;
    EXPECT_THROW(d->Translate("Ohne"), EMlMulti);
    try {
        d->Translate("Nie");
        ADD_FAILURE() << "no error";
    } catch (const EMlMulti& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Dictionary does not contain a translation for the word \"Nie\""));
    }

    EXPECT_THROW(d->LanguageItem(3), ERangeError);

    d->SetLanguage(0);  // native: no entry is kept, every text shows as designed
    d->MissingTranslation = mlmtUseNative;
    EXPECT_EQ(d->Translate("Abbrechen"), QStringLiteral("Abbrechen"));
    EXPECT_EQ(d->TranslationCount(), 0);
}

TEST_F(DictionaryTest, RangeErrorsAndRollback)
{
    const QByteArray withRussian = LanguageBlob(
        {{0, 0, 1252, "Native", "Native"}, {7, 1, 1252, "German", "Deutsch"}, {25, 1, 1251, "Russian", "Russian"}});
    auto d = Make(withRussian, {{"Datei", "", "", {"Datei", "Fail"}}});
    d->CheckLevel = mlclCodePage;
    d->SetLanguage(1);
    d->Open();
    const TFormatSettings german = FormatSettings();
    for (int bad : {-3, 3}) {
        try {
            d->SetLanguage(bad);
            ADD_FAILURE() << bad;
        } catch (const ERangeError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Language index %1 is out of range").arg(bad));
        }
    }
    // Russian needs code page 1251: the switch fails and nothing of it stays.
    try {
        d->SetLanguage(2);
        ADD_FAILURE();
    } catch (const EMlMulti& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Russian is not supported by the code page"));
    }
    EXPECT_EQ(d->Language(), 1);
    EXPECT_EQ(d->LanguageIndex(), 1);
    EXPECT_EQ(d->CurrentLanguage().PrimaryId, 7);
    EXPECT_EQ(d->LocaleLCID(), 0x0407u);
    EXPECT_EQ(d->Translate("Datei"), QStringLiteral("Datei"));
    EXPECT_EQ(FormatSettings().DecimalSeparator, german.DecimalSeparator);
    EXPECT_EQ(languageChanges, 1);

    // An index stored while closed is checked when the dictionary opens.
    auto closed = Make();
    closed->SetLanguage(3);
    try {
        closed->Open();
        ADD_FAILURE() << "opened";
    } catch (const ERangeError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Language index 3 is out of range"));
    }
    EXPECT_FALSE(closed->IsOpen());

    // Corrupt data are refused whole: the loaded translations stay.
    QByteArray cut = TranslationBlob(kRows);
    cut.chop(2);
    EXPECT_THROW(d->SetData(withRussian, cut, NoLocales()), EReadError);
    EXPECT_EQ(d->LanguageCount(), 3);
    EXPECT_EQ(d->TranslationCount(), 1);
    EXPECT_EQ(d->DataEntryCount(), 1u);
}

TEST_F(DictionaryTest, UnknownLocaleKeepsFormats)
{
    // Afrikaans is not in the locale table: its locale cannot be filled.
    auto d = Make(LanguageBlob({{0, 0, 1252, "Native", "Native"}, {54, 1, 1252, "Afrikaans", "Afrikaans"}}), {});
    d->SetLanguage(1);
    FormatSettings().DecimalSeparator = QLatin1Char(',');
    FormatSettings().ThousandSeparator = QLatin1Char('.');
    FormatSettings().ShortDateFormat = QStringLiteral("dd.MM.yyyy");
    d->Open();
    EXPECT_EQ(d->LanguageIndex(), 1);
    EXPECT_FALSE(d->CurrentLocale().Filled);
    EXPECT_EQ(FormatSettings().DecimalSeparator, QLatin1Char(','));
    EXPECT_EQ(FormatSettings().ThousandSeparator, QLatin1Char('.'));
    EXPECT_EQ(FormatSettings().ShortDateFormat, QStringLiteral("dd.MM.yyyy"));
}

TEST(DictionaryFormats, SeparatorsNeverEqual)
{
    struct Row {
        char localeDecimal, localeThousand, decimal, thousand, newDecimal, newThousand;
    };
    const Row rows[] = {
        {',', '.', '.', ',', ',', '.'}, {'.', ',', ',', '.', '.', ','},  // German, English
        {',', ',', '.', ',', '.', ','}, {'.', '.', ',', '.', ',', '.'},  // equal: no decimal separator taken
        {',', 0, '.', ',', ',', '.'},   {0, '.', '.', ',', '.', ','},    // one left empty
    };
    for (const Row& r : rows) {
        TMlLocale locale;
        locale.Filled = true;
        locale.DecimalSeparator = QLatin1Char(r.localeDecimal);
        locale.ThousandSeparator = QLatin1Char(r.localeThousand);
        TFormatSettings s;
        s.DecimalSeparator = QLatin1Char(r.decimal);
        s.ThousandSeparator = QLatin1Char(r.thousand);
        ApplyLocaleFormats(locale, false, s);
        EXPECT_EQ(QString(s.DecimalSeparator) + s.ThousandSeparator,
                  QString(QLatin1Char(r.newDecimal)) + QLatin1Char(r.newThousand))
            << int(r.localeDecimal) << " " << int(r.localeThousand);
    }
}

TEST(DictionaryFormats, TwoDigitYearsAndErrorText)
{
    const std::pair<QString, QString> years[] = {
        {"dd.MM.yy", "dd.MM.yyyy"}, {"yy/M/d", "yyyy/M/d"}, {"dd.MM.yyyy", "dd.MM.yyyy"}, {"dd.MM.", "dd.MM."}, {"", ""}};
    for (const auto& [format, expected] : years)
        EXPECT_EQ(Year2000Format(format), expected);

    const std::pair<QString, QString> messages[] = {
        {"", ""}, {"Fehler", "Fehler."}, {"Fehler.", "Fehler."}, {"Ende!", "Ende!"}, {"Wert 5", "Wert 5."}};
    for (const auto& [message, shown] : messages)
        EXPECT_EQ(TranslatedExceptionText(message), shown);
}

class TestClient : public TMlDictionaryClient {
public:
    std::function<void()> onChange, onDetach;
    int changes = 0;
    bool detached = false;
    void LanguageChanged(bool, bool) override
    {
        ++changes;
        if (onChange)
            onChange();
    }
    void DictionaryDetached() override
    {
        detached = true;
        if (onDetach)
            onDetach();
    }
};

TEST_F(DictionaryTest, TranslatorsLeavingDuringNotification)
{
    auto d = Make();
    d->Open();
    TestClient a, b, c;
    d->AddTranslator(&a);
    d->AddTranslator(&b);
    d->AddTranslator(&b);  // no duplicates
    d->AddTranslator(&c);
    a.onChange = [&] { d->RemoveTranslator(&a); d->RemoveTranslator(&b); };
    d->SetLanguage(2);
    EXPECT_EQ(a.changes, 1);
    EXPECT_EQ(b.changes, 0);  // left before its turn
    EXPECT_EQ(c.changes, 1);
    EXPECT_EQ(d->TranslatorCount(), 1);

    // A translator told to leave may make another one leave: each is told once.
    TestClient e;
    d->AddTranslator(&e);
    c.onDetach = [&] { d->RemoveTranslator(&e); d->AddTranslator(&a); };
    d->Close();
    EXPECT_TRUE(c.detached);
    EXPECT_TRUE(e.detached);
    d->RemoveTranslator(&a);
    EXPECT_EQ(d->TranslatorCount(), 0);
    d->Open();
    EXPECT_EQ(d->TranslatorCount(), 0);  // reopening does not re-attach
    // The error box translates through the default dictionary (the first one made).
    EXPECT_EQ(TranslatedExceptionText("Abbrechen"), QStringLiteral("Cancel."));
}

}  // namespace
