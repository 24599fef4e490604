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
    "; leading comment\r\norphan=never read\r\n"
    "[Main]\r\n  Name  =  Quelvar  \r\nCount=7\r\ncount=8\r\nHex=$1F\r\nnoise without equals\r\n; comment inside\r\n\r\n"
    "[Other]\r\nKey=other\r\n"
    "[MAIN]\r\nName=second section\r\nExtra=only here\r\n";

TEST(IniFileRead, CaseFirstMatchTrimmingNumbersAndCodePages)
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
    EXPECT_TRUE(values.ReadBool("S", "two", false) && values.ReadBool("S", "word", true) &&
                !values.ReadBool("S", "word", false));

    // Any line end reads; a file that is no UTF-8 is Windows-1252 and is written back as UTF-8.
    EXPECT_EQ(IniFile::FromBytes("[A]\rx=1\ny=2\r\nz=3").ToBytes(), "[A]\r\nx=1\r\ny=2\r\nz=3\r\n");

    const IniFile latin = IniFile::FromBytes("[Medien]\r\nName=Gr\xfc\xdf" "e \x80\r\n");
    EXPECT_EQ(latin.ReadString("medien", "name", ""), QString::fromUtf8("Gr\xc3\xbc\xc3\x9f" "e \xe2\x82\xac"));
    EXPECT_EQ(latin.ToBytes(), "[Medien]\r\nName=Gr\xc3\xbc\xc3\x9f" "e \xe2\x82\xac\r\n");
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

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

TEST(IniFileDisk, FailedSaveReportsAndKeepsTheOldFile)
{
    // A save that fails half-way (the file size limit stops the write) leaves the old file.
    QTemporaryDir dir;
    IniFile ini(dir.filePath("keep.ini"));
    ini.WriteString("S", "K", "old");
    ASSERT_TRUE(ini.UpdateFile());
    ini.WriteString("S", "K", QString(100000, QLatin1Char('x')));
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit small{4096, saved.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    QString error;
    const bool written = ini.UpdateFile(&error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_TRUE(!written && error.contains("keep.ini")) << error.toStdString();
    EXPECT_EQ(Contents(ini.FileName()), "[S]\r\nK=old\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"keep.ini"}));
}

TEST(IniFileDisk, BareNamesLiveInTheConfigurationFolderAndUnreadableFilesReport)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.ini"));
    const IniFile folder(dir.filePath("folder.ini"));
    EXPECT_TRUE(!folder.LoadError().isEmpty() && folder.ReadSections().isEmpty());

    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setApplicationName("QvPlatformTest");
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir(config).removeRecursively();
    IniFile ini("Quelvar.ini");
    EXPECT_TRUE(ini.FileName() == config + "/Quelvar.ini" && ini.LoadError().isEmpty());
    ini.WriteString("S", "K", QString::fromUtf8("\xc3\xa4"));
    ASSERT_TRUE(ini.UpdateFile());
    EXPECT_EQ(Contents(ini.FileName()), "[S]\r\nK=\xc3\xa4\r\n");
    EXPECT_EQ(IniFile("Quelvar.ini").ReadString("s", "k", ""), QString::fromUtf8("\xc3\xa4"));
    QDir(config).removeRecursively();
}

}  // namespace
