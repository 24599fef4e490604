#include "components/CeSpinRules.h"

#include "platform/FormatSettings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

TSpinFormat Fmt(TValueType type, long double minValue = 0, long double maxValue = 0, int decimals = 2)
{
    return TSpinFormat{type, minValue, maxValue, decimals};
}

constexpr long double kMax64 = static_cast<long double>(std::numeric_limits<std::int64_t>::max());
constexpr long double kMin64 = static_cast<long double>(std::numeric_limits<std::int64_t>::min());
constexpr long double kInf = std::numeric_limits<long double>::infinity();
constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();

class SpinRules : public ::testing::Test {
protected:
    FormatSettingsScope scope_{TFormatSettings{}};
};

TEST_F(SpinRules, WrittenText)
{
    const struct { long double value; TSpinFormat format; const char* text; } cases[] = {
        // Integers round halves to even, float decimals halves away from zero.
        {2.5L, Fmt(vtInteger), "2"}, {3.5L, Fmt(vtInteger), "4"}, {1, Fmt(vtFloat), "1.00"},
        {-0.125L, Fmt(vtFloat), "-0.13"}, {2.5L, Fmt(vtFloat, 0, 0, 0), "3"},
        // At most 15 significant digits, the remaining decimals zeros; more than 15 integer
        // digits (after rounding) turn to the general notation.
        {2.0L / 3, Fmt(vtFloat, 0, 0, 18), "0.666666666666667000"},
        {1234567890.123456789L, Fmt(vtFloat, 0, 0, 10), "1234567890.1234600000"},
        {0.000123456789012345678L, Fmt(vtFloat, 0, 0, 18), "0.000123456789012346"},
        {999999999999999.0L, Fmt(vtFloat, 0, 0, 1), "999999999999999.0"},
        {999999999999999.5L, Fmt(vtFloat, 0, 0, 1), "1E15"},
        // Hex rounds too; a negative value is its 64-bit pattern.
        {26, Fmt(vtHex), "1A"}, {25.5L, Fmt(vtHex), "1A"}, {-1, Fmt(vtHex), "FFFFFFFFFFFFFFFF"},
        // Integers are 64-bit and saturate.
        {4294967296.0L, Fmt(vtInteger), "4294967296"}, {1e30L, Fmt(vtInteger), "9223372036854775807"},
        {-1e30L, Fmt(vtInteger), "-9223372036854775808"},
        // Writing clamps; no number shows as MinValue, infinity as the largest finite value.
        {12.345L, Fmt(vtFloat, 0, 10), "10.00"}, {kNaN, Fmt(vtFloat, 1.5L, 10), "1.50"},
        {kInf, Fmt(vtFloat), "1.18973149535723E4932"}, {-kInf, Fmt(vtFloat), "-1.18973149535723E4932"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatSpinValue(c.value, c.format), c.text) << static_cast<double>(c.value);
    EXPECT_TRUE(std::isfinite(SpinTextValue(FormatSpinValue(kInf, Fmt(vtFloat)), Fmt(vtFloat))));
}

TEST_F(SpinRules, ReadValueIsMinValueRoundedForIntegerTypesWhenTheTextDoesNotParse)
{
    const struct { const char16_t* text; TSpinFormat format; long double value; } cases[] = {
        {u"12abc", Fmt(vtInteger, 2.5L, 10), 2}, {u"12xyz", Fmt(vtHex, 3.5L, 10), 4},
        {u"1.2.3", Fmt(vtFloat, 2.5L, 10), 2.5L}, {u"1.5", Fmt(vtInteger, -1), -1}, {u"42 ", Fmt(vtInteger, -1), -1},
        {u"  +42", Fmt(vtInteger), 42}, {u"1e3", Fmt(vtFloat), 1000}, {u"1E16", Fmt(vtFloat), 1e16L},
        // Hex is bare digits of either case; the 64-bit pattern reads back negative.
        {u"$1A", Fmt(vtHex, -1), -1}, {u"-1A", Fmt(vtHex, -1), -1}, {u"", Fmt(vtHex, -1), -1},
        {u"1a", Fmt(vtHex), 26}, {u"FFFFFFFFFFFFFFFF", Fmt(vtHex), -1},
        // Too large for 64 bits: saturated.
        {u"9223372036854775807", Fmt(vtInteger), kMax64}, {u"9223372036854775808", Fmt(vtInteger), kMax64},
        {u"-9223372036854775809", Fmt(vtInteger), kMin64}, {u"1FFFFFFFFFFFFFFFF", Fmt(vtHex), kMax64},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SpinTextValue(c.text, c.format), c.value) << QString::fromUtf16(c.text).toStdString();

    TFormatSettings comma;
    comma.DecimalSeparator = QLatin1Char(',');
    comma.ThousandSeparator = QLatin1Char('.');
    FormatSettingsScope scope(comma);
    EXPECT_EQ(FormatSpinValue(1234.5L, Fmt(vtFloat)), "1234,50");
    EXPECT_TRUE(SpinTextValue(u"2,75", Fmt(vtFloat)) == 2.75L && SpinTextValue(u"2.75", Fmt(vtFloat, -1)) == -1.0L);
    EXPECT_TRUE(IsValidSpinChar(QLatin1Char(','), u"1", vtFloat, true));
    EXPECT_FALSE(IsValidSpinChar(QLatin1Char('.'), u"1", vtFloat, true));
}

TEST_F(SpinRules, SaturationClampingAndIncrement)
{
    EXPECT_EQ(RoundToInt64(kNaN), 0);
    EXPECT_EQ(std::vector<std::int32_t>({TruncToInt32(3e9L), TruncToInt32(-3e9L), TruncToInt32(-2.7L)}),
              std::vector<std::int32_t>({std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min(), -2}));
    // Equal bounds: no range. The integer types step by the rounded increment, never by 0.
    EXPECT_EQ(std::vector<long double>({CheckSpinValue(11, 0, 10), CheckSpinValue(-1, 0, 10), CheckSpinValue(-1e6L, 5, 5),
                                  IntegerIncrement(0.4L), IntegerIncrement(2.5L)}),
              std::vector<long double>({10, 0, -1e6L, 1, 2}));
}

TEST_F(SpinRules, KeyFilter)
{
    const struct { char16_t c; const char16_t* text; TValueType type; bool editorEnabled; bool valid; } cases[] = {
        {u'-', u"", vtInteger, true, true}, {8, u"1", vtInteger, true, true},
        {u'.', u"", vtInteger, true, false}, {u'e', u"", vtInteger, true, false},
        // One separator and one exponent letter for floats.
        {u'.', u"12", vtFloat, true, true}, {u'.', u"1.2", vtFloat, true, false},
        {u'E', u"1.5", vtFloat, true, true}, {u'E', u"1.5e", vtFloat, true, false},
        {u'e', u"1E3", vtFloat, true, false},
        {u'f', u"", vtHex, true, true}, {u'F', u"", vtHex, true, true}, {u'g', u"", vtHex, true, false},
        // The disabled editor refuses text and backspace; other control characters pass.
        {u'5', u"1", vtInteger, false, false}, {8, u"1", vtInteger, false, false},
        {13, u"1", vtInteger, false, true}, {27, u"1", vtInteger, false, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsValidSpinChar(QChar(c.c), c.text, c.type, c.editorEnabled), c.valid)
            << int(c.c) << " after " << QString::fromUtf16(c.text).toStdString();
}

TEST_F(SpinRules, PasteMustPassTheKeyFilterCharacterByCharacter)
{
    EXPECT_TRUE(IsValidSpinPaste(u"", 0, 0, u"-12", vtInteger) && IsValidSpinPaste(u"", 0, 0, u"1.5e-3", vtFloat));
    EXPECT_FALSE(IsValidSpinPaste(u"2.0", 3, 0, u"1.5", vtFloat) || IsValidSpinPaste(u"1", 1, 0, u"2\n", vtInteger));
}

TEST_F(SpinRules, DiagonalHitTestSplitsAlongTheRisingDiagonal)
{
    // On the line counts as top; floating division: 20 - 3 * 20 / 40 = 18.5.
    const struct { int x, y, width, height; bool top; } cases[] = {
        {0, 19, 20, 20, true}, {19, 19, 20, 20, false}, {10, 10, 20, 20, true}, {10, 11, 20, 20, false},
        {3, 18, 40, 20, true}, {3, 19, 40, 20, false}, {0, 0, 0, 20, false}};
    for (const auto& c : cases)
        EXPECT_EQ(SpinHitTop(c.x, c.y, c.width, c.height), c.top) << c.x << ", " << c.y << " in " << c.width;
}

}  // namespace
