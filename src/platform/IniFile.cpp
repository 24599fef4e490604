#include "platform/IniFile.h"

#include "platform/NumberParse.h"
#include "platform/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <optional>

namespace {

bool Same(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

// The name of a section header line ("[name]"), or nothing.
std::optional<QString> SectionName(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
    if (close < 0)
        return std::nullopt;
    return trimmed.mid(1, close - 1).trimmed();
}

// The key of a "key=value" line, or nothing (comments, blank and unknown lines).
std::optional<QString> KeyName(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0)
        return std::nullopt;
    return line.left(equals).trimmed();
}

QString ValueOf(const QString& line)
{
    return line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
}

// A value never breaks its line.
QString OneLine(QString value)
{
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value;
}

}  // namespace

namespace {

template <typename Lines>
std::optional<std::pair<size_t, size_t>> FindSection(const Lines& lines, const QString& section)
{
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto name = SectionName(lines[i]);
        if (!name || !Same(*name, section))
            continue;
        size_t end = i + 1;
        while (end < lines.size() && !SectionName(lines[end]))
            ++end;
        return std::make_pair(i, end);
    }
    return std::nullopt;
}

template <typename Lines>
std::optional<size_t> FindKey(const Lines& lines, const QString& section, const QString& key)
{
    const auto range = FindSection(lines, section);
    if (!range)
        return std::nullopt;
    for (size_t i = range->first + 1; i < range->second; ++i) {
        const auto name = KeyName(lines[i]);
        if (name && Same(*name, key))
            return i;
    }
    return std::nullopt;
}

}  // namespace

IniFile::IniFile(const QString& fileName) : fileName_(ResolvePath(fileName))
{
    QFile file(fileName_);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        loadError_ = QStringLiteral("Cannot read \"%1\": %2").arg(QDir::toNativeSeparators(fileName_), file.errorString());
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        loadError_ = QStringLiteral("Cannot read \"%1\": %2").arg(QDir::toNativeSeparators(fileName_), file.errorString());
        return;
    }
    Parse(bytes);
}

IniFile IniFile::FromBytes(const QByteArray& bytes)
{
    IniFile ini;
    ini.Parse(bytes);
    return ini;
}

void IniFile::Parse(const QByteArray& bytes)
{
    lines_.clear();
    QString text = DecodeFileText(bytes);
    // Byte-order marks at the very start are never content; dropping every one of them keeps
    // a written and re-read file the same.
    while (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines_.push_back(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines_.push_back(text.mid(start));
}

QString IniFile::ResolvePath(const QString& fileName)
{
    if (fileName.isEmpty() || fileName.contains(QLatin1Char('/')) || fileName.contains(QLatin1Char('\\')))
        return fileName;
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QLatin1Char('/') + fileName;
}

QString IniFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    const auto line = FindKey(lines_, section, key);
    return line ? ValueOf(lines_[*line]) : defaultValue;
}

void IniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    const QString text = OneLine(value);
    if (const auto line = FindKey(lines_, section, key)) {
        lines_[*line] = *KeyName(lines_[*line]) + QLatin1Char('=') + text;
        return;
    }
    const QString newLine = key.trimmed() + QLatin1Char('=') + text;
    if (const auto range = FindSection(lines_, section)) {
        // After the section's last non-blank line, so the blank lines that part it from the
        // next section stay where they are.
        size_t insertAt = range->second;
        while (insertAt > range->first + 1 && lines_[insertAt - 1].trimmed().isEmpty())
            --insertAt;
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), newLine);
        return;
    }
    if (!lines_.empty() && !lines_.back().trimmed().isEmpty())
        lines_.emplace_back();
    lines_.push_back(QLatin1Char('[') + section.trimmed() + QLatin1Char(']'));
    lines_.push_back(newLine);
}

int IniFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const
{
    const QString text = ReadString(section, key, QString());
    return text.isEmpty() ? defaultValue : StrToIntDef(text, defaultValue);
}

void IniFile::WriteInteger(const QString& section, const QString& key, int value)
{
    WriteString(section, key, QString::fromLatin1(std::to_string(value)));
}

bool IniFile::ReadBool(const QString& section, const QString& key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::WriteBool(const QString& section, const QString& key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool IniFile::SectionExists(const QString& section) const
{
    return FindSection(lines_, section).has_value();
}

bool IniFile::ValueExists(const QString& section, const QString& key) const
{
    return FindKey(lines_, section, key).has_value();
}

QStringList IniFile::ReadSections() const
{
    QStringList names;
    for (const QString& line : lines_) {
        const auto name = SectionName(line);
        if (name && !names.contains(*name, Qt::CaseInsensitive))
            names.append(*name);
    }
    return names;
}

QStringList IniFile::ReadSection(const QString& section) const
{
    QStringList keys;
    const auto range = FindSection(lines_, section);
    if (!range)
        return keys;
    for (size_t i = range->first + 1; i < range->second; ++i) {
        const auto name = KeyName(lines_[i]);
        if (name && !keys.contains(*name, Qt::CaseInsensitive))
            keys.append(*name);
    }
    return keys;
}

void IniFile::EraseSection(const QString& section)
{
    // Every section of that name goes, so a later duplicate cannot take its place.
    while (const auto range = FindSection(lines_, section))
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(range->first),
                     lines_.begin() + static_cast<std::ptrdiff_t>(range->second));
}

void IniFile::DeleteKey(const QString& section, const QString& key)
{
    while (const auto line = FindKey(lines_, section, key))
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*line));
}

QByteArray IniFile::ToBytes() const
{
    QByteArray bytes;
    for (const QString& line : lines_) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

bool IniFile::UpdateFile(QString* error) const
{
    auto fail = [&](const QString& reason) {
        if (error)
            *error = QStringLiteral("Cannot write \"%1\": %2").arg(QDir::toNativeSeparators(fileName_), reason);
        return false;
    };
    if (fileName_.isEmpty())
        return fail(QStringLiteral("no file name"));
    const QFileInfo info(fileName_);
    // The configuration folder is ours to create; any other folder must already exist.
    const QString configDir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (QDir::cleanPath(info.absolutePath()) == QDir::cleanPath(configDir) && !QDir().mkpath(configDir))
        return fail(QStringLiteral("the folder \"%1\" cannot be created").arg(QDir::toNativeSeparators(configDir)));
    QSaveFile file(fileName_);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    const QByteArray bytes = ToBytes();
    if (file.write(bytes) != bytes.size())
        return fail(file.errorString());
    if (!file.commit())
        return fail(file.errorString());
    return true;
}
