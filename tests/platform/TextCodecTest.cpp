#include "platform/FormatSettings.h"
#include "platform/MessageBeep.h"
#include "platform/TextCodec.h"
#include "QStringPrinter.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(TextCodec, Windows1252AndUtf8Detection)
{
    // Euro sign, an unassigned byte kept as its C1 control, S caron, Y diaeresis, a umlaut.
    const QByteArray bytes("\x80\x81\x8A\x9F\xA0\xE4\xFF", 7);
    EXPECT_EQ(FromWindows1252(bytes), QString::fromUtf8("\u20ac\u0081\u0160\u0178\u00a0\u00e4\u00ff"));
    EXPECT_EQ(ToWindows1252(FromWindows1252(bytes)), bytes);
    EXPECT_EQ(ToWindows1252(QString::fromUtf8("a\xce\xa9\xe2\x80\x93")), QByteArray("a?\x96"));

    const QString grosse = QString::fromUtf8("Gr\u00fc\u00dfe");
    EXPECT_EQ(DecodeFileText("Gr\xc3\xbc\xc3\x9f" "e"), grosse);
    EXPECT_EQ(DecodeFileText("Gr\xfc\xdf" "e"), grosse);
    EXPECT_EQ(DecodeFileText("\xEF\xBB\xBFok"), "ok");
    // Overlong forms, lone continuation bytes and encoded surrogates are no UTF-8.
    EXPECT_EQ(DecodeFileText("\xC0\xAF"), QString::fromUtf8("\xc3\x80\xc2\xaf"));
    EXPECT_EQ(DecodeFileText("a\x80"), QString::fromUtf8("a\xe2\x82\xac"));
    EXPECT_EQ(DecodeFileText("\xED\xA0\x80").size(), 3);
}

TEST(FormatSettingsRecord, ScopeRestoresAndLocaleSets)
{
    const QChar before = FormatSettings().DecimalSeparator;
    {
        FormatSettingsScope scope;
        SetFormatSettingsFromLocale(QLocale(QLocale::German, QLocale::Germany));
        EXPECT_EQ(FormatSettings().DecimalSeparator, QLatin1Char(','));
        EXPECT_EQ(FormatSettings().ThousandSeparator, QLatin1Char('.'));
        SetFormatSettingsFromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        EXPECT_EQ(FormatSettings().DateSeparator, QLatin1Char('/'));
    }
    EXPECT_EQ(FormatSettings().DecimalSeparator, before);
}

TEST(FormatSettingsRecord, ThousandsSeparatorFallsBackWhenTheLocaleHasNoUsableOne)
{
    struct Case {
        char16_t decimal;
        QString group;
        char16_t expected;
    };
    const Case cases[] = {
        {u'.', QStringLiteral(","), u','},       {u',', QStringLiteral("."), u'.'},
        {u',', QStringLiteral("\u00a0"), u'\u00a0'}, {u'.', QString(), u','},
        {u',', QString(), u'.'},                 {u'.', QStringLiteral("."), u','},
        {u',', QStringLiteral(","), u'.'},       {u',', QStringLiteral("\u2019\u2019"), u'.'},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ThousandSeparatorFor(QChar(c.decimal), c.group), QChar(c.expected))
            << "decimal " << char(c.decimal) << ", group of " << c.group.size();
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
}

}  // namespace
