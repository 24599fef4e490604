#pragma once
// The program's own settings in "Quelvar.ini" (besides the measuring-point sections, which
// MeasuringPointFile.h writes and reads): language, last folders, report editor and the
// default-values options. The file lives in the user's configuration folder; a run rewrites
// only its own keys, every other key of the file is kept.

#include "calculator/core/DefaValueFile.h"

#include <QString>

class IniFile;

inline const QString SettingsFileName = QStringLiteral("Quelvar.ini");

struct tProgramSettings {
    int Language = -1;   // dictionary index; -1 and -2 choose by the user's locale
    QString LastOpen;    // folders with a trailing separator; written only when not empty
    QString LastSave;
    QString LastReport;
    QString LastEditor;  // the report's editor field
    TDefaValueFile DefaFile;

    friend bool operator==(const tProgramSettings&, const tProgramSettings&) = default;
};

// COMMONS LANGUAGE, LastOpen, LastSave, LastReport, LastEditor, then DEFAVALUE.
void WriteProgramSettings(IniFile& ini, const tProgramSettings& settings);
// Reads what WriteProgramSettings wrote over current. A LANGUAGE outside -2 ..
// languageCount - 1 (or unreadable) counts as missing and gives -1; a missing folder or
// editor keeps the current text.
tProgramSettings ReadProgramSettings(const IniFile& ini, const tProgramSettings& current, int languageCount);

// The folder part of a path with its trailing separator ("" for a bare name).
QString FolderOf(const QString& path);
