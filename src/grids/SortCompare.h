#pragma once
// How the sort grid compares two cell texts: the sort styles, the text, number, number
// with unit, date-time and time comparers, and the style that fits a whole column. Each
// comparer answers -1, 0 or 1. Every converting style falls back to the text order for a
// pair in which either text does not convert, so a comparison never fails; such mixed
// comparisons need not be a strict weak order, which the sort itself copes with.

#include <QString>

#include <functional>

enum TSortStyle { ssAutomatic, ssNormal, ssNumeric, ssNumericExtended, ssDateTime, ssTime, ssCustom };
enum TSortDirection { sdAscending, sdDescending };

// A caller's comparison of two texts: negative, 0 or positive.
using TSortCompareFunc = std::function<int(const QString& S1, const QString& S2)>;

// Lower case for the case-insensitive sort: only the letters A to Z change.
QString SortLowerCase(const QString& text);

// The plain text order, code unit by code unit.
int CompareSortText(const QString& a, const QString& b);

// Numbers written with the same prefix and suffix ("5 mm" before "12 mm", "Pos 9" before
// "Pos 10"): characters that both texts share outside the digits are dropped from the front
// and the back, and what remains is compared as integers. When that is no integer, the
// text order decides. An empty text comes before any other; two empty texts are equal.
int CompareNumericExtended(const QString& s1, const QString& s2);

// Date-times in the current short date format's order of day, month and year with the
// current date separator, optionally followed by a time; a time alone also counts. The
// value is in days since 30 December 1899, the time as the fraction of a day.
bool TryStrToDateTime(const QString& text, double& value);
// Times "h", "h:m", "h:m:s" or "h:m:s.zzz" with the current time separator, optionally
// followed by AM or PM.
bool TryStrToTime(const QString& text, double& value);

// One key text prepared for comparing: the (lower-cased) text and, for the converting
// styles, its value.
struct TSortKeyValue {
    QString Text;
    double Value = 0;
    bool Valid = false;
};

TSortKeyValue ParseSortKey(const QString& text, TSortStyle style, bool caseSensitive);

// The comparison of two prepared keys under a style, without direction or tie-break.
// ssCustom without a function compares as text.
int CompareSortKeys(const TSortKeyValue& a, const TSortKeyValue& b, TSortStyle style,
                    const TSortCompareFunc& custom);

// The two texts as one sort pass compares them.
int CompareSortTexts(const QString& a, const QString& b, TSortStyle style, bool caseSensitive,
                     const TSortCompareFunc& custom = {});

// ssNumeric when every text is a number, else ssDateTime when every one is a date-time,
// else ssTime when every one is a time, else ssNormal.
TSortStyle DetectSortStyle(int count, const std::function<QString(int index)>& text);
