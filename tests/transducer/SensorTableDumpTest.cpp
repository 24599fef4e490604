#include "transducer/SensorTableDump.h"

#include "platform/FormatSettings.h"
#include "transducer/SensorCatalogue.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QStringList Lines(const QByteArray& bytes)
{
    QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.last(), QString());  // the last line ends in CR LF too
    lines.removeLast();
    return lines;
}

TEST(SensTabs, ExactTextInEitherDecimalSeparator)
{
    TFormatSettings settings;
    settings.DecimalSeparator = QLatin1Char('.');
    FormatSettingsScope scope(settings);
    const QStringList lines = Lines(SensTabsText());
    ASSERT_EQ(lines.size(), 17);
    QString names = QStringLiteral("Sensortyp\tCBXname             \t");
    QString partner = QStringLiteral("#\tBrandolfName        \t");
    for (const tSensorDatenTableItem& e : SensorCatalogue) {
        names += QString(e.CBXname) + QLatin1Char('\t');
        partner += QString(e.BrandolfName) + QLatin1Char('\t');
    }
    EXPECT_EQ(lines[0], names);
    EXPECT_EQ(lines[1], partner);
    EXPECT_EQ(lines[2], QStringLiteral("Einbaulaenge\tSrec.SlenBau        \t127.0\t80.0\t80.0\t80.0\t80.0\t80.0\t60.0\t80.0\t60.0\t60.0\t80.0\t40.0\t25.0\t"));
    // "%06d" pads with blanks: the 0 is part of the width.
    EXPECT_EQ(lines[6], QStringLiteral("Material\tSrec.MaterDESC      \t    19\t    19\t    19\t    19\t    21\t    19\t    19\t    19\t    19\t    21\t    19\t    19\t     0\t"));
    // 0.25 rounds half away from zero on its decimal text.
    EXPECT_EQ(lines[11], QStringLiteral("#\tSrec.TotZeitAbgleich\t1.0\t0.8\t0.8\t0.8\t0.8\t0.8\t0.8\t0.4\t0.3\t0.3\t0.3\t0.3\t0.2\t"));
    EXPECT_EQ(lines[15], QStringLiteral("maximale Arbeitstemp T_max\tSrec.Temp.bis       \t130.0\t130.0\t130.0\t130.0\t200.0\t130.0\t70.0\t130.0\t130.0\t200.0\t130.0\t70.0\t130.0\t"));

    // The separator follows the settings; "%.1f" has no thousands separator.
    settings.DecimalSeparator = QLatin1Char(',');
    settings.ThousandSeparator = QLatin1Char('.');
    FormatSettingsScope comma(settings);
    const QStringList commaLines = Lines(SensTabsText());
    ASSERT_EQ(commaLines.size(), 17);
    EXPECT_TRUE(commaLines[3].startsWith(QStringLiteral("Sensorlaenge\tSrec.SLen           \t126,5\t60,0\t")));
}

TEST(SensTabs, WritesTheFileOverwritingItOrReportsWhyNot)
{
    FormatSettingsScope scope;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString name = dir.filePath(QStringLiteral("$$xxx.txt"));
    {
        QFile old(name);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(10000, 'x'));
    }
    ASSERT_TRUE(WriteOutSensTabs(name));
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), SensTabsText());

    const QString missing = dir.filePath(QStringLiteral("missing/folder/$$xxx.txt"));
    QString error;
    EXPECT_FALSE(WriteOutSensTabs(missing, &error));
    EXPECT_TRUE(error.startsWith(missing + QStringLiteral(": "))) << error.toStdString();
    EXPECT_GT(error.size(), missing.size() + 2);  // the reason follows the name
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_FALSE(WriteOutSensTabs(missing));  // without an error text
}

}  // namespace
