#include "calculator/MeasuringPointFile.h"

#include <QDir>
#include <QFile>

const QStringList& MeasuringPointSections()
{
    static const QStringList sections = {
        QStringLiteral("COMMONS"), QStringLiteral("FIXED"),  QStringLiteral("PIPE"),
        QStringLiteral("PIPEFL"),  QStringLiteral("MEDIUM"), QStringLiteral("FLOW"),
        QStringLiteral("MEORD"),   QStringLiteral("TRANSD"), QStringLiteral("REPORT"),
        QStringLiteral("NORMVOL")};
    return sections;
}

bool HoldsMeasuringPoint(const IniFile& ini)
{
    for (const QString& section : MeasuringPointSections()) {
        if (ini.SectionExists(section))
            return true;
    }
    return false;
}

std::optional<QByteArray> ReadBoundedFile(const QString& fileName, qint64 maxBytes, QString* error)
{
    const QString shown = QDir::toNativeSeparators(fileName);
    auto fail = [&](const QString& reason) -> std::optional<QByteArray> {
        if (error)
            *error = QStringLiteral("\"%1\": %2").arg(shown, reason);
        return std::nullopt;
    };
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    // Devices and growing files report no reliable size: read one byte past the limit.
    if (file.size() > maxBytes)
        return fail(NotAMeasuringPointFile);
    const QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    if (bytes.size() > maxBytes)
        return fail(NotAMeasuringPointFile);
    return bytes;
}

std::optional<IniFile> OpenMeasuringPointFile(const QString& fileName, QString* error)
{
    const auto bytes = ReadBoundedFile(fileName, MaxMeasuringPointFileSize, error);
    if (!bytes)
        return std::nullopt;
    IniFile ini = IniFile::FromBytes(*bytes);
    if (!HoldsMeasuringPoint(ini)) {
        if (error)
            *error = QStringLiteral("\"%1\": %2").arg(QDir::toNativeSeparators(fileName), NotAMeasuringPointFile);
        return std::nullopt;
    }
    return ini;
}
