#include "platform/FormatSettings.h"

#include <QLocale>

TFormatSettings& FormatSettings()
{
    static TFormatSettings settings;
    return settings;
}

QChar ThousandSeparatorFor(QChar decimal, const QString& group)
{
    // The number text holds a single separator character, and a separator equal to the
    // decimal point would make every grouped number unreadable.
    if (group.size() == 1 && group.at(0) != decimal)
        return group.at(0);
    return decimal == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
}

void SetFormatSettingsFromLocale(const QLocale& locale)
{
    TFormatSettings& s = FormatSettings();
    const QString decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    if (decimal.size() == 1)
        s.DecimalSeparator = decimal.at(0);
    s.ThousandSeparator = ThousandSeparatorFor(s.DecimalSeparator, group);

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
