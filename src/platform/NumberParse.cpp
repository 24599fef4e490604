#include "platform/NumberParse.h"

#include "platform/Exceptions.h"
#include "platform/FormatSettings.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <string>

namespace {

bool IsBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Checks the text against the strict grammar and rewrites it as plain ASCII with a '.'
// separator, so the conversion never depends on the C library's locale.
bool Normalize(QStringView text, QChar decimalSeparator, std::string& out)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && IsBlank(text.at(i)))
        ++i;
    qsizetype end = n;
    while (end > i && IsBlank(text.at(end - 1)))
        --end;
    if (i == end)
        return false;

    out.clear();
    if (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')) {
        if (text.at(i) == QLatin1Char('-'))
            out.push_back('-');
        ++i;
    }
    int mantissaDigits = 0;
    bool separatorSeen = false;
    for (; i < end; ++i) {
        const QChar c = text.at(i);
        if (IsDigit(c)) {
            out.push_back(static_cast<char>(c.unicode()));
            ++mantissaDigits;
        } else if (c == decimalSeparator && !separatorSeen) {
            out.push_back('.');
            separatorSeen = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return false;
    if (i < end && (text.at(i) == QLatin1Char('e') || text.at(i) == QLatin1Char('E'))) {
        out.push_back('e');
        ++i;
        if (i < end && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
            out.push_back(static_cast<char>(text.at(i).unicode()));
            ++i;
        }
        int exponentDigits = 0;
        for (; i < end && IsDigit(text.at(i)); ++i) {
            out.push_back(static_cast<char>(text.at(i).unicode()));
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return false;
    }
    return i == end;
}

// Whether a normalized text that does not fit the type is too small rather than too large:
// its decimal magnitude (position of the first significant digit plus the exponent) is
// negative.
bool IsUnderflow(const std::string& ascii)
{
    long long position = 0;  // digits before the point, counted from the first significant one
    bool significant = false;
    bool afterPoint = false;
    size_t i = ascii.front() == '-' ? 1 : 0;
    for (; i < ascii.size() && ascii[i] != 'e'; ++i) {
        const char c = ascii[i];
        if (c == '.') {
            afterPoint = true;
        } else if (!significant && c == '0') {
            if (afterPoint)
                --position;
        } else {
            significant = true;
            if (!afterPoint)
                ++position;
        }
    }
    long long exponent = 0;
    if (i < ascii.size()) {
        bool negative = false;
        for (++i; i < ascii.size(); ++i) {
            if (ascii[i] == '-')
                negative = true;
            else if (ascii[i] != '+' && exponent < 1000000000)
                exponent = exponent * 10 + (ascii[i] - '0');
        }
        if (negative)
            exponent = -exponent;
    }
    return !significant || position + exponent < 0;
}

template <class Float>
bool ParseFloat(QStringView text, Float& value, QChar decimalSeparator)
{
    std::string ascii;
    if (!Normalize(text, decimalSeparator, ascii))
        return false;
    Float parsed = 0;
    const char* first = ascii.data();
    const char* last = ascii.data() + ascii.size();
    const auto result = std::from_chars(first, last, parsed, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Out of range leaves the value untouched: an overflow is no number, an underflow
        // is a (signed) zero.
        if (!IsUnderflow(ascii))
            return false;
        parsed = ascii.front() == '-' ? -Float(0) : Float(0);
    } else if (result.ec != std::errc() || result.ptr != last) {
        return false;
    }
    if (!std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

bool ParseLongDouble(QStringView text, long double& value, QChar decimalSeparator)
{
    return ParseFloat(text, value, decimalSeparator);
}

}  // namespace

bool TryStrToFloat(const QString& text, long double& value, QChar decimalSeparator)
{
    return ParseLongDouble(text, value, decimalSeparator);
}

bool TryStrToFloat(const QString& text, long double& value)
{
    return ParseLongDouble(text, value, FormatSettings().DecimalSeparator);
}

bool TryStrToFloat(const QString& text, double& value, QChar decimalSeparator)
{
    long double parsed = 0;
    if (!ParseLongDouble(text, parsed, decimalSeparator))
        return false;
    const double narrowed = static_cast<double>(parsed);
    if (!std::isfinite(narrowed))
        return false;
    value = narrowed;
    return true;
}

bool TryStrToFloat(const QString& text, double& value)
{
    return TryStrToFloat(QStringView(text), value);
}

bool TryStrToFloat(QStringView text, double& value)
{
    // Straight to double: the long double conversion is several times slower.
    return ParseFloat(text, value, FormatSettings().DecimalSeparator);
}

double StrToFloat(const QString& text)
{
    double value = 0;
    if (!TryStrToFloat(text, value))
        throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return value;
}

bool TryStrToInt(const QString& text, int& value)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && IsBlank(text.at(i)))
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    int base = 10;
    if (i < n && text.at(i) == QLatin1Char('$')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text.at(i) == QLatin1Char('0')
               && (text.at(i + 1) == QLatin1Char('x') || text.at(i + 1) == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
    if (i == n)
        return false;
    // Decimal values must fit a signed 32-bit integer; hexadecimal ones may use all 32 bits.
    const unsigned long long limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    unsigned long long magnitude = 0;
    for (; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            return false;
        magnitude = magnitude * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
        if (magnitude > limit)
            return false;
    }
    const auto bits = static_cast<unsigned>(magnitude);
    value = static_cast<int>(negative ? 0u - bits : bits);
    return true;
}

int StrToIntDef(const QString& text, int defaultValue)
{
    int value = 0;
    return TryStrToInt(text, value) ? value : defaultValue;
}

int StrToInt(const QString& text)
{
    int value = 0;
    if (!TryStrToInt(text, value))
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
}
