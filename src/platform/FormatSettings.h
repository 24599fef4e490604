#pragma once
// The one process-wide record of number and date formats that every number text of the
// program is built and parsed with. The language switch overwrites it; tests set it
// explicitly so they never depend on the machine's locale.

#include <QChar>
#include <QString>
#include <QStringList>

class QLocale;

struct TFormatSettings {
    QChar DecimalSeparator = QLatin1Char('.');
    QChar ThousandSeparator = QLatin1Char(',');
    QChar DateSeparator = QLatin1Char('/');
    QChar TimeSeparator = QLatin1Char(':');
    QString ShortDateFormat = QStringLiteral("M/d/yyyy");
    QString LongDateFormat = QStringLiteral("dddd, MMMM d, yyyy");
    QString ShortTimeFormat = QStringLiteral("h:mm");
    QString LongTimeFormat = QStringLiteral("h:mm:ss");
    // The locale's other variables, which the language switch sets too (currency formats
    // numbered as the system numbers them: 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"; negative ones
    // 0 "($1)" to 15 "(1 $)").
    QString CurrencyString = QStringLiteral("$");
    int CurrencyFormat = 0;
    int NegCurrFormat = 0;
    int CurrencyDecimals = 2;
    QChar ListSeparator = QLatin1Char(',');
    QString TimeAMString = QStringLiteral("AM");
    QString TimePMString = QStringLiteral("PM");
    QStringList ShortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    QStringList LongMonthNames = {"January", "February", "March",     "April",   "May",      "June",
                                  "July",    "August",   "September", "October", "November", "December"};
    // Sunday first.
    QStringList ShortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    QStringList LongDayNames = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
};

// The process-wide record (initially the defaults above).
TFormatSettings& FormatSettings();

// The thousands separator for a decimal separator and the locale's group separator: the
// locale's when it is one character other than the decimal separator, otherwise the one of
// "," and "." that cannot be mistaken for the decimal separator.
QChar ThousandSeparatorFor(QChar decimal, const QString& group);

// Takes separators and date/time formats from a locale (the program calls this at start
// with the user's locale, and again on a language switch).
void SetFormatSettingsFromLocale(const QLocale& locale);

// Saves the record and restores it when it goes out of scope (tests).
class FormatSettingsScope {
public:
    FormatSettingsScope();
    explicit FormatSettingsScope(const TFormatSettings& temporary);
    ~FormatSettingsScope();
    FormatSettingsScope(const FormatSettingsScope&) = delete;
    FormatSettingsScope& operator=(const FormatSettingsScope&) = delete;

private:
    TFormatSettings saved_;
};
