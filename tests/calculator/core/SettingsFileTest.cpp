#include "calculator/core/CommandLine.h"
#include "calculator/core/DefaValueFile.h"
#include "calculator/core/MeasuringPointFile.h"
#include "calculator/core/SettingsFile.h"

#include "platform/IniFile.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <ostream>

void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

IniFile Ini(const char* text)
{
    return IniFile::FromBytes(QByteArray(text));
}

TEST(SettingsFile, WrittenKeysInOrderAndOthersKept)
{
    // A key this run does not write (and a section of another program part) stays.
    IniFile ini = Ini("[COMMONS]\r\nLastSave=C:\\old\\\r\nFuture=7\r\n[OTHER]\r\nX=1\r\n");
    tProgramSettings s;
    s.Language = 2;
    s.LastOpen = QStringLiteral("/home/u/points/");
    s.LastReport = QStringLiteral("C:\\Berichte\\2024\\");  // a drive letter and backslashes
    s.LastEditor = QStringLiteral("Ann");
    s.DefaFile.FileName = QStringLiteral("/home/u/DefaultValues.QVR");
    s.DefaFile.TakeIt = true;
    s.DefaFile.FR_TRANSD = true;
    WriteProgramSettings(ini, s);
    EXPECT_EQ(QString::fromUtf8(ini.ToBytes()),
              QStringLiteral("[COMMONS]\r\nLastSave=C:\\old\\\r\nFuture=7\r\nLANGUAGE=2\r\n"
                             "LastOpen=/home/u/points/\r\nLastReport=C:\\Berichte\\2024\\\r\n"
                             "LastEditor=Ann\r\n[OTHER]\r\nX=1\r\n\r\n"
                             "[DEFAVALUE]\r\nTAKEIT=1\r\nFR_SOUNDPATH=0\r\nFR_TRANSD=1\r\n"
                             "FILENAME=/home/u/DefaultValues.QVR\r\nTAKETHEM=0\r\n"));
    tProgramSettings back = ReadProgramSettings(ini, tProgramSettings(), 3);
    s.LastSave = QStringLiteral("C:\\old\\");
    EXPECT_EQ(back, s);
    // The folder part of a chosen file, whichever separators it has.
    const char* const folders[][2] = {{"C:\\Data\\p.QVR", "C:\\Data\\"}, {"/home/u/p.QVR", "/home/u/"},
                                      {"\\\\srv\\x/p.QVR", "\\\\srv\\x/"}, {"p.QVR", ""}};
    for (const auto& f : folders)
        EXPECT_EQ(FolderOf(QString::fromLatin1(f[0])), QString::fromLatin1(f[1])) << f[0];
}

TEST(SettingsFile, InvalidValuesCountAsMissing)
{
    tProgramSettings current;
    current.LastOpen = QStringLiteral("/keep/");
    current.DefaFile.TakeIt = true;
    current.DefaFile.FileName = QStringLiteral("/keep/d.QVR");
    struct Case {
        const char* text;
        int language;
        bool takeIt;
    };
    const Case cases[] = {
        {"[COMMONS]\nLANGUAGE=3", -1, true},      // beyond the dictionary's languages
        {"[COMMONS]\nLANGUAGE=-3", -1, true},
        {"[COMMONS]\nLANGUAGE=1.5", -1, true},
        {"[COMMONS]\nlanguage = 2 ", 2, true},     // case and blanks as a hand edit has them
        {"[COMMONS]\nLANGUAGE=-2\n[DEFAVALUE]\nTAKEIT=yes", -2, true},
        {"[DEFAVALUE]\nTAKEIT=0", -1, false},
        {"garbage\x01\xff", -1, true},
    };
    for (const Case& c : cases) {
        const tProgramSettings s = ReadProgramSettings(Ini(c.text), current, 3);
        EXPECT_EQ(s.Language, c.language) << c.text;
        EXPECT_EQ(s.DefaFile.TakeIt, c.takeIt) << c.text;
        EXPECT_EQ(s.LastOpen, QStringLiteral("/keep/")) << c.text;
        EXPECT_EQ(s.DefaFile.FileName, QStringLiteral("/keep/d.QVR")) << c.text;
    }
}

TEST(DefaValueFile, DialogRules)
{
    EXPECT_TRUE(DefaultFileOkEnabled(false, false));
    EXPECT_FALSE(DefaultFileOkEnabled(true, false));
    EXPECT_TRUE(DefaultFileOkEnabled(true, true));
    EXPECT_EQ(DefaultFileCloseError(true, QString(), false), QStringLiteral("No filename specified"));
    EXPECT_EQ(DefaultFileCloseError(true, QStringLiteral("/x.QVR"), false), QStringLiteral("Can not find file %s"));
    EXPECT_EQ(DefaultFileCloseError(false, QString(), false), QString());

    TDefaValueFile o;
    o.FileName = QStringLiteral("/d.QVR");
    const auto exists = [](const QString& name) { return name == QStringLiteral("/d.QVR"); };
    EXPECT_FALSE(ShouldLoadDefaultFile(o, exists));
    EXPECT_EQ(DefaultFileHint(o), QString());
    o.TakeIt = true;
    EXPECT_TRUE(ShouldLoadDefaultFile(o, exists));
    EXPECT_EQ(DefaultFileHint(o), QStringLiteral("/d.QVR"));
    o.FileName = QStringLiteral("/gone.QVR");
    EXPECT_FALSE(ShouldLoadDefaultFile(o, exists));
}

TEST(DefaValueFile, ShortenedPathKeepsRootAndName)
{
    // One unit of width per character.
    const auto width = [](const QString& s) { return static_cast<int>(s.size()); };
    struct Case {
        const char* path;
        int width;
        const char* shown;
    };
    const Case cases[] = {
        {"/home/ann/points/DefaultValues.QVR", 40, "/home/ann/points/DefaultValues.QVR"},
        {"/home/ann/points/DefaultValues.QVR", 33, "/.../ann/points/DefaultValues.QVR"},
        {"/home/ann/points/DefaultValues.QVR", 25, "/.../DefaultValues.QVR"},
        {"C:\\Data\\Quelvar\\Default.QVR", 26, "C:\\...\\Quelvar\\Default.QVR"},
        {"/home/ann/points/DefaultValues.QVR", 10, "...ues.QVR"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShortenPath(QString::fromUtf8(c.path), c.width, width), QString::fromUtf8(c.shown)) << c.width;
}

TEST(CommandLine, SwitchesByWholeParameter)
{
    const QString view = QLatin1Char('/') + ViewSwitchName().toLower();
    const QString expert = QLatin1Char('/') + ExpertSwitchName();
    const QString estimation = QLatin1Char('/') + ErrorEstimationSwitchName();
    struct Case {
        QStringList args;
        bool oem;
        tCommandLineSwitches expected;
    };
    const Case cases[] = {
        {{}, false, {}},
        {{QStringLiteral("/rd")}, false, {.ReynoldsDetails = true}},
        {{QStringLiteral("-RD"), QStringLiteral("RD"), QStringLiteral("/RDX")}, false, {}},
        {{view}, false, {.FullView = true}},
        {{QStringLiteral("/CODE=")}, false, {}},
        {{estimation}, false, {.ErrorEstimation = true}},
        {{}, true, {.ErrorEstimation = true}},
        {{expert}, false, {.MegaUser = true, .ErrorEstimation = true}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseCommandLine(c.args, c.oem), c.expected) << c.args.join(QLatin1Char(' ')).toStdString();
}

TEST(MeasuringPointFile, RejectsLargeAndForeignFiles)
{
    QTemporaryDir dir;
    auto write = [&](const char* name, const QByteArray& bytes) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    };
    const QByteArray point = "[MEDIUM]\r\nTEMP=20\r\n";
    struct Case {
        QString file;
        bool ok;
        bool notMeasuringPoint;
    };
    const Case cases[] = {
        {write("ok.QVR", point), true, false},
        {write("pad.QVR", point + QByteArray(MaxMeasuringPointFileSize - point.size(), ' ')), true, false},
        {write("big.QVR", point + QByteArray(MaxMeasuringPointFileSize, ' ')), false, true},
        {write("info.QVR", "[COMMON_INFO]\r\nSIGNATUR=DU_QVRT\r\n"), false, true},
        {write("bin.QVR", QByteArray(300, '\0')), false, true},
        {dir.filePath(QStringLiteral("missing.QVR")), false, false},
    };
    for (const Case& c : cases) {
        QString error;
        const auto ini = OpenMeasuringPointFile(c.file, &error);
        EXPECT_EQ(ini.has_value(), c.ok) << c.file.toStdString();
        EXPECT_EQ(error.endsWith(NotAMeasuringPointFile), c.notMeasuringPoint) << error.toStdString();
        if (!c.ok) {
            EXPECT_TRUE(error.contains(QStringLiteral(".QVR"))) << error.toStdString();
        }
    }
}

}  // namespace
