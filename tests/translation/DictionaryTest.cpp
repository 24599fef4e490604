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

// A German user on an English system; the format record restored after each test.
class DictionaryTest : public testing::Test {
protected:
    void SetUp() override { Locales(0x0407, 0x0409); }
    void TearDown() override { Locales(0x0409, 0x0409); }
    static void Locales(LCID user, LCID system)
    {
        SetUserDefaultLCID(user);
        SetSystemDefaultLCID(system);
        FormatSettings() = TFormatSettings();
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

template <typename E>
QString Raised(const std::function<void()>& act)
{
    try {
        act();
    } catch (const E& e) {
        return e.Message();
    }
    return QStringLiteral("no error");
}

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
        Locales(r.user, r.system);
        auto d = Make();
        d->SetLanguage(r.requested);
        d->Open();
        EXPECT_EQ(d->LanguageIndex(), r.index);
        EXPECT_EQ(d->LocaleLCID(), r.locale);
        EXPECT_EQ(FormatSettings().DecimalSeparator, QLatin1Char(r.decimal));
    }
    // Afrikaans is not in the locale table: its locale cannot be filled, the formats stay.
    auto d = Make(LanguageBlob({{0, 0, 1252, "Native", "Native"}, {54, 1, 1252, "Afrikaans", "Afrikaans"}}), {});
    d->SetLanguage(1);
    FormatSettings().ShortDateFormat = QStringLiteral("d.M.yy");
    d->Open();
    EXPECT_TRUE(d->LanguageIndex() == 1 && !d->CurrentLocale().Filled);
    EXPECT_EQ(FormatSettings().ShortDateFormat, QStringLiteral("d.M.yy"));
}

TEST_F(DictionaryTest, SwitchTranslatesAndTakesTheLocale)
{
    auto d = Make();
    d->Open();
    EXPECT_EQ(languageChanges, 1);
    EXPECT_EQ(FormatSettings().ShortDateFormat, QStringLiteral("dd.MM.yyyy"));
    d->SetLanguage(2);
    d->SetLanguage(2);  // unchanged: nothing happens
    EXPECT_EQ(languageChanges, 2);
    const TFormatSettings& s = FormatSettings();
    EXPECT_EQ(QStringList({s.DecimalSeparator, s.ThousandSeparator, s.ShortDateFormat, s.ShortTimeFormat}),
              QStringList({".", ",", "M/d/yyyy", "h:mm AP"}));

    EXPECT_TRUE(d->Keyed());
    EXPECT_EQ(d->TranslateWithContext("Datei", "TForm2", ""), QStringLiteral("Data file"));
    EXPECT_EQ(d->TranslateWithContext("Datei", "TForm1", "MNU_File"), QStringLiteral("File"));
    EXPECT_EQ(d->TranslateWithContext("Datei", "TOther", "X"), QStringLiteral("File"));  // any entry of the text
    EXPECT_EQ(d->Translate("Abbrechen"), QStringLiteral("Cancel"));
    EXPECT_EQ(d->Translate("abbrechen"), QStringLiteral("abbrechen"));  // case matters

    const std::pair<TMlMissingTranslation, QString> modes[] = {{mlmtUseNative, "Ohne"}, {mlmtUseNull, ""}, {mlmtTagNative, "@Ohne@"}};
    for (const auto& [mode, missing] : modes) {
        d->MissingTranslation = mode;
        EXPECT_EQ(d->Translate("Ohne"), missing);
        EXPECT_EQ(d->Translate(""), QString());
    }
    d->MissingTranslation = mlmtRaiseException;
    EXPECT_EQ(Raised<EMlMulti>([&] { d->Translate("Nie"); }),
              QStringLiteral("Dictionary does not contain a translation for the word \"Nie\""));

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
    for (int bad : {-3, 3})  // 3 is the language count
        EXPECT_EQ(Raised<ERangeError>([&] { d->SetLanguage(bad); }),
                  QStringLiteral("Language index %1 is out of range").arg(bad));
    EXPECT_THROW(d->LanguageItem(3), ERangeError);
    // Russian needs code page 1251: the switch fails and nothing of it stays.
    EXPECT_EQ(Raised<EMlMulti>([&] { d->SetLanguage(2); }), QStringLiteral("Russian is not supported by the code page"));
    EXPECT_TRUE(d->Language() == 1 && d->LanguageIndex() == 1 && d->LocaleLCID() == 0x0407u);
    EXPECT_EQ(d->Translate("Datei"), QStringLiteral("Datei"));
    EXPECT_EQ(FormatSettings().DecimalSeparator, QLatin1Char(','));
    EXPECT_EQ(languageChanges, 1);

    // An index stored while closed is checked when the dictionary opens.
    auto closed = Make();
    closed->SetLanguage(3);
    EXPECT_EQ(Raised<ERangeError>([&] { closed->Open(); }), QStringLiteral("Language index 3 is out of range"));
    EXPECT_FALSE(closed->IsOpen());

    // Corrupt data are refused whole: the loaded translations stay.
    QByteArray cut = TranslationBlob(kRows);
    cut.chop(2);
    EXPECT_THROW(d->SetData(withRussian, cut, NoLocales()), EReadError);
    EXPECT_EQ(d->LanguageCount(), 3);
    EXPECT_EQ(d->TranslationCount(), 1);
}

TEST(DictionaryFormats, SeparatorsYearsAndErrorText)
{
    // The locale's separators unless the decimal one equals its thousands one or is empty;
    // the two never end equal.
    const char rows[][6] = {
        // locale decimal, thousand; record before; record after
        {',', '.', '.', ',', ',', '.'}, {'.', ',', ',', '.', '.', ','},
        {',', ',', '.', ',', '.', ','}, {'.', '.', ',', '.', ',', '.'},
        {',', 0, '.', ',', ',', '.'},   {0, '.', '.', ',', '.', ','},
    };
    for (const auto& r : rows) {
        TMlLocale locale;
        locale.Filled = true;
        locale.DecimalSeparator = QLatin1Char(r[0]);
        locale.ThousandSeparator = QLatin1Char(r[1]);
        TFormatSettings s{.DecimalSeparator = QLatin1Char(r[2]), .ThousandSeparator = QLatin1Char(r[3])};
        ApplyLocaleFormats(locale, false, s);
        EXPECT_EQ(QString(s.DecimalSeparator) + s.ThousandSeparator, QString(QLatin1Char(r[4])) + QLatin1Char(r[5]))
            << int(r[0]) << " " << int(r[1]);
    }
    const std::pair<QString, QString> years[] = {
        {"dd.MM.yy", "dd.MM.yyyy"}, {"yy/M/d", "yyyy/M/d"}, {"dd.MM.yyyy", "dd.MM.yyyy"}, {"dd.MM.", "dd.MM."}};
    for (const auto& [format, expected] : years)
        EXPECT_EQ(Year2000Format(format), expected);
    const std::pair<QString, QString> messages[] = {{"", ""}, {"Fehler", "Fehler."}, {"Fehler.", "Fehler."}, {"Ende!", "Ende!"}};
    for (const auto& [message, shown] : messages)
        EXPECT_EQ(TranslatedExceptionText(message), shown);
}

// A translator that counts what it is told and may act on it.
struct TestClient : TMlDictionaryClient {
    std::function<void()> onChange = [] {}, onDetach = [] {};
    int changes = 0;
    bool detached = false;
    void LanguageChanged(bool, bool) override { ++changes; onChange(); }
    void DictionaryDetached() override { detached = true; onDetach(); }
};

TEST_F(DictionaryTest, TranslatorsLeavingDuringNotification)
{
    auto d = Make();
    d->Open();
    TestClient a, b, c, e;
    for (TestClient* client : {&a, &b, &b, &c})  // no duplicates
        d->AddTranslator(client);
    a.onChange = [&] { d->RemoveTranslator(&a); d->RemoveTranslator(&b); };
    d->SetLanguage(2);
    EXPECT_EQ(a.changes, 1);
    EXPECT_EQ(b.changes, 0);  // left before its turn
    EXPECT_EQ(c.changes, 1);
    EXPECT_EQ(d->TranslatorCount(), 1);

    // A translator told to leave may make another one leave: each is told once.
    d->AddTranslator(&e);
    c.onDetach = [&] { d->RemoveTranslator(&e); d->AddTranslator(&a); };
    d->Close();
    EXPECT_TRUE(c.detached && e.detached);
    d->RemoveTranslator(&a);
    d->Open();
    EXPECT_EQ(d->TranslatorCount(), 0);  // reopening does not re-attach
    // The error box translates through the default dictionary (the first one made).
    EXPECT_EQ(TranslatedExceptionText("Abbrechen"), QStringLiteral("Cancel."));
}

}  // namespace
