#include "calculator/core/MeasuringPointFile.h"

#include "calculator/core/Hydraulics.h"

#include "platform/FormatSettings.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <ostream>

// Defined with the settings tests in this executable.
void PrintTo(const QString& text, std::ostream* os);

namespace {

const QString CreatedBy = QStringLiteral("/opt/quelvar/Quelvar");

// The standard point: water at 20 °C in a 100 mm carbon-steel pipe at 1 m/s.
TMeasuringPointRecord StandardPoint()
{
    TMeasuringPoint point;
    point.SetStandardValues();
    return point.Record();
}

IniFile WrittenIni(const TMeasuringPointRecord& p, const tReportFileFields& r = {})
{
    IniFile ini = IniFile::FromBytes({});
    WriteMeasuringPoint(ini, p, r, CreatedBy);
    return ini;
}

QString Written(const TMeasuringPointRecord& p, const tReportFileFields& r = {})
{
    return QString::fromUtf8(WrittenIni(p, r).ToBytes());
}

TEST(MeasuringPointFile, StandardPointInItsKeyOrder)
{
    FormatSettingsScope format;
    FormatSettings().DecimalSeparator = QLatin1Char(',');  // files do not depend on it
    const QString expected = QStringLiteral(
        "[COMMON_INFO]\r\nCREATED_BY=/opt/quelvar/Quelvar\r\nSIGNATUR=DU_QVRT\r\n\r\n"
        "[COMMONS]\r\nVISKDYN=0\r\n\r\n"
        "[FIXED]\r\nPIPE=1\r\nVELOC=0\r\nVOLUME=0\r\n\r\n"
        "[PIPE]\r\nDESC=1\r\nROUGH=1\r\n\r\n"
        "[PIPEFL]\r\nDN=100\r\nLINING=0\r\nWALL=3\r\nWALLCUSER=0\r\nLINCUSER=0\r\nLINDESC=16\r\n\r\n"
        "[MEDIUM]\r\nDESC=10001\r\nTEMP=20\r\nPRESS=1\r\nDICHTE=0*998800944000194\r\n"
        "VISK=0*987196456833812\r\nVISKDYN=0*986012752999258\r\nRMIN=1000\r\nRMAX=6000\r\nCUSER=0\r\n\r\n"
        "[FLOW]\r\nVELOC=1000\r\nVOLUME=7853981*63397448\r\nMASSFL=7844564*2701739\r\n\r\n"
        "[MEORD]\r\nVELOC=0\r\nVOLUME=0\r\nMASSFL=0\r\nIDM=2\r\nQUER=1\r\nROUGH=1\r\nTEMP=0\r\n"
        "DICHTE=0\r\nVISK=0\r\nVISKDYN=0\r\n\r\n"
        "[TRANSD]\r\nSELCTED=0\r\nSOUNDPATH=0\r\nFIXED=0\r\nFIXDIST=0\r\n\r\n"
        "[REPORT]\r\nLastEditor=\r\nKunde=\r\nLocation=\r\nTag=\r\nMemo=\r\nSplitter=0\r\nSavePath=\r\n"
        "Font=MS Sans Serif,-11,0,0,1\r\n\r\n"
        "[NORMVOL]\r\nTEMP=20\r\nPRESS=1*01325\r\nCOMPRESS=1\r\n");
    EXPECT_EQ(Written(StandardPoint()), expected);
    // FIXED names the held quantity (written only: a load holds the pipe).
    const struct {
        THold hold;
        const char* keys;
    } holds[] = {{THold::CrossSection, "PIPE=1\r\nVELOC=0\r\nVOLUME=0"},
                 {THold::Velocity, "PIPE=0\r\nVELOC=1\r\nVOLUME=0"},
                 {THold::Volume, "PIPE=0\r\nVELOC=0\r\nVOLUME=1"},
                 {THold::None, "PIPE=0\r\nVELOC=0\r\nVOLUME=0"}};
    for (const auto& c : holds) {
        TMeasuringPointRecord p = StandardPoint();
        p.Hold = c.hold;
        EXPECT_TRUE(Written(p).contains(QStringLiteral("[FIXED]\r\n%1\r\n\r\n").arg(QLatin1String(c.keys))))
            << c.keys;
    }
}

// Every value of every section, the report's texts among them, comes back from the text.
TEST(MeasuringPointFile, EverySectionRoundTrips)
{
    TMeasuringPointRecord p;
    p.DynViscosityVisible = true;
    p.MaterialId = 3;
    p.InnerDiameterMm = 123.456789012345;
    p.LiningThickness = 2.5;
    p.WallThickness = 7.25;
    p.WallCUser = 5900.0;
    p.LiningCUser = 2300.0;
    p.LiningId = 3;
    p.Roughness = 0.15;
    p.MediumId = 10000;
    p.Temperature = -12.3456;
    p.Pressure = 17.5;
    p.Density = 0.8765;
    // The dynamic viscosity is the one shown; the kinematic one follows it.
    p.DynViscosity = 10.956;
    p.KinViscosity = KinFromDynViscosity(p.DynViscosity, p.Density);
    p.ReynoldsLam = 1500.0;
    p.ReynoldsTurb = 9000.0;
    p.MediumCUser = 1234.5;
    p.VolumeFlow = 1.0 / 3.0;
    p.Units = {4, 22, 7, 3, 4, 2, 3, 0, 0, 1, 0};
    p.SensorType = 14;
    p.SoundPaths = 8;
    p.SpacingFixed = true;
    p.FixedSpacing = 88.8;
    p.NormTemperature = 0.0;
    p.NormPressure = 1.2;
    p.Compressibility = 0.93;
    tReportFileFields r;
    r.Editor = QStringLiteral("Jörg Müller");
    r.Customer = QStringLiteral("Stadtwerke; \"Nord\"");
    r.Location = QStringLiteral("Pumpe 3 = links");
    r.Tag = QString(5000, QLatin1Char('T'));  // any length that fits the file
    r.Memo = QStringLiteral("first line\nsecond line\n\nfourth");
    r.MemoHeight = 140;
    r.SavePath = QStringLiteral("/home/ann/reports/r1.txt");
    r.Font.Name = QStringLiteral("DejaVu Sans");
    r.Font.Style = 0b0101;

    const QString text = Written(p, r);
    TMeasuringPointRecord back;
    tReportFileFields backReport;
    QStringList ignored;
    ReadMeasuringPoint(IniFile::FromBytes(text.toUtf8()), back, backReport, true, false, &ignored);
    EXPECT_TRUE(ignored.isEmpty()) << ignored.join(QLatin1Char(',')).toStdString();
    EXPECT_EQ(backReport, r);
    // FLOW VELOC and MASSFL are derived on loading, so compare the rest through the text.
    back.Velocity = p.Velocity;
    back.MassFlow = p.MassFlow;
    EXPECT_EQ(Written(back, backReport), text);
}

// A file round trip through the measuring point, one key at a time, from a point whose every
// key is read (the other medium, a fixed spacing, a stored transducer and report texts).
class FileRoundTrip : public ::testing::Test {
protected:
    FileRoundTrip()
    {
        TMeasuringPointRecord p = StandardPoint();
        p.MediumId = 10000;
        p.Density = 0.85;
        p.KinViscosity = 12.4;
        p.DynViscosity = 10.54;
        p.SensorType = 5;
        p.SoundPaths = 2;
        p.SpacingFixed = true;
        p.FixedSpacing = 50.0;
        report.Customer = QStringLiteral("Stadtwerke");
        report.Memo = QStringLiteral("a\nb");
        point.SetStandardValues();
        EXPECT_TRUE(LoadMeasuringPoint(point, report, WrittenIni(p, report), true, false, nullptr));
        normal = WrittenIni(point.Record(), report);
    }

    // Loads the file over a copy of the point; what it then writes, and the ignored keys.
    IniFile Load(const IniFile& file, QStringList& ignored) const
    {
        TMeasuringPoint loaded = point;
        tReportFileFields fields = report;
        QString error;
        EXPECT_TRUE(LoadMeasuringPoint(loaded, fields, file, true, false, &error, &ignored)) << error.toStdString();
        return WrittenIni(loaded.Record(), fields);
    }

    TMeasuringPoint point;
    tReportFileFields report;
    IniFile normal = IniFile::FromBytes({});
};

// Each row: a key's text in the file, what is written back after the load (nullptr: the
// same text; "-": the value held before), and whether the key is named as ignored.
TEST_F(FileRoundTrip, EveryKeyOverItsRange)
{
    const char* const Held = "-";
    const struct {
        const char *section, *key, *text, *back;
        bool ignored;
    } cases[] = {
        {"COMMONS", "VISKDYN", "1", nullptr, false}, {"COMMONS", "VISKDYN", "yes", Held, true},
        {"MEORD", "VELOC", "4", nullptr, false},     {"MEORD", "VELOC", "5", Held, true},
        {"MEORD", "VOLUME", "22", nullptr, false},   {"MEORD", "VOLUME", "23", Held, true},
        {"MEORD", "IDM", "-1", Held, true},          {"MEORD", "VISKDYN", "1", Held, true},
        {"MEDIUM", "CUSER", "20000", nullptr, false}, {"MEDIUM", "CUSER", "-1", Held, true},
        {"MEDIUM", "TEMP", "-200", nullptr, false},  {"MEDIUM", "TEMP", "300", nullptr, false},
        {"MEDIUM", "TEMP", "300*01", Held, true},    {"MEDIUM", "TEMP", "nan", Held, true},
        {"MEDIUM", "TEMP", "1e400", Held, true},     {"MEDIUM", "TEMP", "\"35*5\"", "35*5", false},
        {"MEDIUM", "PRESS", "0*5", nullptr, false},  {"MEDIUM", "PRESS", "0*4", Held, true},
        {"MEDIUM", "DESC", "4711", "10000", false},  {"MEDIUM", "DESC", "", Held, true},
        {"MEDIUM", "DICHTE", "0*001", nullptr, false}, {"MEDIUM", "DICHTE", "10000", nullptr, false},
        {"MEDIUM", "DICHTE", "0", Held, true},
        // A viscosity in its own range, or one whose partner through the density (0.85) is.
        {"MEDIUM", "VISK", "1E10", "10000000000", false}, {"MEDIUM", "VISK", "11764705882", nullptr, false},
        {"MEDIUM", "VISK", "11800000000", Held, true}, {"MEDIUM", "VISK", "1E-5", "0*00001", false},
        {"MEDIUM", "VISK", "0*000009", Held, true},  {"MEDIUM", "VISK", "1E-9", Held, true},
        {"MEDIUM", "VISK", "-3", Held, true},        {"MEDIUM", "VISKDYN", "1E10", "10000000000", false},
        {"MEDIUM", "VISKDYN", "8*5E-6", nullptr, false}, {"MEDIUM", "VISKDYN", "8E-6", Held, true},
        {"MEDIUM", "VISKDYN", "1E11", Held, true},   {"MEDIUM", "VISKDYN", "1E15", Held, true},
        {"MEDIUM", "RMIN", "6000", nullptr, false},
        {"MEDIUM", "RMIN", "7000", nullptr, false},  {"MEDIUM", "RMAX", "1", nullptr, false},
        {"MEDIUM", "RMIN", "100000000", nullptr, false}, {"MEDIUM", "RMIN", "0*5", Held, true},
        {"MEDIUM", "RMAX", "100000001", Held, true}, {"PIPE", "DESC", "9999", "0", false},
        {"PIPE", "ROUGH", "1000", nullptr, false},   {"PIPE", "ROUGH", "1000*5", Held, true},
        {"PIPEFL", "DN", "0*1", nullptr, false},     {"PIPEFL", "DN", "20000", nullptr, false},
        {"PIPEFL", "DN", "0*09", Held, true},        {"PIPEFL", "DN", "20000*01", Held, true},
        {"PIPEFL", "WALL", "0", Held, true},         {"PIPEFL", "LINING", "-1", Held, true},
        {"PIPEFL", "WALLCUSER", "5900", nullptr, false}, {"PIPEFL", "LINCUSER", "20001", Held, true},
        {"PIPEFL", "LINDESC", "3", nullptr, false},  {"PIPEFL", "LINDESC", "9999", Held, true},
        {"FLOW", "VOLUME", "-1E20", nullptr, false}, {"FLOW", "VOLUME", "2E20", Held, true},
        {"FLOW", "VOLUME", "0x10", Held, true},
        {"TRANSD", "SELCTED", "14", nullptr, false}, {"TRANSD", "SELCTED", "15", "0", true},
        {"TRANSD", "SELCTED", "3.0", "0", true},     {"TRANSD", "SOUNDPATH", "8", nullptr, false},
        {"TRANSD", "SOUNDPATH", "-1", "0", true},    {"TRANSD", "SOUNDPATH", "9", "0", true},
        {"TRANSD", "FIXDIST", "-20*5", nullptr, false},
        {"TRANSD", "FIXDIST", "1E300", nullptr, false}, {"TRANSD", "FIXDIST", "-1E300", nullptr, false},
        {"TRANSD", "FIXDIST", "inf", Held, true},    {"TRANSD", "FIXED", "0", nullptr, false},
        {"REPORT", "Memo", "x~CR~y", nullptr, false}, {"REPORT", "Kunde", "'K'", "K", false},
        {"REPORT", "Splitter", "10000", nullptr, false}, {"REPORT", "Splitter", "10001", Held, true},
        {"NORMVOL", "TEMP", "-200", nullptr, false}, {"NORMVOL", "PRESS", "0*49", Held, true},
        {"NORMVOL", "COMPRESS", "0*1", nullptr, false}, {"NORMVOL", "COMPRESS", "10*01", Held, true},
    };
    for (const auto& c : cases) {
        const QString section = QString::fromLatin1(c.section), key = QString::fromLatin1(c.key);
        IniFile file = normal;
        file.WriteString(section, key, QString::fromLatin1(c.text));
        // A viscosity alone: the other one follows it through the density.
        if (section == QLatin1String("MEDIUM") && key.startsWith(QLatin1String("VISK")))
            file.DeleteKey(section, key == QLatin1String("VISK") ? QStringLiteral("VISKDYN") : QStringLiteral("VISK"));
        QStringList ignored;
        const IniFile back = Load(file, ignored);
        const QString expected = c.back == Held ? normal.ReadString(section, key, {})
                                                : QString::fromLatin1(c.back ? c.back : c.text);
        EXPECT_EQ(back.ReadString(section, key, {}), expected) << c.section << " " << c.key << "=" << c.text;
        EXPECT_EQ(ignored, c.ignored ? QStringList{section + QLatin1Char(' ') + key} : QStringList())
            << c.key << "=" << c.text;
    }
}

// A missing key keeps what the point holds (the transducer and its paths become 0 and
// automatic); nothing else changes and nothing counts as ignored.
TEST_F(FileRoundTrip, MissingKeysKeepTheHeldValue)
{
    for (const QString& section : normal.ReadSections()) {
        for (const QString& key : normal.ReadSection(section)) {
            IniFile file = normal;
            file.DeleteKey(section, key);
            IniFile expected = normal;
            if (section == QLatin1String("TRANSD") && key.startsWith(QLatin1Char('S')))
                expected.WriteString(section, key, QStringLiteral("0"));
            QStringList ignored;
            EXPECT_EQ(QString::fromUtf8(Load(file, ignored).ToBytes()), QString::fromUtf8(expected.ToBytes()))
                << section.toStdString() << " " << key.toStdString();
            EXPECT_TRUE(ignored.isEmpty());
        }
    }
}

// A density alone couples the viscosities as typing it would: the viscosity shown stays,
// the other follows.
TEST_F(FileRoundTrip, DensityAloneKeepsTheViscosityShown)
{
    for (const bool dynamic : {false, true}) {
        TMeasuringPoint loaded = point;
        tReportFileFields fields = report;
        const QByteArray text = QByteArray("[COMMONS]\nVISKDYN=") + (dynamic ? "1" : "0") + "\n[MEDIUM]\nDICHTE=0*5\n";
        ASSERT_TRUE(LoadMeasuringPoint(loaded, fields, IniFile::FromBytes(text), true, false, nullptr));
        EXPECT_EQ(loaded.Density(), 0.5);
        if (dynamic) {
            EXPECT_EQ(loaded.DynViscosity(), point.DynViscosity());
            EXPECT_EQ(loaded.KinViscosity(), point.DynViscosity() / 0.5);
        } else {
            EXPECT_EQ(loaded.KinViscosity(), point.KinViscosity());
            EXPECT_EQ(loaded.DynViscosity(), point.KinViscosity() * 0.5);
        }
    }
}

TEST_F(FileRoundTrip, OwnMediumAndIgnoredKeys)
{
    // Without VISKDYN the dynamic viscosity is the one the density and VISK left, not the
    // one held before (water's).
    TMeasuringPoint water = point;
    water.SelectMedium(10001);
    const IniFile own = IniFile::FromBytes("[MEDIUM]\nDESC=10037\nDICHTE=0*85\nVISK=12*4\n");
    ASSERT_TRUE(LoadMeasuringPoint(water, report, own, true, false, nullptr));
    EXPECT_EQ(water.GetMediumId(), 10000);
    EXPECT_EQ(water.Density(), 0.85);
    EXPECT_NEAR(water.KinViscosity(), 12.4, 1e-12);
    // Every wrong value of one file is named, once, in reading order; the rest is loaded.
    QStringList ignored;
    const IniFile back = Load(IniFile::FromBytes("[TRANSD]\nFIXDIST=x\n[MEDIUM]\nTEMP=999\nPRESS=7\n"
                                                 "[MEORD]\nIDM=77\n[FIXED]\nPIPE=x\n"),
                              ignored);
    EXPECT_EQ(ignored.join(QLatin1Char(',')), QStringLiteral("MEORD IDM,MEDIUM TEMP,TRANSD FIXDIST"));
    EXPECT_EQ(back.ReadString(QStringLiteral("MEDIUM"), QStringLiteral("PRESS"), {}), QStringLiteral("7"));
}

// A file's viscosity is taken only when the state it gives could have been typed: in its
// own range, or its partner through the density is. Every typed state comes back exactly.
TEST(MeasuringPointFile, ViscositiesOnlyAsTypedInputCouldLeaveThem)
{
    TMeasuringPoint point;
    point.SetStandardValues();
    const TMeasuringPointRecord before = point.Record();
    tReportFileFields report;
    QStringList ignored;
    const IniFile untypeable = IniFile::FromBytes("[MEDIUM]\nDESC=10000\nDICHTE=0\nVISK=-3\nVISKDYN=1E11\n");
    ASSERT_TRUE(LoadMeasuringPoint(point, report, untypeable, true, false, nullptr, &ignored));
    EXPECT_EQ(ignored.join(QLatin1Char(',')), QStringLiteral("MEDIUM DICHTE,MEDIUM VISK,MEDIUM VISKDYN"));
    EXPECT_EQ(point.GetMediumId(), 10000);
    EXPECT_EQ(point.KinViscosity(), before.KinViscosity);
    EXPECT_EQ(point.DynViscosity(), before.DynViscosity);

    // Density entries in both views carry both viscosities beyond their ranges; the
    // written point still comes back whole, also with values that do not multiply exactly
    // (a kinematic 1.234567e10 at density 0.85, then density 0.0123 in the dynamic view).
    for (const auto& [typed, kinematicView, dynamicView] :
         {std::tuple{1e10, 10000.0, 0.001}, {1.234567e9, 8.5, 0.0123}}) {
        TMeasuringPoint carried;
        carried.SetStandardValues();
        ASSERT_TRUE(carried.ApplyValue(TQuantity::KinViscosity, typed).Stored);
        ASSERT_TRUE(carried.ApplyValue(TQuantity::Density, kinematicView).Stored);
        carried.SetDynViscosityVisible(true);
        ASSERT_TRUE(carried.ApplyValue(TQuantity::Density, dynamicView).Stored);
        ASSERT_TRUE(carried.KinViscosity() > 1e10 && carried.DynViscosity() > 1e10) << typed;
        const IniFile carriedFile = WrittenIni(carried.Record());
        TMeasuringPoint reloaded;
        reloaded.SetStandardValues();
        ignored.clear();
        ASSERT_TRUE(LoadMeasuringPoint(reloaded, report, carriedFile, true, false, nullptr, &ignored));
        EXPECT_TRUE(ignored.isEmpty()) << typed << " " << ignored.join(QLatin1Char(',')).toStdString();
        EXPECT_EQ(reloaded.KinViscosity(), carried.KinViscosity()) << typed;
        EXPECT_EQ(reloaded.DynViscosity(), carried.DynViscosity()) << typed;
    }

    for (const double density : {0.001, 0.7, 0.85, 10000.0}) {
        for (const bool dynamic : {false, true}) {
            for (const double typed : {0.00001, 1e10}) {
                TMeasuringPoint typing;
                typing.SetStandardValues();
                typing.SetDynViscosityVisible(dynamic);
                ASSERT_TRUE(typing.ApplyValue(TQuantity::Density, density).Stored);
                ASSERT_TRUE(
                    typing.ApplyValue(dynamic ? TQuantity::DynViscosity : TQuantity::KinViscosity, typed).Stored);
                const IniFile written = WrittenIni(typing.Record());
                TMeasuringPoint loaded;
                loaded.SetStandardValues();
                ignored.clear();
                ASSERT_TRUE(LoadMeasuringPoint(loaded, report, written, true, false, nullptr, &ignored));
                EXPECT_TRUE(ignored.isEmpty()) << density << " " << dynamic << " " << typed;
                const IniFile back = WrittenIni(loaded.Record());
                for (const char* key : {"DICHTE", "VISK", "VISKDYN"})
                    EXPECT_EQ(back.ReadString(QStringLiteral("MEDIUM"), QString::fromLatin1(key), {}),
                              written.ReadString(QStringLiteral("MEDIUM"), QString::fromLatin1(key), {}))
                        << density << " " << dynamic << " " << typed;
            }
        }
    }
}

// A point that refuses what a file brings (here: a typed velocity whose volume flow lies
// beyond what a file may hold, and a file that does not replace it) reports the load as
// failed, with the reason, and keeps point and report as they were.
TEST(MeasuringPointFile, ARefusedLoadChangesNothingAndSaysSo)
{
    TMeasuringPoint point;
    point.SetStandardValues();
    ASSERT_TRUE(point.ApplyValue(TQuantity::Velocity, 1e30).Stored);
    tReportFileFields report;
    report.Customer = QStringLiteral("Stadtwerke");
    const IniFile file = IniFile::FromBytes("[MEDIUM]\nTEMP=30\n[REPORT]\nKunde=Werk 2\n");
    QString error;
    EXPECT_FALSE(LoadMeasuringPoint(point, report, file, true, false, &error));
    EXPECT_EQ(error, QStringLiteral("VolumeFlow"));
    EXPECT_EQ(point.Temperature(), 20.0);
    EXPECT_EQ(report.Customer, QStringLiteral("Stadtwerke"));
    // With a volume flow of its own the same file is taken.
    const IniFile whole = IniFile::FromBytes("[MEDIUM]\nTEMP=30\n[FLOW]\nVOLUME=5\n[REPORT]\nKunde=Werk 2\n");
    EXPECT_TRUE(LoadMeasuringPoint(point, report, whole, true, false, &error));
    EXPECT_TRUE(point.Temperature() == 30.0 && report.Customer == QStringLiteral("Werk 2"));
}

TEST(MeasuringPointFile, OnlyFilesBringTheReportTexts)
{
    const char* text =
        "[REPORT]\nLastEditor=Bo\nKunde=\" K \"\nMemo=m\nSplitter=99\nSavePath=/r/x.txt\nFont=Arial,-13,0,0,1\n";
    for (const bool fromFile : {true, false}) {
        TMeasuringPointRecord p;
        tReportFileFields r;
        r.Editor = QStringLiteral("Ann");
        ReadMeasuringPoint(IniFile::FromBytes(text), p, r, fromFile, false);
        EXPECT_EQ(r.Editor, fromFile ? QStringLiteral("Bo") : QStringLiteral("Ann"));
        EXPECT_EQ(r.Customer, fromFile ? QStringLiteral("K") : QString());  // quotes and blanks dropped
        EXPECT_EQ(r.Memo, fromFile ? QStringLiteral("m") : QString());
        EXPECT_EQ(r.SavePath, fromFile ? QStringLiteral("/r/x.txt") : QString());
        EXPECT_EQ(r.MemoHeight, 99);
        EXPECT_EQ(r.Font.Name, QStringLiteral("Arial"));
    }
}

TEST(MeasuringPointFile, SaveReplacesWholeOrNothing)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("point.QVR"));
    QFile old(name);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("[OLD]\r\nKEY=1\r\n");
    old.close();
    QString error;
    ASSERT_TRUE(SaveMeasuringPointFile(name, StandardPoint(), {}, CreatedBy, &error)) << error.toStdString();
    EXPECT_EQ(QString::fromUtf8(OpenMeasuringPointFile(name, &error)->ToBytes()), Written(StandardPoint()));

    const QString unwritable = dir.filePath(QStringLiteral("point.QVR/inner.QVR"));
    EXPECT_FALSE(SaveMeasuringPointFile(unwritable, StandardPoint(), {}, CreatedBy, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("inner.QVR"))) << error.toStdString();
    EXPECT_EQ(QString::fromUtf8(OpenMeasuringPointFile(name, nullptr)->ToBytes()), Written(StandardPoint()));
}

TEST(MeasuringPointFile, DefaultValueFileForcesTheRecommendedTransducer)
{
    QTemporaryDir dir;
    TDefaValueFile options;
    options.FileName = dir.filePath(QStringLiteral("DefaultValues.QVR"));
    TMeasuringPointRecord saved = StandardPoint();
    saved.SensorType = 5;
    saved.SoundPaths = 2;
    saved.Temperature = 40.0;
    QString error;
    ASSERT_TRUE(SaveMeasuringPointFile(options.FileName, saved, {}, CreatedBy, &error));
    struct Case {
        bool takeIt, forceTransducer, forcePaths;
        bool loaded;
        int sensor, paths;
    };
    const Case cases[] = {
        {false, true, true, false, 0, 0},
        {true, false, false, true, 5, 2},
        {true, true, false, true, 0, 2},
        {true, false, true, true, 5, 0},
    };
    for (const Case& c : cases) {
        TMeasuringPoint point;
        point.SetStandardValues();
        tReportFileFields report;
        options.TakeIt = c.takeIt;
        options.FR_TRANSD = c.forceTransducer;
        options.FR_SOUNDPATH = c.forcePaths;
        EXPECT_EQ(LoadDefaultValueFile(point, report, options, false, &error), c.loaded);
        EXPECT_EQ(point.Temperature(), c.loaded ? 40.0 : 20.0);
        EXPECT_EQ(point.SensorType, c.sensor);
        EXPECT_EQ(point.SoundPaths, c.paths);
    }
    // A file that is no measuring point is reported as failed and changes nothing; one
    // that has gone is skipped without a message.
    for (const bool gone : {false, true}) {
        QFile file(options.FileName);
        ASSERT_TRUE(gone ? file.remove() : file.open(QIODevice::WriteOnly) && file.write("just text") > 0);
        file.close();
        TMeasuringPoint point;
        point.SetStandardValues();
        tReportFileFields report;
        error.clear();
        EXPECT_FALSE(LoadDefaultValueFile(point, report, options, false, &error));
        EXPECT_EQ(error.endsWith(NotAMeasuringPointFile), !gone) << error.toStdString();
        EXPECT_EQ(point.SensorType, 0);
        EXPECT_EQ(point.Temperature(), 20.0);
    }
}

}  // namespace
