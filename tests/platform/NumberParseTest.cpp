#include "platform/Exceptions.h"
#include "platform/FormatSettings.h"
#include "platform/NumberParse.h"
#include "QStringPrinter.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class NumberParse : public ::testing::Test {
protected:
    FormatSettingsScope scope{TFormatSettings{}};
};

TEST_F(NumberParse, AcceptsTheStrictGrammar)
{
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"0", 0.0},       {"1.", 1.0},        {".5", 0.5},        {" -1.5e3 ", -1500.0},
        {"+2", 2.0},      {"1E-3", 0.001},    {"1e+2", 100.0},    {"\t7\t", 7.0},
        {"007.50", 7.5},  {"-0", -0.0},       {"1e-400", 0.0},    {"1.7976931348623157e308", 1.7976931348623157e308},
        {"123456789012345678901234567890", 1.2345678901234568e29},
    };
    for (const auto& c : cases) {
        double value = -99;
        EXPECT_TRUE(TryStrToFloat(QString::fromLatin1(c.text), value)) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
}

TEST_F(NumberParse, RejectsEverythingElse)
{
    const char* rejected[] = {
        "",     " ",      ".",     "-",     "+.",    "e5",    "1e",     "1e+",   "1e5.5", "1.2.3",
        "--1",  "+-1",    "1 000", "1,000", "1,5",   "0x10",  "$10",    "nan",   "NaN",   "inf",
        "-inf", "Infinity", "1e400", "-1e309", "1.5x", "x1.5",  "1 .5",   "1. 5", "١٢",    "1e5e5",
    };
    for (const char* text : rejected) {
        double value = 42;
        EXPECT_FALSE(TryStrToFloat(QString::fromUtf8(text), value)) << text;
        EXPECT_EQ(value, 42) << text;
    }
}

TEST_F(NumberParse, UsesTheCurrentOrGivenSeparator)
{
    double value = 0;
    EXPECT_TRUE(TryStrToFloat(QStringLiteral("1,5"), value, QLatin1Char(',')));
    EXPECT_EQ(value, 1.5);
    EXPECT_FALSE(TryStrToFloat(QStringLiteral("1.5"), value, QLatin1Char(',')));
    FormatSettings().DecimalSeparator = QLatin1Char(',');
    EXPECT_TRUE(TryStrToFloat(QStringLiteral("-2,25"), value));
    EXPECT_EQ(value, -2.25);
    EXPECT_EQ(StrToFloat(QStringLiteral("3,5")), 3.5);
}

TEST_F(NumberParse, LongDoubleRangeAndTheErrorText)
{
    long double wide = 0;
    EXPECT_TRUE(TryStrToFloat(QStringLiteral("1e400"), wide));
    EXPECT_EQ(wide, 1e400L);
    EXPECT_FALSE(TryStrToFloat(QStringLiteral("1e5000"), wide));
    EXPECT_TRUE(TryStrToFloat(QStringLiteral("0.1"), wide));
    EXPECT_EQ(wide, 0.1L);  // parsed at full width, not through a double
    try {
        StrToFloat(QStringLiteral("abc"));
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'abc' is not a valid floating point value");
    }
}

TEST(IntegerParse, DecimalAndHexadecimal)
{
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"0", 0},           {"42", 42},       {" -17", -17},     {"+5", 5},
        {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
        {"$1F", 31},        {"$ff", 255},     {"0x10", 16},      {"-$10", -16},
        {"$FFFFFFFF", -1},  {"0X7fffffff", 2147483647},
    };
    for (const auto& c : cases) {
        int value = 99;
        EXPECT_TRUE(TryStrToInt(QString::fromLatin1(c.text), value)) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
    const char* rejected[] = {"", "-", "$", "0x", "2147483648", "-2147483649", "$100000000",
                              "1.0", "12 ", "1e3", "0x1G", "99999999999999999999"};
    for (const char* text : rejected) {
        int value = 99;
        EXPECT_FALSE(TryStrToInt(QString::fromLatin1(text), value)) << text;
        EXPECT_EQ(value, 99) << text;
    }
    EXPECT_EQ(StrToIntDef(QStringLiteral("x"), -3), -3);
    EXPECT_THROW(StrToInt(QStringLiteral("ten")), EConvertError);
}

}  // namespace
