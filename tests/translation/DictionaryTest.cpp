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

// On an open dictionary -2 chooses by the system's locale and -1 by the user's; the locale
// follows the chosen default, its country included.
TEST_F(DictionaryTest, DefaultLocaleIndicesOnAnOpenDictionary)
{
    Locales(0x0407, 0x0809);  // a German user on a British system
    auto d = Make();
    d->SetLanguage(1);
    d->Open();
    d->SetLanguage(-2);
    EXPECT_EQ(QList<int>({d->Language(), d->LanguageIndex(), static_cast<int>(d->LocaleLCID())}), QList<int>({-2, 2, 0x0809}));
    EXPECT_EQ(FormatSettings().ShortDateFormat, QStringLiteral("dd/MM/yyyy"));
    d->SetLanguage(-1);
    EXPECT_EQ(QList<int>({d->Language(), d->LanguageIndex(), static_cast<int>(d->LocaleLCID())}), QList<int>({-1, 1, 0x0407}));
    EXPECT_EQ(languageChanges, 3);
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

// The format record's locale variables as one line: currency, its formats and decimals, the
// list separator, AM and PM, March, Sunday (short) and Monday (long).
QString Variables(const TFormatSettings& s)
{
    return QStringList({s.CurrencyString, QString::number(s.CurrencyFormat), QString::number(s.NegCurrFormat),
                        QString::number(s.CurrencyDecimals), s.ListSeparator, s.TimeAMString, s.TimePMString,
                        s.LongMonthNames[2], s.ShortDayNames[0], s.LongDayNames[1]})
        .join(QLatin1Char(' '));
}

TEST(DictionaryFormats, LocaleVariablesFromQtsLocaleData)
{
    const std::pair<LCID, const char*> rows[] = {
        {0x0407, "€ 3 8 2 ; AM PM März So Montag"},
        {0x0409, "$ 0 0 2 , AM PM March Sun Monday"},
        {0x0413, "€ 2 14 2 ; a.m. p.m. maart zo maandag"},  // "(€ 1,00)"
        {0x040C, "€ 3 15 2 ; AM PM mars dim. lundi"},       // "(1,00 €)"
        {0x0411, "￥ 0 0 0 , 午前 午後 3月 日 月曜日"},       // no decimals
        {0x0401, "ر.س.\u200F 3 8 2 , ص م مارس الأحد الاثنين"},  // direction marks are no blanks
        {0x0419, "₽ 3 8 2 ; AM PM март вс понедельник"},  // "1,00 ₽"; a month alone, not "марта"
    };
    for (const auto& [lcid, variables] : rows) {
        TMlLocale locale;
        ASSERT_TRUE(FillSystemLocale(lcid, locale)) << lcid;
        TFormatSettings s;
        ApplyLocaleFormats(locale, false, s);
        EXPECT_EQ(Variables(s), QString::fromUtf8(variables)) << std::hex << lcid;
    }
}

// On a switch the variables follow the locale; a custom locale of the data is taken as it
// is, the names it leaves empty stay.
TEST_F(DictionaryTest, LocaleVariablesLanguagesAndLocalesOfTheDictionary)
{
    auto d = std::make_unique<TMlBinaryDictionary>();
    d->Storage = mlsEmbedded;
    d->SetData(LanguageBlob({{0, 0, 1252, "Native", "Native"}, {7, 1, 1252, "German", "Deutsch"},
                             {7, 0, 1252, "", "", "2"}, {9, 1, 1252, "English", "English"}}),
               TranslationBlob({}), LocaleBlob(7, 1, "DM", QLatin1Char(','), QLatin1Char(';')));
    d->Open();  // German user: the custom German locale
    EXPECT_EQ(Variables(FormatSettings()), QStringLiteral("DM 3 8 2 ; AM PM March Sun Monday"));
    d->SetLanguage(3);
    EXPECT_EQ(Variables(FormatSettings()), QStringLiteral("$ 0 0 2 , AM PM March Sun Monday"));
    d->SetLanguage(2);  // Swiss German: Qt's data
    EXPECT_EQ(Variables(FormatSettings()).left(9), QStringLiteral("CHF 3 8 2"));

    const std::vector<TMlLocale> locales = d->GetLocales();
    ASSERT_EQ(locales.size(), 1u);
    EXPECT_EQ(locales[0].Currency + ' ' + locales[0].EnglishLanguage + ' ' + locales[0].NativeCountry,
              QStringLiteral("DM German Deutschland"));
    QStringList languages;
    for (const TMlLanguage& l : d->GetLanguages())
        languages << QStringLiteral("%1:%2").arg(l.EnglishName).arg(l.LanguageLCID(), 0, 16);
    EXPECT_EQ(languages, QStringList({"Native:0", "German:407", "German:807", "English:409"}));
    // One name per primary language, the first language's.
    for (bool native : {false, true}) {
        QStringList names;
        for (const auto& [name, primary] : d->GetLanguageNames(native))
            names << QStringLiteral("%1:%2").arg(name).arg(primary);
        EXPECT_EQ(names, native ? QStringList({"Native:0", "Deutsch:7", "English:9"})
                                : QStringList({"Native:0", "German:7", "English:9"}));
    }
}

TEST(DictionaryFormats, LanguageAndCountryDisplayNames)
{
    const std::tuple<const char*, LCID, int, const char*, const char*> rows[] = {
        // name, LCID, code page; as a language's name, as a country's name
        {"Chinese (Taiwan)", 0x0404, 950, "Chinese, Traditional", "Chinese (Traditional)"},
        {"Chinese", 0x0804, 936, "Chinese, Simplified", "Chinese (Simplified)"},
        {"Korean", 0x0412, 1361, "Korean, Johab", "Korean (Johab)"},
        {"Serbian (Latin)", 0x081A, 1250, "Serbian, Latin", "Serbian (Latin)"},
        {"Serbian (Cyrillic)", 0x0C1A, 1251, "Serbian, Cyrillic", "Serbian (Cyrillic)"},
        {"Uzbek (Latin)", 0x0443, 1254, "Uzbek, Latin", "Uzbek (Latin)"},
        {"Norway (Nynorsk)", 0x0814, 1252, "Norway", "Norway (Nynorsk)"},
        {"Norway", 0x0414, 1252, "Norway", "Norway (Bokmal)"},
        {"Spanish (Traditional Sort)", 0x040A, 1252, "Spanish", "Spanish"},
        {"Spanish - Modern Sort", 0x0C0A, 1252, "Spanish", "Spanish"},  // at the blank, bracket or none
        {"Hong Kong Chinese (Big5)", 0x0C04, 950, "Hong Kong Chinese, Traditional", "Hong Kong Chinese (Traditional)"},
        {"Korean Wansung (Korea)", 0x0412, 949, "Korean Wansung", "Korean Wansung"},  // at the bracket, not the blank
        {"Swiss German (Switzerland)", 0x0807, 1252, "Swiss German (Switzerland)", "Swiss German (Switzerland)"},
    };
    for (const auto& [name, lcid, codePage, language, country] : rows) {
        EXPECT_EQ(LanguageDisplayName(name, lcid, codePage, false), QString::fromUtf8(language)) << name;
        EXPECT_EQ(CountryDisplayName(name, lcid, codePage, false), QString::fromUtf8(country)) << name;
    }
    // The names from Qt's locale data; a locale the program does not know has none.
    EXPECT_EQ(LanguageDisplayName(LocaleLanguageName(0x0404, false), 0x0404, 950, false), QStringLiteral("Chinese, Traditional"));
    EXPECT_EQ(CountryDisplayName(LocaleCountryName(0x0404, false), 0x0404, 950, false), QStringLiteral("Taiwan (Traditional)"));
    EXPECT_EQ(LocaleLanguageName(0x0407, true) + ' ' + LocaleCountryName(0x0C07, true), QStringLiteral("Deutsch Österreich"));
    EXPECT_EQ(LocaleLanguageName(0x0436, false) + LocaleCountryName(0x0436, true), QString());

    // Translated: both parts through the given dictionary, else the default one.
    FormatSettingsScope formats;
    auto d = MakeDictionary({{"Chinese", "", "", {"Chinesisch", ""}}, {"Traditional", "", "", {"Traditionell", ""}}});
    d->SetLanguage(1);
    d->Open();
    EXPECT_EQ(LanguageDisplayName("Chinese", 0x0404, 950, true, d.get()), QStringLiteral("Chinesisch, Traditionell"));
    EXPECT_EQ(CountryDisplayName("Taiwan", 0x0404, 950, true), QStringLiteral("Taiwan (Traditionell)"));
}
