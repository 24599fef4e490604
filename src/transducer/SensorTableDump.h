#pragma once
// The tab-separated catalogue dump of the expert mode: 17 lines, one per field, each a
// label and one cell per catalogue entry, lines ending in CR LF. Numbers take the current
// decimal separator.

#include <QByteArray>
#include <QString>

// The dump's text, as written (UTF-8).
QByteArray SensTabsText();

// Writes the dump to fileName (created or overwritten; the expert button passes
// "$$xxx.txt"). On failure returns false and sets *error (when given) to a text naming
// the file and the reason.
bool WriteOutSensTabs(const QString& fileName, QString* error = nullptr);
