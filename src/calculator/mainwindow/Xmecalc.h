#pragma once
// The main window: one measuring point of pipe, medium and flow as edits with unit boxes,
// value panels, hold boxes, "=?" markers and the flow-profile result pane. The engineering
// lives in TMeasuringPoint. One way: a handler reads the user's input and calls the model;
// Render then writes every control from the model's snapshot, each only where it differs.

#include "calculator/core/MeasuringPoint.h"
#include "formbase/FormKit.h"
#include "formbase/MultForm.h"


#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QToolButton;
class QVBoxLayout;
class TXmeCalcCommands;

class TXmeCalcDlg : public TMultilingualForm {
    Q_OBJECT

public:
    // programPath: the executable as started (it decides the partner-brand variant).
    explicit TXmeCalcDlg(QWidget* parent = nullptr);
    explicit TXmeCalcDlg(const QString& programPath, QWidget* parent = nullptr);
    ~TXmeCalcDlg() override;

    TMeasuringPoint Point;
    // The file, settings and start-up commands (created with the window).
    TXmeCalcCommands* Commands = nullptr;

    // ---- Controls, named as designed.
    QMenuBar* MainMenu = nullptr;
    // The language command's tool button, beside the menu.
    QToolButton* TB_ToggleSprache = nullptr;
    QGroupBox* GRP_DasRohr = nullptr;
    QGroupBox* GRP_DasMedium = nullptr;
    QGroupBox* GRP_VELOC = nullptr;
    QGroupBox* GRP_VOLUME = nullptr;
    QGroupBox* GRP_MASSFL = nullptr;
    QWidget* PAN_AllAREA = nullptr;
    QWidget* PANGRP_DRUCK = nullptr;
    QWidget* PANGRP_VISKKIN = nullptr;
    QWidget* PANGRP_VISKDYN = nullptr;
    QWidget* PAN_ReynoldInGRPMedium = nullptr;

    QLineEdit* INP_veloc = nullptr;
    QLineEdit* INP_Volume = nullptr;
    QLineEdit* INP_MassFl = nullptr;
    QLineEdit* INP_IDM = nullptr;
    QLineEdit* INP_Quer = nullptr;
    QLineEdit* INP_Rauh = nullptr;
    QLineEdit* INP_Dichte = nullptr;
    QLineEdit* INP_Visk = nullptr;
    QLineEdit* INP_ViskDYN = nullptr;
    QLineEdit* INP_FluidTemp = nullptr;
    QLineEdit* INP_FluidDruck = nullptr;

    QComboBox* ME_VELOC = nullptr;
    QComboBox* CBX_ME_VOLUME = nullptr;
    QComboBox* ME_MASSFL = nullptr;
    QComboBox* ME_IDM = nullptr;
    QComboBox* ME_QUER = nullptr;
    QComboBox* ME_Rauh = nullptr;
    QComboBox* ME_Dichte = nullptr;
    QComboBox* ME_Visk = nullptr;
    QComboBox* ME_ViskDYN = nullptr;
    QComboBox* ME_TEMP = nullptr;

    QLabel* PAN_Veloc = nullptr;
    QLabel* PAN_Volume = nullptr;
    QLabel* PAN_MassFl = nullptr;
    QLabel* PAN_IDM = nullptr;
    QLabel* PAN_QUER = nullptr;
    QLabel* PAN_Rauh = nullptr;
    QLabel* PAN_Dichte = nullptr;
    QLabel* PAN_Visk = nullptr;
    QLabel* PAN_ViskDYN = nullptr;
    QLabel* PAN_FluidTempDruck = nullptr;

    QLabel* ResIs_Veloc = nullptr;
    QLabel* ResIs_VOLUME = nullptr;
    QLabel* ResIs_MassFL = nullptr;
    QLabel* ResIs_IDM = nullptr;
    QLabel* ResIs_QUER = nullptr;
    QLabel* ResIs_Dichte = nullptr;

    QCheckBox* FIX_VELOC = nullptr;
    QCheckBox* FIX_Quer = nullptr;
    QCheckBox* FIX_Volume = nullptr;

    QComboBox* COM_Material = nullptr;
    QComboBox* COM_Medium = nullptr;
    QPushButton* MediInfoButton = nullptr;
    QPushButton* MateriInfiButton = nullptr;
    QPushButton* BUT_EditRohrgeometrie = nullptr;

    QFrame* KalfaktorPane = nullptr;
    QFrame* Bevel_Profil = nullptr;
    QLabel* ShLab_LamiTurbo = nullptr;
    QLabel* ShLab_Veloc = nullptr;
    QLabel* ShLab_Kalfaktor = nullptr;
    QLabel* ShLab_Reynold = nullptr;
    QPushButton* HOTSPOT_Kalfaktor = nullptr;
    QLabel* LAB_SimpleReynold = nullptr;
    QLabel* ShLab_Reynold2 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* DerKalfaktor1 = nullptr;

    QFrame* BACK_Berechnen = nullptr;
    QPushButton* BUT_Berechnen = nullptr;
    QPushButton* BUT_Application = nullptr;
    QPushButton* Button2 = nullptr;
    QLabel* IMG_LOGO = nullptr;
    QLabel* IMG_BrandolfLogo = nullptr;

    // ---- Actions of the main menu.
    QAction* ACT_OpenQVFile = nullptr;
    QAction* ACT_SaveToQVFile = nullptr;
    QAction* ACT_SaveAsDefault = nullptr;
    QAction* ACT_Report = nullptr;
    QAction* ACT_Beenden = nullptr;
    QAction* ACT_EditRohrGeometrie = nullptr;
    QAction* ACT_SensorAbstand = nullptr;
    QAction* ACT_NormalizedVolumeflow = nullptr;
    QAction* ACT_Standardwerte = nullptr;
    QAction* ACT_DefaultFileOptions = nullptr;
    QAction* ACT_SpracheENGLISH = nullptr;
    QAction* ACT_SpracheGerman = nullptr;
    QAction* ACT_ToggleSprache = nullptr;
    QAction* ACT_ViskDynamic = nullptr;
    QAction* ACT_ViskKinematic = nullptr;
    QAction* ACT_Info = nullptr;

    // ---- Operations.
    // Runs the exit handler of the focused edit and keeps the focus there, so a typed value
    // is taken over before anything reads the measuring point.
    void CommitActiveEdit();
    // The material and medium lists in the current name language.
    void FillLibraryLists();
    // Selects the list entry carrying id; an id the list does not hold selects the
    // other-material / other-medium entry.
    static void SelectListId(QComboBox* list, int id);
    // Hands the line to the flow-profile dialog.
    void SendLineParams();
    // The flow-profile dialog and its adopt buttons.
    void HOTSPOT_KalfaktorClick();
    void ShowMediumInfo();
    void ShowMaterialInfo();
    void ACT_EditRohrGeometrieExecute();
    void ACT_ViskDynamicExecute();
    void ACT_ViskKinematicExecute();

    // The edit and unit box of a quantity (no unit box for the pressure).
    QLineEdit* EditOf(TQuantity quantity) const { return edits_[static_cast<int>(quantity)]; }
    QComboBox* UnitBoxOf(TQuantity quantity) const { return unitBoxes_[static_cast<int>(quantity)]; }
    QLabel* PanelLabel(TPanel panel) const { return panels_[static_cast<int>(panel)]; }

    // Writes every control from the measuring point's snapshot, each only where it differs
    // (an edit's caret and selection stay). An edit the user has typed in and not yet
    // committed keeps its text unless forgetTyping is set (standard values, a new language).
    void Render(bool forgetTyping = false);
    // ACT_Standardwerte.
    void ACT_StandardwerteExecute();
    // After a writer that moved the model's focus (standard values, a file): the markers and
    // colour follow the control that really has the focus.
    void KeepFocusMarks();
    // The language command's image for the current language.
    void ShowLanguageImage();
    // The language selection dialog; on OK the dictionary switches to the chosen language.
    void Sprache1Click();

protected:
    void FormCreate(const QString& programPath);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // FormShow: the command line and the settings, once.
    void showEvent(QShowEvent* event) override;
    // FormClose: the typed value is taken over, then the settings are written.
    void closeEvent(QCloseEvent* event) override;

private:
    // Construction steps, in the constructor's order.
    void CreateActions();
    void CreateMenus();
    TRowColumns RowColumns() const;
    void CreatePipeGroup(const TRowColumns& columns);
    void CreateMediumGroup(const TRowColumns& columns);
    void CreateViscosityGroups(QVBoxLayout* medium, const TRowColumns& columns);
    void CreateFlowGroups(TRowColumns columns);
    void NameFieldsFromRows();
    void CreateResultPane();
    void CreateButtons();
    void LayoutWindow();
    void SetTabOrder();
    void ConnectHandlers();
    // The widest texts the value panels can show, so no panel cuts one off.
    static QStringList WidestPanelTexts();
    // A quantity row added to the parent's layout, whose edit, unit box and panel the window
    // reaches by quantity.
    TQuantityRow AddQuantityRow(QWidget* parent, const TRowColumns& columns, TQuantity quantity, TPanel panel,
                                const TQuantityRowSpec& spec);
    QHBoxLayout* CreateLibraryRow(QGroupBox* group, const QString& caption, QComboBox*& list, const char* listName,
                                  QPushButton*& info, const char* infoName);
    void FillUnitBox(TQuantity quantity);
    void FillVolumeUnitBox();

    // Exit and enter handlers.
    void ExitHandler(TQuantity quantity);
    void EnterHandler(QLineEdit* edit);
    void ApplyInputResult(TQuantity quantity, const TInputResult& result);
    // AnyINP_ESC: Enter commits, Esc restores; true when the key was handled.
    bool AnyINP_ESC(QLineEdit* edit, int key);
    // FormKeyDown: PageUp/PageDown step the focused edit's unit; true when handled.
    bool FormKeyDown(QLineEdit* edit, int key);
    // Whether the key is the shortcut of one of the window's commands that can run now.
    bool CommandClaims(const QKeyEvent& key) const;
    void FIXCLICK(QCheckBox* sender, bool checked);
    void UnitBoxChanged(TQuantity quantity);
    void COM_MediumChange();
    void COM_MaterialChange();
    void COM_MaterialDropDown();
    // AnyEditGetFocus for a control without an enter handler of its own.
    void MarkFocus(TFocusTarget target);
    // The marker target of a control; Other for a control without markers.
    TFocusTarget FocusTargetOf(const QWidget* control) const;
    void SetEditColor(QWidget* control, TEditColor color);
    void RenderEdits(const TPointSnapshot& snapshot, bool forgetTyping);
    void RenderPanels(const TPointSnapshot& snapshot);
    void RenderSelections(const TPointSnapshot& snapshot);
    void RenderMarkers(const TMarkerState& state);
    int QuantityIndexOfEdit(const QObject* edit) const;

    std::array<QLineEdit*, QuantityCount> edits_{};
    std::array<QComboBox*, QuantityCount> unitBoxes_{};
    std::array<QLabel*, PanelCount> panels_{};
};

// The main window the application created at start (nullptr before).
TXmeCalcDlg* XmeCalcDlg();
