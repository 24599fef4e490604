#pragma once
// Text decoding at the file boundary.

#include <QByteArray>
#include <QString>

// UTF-8 when the bytes are valid UTF-8 (a leading byte-order mark is dropped), Windows-1252
// otherwise.
QString DecodeFileText(const QByteArray& bytes);

// Windows-1252 bytes to text and back (characters outside the code page become '?').
QString FromWindows1252(const QByteArray& bytes);
QByteArray ToWindows1252(const QString& text);
