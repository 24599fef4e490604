#include "platform/Exceptions.h"
#include "platform/FormatSettings.h"
#include "platform/NumberParse.h"
#include "QStringPrinter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(NumberParse, StrictGrammarAndRange)
{
    FormatSettingsScope scope{TFormatSettings{}};
    const std::pair<const char*, double> accepted[] = {
        {"0", 0.0},       {"1.", 1.0},        {".5", 0.5},        {" -1.5e3 ", -1500.0},
        {"+2", 2.0},      {"1E-3", 0.001},    {"1e+2", 100.0},    {"\t7\t", 7.0},
        {"007.50", 7.5},  {"1e-400", 0.0},    {"1.7976931348623157e308", 1.7976931348623157e308},
        {"123456789012345678901234567890", 1.2345678901234568e29},
    };
    for (const auto& [text, expected] : accepted) {
        double value = -99;
        EXPECT_TRUE(TryStrToFloat(QString::fromLatin1(text), value)) << text;
        EXPECT_EQ(value, expected) << text;
    }
    const char* rejected[] = {
        "",     " ",      ".",     "-",     "+.",    "e5",    "1e",     "1e+",   "1e5.5", "1.2.3",
        "--1",  "1 000",  "1,000", "1,5",   "0x10",  "$10",   "nan",    "inf",   "-inf",  "Infinity",
        "1e400", "-1e309", "1.5x", "x1.5",  "1 .5",  "١٢",    "1e5e5",
    };
    for (const char* text : rejected) {
        double value = 42;
        EXPECT_FALSE(TryStrToFloat(QString::fromUtf8(text), value)) << text;
        EXPECT_EQ(value, 42) << text;
    }
    long double wide = 0;
    EXPECT_TRUE(TryStrToFloat(QStringLiteral("1e400"), wide) && wide == 1e400L);
    EXPECT_FALSE(TryStrToFloat(QStringLiteral("1e5000"), wide));
    EXPECT_TRUE(TryStrToFloat(QStringLiteral("0.1"), wide) && wide == 0.1L);  // at full width, not through a double
}

TEST(NumberParse, CurrentOrGivenSeparatorAndTheErrorText)
{
    FormatSettingsScope scope{TFormatSettings{}};
    double value = 0;
    EXPECT_TRUE(TryStrToFloat(QStringLiteral("1,5"), value, QLatin1Char(',')) && value == 1.5);
    EXPECT_FALSE(TryStrToFloat(QStringLiteral("1.5"), value, QLatin1Char(',')));
    FormatSettings().DecimalSeparator = QLatin1Char(',');
    EXPECT_EQ(StrToFloat(QStringLiteral("-2,25")), -2.25);
    EXPECT_THAT([] { StrToFloat(QStringLiteral("abc")); },
                testing::ThrowsMessage<EConvertError>(testing::StrEq("'abc' is not a valid floating point value")));
}

TEST(IntegerParse, DecimalAndHexadecimal)
{
    const std::pair<const char*, int> accepted[] = {
        {" -17", -17}, {"+5", 5}, {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
        {"$ff", 255},  {"0x10", 16}, {"-$10", -16}, {"$FFFFFFFF", -1}, {"0X7fffffff", 2147483647},
    };
    for (const auto& [text, expected] : accepted) {
        int value = 99;
        EXPECT_TRUE(TryStrToInt(QString::fromLatin1(text), value)) << text;
        EXPECT_EQ(value, expected) << text;
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
