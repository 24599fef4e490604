#include "reference/CoeffSet.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr long double Ulp = 1.0L / 549755813888.0L;  // 2^-39

TEST(Real48, ExactBytesBothWays)
{
    const struct { long double value; tReal48 bytes; } cases[] = {
        {1.0L, {0x81, 0, 0, 0, 0, 0}},          {-1.0L, {0x81, 0, 0, 0, 0, 0x80}},
        {0.5L, {0x80, 0, 0, 0, 0, 0}},          {1.5L, {0x81, 0, 0, 0, 0, 0x40}},
        {100.0L, {0x87, 0, 0, 0, 0, 0x48}},     {-100.0L, {0x87, 0, 0, 0, 0, 0xC8}},
        {1.0L + Ulp, {0x81, 1, 0, 0, 0, 0}},    {2.0L - Ulp, {0x81, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}},
        {std::ldexp(1.0L, -128), {0x01, 0, 0, 0, 0, 0}},
        {std::ldexp(2.0L - Ulp, 126), {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}},
        {0.0L, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LongDoubleToReal48(c.value), c.bytes) << static_cast<double>(c.value);
        EXPECT_EQ(Real48ToLongDouble(c.bytes), c.value) << static_cast<double>(c.value);
    }
    EXPECT_EQ(DoubleToReal48(-0.0), tReal48{});
    // Exponent 0 means 0 whatever the fraction holds.
    EXPECT_EQ(Real48ToLongDouble(tReal48{0, 0xFF, 1, 2, 3, 0x84}), 0.0L);
    // Decoding and encoding again gives the same bytes, at compile time as at run time.
    constexpr tReal48 pi = LongDoubleToReal48(3.14159265358979323846L);
    static_assert(LongDoubleToReal48(Real48ToLongDouble(pi)) == pi);
    EXPECT_EQ(LongDoubleToReal48(3.14159265358979323846L), pi);
    EXPECT_NEAR(static_cast<double>(Real48ToLongDouble(pi)), 3.14159265358979, 4e-12);
}

TEST(Real48, RoundsToNearestWithCarryIntoTheExponent)
{
    // Half a unit above 1 is a tie: the even fraction (0) wins; 1.5 units round up.
    EXPECT_EQ(LongDoubleToReal48(1.0L + Ulp / 2), DoubleToReal48(1.0));
    EXPECT_EQ(LongDoubleToReal48(1.0L + 3 * Ulp / 2), LongDoubleToReal48(1.0L + 2 * Ulp));
    EXPECT_EQ(LongDoubleToReal48(1.0L + Ulp / 2 + Ulp / 1024), LongDoubleToReal48(1.0L + Ulp));
    EXPECT_EQ(LongDoubleToReal48(1.0L + Ulp / 2 - Ulp / 1024), DoubleToReal48(1.0));
    // All fraction bits set and rounding up: the fraction overflows into the exponent.
    EXPECT_EQ(LongDoubleToReal48(2.0L - Ulp / 4), (tReal48{0x82, 0, 0, 0, 0, 0}));
    EXPECT_EQ(LongDoubleToReal48(-(4.0L - Ulp)), (tReal48{0x83, 0, 0, 0, 0, 0x80}));
}

TEST(Real48, OutOfRangeSaturatesOrFlushes)
{
    const tReal48 largest{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F};
    EXPECT_TRUE(DoubleToReal48(1e300) == largest && DoubleToReal48(HUGE_VAL) == largest);
    EXPECT_EQ(DoubleToReal48(-1e300), (tReal48{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_TRUE(DoubleToReal48(1e-300) == tReal48{} && DoubleToReal48(std::nan("")) == tReal48{});
    // Just below the smallest real, rounding carries it up to the smallest.
    EXPECT_EQ(LongDoubleToReal48(std::ldexp(2.0L - Ulp / 4, -129)), (tReal48{0x01, 0, 0, 0, 0, 0}));
}

TEST(CoeffSet, LayoutAndBuilder)
{
    // As the files hold it: the type byte, then five 6-byte reals.
    tCoeffSet set = MakeCoeffSet(9, {0.5332L, 0.0228L});
    set.SetCoeff(4, -20);
    const auto* bytes = reinterpret_cast<const unsigned char*>(&set);
    EXPECT_TRUE(bytes[0] == 9 && bytes[25] == 0x85 && bytes[30] == 0xA0);  // -20 = -1.25 * 2^4
    EXPECT_NEAR(static_cast<double>(set.Coeff(1)), 0.0228, 1e-13);
    EXPECT_TRUE(set.K[2] == tReal48{} && set.Coeff(5) == 0 && set.Coeff(-1) == 0);
}

}  // namespace
