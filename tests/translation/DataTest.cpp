#include "translation/MlBinDic.h"
#include "translation/MlMLDFil.h"
#include "DictBuilder.h"
#include "../platform/QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

std::vector<TMlLanguage> Languages() { return ReadLanguageData(ProgramLanguages()); }

QString ErrorOf(const std::function<void()>& read)
{
    try {
        read();
    } catch (const EReadError& e) {
        return e.Message();
    }
    return QStringLiteral("no error");
}

TEST(DictionaryData, LanguageTable)
{
    const QByteArray bytes = ProgramLanguages();
    EXPECT_EQ(bytes.size(), 100);
    const auto langs = ReadLanguageData(bytes);
    ASSERT_EQ(langs.size(), 3u);
    struct Row {
        int primary, sub, flags;
        const char *english, *native, *iso;
    };
    const Row rows[] = {{0, 0, 2, "Native", "Native", ""}, {7, 1, 0, "German", "Deutsch", "de"}, {9, 1, 0, "English", "English", "en"}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(langs[i].PrimaryId, rows[i].primary);
        EXPECT_EQ(langs[i].DefaultSubId, rows[i].sub);
        EXPECT_EQ(langs[i].SubId, rows[i].sub);
        EXPECT_EQ(langs[i].Flags, rows[i].flags);
        EXPECT_EQ(langs[i].EnglishName, QLatin1String(rows[i].english));
        EXPECT_EQ(langs[i].NativeName, QLatin1String(rows[i].native));
        EXPECT_EQ(langs[i].Iso639, QLatin1String(rows[i].iso));
        EXPECT_EQ(langs[i].CodePage, 1252);
        EXPECT_EQ(langs[i].Charset, 0);
    }
    EXPECT_EQ(langs[1].LanguageLCID(), 0x0407u);
    // A sub-language list gives the default sub-language and the language's LCID.
    const auto swiss = ReadLanguageData(LanguageBlob({{7, 0, 0, "", "", "3,2"}}));
    EXPECT_EQ(swiss[0].DefaultSubId, 3);
    EXPECT_EQ(swiss[0].LanguageLCID(), 0x0C07u);
    EXPECT_EQ(swiss[0].NativeName, QStringLiteral("Deutsch (Österreich)"));
}

TEST(DictionaryData, EntriesByModeEscapesAndFallback)
{
    const std::vector<TRow> rows = {
        {"Datei", "TForm1", "MNU_File", {"Datei", "File"}},
        {"A#LB", "TForm1", "", {"", "C#LD"}},
        {"nur", "", "", {"", ""}},               // no text at all: dropped
        {"Zahl#", "", "65411", {"Zahl", ""}},   // German only: English falls back to nothing
    };
    struct Case {
        unsigned mode;
        int current, fallback;
        int kept;
        bool keyed;
    };
    const Case cases[] = {{1, 2, 0, 2, true}, {1, 2, 1, 3, true}, {0, 1, 0, 2, false}, {2, 2, 1, 3, true},
                          {3, 1, 2, 3, true}, {1, 0, 0, 0, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " current " << c.current);
        const auto data = ReadTranslationData(TranslationBlob(rows, c.mode), Languages(), c.current, c.fallback);
        EXPECT_EQ(data.Count, 4u);
        EXPECT_EQ(data.Keyed, c.keyed);
        ASSERT_EQ(static_cast<int>(data.Kept.size()), c.kept);
        if (c.kept == 0)
            continue;
        EXPECT_EQ(data.Kept[0].ContextA, (c.mode == 1 || c.mode == 3) ? QStringLiteral("TForm1") : QString());
        EXPECT_EQ(data.Kept[0].ContextB, (c.mode == 1 || c.mode == 2) ? QStringLiteral("MNU_File") : QString());
    }
    // English current, German fallback: the line-feed escape is read in native and text;
    // the German-only entry is kept with status 1.
    const auto en = ReadTranslationData(TranslationBlob(rows), Languages(), 2, 1).Kept;
    ASSERT_EQ(en.size(), 3u);
    EXPECT_EQ(en[1].Native, QStringLiteral("A\nB"));
    EXPECT_EQ(en[1].Text, QStringLiteral("C\nD"));
    EXPECT_EQ(en[1].Status, 0);
    EXPECT_EQ(en[2].Native, QStringLiteral("Zahl#"));
    EXPECT_EQ(en[2].Text, QStringLiteral("Zahl"));
    EXPECT_EQ(en[2].Status, 1);
}

TEST(DictionaryData, BadDataRaisesReadErrors)
{
    const QByteArray good = TranslationBlob({{"Datei", "A", "B", {"Datei", "File"}}});
    const std::pair<QByteArray, const char*> bad[] = {
        {TranslationBlob({}, 1, 2), "Unknown translation data version: 2"},
        {TranslationBlob({}, 7), "Unknown translation mode: 7"},
        {good.left(good.size() - 1), "Stream read error"},
        {good.left(8) + QByteArray("\xFF\xFF", 2), "promise 1 entries"},  // a count past the end
        {QByteArray("\x01\x00\x01\x00\xFF\xFF\xFF\xFF", 8), "promise 4294967295 entries"},
        {TranslationBlob({{"x", "", "", {"a", "b", "c"}}}), "do not match the 3 languages"},
        {QByteArray("\x01", 1), "Stream read error"},
    };
    for (const auto& [bytes, message] : bad)
        EXPECT_TRUE(ErrorOf([&] { ReadTranslationData(bytes, Languages(), 2, 0); }).contains(QLatin1String(message)))
            << message << ": " << ErrorOf([&] { ReadTranslationData(bytes, Languages(), 2, 0); }).toStdString();
    EXPECT_TRUE(ErrorOf([&] { ReadTranslationData(good, Languages(), 3, 0); }).contains(QLatin1String("no language 3")));
    EXPECT_TRUE(ErrorOf([&] { ReadLanguageData(LanguageBlob({}, 2)); }).contains(QLatin1String("Unknown language data version: 2")));
    EXPECT_TRUE(ErrorOf([&] { ReadLanguageData(ProgramLanguages().left(99)); }).contains(QLatin1String("Stream read error")));
    EXPECT_TRUE(ErrorOf([&] { ReadLanguageData(QByteArray("\x01\x00\xFF\xFF", 4)); }).contains(QLatin1String("65535")));
    EXPECT_TRUE(ErrorOf([&] { ReadLocaleData(QByteArray("\x02\x00\x00\x00", 4)); }).contains(QLatin1String("locale data version: 2")));
    EXPECT_TRUE(ReadLocaleData(NoLocales()).empty());
}

// An MLD stream with one language table of `langs` (version 2 fields when version >= 2)
// and one translation entry per row.
QByteArray Mld(unsigned version, bool big, bool wide, const std::vector<TRow>& rows, unsigned languageCount = 3)
{
    TBytes b;
    b.big = big;
    auto str = [&](TBytes& out, const QString& s) {
        out.U16(static_cast<unsigned>(s.size()));
        for (QChar c : s)
            wide ? out.U16(c.unicode()) : out.U8(c.unicode());
    };
    TBytes langs;
    langs.big = big;
    const unsigned primaries[] = {0, 7, 9, 12};
    for (unsigned i = 0; i < languageCount; ++i) {
        TBytes rec;
        rec.big = big;
        rec.U16(primaries[i]);
        if (version >= 2)
            wide ? rec.U16('x').U16('x') : rec.U8('x').U8('x');
        rec.U16(i ? 1 : 0);
        if (version >= 2)
            wide ? rec.U16('Y').U16('Y') : rec.U8('Y').U8('Y');
        str(rec, {});
        if (version >= 2)
            str(rec, QStringLiteral("n1,n2"));
        if (version >= 3)
            rec.U16(0);
        rec.U16(1252).U8(0);
        str(rec, QStringLiteral("Lang%1").arg(i));
        str(rec, {});
        str(rec, {});
        rec.U8(0);
        if (version >= 3) {
            rec.U8(0xEE);  // a field of a later version, skipped by the size prefix
            langs.U16(static_cast<unsigned>(rec.data.size()));
        }
        langs.data += rec.data;
    }
    TBytes trans;
    trans.big = big;
    for (const TRow& r : rows) {
        TBytes rec;
        rec.big = big;
        for (const QString& s : QStringList{r.native, r.a, r.b} + r.texts)
            str(rec, s);
        if (version >= 3)
            trans.U16(static_cast<unsigned>(rec.data.size()));
        trans.data += rec.data;
    }
    TBytes head;
    head.big = big;
    head.data = "MLD";
    head.U8(version).U8(big ? 0 : 1).U8(version == 1 ? 9 : (wide ? 0 : 1)).U8(1).U8(version == 1 ? (wide ? 0 : 1) : 0);
    head.U32(0);
    head.U16(languageCount).U32(42);
    head.U16(static_cast<unsigned>(rows.size())).U32(static_cast<unsigned>(42 + langs.data.size()));
    head.U16(0).U32(0).U16(0).U32(0);
    head.data.append(6, '\0');
    return head.data + langs.data + trans.data;
}

TEST(DictionaryData, MldHeadersAndRecords)
{
    const std::vector<TRow> rows = {{"Datei", "TForm1", "MNU", {"Datei", "File"}}, {"leer", "", "", {"", ""}}};
    for (unsigned version : {1u, 2u, 3u})
        for (bool big : {false, true})
            for (bool wide : {false, true}) {
                SCOPED_TRACE(testing::Message() << "v" << version << " big " << big << " wide " << wide);
                const TMlMldStream mld(Mld(version, big, wide, rows));
                EXPECT_EQ(mld.LanguageCount(), 3);
                EXPECT_EQ(mld.TranslationCount(), 2);
                EXPECT_TRUE(mld.Keyed());
                const auto langs = mld.Languages();
                ASSERT_EQ(langs.size(), 3u);
                EXPECT_EQ(langs[2].PrimaryId, 9);
                EXPECT_EQ(langs[2].EnglishName, QStringLiteral("Lang2"));
                EXPECT_EQ(langs[1].Iso639, version >= 2 ? QStringLiteral("xx") : QStringLiteral("de"));
                EXPECT_EQ(langs[0].Iso639, QString());
                EXPECT_EQ(langs[1].Names.size(), version >= 2 ? 2 : 0);
                const auto kept = mld.Translations(langs, 2, 0);
                ASSERT_EQ(kept.size(), 1u);
                EXPECT_EQ(kept[0].Text, QStringLiteral("File"));
                EXPECT_EQ(kept[0].ContextB, QStringLiteral("MNU"));
            }
    // Big-endian: the count bytes 00 01 read as 1.
    EXPECT_EQ(TMlMldStream(Mld(2, true, false, {{"a", "", "", {"b", "c"}}})).TranslationCount(), 1);

    const QByteArray good = Mld(3, false, false, rows);
    QByteArray badOffset = good;
    badOffset[14] = '\0';  // language table offset 0
    QByteArray farOffset = good;
    farOffset[17] = '\x7F';
    QByteArray hugeCount = good;
    hugeCount[18] = '\xFF';
    hugeCount[19] = '\xFF';
    const std::pair<QByteArray, const char*> bad[] = {
        {QByteArray("MLX") + good.mid(3), "not a valid MLD stream"},
        {good.left(30), "header ends early"},
        {badOffset, "Invalid language offset"},
        {farOffset, "Stream read error"},
        {hugeCount, "promises 65535 entries"},
        {good.left(good.size() - 3), "Stream read error"},
    };
    for (const auto& [bytes, message] : bad) {
        const QString error = ErrorOf([&] {
            const TMlMldStream mld(bytes);
            mld.Translations(mld.Languages(), 2, 0);
        });
        EXPECT_TRUE(error.contains(QLatin1String(message))) << message << ": " << error.toStdString();
    }
}

}  // namespace
