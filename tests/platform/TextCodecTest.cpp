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

    const std::pair<QByteArray, QString> files[] = {
        {"Gr\xc3\xbc\xc3\x9f" "e", QString::fromUtf8("Gr\u00fc\u00dfe")},
        {"Gr\xfc\xdf" "e", QString::fromUtf8("Gr\u00fc\u00dfe")},
        {"\xEF\xBB\xBFok", "ok"},
        // Overlong forms, lone continuation bytes and encoded surrogates are no UTF-8.
        {"\xC0\xAF", QString::fromUtf8("\xc3\x80\xc2\xaf")},
        {"a\x80", QString::fromUtf8("a\xe2\x82\xac")},
        {"\xED\xA0\x80", QString::fromUtf8("\xc3\xad\xc2\xa0\xe2\x82\xac")},
    };
    for (const auto& [file, text] : files)
        EXPECT_EQ(DecodeFileText(file), text) << file.toHex().toStdString();
}

TEST(FormatSettingsRecord, LocaleSetsAndThousandsSeparatorFallsBack)
{
    const FormatSettingsScope outer{TFormatSettings{}};
    {
        const FormatSettingsScope scope;
        SetFormatSettingsFromLocale(QLocale(QLocale::German, QLocale::Germany));
        EXPECT_EQ(QString(FormatSettings().DecimalSeparator) + FormatSettings().ThousandSeparator, ",.");
    }
    // The scope gives back the record it found.
    EXPECT_EQ(QString(FormatSettings().DecimalSeparator) + FormatSettings().ThousandSeparator, ".,");
    // The locale's group separator unless it is empty, longer than one character or the
    // decimal separator itself.
    const std::tuple<char16_t, QString, char16_t> cases[] = {
        {u'.', QStringLiteral(","), u','},       {u',', QStringLiteral("."), u'.'},
        {u',', QStringLiteral("\u00a0"), u'\u00a0'}, {u'.', QString(), u','},
        {u',', QString(), u'.'},                 {u'.', QStringLiteral("."), u','},
        {u',', QStringLiteral(","), u'.'},       {u',', QStringLiteral("\u2019\u2019"), u'.'},
    };
    for (const auto& [decimal, group, expected] : cases)
        EXPECT_EQ(ThousandSeparatorFor(QChar(decimal), group), QChar(expected))
            << "decimal " << char(decimal) << ", group of " << group.size();
}

// The beep of rejected input reaches the installed sound; without one it is only counted.
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
