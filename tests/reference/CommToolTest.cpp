#include "reference/CommTool.h"

#include "platform/Exceptions.h"
#include "platform/FormatSettings.h"
#include "platform/IniFile.h"

#include <gtest/gtest.h>

namespace {

TFormatSettings Separators(char decimal, char thousand)
{
    TFormatSettings settings;
    settings.DecimalSeparator = QLatin1Char(decimal);
    settings.ThousandSeparator = QLatin1Char(thousand);
    return settings;
}

constexpr std::uint32_t Red = 0x0000FF;

TEST(CheckEditValue, ThousandsSeparatorsAreDropped)
{
    {
        FormatSettingsScope scope(Separators(',', '.'));
        const tCheckEditResult r = CheckEditValue(QStringLiteral("1.234,5"), 0, 1e6, QString(), true);
        EXPECT_TRUE(r.Ok);
        EXPECT_EQ(r.Value, 1234.5);
        EXPECT_TRUE(r.LabelChanged);
        EXPECT_EQ(r.LabelCaption, QString());
        EXPECT_EQ(r.LabelColor, 0u);
        EXPECT_FALSE(r.Beep || r.FocusBack || r.ShowLabel);
    }
    FormatSettingsScope scope(Separators('.', ','));
    const tCheckEditResult r = CheckEditValue(QStringLiteral("1,234.5"), 0, 1e6, QString(), true);
    EXPECT_TRUE(r.Ok);
    EXPECT_EQ(r.Value, 1234.5);
}

TEST(CheckEditValue, RangeIsInclusiveAndMessagesUseTenDigits)
{
    FormatSettingsScope scope(Separators(',', '.'));
    EXPECT_TRUE(CheckEditValue(QStringLiteral("100"), 0.5, 100, QString(), true).Ok);
    EXPECT_TRUE(CheckEditValue(QStringLiteral("0,5"), 0.5, 100, QString(), true).Ok);

    tCheckEditResult r = CheckEditValue(QStringLiteral("100,01"), 0.5, 100, QString(), true);
    EXPECT_FALSE(r.Ok);
    EXPECT_EQ(r.Value, 0.0);
    EXPECT_EQ(r.LabelCaption, QStringLiteral("MAX: 100 "));
    EXPECT_EQ(r.LabelColor, Red);
    EXPECT_TRUE(r.ShowLabel && r.Beep && r.FocusBack);

    r = CheckEditValue(QStringLiteral("0,1"), 0.5, 100, QStringLiteral("bar"), true);
    EXPECT_EQ(r.LabelCaption, QStringLiteral("MIN: 0,5 bar"));
    r = CheckEditValue(QStringLiteral("-1"), 1.0 / 3, 100, QString(), true);
    EXPECT_EQ(r.LabelCaption, QStringLiteral("MIN: 0,3333333333 "));
    r = CheckEditValue(QStringLiteral("1e9"), 0, 123456.789012345, QString(), true);
    EXPECT_EQ(r.LabelCaption, QStringLiteral("MAX: 123456,789 "));
}

TEST(CheckEditValue, SyntaxErrors)
{
    FormatSettingsScope scope(Separators('.', ','));
    for (const char* text : {"abc", "1e400", "nan", "inf", "-inf", "1.2.3", "0x10"}) {
        const tCheckEditResult r = CheckEditValue(QString::fromLatin1(text), -1e300, 1e300, QStringLiteral("m/s"), true);
        EXPECT_FALSE(r.Ok) << text;
        EXPECT_EQ(r.Value, 0.0) << text;
        EXPECT_EQ(r.LabelCaption, QStringLiteral("SYNTAX ERROR m/s")) << text;
        EXPECT_EQ(r.LabelColor, Red);
        EXPECT_TRUE(r.ShowLabel && r.Beep && r.FocusBack) << text;
    }
}

TEST(CheckEditValue, WithoutLabelAndEmptyText)
{
    FormatSettingsScope scope(Separators('.', ','));
    // Without a label a range failure only returns the focus; a syntax failure also beeps.
    tCheckEditResult r = CheckEditValue(QStringLiteral("5"), 10, 20, QString(), false);
    EXPECT_FALSE(r.Ok || r.Beep || r.LabelChanged || r.ShowLabel);
    EXPECT_TRUE(r.FocusBack);
    r = CheckEditValue(QStringLiteral("x"), 10, 20, QString(), false);
    EXPECT_TRUE(r.Beep && r.FocusBack);
    EXPECT_FALSE(r.LabelChanged);
    // An empty edit reads as "0" and is checked as such.
    r = CheckEditValue(QString(), 0, 20, QString(), true);
    EXPECT_TRUE(r.Ok && r.ReplaceEmptyText);
    r = CheckEditValue(QString(), 1, 20, QString(), true);
    EXPECT_TRUE(r.ReplaceEmptyText);
    EXPECT_EQ(r.LabelCaption, QStringLiteral("MIN: 1 "));
}

TEST(DelimitedFields, FieldsAndCounts)
{
    const QChar comma = QLatin1Char(',');
    EXPECT_EQ(GetDelimitedField(QStringLiteral("a,b,c"), comma, 1), QStringLiteral("a"));
    EXPECT_EQ(GetDelimitedField(QStringLiteral("a,b,c"), comma, 3), QStringLiteral("c"));
    EXPECT_EQ(GetDelimitedField(QStringLiteral("a,b,c"), comma, 4), QString());
    EXPECT_EQ(GetDelimitedField(QStringLiteral("a,,c"), comma, 2), QString());
    EXPECT_EQ(GetDelimitedField(QStringLiteral("a,b,"), comma, 3), QString());
    EXPECT_EQ(GetDelimitedField(QStringLiteral("a,b"), comma, 0), QString());
    EXPECT_EQ(GetDelimitedField(QString(), comma, 1), QString());
    EXPECT_EQ(GetDelimitedField(QStringLiteral("x\ty"), QLatin1Char('\t'), 2), QStringLiteral("y"));
    EXPECT_EQ(MaskChar(QString(), comma), 0);
    EXPECT_EQ(MaskChar(QStringLiteral("a"), comma), 1);
    EXPECT_EQ(MaskChar(QStringLiteral(",,"), comma), 3);
}

TEST(IniFloats, StarReplacesTheDecimalSeparator)
{
    for (char decimal : {'.', ','}) {
        FormatSettingsScope scope(Separators(decimal, decimal == '.' ? ',' : '.'));
        EXPECT_EQ(FloatToIniStr(1.5), QStringLiteral("1*5")) << decimal;
        EXPECT_EQ(FloatToIniStr(-1234567.25), QStringLiteral("-1234567*25"));
        EXPECT_EQ(IniStrToFloat(QStringLiteral("1*5")), 1.5);
        for (double v : {0.1, -123456.789, 1e-20, 3.0e200, 0.0})
            EXPECT_EQ(IniStrToFloat(FloatToIniStr(v)), v) << v;
        EXPECT_THROW(IniStrToFloat(QStringLiteral("abc")), EConvertError);
    }
}

TEST(IniFloats, ReadAndWrite)
{
    FormatSettingsScope scope(Separators(',', '.'));
    IniFile ini = IniFile::FromBytes("[S]\r\nNa=NA\r\nBad=1x5\r\nGood=2*25\r\n");
    EXPECT_EQ(IniReadFloat(ini, QStringLiteral("S"), QStringLiteral("Missing"), 7.5), 7.5);
    EXPECT_EQ(IniReadFloat(ini, QStringLiteral("S"), QStringLiteral("Na"), 7.5), 7.5);
    EXPECT_EQ(IniReadFloat(ini, QStringLiteral("S"), QStringLiteral("Bad"), 7.5), 7.5);
    EXPECT_EQ(IniReadFloat(ini, QStringLiteral("S"), QStringLiteral("Good"), 7.5), 2.25);
    IniWriteFloat(ini, QStringLiteral("S"), QStringLiteral("New"), 0.125);
    EXPECT_TRUE(ini.ToBytes().contains("New=0*125\r\n"));
    EXPECT_EQ(IniReadFloat(ini, QStringLiteral("S"), QStringLiteral("New"), 7.5), 0.125);
}

TEST(IniLineBreaks, EncodeAndDecode)
{
    EXPECT_EQ(IniEncodeLineBreaks(QStringLiteral("one\r\ntwo")), QStringLiteral("one~CR~two"));
    EXPECT_EQ(IniDecodeLineBreaks(QStringLiteral("one~CR~two")), QStringLiteral("one\r\ntwo"));
    EXPECT_EQ(IniDecodeLineBreaks(QStringLiteral("one~CR~two"), tLineBreak::Lf), QStringLiteral("one\ntwo"));
    EXPECT_EQ(IniDecodeLineBreaks(QStringLiteral("~CR~~CR~")), QStringLiteral("\r\n\r\n"));
    EXPECT_EQ(IniDecodeLineBreaks(QStringLiteral("~CR ~C~CR")), QStringLiteral("~CR ~C~CR"));
    // LF (Qt's line break) and a lone CR are line breaks too.
    EXPECT_EQ(IniEncodeLineBreaks(QStringLiteral("a\nb\rc\r\r\nd\r")), QStringLiteral("a~CR~b~CR~c~CR~~CR~d~CR~"));
    EXPECT_EQ(IniEncodeLineBreaks(QString()), QString());

    // A multi-line memo survives a settings file.
    const QString memo = QStringLiteral("line 1\nline 2\n\nline 4");
    IniFile ini = IniFile::FromBytes(QByteArray());
    ini.WriteString(QStringLiteral("S"), QStringLiteral("Memo"), IniEncodeLineBreaks(memo));
    const IniFile reread = IniFile::FromBytes(ini.ToBytes());
    EXPECT_EQ(IniDecodeLineBreaks(reread.ReadString(QStringLiteral("S"), QStringLiteral("Memo"), QString()), tLineBreak::Lf),
              memo);
}

TEST(IniFonts, WriteAndRead)
{
    IniFile ini = IniFile::FromBytes("[F]\r\nSix=Arial,-13,0,0,1,0,2\r\nFive=Courier,10,255,2,0\r\n"
                                     "Bad=Times,x,y,9,300,7,-1,z,3\r\nEmpty=\r\n");
    tFontRec font;
    font.Name = QStringLiteral("Arial");
    font.Height = -13;
    font.Style = 1u << fsBold;
    IniWriteFont(ini, QStringLiteral("F"), QStringLiteral("Out"), font);
    EXPECT_EQ(ini.ReadString(QStringLiteral("F"), QStringLiteral("Out"), QString()), QStringLiteral("Arial,-13,0,0,1,0"));
    font.Style = 0xF;
    font.Color = -16777208;
    IniWriteFont(ini, QStringLiteral("F"), QStringLiteral("All"), font);
    tFontRec back;
    IniReadFont(ini, QStringLiteral("F"), QStringLiteral("All"), back);
    EXPECT_EQ(back, font);

    tFontRec six;
    IniReadFont(ini, QStringLiteral("F"), QStringLiteral("Six"), six);
    EXPECT_EQ(six.Style, (1u << fsBold) | (1u << fsUnderline));
    tFontRec five;
    five.Style = 0xF;
    IniReadFont(ini, QStringLiteral("F"), QStringLiteral("Five"), five);
    EXPECT_EQ(five.Name, QStringLiteral("Courier"));
    EXPECT_EQ(five.Height, 10);
    EXPECT_EQ(five.Color, 255);
    EXPECT_EQ(five.Pitch, fpFixed);
    EXPECT_EQ(five.Charset, 0);
    EXPECT_EQ(five.Style, 0);
    // Bad fields leave their property; style numbers outside 0..3 are skipped.
    tFontRec bad = font;
    IniReadFont(ini, QStringLiteral("F"), QStringLiteral("Bad"), bad);
    EXPECT_EQ(bad.Name, QStringLiteral("Times"));
    EXPECT_EQ(bad.Height, font.Height);
    EXPECT_EQ(bad.Color, font.Color);
    EXPECT_EQ(bad.Pitch, font.Pitch);
    EXPECT_EQ(bad.Charset, font.Charset);
    EXPECT_EQ(bad.Style, 1u << fsStrikeOut);
    // A missing or empty key leaves the whole font as it was.
    tFontRec kept = font;
    IniReadFont(ini, QStringLiteral("F"), QStringLiteral("Missing"), kept);
    IniReadFont(ini, QStringLiteral("F"), QStringLiteral("Empty"), kept);
    EXPECT_EQ(kept, font);
}

}  // namespace
