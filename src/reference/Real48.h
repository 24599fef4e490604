#pragma once
// The firmware's 6-byte real: byte 0 is the exponent biased by 129 (0 means the value 0),
// bytes 1..5 a 39-bit fraction, least significant byte first, with the sign in the top bit
// of byte 5. Value = (-1)^sign * 2^(exponent - 129) * (1 + fraction / 2^39).
//
// The codec is constexpr so that the library's tables are built by the compiler.

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>

using tReal48 = std::array<std::uint8_t, 6>;
static_assert(sizeof(tReal48) == 6);

// The value of a 6-byte real, exactly (every 6-byte real fits a long double).
constexpr long double Real48ToLongDouble(const tReal48& r)
{
    if (r[0] == 0)
        return 0.0L;
    std::uint64_t mantissa = (std::uint64_t{1} << 39) | r[1] | (std::uint64_t{r[2]} << 8)
        | (std::uint64_t{r[3]} << 16) | (std::uint64_t{r[4]} << 24)
        | (std::uint64_t{static_cast<std::uint8_t>(r[5] & 0x7F)} << 32);
    long double value = static_cast<long double>(mantissa);
    int shift = int{r[0]} - 129 - 39;
    if (std::is_constant_evaluated()) {
        for (; shift > 0; --shift)
            value *= 2.0L;
        for (; shift < 0; ++shift)
            value /= 2.0L;
    } else {
        value = std::ldexp(value, shift);
    }
    return (r[5] & 0x80) != 0 ? -value : value;
}

// The nearest 6-byte real (ties to an even fraction). A fraction that rounds up to 2^39
// carries into the exponent. Magnitudes below the smallest real become 0, those above the
// largest (and infinities) saturate to the largest; NaN becomes 0.
constexpr tReal48 LongDoubleToReal48(long double value)
{
    tReal48 r{};
    if (!(value == value) || value == 0.0L)
        return r;
    const bool negative = value < 0.0L;
    long double m = negative ? -value : value;
    int exponent = 0;  // m = mantissa * 2^exponent, mantissa in [1, 2)
    const bool saturate = m > std::numeric_limits<long double>::max();
    if (saturate) {
        m = 1.0L;  // only the saturated bit pattern below is used
    } else {
        if (std::is_constant_evaluated()) {
            while (m >= 2.0L) {
                m /= 2.0L;
                ++exponent;
            }
            while (m < 1.0L) {
                m *= 2.0L;
                --exponent;
            }
        } else {
            m = std::frexp(m, &exponent) * 2.0L;
            --exponent;
        }
    }
    // (m - 1) * 2^39 is exact: a long double carries 64 significant bits.
    long double scaled = (m - 1.0L) * 549755813888.0L;
    std::uint64_t fraction = static_cast<std::uint64_t>(scaled);
    const long double rest = scaled - static_cast<long double>(fraction);
    if (rest > 0.5L || (rest == 0.5L && (fraction & 1) != 0))
        ++fraction;
    if (fraction == (std::uint64_t{1} << 39)) {
        fraction = 0;
        ++exponent;
    }
    int biased = exponent + 129;
    if (biased < 1)
        return r;
    if (saturate || biased > 255) {
        biased = 255;
        fraction = (std::uint64_t{1} << 39) - 1;
    }
    r[0] = static_cast<std::uint8_t>(biased);
    for (int i = 1; i <= 5; ++i)
        r[i] = static_cast<std::uint8_t>(fraction >> (8 * (i - 1)));
    if (negative)
        r[5] = static_cast<std::uint8_t>(r[5] | 0x80);
    return r;
}

constexpr tReal48 DoubleToReal48(double value)
{
    return LongDoubleToReal48(value);
}
