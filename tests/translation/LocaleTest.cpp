#include "translation/MlLocale.h"
#include "translation/MlParser.h"
#include "../platform/QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

TEST(LocaleHelpers, CodePagesCharsetsAndReadingOrder)
{
    struct Row {
        LCID lcid;
        int codePage, readingOrder, charset;
    };
    const Row rows[] = {
        {0x0804, 936, 1, 134},   // Chinese (PRC)
        {0x0C04, 950, 1, 0},     // Chinese (Hong Kong): Big5; not in the table, so charset row 0
        {0x041F, 1254, 0, 162},  // Turkish
        {0x001F, 1254, 0, 0},    // Turkish without a table entry: by primary language
        {0x040D, 1255, 2, 177},  // Hebrew
        {0x0407, 1252, 0, 0},    // German
        {0x0419, 1251, 0, 204},  // Russian
        {0x081A, 1250, 0, 0},    // Serbian (Latin), by primary 26 and sub 2
        {0x0C1A, 1251, 0, 0},    // Serbian (Cyrillic)
        {0x0429, 1256, 2, 0},    // Farsi
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.lcid);
        EXPECT_EQ(CodePageFromLCID(r.lcid), r.codePage);
        EXPECT_EQ(ReadingOrderOfLCID(r.lcid), r.readingOrder);
        EXPECT_EQ(CharsetFromLCID(r.lcid), r.charset);
    }
    EXPECT_EQ(CharsetFromCodePage(1252), 0);
    EXPECT_EQ(CharsetFromCodePage(437), 1);
    EXPECT_EQ(CharsetFromCodePage(1361), 130);
    EXPECT_TRUE(IsRightToLeftLCID(0x0401));
    EXPECT_FALSE(IsRightToLeftLCID(0x0409));
    EXPECT_EQ(MakeLcid(MakeLangId(7, 1), 0), 0x0407u);
    EXPECT_EQ(PrimaryLangId(0x0C07), 7);
    EXPECT_EQ(SubLangId(0x0C07), 3);
}

TEST(LocaleHelpers, LocaleNamesAndDefaults)
{
    EXPECT_EQ(LcidFromLocaleName(QStringLiteral("de_DE.UTF-8")), 0x0407u);
    EXPECT_EQ(LcidFromLocaleName(QStringLiteral("de-CH")), 0x0807u);
    EXPECT_EQ(LcidFromLocaleName(QStringLiteral("de_LU")), 0x0407u);  // known language, unknown country
    EXPECT_EQ(LcidFromLocaleName(QStringLiteral("en_GB")), 0x0809u);
    EXPECT_EQ(LcidFromLocaleName(QStringLiteral("C.UTF-8")), 0x0409u);
    EXPECT_EQ(LcidFromLocaleName(QStringLiteral("fi_FI")), 0u);

    const LCID saved = GetUserDefaultLCID();
    SetUserDefaultLCID(0x040C);
    EXPECT_EQ(NormalizeLcid(LOCALE_USER_DEFAULT), 0x040Cu);
    EXPECT_EQ(SystemLocaleInfo(LOCALE_USER_DEFAULT)->DecimalSeparator, u',');
    SetUserDefaultLCID(saved);
    EXPECT_EQ(SystemLocaleInfo(0x0436), nullptr);
}

TEST(LocaleHelpers, CodePageConversion)
{
    // Windows-1252's unassigned bytes pass through as the C1 controls of the same number.
    const QByteArray unassigned("\x81\x8D\x8F\x90\x9D", 5);
    EXPECT_EQ(AnsiToWide(unassigned, 1252), QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D"));
    EXPECT_EQ(WideToAnsi(AnsiToWide(unassigned, 1252), 1252), unassigned);

    struct Row {
        int codePage;
        QByteArray bytes;
        QString text;
    };
    const Row rows[] = {
        {1252, "A", QStringLiteral("A")},  // one character converts to one character
        {1252, "\x80\xE4", QString::fromUtf16(u"\u20AC\u00E4")},
        {1251, "\xCF\xF0\xE8", QString::fromUtf16(u"\u041F\u0440\u0438")},
        {932, "\x93\xFA\x96\x7B", QString::fromUtf16(u"\u65E5\u672C")},
        {65001, "\xC3\xA4", QString::fromUtf16(u"\u00E4")},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.codePage);
        EXPECT_EQ(AnsiToWide(r.bytes, r.codePage), r.text);
        EXPECT_EQ(WideToAnsi(r.text, r.codePage), r.bytes);
    }
    EXPECT_EQ(AnsiToWide({}, 1251), QString());
    EXPECT_EQ(WideToAnsi(QString(), 1251), QByteArray());
    // Characters the code page cannot hold become '?', undefined bytes U+FFFD.
    EXPECT_EQ(WideToAnsi(QString::fromUtf16(u"a\u65E5b"), 1251), QByteArray("a?b"));
    EXPECT_EQ(AnsiToWide(QByteArray("a\x98z"), 1251), QString::fromUtf16(u"a\uFFFDz"));
    EXPECT_EQ(AnsiToWide(QByteArray("\x93"), 932), QString::fromUtf16(u"\uFFFD"));  // cut-off lead byte
    EXPECT_TRUE(IsCodePageSupported(0));
    EXPECT_TRUE(IsCodePageSupported(1255));
    EXPECT_FALSE(IsCodePageSupported(4711));
    EXPECT_EQ(AnsiToWide("abc", 4711), QString());
}

TEST(LocaleHelpers, WideBufferAndCentring)
{
    char16_t buffer[4] = {u'x', u'x', u'x', u'x'};
    EXPECT_EQ(CopyToWideBuffer(buffer, 4, QStringLiteral("ab")), 2u);
    EXPECT_EQ(std::u16string(buffer), u"ab");
    EXPECT_EQ(CopyToWideBuffer(buffer, 4, QStringLiteral("abcdef")), 3u);  // cut to fit the terminator
    EXPECT_EQ(std::u16string(buffer), u"abc");
    EXPECT_EQ(CopyToWideBuffer(buffer, 1, QStringLiteral("abc")), 0u);
    EXPECT_EQ(buffer[0], 0);
    EXPECT_EQ(CopyToWideBuffer(buffer, 0, QStringLiteral("abc")), 0u);

    const QRect screen(0, 0, 1920, 1080);
    EXPECT_EQ(CenterOver(QRect(100, 50, 401, 301), QSize(200, 100), screen), QPoint(200, 150));
    EXPECT_EQ(CenterOver(std::nullopt, QSize(321, 181), screen), QPoint(799, 449));
    EXPECT_EQ(CenterOver(QRect(10, 10, 50, 50), QSize(200, 100), screen), QPoint(0, 0));
    // A negative halving truncates toward zero: -151 / 2 is -75.
    EXPECT_EQ(CenterOver(QRect(100, 100, 49, 49), QSize(200, 200), screen), QPoint(25, 25));
}

TEST(LocaleHelpers, ParserAndEscapes)
{
    TMlStringParser numbers(QStringLiteral("1,3"), QLatin1Char(','));
    EXPECT_EQ(numbers.NextInteger(), 1);
    EXPECT_FALSE(numbers.AtEnd());
    EXPECT_EQ(numbers.NextInteger(), 3);
    EXPECT_TRUE(numbers.AtEnd());

    TMlStringParser words(QStringLiteral("a#Lb \tc"), QChar(), true, true);
    EXPECT_EQ(words.NextToken(), QStringLiteral("a\nb"));
    EXPECT_EQ(words.NextToken(), QString());
    EXPECT_EQ(words.NextToken(), QStringLiteral("c"));
    EXPECT_TRUE(words.AtEnd());

    const std::pair<QString, QString> escapes[] = {
        {"A#LB", "A\nB"}, {"##", "#"}, {"#C#L", "\r\n"}, {"x#T", "x\t"},
        {"#X", "#X"}, {"end#", "end#"}, {"###L", "#\n"}, {"#", "#"},
    };
    for (const auto& [stored, text] : escapes) {
        EXPECT_EQ(Unescape(stored), text) << stored.toStdString();
        EXPECT_EQ(Unescape(Escape(text)), text);
    }
}

}  // namespace
