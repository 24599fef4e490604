#pragma once
// Number text as the program shows and stores it everywhere, which is not what printf writes:
// - the decimal text is rounded halves away from zero on the exact decimal expansion of
//   the binary value (78.5 with 0 decimals gives "79", 0.25 with 1 decimal gives "0.3",
//   1.005 with 2 decimals gives "1.00" because the double lies below 1.005); at most 18
//   significant digits are ever written, further digits are zeros;
// - separators come from FormatSettings();
// - exponents are written "E" with a sign only when negative and without leading zeros in
//   general format, "E+ddd"/"E-ddd" (at least three digits) in exponent format.

#include <QString>

#include <initializer_list>

enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

// FloatToStrF(value, format, precision, digits):
// - ffGeneral: shortest text with at most `precision` significant digits; fixed notation
//   when the value's integer digits do not exceed the precision and |value| >= 0.00001,
//   scientific otherwise ("1E20", "1.5E-7"); trailing zeros and a bare separator removed.
//   Both tests apply to the value after rounding to `precision` digits (0.00001 gives
//   "0.00001", 0.0000099 gives "9.9E-6", 0.0000099999 with precision 4 gives "0.00001",
//   999999999999999.9 gives "1E15").
//   `digits` (0..4) is the minimum number of exponent digits.
// - ffExponent: "-d.dddE+ddd" with `precision` significant digits, `digits` (0..4) minimum
//   exponent digits.
// - ffFixed: `digits` decimals, of which only those within `precision` significant digits
//   are kept (the rest are zeros: 1234.5678 with precision 4 and 2 decimals gives
//   "1235.00"); when the value, rounded so, has more integer digits
//   than `precision`, the ffGeneral text with `precision` digits is used instead
//   (123456789.0 with precision 8 gives "1.2345679E8"). A value that rounds to zero has
//   no minus sign.
// - ffNumber: as ffFixed with thousands separators.
// - ffCurrency: as ffNumber (the program never shows currency).
// precision is clamped to 1..18 (long double), digits to 0..18. NaN gives "NAN", infinities
// "INF" / "-INF".
QString FloatToStrF(long double value, TFloatFormat format, int precision, int digits);

// FloatToStr: ffGeneral with precision 15, digits 0.
QString FloatToStr(long double value);

// One argument of Format(): an integer, a float or a text.
class FormatArg {
public:
    enum Kind { Integer, Float, Text };
    FormatArg(int v) : kind_(Integer), i_(v) {}
    FormatArg(unsigned v) : kind_(Integer), i_(v) {}
    FormatArg(long v) : kind_(Integer), i_(v) {}
    FormatArg(unsigned long v) : kind_(Integer), i_(static_cast<long long>(v)) {}
    FormatArg(long long v) : kind_(Integer), i_(v) {}
    FormatArg(double v) : kind_(Float), f_(v) {}
    FormatArg(long double v) : kind_(Float), f_(v) {}
    FormatArg(const QString& v) : kind_(Text), s_(v) {}
    FormatArg(const char* v) : kind_(Text), s_(QString::fromUtf8(v)) {}
    FormatArg(QChar v) : kind_(Text), s_(v) {}

    Kind kind() const { return kind_; }
    long long integer() const { return i_; }
    long double floating() const { return f_; }
    const QString& text() const { return s_; }

private:
    Kind kind_;
    long long i_ = 0;
    long double f_ = 0;
    QString s_;
};

// The run-time library's Format routine. Specifiers: "%" [index ":"] ["-"] [width] ["." prec]
// type, where width and prec may be "*" (taken from the next integer argument).
// - d: decimal integer; prec is the minimum digit count, zero-padded ("%0.5d" of 42 is
//   "00042"); a width pads with blanks (a leading 0 in the width is just a digit, so
//   "%06d" of 42 is "    42").
// - u: as d, unsigned. x: hexadecimal, upper case, prec as for d.
// - e: exponent format, prec = significant digits (default 15), exponent "E+ddd".
// - f: fixed, prec = decimals (default 2). g: general, prec = significant digits (default
//   15). n: as f with thousands separators. m: as n.
// - s: text; prec is the maximum length. "%%" is a percent sign.
// - width right-aligns with blanks; "-" left-aligns.
// A type that does not match its argument, or a missing argument, raises EConvertError
// ("Format '%s' invalid or incompatible with argument").
QString Format(const QString& pattern, std::initializer_list<FormatArg> args);
