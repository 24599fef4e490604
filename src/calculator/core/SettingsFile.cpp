#include "calculator/core/SettingsFile.h"

#include "platform/IniFile.h"
#include "platform/NumberParse.h"

#include <algorithm>

namespace {
const QString Commons = QStringLiteral("COMMONS");

void WriteIfSet(IniFile& ini, const QString& key, const QString& value)
{
    if (!value.isEmpty())
        ini.WriteString(Commons, key, value);
}
}  // namespace

void WriteProgramSettings(IniFile& ini, const tProgramSettings& settings)
{
    ini.WriteInteger(Commons, QStringLiteral("LANGUAGE"), settings.Language);
    WriteIfSet(ini, QStringLiteral("LastOpen"), settings.LastOpen);
    WriteIfSet(ini, QStringLiteral("LastSave"), settings.LastSave);
    WriteIfSet(ini, QStringLiteral("LastReport"), settings.LastReport);
    ini.WriteString(Commons, QStringLiteral("LastEditor"), settings.LastEditor);
    WriteDefaValueOptions(ini, settings.DefaFile);
}

tProgramSettings ReadProgramSettings(const IniFile& ini, const tProgramSettings& current, int languageCount)
{
    tProgramSettings s = current;
    int language = -1;
    if (TryStrToInt(ini.ReadString(Commons, QStringLiteral("LANGUAGE"), QString()), language)
        && language >= -2 && language < languageCount)
        s.Language = language;
    else
        s.Language = -1;
    s.LastOpen = ini.ReadString(Commons, QStringLiteral("LastOpen"), s.LastOpen);
    s.LastSave = ini.ReadString(Commons, QStringLiteral("LastSave"), s.LastSave);
    s.LastReport = ini.ReadString(Commons, QStringLiteral("LastReport"), s.LastReport);
    s.LastEditor = ini.ReadString(Commons, QStringLiteral("LastEditor"), s.LastEditor);
    ReadDefaValueOptions(ini, s.DefaFile);
    return s;
}

QString FolderOf(const QString& path)
{
    const qsizetype slash = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.left(slash + 1);
}
