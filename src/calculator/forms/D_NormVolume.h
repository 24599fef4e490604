#pragma once
// The normalized gas volume dialog: operating volume flow, temperature and pressure,
// reference conditions and compression factor, and the normalized volume flow they give.
// The numbers and rules live in TNormVolume; the form copies texts in and out.

#include "calculator/core/NormVolume.h"
#include "formbase/MultForm.h"

#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TDLG_NormVolume : public TMultilingualForm {
    Q_OBJECT

public:
    explicit TDLG_NormVolume(QWidget* parent = nullptr);

    TNormVolume Values;

    QGroupBox* GRP_Volume = nullptr;
    QLineEdit* INP_Volume = nullptr;
    QComboBox* ME_VOLUME = nullptr;
    QLineEdit* INP_FluidTemp = nullptr;
    QComboBox* ME_TEMP = nullptr;
    QLineEdit* INP_FluidDruck = nullptr;
    QLabel* PAN_Volume = nullptr;
    QGroupBox* GRP_NormConditions = nullptr;
    QLineEdit* INP_NormTemp = nullptr;
    QLabel* LAB_MeNormTemp = nullptr;
    QLineEdit* INP_NormDruck = nullptr;
    QCheckBox* CB_EditNormConditions = nullptr;
    QPushButton* BUT_DefaultNormValues = nullptr;
    QLabel* PAN_NormConditions = nullptr;
    QGroupBox* GRP_CompressFactor = nullptr;
    QLineEdit* INP_CompressFactor = nullptr;
    QLabel* PAN_CompressFactor = nullptr;
    QLabel* LAB_NormalizedVolumeValue = nullptr;
    QAction* ACT_Cancel = nullptr;

    // Sets the six values and the two units, each list's change handler running.
    void LoadParams(const tNormVolumeParams& params);
    tNormVolumeParams StoreParams() const { return Values.StoreParams(); }
    // Recomputes the normalized volume flow and its label.
    void ComputeNormVolume();

    // Exit handler of a field's edit; false when the text was rejected.
    bool CommitField(TNormField field);
    QLineEdit* EditOf(TNormField field) const { return edits_[static_cast<int>(field)]; }
    // OK (1) checks before it closes; any other result closes at once.
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // The values and the result in the new number format.
    void LanguageChanged() override;

private:
    void CreateVolume();
    void CreateNormConditions();
    void CreateCompressFactor();
    void ConnectHandlers();
    void SetTabOrder();
    void FillUnitLists();
    void RewriteEdit(TNormField field);
    void RewriteAll();
    void ME_VOLUMEChange();
    void ME_TEMPChange();
    void CB_EditNormConditionsClick();
    void BUT_DefaultNormValuesClick();
    QLabel* PanelOf(TNormPanel panel) const;
    int FieldOf(const QObject* edit) const;

    std::array<QLineEdit*, NormFieldCount> edits_{};
};

// The instance the application created at start (nullptr before).
TDLG_NormVolume* DLG_NormVolume();
