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

TEST(DelimitedFields, FieldsAndCounts)
{
    const struct { const char* text; int n; const char* field; } cases[] = {
        {"a,b,c", 1, "a"}, {"a,b,c", 3, "c"}, {"a,b,c", 4, ""}, {"a,,c", 2, ""}, {"a,b,", 3, ""}, {"a,b", 0, ""}, {"", 1, ""}};
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
        EXPECT_EQ(FloatToIniStr(-1234567.25), QStringLiteral("-1234567*25")) << decimal;
        for (double v : {0.1, -123456.789, 1e-20, 3.0e200, 0.0})
            EXPECT_EQ(IniStrToFloat(FloatToIniStr(v)), v) << v;
        EXPECT_THROW(IniStrToFloat(QStringLiteral("abc")), EConvertError);
        IniFile ini = IniFile::FromBytes("[S]\r\nNa=NA\r\nBad=1x5\r\nGood=2*25\r\n");
        IniWriteFloat(ini, QStringLiteral("S"), QStringLiteral("New"), 0.125);
        EXPECT_TRUE(ini.ToBytes().contains("New=0*125\r\n"));
        const std::pair<const char*, double> cases[] = {{"Missing", 7.5}, {"Na", 7.5}, {"Bad", 7.5}, {"Good", 2.25}, {"New", 0.125}};
        for (const auto& [key, value] : cases)
            EXPECT_EQ(IniReadFloat(ini, QStringLiteral("S"), QString::fromLatin1(key), 7.5), value) << key;
    }
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
    const tFontRec font{.Name = "Arial", .Height = -13, .Color = -16777208, .Style = (1u << fsBold) | (1u << fsStrikeOut)};
    IniWriteFont(ini, "F", "Out", font);
    EXPECT_EQ(ini.ReadString("F", "Out", QString()), "Arial,-13,-16777208,0,1,0,3");
    tFontRec bad = font;  // bad fields leave their property; style numbers outside 0..3 are skipped
    bad.Name = "Times";
    bad.Style = 1u << fsStrikeOut;
    const std::pair<const char*, tFontRec> cases[] = {
        {"Out", font}, {"Five", {.Name = "Courier", .Height = 10, .Color = 255, .Pitch = fpFixed, .Charset = 0}},
        {"Bad", bad},  {"Missing", font}, {"Empty", font},  // a missing or empty key leaves the font as it was
    };
    for (const auto& [key, expected] : cases) {
        tFontRec read = font;
        IniReadFont(ini, "F", key, read);
        EXPECT_TRUE(read == expected) << key;
    }
}

}  // namespace
