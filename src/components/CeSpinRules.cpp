#include "components/CeSpinRules.h"

#include "platform/FormatSettings.h"
#include "platform/NumberFormat.h"
#include "platform/NumberParse.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr std::int64_t kInt64Max = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kInt64Min = std::numeric_limits<std::int64_t>::min();

bool IsDecimalDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int HexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

std::optional<long double> ParseDecimalInteger(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    // Accumulate the magnitude as unsigned so that the most negative value still fits.
    const unsigned long long limit = negative ? 0ull - static_cast<unsigned long long>(kInt64Min)
                                              : static_cast<unsigned long long>(kInt64Max);
    unsigned long long magnitude = 0;
    bool saturated = false;
    for (; i < text.size(); ++i) {
        if (!IsDecimalDigit(text.at(i)))
            return std::nullopt;
        const unsigned digit = text.at(i).unicode() - u'0';
        if (saturated)
            continue;
        if (magnitude > (limit - digit) / 10) {
            saturated = true;
            magnitude = limit;
        } else {
            magnitude = magnitude * 10 + digit;
        }
    }
    if (negative)
        return static_cast<long double>(static_cast<std::int64_t>(0ull - magnitude));
    return static_cast<long double>(static_cast<std::int64_t>(magnitude));
}

std::optional<long double> ParseHex(QStringView text)
{
    if (text.isEmpty())
        return std::nullopt;
    unsigned long long bits = 0;
    int significant = 0;
    for (const QChar c : text) {
        const int d = HexDigitValue(c);
        if (d < 0)
            return std::nullopt;
        if (significant == 0 && d == 0)
            continue;
        ++significant;
        bits = (bits << 4) | static_cast<unsigned>(d);
    }
    // More than 16 digits cannot be a 64-bit pattern: a number that large saturates.
    if (significant > 16)
        return static_cast<long double>(kInt64Max);
    return static_cast<long double>(static_cast<std::int64_t>(bits));
}

QString HexDigits(std::int64_t value)
{
    static const char digits[] = "0123456789ABCDEF";
    auto bits = static_cast<unsigned long long>(value);
    QString reversed;
    do {
        reversed.append(QLatin1Char(digits[bits & 0xF]));
        bits >>= 4;
    } while (bits != 0);
    std::reverse(reversed.begin(), reversed.end());
    return reversed;
}

}  // namespace

std::int64_t RoundToInt64(long double value)
{
    if (std::isnan(value))
        return 0;
    const long double rounded = std::nearbyint(value);
    // 2^63 is exactly representable; anything at or beyond it does not fit.
    if (rounded >= 9223372036854775808.0L)
        return kInt64Max;
    if (rounded <= -9223372036854775808.0L)
        return kInt64Min;
    return static_cast<std::int64_t>(rounded);
}

std::int32_t TruncToInt32(long double value)
{
    if (std::isnan(value))
        return 0;
    const long double t = std::trunc(value);
    if (t >= 2147483647.0L)
        return std::numeric_limits<std::int32_t>::max();
    if (t <= -2147483648.0L)
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(t);
}

long double CheckSpinValue(long double value, long double minValue, long double maxValue)
{
    if (maxValue != minValue) {
        if (value < minValue)
            return minValue;
        if (value > maxValue)
            return maxValue;
    }
    return value;
}

std::optional<long double> ParseSpinText(QStringView text, TValueType valueType)
{
    switch (valueType) {
    case vtFloat: {
        long double value = 0;
        if (TryStrToFloat(text.toString(), value, FormatSettings().DecimalSeparator))
            return value;
        return std::nullopt;
    }
    case vtHex:
        return ParseHex(text);
    case vtInteger:
        break;
    }
    return ParseDecimalInteger(text);
}

long double SpinTextValue(QStringView text, const TSpinFormat& format)
{
    if (const auto value = ParseSpinText(text, format.ValueType))
        return *value;
    if (format.ValueType == vtFloat)
        return format.MinValue;
    return static_cast<long double>(RoundToInt64(format.MinValue));
}

QString FormatSpinValue(long double value, const TSpinFormat& format)
{
    // A computed value that is no number is written as the value an unreadable text gives,
    // an infinite one (past any range) as the largest finite value: the field never shows
    // "NAN" or "INF", and what it shows reads back.
    if (std::isnan(value))
        value = std::isnan(format.MinValue) ? 0.0L : format.MinValue;
    long double checked = CheckSpinValue(value, format.MinValue, format.MaxValue);
    if (std::isinf(checked))
        checked = std::copysign(std::numeric_limits<long double>::max(), checked);
    switch (format.ValueType) {
    case vtFloat:
        return FloatToStrF(checked, ffFixed, 15, format.Decimal);
    case vtHex:
        return HexDigits(RoundToInt64(checked));
    case vtInteger:
        break;
    }
    return Format(QStringLiteral("%d"), {static_cast<long long>(RoundToInt64(checked))});
}

long double IntegerIncrement(long double increment)
{
    const long double rounded = std::nearbyint(increment);
    return rounded == 0 ? 1.0L : rounded;
}

bool IsValidSpinChar(QChar c, QStringView text, TValueType valueType, bool editorEnabled)
{
    const char16_t u = c.unicode();
    bool valid = u < 32 || u == u'+' || u == u'-' || IsDecimalDigit(c);
    if (!valid && valueType == vtFloat) {
        const QChar separator = FormatSettings().DecimalSeparator;
        if (c == separator && !text.contains(separator))
            valid = true;
        else if ((u == u'e' || u == u'E') && !text.contains(QLatin1Char('E'), Qt::CaseInsensitive))
            valid = true;
    }
    if (!valid && valueType == vtHex)
        valid = HexDigitValue(c) >= 10;
    if (valid && !editorEnabled && (u >= 32 || u == 8))
        valid = false;
    return valid;
}

bool IsValidSpinPaste(QStringView text, qsizetype selStart, qsizetype selLength, QStringView inserted,
                      TValueType valueType)
{
    selStart = std::clamp<qsizetype>(selStart, 0, text.size());
    selLength = std::clamp<qsizetype>(selLength, 0, text.size() - selStart);
    QString result = text.left(selStart).toString() + text.mid(selStart + selLength).toString();
    qsizetype at = selStart;
    for (const QChar c : inserted) {
        if (c.unicode() < 32 || !IsValidSpinChar(c, result, valueType, true))
            return false;
        result.insert(at++, c);
    }
    return true;
}

bool SpinHitTop(int x, int y, int width, int height)
{
    if (width <= 0)
        return false;
    return static_cast<double>(y) <= height - static_cast<double>(x) * height / width;
}

QRect SpinButtonWindowRect(QSize editSize, bool framed, bool rightToLeft)
{
    const int w = editSize.width();
    const int h = editSize.height();
    if (framed) {
        // Framed: a square three pixels shorter than the edit, one pixel below its top and
        // ending two pixels before its right edge, so the frame's outer line stays visible.
        const int side = h - 3;
        return QRect(rightToLeft ? 1 : w - h + 1, 1, side, side);
    }
    return QRect(rightToLeft ? 0 : w - h, 0, h, h);
}
