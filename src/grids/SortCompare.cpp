#include "grids/SortCompare.h"

#include "platform/FormatSettings.h"
#include "platform/NumberParse.h"

#include <algorithm>
#include <array>

namespace {

bool IsUpperAscii(QChar c)
{
    return c.unicode() >= 'A' && c.unicode() <= 'Z';
}

}  // namespace

QString SortLowerCase(QStringView text)
{
    QString lower = text.toString();
    for (QChar& c : lower)
        if (IsUpperAscii(c))
            c = QChar(c.unicode() + ('a' - 'A'));
    return lower;
}

int CompareSortText(QStringView a, QStringView b)
{
    const int r = a.compare(b, Qt::CaseSensitive);
    return (r > 0) - (r < 0);
}

namespace {

bool IsDigit(QChar c)
{
    return c.unicode() >= '0' && c.unicode() <= '9';
}

// Drops what both texts share outside the digits at the front; the remainders from the
// last common position on are kept whole.
void KeepDiffering(QStringView s1, QStringView s2, QString& k1, QString& k2)
{
    const qsizetype n = std::min(s1.size(), s2.size());
    for (qsizetype i = 0; i < n; ++i) {
        if (i == n - 1) {
            k1 += s1.mid(i);
            k2 += s2.mid(i);
        } else if (s1[i] != s2[i] || IsDigit(s1[i])) {
            k1 += s1[i];
            k2 += s2[i];
        }
    }
}

// Leading blanks, an optional sign and up to 18 decimal digits, nothing else.
bool TryDecimalInteger(QStringView s, long long& value)
{
    qsizetype pos = 0;
    while (pos < s.size() && s[pos] == QLatin1Char(' '))
        ++pos;
    const bool negative = pos < s.size() && s[pos] == QLatin1Char('-');
    if (pos < s.size() && (s[pos] == QLatin1Char('-') || s[pos] == QLatin1Char('+')))
        ++pos;
    const qsizetype start = pos;
    value = 0;
    for (; pos < s.size() && IsDigit(s[pos]) && pos - start < 18; ++pos)
        value = value * 10 + (s[pos].unicode() - '0');
    if (pos == start || pos != s.size())
        return false;
    if (negative)
        value = -value;
    return true;
}

// Chops one character off both ends for every shared non-digit at the same distance from
// the ends.
void DropCommonSuffix(QString& k1, QString& k2)
{
    const QString t1 = k1;
    const QString t2 = k2;
    const qsizetype n = std::min(t1.size(), t2.size());
    for (qsizetype d = 0; d < n; ++d) {
        const QChar c1 = t1[t1.size() - 1 - d];
        if (c1 == t2[t2.size() - 1 - d] && !IsDigit(c1)) {
            k1.chop(1);
            k2.chop(1);
        }
    }
}

}  // namespace

int CompareNumericExtended(QStringView s1, QStringView s2)
{
    if (s1.isEmpty() || s2.isEmpty())
        return static_cast<int>(!s1.isEmpty()) - static_cast<int>(!s2.isEmpty());
    QString k1;
    QString k2;
    KeepDiffering(s1, s2, k1, k2);
    DropCommonSuffix(k1, k2);
    if (k1 == k2)
        return 0;
    long long v1 = 0;
    long long v2 = 0;
    if (!TryDecimalInteger(k1, v1) || !TryDecimalInteger(k2, v2))
        return CompareSortText(s1, s2);
    return v1 < v2 ? -1 : 1;
}

namespace {

// Reads an unsigned decimal number of at most `maxDigits` digits at `pos`.
bool ReadNumber(QStringView s, qsizetype& pos, int maxDigits, int& value)
{
    const qsizetype start = pos;
    value = 0;
    while (pos < s.size() && IsDigit(s[pos]) && pos - start < maxDigits)
        value = value * 10 + (s[pos++].unicode() - '0');
    return pos > start && (pos >= s.size() || !IsDigit(s[pos]));
}

void SkipBlanks(QStringView s, qsizetype& pos)
{
    while (pos < s.size() && s[pos] == QLatin1Char(' '))
        ++pos;
}

// The order of day, month and year in the short date format: 0 = day first (d/m/y),
// 1 = month first (m/d/y), 2 = year first (y/m/d).
int DateOrder(const TFormatSettings& settings)
{
    for (QChar c : settings.ShortDateFormat) {
        switch (c.unicode() | 0x20) {  // ASCII letters in lower case; no other byte becomes d, m or y
        case 'd': return 0;
        case 'm': return 1;
        case 'y': return 2;
        default: break;
        }
    }
    return 1;
}

// Days since 30 December 1899 of a valid date of the Gregorian calendar from year 1 on,
// counted in 400-year eras of 146097 days from 1 March of year 0.
long long SerialDay(int year, int month, int day)
{
    const int y = year - (month <= 2 ? 1 : 0);
    const int era = y / 400;
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    constexpr long long Day0 = 693899;  // 30 December 1899 counted the same way
    return era * 146097LL + dayOfEra - Day0;
}

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool IsValidDate(int year, int month, int day)
{
    static constexpr std::array<int, 12> Days{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || month < 1 || month > 12 || day < 1)
        return false;
    return day <= Days[static_cast<std::size_t>(month - 1)] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

bool ScanDate(QStringView s, qsizetype& pos, int currentYear, double& value)
{
    const TFormatSettings& settings = FormatSettings();
    std::array<int, 3> n{};
    std::array<qsizetype, 3> digits{};
    int parts = 0;
    for (; parts < 3; ++parts) {
        if (parts > 0) {
            if (pos >= s.size() || s[pos] != settings.DateSeparator)
                break;
            ++pos;
        }
        const qsizetype start = pos;
        if (!ReadNumber(s, pos, 4, n[static_cast<std::size_t>(parts)]))
            return false;
        digits[static_cast<std::size_t>(parts)] = pos - start;
    }
    if (parts < 2)
        return false;
    int day = 0;
    int month = 0;
    int year = currentYear;
    const int order = DateOrder(settings);
    if (parts == 2) {
        // Without a year: day and month in the format's order (month first when the year is).
        day = order == 0 ? n[0] : n[1];
        month = order == 0 ? n[1] : n[0];
    } else {
        qsizetype yearDigits = 0;
        switch (order) {
        case 0: day = n[0], month = n[1], year = n[2], yearDigits = digits[2]; break;
        case 2: year = n[0], month = n[1], day = n[2], yearDigits = digits[0]; break;
        default: month = n[0], day = n[1], year = n[2], yearDigits = digits[2]; break;
        }
        if (yearDigits <= 2)
            year += year < 50 ? 2000 : 1900;  // a fixed window: never the clock's
    }
    if (!IsValidDate(year, month, day))
        return false;
    value = static_cast<double>(SerialDay(year, month, day));
    return true;
}

// "AM" or "PM" in any case at `pos`: 0 = neither, 1 = AM, 2 = PM.
int HalfDayAt(QStringView s, qsizetype pos)
{
    if (s.size() - pos < 2 || (s[pos + 1].unicode() | 0x20) != 'm')
        return 0;
    switch (s[pos].unicode() | 0x20) {
    case 'a': return 1;
    case 'p': return 2;
    default: return 0;
    }
}

bool ScanTime(QStringView s, qsizetype& pos, double& value)
{
    const TFormatSettings& settings = FormatSettings();
    std::array<int, 3> hms{};
    int parts = 0;
    int millis = 0;
    while (parts < 3) {
        if (parts > 0) {
            if (pos >= s.size() || s[pos] != settings.TimeSeparator)
                break;
            ++pos;
        }
        if (!ReadNumber(s, pos, 2, hms[static_cast<std::size_t>(parts)]))
            return false;
        ++parts;
    }
    if (parts == 3 && pos < s.size() && s[pos] == settings.DecimalSeparator) {
        ++pos;
        if (!ReadNumber(s, pos, 3, millis))
            return false;
    }
    qsizetype marker = pos;
    SkipBlanks(s, marker);
    int hour = hms[0];
    if (const int half = HalfDayAt(s, marker); half != 0) {
        if (hour > 12)
            return false;
        hour = hour % 12 + (half == 2 ? 12 : 0);
        pos = marker + 2;
    }
    if (hour > 23 || hms[1] > 59 || hms[2] > 59)
        return false;
    value = (hour * 3600.0 + hms[1] * 60.0 + hms[2] + millis / 1000.0) / 86400.0;
    return true;
}

bool AtEnd(QStringView s, qsizetype pos)
{
    SkipBlanks(s, pos);
    return pos == s.size();
}

}  // namespace

bool TryStrToTime(QStringView text, double& value)
{
    qsizetype pos = 0;
    SkipBlanks(text, pos);
    return ScanTime(text, pos, value) && AtEnd(text, pos);
}

bool TryStrToDateTime(QStringView text, int currentYear, double& value)
{
    qsizetype pos = 0;
    SkipBlanks(text, pos);
    double date = 0;
    if (!ScanDate(text, pos, currentYear, date))
        return TryStrToTime(text, value);
    if (AtEnd(text, pos)) {
        value = date;
        return true;
    }
    if (pos >= text.size() || text[pos] != QLatin1Char(' '))
        return false;
    SkipBlanks(text, pos);
    double time = 0;
    if (!ScanTime(text, pos, time) || !AtEnd(text, pos))
        return false;
    value = date + time;
    return true;
}

namespace {

// The common number of a sort key, a sign and at most 15 digits with or without a decimal
// separator between blanks, converted without the general parser: the digits as an integer
// and a power of ten are both exact doubles, so their quotient is the correctly rounded
// value, the same that the parser gives. Anything else is left to the parser (false).
bool TryPlainDecimal(QStringView s, double& value)
{
    static constexpr std::array<double, 16> Powers{1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const QChar separator = FormatSettings().DecimalSeparator;
    qsizetype i = 0;
    qsizetype end = s.size();
    while (i < end && s[i] == QLatin1Char(' '))
        ++i;
    while (end > i && s[end - 1] == QLatin1Char(' '))
        --end;
    const bool negative = i < end && s[i] == QLatin1Char('-');
    if (i < end && (s[i] == QLatin1Char('-') || s[i] == QLatin1Char('+')))
        ++i;
    long long digits = 0;
    int count = 0;
    int decimals = -1;  // none before the separator
    for (; i < end; ++i) {
        const char16_t c = s[i].unicode();
        if (c >= '0' && c <= '9') {
            if (++count > 15)
                return false;
            digits = digits * 10 + (c - '0');
            if (decimals >= 0)
                ++decimals;
        } else if (s[i] == separator && decimals < 0) {
            decimals = 0;
        } else {
            return false;
        }
    }
    if (count == 0)
        return false;
    const double magnitude = static_cast<double>(digits) / Powers[static_cast<std::size_t>(std::max(decimals, 0))];
    value = negative ? -magnitude : magnitude;
    return true;
}

}  // namespace

TSortKeyValue ParseSortKey(QStringView text, TSortStyle style, bool caseSensitive, int currentYear, QString& lowered)
{
    TSortKeyValue key;
    key.Text = text;
    if (!caseSensitive && std::any_of(text.begin(), text.end(), IsUpperAscii)) {
        lowered = SortLowerCase(text);
        key.Text = lowered;
    }
    switch (style) {
    case ssNumeric: key.Valid = TryPlainDecimal(key.Text, key.Value) || TryStrToFloat(key.Text, key.Value); break;
    case ssDateTime: key.Valid = TryStrToDateTime(key.Text, currentYear, key.Value); break;
    case ssTime: key.Valid = TryStrToTime(key.Text, key.Value); break;
    default: break;
    }
    return key;
}

int CompareSortKeys(const TSortKeyValue& a, const TSortKeyValue& b, TSortStyle style, const TSortCompareFunc& custom)
{
    switch (style) {
    case ssNumeric:
    case ssDateTime:
    case ssTime: return CompareConvertedKeys(a, b);
    case ssNumericExtended: return CompareNumericExtended(a.Text, b.Text);
    case ssCustom:
        if (custom) {
            const int r = custom(a.Text.toString(), b.Text.toString());
            return (r > 0) - (r < 0);
        }
        return CompareSortText(a.Text, b.Text);
    default: return CompareSortText(a.Text, b.Text);
    }
}

int CompareSortTexts(const QString& a, const QString& b, TSortStyle style, bool caseSensitive, int currentYear,
                     const TSortCompareFunc& custom)
{
    QString loweredA;
    QString loweredB;
    return CompareSortKeys(ParseSortKey(a, style, caseSensitive, currentYear, loweredA),
                           ParseSortKey(b, style, caseSensitive, currentYear, loweredB), style, custom);
}

TSortStyle DetectSortStyle(int count, int currentYear, const std::function<QString(int index)>& text)
{
    bool numeric = true;
    bool dateTime = true;
    bool time = true;
    for (int i = 0; i < count && (numeric || dateTime || time); ++i) {
        const QString cell = text(i);
        double value = 0;
        numeric = numeric && TryStrToFloat(cell, value);
        time = time && TryStrToTime(cell, value);
        dateTime = dateTime && TryStrToDateTime(cell, currentYear, value);
    }
    if (numeric)
        return ssNumeric;
    if (dateTime)
        return ssDateTime;
    return time ? ssTime : ssNormal;
}
