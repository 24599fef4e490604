#include "calculator/core/DefaValueFile.h"

#include "platform/IniFile.h"

#include <algorithm>

namespace {
const QString Section = QStringLiteral("DEFAVALUE");

// A boolean key: "0" or another whole number; anything else keeps the value.
void ReadFlag(const IniFile& ini, const QString& key, bool& value)
{
    value = ini.ReadBool(Section, key, value);
}
}  // namespace

void WriteDefaValueOptions(IniFile& ini, const TDefaValueFile& options)
{
    ini.WriteBool(Section, QStringLiteral("TAKEIT"), options.TakeIt);
    ini.WriteBool(Section, QStringLiteral("FR_SOUNDPATH"), options.FR_SOUNDPATH);
    ini.WriteBool(Section, QStringLiteral("FR_TRANSD"), options.FR_TRANSD);
    ini.WriteString(Section, QStringLiteral("FILENAME"), options.FileName);
    ini.WriteBool(Section, QStringLiteral("TAKETHEM"), options.TakeThem);
}

void ReadDefaValueOptions(const IniFile& ini, TDefaValueFile& options)
{
    ReadFlag(ini, QStringLiteral("TAKEIT"), options.TakeIt);
    ReadFlag(ini, QStringLiteral("FR_SOUNDPATH"), options.FR_SOUNDPATH);
    ReadFlag(ini, QStringLiteral("FR_TRANSD"), options.FR_TRANSD);
    options.FileName = ini.ReadString(Section, QStringLiteral("FILENAME"), options.FileName);
    ReadFlag(ini, QStringLiteral("TAKETHEM"), options.TakeThem);
}

QString DefaultFileHint(const TDefaValueFile& options)
{
    return options.TakeIt ? options.FileName : QString();
}

bool ShouldLoadDefaultFile(const TDefaValueFile& options, const std::function<bool(const QString&)>& exists)
{
    return options.TakeIt && !options.FileName.isEmpty() && exists(options.FileName);
}

bool DefaultFileOkEnabled(bool loadThisFile, bool fileExists)
{
    return !loadThisFile || fileExists;
}

QString DefaultFileCloseError(bool loadThisFile, const QString& fileName, bool fileExists)
{
    if (!loadThisFile || fileExists)
        return {};
    return fileName.isEmpty() ? QStringLiteral("No filename specified") : QStringLiteral("Can not find file %s");
}

QString ShortenPath(const QString& path, int maxWidth, const std::function<int(const QString&)>& width)
{
    if (width(path) <= maxWidth)
        return path;
    const QString ellipsis = QStringLiteral("...");
    const qsizetype nameStart = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\'))) + 1;
    const QString name = path.mid(nameStart);
    // The root stays: "/" or a drive "C:\".
    qsizetype rootEnd = 0;
    if (path.startsWith(QLatin1Char('/')) || path.startsWith(QLatin1Char('\\')))
        rootEnd = 1;
    else if (path.size() > 2 && path.at(1) == QLatin1Char(':'))
        rootEnd = 3;
    const QString root = path.left(std::min(rootEnd, nameStart));
    // Drop whole leading folders until the rest fits.
    qsizetype cut = root.size();
    while (cut < nameStart) {
        qsizetype next = cut;
        while (next < nameStart && path.at(next) != QLatin1Char('/') && path.at(next) != QLatin1Char('\\'))
            ++next;
        cut = next + 1;
        const QString candidate = root + ellipsis + path.mid(cut - 1);
        if (cut <= nameStart && width(candidate) <= maxWidth)
            return candidate;
    }
    // Only the name is left: cut it at its start.
    QString tail = name;
    while (!tail.isEmpty() && width(ellipsis + tail) > maxWidth)
        tail.remove(0, 1);
    return ellipsis + tail;
}
