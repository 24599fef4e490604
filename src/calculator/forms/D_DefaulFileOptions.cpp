#include "calculator/forms/D_DefaulFileOptions.h"

#include "calculator/forms/FileDialogs.h"
#include "formbase/FormKit.h"
#include "platform/MessageBox.h"
#include "platform/NumberFormat.h"
#include "transducer/OemVariant.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
bool FileExists(const QString& name)
{
    return !name.isEmpty() && QFileInfo(name).isFile();
}
}  // namespace

TDLG_DefaultFileOptions::TDLG_DefaultFileOptions(QWidget* parent)
    : TMultilingualForm(parent)
{
    setObjectName(QStringLiteral("DLG_DefaultFileOptions"));
    setWindowTitle(QStringLiteral("Options 'Default values'"));
    CreateControls();
    Panel_BUTTONS->show();
    ConnectHandlers();
    SetTabOrder();
    FormCreate();
    UpdateEnabled();
}

void TDLG_DefaultFileOptions::CreateControls()
{
    auto* layout = new QVBoxLayout(ClientArea());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(CreateControl(CB_LoadThisFile, "CB_LoadThisFile", ClientArea(),
                                    QStringLiteral("Load this file to assign 'Default values' :")));
    auto* file = new QHBoxLayout;
    file->addWidget(CreateControl(EDI_Filename, "EDI_Filename", ClientArea()));
    EDI_Filename->setReadOnly(true);
    EDI_Filename->setMinimumWidth(320);
    file->addWidget(CreateControl(BUT_OpenDefaFile, "BUT_OpenDefaFile", ClientArea(), QStringLiteral("...")));
    BUT_OpenDefaFile->setAutoDefault(false);
    layout->addLayout(file);
    // Only its width and font are used: the room the shortened path may take.
    CreateControl(LabPath, "LabPath", ClientArea());
    LabPath->hide();
    layout->addWidget(CreateControl(CB_ForceRecommSoundpath, "CB_ForceRecommSoundpath", ClientArea(),
                                    QStringLiteral("Force recommended soundpath")));
    layout->addWidget(CreateControl(CB_ForceRecommendedTransducer, "CB_ForceRecommendedTransducer", ClientArea(),
                                    QStringLiteral("Force recommended transducer")));
    layout->addWidget(CreateControl(CB_AlwaysStartWithDefaultValues, "CB_AlwaysStartWithDefaultValues",
                                    ClientArea(), QStringLiteral("Always start program with 'Default values'")));
    CreateControl(ACT_OpenFile, "ACT_OpenFile", this, QStringLiteral("Open"));
    ACT_OpenFile->setShortcut(Qt::CTRL | Qt::Key_O);
    addAction(ACT_OpenFile);
}

void TDLG_DefaultFileOptions::ConnectHandlers()
{
    connect(CB_LoadThisFile, &QCheckBox::toggled, this, [this] { CheckBoxClick(); });
    connect(CB_AlwaysStartWithDefaultValues, &QCheckBox::toggled, this, [this] { CheckBoxClick(); });
    connect(BUT_OpenDefaFile, &QPushButton::clicked, ACT_OpenFile, &QAction::trigger);
    connect(ACT_OpenFile, &QAction::triggered, this, [this] { ACT_OpenFileExecute(); });
    EDI_Filename->installEventFilter(this);
    BUT_OK->installEventFilter(this);
}

void TDLG_DefaultFileOptions::SetTabOrder()
{
    SetTabChain({CB_LoadThisFile, EDI_Filename, BUT_OpenDefaFile, CB_ForceRecommSoundpath,
                 CB_ForceRecommendedTransducer, CB_AlwaysStartWithDefaultValues, BUT_OK, BUT_Cancel});
}

void TDLG_DefaultFileOptions::SetFileName(const QString& fileName)
{
    fileName_ = fileName;
    ShowFileName();
    UpdateEnabled();
}

void TDLG_DefaultFileOptions::ShowFileName()
{
    LabPath->setFixedWidth(std::max(0, EDI_Filename->width() - 8));
    const QFontMetrics metrics(LabPath->font());
    EDI_Filename->setText(ShortenPath(fileName_, LabPath->width(),
                                      [&metrics](const QString& text) { return metrics.horizontalAdvance(text); }));
}

void TDLG_DefaultFileOptions::LoadFromObject(const TDefaValueFile& options)
{
    CB_LoadThisFile->setChecked(options.TakeIt);
    CB_AlwaysStartWithDefaultValues->setChecked(options.TakeThem);
    CB_ForceRecommSoundpath->setChecked(options.FR_SOUNDPATH);
    CB_ForceRecommendedTransducer->setChecked(options.FR_TRANSD);
    SetFileName(options.FileName);
}

void TDLG_DefaultFileOptions::StoreToObject(TDefaValueFile& options) const
{
    options.TakeIt = CB_LoadThisFile->isChecked();
    options.TakeThem = CB_AlwaysStartWithDefaultValues->isChecked();
    options.FR_SOUNDPATH = CB_ForceRecommSoundpath->isChecked();
    options.FR_TRANSD = CB_ForceRecommendedTransducer->isChecked();
    options.FileName = fileName_;
}

void TDLG_DefaultFileOptions::UpdateEnabled()
{
    const bool load = CB_LoadThisFile->isChecked();
    BUT_OpenDefaFile->setEnabled(load);
    CB_ForceRecommSoundpath->setEnabled(load);
    CB_ForceRecommendedTransducer->setEnabled(load);
    BUT_OK->setEnabled(DefaultFileOkEnabled(load, FileExists(fileName_)));
}

void TDLG_DefaultFileOptions::CheckBoxClick()
{
    if (isVisible() && CB_LoadThisFile->isChecked() && fileName_.isEmpty())
        ACT_OpenFileExecute();
    UpdateEnabled();
}

void TDLG_DefaultFileOptions::ACT_OpenFileExecute()
{
    TFileDialogRequest request;
    request.Title = TranslateString(QStringLiteral("'Default value' file"));
    request.Filter = filter_;
    request.InitialDir = QFileInfo(fileName_).path();
    request.FileName = QFileInfo(fileName_).fileName();
    if (const auto chosen = RunFileDialog(this, request))
        SetFileName(*chosen);
}

bool TDLG_DefaultFileOptions::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == EDI_Filename || watched == BUT_OK) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && focusWidget() == EDI_Filename) {
            ACT_OpenFile->trigger();
            return true;
        }
    }
    return TMultilingualForm::eventFilter(watched, event);
}

void TDLG_DefaultFileOptions::resizeEvent(QResizeEvent* event)
{
    TMultilingualForm::resizeEvent(event);
    ShowFileName();
}

void TDLG_DefaultFileOptions::showEvent(QShowEvent* event)
{
    filter_ = TranslateString(IsOemVariant ? QStringLiteral("VK_RT Datei (*.QVR)|*.QVR")
                                           : QStringLiteral("Quelvar Datei (*.QVR)|*.QVR"));
    TMultilingualForm::showEvent(event);
    ShowFileName();
}

// OK with "load this file" checked needs a file that exists; the dialog then stays open.
void TDLG_DefaultFileOptions::done(int result)
{
    if (result == 1) {
        const QString error =
            DefaultFileCloseError(CB_LoadThisFile->isChecked(), fileName_, FileExists(fileName_));
        if (!error.isEmpty()) {
            MessageRequest message;
            message.parent = this;
            message.caption = windowTitle();
            message.text = Format(TranslateString(error), {fileName_});
            message.kind = MessageKind::Error;
            ShowMessage(message);
            return;
        }
    }
    TMultilingualForm::done(result);
}
