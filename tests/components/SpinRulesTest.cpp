#include "components/CeSpinRules.h"

#include "platform/FormatSettings.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TSpinFormat Fmt(TValueType type, long double minValue = 0, long double maxValue = 0, int decimals = 2)
{
    TSpinFormat f;
    f.ValueType = type;
    f.MinValue = minValue;
    f.MaxValue = maxValue;
    f.Decimal = decimals;
    return f;
}

class SpinRules : public ::testing::Test {
protected:
    FormatSettingsScope scope_{TFormatSettings{}};
};

TEST_F(SpinRules, IntegerTextRoundsHalvesToEven)
{
    const auto f = Fmt(vtInteger);
    EXPECT_EQ(FormatSpinValue(2.5L, f), "2");
    EXPECT_EQ(FormatSpinValue(3.5L, f), "4");
    EXPECT_EQ(FormatSpinValue(-2.5L, f), "-2");
    EXPECT_EQ(FormatSpinValue(-0.4L, f), "0");
    EXPECT_EQ(FormatSpinValue(123456789012.0L, f), "123456789012");
}

TEST_F(SpinRules, FloatTextHasExactlyDecimalPlacesWithTheCurrentSeparator)
{
    EXPECT_EQ(FormatSpinValue(1, Fmt(vtFloat)), "1.00");
    EXPECT_EQ(FormatSpinValue(0.125L, Fmt(vtFloat)), "0.13");
    EXPECT_EQ(FormatSpinValue(-0.125L, Fmt(vtFloat)), "-0.13");
    EXPECT_EQ(FormatSpinValue(2.5L, Fmt(vtFloat, 0, 0, 0)), "3");
    EXPECT_EQ(FormatSpinValue(78.25L, Fmt(vtFloat, 0, 0, 1)), "78.3");
    EXPECT_EQ(FormatSpinValue(7, Fmt(vtFloat, 0, 0, 4)), "7.0000");

    TFormatSettings comma;
    comma.DecimalSeparator = QLatin1Char(',');
    comma.ThousandSeparator = QLatin1Char('.');
    FormatSettingsScope local(comma);
    EXPECT_EQ(FormatSpinValue(1, Fmt(vtFloat)), "1,00");
    EXPECT_EQ(FormatSpinValue(1234.5L, Fmt(vtFloat)), "1234,50");
    EXPECT_EQ(SpinTextValue(u"2,75", Fmt(vtFloat)), 2.75L);
    EXPECT_EQ(SpinTextValue(u"2.75", Fmt(vtFloat, -1)), -1.0L);
}

TEST_F(SpinRules, FloatTextBeyondFifteenIntegerDigitsTurnsScientific)
{
    EXPECT_EQ(FormatSpinValue(999999999999999.0L, Fmt(vtFloat, 0, 0, 1)), "999999999999999.0");
    EXPECT_EQ(FormatSpinValue(1e16L, Fmt(vtFloat)), "1E16");
}

TEST_F(SpinRules, HexTextIsUpperCaseWithoutPrefix)
{
    const auto f = Fmt(vtHex);
    EXPECT_EQ(FormatSpinValue(26, f), "1A");
    EXPECT_EQ(FormatSpinValue(0, f), "0");
    EXPECT_EQ(FormatSpinValue(25.5L, f), "1A");
    EXPECT_EQ(SpinTextValue(u"1a", f), 26.0L);
    EXPECT_EQ(SpinTextValue(u"0001A", f), 26.0L);
    // Negative values are written as their 64-bit pattern and read back.
    EXPECT_EQ(FormatSpinValue(-1, f), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(SpinTextValue(u"FFFFFFFFFFFFFFFF", f), -1.0L);
    EXPECT_EQ(SpinTextValue(u"1FFFFFFFFFFFFFFFF", f), static_cast<long double>(std::numeric_limits<std::int64_t>::max()));
    EXPECT_FALSE(ParseSpinText(u"$1A", vtHex));
    EXPECT_FALSE(ParseSpinText(u"-1A", vtHex));
    EXPECT_FALSE(ParseSpinText(u"", vtHex));
    EXPECT_FALSE(ParseSpinText(u"1G", vtHex));
}

TEST_F(SpinRules, UnparseableTextReadsAsMinValueRoundedForIntegerTypes)
{
    EXPECT_EQ(SpinTextValue(u"12abc", Fmt(vtInteger, 2.5L, 10)), 2.0L);
    EXPECT_EQ(SpinTextValue(u"12abc", Fmt(vtInteger, 3.5L, 10)), 4.0L);
    EXPECT_EQ(SpinTextValue(u"12xyz", Fmt(vtHex, 3.5L, 10)), 4.0L);
    EXPECT_EQ(SpinTextValue(u"1.2.3", Fmt(vtFloat, 2.5L, 10)), 2.5L);
    EXPECT_EQ(SpinTextValue(u"", Fmt(vtFloat, -7, 10)), -7.0L);
    EXPECT_EQ(SpinTextValue(u"-", Fmt(vtInteger)), 0.0L);
    EXPECT_FALSE(ParseSpinText(u"1.5", vtInteger));
    EXPECT_FALSE(ParseSpinText(u"42 ", vtInteger));
    EXPECT_EQ(*ParseSpinText(u"  +42", vtInteger), 42.0L);
    EXPECT_EQ(*ParseSpinText(u"-17", vtInteger), -17.0L);
    EXPECT_EQ(*ParseSpinText(u"1e3", vtFloat), 1000.0L);
}

TEST_F(SpinRules, IntegersAreSixtyFourBitAndSaturate)
{
    const long double max64 = static_cast<long double>(std::numeric_limits<std::int64_t>::max());
    const long double min64 = static_cast<long double>(std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(*ParseSpinText(u"9223372036854775807", vtInteger), max64);
    EXPECT_EQ(*ParseSpinText(u"9223372036854775808", vtInteger), max64);
    EXPECT_EQ(*ParseSpinText(u"99999999999999999999999", vtInteger), max64);
    EXPECT_EQ(*ParseSpinText(u"-9223372036854775808", vtInteger), min64);
    EXPECT_EQ(*ParseSpinText(u"-9223372036854775809", vtInteger), min64);
    EXPECT_EQ(FormatSpinValue(1e30L, Fmt(vtInteger)), "9223372036854775807");
    EXPECT_EQ(FormatSpinValue(-1e30L, Fmt(vtInteger)), "-9223372036854775808");
    EXPECT_EQ(FormatSpinValue(4294967296.0L, Fmt(vtInteger)), "4294967296");
    EXPECT_EQ(RoundToInt64(std::numeric_limits<long double>::quiet_NaN()), 0);

    EXPECT_EQ(TruncToInt32(3e9L), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(TruncToInt32(-3e9L), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(TruncToInt32(-2.7L), -2);
    EXPECT_EQ(TruncToInt32(2147483647.9L), 2147483647);
}

TEST_F(SpinRules, ClampingNeedsDistinctBounds)
{
    EXPECT_EQ(CheckSpinValue(11, 0, 10), 10.0L);
    EXPECT_EQ(CheckSpinValue(-1, 0, 10), 0.0L);
    EXPECT_EQ(CheckSpinValue(10, 0, 10), 10.0L);
    EXPECT_EQ(CheckSpinValue(1e6L, 0, 0), 1e6L);
    EXPECT_EQ(CheckSpinValue(-1e6L, 5, 5), -1e6L);
    EXPECT_EQ(FormatSpinValue(12.345L, Fmt(vtFloat, 0, 10)), "10.00");
    EXPECT_EQ(FormatSpinValue(-3, Fmt(vtHex, 1, 255)), "1");
}

TEST_F(SpinRules, IntegerIncrementIsRoundedAndNeverZero)
{
    EXPECT_EQ(IntegerIncrement(0.4L), 1.0L);
    EXPECT_EQ(IntegerIncrement(-0.4L), 1.0L);
    EXPECT_EQ(IntegerIncrement(2.5L), 2.0L);
    EXPECT_EQ(IntegerIncrement(3.5L), 4.0L);
    EXPECT_EQ(IntegerIncrement(-2), -2.0L);
}

TEST_F(SpinRules, KeyFilterByValueType)
{
    for (const QChar c : QStringLiteral("0123456789+-"))
        EXPECT_TRUE(IsValidSpinChar(c, u"", vtInteger, true)) << static_cast<int>(c.unicode());
    EXPECT_FALSE(IsValidSpinChar(QLatin1Char('.'), u"", vtInteger, true));
    EXPECT_FALSE(IsValidSpinChar(QLatin1Char('e'), u"", vtInteger, true));
    EXPECT_FALSE(IsValidSpinChar(QLatin1Char('a'), u"", vtInteger, true));
    EXPECT_FALSE(IsValidSpinChar(QLatin1Char(' '), u"", vtInteger, true));

    EXPECT_TRUE(IsValidSpinChar(QLatin1Char('.'), u"12", vtFloat, true));
    EXPECT_FALSE(IsValidSpinChar(QLatin1Char('.'), u"1.2", vtFloat, true));
    EXPECT_FALSE(IsValidSpinChar(QLatin1Char(','), u"12", vtFloat, true));
    EXPECT_TRUE(IsValidSpinChar(QLatin1Char('e'), u"1.5", vtFloat, true));
    EXPECT_TRUE(IsValidSpinChar(QLatin1Char('E'), u"1.5", vtFloat, true));
    EXPECT_FALSE(IsValidSpinChar(QLatin1Char('E'), u"1.5e", vtFloat, true));
    EXPECT_FALSE(IsValidSpinChar(QLatin1Char('e'), u"1E3", vtFloat, true));
    EXPECT_FALSE(IsValidSpinChar(QLatin1Char('a'), u"1", vtFloat, true));

    for (const QChar c : QStringLiteral("abcdefABCDEF"))
        EXPECT_TRUE(IsValidSpinChar(c, u"", vtHex, true)) << static_cast<int>(c.unicode());
    EXPECT_FALSE(IsValidSpinChar(QLatin1Char('g'), u"", vtHex, true));
    EXPECT_FALSE(IsValidSpinChar(QLatin1Char('.'), u"", vtHex, true));

    // Control characters pass: they are commands, not text.
    EXPECT_TRUE(IsValidSpinChar(QChar(8), u"1", vtInteger, true));
    EXPECT_TRUE(IsValidSpinChar(QChar(13), u"1", vtInteger, true));
}

TEST_F(SpinRules, KeyFilterFollowsTheCurrentSeparator)
{
    TFormatSettings comma;
    comma.DecimalSeparator = QLatin1Char(',');
    FormatSettingsScope local(comma);
    EXPECT_TRUE(IsValidSpinChar(QLatin1Char(','), u"1", vtFloat, true));
    EXPECT_FALSE(IsValidSpinChar(QLatin1Char('.'), u"1", vtFloat, true));
    EXPECT_FALSE(IsValidSpinChar(QLatin1Char(','), u"1,5", vtFloat, true));
}

TEST_F(SpinRules, DisabledEditorRefusesTextAndBackspaceButPassesOtherControls)
{
    EXPECT_FALSE(IsValidSpinChar(QLatin1Char('5'), u"1", vtInteger, false));
    EXPECT_FALSE(IsValidSpinChar(QChar(8), u"1", vtInteger, false));
    EXPECT_FALSE(IsValidSpinChar(QLatin1Char('.'), u"1", vtFloat, false));
    EXPECT_TRUE(IsValidSpinChar(QChar(13), u"1", vtInteger, false));
    EXPECT_TRUE(IsValidSpinChar(QChar(27), u"1", vtInteger, false));
    EXPECT_TRUE(IsValidSpinChar(QChar(3), u"1", vtInteger, false));
    EXPECT_FALSE(IsValidSpinChar(QLatin1Char('x'), u"1", vtInteger, false));
}

TEST_F(SpinRules, PasteMustPassTheKeyFilterCharacterByCharacter)
{
    EXPECT_TRUE(IsValidSpinPaste(u"", 0, 0, u"-12", vtInteger));
    EXPECT_FALSE(IsValidSpinPaste(u"", 0, 0, u"12abc", vtInteger));
    EXPECT_TRUE(IsValidSpinPaste(u"", 0, 0, u"1.5e-3", vtFloat));
    EXPECT_FALSE(IsValidSpinPaste(u"", 0, 0, u"1.5.3", vtFloat));
    EXPECT_FALSE(IsValidSpinPaste(u"2.0", 3, 0, u"1.5", vtFloat));
    // A separator that is being replaced does not count.
    EXPECT_TRUE(IsValidSpinPaste(u"2.0", 0, 3, u"1.5", vtFloat));
    EXPECT_TRUE(IsValidSpinPaste(u"2.0", 1, 1, u".", vtFloat));
    EXPECT_FALSE(IsValidSpinPaste(u"1", 1, 0, u"2\n", vtInteger));
    EXPECT_FALSE(IsValidSpinPaste(u"1", 1, 0, u"\t", vtInteger));
    EXPECT_TRUE(IsValidSpinPaste(u"ff", 2, 0, u"A0", vtHex));
}

TEST_F(SpinRules, DiagonalHitTestSplitsAlongTheRisingDiagonal)
{
    EXPECT_TRUE(SpinHitTop(0, 0, 20, 20));
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

TEST_F(SpinRules, ButtonWindowSitsAtTheInnerEnd)
{
    EXPECT_EQ(SpinButtonWindowRect(QSize(100, 21), true, false), QRect(80, 1, 18, 18));
    EXPECT_EQ(SpinButtonWindowRect(QSize(100, 21), true, true), QRect(1, 1, 18, 18));
    EXPECT_EQ(SpinButtonWindowRect(QSize(100, 21), false, false), QRect(79, 0, 21, 21));
    EXPECT_EQ(SpinButtonWindowRect(QSize(100, 21), false, true), QRect(0, 0, 21, 21));
}

}  // namespace
