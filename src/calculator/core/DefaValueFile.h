#pragma once
// The "Default values" options: a measuring-point file of the user's own that the standard
// values load, and the rules of its options dialog TDLG_DefaultFileOptions without widgets.

#include <QString>

#include <functional>

class IniFile;

class TDefaValueFile {
public:
    QString FileName;           // full path of the default-values file
    bool TakeIt = false;        // load the file when the standard values are applied
    bool TakeThem = false;      // start with the default values instead of the last point
    bool FR_SOUNDPATH = false;  // after loading, sound paths automatic (0)
    bool FR_TRANSD = false;     // after loading, the recommended transducer (type code 0)

    friend bool operator==(const TDefaValueFile&, const TDefaValueFile&) = default;
};

// Section DEFAVALUE of the settings file: TAKEIT, FR_SOUNDPATH, FR_TRANSD, FILENAME and, last,
// TAKETHEM. A missing or unreadable key keeps the current value.
void WriteDefaValueOptions(IniFile& ini, const TDefaValueFile& options);
void ReadDefaValueOptions(const IniFile& ini, TDefaValueFile& options);

// UpdateDefaultFileHints: the hint of ACT_SaveAsDefault and ACT_DefaultFileOptions.
QString DefaultFileHint(const TDefaValueFile& options);

// Whether the standard values load the file: TakeIt and a file of that name exists. With
// TakeThem set as well the program also starts with it.
bool ShouldLoadDefaultFile(const TDefaValueFile& options, const std::function<bool(const QString&)>& exists);

// ACT_OK update: while "load this file" is checked, OK needs an existing file.
bool DefaultFileOkEnabled(bool loadThisFile, bool fileExists);
// FormCloseQuery after OK: the untranslated message that refuses closing ("No filename
// specified", "Can not find file %s" with the name filled in by the caller after
// translation), empty when closing is allowed.
QString DefaultFileCloseError(bool loadThisFile, const QString& fileName, bool fileExists);

// The path fitted into maxWidth (as measured by width): whole leading folders after the
// root give way to "...", the file name is always kept; a name that does not fit even so is
// cut at its start behind "...".
QString ShortenPath(const QString& path, int maxWidth, const std::function<int(const QString&)>& width);
