#include "report/ReportText.h"

#include "QStringPrinter.h"
#include "platform/FormatSettings.h"

#include <gtest/gtest.h>

#include <QHash>

namespace {

TReportRow R(int number, const char* name, const char* value, const char* unit)
{
    return {number, QString::fromUtf8(name), QString::fromUtf8(value), QString::fromUtf8(unit), false};
}

class ReportTextTest : public ::testing::Test {
protected:
    ReportTextTest() { FormatSettings().ShortDateFormat = QStringLiteral("dd.MM.yyyy"); }

    FormatSettingsScope scope{TFormatSettings()};
    TReportHeader header{.Date = QDate(2026, 3, 9), .Editor = QStringLiteral("Anna 100%"),
                         .Customer = QStringLiteral("Müller %1 & Co"), .Location = QStringLiteral("Halle 3"),
                         .Tag = QStringLiteral("FT-101"), .Remarks = {}, .ApplicationTitle = {}};
    // Name left, value by its report row (0 centred, 17 left, others right), unit centred.
    std::vector<TReportRow> rows{R(0, "Rohr-Material", "Stahl", "[00001]"), R(9, "Temperatur", "20.0", "°C"),
                                 R(17, "", "", ""), R(30, "Transducer distance", "112.75", "mm")};
};

const char* const HeaderLines = "-----Quelvar Report  DU Ultrasonics----\r\nDatum:\t09.03.2026\r\nVon  :\tAnna 100%\r\n"
                                "Kunde:\tMüller %1 & Co\r\nLocation:\tHalle 3\r\nTag:\tFT-101\r\n";

TEST_F(ReportTextTest, PaddedForTheFileUnpaddedForTheClipboard)
{
    const QString head = QString::fromUtf8(HeaderLines) + QStringLiteral("Bemerkungen:\t-\r\n\r\nStreckendaten:\r\n");
    // Widths in characters: 19 names, 6 values, 7 units ("°C" is two characters).
    EXPECT_EQ(BuildReportText(header, rows, true),
              head + QString::fromUtf8("Rohr-Material      \t Stahl\t[00001]\t\r\n"
                                       "Temperatur         \t  20.0\t     °C\t\r\n"
                                       "                   \t      \t       \t\r\n"
                                       "Transducer distance\t112.75\t     mm\t\r\n"));
    EXPECT_EQ(BuildReportText(header, rows, false),
              head + QString::fromUtf8("Rohr-Material\tStahl\t[00001]\t\r\nTemperatur\t20.0\t°C\t\r\n"
                                       "\t\t\t\r\nTransducer distance\t112.75\tmm\t\r\n"));
}

TEST_F(ReportTextTest, PaddingCountsCharactersOutsideTheBasicPlane)
{
    // U+1F600 and U+10400 are one character each but two UTF-16 units: the name column is
    // 13 characters wide (its two smileys get 11 blanks), the unit column 8 (set by the
    // eight U+10400, so "[00001]" gets one blank).
    const QString smileys = QString::fromUtf8("\U0001F600\U0001F600");
    QString deserets;
    for (int i = 0; i < 8; ++i)
        deserets += QString::fromUtf8("\U00010400");
    const std::vector<TReportRow> wide{R(0, "Rohr-Material", "Stahl", "[00001]"),
                                       {30, smileys, QStringLiteral("1.5"), deserets, false}};
    const QString text = BuildReportText(header, wide, true);
    EXPECT_EQ(text.mid(text.indexOf(QStringLiteral("Rohr-Material"))),
              QStringLiteral("Rohr-Material\tStahl\t [00001]\t\r\n") + smileys + QString(11, QLatin1Char(' '))
                  + QStringLiteral("\t  1.5\t") + deserets + QStringLiteral("\t\r\n"));
}

TEST_F(ReportTextTest, RemarksAndEmptyTable)
{
    header.Remarks = QStringLiteral("first %s line\nsecond\n\nfourth after an empty one\n");
    EXPECT_EQ(BuildReportText(header, {}, true),
              QString::fromUtf8(HeaderLines) + QStringLiteral("Bemerkungen:\r\nfirst %s line\r\nsecond\r\n\r\n"
                                                              "fourth after an empty one\r\n\r\nStreckendaten:\r\n"));
}

TEST_F(ReportTextTest, LabelsTranslatedUserTextVerbatim)
{
    header.Oem = true;
    header.ApplicationTitle = QStringLiteral("VK_RT");
    header.Tag = QStringLiteral("Tag:");
    const QHash<QString, QString> en = {{"Kunde:", "Customer:"}, {"Bemerkungen:%s", "Remarks:%s"}, {"Tag:", "TAG:"}};
    const QString text = BuildReportText(header, {R(1, "Tag:", "%1", "Kunde:")}, false,
                                         [&](const QString& t) { return en.value(t, t); });
    EXPECT_TRUE(text.startsWith(QStringLiteral("----- VK_RT Report  Brandolf----\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nCustomer:\tMüller %1 & Co\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nTAG:\tTag:\r\nRemarks:\t-\r\n")));
    // Table cells were translated when the rows were built, never again.
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\nTag:\t%1\tKunde:\t\r\n")));
}

}  // namespace
