#include "translation/MlRecords.h"

#include "translation/MlParser.h"

TMlEntryLayout EntryLayout(int mode, int languageCount)
{
    if (languageCount < 1)
        throw EReadError(QStringLiteral("Translation data without languages"));
    TMlEntryLayout layout;
    switch (mode) {
    case 0: break;
    case 1: layout.ContextA = layout.ContextB = true; break;
    case 2: layout.ContextB = true; break;
    case 3: layout.ContextA = true; break;
    default: throw EReadError(QStringLiteral("Unknown translation mode: %1").arg(mode));
    }
    layout.Columns = languageCount - 1;
    return layout;
}

std::optional<TMlTranslation> ReadEntry(ByteReader& in, const TMlEntryLayout& layout, const TMlStringReader& strings,
                                        const std::vector<int>& codePages, int current, int fallback)
{
    const int nativeCodePage = codePages.empty() ? 1252 : codePages.front();
    TMlTranslation entry;
    entry.Native = strings(in, nativeCodePage);
    if (layout.ContextA)
        entry.ContextA = strings(in, nativeCodePage);
    if (layout.ContextB)
        entry.ContextB = strings(in, nativeCodePage);
    QString currentText;
    QString fallbackText;
    for (int column = 1; column <= layout.Columns; ++column) {
        const int codePage = column < static_cast<int>(codePages.size()) ? codePages[column] : 1252;
        const QString text = strings(in, codePage);
        if (column == current)
            currentText = text;
        if (column == fallback)
            fallbackText = text;
    }
    if (current == 0)
        return std::nullopt;
    if (!currentText.isEmpty()) {
        entry.Text = Unescape(currentText);
        entry.Status = 0;
    } else if (!fallbackText.isEmpty()) {
        entry.Text = Unescape(fallbackText);
        entry.Status = 1;
    } else {
        return std::nullopt;
    }
    entry.Native = Unescape(entry.Native);
    return entry;
}

TMlLocale ReadLocaleRecord(ByteReader& in, const TMlStringReader& strings)
{
    TMlLocale l;
    l.PrimaryId = in.U16();
    l.SubId = in.U16();
    l.SortId = in.U16();
    l.CodePage = in.U16();
    const int cp = l.CodePage ? l.CodePage : 1252;
    for (QString* s : {&l.EnglishLanguage, &l.EnglishCountry, &l.NativeLanguage, &l.NativeCountry, &l.Abbreviation,
                       &l.LocalizedCountry, &l.Currency})
        *s = strings(in, cp);
    for (int* b : {&l.CurrencyFormat, &l.NegCurrencyFormat, &l.CurrencyDigits})
        *b = in.U8();
    for (QChar* c : {&l.ThousandSeparator, &l.DecimalSeparator, &l.DateSeparator, &l.ListSeparator, &l.TimeSeparator}) {
        const QString s = strings(in, cp);
        *c = s.isEmpty() ? QChar() : s.front();
    }
    for (QString* s : {&l.ShortDate, &l.LongDate, &l.AmText, &l.PmText})
        *s = strings(in, cp);
    for (int* b : {&l.LeadingZero, &l.Clock24, &l.AmPmPosition, &l.Digits, &l.Calendar, &l.OptionalCalendar,
                   &l.FirstDayOfWeek, &l.FirstWeekOfYear})
        *b = in.U8();
    for (QStringList* names : {&l.ShortMonths, &l.LongMonths})
        for (int i = 0; i < 12; ++i)
            names->append(strings(in, cp));
    for (QStringList* names : {&l.ShortDays, &l.LongDays})
        for (int i = 0; i < 7; ++i)
            names->append(strings(in, cp));
    l.Complete();
    l.Filled = true;
    return l;
}
