#pragma once
// Windows language and locale identifiers, code pages, character sets and reading order,
// as the dictionary data and the dictionary use them. The program keeps its own table of
// the locales it knows instead of asking the operating system, and converts code pages with
// iconv. The user's default locale is injected (SetUserDefaultLCID) so nothing depends on
// the machine's settings.

#include <QByteArray>
#include <QLocale>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

using LCID = std::uint32_t;

constexpr LCID LOCALE_USER_DEFAULT = 0x0400;
constexpr LCID LOCALE_SYSTEM_DEFAULT = 0x0800;

constexpr std::uint32_t MakeLangId(std::uint32_t primary, std::uint32_t sub) { return (sub << 10) | primary; }
constexpr LCID MakeLcid(std::uint32_t langId, std::uint32_t sort) { return (sort << 16) | langId; }
constexpr int PrimaryLangId(std::uint32_t id) { return static_cast<int>(id & 0x3FF); }
constexpr int SubLangId(std::uint32_t id) { return static_cast<int>((id >> 10) & 63); }

// One locale of the program's own table: what the system would report for it. The rest of
// a locale (currency, list separator, AM/PM texts, month and day names) is Qt's.
struct TSystemLocaleInfo {
    LCID Lcid = 0;
    int AnsiCodePage = 0;       // 0: the locale has none (Unicode-only)
    const char* Iso639 = "";
    const char* Iso3166 = "";
    const char* EnglishLanguage = "";
    const char* EnglishCountry = "";
    const char* NativeLanguage = "";   // UTF-8
    const char* NativeCountry = "";    // UTF-8
    const char* Abbreviation = "";
    char16_t ThousandSeparator = u',';
    char16_t DecimalSeparator = u'.';
    char16_t DateSeparator = u'/';
    char16_t TimeSeparator = u':';
    const char* ShortDate = "";
    const char* LongDate = "";
    bool HourLeadingZero = false;
    bool Clock24 = false;
    int AmPmPosition = 0;              // 0: after the time, 1: before
    int Digits = 2;
    int FirstDayOfWeek = 0;            // 0 Monday
    int FirstWeekOfYear = 0;
};

// The table row of a locale; nullptr for a locale the program does not know.
const TSystemLocaleInfo* SystemLocaleInfo(LCID lcid);
// Qt's locale data for a locale of the table (currency, AM/PM, month and day names, the
// names of its language and country); std::nullopt for a locale the table does not know.
std::optional<QLocale> QtLocaleOf(LCID lcid);
// Every locale of the table.
std::vector<LCID> GetSystemLocales();

// The user's and the system's default locale. Both start as English (US); the program sets
// them at start from the user's environment, tests set them explicitly.
LCID GetUserDefaultLCID();
LCID GetSystemDefaultLCID();
void SetUserDefaultLCID(LCID lcid);
void SetSystemDefaultLCID(LCID lcid);
// 0x0400 and 0x0800 replaced by the user's and the system's default.
LCID NormalizeLcid(LCID lcid);
// The locale of a POSIX or Qt locale name such as "de_DE" or "en-GB"; for a known language
// in an unknown country the language's main locale; 0 when the language is unknown.
LCID LcidFromLocaleName(const QString& name);

// The ANSI code page the program runs with.
constexpr int GetACP() { return 1252; }

// The ANSI code page of a locale, from the table or, where the table has none, from the
// primary language.
int CodePageFromLCID(LCID lcid);
// Taiwan, Hong Kong and Macao use Big5 (950), the other Chinese locales GB2312 (936).
int ChineseCodePage(LCID lcid);
// The table's code page of a locale, the ANSI code page when the locale is unknown.
int CodePageOfLCID(LCID lcid);

struct TCharsetInfo {
    int Charset = 0;
    int CodePage = 0;
    bool RightToLeft = false;
};
// The font character set of a code page; 1 (the default set) when none matches.
int CharsetFromCodePage(int codePage);
int CharsetFromLCID(LCID lcid);
TCharsetInfo CharsetInfoOfLCID(LCID lcid);

// 2 for right-to-left languages (Arabic, Hebrew, Farsi), 1 for the far-eastern multibyte
// languages (Chinese, Japanese, Korean), 0 for the rest.
int ReadingOrderOfLCID(LCID lcid);
bool IsRightToLeftLCID(LCID lcid);

// True when the code page can be converted (0 counts as supported).
bool IsCodePageSupported(int codePage);

// 8-bit text of a code page to 16-bit text and back. Bytes that the code page does not
// define become U+FFFD; characters it cannot hold become '?'. Windows-1252's five unassigned
// bytes map to the C1 controls of the same number and back, as the system conversion does.
QString AnsiToWide(const QByteArray& text, int codePage);
QByteArray WideToAnsi(const QString& text, int codePage);

// Copies the text's 16-bit units into a buffer of capacity units, followed by a terminating
// 0, cutting the text when it does not fit. Returns the number of units copied (without the
// terminator); nothing is written to a buffer of capacity 0.
std::size_t CopyToWideBuffer(char16_t* buffer, std::size_t capacity, const QString& text);

// The top-left position that centres a window of the given size over a reference rectangle
// (over the screen without one); halves round toward zero, a negative result becomes 0.
QPoint CenterOver(const std::optional<QRect>& reference, QSize size, const QRect& screen);
