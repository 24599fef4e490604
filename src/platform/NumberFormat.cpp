#include "platform/NumberFormat.h"

#include "platform/Exceptions.h"
#include "platform/FormatSettings.h"

#include <algorithm>
#include <climits>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// A finite value as significant decimal digits: value = 0.d1d2d3... * 10^exponent.
// No digits means zero.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

constexpr int kMaxPrecision = 18;
constexpr int kNoDecimalLimit = INT_MAX / 4;

// Significant digits of |value| as printf writes them with `precision` digits after the
// first: "d.ddde±x".
Decimal PrintedDigits(long double magnitude, int precision)
{
    char small[96];
    std::vector<char> large;
    char* buffer = small;
    size_t size = sizeof small;
    if (static_cast<size_t>(precision) + 32 > size) {
        large.resize(static_cast<size_t>(precision) + 32);
        buffer = large.data();
        size = large.size();
    }
    const int length = std::snprintf(buffer, size, "%.*Le", precision, magnitude);
    const char* text = buffer;
    Decimal d;
    const char* e = std::find(text, text + length, 'e');
    d.digits.push_back(text[0]);
    if (e - text > 2)
        d.digits.append(text + 2, e);
    d.exponent = std::atoi(e + 1) + 1;
    return d;
}

// The number of significant digits of the exact decimal expansion of a positive value whose
// first digit stands at `exponent` (0.d * 10^exponent), or an upper bound of it: a binary
// fraction with b bits after the point has exactly b decimals.
int ExactDigitCount(long double magnitude, int exponent)
{
    static_assert(LDBL_MANT_DIG <= 64, "the mantissa must fit 64 bits");
    int binaryExponent = 0;
    const long double fraction = std::frexp(magnitude, &binaryExponent);
    auto mantissa = static_cast<unsigned long long>(std::ldexp(fraction, LDBL_MANT_DIG));
    int bitsAfterPoint = LDBL_MANT_DIG - binaryExponent;
    while (bitsAfterPoint > 0 && (mantissa & 1u) == 0) {
        mantissa >>= 1;
        --bitsAfterPoint;
    }
    return std::max(exponent + std::max(bitsAfterPoint, 0), 1) + 1;
}

// Rounds halves away from zero at `keep` significant digits of a digit string.
void RoundDigits(Decimal& d, int keep, bool up)
{
    if (keep <= 0) {
        d.digits = up ? "1" : "";
        if (up)
            d.exponent += 1 - keep;
        return;
    }
    d.digits.resize(static_cast<size_t>(keep), '0');
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[static_cast<size_t>(i)] == '9') {
            d.digits[static_cast<size_t>(i)] = '0';
            --i;
        }
        if (i < 0) {
            d.digits.insert(d.digits.begin(), '1');
            d.digits.pop_back();
            ++d.exponent;
        } else {
            ++d.digits[static_cast<size_t>(i)];
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
}

// The value rounded to at most `significant` digits and at most `decimals` digits after the
// decimal point, halves away from zero, decided on the exact decimal expansion of the binary
// value (a double passed in is exact in long double).
Decimal RoundedDecimal(long double value, int significant, int decimals)
{
    Decimal d;
    d.negative = std::signbit(value);
    const long double magnitude = std::fabs(value);
    if (magnitude == 0)
        return d;

    // 41 digits decide every case except a printed tail of exactly "5000...": that one may
    // be a true tie or printf's own rounding of a nearby value, so it is settled on the
    // complete expansion.
    constexpr int kProbeDigits = 40;
    Decimal probe = PrintedDigits(magnitude, kProbeDigits);
    int keep = std::min(significant, probe.exponent + std::min(decimals, kNoDecimalLimit));
    if (keep < 0)
        return d;
    auto tail = [&](const Decimal& x) {
        return static_cast<size_t>(keep) < x.digits.size() ? x.digits.substr(static_cast<size_t>(keep)) : std::string();
    };
    std::string rest = tail(probe);
    bool up = !rest.empty() && rest[0] >= '5';
    if (!rest.empty() && rest[0] == '5' && rest.find_first_not_of('0', 1) == std::string::npos) {
        probe = PrintedDigits(magnitude, ExactDigitCount(magnitude, probe.exponent) - 1);
        keep = std::min(significant, probe.exponent + std::min(decimals, kNoDecimalLimit));
        if (keep < 0)
            return d;
        rest = tail(probe);
        up = !rest.empty() && rest[0] >= '5';
    }
    RoundDigits(probe, keep, up);
    d.digits = probe.digits;
    d.exponent = probe.exponent;
    return d;
}

QString SpecialText(long double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

QString ExponentText(int exponent, bool alwaysSign, int minDigits)
{
    QString text;
    if (exponent < 0)
        text += QLatin1Char('-');
    else if (alwaysSign)
        text += QLatin1Char('+');
    QString number = QString::fromLatin1(std::to_string(std::abs(exponent)));
    while (number.size() < minDigits)
        number.prepend(QLatin1Char('0'));
    return QLatin1Char('E') + text + number;
}

QString Digits(const std::string& digits, size_t from, size_t to)
{
    QString text;
    for (size_t i = from; i < to; ++i)
        text += QLatin1Char(i < digits.size() ? digits[i] : '0');
    return text;
}

QString GroupThousands(const QString& integer)
{
    const QChar separator = FormatSettings().ThousandSeparator;
    QString grouped;
    const qsizetype n = integer.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            grouped += separator;
        grouped += integer.at(i);
    }
    return grouped;
}

QString General(long double value, int precision, int exponentDigits)
{
    const Decimal d = RoundedDecimal(value, precision, kNoDecimalLimit);
    if (d.digits.empty())
        return QStringLiteral("0");
    const QChar separator = FormatSettings().DecimalSeparator;
    QString text = d.negative ? QStringLiteral("-") : QString();
    const size_t n = d.digits.size();
    // Scientific when the rounded value has more integer digits than the precision or lies
    // below 0.00001 (0.d * 10^exponent with exponent < -4): the run-time library's documented
    // rule, one decade below printf's %g.
    if (d.exponent > precision || d.exponent < -4) {
        text += QLatin1Char(d.digits[0]);
        if (n > 1)
            text += separator + Digits(d.digits, 1, n);
        return text + ExponentText(d.exponent - 1, false, exponentDigits);
    }
    if (d.exponent <= 0) {
        text += QLatin1Char('0') + QString(separator) + QString(-d.exponent, QLatin1Char('0'))
                + Digits(d.digits, 0, n);
        return text;
    }
    const auto integerDigits = static_cast<size_t>(d.exponent);
    text += Digits(d.digits, 0, integerDigits);
    if (n > integerDigits)
        text += separator + Digits(d.digits, integerDigits, n);
    return text;
}

QString Exponent(long double value, int precision, int exponentDigits)
{
    const Decimal d = RoundedDecimal(value, precision, kNoDecimalLimit);
    QString text = d.negative && !d.digits.empty() ? QStringLiteral("-") : QString();
    const auto p = static_cast<size_t>(precision);
    text += QLatin1Char(d.digits.empty() ? '0' : d.digits[0]);
    if (p > 1)
        text += FormatSettings().DecimalSeparator + Digits(d.digits, 1, p);
    return text + ExponentText(d.digits.empty() ? 0 : d.exponent - 1, true, exponentDigits);
}

QString Fixed(long double value, int precision, int decimals, bool thousands)
{
    // At most `precision` significant digits survive; the remaining decimals are zeros.
    const Decimal d = RoundedDecimal(value, precision, decimals);
    if (!d.digits.empty() && d.exponent > precision)
        return General(value, precision, 0);
    QString text = d.negative && !d.digits.empty() ? QStringLiteral("-") : QString();
    QString integer = d.exponent > 0 && !d.digits.empty()
                          ? Digits(d.digits, 0, static_cast<size_t>(d.exponent))
                          : QStringLiteral("0");
    text += thousands ? GroupThousands(integer) : integer;
    if (decimals > 0) {
        text += FormatSettings().DecimalSeparator;
        for (int i = 0; i < decimals; ++i) {
            const int index = d.exponent + i;  // position in the digit string
            text += QLatin1Char(index >= 0 && static_cast<size_t>(index) < d.digits.size()
                                    ? d.digits[static_cast<size_t>(index)]
                                    : '0');
        }
    }
    return text;
}

}  // namespace

QString FloatToStrF(long double value, TFloatFormat format, int precision, int digits)
{
    if (!std::isfinite(value))
        return SpecialText(value);
    precision = std::clamp(precision, 1, kMaxPrecision);
    switch (format) {
    case ffExponent:
        return Exponent(value, precision, std::clamp(digits, 0, 4));
    case ffFixed:
        return Fixed(value, precision, std::clamp(digits, 0, kMaxPrecision), false);
    case ffNumber:
    case ffCurrency:
        return Fixed(value, precision, std::clamp(digits, 0, kMaxPrecision), true);
    case ffGeneral:
        break;
    }
    return General(value, precision, std::clamp(digits, 0, 4));
}

QString FloatToStr(long double value)
{
    return FloatToStrF(value, ffGeneral, 15, 0);
}

namespace {

[[noreturn]] void FormatError(const QString& pattern)
{
    throw EConvertError(QStringLiteral("Format '%1' invalid or incompatible with argument").arg(pattern));
}

QString IntegerDigits(unsigned long long magnitude, int base)
{
    if (magnitude == 0)
        return QStringLiteral("0");
    QString text;
    while (magnitude > 0) {
        const auto digit = static_cast<int>(magnitude % static_cast<unsigned>(base));
        text.prepend(QLatin1Char("0123456789ABCDEF"[digit]));
        magnitude /= static_cast<unsigned>(base);
    }
    return text;
}

// Negative values given to an unsigned or hexadecimal specifier are shown as their 32-bit
// pattern when they fit one: the program's integers are 32 bits wide, so -1 shows as
// FFFFFFFF, not as a 64-bit pattern.
unsigned long long UnsignedBits(long long value)
{
    if (value < 0 && value >= INT_MIN)
        return static_cast<unsigned long long>(value) & 0xFFFFFFFFull;
    return static_cast<unsigned long long>(value);
}

}  // namespace

QString Format(const QString& pattern, std::initializer_list<FormatArg> args)
{
    const std::vector<FormatArg> list(args);
    size_t next = 0;
    auto take = [&]() -> const FormatArg& {
        if (next >= list.size())
            FormatError(pattern);
        return list[next++];
    };
    auto takeInteger = [&]() -> int {
        const FormatArg& arg = take();
        if (arg.kind() != FormatArg::Integer)
            FormatError(pattern);
        // Widths and precisions beyond any sensible text are cut, so a wild argument cannot
        // ask for gigabytes of padding.
        return static_cast<int>(std::clamp(arg.integer(), -100000LL, 100000LL));
    };

    QString out;
    const qsizetype n = pattern.size();
    qsizetype i = 0;
    auto readNumber = [&]() -> int {
        int number = 0;
        while (i < n && pattern.at(i).isDigit() && pattern.at(i).unicode() < 128) {
            number = std::min(number * 10 + (pattern.at(i).unicode() - u'0'), 100000);
            ++i;
        }
        return number;
    };
    auto atDigit = [&]() { return i < n && pattern.at(i) >= QLatin1Char('0') && pattern.at(i) <= QLatin1Char('9'); };

    while (i < n) {
        const QChar c = pattern.at(i++);
        if (c != QLatin1Char('%')) {
            out += c;
            continue;
        }
        if (i >= n)
            FormatError(pattern);
        if (pattern.at(i) == QLatin1Char('%')) {
            out += QLatin1Char('%');
            ++i;
            continue;
        }

        // [index ":"] ["-"] [width] ["." prec] type
        int width = 0;
        bool hasWidth = false;
        bool left = false;
        if (pattern.at(i) == QLatin1Char('*') || atDigit()) {
            int number;
            if (pattern.at(i) == QLatin1Char('*')) {
                ++i;
                number = takeInteger();
            } else {
                number = readNumber();
            }
            if (i < n && pattern.at(i) == QLatin1Char(':')) {
                ++i;
                if (number < 0)
                    FormatError(pattern);
                next = static_cast<size_t>(number);
            } else {
                width = number;
                hasWidth = true;
            }
        }
        if (!hasWidth) {
            if (i < n && pattern.at(i) == QLatin1Char('-')) {
                left = true;
                ++i;
            }
            if (i < n && pattern.at(i) == QLatin1Char('*')) {
                ++i;
                width = takeInteger();
            } else if (atDigit()) {
                width = readNumber();
            }
        }
        if (width < 0) {
            left = true;
            width = -width;
        }
        int precision = -1;
        if (i < n && pattern.at(i) == QLatin1Char('.')) {
            ++i;
            if (i < n && pattern.at(i) == QLatin1Char('*')) {
                ++i;
                precision = takeInteger();
            } else {
                precision = readNumber();
            }
        }
        if (i >= n)
            FormatError(pattern);
        const char16_t type = pattern.at(i++).toLower().unicode();

        QString text;
        const FormatArg& arg = take();
        switch (type) {
        case u'd':
        case u'u':
        case u'x': {
            if (arg.kind() != FormatArg::Integer)
                FormatError(pattern);
            const long long v = arg.integer();
            bool negative = false;
            unsigned long long magnitude;
            if (type == u'd') {
                negative = v < 0;
                magnitude = negative ? 0ull - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
            } else {
                magnitude = UnsignedBits(v);
            }
            text = IntegerDigits(magnitude, type == u'x' ? 16 : 10);
            if (precision > text.size())
                text.prepend(QString(precision - text.size(), QLatin1Char('0')));
            if (negative)
                text.prepend(QLatin1Char('-'));
            break;
        }
        case u'e':
        case u'f':
        case u'g':
        case u'n':
        case u'm': {
            if (arg.kind() != FormatArg::Float)
                FormatError(pattern);
            const long double v = arg.floating();
            switch (type) {
            case u'e':
                text = FloatToStrF(v, ffExponent, precision < 0 ? 15 : precision, 3);
                break;
            case u'f':
                text = FloatToStrF(v, ffFixed, kMaxPrecision, precision < 0 ? 2 : precision);
                break;
            case u'g':
                text = FloatToStrF(v, ffGeneral, precision < 0 ? 15 : precision, 0);
                break;
            default:
                text = FloatToStrF(v, ffNumber, kMaxPrecision, precision < 0 ? 2 : precision);
                break;
            }
            break;
        }
        case u's':
            if (arg.kind() != FormatArg::Text)
                FormatError(pattern);
            text = arg.text();
            if (precision >= 0 && text.size() > precision)
                text.truncate(precision);
            break;
        default:
            FormatError(pattern);
        }
        if (width > text.size()) {
            const QString pad(width - text.size(), QLatin1Char(' '));
            text = left ? text + pad : pad + text;
        }
        out += text;
    }
    return out;
}
