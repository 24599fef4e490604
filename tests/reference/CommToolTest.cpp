#include "reference/CommTool.h"

#include "platform/Exceptions.h"
#include "platform/FormatSettings.h"
#include "platform/IniFile.h"

#include <gtest/gtest.h>

namespace {

TFormatSettings Separators(char decimal, char thousand)
{
    return {.DecimalSeparator = QLatin1Char(decimal), .ThousandSeparator = QLatin1Char(thousand)};
}

TEST(CheckEditValue, RangeSyntaxAndLabel)
{
    FormatSettingsScope scope(Separators(',', '.'));
    const struct {
        const char* text;
        double min, max;
        const char* caption;  // empty: the check passes
        double value;
    } rows[] = {
        {"1.234,5", 0, 1e6, "", 1234.5},  // thousands separators dropped
        {"100", 0.5, 100, "", 100},       // bounds inclusive
        {"0,5", 0.5, 100, "", 0.5},
        {"100,01", 0.5, 100, "MAX: 100 m/s", 0},
        // The limits are written in general format with ten digits.
        {"-1", 1.0 / 3, 100, "MIN: 0,3333333333 m/s", 0},
        {"1e9", 0, 123456.789012345, "MAX: 123456,789 m/s", 0},
        {"", 1, 20, "MIN: 1 m/s", 0},  // an empty edit reads as "0"
        {"abc", -1e300, 1e300, "SYNTAX ERROR m/s", 0}, {"1e400", -1e300, 1e300, "SYNTAX ERROR m/s", 0},
        {"nan", -1e300, 1e300, "SYNTAX ERROR m/s", 0}, {"-inf", -1e300, 1e300, "SYNTAX ERROR m/s", 0},
        {"1,2,3", -1e300, 1e300, "SYNTAX ERROR m/s", 0}, {"0x10", -1e300, 1e300, "SYNTAX ERROR m/s", 0},
    };
    for (const auto& row : rows) {
        const tCheckEditResult r = CheckEditValue(QString::fromLatin1(row.text), row.min, row.max, QStringLiteral("m/s"), true);
        const bool ok = !*row.caption;
        EXPECT_EQ(r.Value, row.value) << row.text;
        EXPECT_EQ(r.LabelCaption, QString::fromUtf8(ok ? "" : row.caption)) << row.text;
        EXPECT_TRUE(r.Ok == ok && r.LabelChanged && r.LabelColor == (ok ? 0u : 0x0000FFu) && r.ShowLabel == !ok &&
                    r.Beep == !ok && r.FocusBack == !ok && r.ReplaceEmptyText == !*row.text)
            << row.text;
    }
    // Without a label a range failure only returns the focus.
    const tCheckEditResult r = CheckEditValue(QStringLiteral("5"), 10, 20, QString(), false);
    EXPECT_TRUE(!r.Ok && !r.Beep && !r.LabelChanged && !r.ShowLabel && r.FocusBack);
}

TEST(DelimitedFields, FieldsAndCounts)
{
    const struct {
        const char* text;
        int n;
        const char* field;
    } cases[] = {{"a,b,c", 1, "a"}, {"a,b,c", 3, "c"}, {"a,b,c", 4, ""}, {"a,,c", 2, ""},
                 {"a,b,", 3, ""},   {"a,b", 0, ""},    {"", 1, ""}};
    for (const auto& c : cases)
        EXPECT_EQ(GetDelimitedField(QString::fromLatin1(c.text), QLatin1Char(','), static_cast<std::uint8_t>(c.n)),
                  QString::fromLatin1(c.field)) << c.text << " " << c.n;
    EXPECT_EQ(GetDelimitedField(QStringLiteral("x\ty"), QLatin1Char('\t'), 2), QStringLiteral("y"));
    for (auto [text, count] : {std::pair{"", 0}, {"a", 1}, {",,", 3}})
        EXPECT_EQ(MaskChar(QLatin1String(text), QLatin1Char(',')), count) << text;
}

TEST(IniFloats, StarReplacesTheDecimalSeparator)
{
    for (char decimal : {'.', ','}) {
        FormatSettingsScope scope(Separators(decimal, decimal == '.' ? ',' : '.'));
        EXPECT_EQ(FloatToIniStr(1.5), QStringLiteral("1*5")) << decimal;
        EXPECT_EQ(FloatToIniStr(-1234567.25), QStringLiteral("-1234567*25"));
        for (double v : {0.1, -123456.789, 1e-20, 3.0e200, 0.0})
            EXPECT_EQ(IniStrToFloat(FloatToIniStr(v)), v) << v;
        EXPECT_THROW(IniStrToFloat(QStringLiteral("abc")), EConvertError);
    }
}

TEST(IniFloats, ReadAndWrite)
{
    FormatSettingsScope scope(Separators(',', '.'));
    IniFile ini = IniFile::FromBytes("[S]\r\nNa=NA\r\nBad=1x5\r\nGood=2*25\r\n");
    IniWriteFloat(ini, QStringLiteral("S"), QStringLiteral("New"), 0.125);
    EXPECT_TRUE(ini.ToBytes().contains("New=0*125\r\n"));
    const std::pair<const char*, double> cases[] = {{"Missing", 7.5}, {"Na", 7.5}, {"Bad", 7.5}, {"Good", 2.25}, {"New", 0.125}};
    for (const auto& [key, value] : cases)
        EXPECT_EQ(IniReadFloat(ini, QStringLiteral("S"), QString::fromLatin1(key), 7.5), value) << key;
}

TEST(IniLineBreaks, EncodeAndDecode)
{
    EXPECT_EQ(IniDecodeLineBreaks(QStringLiteral("one~CR~two"), tLineBreak::Lf), QStringLiteral("one\ntwo"));
    EXPECT_EQ(IniDecodeLineBreaks(QStringLiteral("~CR~~CR~")), QStringLiteral("\r\n\r\n"));
    EXPECT_EQ(IniDecodeLineBreaks(QStringLiteral("~CR ~C~CR")), QStringLiteral("~CR ~C~CR"));
    // LF (Qt's line break) and a lone CR are line breaks too.
    EXPECT_EQ(IniEncodeLineBreaks(QStringLiteral("a\nb\rc\r\r\nd\r")), QStringLiteral("a~CR~b~CR~c~CR~~CR~d~CR~"));
}

TEST(IniFonts, WriteAndRead)
{
    IniFile ini = IniFile::FromBytes("[F]\r\nFive=Courier,10,255,2,0\r\nBad=Times,x,y,9,300,7,-1,z,3\r\nEmpty=\r\n");
    tFontRec font{.Name = QStringLiteral("Arial"), .Height = -13, .Style = 1u << fsBold};
    IniWriteFont(ini, QStringLiteral("F"), QStringLiteral("Out"), font);
    EXPECT_EQ(ini.ReadString(QStringLiteral("F"), QStringLiteral("Out"), QString()), QStringLiteral("Arial,-13,0,0,1,0"));
    font.Style = 0xF;
    font.Color = -16777208;
    IniWriteFont(ini, QStringLiteral("F"), QStringLiteral("All"), font);
    tFontRec back;
    IniReadFont(ini, QStringLiteral("F"), QStringLiteral("All"), back);
    EXPECT_EQ(back, font);

    tFontRec five;
    five.Style = 0xF;
    IniReadFont(ini, QStringLiteral("F"), QStringLiteral("Five"), five);
    tFontRec expected{.Name = QStringLiteral("Courier"), .Height = 10, .Color = 255, .Pitch = fpFixed, .Charset = 0};
    EXPECT_EQ(five, expected);
    // Bad fields leave their property; style numbers outside 0..3 are skipped.
    tFontRec bad = font;
    IniReadFont(ini, QStringLiteral("F"), QStringLiteral("Bad"), bad);
    expected = font;
    expected.Name = QStringLiteral("Times");
    expected.Style = 1u << fsStrikeOut;
    EXPECT_EQ(bad, expected);
    // A missing or empty key leaves the whole font as it was.
    tFontRec kept = font;
    IniReadFont(ini, QStringLiteral("F"), QStringLiteral("Missing"), kept);
    IniReadFont(ini, QStringLiteral("F"), QStringLiteral("Empty"), kept);
    EXPECT_EQ(kept, font);
}

}  // namespace
