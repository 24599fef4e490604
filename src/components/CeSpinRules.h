#pragma once
// The value and text rules of the numeric spin edit, kept free of widgets so they can be
// tested on their own. The edit holds its value only as text: every read parses the text,
// every write formats it.

#include <QChar>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

// Value types, in the order the forms store them.
enum TValueType { vtInteger = 0, vtFloat = 1, vtHex = 2 };

// Step button kinds, in the order the forms store them.
enum TSpinButtonKind { bkStandard = 0, bkDiagonal = 1 };

// The range and format a spin edit reads and writes with.
struct TSpinFormat {
    TValueType ValueType = vtInteger;
    long double MinValue = 0;
    long double MaxValue = 0;
    int Decimal = 2;
};

// Rounds half to even and saturates to the 64-bit range (NaN gives 0).
std::int64_t RoundToInt64(long double value);

// Truncates toward zero and saturates to the 32-bit range (NaN gives 0).
std::int32_t TruncToInt32(long double value);

// Clamps to [MinValue, MaxValue]; equal bounds mean no range.
long double CheckSpinValue(long double value, long double minValue, long double maxValue);

// Parses the text by value type: a signed decimal integer (leading blanks allowed), a float
// with the current decimal separator, or bare hexadecimal digits (the 64-bit pattern, so
// negative values written as hex read back). Integers too large for 64 bits saturate.
// Returns nothing when the text is not a number of that type.
std::optional<long double> ParseSpinText(QStringView text, TValueType valueType);

// What the edit reads from its text: the parsed value, or MinValue (rounded for the
// integer types) when the text does not parse.
long double SpinTextValue(QStringView text, const TSpinFormat& format);

// The text written for a value: clamped, then an integer rounded half to even, a float in
// fixed notation with Decimal decimals (at most 15 significant digits; more than 15 integer
// digits give the general notation, "1E16"), or upper-case hexadecimal without prefix.
// NaN is written as MinValue; an infinite value saturates to the largest finite one.
QString FormatSpinValue(long double value, const TSpinFormat& format);

// The increment the integer types step with: rounded, and 1 where that gives 0.
long double IntegerIncrement(long double increment);

// The key filter. `text` is the edit's current text. Allowed are signs and digits, for
// floats one decimal separator and one exponent letter, for hex the letters A-F.
// Control characters (below 32) pass; with the editor disabled every character from 32 up
// and backspace are refused. (The Delete key is an editing key, not a character: the edit
// refuses it itself when the editor is disabled.)
bool IsValidSpinChar(QChar c, QStringView text, TValueType valueType, bool editorEnabled);

// Whether a paste of `inserted` over the selection [selStart, selStart + selLength) would
// pass the key filter when typed character by character. Line breaks and other control
// characters are never pasted.
bool IsValidSpinPaste(QStringView text, qsizetype selStart, qsizetype selLength, QStringView inserted,
                      TValueType valueType);

// The diagonal button's hit test: true for the top half of a Width x Height button. The
// dividing line runs from the bottom-left to the top-right corner.
bool SpinHitTop(int x, int y, int width, int height);

// Where the diagonal button's window sits in an edit of `editSize` (widget coordinates,
// frame included). In a framed edit it covers the inner right end and reaches one pixel
// into the top frame; in a frameless one it is the square at the right end. Right-to-left
// puts it at the left end.
QRect SpinButtonWindowRect(QSize editSize, bool framed, bool rightToLeft);
