// The dictionary data: the built-in blobs, the language and entry tables, bad data refused
// with a read error, and an MLD stream read from the program's resource.

#include "translation/MlBinDic.h"
#include "DictBuilder.h"
#include "../platform/QStringPrinter.h"

#include <QFile>
#include <QtGlobal>

#include <gtest/gtest.h>

// The test program's resource "MlDictionary" taken away and given back (outside any
// namespace, as Qt's resource functions are declared).
static void DropDictionaryResource() { Q_CLEANUP_RESOURCE(mld_dictionary); }
static void AddDictionaryResource() { Q_INIT_RESOURCE(mld_dictionary); }

namespace {

std::vector<TMlLanguage> Languages() { return ReadLanguageData(ProgramLanguages()); }

// A language as "primary.defaultSub.sub flags english/native iso cp charset lcid".
QString Describe(const TMlLanguage& l)
{
    return QStringLiteral("%1.%2.%3 %4 ").arg(l.PrimaryId).arg(l.DefaultSubId).arg(l.SubId).arg(l.Flags) + l.EnglishName +
           QLatin1Char('/') + l.NativeName + QLatin1Char(' ') + l.Iso639 +
           QStringLiteral(" %1 %2 %3").arg(l.CodePage).arg(l.Charset).arg(l.LanguageLCID(), 0, 16);
}

QString ErrorOf(const std::function<void()>& read)
{
    try {
        read();
    } catch (const EReadError& e) {
        return e.Message();
    }
    return QStringLiteral("no error");
}

TEST(DictionaryData, BuiltInDataAndLanguageTable)
{
    for (const auto& [name, bytes] : {std::pair{"LanguageData.bin", ProgramLanguages()}, {"LocaleData.bin", NoLocales()}}) {
        QFile file(QStringLiteral(":/dictionary/") + QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        EXPECT_EQ(file.readAll(), bytes) << name;
    }
    TMlBinaryDictionary d;
    d.Storage = mlsEmbedded;
    d.LoadEmbeddedData();
    EXPECT_EQ(d.LanguageCount(), 3);
    EXPECT_GT(d.DataEntryCount(), 0u);

    QStringList described;
    for (const TMlLanguage& l : Languages())
        described << Describe(l);
    EXPECT_EQ(described, QStringList({"0.0.0 2 Native/Native  1252 0 0", "7.1.1 0 German/Deutsch de 1252 0 407",
                                      "9.1.1 0 English/English en 1252 0 409"}));
    // A sub-language list gives the default sub-language and the language's LCID.
    const auto swiss = ReadLanguageData(LanguageBlob({{7, 0, 0, "", "", "3,2"}}));
    EXPECT_EQ(Describe(swiss[0]), QStringLiteral("7.3.3 0 German/Deutsch (Österreich) de 1252 0 c07"));
}

TEST(DictionaryData, EntriesByModeEscapesAndFallback)
{
    const std::vector<TRow> rows = {
        {"Datei", "TForm1", "MNU_File", {"Datei", "File"}},
        {"A#LB", "TForm1", "", {"", "C#LD"}},
        {"nur", "", "", {"", ""}},               // no text at all: dropped
        {"Zahl#", "", "65411", {"Zahl", ""}},   // German only: English falls back to nothing
    };
    // Mode, current and fallback language, entries kept; mode 0 has no contexts, 1 both, 2 only B, 3 only A.
    const int cases[][4] = {{1, 2, 0, 2}, {1, 2, 1, 3}, {0, 1, 0, 2}, {2, 2, 1, 3}, {3, 1, 2, 3}, {1, 0, 0, 0}};
    for (const auto [mode, current, fallback, kept] : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << mode << " current " << current);
        const auto data = ReadTranslationData(TranslationBlob(rows, mode), Languages(), current, fallback);
        EXPECT_EQ(data.Count, 4u);
        EXPECT_EQ(data.Keyed, mode != 0);
        ASSERT_EQ(static_cast<int>(data.Kept.size()), kept);
        const QString contexts = kept ? data.Kept[0].ContextA + '|' + data.Kept[0].ContextB : QString();
        EXPECT_EQ(contexts, kept ? QString(mode == 1 || mode == 3 ? "TForm1" : "") + '|' + (mode == 1 || mode == 2 ? "MNU_File" : "") : "");
    }
    // English current, German fallback: the line-feed escape is read in native and text;
    // the German-only entry is kept with status 1.
    const auto en = ReadTranslationData(TranslationBlob(rows), Languages(), 2, 1).Kept;
    ASSERT_EQ(en.size(), 3u);
    EXPECT_EQ(QStringList({en[1].Native, en[1].Text, en[2].Native, en[2].Text}), QStringList({"A\nB", "C\nD", "Zahl#", "Zahl"}));
    EXPECT_EQ(en[1].Status, 0);
    EXPECT_EQ(en[2].Status, 1);
}

TEST(DictionaryData, BadDataRaisesReadErrors)
{
    const QByteArray good = TranslationBlob({{"Datei", "A", "B", {"Datei", "File"}}});
    auto entries = [](QByteArray bytes, int current = 2) {
        return [bytes, current] { ReadTranslationData(bytes, Languages(), current, 0); };
    };
    auto languages = [](QByteArray bytes) { return [bytes] { ReadLanguageData(bytes); }; };
    const std::pair<std::function<void()>, const char*> bad[] = {
        {entries(TranslationBlob({}, 1, 2)), "Unknown translation data version: 2"},
        {entries(TranslationBlob({}, 7)), "Unknown translation mode: 7"},
        {entries(good.left(good.size() - 1)), "Stream read error"},
        {entries(good.left(8) + QByteArray("\xFF\xFF", 2)), "promise 1 entries"},  // a count past the end
        {entries(QByteArray("\x01\x00\x01\x00\xFF\xFF\xFF\xFF", 8)), "promise 4294967295 entries"},
        {entries(TranslationBlob({{"x", "", "", {"a", "b", "c"}}})), "do not match the 3 languages"},
        {entries(good, 3), "no language 3"},
        {languages(LanguageBlob({}, 2)), "Unknown language data version: 2"},
        {languages(ProgramLanguages().left(99)), "Stream read error"},
        {languages(QByteArray("\x01\x00\xFF\xFF", 4)), "65535"},
        {[] { ReadLocaleData(QByteArray("\x02\x00\x00\x00", 4)); }, "locale data version: 2"},
    };
    for (const auto& [read, message] : bad) {
        const QString error = ErrorOf(read);
        EXPECT_TRUE(error.contains(QLatin1String(message))) << message << ": " << error.toStdString();
    }
    EXPECT_TRUE(ReadLocaleData(NoLocales()).empty());
}

// Resource storage reads the MLD stream of the program's resource "MlDictionary" (here a
// big-endian stream of 16-bit characters with size-prefixed records); without that resource
// the error names it.
TEST(DictionaryData, MldStreamFromTheProgramsResource)
{
    FormatSettingsScope formats;  // opening takes the language's locale
    {
        TMlBinaryDictionary d;
        d.Storage = mlsResource;
        d.SetLanguage(2);
        d.Open();
        ASSERT_TRUE(d.IsOpen());
        EXPECT_EQ(d.LanguageCount(), 3);
        EXPECT_EQ(d.DataEntryCount(), 2u);
        EXPECT_TRUE(d.Keyed());
        EXPECT_EQ(QStringList({d.LanguageItem(1).Iso3166, d.TranslateWithContext("Datei", "TForm1", "MNU_File"), d.Translate("Gr\n#")}),
                  QStringList({"DE", "File", "Size\n#"}));
        d.Close();
    }
    DropDictionaryResource();
    TMlBinaryDictionary missing;
    missing.Storage = mlsResource;
    QString error;
    try {
        missing.Open();
    } catch (const EMlMulti& e) {
        error = e.Message();
    }
    AddDictionaryResource();
    EXPECT_EQ(error, QStringLiteral("The program has no dictionary resource MlDictionary (:/MlDictionary)"));
    EXPECT_FALSE(missing.IsOpen());
}

}  // namespace
