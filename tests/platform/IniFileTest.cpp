#include "platform/IniFile.h"
#include "QStringPrinter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

const QByteArray kSample =
    "; leading comment\r\n"
    "orphan=never read\r\n"
    "[Main]\r\n"
    "  Name  =  Quelvar  \r\n"
    "Count=7\r\n"
    "count=8\r\n"
    "Hex=$1F\r\n"
    "noise without equals\r\n"
    "; comment inside\r\n"
    "\r\n"
    "[Other]\r\n"
    "Key=other\r\n"
    "[MAIN]\r\n"
    "Name=second section\r\n"
    "Extra=only here\r\n";

TEST(IniFileRead, CaseFirstMatchTrimmingAndNumbers)
{
    const IniFile ini = IniFile::FromBytes(kSample);
    EXPECT_EQ(ini.ReadString("main", "NAME", "-"), "Quelvar");
    EXPECT_EQ(ini.ReadInteger("Main", "COUNT", 0), 7);
    EXPECT_EQ(ini.ReadString("Main", "Extra", "none"), "none");  // only the first [Main] counts
    EXPECT_EQ(ini.ReadString("", "orphan", "none"), "none");
    EXPECT_TRUE(ini.SectionExists("OTHER") && !ini.ValueExists("Other", "Name"));
    EXPECT_EQ(ini.ReadSections(), (QStringList{"Main", "Other"}));
    EXPECT_EQ(ini.ReadSection("Main"), (QStringList{"Name", "Count", "Hex"}));

    const IniFile values = IniFile::FromBytes("[S]\nhex=$1F\nbad=12abc\nempty=\ntwo=2\nword=yes\n");
    for (const auto& [key, value] : {std::pair{"hex", 31}, {"bad", 5}, {"empty", 5}})
        EXPECT_EQ(values.ReadInteger("S", key, 5), value) << key;
    EXPECT_TRUE(values.ReadBool("S", "two", false));
    EXPECT_TRUE(values.ReadBool("S", "word", true) && !values.ReadBool("S", "word", false));
}

TEST(IniFileRead, LineEndsAndCodePages)
{
    EXPECT_EQ(IniFile::FromBytes("[A]\rx=1\ny=2\r\nz=3").ToBytes(), "[A]\r\nx=1\r\ny=2\r\nz=3\r\n");

    const IniFile latin = IniFile::FromBytes("[Medien]\r\nName=Gr\xfc\xdf" "e \x80\r\n");
    EXPECT_EQ(latin.ReadString("medien", "name", ""), QString::fromUtf8("Gr\xc3\xbc\xc3\x9f" "e \xe2\x82\xac"));
    EXPECT_EQ(latin.ToBytes(), "[Medien]\r\nName=Gr\xc3\xbc\xc3\x9f" "e \xe2\x82\xac\r\n");
    EXPECT_EQ(IniFile::FromBytes("\xEF\xBB\xBF[A]\nk=v\n").ReadString("A", "k", ""), "v");
}

TEST(IniFileWrite, UpdatesInPlaceKeepsEverythingElseAndErases)
{
    IniFile ini = IniFile::FromBytes(kSample);
    ini.WriteString("MAIN", "count", "9");
    ini.WriteInteger("Main", "New", 5);
    ini.WriteBool("Other", "Flag", true);
    ini.WriteString("Fresh", "Text", "line1\r\nline2");
    // The first matching key changes in place, a new key ends its section's keys (before
    // the blank line), a new section comes last after a blank line; line breaks turn blank.
    QByteArray expected = kSample;
    expected.replace("Count=7", "Count=9")
        .replace("; comment inside\r\n", "; comment inside\r\nNew=5\r\n")
        .replace("Key=other\r\n", "Key=other\r\nFlag=1\r\n")
        .append("\r\n[Fresh]\r\nText=line1  line2\r\n");
    EXPECT_EQ(ini.ToBytes(), expected);
    EXPECT_EQ(ini.ReadString("Fresh", "Text", ""), "line1  line2");

    ini.DeleteKey("Main", "COUNT");
    EXPECT_EQ(ini.ReadSection("Main"), (QStringList{"Name", "Hex", "New"}));
    ini.EraseSection("main");
    ini.EraseSection("fresh");
    EXPECT_EQ(ini.ToBytes(), "; leading comment\r\norphan=never read\r\n[Other]\r\nKey=other\r\nFlag=1\r\n");
}

class IniFileDisk : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString Path(const QString& name) const { return dir.filePath(name); }
    static QByteArray Contents(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
};

TEST_F(IniFileDisk, FailedSaveReportsAndKeepsTheOldFile)
{
    // A save that fails half-way (the file size limit stops the write) leaves the old file.
    QString error;
    const QByteArray old = "[S]\r\nK=old\r\n";
    {
        QFile file(Path("keep.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    IniFile big(Path("keep.ini"));
    big.WriteString("S", "K", QString(100000, QLatin1Char('x')));
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved_ok = big.UpdateFile(&error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(saved_ok);
    EXPECT_TRUE(error.contains("keep.ini")) << error.toStdString();
    EXPECT_EQ(Contents(Path("keep.ini")), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"keep.ini"}));
}

TEST_F(IniFileDisk, BareNamesLiveInTheConfigurationFolderAndUnreadableFilesReport)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.ini"));
    const IniFile folder(Path("folder.ini"));
    EXPECT_TRUE(!folder.LoadError().isEmpty() && folder.ReadSections().isEmpty());

    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setApplicationName("QvPlatformTest");
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir(config).removeRecursively();
    IniFile ini("Quelvar.ini");
    EXPECT_EQ(ini.FileName(), config + "/Quelvar.ini");
    EXPECT_TRUE(ini.LoadError().isEmpty());
    ini.WriteString("S", "K", QString::fromUtf8("\xc3\xa4"));
    QString error;
    ASSERT_TRUE(ini.UpdateFile(&error)) << error.toStdString();
    EXPECT_EQ(Contents(config + "/Quelvar.ini"), "[S]\r\nK=\xc3\xa4\r\n");
    EXPECT_EQ(IniFile("Quelvar.ini").ReadString("s", "k", ""), QString::fromUtf8("\xc3\xa4"));
    QDir(config).removeRecursively();
}

}  // namespace
