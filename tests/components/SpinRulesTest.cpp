#include "components/CeSpinRules.h"

#include "platform/FormatSettings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TSpinFormat Fmt(TValueType type, long double minValue = 0, long double maxValue = 0, int decimals = 2)
{
    return TSpinFormat{type, minValue, maxValue, decimals};
}

TFormatSettings Comma()
{
    TFormatSettings comma;
    comma.DecimalSeparator = QLatin1Char(',');
    comma.ThousandSeparator = QLatin1Char('.');
    return comma;
}

constexpr long double kMax64 = static_cast<long double>(std::numeric_limits<std::int64_t>::max());
constexpr long double kMin64 = static_cast<long double>(std::numeric_limits<std::int64_t>::min());

class SpinRules : public ::testing::Test {
protected:
    FormatSettingsScope scope_{TFormatSettings{}};
};

TEST_F(SpinRules, TextPerValueType)
{
    // Integers round halves to even; floats show Decimal places rounded halves away from zero.
    EXPECT_EQ(FormatSpinValue(2.5L, Fmt(vtInteger)), "2");
    EXPECT_EQ(FormatSpinValue(3.5L, Fmt(vtInteger)), "4");
    EXPECT_EQ(FormatSpinValue(-2.5L, Fmt(vtInteger)), "-2");
    EXPECT_EQ(FormatSpinValue(1, Fmt(vtFloat)), "1.00");
    EXPECT_EQ(FormatSpinValue(-0.125L, Fmt(vtFloat)), "-0.13");
    EXPECT_EQ(FormatSpinValue(2.5L, Fmt(vtFloat, 0, 0, 0)), "3");
    // Many decimals: at most 15 significant digits, the remaining decimals zeros.
    EXPECT_EQ(FormatSpinValue(1.0L / 3, Fmt(vtFloat, 0, 0, 18)), "0.333333333333333000");
    EXPECT_EQ(FormatSpinValue(2.0L / 3, Fmt(vtFloat, 0, 0, 18)), "0.666666666666667000");
    EXPECT_EQ(FormatSpinValue(1234567890.123456789L, Fmt(vtFloat, 0, 0, 10)), "1234567890.1234600000");
    EXPECT_EQ(FormatSpinValue(0.000123456789012345678L, Fmt(vtFloat, 0, 0, 18)), "0.000123456789012346");
    // More than 15 integer digits (after rounding) turn to the general notation.
    EXPECT_EQ(FormatSpinValue(999999999999999.0L, Fmt(vtFloat, 0, 0, 1)), "999999999999999.0");
    EXPECT_EQ(FormatSpinValue(999999999999999.5L, Fmt(vtFloat, 0, 0, 1)), "1E15");
    EXPECT_EQ(SpinTextValue(u"1E16", Fmt(vtFloat)), 1e16L);
    EXPECT_EQ(FormatSpinValue(26, Fmt(vtHex)), "1A");
    EXPECT_EQ(FormatSpinValue(25.5L, Fmt(vtHex)), "1A");
    // Negative hex values are their 64-bit pattern, and read back.
    EXPECT_EQ(FormatSpinValue(-1, Fmt(vtHex)), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(SpinTextValue(u"FFFFFFFFFFFFFFFF", Fmt(vtHex)), -1.0L);
    EXPECT_EQ(SpinTextValue(u"1a", Fmt(vtHex)), 26.0L);

    FormatSettingsScope comma(Comma());
    EXPECT_EQ(FormatSpinValue(1234.5L, Fmt(vtFloat)), "1234,50");
    EXPECT_EQ(SpinTextValue(u"2,75", Fmt(vtFloat)), 2.75L);
    EXPECT_EQ(SpinTextValue(u"2.75", Fmt(vtFloat, -1)), -1.0L);
}

TEST_F(SpinRules, UnparseableTextReadsAsMinValueRoundedForIntegerTypes)
{
    EXPECT_EQ(SpinTextValue(u"12abc", Fmt(vtInteger, 2.5L, 10)), 2.0L);
    EXPECT_EQ(SpinTextValue(u"12xyz", Fmt(vtHex, 3.5L, 10)), 4.0L);
    EXPECT_EQ(SpinTextValue(u"1.2.3", Fmt(vtFloat, 2.5L, 10)), 2.5L);
    EXPECT_EQ(SpinTextValue(u"-", Fmt(vtInteger)), 0.0L);
    EXPECT_FALSE(ParseSpinText(u"1.5", vtInteger));
    EXPECT_FALSE(ParseSpinText(u"42 ", vtInteger));
    EXPECT_FALSE(ParseSpinText(u"$1A", vtHex));
    EXPECT_FALSE(ParseSpinText(u"-1A", vtHex));
    EXPECT_FALSE(ParseSpinText(u"", vtHex));
    EXPECT_EQ(*ParseSpinText(u"  +42", vtInteger), 42.0L);
    EXPECT_EQ(*ParseSpinText(u"1e3", vtFloat), 1000.0L);
}

TEST_F(SpinRules, IntegersAreSixtyFourBitAndSaturate)
{
    EXPECT_EQ(*ParseSpinText(u"9223372036854775807", vtInteger), kMax64);
    EXPECT_EQ(*ParseSpinText(u"9223372036854775808", vtInteger), kMax64);
    EXPECT_EQ(*ParseSpinText(u"-9223372036854775809", vtInteger), kMin64);
    EXPECT_EQ(*ParseSpinText(u"1FFFFFFFFFFFFFFFF", vtHex), kMax64);
    EXPECT_EQ(FormatSpinValue(1e30L, Fmt(vtInteger)), "9223372036854775807");
    EXPECT_EQ(FormatSpinValue(-1e30L, Fmt(vtInteger)), "-9223372036854775808");
    EXPECT_EQ(FormatSpinValue(4294967296.0L, Fmt(vtInteger)), "4294967296");
    EXPECT_EQ(RoundToInt64(std::numeric_limits<long double>::quiet_NaN()), 0);

    EXPECT_EQ(TruncToInt32(3e9L), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(TruncToInt32(-3e9L), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(TruncToInt32(-2.7L), -2);
}

TEST_F(SpinRules, ValuesThatAreNoNumberNeverShowAsSuch)
{
    const long double inf = std::numeric_limits<long double>::infinity();
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    EXPECT_EQ(FormatSpinValue(nan, Fmt(vtFloat, 1.5L, 10)), "1.50");
    EXPECT_EQ(FormatSpinValue(nan, Fmt(vtInteger, 2.5L, 10)), "2");
    EXPECT_EQ(FormatSpinValue(inf, Fmt(vtFloat, 1.5L, 10)), "10.00");
    EXPECT_EQ(FormatSpinValue(-inf, Fmt(vtInteger)), "-9223372036854775808");
    const QString huge = FormatSpinValue(inf, Fmt(vtFloat));
    EXPECT_EQ(huge, "1.18973149535723E4932");
    EXPECT_TRUE(std::isfinite(SpinTextValue(huge, Fmt(vtFloat))));
    EXPECT_EQ(FormatSpinValue(-inf, Fmt(vtFloat)), "-1.18973149535723E4932");
}

TEST_F(SpinRules, ClampingNeedsDistinctBounds)
{
    EXPECT_EQ(CheckSpinValue(11, 0, 10), 10.0L);
    EXPECT_EQ(CheckSpinValue(-1, 0, 10), 0.0L);
    EXPECT_EQ(CheckSpinValue(-1e6L, 5, 5), -1e6L);
    EXPECT_EQ(FormatSpinValue(12.345L, Fmt(vtFloat, 0, 10)), "10.00");
}

TEST_F(SpinRules, IntegerIncrementIsRoundedAndNeverZero)
{
    EXPECT_EQ(IntegerIncrement(0.4L), 1.0L);
    EXPECT_EQ(IntegerIncrement(-0.4L), 1.0L);
    EXPECT_EQ(IntegerIncrement(2.5L), 2.0L);
    EXPECT_EQ(IntegerIncrement(3.5L), 4.0L);
}

TEST_F(SpinRules, KeyFilter)
{
    EXPECT_TRUE(IsValidSpinChar(QLatin1Char('-'), u"", vtInteger, true));
    EXPECT_FALSE(IsValidSpinChar(QLatin1Char('.'), u"", vtInteger, true));
    EXPECT_FALSE(IsValidSpinChar(QLatin1Char('e'), u"", vtInteger, true));
    // One separator and one exponent letter for floats.
    EXPECT_TRUE(IsValidSpinChar(QLatin1Char('.'), u"12", vtFloat, true));
    EXPECT_FALSE(IsValidSpinChar(QLatin1Char('.'), u"1.2", vtFloat, true));
    EXPECT_TRUE(IsValidSpinChar(QLatin1Char('E'), u"1.5", vtFloat, true));
    EXPECT_FALSE(IsValidSpinChar(QLatin1Char('E'), u"1.5e", vtFloat, true));
    EXPECT_FALSE(IsValidSpinChar(QLatin1Char('e'), u"1E3", vtFloat, true));
    EXPECT_TRUE(IsValidSpinChar(QLatin1Char('f'), u"", vtHex, true));
    EXPECT_TRUE(IsValidSpinChar(QLatin1Char('F'), u"", vtHex, true));
    EXPECT_FALSE(IsValidSpinChar(QLatin1Char('g'), u"", vtHex, true));
    EXPECT_TRUE(IsValidSpinChar(QChar(8), u"1", vtInteger, true));
    {
        FormatSettingsScope comma(Comma());
        EXPECT_TRUE(IsValidSpinChar(QLatin1Char(','), u"1", vtFloat, true));
        EXPECT_FALSE(IsValidSpinChar(QLatin1Char('.'), u"1", vtFloat, true));
    }
    // The disabled editor refuses text and backspace; other control characters pass.
    EXPECT_FALSE(IsValidSpinChar(QLatin1Char('5'), u"1", vtInteger, false));
    EXPECT_FALSE(IsValidSpinChar(QChar(8), u"1", vtInteger, false));
    EXPECT_TRUE(IsValidSpinChar(QChar(13), u"1", vtInteger, false));
    EXPECT_TRUE(IsValidSpinChar(QChar(27), u"1", vtInteger, false));
}

TEST_F(SpinRules, PasteMustPassTheKeyFilterCharacterByCharacter)
{
    EXPECT_TRUE(IsValidSpinPaste(u"", 0, 0, u"-12", vtInteger));
    EXPECT_FALSE(IsValidSpinPaste(u"", 0, 0, u"12abc", vtInteger));
    EXPECT_TRUE(IsValidSpinPaste(u"", 0, 0, u"1.5e-3", vtFloat));
    EXPECT_FALSE(IsValidSpinPaste(u"2.0", 3, 0, u"1.5", vtFloat));
    // A separator that is being replaced does not count.
    EXPECT_TRUE(IsValidSpinPaste(u"2.0", 0, 3, u"1.5", vtFloat));
    EXPECT_TRUE(IsValidSpinPaste(u"2.0", 1, 1, u".", vtFloat));
    EXPECT_FALSE(IsValidSpinPaste(u"1", 1, 0, u"2\n", vtInteger));
}

TEST_F(SpinRules, DiagonalHitTestSplitsAlongTheRisingDiagonal)
{
    EXPECT_TRUE(SpinHitTop(0, 19, 20, 20));
    EXPECT_TRUE(SpinHitTop(19, 0, 20, 20));
    EXPECT_FALSE(SpinHitTop(19, 19, 20, 20));
    // On the line counts as top.
    EXPECT_TRUE(SpinHitTop(10, 10, 20, 20));
    EXPECT_FALSE(SpinHitTop(10, 11, 20, 20));
    // Floating division: 20 - 3 * 20 / 40 = 18.5.
    EXPECT_TRUE(SpinHitTop(3, 18, 40, 20));
    EXPECT_FALSE(SpinHitTop(3, 19, 40, 20));
    EXPECT_FALSE(SpinHitTop(0, 0, 0, 20));
}

}  // namespace
