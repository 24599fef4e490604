#pragma once
// How the sort grid compares two cell texts: the sort styles, the text, number, number
// with unit, date-time and time comparers, and the style that fits a whole column. Each
// comparer answers -1, 0 or 1. Every converting style falls back to the text order for a
// pair in which either text does not convert, so a comparison never fails; such mixed
// comparisons need not be a strict weak order, which the sort itself copes with.

#include <QDate>
#include <QString>
#include <QStringView>

#include <functional>

enum TSortStyle { ssAutomatic, ssNormal, ssNumeric, ssNumericExtended, ssDateTime, ssTime, ssCustom };
enum TSortDirection { sdAscending, sdDescending };

// A caller's comparison of two texts: negative, 0 or positive.
using TSortCompareFunc = std::function<int(const QString& S1, const QString& S2)>;

// Lower case for the case-insensitive sort: only the letters A to Z change.
QString SortLowerCase(QStringView text);

// The plain text order, code unit by code unit.
int CompareSortText(QStringView a, QStringView b);

// Numbers written with the same prefix and suffix ("5 mm" before "12 mm", "Pos 9" before
// "Pos 10"): characters that both texts share outside the digits are dropped from the front
// and the back, and what remains is compared as integers. When that is no integer, the
// text order decides. An empty text comes before any other; two empty texts are equal.
int CompareNumericExtended(QStringView s1, QStringView s2);

// The date a sort takes "today" from; read once per sort, for the year of dates written
// without one.
using TSortClock = std::function<QDate()>;

// Date-times in the current short date format's order of day, month and year with the
// current date separator, optionally followed by a time; a time alone also counts. A date
// of two numbers (day and month in the format's order, month first where the year is)
// lies in `currentYear`; a year of one or two digits means 1950 to 2049. The value is in
// days since 30 December 1899, the time as the fraction of a day.
bool TryStrToDateTime(QStringView text, int currentYear, double& value);
// Times "h", "h:m", "h:m:s" or "h:m:s.zzz" with the current time separator, optionally
// followed by AM or PM.
bool TryStrToTime(QStringView text, double& value);

// One key text prepared for comparing: a view of the (lower-cased) text and, for the
// converting styles, its value. Views, not copies: copying a shared text takes an atomic
// operation per row, which stalls the reading of rows scattered in memory.
struct TSortKeyValue {
    QStringView Text;
    double Value = 0;
    bool Valid = false;
};

// Prepares a key. `text` must outlive the key; a lower-cased copy, when one is needed, is
// made in `lowered`, which must outlive the key too.
// `currentYear` as for TryStrToDateTime.
TSortKeyValue ParseSortKey(QStringView text, TSortStyle style, bool caseSensitive, int currentYear, QString& lowered);

// Two keys of a converting style: by value when both converted, else as text.
inline int CompareConvertedKeys(const TSortKeyValue& a, const TSortKeyValue& b)
{
    if (a.Valid && b.Valid)
        return (a.Value > b.Value) - (a.Value < b.Value);
    return CompareSortText(a.Text, b.Text);
}

// The comparison of two prepared keys under a style, without direction or tie-break.
// ssCustom without a function compares as text.
int CompareSortKeys(const TSortKeyValue& a, const TSortKeyValue& b, TSortStyle style,
                    const TSortCompareFunc& custom);

// The two texts as one sort pass compares them.
int CompareSortTexts(const QString& a, const QString& b, TSortStyle style, bool caseSensitive, int currentYear,
                     const TSortCompareFunc& custom = {});

// ssNumeric when every text is a number, else ssDateTime when every one is a date-time,
// else ssTime when every one is a time, else ssNormal.
TSortStyle DetectSortStyle(int count, int currentYear, const std::function<QString(int index)>& text);
