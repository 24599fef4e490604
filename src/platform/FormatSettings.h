#pragma once
// The one process-wide record of number and date formats that every number text of the
// program is built and parsed with. The language switch overwrites it; tests set it
// explicitly so they never depend on the machine's locale.

#include <QChar>
#include <QString>

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
