#include "platform/FormatSettings.h"
#include "platform/MessageBeep.h"
#include "platform/TextCodec.h"
#include "QStringPrinter.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(TextCodec, Windows1252BothWays)
{
    const QByteArray bytes("\x80\x81\x8A\x9F\xA0\xE4\xFF", 7);
    const QString text = FromWindows1252(bytes);
    ASSERT_EQ(text.size(), 7);
    EXPECT_EQ(text.at(0).unicode(), 0x20AC);  // euro sign
    EXPECT_EQ(text.at(1).unicode(), 0x0081);  // unassigned: kept as the C1 control
    EXPECT_EQ(text.at(2).unicode(), 0x0160);
    EXPECT_EQ(text.at(3).unicode(), 0x0178);
    EXPECT_EQ(text.at(5).unicode(), 0x00E4);
    EXPECT_EQ(ToWindows1252(text), bytes);
    EXPECT_EQ(ToWindows1252(QString::fromUtf8("a\xce\xa9\xe2\x80\x93")), QByteArray("a?\x96"));
}

TEST(TextCodec, DecodesUtf8WhenValidElseWindows1252)
{
    EXPECT_EQ(DecodeFileText("Gr\xc3\xbc\xc3\x9f" "e"), QString::fromUtf8("Gr\xc3\xbc\xc3\x9f" "e"));
    EXPECT_EQ(DecodeFileText("\xEF\xBB\xBFok"), "ok");
    EXPECT_EQ(DecodeFileText("Gr\xfc\xdf" "e"), QString::fromUtf8("Gr\xc3\xbc\xc3\x9f" "e"));
    // Overlong forms, lone continuation bytes and encoded surrogates are no UTF-8.
    EXPECT_EQ(DecodeFileText("\xC0\xAF"), QString::fromUtf8("\xc3\x80\xc2\xaf"));
    EXPECT_EQ(DecodeFileText("a\x80"), QString::fromUtf8("a\xe2\x82\xac"));
    EXPECT_EQ(DecodeFileText("\xED\xA0\x80").size(), 3);
    EXPECT_EQ(DecodeFileText(QByteArray()), QString());
}

TEST(FormatSettingsRecord, ScopeRestoresAndLocaleSets)
{
    const QChar before = FormatSettings().DecimalSeparator;
    {
        FormatSettingsScope scope;
        SetFormatSettingsFromLocale(QLocale(QLocale::German, QLocale::Germany));
        EXPECT_EQ(FormatSettings().DecimalSeparator, QLatin1Char(','));
        EXPECT_EQ(FormatSettings().ThousandSeparator, QLatin1Char('.'));
        EXPECT_EQ(FormatSettings().DateSeparator, QLatin1Char('.'));
        SetFormatSettingsFromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        EXPECT_EQ(FormatSettings().DecimalSeparator, QLatin1Char('.'));
        EXPECT_EQ(FormatSettings().ThousandSeparator, QLatin1Char(','));
        EXPECT_EQ(FormatSettings().DateSeparator, QLatin1Char('/'));
        EXPECT_EQ(FormatSettings().TimeSeparator, QLatin1Char(':'));
    }
    EXPECT_EQ(FormatSettings().DecimalSeparator, before);
    TFormatSettings comma;
    comma.DecimalSeparator = QLatin1Char(',');
    {
        FormatSettingsScope scope(comma);
        EXPECT_EQ(FormatSettings().DecimalSeparator, QLatin1Char(','));
    }
    EXPECT_EQ(FormatSettings().DecimalSeparator, before);
}

TEST(MessageBeepHook, CountsAndCallsTheHandler)
{
    ResetMessageBeepCount();
    std::vector<unsigned> heard;
    SetMessageBeepHandler([&](unsigned type) { heard.push_back(type); });
    MessageBeep(0xFFFF);
    MessageBeep();
    SetMessageBeepHandler(nullptr);
    MessageBeep(0);
    EXPECT_EQ(MessageBeepCount(), 3);
    EXPECT_EQ(heard, (std::vector<unsigned>{0xFFFF, 0xFFFFFFFFu}));
    ResetMessageBeepCount();
    EXPECT_EQ(MessageBeepCount(), 0);
}

}  // namespace
