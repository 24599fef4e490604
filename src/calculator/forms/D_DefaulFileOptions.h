#pragma once
// The options dialog of the "Default values" file: which file, whether the standard values
// load it, whether the program starts with it, and what it forces afterwards. It edits a
// copy and touches the options object only through LoadFromObject and StoreToObject.

#include "calculator/core/DefaValueFile.h"
#include "formbase/MultForm.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TDLG_DefaultFileOptions : public TMultilingualForm {
    Q_OBJECT

public:
    explicit TDLG_DefaultFileOptions(QWidget* parent = nullptr);

    QLineEdit* EDI_Filename = nullptr;
    QLabel* LabPath = nullptr;
    QPushButton* BUT_OpenDefaFile = nullptr;
    QCheckBox* CB_LoadThisFile = nullptr;
    QCheckBox* CB_AlwaysStartWithDefaultValues = nullptr;
    QCheckBox* CB_ForceRecommSoundpath = nullptr;
    QCheckBox* CB_ForceRecommendedTransducer = nullptr;
    QAction* ACT_OpenFile = nullptr;

    // Stores the path and shows it shortened to LabPath's width.
    void SetFileName(const QString& fileName);
    QString FileName() const { return fileName_; }
    void LoadFromObject(const TDefaValueFile& options);
    void StoreToObject(TDefaValueFile& options) const;
    // The file button and both "Force" boxes follow CB_LoadThisFile; OK needs an existing
    // file while it is checked.
    void UpdateEnabled();
    // ACT_OpenFile: the file choice.
    void ACT_OpenFileExecute();
    // OK (1) checks before it closes; any other result closes at once.
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    void ConnectHandlers();
    void SetTabOrder();
    void CheckBoxClick();
    void ShowFileName();

    QString fileName_;
    QString filter_ = QStringLiteral("Quelvar Datei (*.QVR)|*.QVR");
};
