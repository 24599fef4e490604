#include "platform/Exceptions.h"
#include "platform/FormatSettings.h"
#include "platform/NumberFormat.h"
#include "QStringPrinter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TFormatSettings English()
{
    TFormatSettings s;
    s.DecimalSeparator = QLatin1Char('.');
    s.ThousandSeparator = QLatin1Char(',');
    return s;
}

TFormatSettings German()
{
    TFormatSettings s;
    s.DecimalSeparator = QLatin1Char(',');
    s.ThousandSeparator = QLatin1Char('.');
    return s;
}

class NumberFormat : public ::testing::Test {
protected:
    FormatSettingsScope scope{English()};
};

TEST_F(NumberFormat, FixedRoundsHalvesAwayFromZero)
{
    EXPECT_EQ(FloatToStrF(78.5, ffFixed, 15, 0), "79");
    EXPECT_EQ(FloatToStrF(-78.5, ffFixed, 15, 0), "-79");
    EXPECT_EQ(FloatToStrF(2.5, ffFixed, 15, 0), "3");
    EXPECT_EQ(FloatToStrF(0.5, ffFixed, 15, 0), "1");
    EXPECT_EQ(FloatToStrF(0.25, ffFixed, 15, 1), "0.3");
    EXPECT_EQ(FloatToStrF(0.125, ffFixed, 15, 2), "0.13");
    EXPECT_EQ(FloatToStrF(-0.125, ffFixed, 15, 2), "-0.13");
    // The binary values lie below the written halves.
    EXPECT_EQ(FloatToStrF(1.005, ffFixed, 15, 2), "1.00");
    EXPECT_EQ(FloatToStrF(0.285, ffFixed, 15, 2), "0.28");
    // and above it.
    EXPECT_EQ(FloatToStrF(2.345, ffFixed, 15, 2), "2.35");
    EXPECT_EQ(FloatToStrF(0.035, ffFixed, 15, 2), "0.04");
    EXPECT_EQ(FloatToStrF(9.995, ffFixed, 15, 2), "9.99");
    EXPECT_EQ(FloatToStrF(99.5, ffFixed, 15, 0), "100");
    EXPECT_EQ(FloatToStrF(0.96, ffFixed, 15, 1), "1.0");
}

TEST_F(NumberFormat, FixedPadsAndDropsTheSignOfZero)
{
    EXPECT_EQ(FloatToStrF(0.0, ffFixed, 15, 2), "0.00");
    EXPECT_EQ(FloatToStrF(-0.0, ffFixed, 15, 2), "0.00");
    EXPECT_EQ(FloatToStrF(-0.001, ffFixed, 15, 2), "0.00");
    EXPECT_EQ(FloatToStrF(0.004, ffFixed, 15, 1), "0.0");
    EXPECT_EQ(FloatToStrF(0.0625, ffFixed, 15, 4), "0.0625");
    EXPECT_EQ(FloatToStrF(0.001, ffFixed, 15, 5), "0.00100");
    // The precision caps the significant digits; the decimals beyond them are zeros.
    EXPECT_EQ(FloatToStrF(1234.5678, ffFixed, 4, 2), "1235.00");
    EXPECT_EQ(FloatToStrF(1234567.891, ffFixed, 8, 3), "1234567.900");
    EXPECT_EQ(FloatToStrF(1234567.891, ffNumber, 8, 3), "1,234,567.900");
    EXPECT_EQ(FloatToStrF(0.000123456, ffFixed, 2, 6), "0.000120");
    EXPECT_EQ(FloatToStrF(3.0, ffFixed, 15, 18), "3.000000000000000000");
}

TEST_F(NumberFormat, FixedSwitchesToScientificBeyondThePrecision)
{
    EXPECT_EQ(FloatToStrF(123456789.0, ffFixed, 8, 1), "1.2345679E8");
    EXPECT_EQ(FloatToStrF(12345678.0, ffFixed, 8, 1), "12345678.0");
    EXPECT_EQ(FloatToStrF(-1e20, ffFixed, 15, 2), "-1E20");
    // Decided after rounding: 99999999.96 becomes a nine-digit number.
    EXPECT_EQ(FloatToStrF(99999999.96, ffFixed, 8, 1), "1E8");
}

TEST_F(NumberFormat, NumberGroupsThousands)
{
    EXPECT_EQ(FloatToStrF(1234567.891, ffNumber, 15, 2), "1,234,567.89");
    EXPECT_EQ(FloatToStrF(-123456.0, ffNumber, 15, 0), "-123,456");
    EXPECT_EQ(FloatToStrF(999.5, ffNumber, 15, 0), "1,000");
    EXPECT_EQ(FloatToStrF(12.0, ffNumber, 15, 1), "12.0");
    EXPECT_EQ(FloatToStrF(1234.5, ffCurrency, 15, 2), "1,234.50");
    FormatSettingsScope german(German());
    EXPECT_EQ(FloatToStrF(1234567.891, ffNumber, 15, 2), "1.234.567,89");
    EXPECT_EQ(FloatToStrF(1.5, ffFixed, 15, 1), "1,5");
}

TEST_F(NumberFormat, GeneralChoosesFixedOrScientific)
{
    EXPECT_EQ(FloatToStr(0.0), "0");
    EXPECT_EQ(FloatToStr(-0.0), "0");
    EXPECT_EQ(FloatToStr(1.5), "1.5");
    EXPECT_EQ(FloatToStr(-2.0), "-2");
    EXPECT_EQ(FloatToStr(100.0), "100");
    EXPECT_EQ(FloatToStr(0.1 + 0.2), "0.3");
    EXPECT_EQ(FloatToStr(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(FloatToStr(2.0 / 3.0), "0.666666666666667");
    EXPECT_EQ(FloatToStr(1e20), "1E20");
    EXPECT_EQ(FloatToStr(1e15), "1E15");
    EXPECT_EQ(FloatToStr(999999999999999.0), "999999999999999");
    EXPECT_EQ(FloatToStr(999999999999999.9), "1E15");
    EXPECT_EQ(FloatToStr(1.5e-7), "1.5E-7");
    // Fixed down to 0.00001, scientific below; decided after rounding.
    EXPECT_EQ(FloatToStr(0.00001), "0.00001");
    EXPECT_EQ(FloatToStr(-0.000012345), "-0.000012345");
    EXPECT_EQ(FloatToStr(0.0000099), "9.9E-6");
    EXPECT_EQ(FloatToStrF(0.0000099999, ffGeneral, 4, 0), "0.00001");
    EXPECT_EQ(FloatToStr(-1.25e-10), "-1.25E-10");
    EXPECT_EQ(FloatToStr(6.02214076e23), "6.02214076E23");
    EXPECT_EQ(FloatToStr(1e-300), "1E-300");
    EXPECT_EQ(FloatToStr(std::numeric_limits<double>::denorm_min()), "4.94065645841247E-324");
}

TEST_F(NumberFormat, GeneralRoundsToThePrecision)
{
    EXPECT_EQ(FloatToStrF(1234.5, ffGeneral, 4, 0), "1235");
    EXPECT_EQ(FloatToStrF(12345.0, ffGeneral, 4, 0), "1.235E4");
    EXPECT_EQ(FloatToStrF(9999.5, ffGeneral, 4, 0), "1E4");
    EXPECT_EQ(FloatToStrF(0.000123456, ffGeneral, 3, 0), "0.000123");
    EXPECT_EQ(FloatToStrF(1e20, ffGeneral, 15, 2), "1E20");
    EXPECT_EQ(FloatToStrF(1e-7, ffGeneral, 15, 3), "1E-007");
    EXPECT_EQ(FloatToStrF(123.456, ffGeneral, 10, 0), "123.456");
    EXPECT_EQ(FloatToStrF(123.456, ffGeneral, 0, 0), "1E2");      // precision clamps to 1
    EXPECT_EQ(FloatToStrF(1.0L / 3.0L, ffGeneral, 40, 0), "0.333333333333333333");
}

TEST_F(NumberFormat, ExponentWritesSignedPaddedExponents)
{
    EXPECT_EQ(FloatToStrF(1234.5, ffExponent, 4, 2), "1.235E+03");
    EXPECT_EQ(FloatToStrF(-0.00012345, ffExponent, 3, 0), "-1.23E-4");
    EXPECT_EQ(FloatToStrF(0.0, ffExponent, 3, 2), "0.00E+00");
    EXPECT_EQ(FloatToStrF(9.96, ffExponent, 2, 1), "1.0E+1");
    EXPECT_EQ(FloatToStrF(5.0, ffExponent, 1, 4), "5E+0000");
}

TEST_F(NumberFormat, NonFiniteValues)
{
    EXPECT_EQ(FloatToStr(std::numeric_limits<double>::quiet_NaN()), "NAN");
    EXPECT_EQ(FloatToStr(std::numeric_limits<double>::infinity()), "INF");
    EXPECT_EQ(FloatToStrF(-std::numeric_limits<double>::infinity(), ffFixed, 15, 2), "-INF");
}

TEST_F(NumberFormat, FormatIntegers)
{
    EXPECT_EQ(Format("%d", {42}), "42");
    EXPECT_EQ(Format("%d", {-42}), "-42");
    EXPECT_EQ(Format("%06d", {42}), "    42");
    EXPECT_EQ(Format("%0.5d", {42}), "00042");
    EXPECT_EQ(Format("%.5d", {-42}), "-00042");
    EXPECT_EQ(Format("%8.4d|", {7}), "    0007|");
    EXPECT_EQ(Format("%-5d|", {7}), "7    |");
    EXPECT_EQ(Format("%u", {4000000000u}), "4000000000");
    EXPECT_EQ(Format("%u", {-1}), "4294967295");
    EXPECT_EQ(Format("%x", {255}), "FF");
    EXPECT_EQ(Format("%.4x", {255}), "00FF");
    EXPECT_EQ(Format("%x", {-1}), "FFFFFFFF");
    EXPECT_EQ(Format("%d", {9000000000LL}), "9000000000");
}

TEST_F(NumberFormat, FormatFloats)
{
    EXPECT_EQ(Format("%.1f", {78.45}), "78.5");  // 78.45 is stored above the half
    EXPECT_EQ(Format("%.0f", {78.5}), "79");
    EXPECT_EQ(Format("%.1f", {0.25}), "0.3");
    EXPECT_EQ(Format("%f", {3.14159}), "3.14");
    EXPECT_EQ(Format("%.*f", {3, 2.0}), "2.000");
    EXPECT_EQ(Format("%9.3f|", {-3.14159}), "   -3.142|");
    EXPECT_EQ(Format("%-9.3f|", {3.14159}), "3.142    |");
    EXPECT_EQ(Format("%e", {1234.5}), "1.23450000000000E+003");
    EXPECT_EQ(Format("%.3e", {-0.000123456}), "-1.23E-004");
    EXPECT_EQ(Format("%g", {1e20}), "1E20");
    EXPECT_EQ(Format("%g", {0.5}), "0.5");
    EXPECT_EQ(Format("%.3g", {1234.0}), "1.23E3");
    EXPECT_EQ(Format("%n", {1234567.891}), "1,234,567.89");
    EXPECT_EQ(Format("%.0n", {1234567.5}), "1,234,568");
    EXPECT_EQ(Format("%m", {1234.5}), "1,234.50");
    FormatSettingsScope german(German());
    EXPECT_EQ(Format("%.2f", {1234.5}), "1234,50");
    EXPECT_EQ(Format("%n", {1234.5}), "1.234,50");
}

TEST_F(NumberFormat, FormatTexts)
{
    EXPECT_EQ(Format("%s", {"abc"}), "abc");
    EXPECT_EQ(Format("[%5s]", {"ab"}), "[   ab]");
    EXPECT_EQ(Format("[%-5s]", {"ab"}), "[ab   ]");
    EXPECT_EQ(Format("[%*s]", {4, "ab"}), "[  ab]");
    EXPECT_EQ(Format("[%-*s]", {4, "ab"}), "[ab  ]");
    EXPECT_EQ(Format("[%.2s]", {"abcdef"}), "[ab]");
    EXPECT_EQ(Format("[%3s]", {"abcdef"}), "[abcdef]");
    EXPECT_EQ(Format("%s%%", {QString::fromUtf8("\xc3\xa4")}), QString::fromUtf8("\xc3\xa4%"));
    EXPECT_EQ(Format("100%%", {}), "100%");
    EXPECT_EQ(Format("\t%s\t", {QChar('x')}), "\tx\t");
}

TEST_F(NumberFormat, FormatIndexSpecifiers)
{
    EXPECT_EQ(Format("%1:s %0:s", {"a", "b"}), "b a");
    EXPECT_EQ(Format("%1:s %s %0:s %s", {"a", "b", "c"}), "b c a b");
    EXPECT_EQ(Format("%0:s-%0:s", {"x"}), "x-x");
    EXPECT_EQ(Format("%1:5d|", {"a", 42}), "   42|");
}

TEST_F(NumberFormat, FormatRejectsBadPatternsAndArguments)
{
    EXPECT_THROW(Format("%d", {1.5}), EConvertError);
    EXPECT_THROW(Format("%f", {1}), EConvertError);
    EXPECT_THROW(Format("%s", {1}), EConvertError);
    EXPECT_THROW(Format("%d", {"1"}), EConvertError);
    EXPECT_THROW(Format("%d %d", {1}), EConvertError);
    EXPECT_THROW(Format("%", {1}), EConvertError);
    EXPECT_THROW(Format("%5", {1}), EConvertError);
    EXPECT_THROW(Format("%q", {1}), EConvertError);
    EXPECT_THROW(Format("%*d", {"x", 1}), EConvertError);
    EXPECT_THROW(Format("%3:d", {1}), EConvertError);
    try {
        Format("%d", {"x"});
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Format '%d' invalid or incompatible with argument");
    }
}

}  // namespace
