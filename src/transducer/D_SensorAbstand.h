#pragma once
// The application dialog "Applikation": transducer type, sound paths, spacing and free
// mounting length for the measuring point, with pipe, lining, medium and temperature, the
// recommendation, the expert time group and test pipes, and the error estimation. The
// numbers and rules are tApplicationCalc's; this form copies texts in and out.

#include "formbase/MultForm.h"
#include "transducer/ApplicationCalc.h"
#include "transducer/ApplicationInput.h"

#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class TCeSpinEdit;
class TDLG_ErrorDiagram;
class TApplicationSketch;

class TDLG_SensorAbstand : public TMultilingualForm {
    Q_OBJECT

public:
    explicit TDLG_SensorAbstand(QWidget* parent = nullptr);
    ~TDLG_SensorAbstand() override;

    // ---- Called by the main window and the report, options first.
    void SetMegaUserMode(bool flag);
    void SetShowSmallPipe(bool flag);
    void SetErrorEstimationEnabled(bool flag);
    void SetFlowHandOver(const tFlowHandOver& flow) { flow_ = flow; }
    void SetInputData(const tApplicationInput& input);
    // Sets the modes and the flow data, then loads the input.
    void LoadSetup(const tApplicationSetup& setup);

    double GetOuterDiameter() const { return calc_.GetOuterDiameter(); }
    double GetInnerDiameter() const { return calc_.GetInnerDiameter(); }
    double GetLiningThickness() const { return calc_.GetLiningThickness(); }
    double GetWallThickness() const { return calc_.GetWallThickness(); }
    double GetMediumTemperature() const { return calc_.GetMediumTemperature(); }
    std::uint8_t GetSensorTypeCode() const { return calc_.GetSensorTypeCode(); }
    int GetSoundPaths() const { return calc_.GetSoundPaths(); }
    int GetWallMaterialCode() const { return calc_.GetWallMaterialCode(); }
    int GetMediumCode() const { return calc_.GetMediumCode(); }
    int GetLiningMaterialCode() const { return calc_.GetLiningMaterialCode(); }
    double GetUserMediumSpeed() const { return calc_.UserMediumSpeed(); }
    double GetUserWallSpeed() const { return calc_.UserWallSpeed(); }
    double GetUserLiningSpeed() const { return calc_.UserLiningSpeed(); }
    bool GetSpacingFixed() const { return calc_.SpacingFixed(); }
    double GetFixedSpacing() const { return calc_.FixedSpacing(); }
    bool ResultsValid() const { return calc_.ResultsValid(); }
    void SelectSensorType(std::uint8_t code);
    // After a language change: the material and medium lists in the new name language,
    // sorted again.
    void RenameLibraryItems();

    // Loads the error diagram (nothing without valid results) and reads its typical error;
    // "?" when it has none.
    void PrepareErrorEstimation();
    void GetTypicalErrorText(QString& text);
    // The error-estimation action up to showing the diagram: false when it is not enabled.
    bool LoadErrorEstimation();
    // The diagram this dialog loads: the one made at start, else one of its own.
    TDLG_ErrorDiagram* ErrorDiagram();

    const tApplicationCalc& Calc() const { return calc_; }

    // ---- Controls.
    QGroupBox* GRP_Sensor = nullptr;
    QComboBox* CBX_SensorTyp = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BUT_RecommTransducer = nullptr;
    QLabel* LAB_SorryNoTransducer = nullptr;
    QGroupBox* GRP_Schallweg = nullptr;
    QComboBox* CBX_AutoUser = nullptr;
    QComboBox* CBX_ReflDurch = nullptr;
    TCeSpinEdit* ED_SFW = nullptr;
    QLabel* LAB_SWF = nullptr;
    QLabel* LAB_SWFNumMe = nullptr;
    QGroupBox* GRP_Sensorabstand = nullptr;
    QPushButton* PAN_SensorAbstand = nullptr;
    QCheckBox* CB_SabstFixed = nullptr;
    QLabel* PAN_SensorEinbauRaum = nullptr;
    QLabel* LAB_SensorAbst = nullptr;
    QLabel* LAB_SensorAbstFixed = nullptr;
    QLabel* LAB_FreiAbst = nullptr;
    QLabel* LAB_LambdaSmallPipe = nullptr;
    QPushButton* BTN_MountingInfo = nullptr;
    TApplicationSketch* Panel1 = nullptr;  // the sketch and the transit-time table
    QGroupBox* GRP_Rohr = nullptr;
    TCeSpinEdit* EDI_ADM = nullptr;
    QComboBox* ME_IDM = nullptr;
    TCeSpinEdit* EDI_WAND = nullptr;
    QLabel* LAB_WandME = nullptr;
    QComboBox* COM_Material = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QCheckBox* CB_AUSKLEID = nullptr;
    TCeSpinEdit* EDI_AUSKL = nullptr;
    QLabel* LAB_AusklME = nullptr;
    QComboBox* COM_Auskleidung = nullptr;
    QPushButton* BUT_OtherAuskleidung = nullptr;
    QGroupBox* GRP_Medium = nullptr;
    QComboBox* COM_Medium = nullptr;
    QPushButton* BitBtn4 = nullptr;
    TCeSpinEdit* ED_GammaTemp = nullptr;
    QComboBox* ME_TEMP = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QPushButton* BUT_MehrInfos = nullptr;
    QPushButton* BUT_ErrorEstimation = nullptr;  // carries ACT_ErrorEstimation
    QGroupBox* GRP_ZeitOffset = nullptr;
    TCeSpinEdit* EDI_VELOC = nullptr;
    QComboBox* CBX_MEVELOC = nullptr;
    QCheckBox* CB_ProfilCorrected = nullptr;
    QLabel* PAN_UnKorrFlow = nullptr;
    TCeSpinEdit* EDI_ZeitOffset = nullptr;
    QComboBox* CBX_MEZeitOffset = nullptr;
    TCeSpinEdit* EDI_Visk = nullptr;
    TCeSpinEdit* ED_Rauhigkeit = nullptr;
    QGroupBox* GRP_MegaUserRohre = nullptr;
    QComboBox* COM_MegaUserRohre = nullptr;
    QCheckBox* CB_AlphaKorrektur = nullptr;
    QPushButton* BitBtn3 = nullptr;

    QAction* ACT_OK = nullptr;
    QAction* ACT_RecommendedSensor = nullptr;
    QAction* ACT_ErrorEstimation = nullptr;
    QAction* ACT_WandMaterialOTHER = nullptr;
    QAction* ACT_AuskleidungOTHER = nullptr;
    QAction* ACT_MediumOTHER = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateActions();
    void CreateSensorGroup();
    void CreatePathGroup();
    void CreateSpacingGroup();
    void CreatePipeGroup();
    void CreateMediumGroup();
    void CreateExpertGroups();
    void LayoutGroups();
    void ConnectHandlers();
    void ConnectPipeHandlers();
    void ConnectExpertHandlers();
    void SetTabOrder();

    // Writes of the program: the inputs (edits, boxes) and the results, signals blocked.
    void ShowInputs();
    void ShowPipeValues();
    void ShowResults();
    void ShowPathControls();
    void ShowTimeGroup();
    void ShowCodeItems(QComboBox* box, const tCodeItems& items);

    void PathModeChanged(int index);
    void SpacingFixedClicked(bool checked);
    void SpacingPanelClicked();
    void RunErrorEstimation();
    // The other-material actions: ask the layer's sound speed (starting from start when
    // given, else from the present one).
    void AskUserSpeed(tQuadrantId layer, double start = 0.0);
    void AskMissingSpeeds();
    void OtherItemChosen(tQuadrantId layer);
    void WriteOutSensTabsClicked();
    void UpdateSketch();

    tApplicationCalc calc_;
    tFlowHandOver flow_;
    bool errorEstimation_ = false;
    bool showSmallPipe_ = false;
    std::unique_ptr<TDLG_ErrorDiagram> ownDiagram_;
};
