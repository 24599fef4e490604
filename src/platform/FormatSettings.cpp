#include "platform/FormatSettings.h"

#include <QLocale>

TFormatSettings& FormatSettings()
{
    static TFormatSettings settings;
    return settings;
}

void SetFormatSettingsFromLocale(const QLocale& locale)
{
    TFormatSettings& s = FormatSettings();
    const QString decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    if (decimal.size() == 1)
        s.DecimalSeparator = decimal.at(0);
    // The number text holds a single separator character; a locale without one (or with
    // a longer one) gets the separator that cannot be mistaken for its decimal point.
    if (group.size() == 1)
        s.ThousandSeparator = group.at(0);
    else
        s.ThousandSeparator = s.DecimalSeparator == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');

    s.ShortDateFormat = locale.dateFormat(QLocale::ShortFormat);
    s.LongDateFormat = locale.dateFormat(QLocale::LongFormat);
    s.ShortTimeFormat = locale.timeFormat(QLocale::ShortFormat);
    s.LongTimeFormat = locale.timeFormat(QLocale::LongFormat);
    // The date separator is the first non-letter between the short date's fields.
    for (const QChar c : s.ShortDateFormat) {
        if (!c.isLetter() && !c.isSpace() && c != QLatin1Char('\'')) {
            s.DateSeparator = c;
            break;
        }
    }
    for (const QChar c : s.ShortTimeFormat) {
        if (!c.isLetter() && !c.isSpace() && c != QLatin1Char('\'')) {
            s.TimeSeparator = c;
            break;
        }
    }
}

FormatSettingsScope::FormatSettingsScope() : saved_(FormatSettings())
{
}

FormatSettingsScope::FormatSettingsScope(const TFormatSettings& temporary) : saved_(FormatSettings())
{
    FormatSettings() = temporary;
}

FormatSettingsScope::~FormatSettingsScope()
{
    FormatSettings() = saved_;
}
