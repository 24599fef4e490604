#pragma once
// The main window's file, settings and start-up commands: open, save, save as default
// values, the default-values options, the normalized volume, the standard values with the
// default-values file, the command line and view mode, and the settings file read at the
// first showing and written at close. Every value goes through the measuring point's
// record or its input path, never through the window's controls; the window then renders.

#include "calculator/core/CommandLine.h"
#include "calculator/core/DefaValueFile.h"
#include "calculator/core/MeasuringPointFile.h"
#include "calculator/core/SettingsFile.h"

#include <QObject>
#include <QStringList>

#include <optional>

class QMenu;
class TXmeCalcDlg;

class TXmeCalcCommands : public QObject {
    Q_OBJECT

public:
    // Connects the window's actions to the commands.
    explicit TXmeCalcCommands(TXmeCalcDlg& window);

    // The window's popup menu: "Standardwerte".
    QMenu* PopupMenu2 = nullptr;
    TDefaValueFile DefaFile;
    // The report's fields travel with the measuring point; they are kept here for the
    // report form.
    tReportFileFields Report;
    QString LastOpenFolder;
    QString LastSaveFolder;
    QString LastReportFolder;
    // The command line without the program name (the application's by default).
    QStringList Arguments;
    // Where the settings live: "Quelvar.ini" in the user's configuration folder.
    QString SettingsFile;

    void ACT_OpenQVFileExecute();
    void ACT_SaveToQVFileExecute();
    void ACT_SaveAsDefaultExecute();
    void ACT_DefaultFileOptionsExecute();
    void ACT_NormalizedVolumeflowExecute();
    // The default-values step that ends the standard values.
    void LoadDefaultValues();
    void UpdateDefaultFileHints();

    // FormShow, once: the command line, then the settings file.
    void FirstShow();
    // 1 full view, 0 compact view.
    void SetViewMode(int mode);
    bool LoadSettings();
    // Writes the settings file; a failure is reported once and false returned.
    bool SaveSettings();

private:
    bool SaveTo(const QString& fileName);
    // SaveDialog / SaveDialogDefaFile in the last save folder.
    std::optional<QString> ChooseSaveFile(const QString& proposed);
    void ReportError(const QString& text);
    // The main window's translation, for the file messages.
    tTranslate Translate() const;
    QString Filter() const;
    int Language() const;

    TXmeCalcDlg& window_;
    int language_ = -1;
    bool shown_ = false;
};
