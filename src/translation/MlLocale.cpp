#include "translation/MlLocale.h"

#include "platform/TextCodec.h"

#include <QRegularExpression>

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>

namespace {

// The locales the program knows, with the values the system reports for them.
const TSystemLocaleInfo kLocales[] = {
    {0x0407, 1252, "de", "DE", "German", "Germany", "Deutsch", "Deutschland",
     "DEU", u'.', u',', u'.', u':', "dd.MM.yyyy", "dddd, d. MMMM yyyy", true, true, 0, 2, 0, 2},
    {0x0807, 1252, "de", "CH", "German", "Switzerland", "Deutsch", "Schweiz",
     "DES", u'\'', u'.', u'.', u':', "dd.MM.yyyy", "dddd, d. MMMM yyyy", true, true, 0, 2, 0, 2},
    {0x0C07, 1252, "de", "AT", "German", "Austria", "Deutsch", "Österreich",
     "DEA", u'.', u',', u'.', u':', "dd.MM.yyyy", "dddd, dd. MMMM yyyy", true, true, 0, 2, 0, 2},
    {0x0409, 1252, "en", "US", "English", "United States", "English", "United States",
     "ENU", u',', u'.', u'/', u':', "M/d/yyyy", "dddd, MMMM dd, yyyy", false, false, 0, 2, 6, 0},
    {0x0809, 1252, "en", "GB", "English", "United Kingdom", "English", "United Kingdom",
     "ENG", u',', u'.', u'/', u':', "dd/MM/yyyy", "dd MMMM yyyy", true, true, 0, 2, 0, 2},
    {0x040C, 1252, "fr", "FR", "French", "France", "français", "France",
     "FRA", u'\u00A0', u',', u'/', u':', "dd/MM/yyyy", "dddd d MMMM yyyy", true, true, 0, 2, 0, 2},
    {0x0410, 1252, "it", "IT", "Italian", "Italy", "italiano", "Italia",
     "ITA", u'.', u',', u'/', u':', "dd/MM/yyyy", "dddd d MMMM yyyy", true, true, 0, 2, 0, 2},
    {0x0C0A, 1252, "es", "ES", "Spanish", "Spain", "español", "España",
     "ESN", u'.', u',', u'/', u':', "dd/MM/yyyy", "dddd, d' de 'MMMM' de 'yyyy", false, true, 0, 2, 0, 2},
    {0x0413, 1252, "nl", "NL", "Dutch", "Netherlands", "Nederlands", "Nederland",
     "NLD", u'.', u',', u'-', u':', "d-M-yyyy", "dddd d MMMM yyyy", false, true, 0, 2, 0, 2},
    {0x0415, 1250, "pl", "PL", "Polish", "Poland", "polski", "Polska",
     "PLK", u'\u00A0', u',', u'.', u':', "yyyy-MM-dd", "d MMMM yyyy", false, true, 0, 2, 0, 2},
    {0x0419, 1251, "ru", "RU", "Russian", "Russia", "русский", "Россия",
     "RUS", u'\u00A0', u',', u'.', u':', "dd.MM.yyyy", "d MMMM yyyy", false, true, 0, 2, 0, 2},
    {0x041F, 1254, "tr", "TR", "Turkish", "Turkey", "Türkçe", "Türkiye",
     "TRK", u'.', u',', u'.', u':', "dd.MM.yyyy", "d MMMM yyyy dddd", true, true, 0, 2, 0, 0},
    {0x040D, 1255, "he", "IL", "Hebrew", "Israel", "עברית", "ישראל",
     "HEB", u',', u'.', u'/', u':', "dd/MM/yyyy", "dddd dd MMMM yyyy", false, true, 0, 2, 6, 0},
    {0x0401, 1256, "ar", "SA", "Arabic", "Saudi Arabia", "العربية", "المملكة العربية السعودية",
     "ARA", u',', u'.', u'/', u':', "dd/MM/yy", "dd/MMMM/yyyy", true, false, 0, 2, 6, 0},
    {0x0411, 932, "ja", "JP", "Japanese", "Japan", "日本語", "日本",
     "JPN", u',', u'.', u'/', u':', "yyyy/MM/dd", "yyyy'年'M'月'd'日'", false, true, 0, 2, 6, 0},
    {0x0804, 936, "zh", "CN", "Chinese", "People's Republic of China", "中文", "中华人民共和国",
     "CHS", u',', u'.', u'/', u':', "yyyy/M/d", "yyyy'年'M'月'd'日'", false, true, 0, 2, 0, 0},
    {0x0404, 950, "zh", "TW", "Chinese", "Taiwan", "中文", "台灣",
     "CHT", u',', u'.', u'/', u':', "yyyy/M/d", "yyyy'年'M'月'd'日'", false, false, 1, 2, 6, 0},
    {0x0412, 949, "ko", "KR", "Korean", "Korea", "한국어", "대한민국",
     "KOR", u',', u'.', u'-', u':', "yyyy-MM-dd", "yyyy'년' M'월' d'일' dddd", false, false, 1, 2, 6, 0},
};

// The code page of the primary language when a locale reports none.
int CodePageOfPrimary(LCID lcid)
{
    const int primary = PrimaryLangId(lcid);
    const int sub = SubLangId(lcid);
    switch (primary) {
    case 1: case 41: return 1256;
    case 2: case 25: case 34: case 35: return 1251;
    case 4: return ChineseCodePage(lcid);
    case 5: case 14: case 21: case 24: case 27: case 28: case 36: return 1250;
    case 8: return 1253;
    case 13: return 1255;
    case 17: return 932;
    case 18: return 949;
    case 26: return (sub == 1 || sub == 2) ? 1250 : 1251;
    case 30: return 874;
    case 31: return 1254;
    case 37: case 38: case 39: return 1257;
    case 42: return 1258;
    case 44: case 67: return sub == 2 ? 1251 : 1254;
    default: return 1252;
    }
}

// Rows of the font-signature table that are set, in bit order.
constexpr std::array<TCharsetInfo, 15> kCharsets = {{
    {0, 1252, false}, {238, 1250, false}, {204, 1251, false}, {161, 1253, false}, {162, 1254, false},
    {177, 1255, true}, {178, 1256, true}, {186, 1257, false}, {222, 874, false}, {128, 932, false},
    {134, 936, false}, {129, 949, false}, {136, 950, false}, {130, 1361, false}, {163, 1258, false},
}};

LCID userDefault = 0x0409;
LCID systemDefault = 0x0409;

QByteArray IconvName(int codePage)
{
    if (codePage == 65001)
        return "UTF-8";
    return "CP" + QByteArray::number(codePage);
}

// One iconv conversion; an unknown code page gives no descriptor.
class TIconv {
public:
    TIconv(const QByteArray& to, const QByteArray& from) : cd_(iconv_open(to.constData(), from.constData())) {}
    ~TIconv()
    {
        if (Valid())
            iconv_close(cd_);
    }
    TIconv(const TIconv&) = delete;
    TIconv& operator=(const TIconv&) = delete;
    bool Valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts all of the input; an input unit that cannot be converted is skipped (step
    // bytes) and replaced by the bytes of `replacement`.
    QByteArray Run(const QByteArray& input, std::size_t step, const QByteArray& replacement)
    {
        QByteArray out;
        char buffer[256];
        char* in = const_cast<char*>(input.constData());
        std::size_t inLeft = static_cast<std::size_t>(input.size());
        while (inLeft > 0) {
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            const std::size_t rc = iconv(cd_, &in, &inLeft, &dst, &dstLeft);
            out.append(buffer, dst - buffer);
            if (rc != static_cast<std::size_t>(-1) || errno == E2BIG)
                continue;
            // EILSEQ or EINVAL: an invalid or unmappable unit (or a cut-off sequence).
            const std::size_t skip = std::min(step, inLeft);
            in += skip;
            inLeft -= skip;
            out.append(replacement);
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t cd_;
};

}  // namespace

const TSystemLocaleInfo* SystemLocaleInfo(LCID lcid)
{
    lcid = NormalizeLcid(lcid);
    for (const TSystemLocaleInfo& info : kLocales)
        if (info.Lcid == lcid)
            return &info;
    return nullptr;
}

std::optional<QLocale> QtLocaleOf(LCID lcid)
{
    const TSystemLocaleInfo* info = SystemLocaleInfo(lcid);
    if (!info)
        return std::nullopt;
    return QLocale(QStringLiteral("%1_%2").arg(QLatin1String(info->Iso639), QLatin1String(info->Iso3166)));
}

std::vector<LCID> GetSystemLocales()
{
    std::vector<LCID> list;
    for (const TSystemLocaleInfo& info : kLocales)
        list.push_back(info.Lcid);
    return list;
}

LCID GetUserDefaultLCID() { return userDefault; }
LCID GetSystemDefaultLCID() { return systemDefault; }
void SetUserDefaultLCID(LCID lcid) { userDefault = lcid; }
void SetSystemDefaultLCID(LCID lcid) { systemDefault = lcid; }

LCID NormalizeLcid(LCID lcid)
{
    if (lcid == LOCALE_USER_DEFAULT)
        return userDefault;
    if (lcid == LOCALE_SYSTEM_DEFAULT)
        return systemDefault;
    return lcid;
}

LCID LcidFromLocaleName(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^([A-Za-z]{2,3})(?:[_-]([A-Za-z]{2}))?"));
    if (name == QLatin1String("C") || name.startsWith(QLatin1String("C.")) || name == QLatin1String("POSIX"))
        return 0x0409;
    const QRegularExpressionMatch m = pattern.match(name);
    if (!m.hasMatch())
        return 0;
    const QByteArray language = m.captured(1).toLower().toLatin1();
    const QByteArray country = m.captured(2).toUpper().toLatin1();
    const TSystemLocaleInfo* first = nullptr;
    for (const TSystemLocaleInfo& info : kLocales) {
        if (language != info.Iso639)
            continue;
        if (country == info.Iso3166)
            return info.Lcid;
        if (!first)
            first = &info;
    }
    return first ? first->Lcid : 0;
}

int ChineseCodePage(LCID lcid)
{
    const int sub = SubLangId(lcid);
    return (sub == 1 || sub == 3 || sub == 5) ? 950 : 936;
}

int CodePageFromLCID(LCID lcid)
{
    if (PrimaryLangId(lcid) == 4)
        return ChineseCodePage(lcid);
    const TSystemLocaleInfo* info = SystemLocaleInfo(lcid);
    if (info && info->AnsiCodePage >= 1)
        return info->AnsiCodePage;
    return CodePageOfPrimary(lcid);
}

int CodePageOfLCID(LCID lcid)
{
    const TSystemLocaleInfo* info = SystemLocaleInfo(lcid);
    return info ? info->AnsiCodePage : GetACP();
}

int CharsetFromCodePage(int codePage)
{
    for (const TCharsetInfo& row : kCharsets)
        if (row.CodePage == codePage)
            return row.Charset;
    return 1;
}

TCharsetInfo CharsetInfoOfLCID(LCID lcid)
{
    // The locale's font signature names the character sets its script needs; our table
    // derives it from the locale's code page. Unknown locales get the first row.
    const TSystemLocaleInfo* info = SystemLocaleInfo(lcid);
    if (info)
        for (const TCharsetInfo& row : kCharsets)
            if (row.CodePage == info->AnsiCodePage)
                return row;
    return kCharsets[0];
}

int CharsetFromLCID(LCID lcid) { return CharsetInfoOfLCID(lcid).Charset; }

int ReadingOrderOfLCID(LCID lcid)
{
    switch (PrimaryLangId(lcid)) {
    case 1: case 13: case 41: return 2;
    case 4: case 17: case 18: return 1;
    default: return 0;
    }
}

bool IsRightToLeftLCID(LCID lcid) { return ReadingOrderOfLCID(lcid) == 2; }

bool IsCodePageSupported(int codePage)
{
    if (codePage == 0 || codePage == 1252)
        return true;
    return TIconv("UTF-16LE", IconvName(codePage)).Valid();
}

QString AnsiToWide(const QByteArray& text, int codePage)
{
    if (text.isEmpty())
        return {};
    if (codePage == 0 || codePage == 1252)
        return FromWindows1252(text);
    TIconv conv("UTF-16LE", IconvName(codePage));
    if (!conv.Valid())
        return {};
    const QByteArray units = conv.Run(text, 1, QByteArray("\xFD\xFF", 2));
    return QString(reinterpret_cast<const QChar*>(units.constData()), units.size() / 2);
}

QByteArray WideToAnsi(const QString& text, int codePage)
{
    if (text.isEmpty())
        return {};
    if (codePage == 0 || codePage == 1252)
        return ToWindows1252(text);
    TIconv conv(IconvName(codePage), "UTF-16LE");
    if (!conv.Valid())
        return {};
    const QByteArray units(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    return conv.Run(units, 2, "?");
}

std::size_t CopyToWideBuffer(char16_t* buffer, std::size_t capacity, const QString& text)
{
    if (!buffer || capacity == 0)
        return 0;
    const std::size_t count = std::min(capacity - 1, static_cast<std::size_t>(text.size()));
    std::copy_n(reinterpret_cast<const char16_t*>(text.utf16()), count, buffer);
    buffer[count] = 0;
    return count;
}

QPoint CenterOver(const std::optional<QRect>& reference, QSize size, const QRect& screen)
{
    const QRect area = reference ? *reference : screen;
    // Integer division truncates toward zero, as the halving must.
    const int left = area.left() + (area.width() - size.width()) / 2;
    const int top = area.top() + (area.height() - size.height()) / 2;
    return {std::max(left, 0), std::max(top, 0)};
}
