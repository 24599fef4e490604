#include "calculator/core/MeasuringPointFile.h"

#include "platform/FormatSettings.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
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

QString Written(const TMeasuringPointRecord& p, const tReportFileFields& r = {})
{
    IniFile ini = IniFile::FromBytes({});
    WriteMeasuringPoint(ini, p, r, CreatedBy);
    return QString::fromUtf8(ini.ToBytes());
}

// Reads text over the record and report, as a file load does.
void Read(const char* text, TMeasuringPointRecord& p, tReportFileFields& r, bool fromFile = true)
{
    ReadMeasuringPoint(IniFile::FromBytes(QByteArray(text)), p, r, fromFile, false);
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
}

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
    p.KinViscosity = 12.5;
    p.DynViscosity = 10.956;
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
    ReadMeasuringPoint(IniFile::FromBytes(text.toUtf8()), back, backReport, true, false);
    EXPECT_EQ(backReport, r);
    // FLOW VELOC and MASSFL are derived on loading, so compare the rest through the text.
    back.Velocity = p.Velocity;
    back.MassFlow = p.MassFlow;
    EXPECT_EQ(Written(back, backReport), text);
}

TEST(MeasuringPointFile, HandEditedValues)
{
    TMeasuringPointRecord p;
    tReportFileFields r;
    Read("  [medium]  \n desc = 10000 \n Temp = \"35*5\"\n dichte='0*9'\nvisk=2\n"
         "[Report]\nKunde = \" Stadtwerke \" \nMemo=a~CR~b\n[meord]\nvolume=\"21\"\n",
         p, r);
    EXPECT_EQ(p.MediumId, 10000);
    EXPECT_EQ(p.Temperature, 35.5);
    EXPECT_EQ(p.Density, 0.9);
    EXPECT_EQ(p.KinViscosity, 2.0);
    EXPECT_EQ(p.Units[static_cast<int>(TQuantity::VolumeFlow)], 21);
    EXPECT_EQ(r.Customer, QStringLiteral("Stadtwerke"));
    EXPECT_EQ(r.Memo, QStringLiteral("a\nb"));
}

// Each row: a file, and what the record then holds of the value that row is about.
TEST(MeasuringPointFile, InvalidValuesKeepTheCurrentOne)
{
    struct Case {
        const char* text;
        double TMeasuringPointRecord::*field;
        double expected;
    };
    const TMeasuringPointRecord start;
    const Case cases[] = {
        {"[MEDIUM]\nTEMP=301", &TMeasuringPointRecord::Temperature, 20.0},
        {"[MEDIUM]\nTEMP=nan", &TMeasuringPointRecord::Temperature, 20.0},
        {"[MEDIUM]\nTEMP=1e400", &TMeasuringPointRecord::Temperature, 20.0},
        {"[MEDIUM]\nTEMP=-200", &TMeasuringPointRecord::Temperature, -200.0},
        {"[MEDIUM]\nPRESS=0*4", &TMeasuringPointRecord::Pressure, 1.0},
        {"[PIPEFL]\nDN=0*05", &TMeasuringPointRecord::InnerDiameterMm, 100.0},
        {"[PIPEFL]\nDN=20001", &TMeasuringPointRecord::InnerDiameterMm, 100.0},
        {"[PIPEFL]\nWALL=0", &TMeasuringPointRecord::WallThickness, 3.0},
        {"[PIPEFL]\nLINING=-1", &TMeasuringPointRecord::LiningThickness, 0.0},
        {"[PIPEFL]\nWALLCUSER=-5", &TMeasuringPointRecord::WallCUser, 0.0},
        {"[PIPE]\nROUGH=1001", &TMeasuringPointRecord::Roughness, 1.0},
        {"[FLOW]\nVOLUME=2e20", &TMeasuringPointRecord::VolumeFlow, 0.0},
        {"[FLOW]\nVOLUME=0x10", &TMeasuringPointRecord::VolumeFlow, 0.0},
        {"[MEDIUM]\nDESC=10000\nDICHTE=0", &TMeasuringPointRecord::Density, 1.0},
        {"[MEDIUM]\nDESC=10001\nDICHTE=0*5", &TMeasuringPointRecord::Density, 1.0},  // library medium
        {"[MEDIUM]\nRMIN=0", &TMeasuringPointRecord::ReynoldsLam, 1000.0},
        {"[MEDIUM]\nRMIN=7000", &TMeasuringPointRecord::ReynoldsLam, 1000.0},       // above RMAX
        {"[MEDIUM]\nRMIN=7000\nRMAX=8000", &TMeasuringPointRecord::ReynoldsLam, 7000.0},
        {"[NORMVOL]\nPRESS=0", &TMeasuringPointRecord::NormPressure, 1.01325},
        {"[NORMVOL]\nCOMPRESS=11", &TMeasuringPointRecord::Compressibility, 1.0},
        {"[TRANSD]\nFIXED=0\nFIXDIST=50", &TMeasuringPointRecord::FixedSpacing, 0.0},
        {"[TRANSD]\nFIXED=1\nFIXDIST=50", &TMeasuringPointRecord::FixedSpacing, 50.0},
    };
    for (const Case& c : cases) {
        TMeasuringPointRecord p = start;
        tReportFileFields r;
        Read(c.text, p, r);
        EXPECT_EQ(p.*c.field, c.expected) << c.text;
    }
}

TEST(MeasuringPointFile, IdentifiersCodesAndUnitPositions)
{
    struct Case {
        const char* text;
        int material, medium, lining, sensor, paths, velocityUnit, volumeUnit;
    };
    const Case cases[] = {
        {"[PIPE]\nDESC=3\n[MEDIUM]\nDESC=10002", 3, 10002, 16, 0, 0, 0, 0},
        {"[PIPE]\nDESC=9999\n[MEDIUM]\nDESC=4711", 0, 10000, 16, 0, 0, 0, 0},  // not in the lists
        {"[PIPE]\nDESC=x\n[PIPEFL]\nLINDESC=9999", 1, 10001, 16, 0, 0, 0, 0},
        {"[TRANSD]\nSELCTED=14\nSOUNDPATH=8", 1, 10001, 16, 14, 8, 0, 0},
        {"[TRANSD]\nSELCTED=15\nSOUNDPATH=9", 1, 10001, 16, 0, 0, 0, 0},
        {"[TRANSD]\nSELCTED=256\nSOUNDPATH=-1", 1, 10001, 16, 0, 0, 0, 0},
        {"[TRANSD]\nSELCTED=3.0\nSOUNDPATH=2", 1, 10001, 16, 0, 2, 0, 0},
        {"[MEORD]\nVELOC=4\nVOLUME=22", 1, 10001, 16, 0, 0, 4, 22},
        {"[MEORD]\nVELOC=5\nVOLUME=23", 1, 10001, 16, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        TMeasuringPointRecord p;
        p.SensorType = 5;  // a missing TRANSD key means the recommended transducer
        p.SoundPaths = 2;
        tReportFileFields r;
        Read(c.text, p, r);
        EXPECT_EQ(p.MaterialId, c.material) << c.text;
        EXPECT_EQ(p.MediumId, c.medium) << c.text;
        EXPECT_EQ(p.LiningId, c.lining) << c.text;
        EXPECT_EQ(p.SensorType, c.sensor) << c.text;
        EXPECT_EQ(p.SoundPaths, c.paths) << c.text;
        EXPECT_EQ(p.Units[static_cast<int>(TQuantity::Velocity)], c.velocityUnit) << c.text;
        EXPECT_EQ(p.Units[static_cast<int>(TQuantity::VolumeFlow)], c.volumeUnit) << c.text;
    }
}

TEST(MeasuringPointFile, OnlyFilesBringTheReportTexts)
{
    const char* text = "[REPORT]\nLastEditor=Bo\nKunde=K\nMemo=m\nSplitter=99\nSavePath=/r/x.txt\nFont=Arial,-13,0,0,1\n";
    for (const bool fromFile : {true, false}) {
        TMeasuringPointRecord p;
        tReportFileFields r;
        r.Editor = QStringLiteral("Ann");
        Read(text, p, r, fromFile);
        EXPECT_EQ(r.Editor, fromFile ? QStringLiteral("Bo") : QStringLiteral("Ann"));
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
    const auto ini = OpenMeasuringPointFile(name, &error);
    ASSERT_TRUE(ini.has_value());
    EXPECT_FALSE(ini->SectionExists(QStringLiteral("OLD")));
    EXPECT_EQ(QString::fromUtf8(ini->ToBytes()), Written(StandardPoint()));

    const QString unwritable = dir.filePath(QStringLiteral("point.QVR/inner.QVR"));
    EXPECT_FALSE(SaveMeasuringPointFile(unwritable, StandardPoint(), {}, CreatedBy, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("inner.QVR"))) << error.toStdString();
    EXPECT_EQ(QString::fromUtf8(OpenMeasuringPointFile(name, nullptr)->ToBytes()), Written(StandardPoint()));
}

TEST(MeasuringPointFile, LoadingIntoTheMeasuringPoint)
{
    const QString standard = Written(StandardPoint());
    TMeasuringPoint point;
    point.SetStandardValues();
    point.SelectMedium(10002);
    point.SelectUnit(TQuantity::VolumeFlow, 5);
    point.ApplyValue(TQuantity::InnerDiameter, 2345.6);
    point.ApplyValue(TQuantity::Velocity, 3210.0);
    tReportFileFields report;
    QString error;
    ASSERT_TRUE(LoadMeasuringPoint(point, report, IniFile::FromBytes(standard.toUtf8()), true, false, &error))
        << error.toStdString();
    EXPECT_EQ(point.Velocity(), 1000.0);  // reproduced exactly, not through display text
    // The mass flow is derived again from the volume flow's 15 digits.
    const auto withoutMassFlow = [](QString text) {
        return text.remove(QRegularExpression(QStringLiteral("MASSFL=[^\r]*")));
    };
    EXPECT_EQ(withoutMassFlow(Written(point.Record(), report)), withoutMassFlow(standard));
    EXPECT_NEAR(point.MassFlow(), StandardPoint().MassFlow, 1e-6);
    const QString loaded = Written(point.Record(), report);

    // Hostile values count as missing keys: nothing changes.
    const char* hostile = "[PIPEFL]\nDN=-5\n[FLOW]\nVOLUME=inf\n[MEDIUM]\nTEMP=9999\nDESC=\n[MEORD]\nIDM=77\n";
    EXPECT_TRUE(LoadMeasuringPoint(point, report, IniFile::FromBytes(hostile), true, false, &error));
    EXPECT_EQ(Written(point.Record(), report), loaded);
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
    // A file that has gone is skipped without a message.
    QFile::remove(options.FileName);
    TMeasuringPoint point;
    tReportFileFields report;
    error.clear();
    EXPECT_FALSE(LoadDefaultValueFile(point, report, options, false, &error));
    EXPECT_TRUE(error.isEmpty());
}

}  // namespace
