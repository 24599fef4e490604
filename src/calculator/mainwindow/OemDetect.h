#pragma once
// The partner-brand variant is chosen by the name under which the program was started.

#include <QString>

// Sets IsOemVariant when the executable's base name (as started, no links resolved) is
// "BRANDOLFLOW" or "BRANDOLFLOW.EXE" in any letter case; any other name leaves the flag
// alone. Returns true when the own variant was asked for.
bool DetectOemVariant(const QString& programPath);
