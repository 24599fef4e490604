#include "translation/MlDictio.h"

#include "platform/ResStrings.h"
#include "translation/MlQtCatalog.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLocale>

#include <algorithm>

namespace {

// The string table's texts through the default dictionary: a resource string by its
// identifier as context B, a key name once more by its text alone.
QString TranslateResString(const QString& text, int id)
{
    const TMlDictionary* dictionary = DefaultDictionary();
    if (!dictionary || !dictionary->IsOpen())
        return text;
    if (id)
        return dictionary->TranslateWithContext(text, QString(), QString::number(id));
    // The second pass over a name that is translated already: only a real entry counts.
    QString translation;
    return dictionary->Lookup(text, translation) && !translation.isEmpty() ? translation : text;
}

// Whether this dictionary speaks for the program (the default one).
bool IsDefault(const TMlDictionary* dictionary)
{
    try {
        return DefaultDictionary() == dictionary;
    } catch (const Exception&) {
        return false;
    }
}

// Qt's own texts follow the default dictionary's language. Every widget hears of a switch,
// also of one that leaves Qt's catalogue as it was: number texts painted from the format
// record (chart axes) are drawn again.
void FollowLanguage(const TMlDictionary& dictionary, bool open)
{
    if (!IsDefault(&dictionary) || !QCoreApplication::instance())
        return;
    const TMlLanguage& language = dictionary.CurrentLanguage();
    if (!FollowQtCatalog(open && !language.IsNative() ? language.Iso639 : QString())) {
        QEvent event(QEvent::LanguageChange);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &event);
    }
}

std::function<void(bool)>& ReadingOrderHandler()
{
    static std::function<void(bool)> handler;
    return handler;
}

// A currency text reduced to its layout: "$" the symbol, "n" the amount, "-" the sign, " "
// a blank, and the brackets; direction marks and other invisible characters are dropped.
QString CurrencyLayout(const QLocale& qt, double value)
{
    static const QChar symbol(0x00A4);
    const QString text = qt.toCurrencyString(value, QString(symbol));
    const QString minus = qt.negativeSign();
    QString layout;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // A group separator that is a no-break space (Russian, Polish) also stands between
        // the amount and the symbol: there it is a blank.
        const bool grouping = qt.groupSeparator().contains(c) && i + 1 < text.size() && text[i + 1].isDigit();
        QChar token;
        if (c == symbol)
            token = QLatin1Char('$');
        else if (c.isDigit() || qt.decimalPoint().contains(c) || grouping)
            token = QLatin1Char('n');
        else if (c == QLatin1Char('-') || minus.contains(c))
            token = QLatin1Char('-');
        else if (c == QLatin1Char('(') || c == QLatin1Char(')'))
            token = c;
        else if (c.isSpace())
            token = QLatin1Char(' ');
        // The amount's digits and separators are one "n"; a run of blanks is one blank.
        const bool repeated = layout.endsWith(token) && (token == QLatin1Char('n') || token == QLatin1Char(' '));
        if (!token.isNull() && !repeated)
            layout += token;
    }
    return layout;
}

// The locale's currency: symbol, the layouts of positive and negative amounts as numbered
// by the currency-format codes, and the digits after the decimal separator.
void FillCurrency(const QLocale& qt, TMlLocale& locale)
{
    static const QStringList positive = {"$n", "n$", "$ n", "n $"};
    static const QStringList negative = {"($n)", "-$n", "$-n", "$n-", "(n$)", "-n$", "n-$", "n$-",
                                         "-n $", "-$ n", "n $-", "$ n-", "$ -n", "n- $", "($ n)", "(n $)"};
    locale.Currency = qt.currencySymbol(QLocale::CurrencySymbol);
    locale.CurrencyFormat = static_cast<int>(std::max<qsizetype>(0, positive.indexOf(CurrencyLayout(qt, 1))));
    qsizetype negativeFormat = negative.indexOf(CurrencyLayout(qt, -1));
    // A layout without a code: the sign before the positive layout.
    if (negativeFormat < 0)
        negativeFormat = negative.indexOf(QLatin1Char('-') + positive[locale.CurrencyFormat]);
    locale.NegCurrencyFormat = static_cast<int>(negativeFormat);
    const QString one = qt.toCurrencyString(1.0, QStringLiteral("X"));
    const qsizetype point = one.indexOf(qt.decimalPoint());
    int digits = 0;
    for (qsizetype i = point + 1; point >= 0 && i < one.size() && one[i].isDigit(); ++i)
        ++digits;
    locale.CurrencyDigits = digits;
}

// What the program's locale table leaves to Qt's locale data.
void FillFromQt(const QLocale& qt, TMlLocale& locale)
{
    FillCurrency(qt, locale);
    // Qt names no list separator: the one that cannot be read as the decimal separator.
    locale.ListSeparator = locale.DecimalSeparator == QLatin1Char(',') ? QLatin1Char(';') : QLatin1Char(',');
    locale.AmText = qt.amText();
    locale.PmText = qt.pmText();
    // Names as they stand alone (in a list or a heading), not inside a date.
    for (int m = 1; m <= 12; ++m) {
        locale.ShortMonths << qt.standaloneMonthName(m, QLocale::ShortFormat);
        locale.LongMonths << qt.standaloneMonthName(m, QLocale::LongFormat);
    }
    for (int d = 1; d <= 7; ++d) {  // Qt counts Monday as 1, as the locale data do
        locale.ShortDays << qt.standaloneDayName(d, QLocale::ShortFormat);
        locale.LongDays << qt.standaloneDayName(d, QLocale::LongFormat);
    }
}

QString TimeFormat(const TMlLocale& locale, bool withSeconds)
{
    QString format = locale.LeadingZero ? QStringLiteral("hh") : QStringLiteral("h");
    format += withSeconds ? QStringLiteral(":mm:ss") : QStringLiteral(":mm");
    if (locale.Clock24)
        return format;
    // Qt's marker for AM/PM.
    return locale.AmPmPosition == 1 ? QStringLiteral("AP ") + format : format + QStringLiteral(" AP");
}

}  // namespace

// ---- TMlLanguage ----

void TMlLanguage::SetCodePage(int codePage)
{
    CodePage = codePage;
    Charset = CharsetFromCodePage(codePage);
}

bool TMlLanguage::ListsSubLanguage(int sub) const
{
    if (SubLanguages.isEmpty())
        return sub == 0;
    for (const QString& s : SubLanguages)
        if (s.trimmed().toInt() == sub)
            return true;
    return false;
}

LCID TMlLanguage::LanguageLCID() const
{
    int sub = SubLanguages.isEmpty() ? DefaultSubId : SubLanguages.first().trimmed().toInt();
    if (SubLanguages.isEmpty()) {
        if (PrimaryId == 4 && sub == 0)
            sub = CodePage == 936 ? 2 : CodePage == 950 ? 1 : sub;
        if (PrimaryId == 26)
            sub = CodePage == 1250 ? 1 : CodePage == 1251 ? 3 : sub;
    }
    return MakeLcid(MakeLangId(PrimaryId, sub), 0);
}

LCID TMlLanguage::CurrentLCID() const { return MakeLcid(MakeLangId(PrimaryId, SubId), 0); }

void TMlLanguage::Complete()
{
    if (PrimaryId < 0)
        PrimaryId = 0;
    if (PrimaryId == 0) {
        DefaultSubId = 0;
        SubLanguages.clear();
        Flags = 2;
        EnglishName = NativeName = QStringLiteral("Native");
    } else if (DefaultSubId < 1) {
        DefaultSubId = SubLanguages.isEmpty() ? 1 : SubLanguages.first().trimmed().toInt();
    }
    const TSystemLocaleInfo* info = SystemLocaleInfo(LanguageLCID());
    if (info) {
        if (Iso639.isEmpty())
            Iso639 = QLatin1String(info->Iso639);
        if (Iso3166.isEmpty())
            Iso3166 = QLatin1String(info->Iso3166);
        if (EnglishName.isEmpty())
            EnglishName = QLatin1String(info->EnglishLanguage);
        if (NativeName.isEmpty())
            NativeName = SubLanguages.isEmpty()
                             ? QString::fromUtf8(info->NativeLanguage)
                             : QStringLiteral("%1 (%2)").arg(QString::fromUtf8(info->NativeLanguage),
                                                             QString::fromUtf8(info->NativeCountry));
    }
    if (CodePage == 0)
        SetCodePage(PrimaryId == 0 ? 0 : CodePageFromLCID(LanguageLCID()));
    if (CodePage == 0)
        SetCodePage(1252);
    if (SubId == 0)
        SubId = DefaultSubId;
}

bool operator==(const TMlLanguage& a, const TMlLanguage& b)
{
    if (a.PrimaryId != b.PrimaryId)
        return false;
    return (a.IsNative() && b.IsNative()) || a.CodePage == b.CodePage;
}

// ---- TMlLocale ----

void TMlLocale::Complete()
{
    const TSystemLocaleInfo* info = SystemLocaleInfo(Lcid());
    if (info) {
        if (EnglishLanguage.isEmpty())
            EnglishLanguage = QLatin1String(info->EnglishLanguage);
        if (EnglishCountry.isEmpty())
            EnglishCountry = QLatin1String(info->EnglishCountry);
        if (NativeLanguage.isEmpty())
            NativeLanguage = QString::fromUtf8(info->NativeLanguage);
        if (NativeCountry.isEmpty())
            NativeCountry = QString::fromUtf8(info->NativeCountry);
    }
    if (CodePage == 0)
        CodePage = CodePageFromLCID(Lcid());
    if (CodePage == 0)
        CodePage = 1252;
    Charset = CharsetFromCodePage(CodePage);
}

bool FillSystemLocale(LCID lcid, TMlLocale& locale)
{
    const TSystemLocaleInfo* info = SystemLocaleInfo(lcid);
    if (!info || info->AnsiCodePage == 0)
        return false;
    TMlLocale l;
    l.PrimaryId = PrimaryLangId(info->Lcid);
    l.SubId = SubLangId(info->Lcid);
    l.SortId = static_cast<int>(info->Lcid >> 16);
    l.CodePage = info->AnsiCodePage;
    l.Abbreviation = QLatin1String(info->Abbreviation);
    l.LocalizedCountry = QString::fromUtf8(info->NativeCountry);
    l.ThousandSeparator = QChar(info->ThousandSeparator);
    l.DecimalSeparator = QChar(info->DecimalSeparator);
    l.DateSeparator = QChar(info->DateSeparator);
    l.TimeSeparator = QChar(info->TimeSeparator);
    l.ShortDate = QString::fromUtf8(info->ShortDate);
    l.LongDate = QString::fromUtf8(info->LongDate);
    l.LeadingZero = info->HourLeadingZero;
    l.Clock24 = info->Clock24;
    l.AmPmPosition = info->AmPmPosition;
    l.Digits = info->Digits;
    l.Calendar = 1;
    l.FirstDayOfWeek = info->FirstDayOfWeek;
    l.FirstWeekOfYear = info->FirstWeekOfYear;
    FillFromQt(*QtLocaleOf(info->Lcid), l);
    l.Complete();
    l.Filled = true;
    locale = l;
    return true;
}

QString Year2000Format(const QString& format)
{
    const qsizetype at = format.indexOf(QLatin1String("yy"));
    if (at < 0 || format.contains(QLatin1String("yyyy")))
        return format;
    QString result = format;
    return result.insert(at, QLatin1String("yy"));
}

void ApplyLocaleFormats(const TMlLocale& locale, bool year2000, TFormatSettings& s)
{
    // A locale that could not be filled, or a field it leaves empty, keeps what is in force:
    // number texts without a decimal separator would be unreadable.
    if (!locale.Filled)
        return;
    // A locale whose decimal separator equals its thousands separator gives no decimal
    // separator; in no case may the two end up equal.
    if (!locale.DecimalSeparator.isNull() && locale.DecimalSeparator != locale.ThousandSeparator)
        s.DecimalSeparator = locale.DecimalSeparator;
    if (!locale.ThousandSeparator.isNull())
        s.ThousandSeparator = locale.ThousandSeparator;
    if (s.ThousandSeparator == s.DecimalSeparator)
        s.ThousandSeparator = ThousandSeparatorFor(s.DecimalSeparator, QString());
    if (!locale.DateSeparator.isNull())
        s.DateSeparator = locale.DateSeparator;
    s.TimeSeparator = locale.TimeSeparator.isNull() ? QLatin1Char(':') : locale.TimeSeparator;
    if (!locale.ShortDate.isEmpty())
        s.ShortDateFormat = year2000 ? Year2000Format(locale.ShortDate) : locale.ShortDate;
    if (!locale.LongDate.isEmpty())
        s.LongDateFormat = year2000 ? Year2000Format(locale.LongDate) : locale.LongDate;
    s.ShortTimeFormat = TimeFormat(locale, false);
    s.LongTimeFormat = TimeFormat(locale, true);
    if (!locale.Currency.isEmpty())
        s.CurrencyString = locale.Currency;
    s.CurrencyFormat = locale.CurrencyFormat;
    s.NegCurrFormat = locale.NegCurrencyFormat;
    s.CurrencyDecimals = locale.CurrencyDigits;
    if (!locale.ListSeparator.isNull())
        s.ListSeparator = locale.ListSeparator;
    if (!locale.AmText.isEmpty())
        s.TimeAMString = locale.AmText;
    if (!locale.PmText.isEmpty())
        s.TimePMString = locale.PmText;
    auto complete = [](const QStringList& names, int count) { return names.size() == count && !names.contains(QString()); };
    if (complete(locale.ShortMonths, 12) && complete(locale.LongMonths, 12)) {
        s.ShortMonthNames = locale.ShortMonths;
        s.LongMonthNames = locale.LongMonths;
    }
    // The locale's week starts on Monday, the record's on Sunday.
    auto sundayFirst = [](const QStringList& mondayFirst) { return QStringList{mondayFirst.back()} + mondayFirst.first(6); };
    if (complete(locale.ShortDays, 7) && complete(locale.LongDays, 7)) {
        s.ShortDayNames = sundayFirst(locale.ShortDays);
        s.LongDayNames = sundayFirst(locale.LongDays);
    }
}

// ---- display names ----

namespace {

// The name without the qualifier that some languages' names carry, and the qualifier that
// the language and code page give; country names add Norway's two written forms.
std::pair<QString, QString> NameAndQualifier(const QString& name, LCID lcid, int codePage, bool country)
{
    const int primary = PrimaryLangId(lcid);
    QString cut = name;
    const bool atBlank = primary == 10 || primary == 20 || primary == 26 || primary == 44 || primary == 67;
    const bool atBracket = primary == 4 || primary == 18;
    if (atBlank || atBracket) {
        const qsizetype at = name.indexOf(atBlank ? QLatin1Char(' ') : QLatin1Char('('));
        if (at >= 0)
            cut = name.left(at).trimmed();
    }
    QString qualifier;
    if (codePage == 1251 && (primary == 26 || primary == 44 || primary == 67))
        qualifier = QStringLiteral("Cyrillic");
    else if (primary == 4 && codePage == 950)
        qualifier = QStringLiteral("Traditional");
    else if (primary == 4 && codePage == 936)
        qualifier = QStringLiteral("Simplified");
    else if (primary == 18 && codePage == 1361)
        qualifier = QStringLiteral("Johab");
    else if ((primary == 26 && codePage == 1250) || ((primary == 44 || primary == 67) && codePage == 1254))
        qualifier = QStringLiteral("Latin");
    else if (country && primary == 20)
        qualifier = SubLangId(lcid) == 2 ? QStringLiteral("Nynorsk") : QStringLiteral("Bokmal");
    return {cut, qualifier};
}

QString DisplayName(const QString& name, LCID lcid, int codePage, bool translate, const TMlDictionary* dictionary,
                    bool country)
{
    auto [text, qualifier] = NameAndQualifier(name, lcid, codePage, country);
    if (translate) {
        if (!dictionary)
            dictionary = DefaultDictionary();
        if (dictionary) {
            text = dictionary->Translate(text);
            qualifier = dictionary->Translate(qualifier);
        }
    }
    if (qualifier.isEmpty())
        return text;
    return country ? text + QStringLiteral(" (") + qualifier + QLatin1Char(')') : text + QStringLiteral(", ") + qualifier;
}

}  // namespace

QString LanguageDisplayName(const QString& name, LCID lcid, int codePage, bool translate, const TMlDictionary* dictionary)
{
    return DisplayName(name, lcid, codePage, translate, dictionary, false);
}

QString CountryDisplayName(const QString& name, LCID lcid, int codePage, bool translate, const TMlDictionary* dictionary)
{
    return DisplayName(name, lcid, codePage, translate, dictionary, true);
}

QString LocaleLanguageName(LCID lcid, bool native)
{
    const std::optional<QLocale> qt = QtLocaleOf(lcid);
    if (!qt)
        return {};
    return native ? qt->nativeLanguageName() : QLocale::languageToString(qt->language());
}

QString LocaleCountryName(LCID lcid, bool native)
{
    const std::optional<QLocale> qt = QtLocaleOf(lcid);
    if (!qt)
        return {};
    return native ? qt->nativeTerritoryName() : QLocale::territoryToString(qt->territory());
}

// ---- process-wide list ----

std::vector<TMlDictionary*>& DictionaryList()
{
    static std::vector<TMlDictionary*> list;
    return list;
}

int& DefaultDictionaryIndex()
{
    static int index = 0;
    return index;
}

TMlDictionary* DefaultDictionary()
{
    const auto& list = DictionaryList();
    if (list.empty())
        return nullptr;
    const int index = DefaultDictionaryIndex();
    if (index < 0 || index >= static_cast<int>(list.size()))
        throw ERangeError(QStringLiteral("DefaultDictionaryIndex is out or range: %1").arg(index));
    return list[static_cast<std::size_t>(index)];
}

bool DefaultDictionaryOpen()
{
    const TMlDictionary* dictionary = DefaultDictionary();
    return dictionary && dictionary->IsOpen();
}

void SetReadingOrderHandler(std::function<void(bool)> handler) { ReadingOrderHandler() = std::move(handler); }

QString TranslatedExceptionText(const QString& message)
{
    QString text = message;
    TMlDictionary* dictionary = nullptr;
    try {
        dictionary = DefaultDictionary();
    } catch (const Exception&) {
        dictionary = nullptr;  // the message itself still has to be shown
    }
    if (dictionary && dictionary->IsOpen())
        text = dictionary->Translate(text);
    // An empty message stays empty: a lone "." would say nothing.
    if (!text.isEmpty() && text.back() > QLatin1Char('.'))
        text += QLatin1Char('.');
    return text;
}

// ---- TMlDictionary ----

TMlDictionary::TMlDictionary(QObject* owner) : QObject(owner)
{
    auto& list = DictionaryList();
    for (int n = static_cast<int>(list.size()) + 1;; ++n) {
        const QString name = QStringLiteral("Dictionary%1").arg(n);
        if (std::none_of(list.begin(), list.end(), [&](TMlDictionary* d) { return d->DictionaryName == name; })) {
            DictionaryName = name;
            break;
        }
    }
    list.push_back(this);
}

TMlDictionary::~TMlDictionary()
{
    DetachTranslators();
    if (ResStringTranslator() == &TranslateResString)
        SetResStringTranslator(nullptr);
    const bool spokeForQt = open_ && IsDefault(this);
    // Closed and out of the list before Qt's catalogue goes: dropping it makes Qt ask for
    // its texts again, and the derived parts of this dictionary are gone already.
    open_ = false;
    auto& list = DictionaryList();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    if (spokeForQt && QCoreApplication::instance())
        FollowQtCatalog(QString());
}

TMlLocale TMlDictionary::GetLocale(int index) const
{
    throw ERangeError(QStringLiteral("Locale index %1 is out of range").arg(index));
}

TMlLanguage TMlDictionary::LanguageItem(int index) const
{
    if (index < 0 || index >= LanguageCount())
        throw ERangeError(QStringLiteral("Out of language range"));
    if (open_ && index == state_.Index)
        return state_.Current;
    return GetLanguage(index);
}

void TMlDictionary::Open()
{
    if (OnBeforeOpen)
        OnBeforeOpen();
    DoOpen();
    if (OnAfterOpen)
        OnAfterOpen();
}

void TMlDictionary::Close()
{
    if (OnBeforeClose)
        OnBeforeClose();
    DoClose();
    if (OnAfterClose)
        OnAfterClose();
}

template <class Step>
void TMlDictionary::Transact(bool languageChanged, Step step)
{
    const TState saved = state_;
    const TFormatSettings savedFormats = FormatSettings();
    const int savedLanguage = language_;
    const bool savedOpen = open_;
    const LCID before = state_.LocaleLcid;
    bool localeChanged = false;
    try {
        step();
        localeChanged = state_.LocaleLcid != before || !savedOpen;
        ApplyChange(languageChanged, localeChanged);
    } catch (...) {
        // Nothing of a failed switch stays: the previous language, locale, translations
        // and formats are in force again.
        state_ = saved;
        FormatSettings() = savedFormats;
        language_ = savedLanguage;
        open_ = savedOpen;
        throw;
    }
    NotifyChange(languageChanged, localeChanged);
}

void TMlDictionary::DoOpen()
{
    if (!Enabled && open_)
        return;
    if (!CanOpen())
        return;
    requested_ = language_;
    Transact(true, [this] {
        switch (Binding) {
        case mlbiNone:
            ApplyLanguage(language_);
            ApplyLocale(requestedLocale_);
            break;
        case mlbiLocaleToLanguage:
            ApplyLanguage(language_);
            ApplyLocale(state_.SelectionLcid);
            break;
        case mlbiLanguageToLocale:
            ApplyLocale(requestedLocale_);
            ApplyLanguageForLocale();
            break;
        }
        open_ = true;
    });
    if ((Options & mldoTranslateResourceStrings) && !ResStringTranslator())
        SetResStringTranslator(&TranslateResString);
}

void TMlDictionary::DoClose()
{
    if (ResStringTranslator() == &TranslateResString)
        SetResStringTranslator(nullptr);
    DetachTranslators();
    open_ = false;
    FollowLanguage(*this, false);
}

void TMlDictionary::SetLanguage(int value)
{
    if (!open_) {
        language_ = value;
        return;
    }
    if (value < -2 || value >= LanguageCount())
        throw ERangeError(QStringLiteral("Language index %1 is out of range").arg(value));
    if (value == language_)
        return;
    Transact(true, [this, value] {
        language_ = value;
        requested_ = value;
        ApplyLanguage(value);
        if (Binding == mlbiLocaleToLanguage)
            ApplyLocale(state_.SelectionLcid);
    });
}

void TMlDictionary::SetLocale(LCID lcid)
{
    if (!open_) {
        requestedLocale_ = lcid;
        return;
    }
    if (lcid == state_.LocaleLcid)
        return;
    requestedLocale_ = lcid;
    Transact(Binding == mlbiLanguageToLocale, [this, lcid] {
        ApplyLocale(lcid);
        if (Binding == mlbiLanguageToLocale)
            ApplyLanguageForLocale();
    });
}

void TMlDictionary::RefreshLocale()
{
    if (!open_)
        return;
    TMlLanguage language = state_.Current;
    language.SubId = language.DefaultSubId;
    const LCID lcid = language.CurrentLCID();
    if (NormalizeLcid(lcid) == state_.LocaleLcid)
        return;
    Transact(false, [this, lcid] { ApplyLocale(lcid); });
}

void TMlDictionary::RefreshLanguage()
{
    if (!open_)
        return;
    const int index = FindLanguageByLCID(state_.LocaleLcid);
    if (index < 0 || index == state_.Index)
        return;
    Transact(true, [this, index] { ApplyLanguage(index); });
}

void TMlDictionary::ApplyLanguageForLocale()
{
    const int index = FindLanguageByLCID(state_.LocaleLcid);
    ApplyLanguage(index >= 0 ? index : DefaultLanguage());
}

void TMlDictionary::ApplyLanguage(int index)
{
    TState& s = state_;
    s.Fallback = 0;
    if (index == -2)
        index = FindLanguageByLCID(GetSystemDefaultLCID());
    else if (index == -1)
        index = FindLanguageByLCID(GetUserDefaultLCID());
    if (index < 0)
        index = DefaultLanguage();
    if (index < 0)
        throw EMlMulti(QStringLiteral("System does not support any language of the dicitonary!"));
    if (index >= LanguageCount())
        throw ERangeError(QStringLiteral("Language index %1 is out of range").arg(index));
    s.Index = index;
    s.Current = TMlLanguage();
    if (LanguageCount() > 0) {
        const TMlLanguage native = GetLanguage(0);
        switch (native.CodePage) {
        case 950: s.NativeLcid = MakeLangId(4, 1); break;
        case 1361: s.NativeLcid = MakeLangId(18, 2); break;
        case 949: s.NativeLcid = MakeLangId(18, 1); break;
        case 932: s.NativeLcid = MakeLangId(17, 0); break;
        case 936: s.NativeLcid = MakeLangId(4, 2); break;
        default: s.NativeLcid = MakeLangId(9, 0);
        }
        s.NativeCodePage = native.CodePage;
        s.Current = GetLanguage(index);
    }
    TMlLanguage& lang = s.Current;
    if (Binding == mlbiLocaleToLanguage && !lang.IsNative()) {
        const LCID def = requested_ == -2 ? GetSystemDefaultLCID() : GetUserDefaultLCID();
        const int sub = PrimaryLangId(def) == lang.PrimaryId ? SubLangId(def) : SubLangId(lang.LanguageLCID());
        const bool listed = lang.SubLanguages.isEmpty() || lang.ListsSubLanguage(sub);
        lang.SubId = listed ? sub : lang.DefaultSubId;
    }
    if (!lang.SubLanguages.isEmpty())
        s.Fallback = std::max(0, FindLanguageByLCID(MakeLangId(lang.PrimaryId, 0)));
    if (MasterLanguage > 0 && s.Fallback == 0)
        s.Fallback = MasterLanguage;
    if (s.Fallback >= LanguageCount())
        s.Fallback = 0;
    s.SelectionLcid = lang.CurrentLCID();
    CheckLanguage(lang);
}

void TMlDictionary::CheckLanguage(const TMlLanguage& language) const
{
    if (CheckLevel == mlclSystem && !IsLanguageSupportedBySystem(language))
        throw EMlMulti(language.EnglishName + QStringLiteral(" is not supported by the system"));
    if (CheckLevel == mlclCodePage && !IsLanguageSupportedByCodePage(language))
        throw EMlMulti(language.EnglishName + QStringLiteral(" is not supported by the code page"));
}

void TMlDictionary::ApplyLocale(LCID lcid)
{
    // LCID 0 is the neutral language, which the system serves with the user's locale.
    lcid = lcid == 0 ? GetUserDefaultLCID() : NormalizeLcid(lcid);
    state_.LocaleLcid = lcid;
    TMlLocale locale;
    bool custom = false;
    for (int i = 0; i < LocaleCount() && !custom; ++i) {
        TMlLocale candidate = GetLocale(i);
        if (candidate.Lcid() == lcid) {
            locale = candidate;
            locale.Filled = true;
            custom = true;
        }
    }
    if (!custom)
        FillSystemLocale(lcid, locale);
    state_.Locale = locale;
    if (!locale.Filled)
        return;
    const int primary = locale.PrimaryId;
    const bool exempt = primary == 0 || primary == 9 || primary == 33;
    if (CheckLevel == mlclSystem && !exempt && !IsCodePageSupported(locale.CodePage))
        throw EMlMulti(QStringLiteral("The locale (%1, %2) is not supported by the system").arg(primary).arg(locale.SubId));
    if (CheckLevel == mlclCodePage && !exempt && locale.CodePage != GetACP())
        throw EMlMulti(
            QStringLiteral("The locale (%1, %2) is not supported by the current code page").arg(primary).arg(locale.SubId));
}

void TMlDictionary::ApplyChange(bool languageChanged, bool localeChanged)
{
    if (languageChanged)
        ReloadTranslations();
    if (localeChanged && (Options & mldoUpdateLocaleVariables))
        ApplyLocaleFormats(state_.Locale, Options & mldoYear2000, FormatSettings());
}

void TMlDictionary::NotifyChange(bool languageChanged, bool localeChanged)
{
    FollowLanguage(*this, true);
    if (ReadingOrderHandler())
        ReadingOrderHandler()(IsRightToLeftLCID(state_.SelectionLcid));
    if (Options & mldoAutoTranslate) {
        // A translator may leave while it re-translates: walk a copy, skip the ones gone.
        const auto translators = translators_;
        for (TMlDictionaryClient* t : translators)
            if (std::find(translators_.begin(), translators_.end(), t) != translators_.end())
                t->LanguageChanged(languageChanged, localeChanged);
    }
    if (languageChanged && OnLanguageChange)
        OnLanguageChange();
    if (localeChanged && OnLocaleChange)
        OnLocaleChange();
}

int TMlDictionary::FindLanguageByLCID(LCID lcid) const
{
    if (lcid == 0)
        return 0;
    lcid = NormalizeLcid(lcid);
    const int primary = PrimaryLangId(lcid);
    const int sub = SubLangId(lcid);
    const int count = LanguageCount();
    std::vector<TMlLanguage> languages;
    for (int i = 0; i < count; ++i)
        languages.push_back(GetLanguage(i));
    for (int i = 0; i < count; ++i)
        if (languages[i].PrimaryId == primary && languages[i].ListsSubLanguage(sub))
            return i;
    for (int i = 0; i < count; ++i) {
        const TMlLanguage& l = languages[i];
        if (l.PrimaryId == primary && (l.SubLanguages.isEmpty() || l.SubLanguages.first().trimmed().toInt() == 0))
            return i;
    }
    for (int i = 0; i < count; ++i)
        if (languages[i].PrimaryId == primary)
            return i;
    return -1;
}

bool TMlDictionary::Passes(const TMlLanguage& language) const
{
    switch (CheckLevel) {
    case mlclSystem: return IsLanguageSupportedBySystem(language);
    case mlclCodePage: return IsLanguageSupportedByCodePage(language);
    default: return true;
    }
}

int TMlDictionary::DefaultLanguage() const
{
    const int count = LanguageCount();
    const int start = (MasterLanguage < 0 || MasterLanguage >= count) ? 0 : MasterLanguage;
    for (int i = start; i < count; ++i)
        if (Passes(GetLanguage(i)))
            return i;
    return -1;
}

bool TMlDictionary::IsLocaleAvailable(LCID lcid) const
{
    if (SystemLocaleInfo(lcid))
        return true;
    for (int i = 0; i < LocaleCount(); ++i)
        if (GetLocale(i).Lcid() == NormalizeLcid(lcid))
            return true;
    return false;
}

bool TMlDictionary::IsLanguageSupportedBySystem(const TMlLanguage& l)
{
    if (l.IsNative() || l.PrimaryId == 9 || l.PrimaryId == 33 || (l.Flags & 2))
        return true;
    return IsCodePageSupported(l.CodePage);
}

bool TMlDictionary::IsLanguageSupportedByCodePage(const TMlLanguage& l)
{
    if (l.IsNative() || l.PrimaryId == 9 || l.PrimaryId == 33 || (l.Flags & 2))
        return true;
    return l.CodePage == 0 || l.CodePage == GetACP();
}

QString TMlDictionary::Translate(const QString& text) const
{
    if (text.isEmpty())
        return text;
    QString translation;
    const bool found = Lookup(text, translation);
    return ResolveTranslation(found, text, translation);
}

QString TMlDictionary::TranslateWithContext(const QString& text, const QString& contextA, const QString& contextB) const
{
    if (text.isEmpty())
        return text;
    QString translation;
    bool found = state_.Keyed && LookupWithContext(text, contextA, translation, contextB);
    if (!found)
        found = Lookup(text, translation);
    return ResolveTranslation(found, text, translation);
}

QString TMlDictionary::ResolveTranslation(bool found, const QString& text, const QString& translation) const
{
    if (found && !translation.isEmpty())
        return translation;
    switch (MissingTranslation) {
    case mlmtUseNull: return {};
    case mlmtTagNative: return QLatin1Char('@') + text + QLatin1Char('@');
    case mlmtRaiseException:
        if (found)
            throw EMlMulti(QStringLiteral("Translation for the word \"%1\" is missing").arg(text));
        throw EMlMulti(QStringLiteral("Dictionary does not contain a translation for the word \"%1\"").arg(text));
    default: return text;
    }
}

std::vector<TMlLanguage> TMlDictionary::GetLanguages() const
{
    std::vector<TMlLanguage> list;
    for (int i = 0; i < LanguageCount(); ++i)
        list.push_back(LanguageItem(i));
    return list;
}

std::vector<TMlLocale> TMlDictionary::GetLocales() const
{
    std::vector<TMlLocale> list;
    for (int i = 0; i < LocaleCount(); ++i)
        list.push_back(GetLocale(i));
    return list;
}

std::vector<TMlDictionary::TLanguageName> TMlDictionary::GetLanguageNames(bool native) const
{
    std::vector<TLanguageName> names;
    for (const TMlLanguage& l : GetLanguages())
        if (std::none_of(names.begin(), names.end(), [&](const TLanguageName& n) { return n.PrimaryId == l.PrimaryId; }))
            names.push_back({native ? l.NativeName : l.EnglishName, l.PrimaryId});
    return names;
}

void TMlDictionary::AddTranslator(TMlDictionaryClient* translator)
{
    if (std::find(translators_.begin(), translators_.end(), translator) == translators_.end())
        translators_.push_back(translator);
}

void TMlDictionary::RemoveTranslator(TMlDictionaryClient* translator)
{
    translators_.erase(std::remove(translators_.begin(), translators_.end(), translator), translators_.end());
}

void TMlDictionary::DetachTranslators()
{
    // Empty the list first: a translator told to leave must not change the list walked.
    std::vector<TMlDictionaryClient*> leaving;
    leaving.swap(translators_);
    for (TMlDictionaryClient* t : leaving)
        t->DictionaryDetached();
}

// ---- TMlCustomDictionary ----

QString TMlCustomDictionary::KeyOf(const TMlTranslation& t, bool keyed)
{
    if (!keyed)
        return t.Native;
    return t.Native + QChar(127) + t.ContextA + t.ContextB;
}

void TMlCustomDictionary::ReloadTranslations()
{
    bool keyed = false;
    std::vector<TMlTranslation> list;
    if (state_.Index != 0)
        list = ReadTranslations(state_.Index, state_.Fallback, keyed);
    else
        ReadTranslations(0, 0, keyed);  // the native language keeps no entry, but the mode counts
    // Ordinal comparison: case matters, a prefix sorts first.
    std::sort(list.begin(), list.end(), [keyed](const TMlTranslation& a, const TMlTranslation& b) {
        return QString::compare(KeyOf(a, keyed), KeyOf(b, keyed), Qt::CaseSensitive) < 0;
    });
    state_.Translations = std::move(list);
    state_.Keyed = keyed;
}

std::vector<TMlTranslation>::const_iterator TMlCustomDictionary::LowerBound(const QString& key) const
{
    const auto& list = state_.Translations;
    return std::lower_bound(list.begin(), list.end(), key, [this](const TMlTranslation& t, const QString& k) {
        return QString::compare(KeyOf(t, state_.Keyed), k, Qt::CaseSensitive) < 0;
    });
}

bool TMlCustomDictionary::Lookup(const QString& text, QString& translation) const
{
    const auto& list = state_.Translations;
    if (!state_.Keyed) {
        const auto it = LowerBound(text);
        if (it == list.end() || it->Native != text)
            return false;
        translation = it->Text;
        return true;
    }
    // Any entry with this native text serves, whatever its contexts.
    const auto it = LowerBound(text + QChar(127));
    if (it == list.end() || it->Native != text)
        return false;
    translation = it->Text;
    return true;
}

bool TMlCustomDictionary::LookupWithContext(const QString& text, const QString& contextA, QString& translation,
                                            const QString& contextB) const
{
    if (!state_.Keyed)
        return Lookup(text, translation);
    const auto& list = state_.Translations;
    // The key alone is ambiguous ("ab"+"c" and "a"+"bc"), so the hit compares each field.
    for (auto it = LowerBound(text + QChar(127)); it != list.end() && it->Native == text; ++it) {
        if (it->ContextA == contextA && it->ContextB == contextB) {
            translation = it->Text;
            return true;
        }
    }
    return false;
}
