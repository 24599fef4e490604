#pragma once
// The dictionary: the languages of the program, the translations of its texts, the custom
// locales, and which language and locale are current. Switching the language re-applies the
// locale, takes the number and date formats into the one FormatSettings record, re-translates
// every attached form and fires OnLanguageChange. A switch that fails leaves everything as
// it was before (index, language, locale, translations and formats) and then raises.
//
// Class tree: TMlDictionary (language logic) <- TMlCustomDictionary (the translation list
// and its lookups) <- TMlCustomFileDictionary (file name, storage) <- TMlBinaryDictionary
// (where the data comes from, MlBinDic.h).

#include "platform/Exceptions.h"
#include "platform/FormatSettings.h"
#include "translation/MlLocale.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// The translation runtime's own errors.
class EMlMulti : public Exception {
public:
    using Exception::Exception;
};

// One language of the dictionary.
struct TMlLanguage {
    int CodePage = 0;
    int Charset = 0;          // follows the code page
    int PrimaryId = 0;        // 0: the native (design) language
    int DefaultSubId = 0;
    int SubId = 0;            // the current sub-language; 0: the default one
    QStringList SubLanguages; // decimal sub-language ids
    QString Iso639;
    QString Iso3166;
    QStringList Names;
    QString EnglishName;
    QString NativeName;
    QString FontName;         // empty: keep the form's design font
    int FontSize = 0;         // 0: keep the design size
    int Flags = 0;            // bit 1: every system supports the language

    void SetCodePage(int codePage);
    // Fills what the data left empty (names, code page, sub-languages).
    void Complete();
    bool IsNative() const { return PrimaryId == 0; }
    // The language's own LCID (first listed or default sub-language) and that of the
    // current selection (current sub-language).
    LCID LanguageLCID() const;
    LCID CurrentLCID() const;
    bool ListsSubLanguage(int sub) const;
};

bool operator==(const TMlLanguage& a, const TMlLanguage& b);

// One locale: separators, formats and names.
struct TMlLocale {
    int PrimaryId = 0;
    int SubId = 0;
    int SortId = 0;
    int CodePage = 0;
    int Charset = 0;
    QString EnglishLanguage, EnglishCountry, NativeLanguage, NativeCountry, Abbreviation, LocalizedCountry;
    QString Currency;
    int CurrencyFormat = 0, NegCurrencyFormat = 0, CurrencyDigits = 0;
    QChar ThousandSeparator, DecimalSeparator, DateSeparator, ListSeparator, TimeSeparator;
    QString ShortDate, LongDate, AmText, PmText;
    int LeadingZero = 0, Clock24 = 0, AmPmPosition = 0, Digits = 0, Calendar = 0, OptionalCalendar = 0;
    int FirstDayOfWeek = 0, FirstWeekOfYear = 0;
    QStringList ShortMonths, LongMonths;  // 12 each
    QStringList ShortDays, LongDays;      // 7 each, Monday first
    bool Filled = false;                  // false: the locale could not be filled

    LCID Lcid() const { return MakeLcid(MakeLangId(PrimaryId, SubId), SortId); }
    void Complete();
};

// Fills a locale from the program's locale table (separators, date formats, names) and Qt's
// locale data (currency and its formats, AM/PM texts, month and day names; the list
// separator is the one that cannot be read as the decimal separator); false (and nothing
// filled) for a locale the table does not know.
bool FillSystemLocale(LCID lcid, TMlLocale& locale);

// One dictionary entry as kept in memory.
struct TMlTranslation {
    QString Native;
    QString ContextA;  // form class, or empty
    QString ContextB;  // component name, resource-string id, or empty
    QString Text;
    int Status = 0;    // 0 current language, 1 fallback language
};

// What a dictionary knows of an attached translator.
class TMlDictionaryClient {
public:
    virtual ~TMlDictionaryClient() = default;
    // The dictionary switched language or locale: re-translate.
    virtual void LanguageChanged(bool languageChanged, bool localeChanged) = 0;
    // The dictionary closes or goes away: forget it (without calling RemoveTranslator).
    virtual void DictionaryDetached() = 0;
};

enum TMlBinding { mlbiNone, mlbiLocaleToLanguage, mlbiLanguageToLocale };
enum TMlMissingTranslation { mlmtUseNative, mlmtUseNull, mlmtTagNative, mlmtRaiseException };
enum TMlCheckLevel { mlclNone, mlclSystem, mlclCodePage };
enum TMlEuro { mleNormal, mleBusiness, mleIgnore };
enum TMlDictionaryOption : unsigned {
    mldoConvertNativeString = 1u << 0,
    mldoUpdateLocaleVariables = 1u << 1,
    mldoAutoTranslate = 1u << 2,
    mldoYear2000 = 1u << 3,
    mldoTranslateResourceStrings = 1u << 4,
    mldoRecreateMDIChild = 1u << 5,
    mldoUseFlatTranslation = 1u << 6,
};

class TMlDictionary : public QObject {
    Q_OBJECT

public:
    explicit TMlDictionary(QObject* owner = nullptr);
    ~TMlDictionary() override;

    bool Enabled = true;
    QString DictionaryName;
    int PrimaryLanguage = 0;
    int SubLanguage = 1;
    int MasterLanguage = 0;
    TMlBinding Binding = mlbiLocaleToLanguage;
    unsigned Options = 127;
    TMlMissingTranslation MissingTranslation = mlmtUseNative;
    TMlEuro Euro = mleNormal;
    TMlCheckLevel CheckLevel = mlclCodePage;
    std::function<void()> OnBeforeOpen, OnAfterOpen, OnBeforeClose, OnAfterClose, OnLanguageChange, OnLocaleChange;

    void Open();
    void Close();
    bool IsOpen() const { return open_; }

    // The requested language (-1 the user's locale, -2 the system's); while closed it is
    // only stored.
    int Language() const { return language_; }
    void SetLanguage(int value);
    // The language in force and its fallback.
    int LanguageIndex() const { return state_.Index; }
    int FallbackIndex() const { return state_.Fallback; }
    const TMlLanguage& CurrentLanguage() const { return state_.Current; }
    const TMlLocale& CurrentLocale() const { return state_.Locale; }
    LCID LocaleLCID() const { return state_.LocaleLcid; }
    void SetLocale(LCID lcid);
    void RefreshLocale();
    void RefreshLanguage();

    virtual int LanguageCount() const = 0;
    virtual int LocaleCount() const { return 0; }
    // The language at an index (ERangeError past the count).
    TMlLanguage LanguageItem(int index) const;
    int PrimaryLanguageId(int index) const { return LanguageItem(index).PrimaryId; }
    int FindLanguageByLCID(LCID lcid) const;
    int DefaultLanguage() const;
    bool IsLocaleAvailable(LCID lcid) const;

    // The text to show for a native text in the current language.
    QString Translate(const QString& text) const;
    QString TranslateWithContext(const QString& text, const QString& contextA, const QString& contextB) const;
    virtual bool Lookup(const QString& text, QString& translation) const = 0;
    virtual bool LookupWithContext(const QString& text, const QString& contextA, QString& translation,
                                   const QString& contextB) const = 0;
    // What a lookup result shows, by MissingTranslation.
    QString ResolveTranslation(bool found, const QString& text, const QString& translation) const;
    bool Keyed() const { return state_.Keyed; }

    void AddTranslator(TMlDictionaryClient* translator);
    void RemoveTranslator(TMlDictionaryClient* translator);
    int TranslatorCount() const { return static_cast<int>(translators_.size()); }

    // Every language, and every custom locale, of the dictionary in index order.
    std::vector<TMlLanguage> GetLanguages() const;
    std::vector<TMlLocale> GetLocales() const;
    // One name per primary language, the first language of each: its English name, or its
    // native one.
    struct TLanguageName {
        QString Name;
        int PrimaryId = 0;
    };
    std::vector<TLanguageName> GetLanguageNames(bool native) const;

    static bool IsLanguageSupportedBySystem(const TMlLanguage& language);
    static bool IsLanguageSupportedByCodePage(const TMlLanguage& language);

protected:
    // What a switch may change and a failed one restores.
    struct TState {
        int Index = 0;
        int Fallback = 0;
        TMlLanguage Current;
        TMlLocale Locale;
        LCID LocaleLcid = 0;
        LCID SelectionLcid = 0;
        LCID NativeLcid = 0;
        int NativeCodePage = 1252;
        bool Keyed = false;
        std::vector<TMlTranslation> Translations;  // sorted by TMlCustomDictionary
    };

    virtual bool CanOpen() const { return true; }
    virtual TMlLanguage GetLanguage(int index) const = 0;
    virtual TMlLocale GetLocale(int index) const;
    // Reloads the translation list for the current and fallback languages.
    virtual void ReloadTranslations() {}
    virtual void DoOpen();
    virtual void DoClose();

    TState state_;

private:
    template <class Step>
    void Transact(bool languageChanged, Step step);
    void ApplyLanguage(int index);
    void ApplyLocale(LCID lcid);
    void ApplyLanguageForLocale();
    void ApplyChange(bool languageChanged, bool localeChanged);
    void NotifyChange(bool languageChanged, bool localeChanged);
    void CheckLanguage(const TMlLanguage& language) const;
    void DetachTranslators();
    bool Passes(const TMlLanguage& language) const;

    bool open_ = false;
    int language_ = -1;
    int requested_ = -1;
    LCID requestedLocale_ = LOCALE_USER_DEFAULT;
    std::vector<TMlDictionaryClient*> translators_;
};

// Takes a locale's formats and variables (currency, list separator, AM/PM texts, month and
// day names) into the FormatSettings record; fields the locale leaves empty keep their
// values. A decimal separator equal to the locale's thousands separator is not taken, and
// the record never ends with the two separators equal. With year2000 a two-digit year in a
// date format becomes four digits.
void ApplyLocaleFormats(const TMlLocale& locale, bool year2000, TFormatSettings& settings);
// "yy" becomes "yyyy" at its first place, unless the format already has "yyyy" or no "yy".
QString Year2000Format(const QString& format);

// The display form of a language's name: the qualifier that the name itself leaves out is
// added after a comma ("Chinese, Traditional", "Serbian, Latin"), a qualifier the name holds
// is cut off ("Norwegian (Bokmal)" -> "Norwegian"). The qualifier comes from the primary
// language and the code page (Chinese: 950 Traditional, 936 Simplified; Korean: 1361 Johab;
// Serbian: 1250 Latin; Azeri and Uzbek: 1254 Latin; any of these with 1251: Cyrillic). With
// translate both parts go through the dictionary (the default one when none is given).
QString LanguageDisplayName(const QString& name, LCID lcid, int codePage, bool translate,
                            const TMlDictionary* dictionary = nullptr);
// The same for a country name, the qualifier in brackets ("Taiwan (Traditional)"); Norwegian
// takes "Bokmal" or "Nynorsk" from the sub-language.
QString CountryDisplayName(const QString& name, LCID lcid, int codePage, bool translate,
                           const TMlDictionary* dictionary = nullptr);
// The names of a locale's language and country in Qt's locale data: English, or as the
// locale itself writes them; empty for a locale the program does not know.
QString LocaleLanguageName(LCID lcid, bool native);
QString LocaleCountryName(LCID lcid, bool native);

// Every dictionary of the process, in creation order.
std::vector<TMlDictionary*>& DictionaryList();
int& DefaultDictionaryIndex();
// The dictionary at DefaultDictionaryIndex; nullptr with no dictionary.
TMlDictionary* DefaultDictionary();
bool DefaultDictionaryOpen();

// Called with true when the current language reads right to left (the forms library sets
// the application's layout direction with it).
void SetReadingOrderHandler(std::function<void(bool rightToLeft)> handler);

// An error message as the error box shows it: translated through the default dictionary
// when that is open, with a "." added when the text does not end in punctuation.
QString TranslatedExceptionText(const QString& message);

// Adds the in-memory translation list: kept sorted by native text (and, when keyed, by
// native text + character 127 + context A + context B) and searched by halving.
class TMlCustomDictionary : public TMlDictionary {
    Q_OBJECT

public:
    using TMlDictionary::TMlDictionary;

    bool Lookup(const QString& text, QString& translation) const override;
    bool LookupWithContext(const QString& text, const QString& contextA, QString& translation,
                           const QString& contextB) const override;
    int TranslationCount() const { return static_cast<int>(state_.Translations.size()); }

protected:
    // The entries of the data, for the current and fallback languages, unsorted; and
    // whether they carry contexts. Raises on bad data, before anything changes.
    virtual std::vector<TMlTranslation> ReadTranslations(int current, int fallback, bool& keyed) const = 0;
    void ReloadTranslations() override;

private:
    static QString KeyOf(const TMlTranslation& t, bool keyed);
    // First entry whose key is not less than `key`.
    std::vector<TMlTranslation>::const_iterator LowerBound(const QString& key) const;

};
