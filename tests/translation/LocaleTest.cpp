#include "translation/MlLocale.h"
#include "translation/MlParser.h"
#include "../platform/QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

TEST(LocaleHelpers, CodePagesReadingOrderAndLocaleNames)
{
    const std::tuple<LCID, int, bool> rows[] = {
        {0x0804, 936, false},   // Chinese (PRC)
        {0x0C04, 950, false},   // Chinese (Hong Kong): Big5, not in the table
        {0x001F, 1254, false},  // Turkish without a table entry: by primary language
        {0x040D, 1255, true},   // Hebrew
        {0x081A, 1250, false},  // Serbian (Latin), by primary 26 and sub 2
        {0x0C1A, 1251, false},  // Serbian (Cyrillic)
        {0x0429, 1256, true},   // Farsi
    };
    for (const auto& [lcid, codePage, rightToLeft] : rows) {
        EXPECT_EQ(CodePageFromLCID(lcid), codePage) << lcid;
        EXPECT_EQ(IsRightToLeftLCID(lcid), rightToLeft) << lcid;
    }
    EXPECT_TRUE(IsCodePageSupported(0) && IsCodePageSupported(1255));
    EXPECT_FALSE(IsCodePageSupported(4711));

    const std::pair<const char*, LCID> names[] = {
        {"de_DE.UTF-8", 0x0407}, {"de-CH", 0x0807}, {"de_LU", 0x0407},  // known language, unknown country
        {"en_GB", 0x0809},       {"C.UTF-8", 0x0409}, {"fi_FI", 0},
    };
    for (const auto& [name, lcid] : names)
        EXPECT_EQ(LcidFromLocaleName(QLatin1String(name)), lcid) << name;
    const LCID saved = GetUserDefaultLCID();
    SetUserDefaultLCID(0x040C);
    EXPECT_EQ(NormalizeLcid(LOCALE_USER_DEFAULT), 0x040Cu);
    EXPECT_EQ(SystemLocaleInfo(LOCALE_USER_DEFAULT)->DecimalSeparator, u',');
    SetUserDefaultLCID(saved);
    EXPECT_EQ(SystemLocaleInfo(0x0436), nullptr);
}

TEST(LocaleHelpers, CodePageTextAndEscapes)
{
    const std::tuple<int, QByteArray, QString> rows[] = {
        {1252, "\x80\xE4", QString::fromUtf16(u"\u20AC\u00E4")},
        // Windows-1252's unassigned bytes pass through as the C1 controls of the same number.
        {1252, "\x81\x8D\x8F\x90\x9D", QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D")},
        {1251, "\xCF\xF0\xE8", QString::fromUtf16(u"\u041F\u0440\u0438")},
        {932, "\x93\xFA\x96\x7B", QString::fromUtf16(u"\u65E5\u672C")},
        {65001, "\xC3\xA4", QString::fromUtf16(u"\u00E4")},
        {1251, "a\x98z", QString::fromUtf16(u"a\uFFFDz")},  // an undefined byte
        {932, "\x93", QString::fromUtf16(u"\uFFFD")},       // a cut-off lead byte
        {4711, "abc", {}},                                  // an unknown code page
    };
    for (const auto& [codePage, bytes, text] : rows)
        EXPECT_EQ(AnsiToWide(bytes, codePage), text) << codePage;

    const std::pair<QString, QString> escapes[] = {
        {"A#LB", "A\nB"}, {"##", "#"}, {"#C#L", "\r\n"}, {"x#T", "x\t"},
        {"#X", "#X"}, {"end#", "end#"}, {"###L", "#\n"}, {"#", "#"},
    };
    for (const auto& [stored, text] : escapes)
        EXPECT_EQ(Unescape(stored), text) << stored.toStdString();
}

TEST(LocaleHelpers, DialogCentredOverItsOwnerOnTheScreen)
{
    const QRect screen(0, 0, 1920, 1080);
    EXPECT_EQ(CenterOver(QRect(100, 50, 401, 301), QSize(200, 100), screen), QPoint(200, 150));
    EXPECT_EQ(CenterOver(std::nullopt, QSize(321, 181), screen), QPoint(799, 449));
    EXPECT_EQ(CenterOver(QRect(10, 10, 50, 50), QSize(200, 100), screen), QPoint(0, 0));
    // A negative halving truncates toward zero: -151 / 2 is -75.
    EXPECT_EQ(CenterOver(QRect(100, 100, 49, 49), QSize(200, 200), screen), QPoint(25, 25));
}

}  // namespace
