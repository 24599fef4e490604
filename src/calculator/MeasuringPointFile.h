#pragma once
// The measuring-point file (".QVR"), the default-values file and the measuring-point part of
// "Quelvar.ini": sections of keys, read and written through IniFile.
//
// Untrusted input: a file is read only when it is at most MaxMeasuringPointFileSize bytes
// and holds at least one of the measuring-point sections; otherwise nothing changes and
// the caller reports NotAMeasuringPointFile.

#include "platform/IniFile.h"

#include <QString>

#include <optional>

inline constexpr qint64 MaxMeasuringPointFileSize = 1024 * 1024;
inline const QString NotAMeasuringPointFile = QStringLiteral("not a measuring-point file");

// The sections that carry measuring-point values (COMMON_INFO carries none).
const QStringList& MeasuringPointSections();
bool HoldsMeasuringPoint(const IniFile& ini);

// Reads a file of at most maxBytes bytes. Fails (error set to a text naming the file) when
// it cannot be read or is larger.
std::optional<QByteArray> ReadBoundedFile(const QString& fileName, qint64 maxBytes, QString* error);
// Reads a measuring-point file: the bytes as above, then the section check. error names
// the file and, for a file that is too large or holds no measuring point, ends in
// NotAMeasuringPointFile.
std::optional<IniFile> OpenMeasuringPointFile(const QString& fileName, QString* error);
