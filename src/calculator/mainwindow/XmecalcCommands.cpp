#include "calculator/mainwindow/XmecalcCommands.h"

#include "calculator/forms/D_DefaulFileOptions.h"
#include "calculator/forms/D_NormVolume.h"
#include "calculator/forms/FileDialogs.h"
#include "calculator/mainwindow/Xmecalc.h"
#include "formbase/DialogFactory.h"
#include "formbase/FormKit.h"
#include "platform/IniFile.h"
#include "platform/MessageBox.h"
#include "platform/NumberFormat.h"
#include "transducer/OemVariant.h"
#include "translation/MlDictionary.h"
#include "translation/MlTranslator.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QMenu>
#include <QPushButton>

TXmeCalcCommands::TXmeCalcCommands(TXmeCalcDlg& window)
    : QObject(&window), Arguments(QCoreApplication::arguments().mid(1)),
      SettingsFile(IniFile::ResolvePath(SettingsFileName)), window_(window)
{
    connect(window.ACT_OpenQVFile, &QAction::triggered, this, [this] { ACT_OpenQVFileExecute(); });
    connect(window.ACT_SaveToQVFile, &QAction::triggered, this, [this] { ACT_SaveToQVFileExecute(); });
    connect(window.ACT_SaveAsDefault, &QAction::triggered, this, [this] { ACT_SaveAsDefaultExecute(); });
    connect(window.ACT_DefaultFileOptions, &QAction::triggered, this, [this] { ACT_DefaultFileOptionsExecute(); });
    connect(window.ACT_NormalizedVolumeflow, &QAction::triggered, this,
            [this] { ACT_NormalizedVolumeflowExecute(); });
    CreateControl(PopupMenu2, "PopupMenu2", &window);
    PopupMenu2->addAction(window.ACT_Standardwerte);
    window.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&window, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu2->popup(window_.mapToGlobal(at)); });
}

QString TXmeCalcCommands::Filter() const
{
    return window_.TranslateString(IsOemVariant ? QStringLiteral("VK_RT Datei (*.QVR)|*.QVR")
                                                : QStringLiteral("Quelvar Datei (*.QVR)|*.QVR"));
}

tTranslate TXmeCalcCommands::Translate() const
{
    return [this](const QString& text) { return window_.TranslateString(text); };
}

void TXmeCalcCommands::ReportError(const QString& text)
{
    MessageRequest message;
    message.parent = &window_;
    message.caption = QCoreApplication::applicationName();
    message.text = text;
    message.kind = MessageKind::Error;
    ShowMessage(message);
}

void TXmeCalcCommands::ACT_OpenQVFileExecute()
{
    TFileDialogRequest request;
    request.Title = window_.TranslateString(IsOemVariant ? QStringLiteral("VK_RT Datei oeffnen")
                                                         : QStringLiteral("Quelvar Datei öffnen"));
    request.Filter = Filter();
    request.InitialDir = LastOpenFolder;
    const auto chosen = RunFileDialog(&window_, request);
    if (!chosen)
        return;
    LastOpenFolder = FolderOf(*chosen);
    window_.CommitActiveEdit();
    QString error;
    QStringList ignored;
    const auto ini = OpenMeasuringPointFile(*chosen, &error, Translate());
    if (!ini || !LoadMeasuringPoint(window_.Point, Report, *ini, true, IsOemVariant != 0, &error, &ignored)) {
        ReportError(error);
        return;
    }
    window_.KeepFocusMarks();
    // The edits show the file's values first: the focused one is committed next, and its
    // old text would otherwise overwrite what the file brought.
    window_.Render(true);
    window_.SendLineParams();
    if (!ignored.isEmpty()) {
        // What the file brought is loaded; the user learns, once, which values were not.
        MessageRequest message;
        message.parent = &window_;
        message.caption = QCoreApplication::applicationName();
        message.text = Format(window_.TranslateString(IgnoredKeysMessage),
                              {QDir::toNativeSeparators(*chosen), ignored.join(QStringLiteral(", "))});
        message.kind = MessageKind::Warning;
        ShowMessage(message);
    }
}

bool TXmeCalcCommands::SaveTo(const QString& fileName)
{
    window_.CommitActiveEdit();
    QString error;
    if (!SaveMeasuringPointFile(fileName, window_.Point.Record(), Report, QCoreApplication::applicationFilePath(),
                                &error, Translate())) {
        ReportError(error);
        return false;
    }
    LastSaveFolder = FolderOf(fileName);
    return true;
}

std::optional<QString> TXmeCalcCommands::ChooseSaveFile(const QString& proposed)
{
    TFileDialogRequest request;
    request.Mode = TFileDialogRequest::TMode::Save;
    request.Title = window_.TranslateString(IsOemVariant ? QStringLiteral("VK_RT Datei speichern")
                                                         : QStringLiteral("Quelvar Datei speichern"));
    request.Filter = Filter();
    request.InitialDir = LastSaveFolder;
    request.FileName = proposed;
    return RunFileDialog(&window_, request);
}

void TXmeCalcCommands::ACT_SaveToQVFileExecute()
{
    if (const auto chosen = ChooseSaveFile(QString()))
        SaveTo(*chosen);
}

void TXmeCalcCommands::ACT_SaveAsDefaultExecute()
{
    if (DefaFile.FileName.isEmpty()) {
        const auto chosen = ChooseSaveFile(QStringLiteral("DefaultValues.QVR"));
        if (!chosen)
            return;
        DefaFile.FileName = *chosen;
    }
    if (!SaveTo(DefaFile.FileName))
        return;
    DefaFile.TakeIt = true;
    UpdateDefaultFileHints();
}

void TXmeCalcCommands::ACT_DefaultFileOptionsExecute()
{
    auto dialog = CreateDialog<TDLG_DefaultFileOptions>(&window_);
    dialog->LoadFromObject(DefaFile);
    if (dialog->ShowDialog() != 1)
        return;
    dialog->StoreToObject(DefaFile);
    UpdateDefaultFileHints();
}

void TXmeCalcCommands::UpdateDefaultFileHints()
{
    const QString hint = DefaultFileHint(DefaFile);
    window_.ACT_SaveAsDefault->setToolTip(hint);
    window_.ACT_DefaultFileOptions->setToolTip(hint);
}

void TXmeCalcCommands::ACT_NormalizedVolumeflowExecute()
{
    TDLG_NormVolume* dialog = DLG_NormVolume();
    if (!dialog)
        return;
    window_.CommitActiveEdit();
    dialog->LoadParams(NormVolumeParamsOf(window_.Point));
    if (dialog->ShowDialog() != 1)
        return;
    TakeBackNormVolume(window_.Point, dialog->StoreParams());
    window_.Render(true);
    window_.CommitActiveEdit();
}

void TXmeCalcCommands::LoadDefaultValues()
{
    QString error;
    if (!LoadDefaultValueFile(window_.Point, Report, DefaFile, IsOemVariant != 0, &error, Translate()) &&
        !error.isEmpty())
        ReportError(error);
}

void TXmeCalcCommands::FirstShow()
{
    if (shown_)
        return;
    shown_ = true;
    const tCommandLineSwitches switches = ParseCommandLine(Arguments, IsOemVariant != 0);
    SetViewMode(switches.FullView ? 1 : 0);
    window_.Point.MegaUser = switches.MegaUser;
    window_.Point.ReynoldsDetails = switches.ReynoldsDetails;
    window_.Point.ErrorEstimation = switches.ErrorEstimation;
    LoadSettings();
}

void TXmeCalcCommands::SetViewMode(int mode)
{
    const bool full = mode == 1;
    window_.Point.ViewMode = full ? 1 : 0;
    window_.Point.SetCrossSectionGroupVisible(full);
    window_.KalfaktorPane->setVisible(full);
    window_.Bevel_Profil->setVisible(full);
    window_.PAN_ReynoldInGRPMedium->setVisible(window_.KalfaktorPane->isHidden());
    window_.Render();
}

int TXmeCalcCommands::Language() const
{
    const TMlDictionary* dictionary = window_.Translator ? window_.Translator->Dictionary() : nullptr;
    return dictionary ? dictionary->Language() : language_;
}

bool TXmeCalcCommands::LoadSettings()
{
    QString error;
    const auto bytes = ReadBoundedFile(SettingsFile, MaxMeasuringPointFileSize, &error);
    if (!bytes)
        return false;  // no settings yet (or none usable): the standard values stay
    const IniFile ini = IniFile::FromBytes(*bytes);
    TMlDictionary* dictionary = window_.Translator ? window_.Translator->Dictionary() : nullptr;
    tProgramSettings current;
    current.LastEditor = Report.Editor;
    current.DefaFile = DefaFile;
    const tProgramSettings settings =
        ReadProgramSettings(ini, current, dictionary ? dictionary->LanguageCount() : 0);
    DefaFile = settings.DefaFile;
    if (!DefaFile.TakeThem) {
        LoadMeasuringPoint(window_.Point, Report, ini, false, IsOemVariant != 0, nullptr);
        window_.Render(true);  // before the focused edit is committed, as for an opened file
        window_.SendLineParams();
    } else if (DefaFile.TakeIt) {
        LoadDefaultValues();
    }
    LastOpenFolder = settings.LastOpen;
    LastSaveFolder = settings.LastSave;
    LastReportFolder = settings.LastReport;
    Report.Editor = settings.LastEditor;
    UpdateDefaultFileHints();
    language_ = settings.Language;
    if (dictionary && settings.Language != -1)
        dictionary->SetLanguage(settings.Language);
    window_.Render(true);
    return true;
}

bool TXmeCalcCommands::SaveSettings()
{
    IniFile ini(SettingsFile);
    WriteMeasuringPoint(ini, window_.Point.Record(), Report, QCoreApplication::applicationFilePath());
    tProgramSettings settings;
    settings.Language = Language();
    settings.LastOpen = LastOpenFolder;
    settings.LastSave = LastSaveFolder;
    settings.LastReport = LastReportFolder;
    settings.LastEditor = Report.Editor;
    settings.DefaFile = DefaFile;
    WriteProgramSettings(ini, settings);
    QString error;
    if (ini.UpdateFile(&error))
        return true;
    ReportError(error);
    return false;
}
