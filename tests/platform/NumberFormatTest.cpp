#include "platform/Exceptions.h"
#include "platform/FormatSettings.h"
#include "platform/NumberFormat.h"
#include "QStringPrinter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <cmath>
#include <limits>

namespace {

TFormatSettings Separators(char decimal, char thousand)
{
    return {.DecimalSeparator = QLatin1Char(decimal), .ThousandSeparator = QLatin1Char(thousand)};
}

// Produced texts next to the texts they must be; the index locates a failing row.
using Texts = std::initializer_list<std::pair<QString, const char*>>;

void ExpectAll(Texts cases)
{
    int row = 0;
    for (const auto& [got, want] : cases)
        EXPECT_EQ(got, QString::fromUtf8(want)) << "row " << row++;
}

class NumberFormat : public ::testing::Test {
protected:
    FormatSettingsScope scope{Separators('.', ',')};
};

TEST_F(NumberFormat, FixedNumberGeneralAndExponent)
{
    ExpectAll({
        // Halves round away from zero on the exact decimal expansion of the binary value.
        {FloatToStrF(-78.5, ffFixed, 15, 0), "-79"}, {FloatToStrF(1.005, ffFixed, 15, 2), "1.00"},
        {FloatToStrF(99.5, ffFixed, 15, 0), "100"},
        // Padding, and no sign on a value that rounds to zero.
        {FloatToStrF(0.001, ffFixed, 15, 5), "0.00100"}, {FloatToStrF(-0.001, ffFixed, 15, 2), "0.00"},
        // The precision caps the significant digits; the decimals beyond them are zeros.
        {FloatToStrF(1234.5678, ffFixed, 4, 2), "1235.00"}, {FloatToStrF(1234567.891, ffNumber, 8, 3), "1,234,567.900"},
        // More integer digits than the precision, decided after rounding: general format.
        {FloatToStrF(123456789.0, ffFixed, 8, 1), "1.2345679E8"}, {FloatToStrF(12345678.0, ffFixed, 8, 1), "12345678.0"},
        {FloatToStrF(-1e20, ffFixed, 15, 2), "-1E20"}, {FloatToStrF(99999999.96, ffFixed, 8, 1), "1E8"},
        {FloatToStrF(-123456.0, ffNumber, 15, 0), "-123,456"}, {FloatToStrF(999.5, ffNumber, 15, 0), "1,000"},
        {FloatToStrF(1234.5, ffCurrency, 15, 2), "1,234.50"}, {FloatToStrF(-HUGE_VAL, ffFixed, 15, 2), "-INF"},
        // General: fixed down to 0.00001, scientific below; decided after rounding.
        {FloatToStr(-0.0), "0"}, {FloatToStr(0.1 + 0.2), "0.3"}, {FloatToStr(2.0 / 3.0), "0.666666666666667"},
        {FloatToStr(999999999999999.0), "999999999999999"}, {FloatToStr(999999999999999.9), "1E15"},
        {FloatToStr(0.00001), "0.00001"}, {FloatToStr(0.0000099), "9.9E-6"},
        {FloatToStrF(0.0000099999, ffGeneral, 4, 0), "0.00001"}, {FloatToStr(std::nan("")), "NAN"},
        {FloatToStr(std::numeric_limits<double>::denorm_min()), "4.94065645841247E-324"},
        {FloatToStrF(1234.5, ffGeneral, 4, 0), "1235"}, {FloatToStrF(12345.0, ffGeneral, 4, 0), "1.235E4"},
        {FloatToStrF(9999.5, ffGeneral, 4, 0), "1E4"},
        {FloatToStrF(1e-7, ffGeneral, 15, 3), "1E-007"}, {FloatToStrF(123.456, ffGeneral, 0, 0), "1E2"},
        {FloatToStrF(1.0L / 3.0L, ffGeneral, 40, 0), "0.333333333333333333"},
        {FloatToStrF(1234.5, ffExponent, 4, 2), "1.235E+03"}, {FloatToStrF(-0.00012345, ffExponent, 3, 0), "-1.23E-4"},
        {FloatToStrF(0.0, ffExponent, 3, 2), "0.00E+00"}, {FloatToStrF(9.96, ffExponent, 2, 1), "1.0E+1"},
        {FloatToStrF(5.0, ffExponent, 1, 4), "5E+0000"},
    });
    FormatSettingsScope german(Separators(',', '.'));
    EXPECT_EQ(FloatToStrF(1234567.891, ffNumber, 15, 2), "1.234.567,89");
}

TEST_F(NumberFormat, FormatSpecifiers)
{
    ExpectAll({
        {Format("%06d", {42}), "    42"},            {Format("%.5d", {-42}), "-00042"},
        {Format("%8.4d|", {7}), "    0007|"},        {Format("%-5d|", {7}), "7    |"},
        {Format("%u", {-1}), "4294967295"},          {Format("%x", {-1}), "FFFFFFFF"},
        {Format("%.4x", {255}), "00FF"},             {Format("%d", {9000000000LL}), "9000000000"},
        {Format("%.1f", {78.45}), "78.5"},           {Format("%f", {3.14159}), "3.14"},
        {Format("%.*f", {3, 2.0}), "2.000"},         {Format("%-9.3f|", {3.14159}), "3.142    |"},
        {Format("%e", {1234.5}), "1.23450000000000E+003"}, {Format("%.3g", {1234.0}), "1.23E3"},
        {Format("%.0n", {1234567.5}), "1,234,568"},  {Format("%m", {1234.5}), "1,234.50"},
        {Format("[%-*s]", {4, "ab"}), "[ab  ]"},     {Format("[%.2s]", {"abcdef"}), "[ab]"},
        {Format("[%3s]", {"abcdef"}), "[abcdef]"},   {Format("%s%%", {QString::fromUtf8("\xc3\xa4")}), "\xc3\xa4%"},
        {Format("%1:s %s %0:s %s", {"a", "b", "c"}), "b c a b"},
        {Format("%1:5d|", {"a", 42}), "   42|"},
    });
    FormatSettingsScope german(Separators(',', '.'));
    EXPECT_EQ(Format("%.2f", {1234.5}), "1234,50");
    EXPECT_EQ(Format("%n", {1234.5}), "1.234,50");
}

TEST_F(NumberFormat, FormatRejectsBadPatternsAndArguments)
{
    const std::function<void()> bad[] = {
        [] { Format("%d", {1.5}); },   [] { Format("%f", {1}); },     [] { Format("%s", {1}); },
        [] { Format("%d %d", {1}); },  [] { Format("%", {1}); },      [] { Format("%5", {1}); },
        [] { Format("%q", {1}); },     [] { Format("%*d", {"x", 1}); }, [] { Format("%3:d", {1}); },
    };
    for (std::size_t i = 0; i < std::size(bad); ++i)
        EXPECT_THROW(bad[i](), EConvertError) << "row " << i;
    EXPECT_THAT([] { Format("%d", {"x"}); },
                testing::ThrowsMessage<EConvertError>(testing::StrEq("Format '%d' invalid or incompatible with argument")));
}

}  // namespace
