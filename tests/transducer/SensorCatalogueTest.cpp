// The transducer catalogue: codes and lookups, frequency classes, the listings of both brands
// and the table dump.

#include "platform/FormatSettings.h"
#include "transducer/OemVariant.h"
#include "transducer/SensorCatalogue.h"
#include "transducer/SensorListing.h"
#include "transducer/SensorTableDump.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(SensorCatalogue, CodesLookupsAndFrequencyClasses)
{
    std::set<int> codes;
    int defaults = 0;
    for (const tSensorDatenTableItem& e : SensorCatalogue) {
        EXPECT_TRUE(codes.insert(e.TypeCode).second) << int{e.TypeCode};
        defaults += e.DefaultChoice;
    }
    EXPECT_EQ(codes, (std::set<int>{1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
    EXPECT_EQ(defaults, 1);
    for (auto [code, index] : {std::pair<std::uint8_t, int>{2, 6}, {14, 12}, {0, 0}, {4, 0}, {15, 0}, {255, 0}})
        EXPECT_EQ(FindSensorIndex(code), index) << int{code};
    // The class comes from Toleranz, not from FreqClass; each bound is exclusive.
    tSensorDatenTableItem e;
    for (auto [tolerance, cls] : {std::pair{79.99, 5}, {80.0, 4}, {199.99, 4}, {200.0, 3}, {299.99, 3}, {300.0, 2},
                                  {599.99, 2}, {600.0, 1}}) {
        e.Toleranz = tolerance;
        EXPECT_EQ(FrequencyClassOfSelected(e), cls) << tolerance;
    }
}

TEST(SensorListing, VariantsDefaultsOfferedTypesAndLookups)
{
    const std::vector<int> all{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    struct {
        bool oem, all;
        std::vector<int> indices;
        int defaultItem, dropDown;
        std::uint16_t offered;
    } const cases[] = {
        {false, false, {0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12}, 7, 12, 0x7DEE},  // no 4, 9
        // The default is the item count minus one when the flagged entry comes by.
        {true, false, {1, 3, 4, 5, 8, 9, 10}, 4, 8, 0x39C8},  // 3, 6, 7, 8, 11, 12, 13
        {false, true, all, 8, 13, 0x7FEE},
        {true, true, all, 8, 13, 0x7FEE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "oem " << c.oem << " all " << c.all);
        const tSensorListing listing = BuildSensorListing(c.oem, c.all);
        std::vector<int> indices;
        for (const tSensorListItem& item : listing.Items) {
            indices.push_back(item.CatalogueIndex);
            const tSensorDatenTableItem& e = SensorCatalogue[static_cast<std::size_t>(item.CatalogueIndex)];
            EXPECT_EQ(item.Name, c.oem && !c.all ? e.BrandolfName : e.CBXname);
        }
        EXPECT_EQ(indices, c.indices);
        EXPECT_EQ(listing.DefaultItem, c.defaultItem);
        EXPECT_EQ(listing.DropDownCount, c.dropDown);
        EXPECT_EQ(listing.OfferedTypes, c.offered);
    }
    const std::uint8_t saved = IsOemVariant;
    IsOemVariant = 1;
    EXPECT_EQ(BuildSensorListing().Items.size(), 7u);
    IsOemVariant = saved;

    const tSensorListing own = BuildSensorListing(false);
    const tSensorListing partner = BuildSensorListing(true);
    // 9 is listed in neither variant.
    for (auto [listing, code, index] : {std::tuple{&own, 11, 7}, {&partner, 11, 4}, {&partner, 14, -1}, {&own, 0, -1},
                                        {&own, 4, -1}, {&own, 9, -1}})
        EXPECT_EQ(ComboIndexOfType(*listing, static_cast<std::uint8_t>(code)), index) << code;
    for (auto [listing, item, code] : {std::tuple{&own, 11, 14}, {&partner, 0, 3}, {&own, -1, 0}, {&own, 12, 0}})
        EXPECT_EQ(SensorTypeCodeOfItem(*listing, item), code) << item;
}

QStringList DumpLines()
{
    QStringList lines = QString::fromUtf8(SensTabsText()).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.size(), 18);
    EXPECT_EQ(lines.last(), QString());  // the last line ends in CR LF too
    return lines;
}

TEST(SensTabs, ExactTextInEitherDecimalSeparator)
{
    TFormatSettings settings;
    FormatSettingsScope scope(settings);
    const QStringList lines = DumpLines();
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
    EXPECT_TRUE(DumpLines()[3].startsWith(QStringLiteral("Sensorlaenge\tSrec.SLen           \t126,5\t60,0\t")));
}

TEST(SensTabs, WritesTheFileOverwritingItOrReportsWhyNot)
{
    FormatSettingsScope scope;
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("$$xxx.txt"));
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(10000, 'x'));
    file.close();
    ASSERT_TRUE(WriteOutSensTabs(name));
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
