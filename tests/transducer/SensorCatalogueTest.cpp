// The transducer catalogue: codes and lookups, frequency classes, the listings of both brands,
// the temperature check, the recommended type, the default path counts and the table dump.

#include "platform/FormatSettings.h"
#include "transducer/OemVariant.h"
#include "transducer/SensorCatalogue.h"
#include "transducer/SensorListing.h"
#include "transducer/SensorSelection.h"
#include "transducer/SensorTableDump.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>
#include <set>

namespace {

TEST(SensorCatalogue, CodesClassesListingsAndLookups)
{
    const std::vector<int> all{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    // The default is the item count minus one when the flagged entry comes by.
    struct {
        bool oem, all;
        std::vector<int> indices;
        int defaultItem, dropDown;
        std::uint16_t offered;
    } const cases[] = {{false, false, {0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12}, 7, 12, 0x7DEE},  // no 4, 9
                       {true, false, {1, 3, 4, 5, 8, 9, 10}, 4, 8, 0x39C8},  // 3, 6, 7, 8, 11, 12, 13
                       {false, true, all, 8, 13, 0x7FEE}, {true, true, all, 8, 13, 0x7FEE}};
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
        EXPECT_EQ(std::tuple(listing.DefaultItem, listing.DropDownCount, listing.OfferedTypes),
                  std::tuple(c.defaultItem, c.dropDown, c.offered));
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
    std::set<int> codes;  // each code once
    for (const tSensorDatenTableItem& e : SensorCatalogue)
        EXPECT_TRUE(codes.insert(e.TypeCode).second) << int{e.TypeCode};
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

// Wall materials of the three classes.
constexpr std::uint16_t Steel = 1;    // class 0
constexpr std::uint16_t Plastic = 3;  // class 1
constexpr std::uint16_t PP = 14;      // class 2

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr std::uint32_t Start = SensorStatusStart, Hot = SensorTooHot, Cold = SensorTooCold;

const std::uint16_t OwnOffer = BuildSensorListing(false).OfferedTypes;      // holds 14
const std::uint16_t PartnerOffer = BuildSensorListing(true).OfferedTypes;   // lacks 14

TEST(SensorSelection, TemperatureBoundsAndRecommendedType)
{
    // Unknown codes use the first entry (-30..130); NaN is never in range, nor hot or cold.
    for (auto [code, t, ok, expected] : {std::tuple<std::uint8_t, double, bool, std::uint32_t>{11, 130.0, true, Start},
                                         {11, -30.0, true, Start}, {11, 130.01, false, Start | Hot},
                                         {11, -30.01, false, Start | Cold}, {12, 200.0, true, Start},
                                         {4, 130.0, true, Start}, {99, 131.0, false, Start | Hot}, {11, NaN, false, Start}}) {
        std::uint32_t status = Start | Hot | Cold;
        EXPECT_EQ(CheckSensorTemperature(code, t, status), ok) << int{code} << " " << t;
        EXPECT_EQ(status, expected) << int{code} << " " << t;
    }
    // Code 0 is never fit and leaves the status alone.
    std::uint32_t status = Start | Hot;
    EXPECT_TRUE(!SensorTemperatureOk(0, 20.0, status) && status == (Start | Hot));
    EXPECT_TRUE(SensorTemperatureOk(11, 20.0, status) && status == Start);
    struct {
        std::uint16_t material;
        double d;
        std::uint8_t type;
        double t = 20.0;
        std::uint32_t status = Start;  // describes the chosen type
        std::uint16_t offer = OwnOffer;
    } const cases[] = {
        // A band edge E (in 0.1 mm) lies at (E - 0.5) / 10 mm. Class 1: S [50,151) 4M [151,801)
        // 1M [801,22001) L [22001,60001); class 2: S [50,101) 4M [101,501); class 0: S [50,251)
        // 4M [251,1501); 1M and L as class 1 in both; an unknown material counts as class 0.
        {Plastic, 4.96, 14}, {Plastic, 15.06, 11}, {Plastic, 80.06, 6}, {Plastic, 2200.04, 6}, {Plastic, 2200.06, 3},
        {Plastic, 6000.06, 0}, {PP, 10.04, 14}, {PP, 10.06, 11}, {PP, 50.04, 11}, {PP, 50.06, 6}, {PP, 2200.04, 6},
        {PP, 2200.06, 3}, {Steel, 25.06, 11}, {Steel, 150.04, 11}, {Steel, 150.06, 6}, {Steel, 2200.1, 3},
        {Steel, 6000.0, 3}, {Steel, 6000.1, 0}, {99, 25.04, 14}, {0, 150.06, 6},
        // D x 10 is exactly x.5: halves round to even, rounding up would cross the edge.
        {Plastic, 15.05, 14}, {Plastic, 80.05, 11}, {Steel, 25.05, 14}, {Steel, 2200.05, 6}, {Steel, 4.95, 14},
        // Without the 8 MHz head class 2 has nothing for small pipes; class 1 takes the 4 MHz
        // head from 10 mm, class 0 from 15 mm (compared unrounded).
        {PP, 5.0, 0, 20.0, Start, PartnerOffer}, {PP, 10.04, 0, 20.0, Start, PartnerOffer},
        {Plastic, 9.99, 0, 20.0, Start, PartnerOffer}, {Plastic, 10.0, 11, 20.0, Start, PartnerOffer},
        {Steel, 14.99, 0, 20.0, Start, PartnerOffer}, {Steel, 15.01, 11, 20.0, Start, PartnerOffer}, {Plastic, 9.9, 14},
        // Too hot for the standard head: the hot variant. Too cold keeps the standard head.
        {Plastic, 50.0, 12, 131.0}, {Plastic, 50.0, 12, 200.01, Start | Hot}, {Steel, 500.0, 7, 131.0},
        {Plastic, 50.0, 11, -31.0, Start | Cold}, {Steel, 500.0, 6, -40.0, Start | Cold},
        // A too hot 8 MHz head falls back to the 4 MHz rule, which may find nothing.
        {Plastic, 12.0, 12, 131.0}, {Plastic, 8.0, 0, 131.0, Start | Hot},
        // The large head has no hot variant: it stays, with the too-hot bit.
        {Steel, 3000.0, 3, 131.0, Start | Hot}, {Steel, 3000.0, 3, -31.0, Start | Cold, PartnerOffer},
        {Steel, 100.0, 0, NaN},
    };
    for (const auto& c : cases) {
        std::uint32_t status = 0;
        SCOPED_TRACE(testing::Message() << c.material << " " << c.d << " " << c.t << " " << c.offer);
        EXPECT_EQ(RecommendSensorType(c.material, c.offer, status, c.d, c.t), c.type);
        EXPECT_EQ(status, c.status);
    }
    for (double d : {NaN, Inf, -Inf, -1.0, -2200.0, 0.0, 4.9, 4.94, 6000.1, 1e300})
        for (std::uint16_t material : {Steel, Plastic, PP}) {
            std::uint32_t status = 0;
            EXPECT_TRUE(RecommendSensorType(material, OwnOffer, status, d, 20.0) == 0 && status == Start) << d;
        }
}

TEST(DefaultSoundPaths, RowsOfEveryFrequencyClass)
{
    const std::tuple<std::uint8_t, double, std::uint8_t, std::uint8_t, std::uint8_t> cases[] = {
        {2, 0.0, 5, 4, 0}, {2, 100.05, 5, 4, 0}, {2, 100.06, 1, 2, 0}, {4, 11.94, 1, 8, 1}, {4, 11.96, 1, 6, 1},
        {4, 24.94, 1, 6, 1}, {4, 24.96, 1, 4, 1}, {4, 59.94, 1, 4, 1}, {4, 59.96, 1, 2, 1}, {4, 299.94, 1, 2, 1},
        {4, 299.96, 1, 2, 0}, {5, 0.01, 7, 8, 1}, {5, 10.04, 7, 8, 1}, {5, 10.06, 5, 6, 1}, {5, 15.05, 5, 6, 1},
        {5, 15.06, 3, 4, 1}, {5, 25.04, 3, 4, 1}, {5, 25.06, 1, 2, 1}, {1, 5.0, 1, 2, 1}, {3, 10.0, 1, 2, 1},
        {0, 10.0, 1, 2, 1}, {9, 10.0, 1, 2, 1},
        // 65536 tenths must not wrap to small pipes; no pipe keeps the plain defaults.
        {5, 6553.55, 1, 2, 1}, {2, 6553.55, 1, 2, 0}, {4, 6553.55, 1, 2, 0}, {5, 1e300, 1, 2, 1}, {5, Inf, 1, 2, 1},
        {2, Inf, 1, 2, 0}, {5, -5.0, 1, 2, 1}, {5, -1e300, 1, 2, 1}, {5, NaN, 1, 2, 1}, {2, NaN, 1, 2, 1},
    };
    for (const auto& [cls, d, direct, reflex, preferred] : cases) {
        tSoundPathDefaults defaults{99, 99, 99};
        DefaultSoundPaths(cls, defaults, d);
        EXPECT_EQ(std::tuple(defaults.Direct, defaults.Reflex, defaults.Preferred), std::tuple(direct, reflex, preferred))
            << int{cls} << " " << d;
    }
}

QStringList DumpLines()
{
    QStringList lines = QString::fromUtf8(SensTabsText()).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.size(), 18);
    EXPECT_EQ(lines.last(), QString());  // the last line ends in CR LF too
    return lines;
}

TEST(SensTabs, ExactTextInEitherSeparatorAndTheFile)
{
    TFormatSettings settings;
    FormatSettingsScope scope(settings);
    const QStringList lines = DumpLines();
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Sensortyp\tCBXname             \t") + SensorCatalogue[0].CBXname + '\t'));
    // "%06d" pads with blanks: the 0 is part of the width.
    EXPECT_EQ(lines[6], QStringLiteral("Material\tSrec.MaterDESC      \t    19\t    19\t    19\t    19\t    21\t    19\t    19\t    19\t    19\t    21\t    19\t    19\t     0\t"));
    // 0.25 rounds half away from zero on its decimal text.
    EXPECT_EQ(lines[11], QStringLiteral("#\tSrec.TotZeitAbgleich\t1.0\t0.8\t0.8\t0.8\t0.8\t0.8\t0.8\t0.4\t0.3\t0.3\t0.3\t0.3\t0.2\t"));
    // The separator follows the settings; "%.1f" has no thousands separator.
    settings.DecimalSeparator = QLatin1Char(',');
    settings.ThousandSeparator = QLatin1Char('.');
    FormatSettingsScope comma(settings);
    EXPECT_TRUE(DumpLines()[3].startsWith(QStringLiteral("Sensorlaenge\tSrec.SLen           \t126,5\t60,0\t")));
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
    EXPECT_TRUE(error.startsWith(missing + QStringLiteral(": ")) && error.size() > missing.size() + 2)
        << error.toStdString();  // the reason follows the name
    EXPECT_FALSE(WriteOutSensTabs(missing));  // without an error text
}

// Every catalogue value as the dump shows it: a typo in one head type's value changes every
// spacing computed for it.
TEST(SensTabs, ExactTextInEitherDecimalSeparator)
{
    TFormatSettings settings;
    settings.DecimalSeparator = QLatin1Char('.');
    FormatSettingsScope scope(settings);
    const QStringList lines = DumpLines();
    ASSERT_EQ(lines.size(), 18);
    QString names = QStringLiteral("Sensortyp\tCBXname             \t");
    QString partner = QStringLiteral("#\tBrandolfName        \t");
    for (const tSensorDatenTableItem& e : SensorCatalogue) {
        names += QString(e.CBXname) + QLatin1Char('\t');
        partner += QString(e.BrandolfName) + QLatin1Char('\t');
    }
    EXPECT_EQ(lines[0], names);
    EXPECT_EQ(lines[1], partner);
    EXPECT_EQ(lines[2], QStringLiteral("Einbaulaenge\tSrec.SlenBau        \t127.0\t80.0\t80.0\t80.0\t80.0\t80.0\t60.0\t80.0\t60.0\t60.0\t80.0\t40.0\t25.0\t"));
    EXPECT_EQ(lines[3], QStringLiteral("Sensorlaenge\tSrec.SLen           \t126.5\t60.0\t60.0\t60.0\t60.0\t60.0\t59.0\t60.0\t42.5\t42.5\t60.0\t35.0\t25.0\t"));
    EXPECT_EQ(lines[4], QStringLiteral("Sensorhoehe\tSrec.Shigh          \t53.5\t33.5\t33.5\t33.5\t33.5\t33.5\t29.5\t33.5\t21.5\t21.5\t33.5\t21.0\t20.0\t"));
    EXPECT_EQ(lines[5], QStringLiteral("Sensorbreite\tSrec.Sbreit         \t47.0\t30.0\t30.0\t30.0\t30.0\t30.0\t28.0\t30.0\t18.0\t18.0\t30.0\t18.0\t13.0\t"));
    EXPECT_EQ(lines[7], QStringLiteral("Einstrahlwinkel a\tSrec.EinstrahlWinkel\t39.0\t36.0\t39.0\t36.0\t36.0\t39.0\t39.0\t36.0\t39.0\t36.0\t39.0\t39.0\t36.5\t"));
    EXPECT_EQ(lines[8], QStringLiteral("Schallweg l_a\tSrec.Schallweg      \t26.7\t13.5\t14.5\t13.5\t13.5\t14.5\t14.5\t13.5\t8.2\t7.6\t8.2\t8.2\t4.8\t"));
    EXPECT_EQ(lines[9], QStringLiteral("Kantenoffset L_off\tSrec.Kantenoffs     \t73.3\t32.7\t28.2\t32.7\t32.8\t28.2\t28.0\t34.9\t13.9\t14.4\t17.1\t12.4\t8.9\t"));
    EXPECT_EQ(lines[10], QStringLiteral("#\tSrec.Toleranz       \t900.0\t440.0\t440.0\t440.0\t440.0\t440.0\t440.0\t225.0\t110.0\t110.0\t110.0\t110.0\t62.0\t"));
    EXPECT_EQ(lines[12], QStringLiteral("minimale Nennweite d_min\tSrec.DNspez.von     \t200.0\t2000.0\t2000.0\t100.0\t100.0\t100.0\t100.0\t50.0\t25.0\t25.0\t25.0\t25.0\t10.0\t"));
    EXPECT_EQ(lines[13], QStringLiteral("maximale nennweite d_max\tSrec.DNspez.bis     \t6500.0\t6000.0\t6000.0\t2000.0\t2000.0\t2000.0\t2000.0\t600.0\t400.0\t400.0\t400.0\t400.0\t100.0\t"));
    EXPECT_EQ(lines[14], QStringLiteral("minimale Arbeitstemp. T_min\tSrec.Temp.von       \t-30.0\t-30.0\t-30.0\t-30.0\t-30.0\t-30.0\t-30.0\t-30.0\t-30.0\t-30.0\t-30.0\t-30.0\t-30.0\t"));
    EXPECT_EQ(lines[15], QStringLiteral("maximale Arbeitstemp T_max\tSrec.Temp.bis       \t130.0\t130.0\t130.0\t130.0\t200.0\t130.0\t70.0\t130.0\t130.0\t200.0\t130.0\t70.0\t130.0\t"));
    EXPECT_EQ(lines[16], QStringLiteral("Mittenfrequenz f\tSrec.MainFreqKHZ    \t500.0\t1000.0\t1000.0\t1000.0\t1000.0\t1000.0\t1000.0\t2000.0\t4000.0\t4000.0\t4000.0\t4000.0\t8000.0\t"));
    // With a decimal comma every number changes its separator, to the last column.
    settings.DecimalSeparator = QLatin1Char(',');
    settings.ThousandSeparator = QLatin1Char('.');
    FormatSettingsScope comma(settings);
    EXPECT_TRUE(DumpLines()[16].endsWith(QStringLiteral("\t4000,0\t8000,0\t")));
}

}  // namespace
