#pragma once
// The measuring point of the main window TXmeCalcDlg without any widget: pipe, medium and
// flow in fixed internal units, the selected units, material, medium and hold, the
// recalculation after every input and the texts of the value panels and the result pane.
//
// Internal units: velocity mm/s (a whole number), volume flow mm³/s, cross-section mm²,
// inner diameter and roughness 0.1 mm, wall and lining mm, density g/cm³, kinematic
// viscosity mm²/s, dynamic viscosity mPa·s, mass flow mg/s, temperature °C, pressure bar.
//
// How the window drives it (handler -> call):
// - every exit handler (INP_IDMExit ...): CommitEdit(quantity, edit->text()); apply the
//   returned TInputResult (message in the panel, focus back; the model has beeped).
// - Esc in an edit: RewriteEdit(quantity). Enter: the exit handler, focus stays.
// - unit box change handlers (VELOC_Akt2edi ...): SelectUnit(quantity, index) (for volume
//   flow the unit identifier carried by the item). PageUp / PageDown step the box by its
//   list position and then run its change handler.
// - FIXCLICK: ClickHold(box, checked). Enter handlers and group mouse-downs:
//   EnterControl(target); it releases the hold of the entered edit and returns the markers.
// - COM_Medium / COM_Material change: SelectMedium(id) / SelectMaterial(id). The roughness
//   is taken from the material only there and in SetStandardValues: do not call
//   Material2Rauh on window activation (it would overwrite a typed roughness).
// - values taken back from dialogs: ApplyValue(quantity, internal value) (flow-profile
//   dialog: EnterControl(Velocity) then ApplyValue(Velocity, VelocityLam/Turb)),
//   ApplyPipeGeometry(...) for the pipe-geometry dialog.
// - ACT_ViskDynamic / ACT_ViskKinematic: SetDynViscosityVisible(bool). The view mode:
//   SetCrossSectionGroupVisible(bool). The flow-profile limits: SetReynoldsLimitsSource.
// The model tells the window what to rewrite through IMeasuringPointView; the window writes
// those texts with its signals blocked. The edit text the model last wrote is remembered:
// an exit handler stores only when the user changed it, so values the program wrote (the
// library's density and viscosity, derived values, dialog values) keep full precision.

#include "calculator/HoldMarkers.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

enum class TQuantity : std::uint8_t {
    Velocity,       // INP_veloc, ME_VELOC
    VolumeFlow,     // INP_Volume, CBX_ME_VOLUME
    MassFlow,       // INP_MassFl, ME_MASSFL
    InnerDiameter,  // INP_IDM, ME_IDM
    CrossSection,   // INP_Quer, ME_QUER
    Roughness,      // INP_Rauh, ME_Rauh
    Density,        // INP_Dichte, ME_Dichte
    KinViscosity,   // INP_Visk, ME_Visk
    DynViscosity,   // INP_ViskDYN, ME_ViskDYN
    Temperature,    // INP_FluidTemp, ME_TEMP
    Pressure        // INP_FluidDruck (no unit box)
};
inline constexpr int QuantityCount = 11;

// The value panels beside the edits.
enum class TPanel : std::uint8_t {
    Veloc,          // PAN_Veloc
    IDM,            // PAN_IDM
    QUER,           // PAN_QUER
    Rauh,           // PAN_Rauh
    Volume,         // PAN_Volume
    Dichte,         // PAN_Dichte
    Visk,           // PAN_Visk
    ViskDYN,        // PAN_ViskDYN
    MassFl,         // PAN_MassFl
    FluidTempDruck  // PAN_FluidTempDruck (messages of temperature and pressure only)
};
inline constexpr int PanelCount = 10;
TPanel PanelOf(TQuantity quantity);

// Colours (0x00BBGGRR) the model hands to panels and labels.
inline constexpr std::uint32_t PanelBlack = 0x000000;
inline constexpr std::uint32_t PanelRed = 0x0000FF;

struct TPanelText {
    QString Caption;
    std::uint32_t Color = PanelBlack;
    friend bool operator==(const TPanelText&, const TPanelText&) = default;
};

// The result pane KalfaktorPane and the simple Reynolds line.
struct TResultPane {
    QString LamiTurbo;                      // ShLab_LamiTurbo
    std::uint32_t LamiTurboColor = PanelBlack;
    bool ValuesVisible = false;             // ShLab_Veloc, _Kalfaktor, _Reynold, _Reynold2
    QString Veloc;                          // ShLab_Veloc: uncorrected velocity and unit
    QString Kalfaktor;                      // ShLab_Kalfaktor
    QString Reynold;                        // ShLab_Reynold
    QString Reynold2;                       // ShLab_Reynold2
};

// What an exit handler wants the window to do.
struct TInputResult {
    bool Accepted = true;          // false: range, syntax or recalculation error
    bool Stored = false;           // a new value was stored and recomputed
    TPanel Panel = TPanel::Veloc;  // the panel the message belongs to
    QString Message;               // rejected: "MIN: ...", "MAX: ...", "SYNTAX ERROR ", "INVALID VALUE "
    std::uint32_t MessageColor = PanelBlack;
    bool ReplaceEmptyText = false; // the edit was empty: its text becomes "0"
    bool Beeped = false;           // the model sounded MessageBeep
    bool FocusBack = false;        // return the focus to the edit
};

// Pipe data the pipe-geometry dialog receives.
struct TPipeGeometry {
    double InnerDiameterMm = 0.0;
    double WallThickness = 0.0;    // mm
    double LiningThickness = 0.0;  // mm
    int LengthUnit = 2;            // index into the length units
};

// The window's side: every call is optional (the defaults do nothing).
class IMeasuringPointView {
public:
    virtual ~IMeasuringPointView() = default;
    // The program wrote an edit (without unit text, in the selected unit).
    virtual void EditWritten(TQuantity, const QString& /*text*/) {}
    // The model selected a unit (standard values, PageUp/PageDown).
    virtual void UnitSelected(TQuantity, int /*unitIndex*/) {}
    virtual void MediumSelectionChanged(int /*id*/) {}
    virtual void MaterialSelectionChanged(int /*id*/) {}
    virtual void HoldChanged(THold) {}
    virtual void MarkersChanged(const TMarkerState&) {}
    virtual void PressureGroupVisibilityChanged(bool /*visible*/) {}
    // Panels and result pane were recomputed: read Panel() and ResultPane().
    virtual void DisplaysRefreshed() {}
    // Dialog hooks of the standard values and the material choice.
    virtual void PipeGeometryChanged(const TPipeGeometry&) {}
    virtual void FlowProfileLimitsReset() {}
    virtual void MaterialChosen(int /*id*/) {}     // the names list follows the material
    virtual void DefaultValuesRequested() {}       // load the default-values file if wanted
};

struct TInputLimits {
    double Minimum = 0.0;  // internal unit, inclusive
    double Maximum = 0.0;
};

class TMeasuringPoint {
public:
    explicit TMeasuringPoint(IMeasuringPointView* view = nullptr);

    void SetView(IMeasuringPointView* view) { view_ = view; }
    // Texts the window shows translated ("dynamic = %s", the flow kinds).
    void SetTranslator(std::function<QString(const QString&)> translate);
    // The flow-profile limits R*lam, R*turb (the firmware's 1000 / 6000 without a source).
    struct TReynoldsLimits {
        double Lam = 1000.0;
        double Turb = 6000.0;
    };
    void SetReynoldsLimitsSource(std::function<TReynoldsLimits()> source);
    // Restricts the medium list to the partner-brand selection.
    void SetOemVariant(bool oem);

    // ---- Fields without behaviour of their own (files, command line, dialogs).
    std::uint8_t ViewMode = 0;
    std::uint8_t MegaUser = 0;
    std::uint8_t ReynoldsDetails = 0;
    std::uint8_t ErrorEstimation = 0;
    double WallThickness = 0.0;
    double LiningThickness = 0.0;
    double NormTemperature = 20.0;
    double NormPressure = 1.01325;
    double Compressibility = 1.0;
    std::uint8_t CreateFinished = 0;
    std::uint8_t SensorType = 0;
    std::int32_t SoundPaths = 0;
    double MediumCUser = 0.0;
    double WallCUser = 0.0;
    double LiningCUser = 0.0;
    std::uint16_t LiningId = 16;
    std::uint8_t SpacingFixed = 0;
    double FixedSpacing = 0.0;

    // ---- The measuring point.
    double Velocity() const { return s_.Velocity; }
    double VolumeFlow() const { return s_.VolumeFlow; }
    double InnerDiameter() const { return s_.InnerDiameter; }
    double InnerDiameterMm() const { return s_.InnerDiameterMm; }
    double CrossSection() const { return s_.CrossSection; }
    double Roughness() const { return s_.Roughness; }
    double Density() const { return s_.Density; }
    double KinViscosity() const { return s_.KinViscosity; }
    double DynViscosity() const { return s_.DynViscosity; }
    double MassFlow() const { return s_.MassFlow; }
    double Temperature() const { return s_.Temperature; }
    double Pressure() const { return s_.Pressure; }
    double ProfileFactor() const { return s_.ProfileFactor; }
    double Reynolds() const { return s_.Reynolds; }
    double UncorrectedVelocity() const { return s_.UncorrectedVelocity; }
    bool ResultFail() const { return s_.ResultFail; }
    bool Laminar() const { return s_.Laminar; }
    bool Updating() const { return s_.Updating; }
    int MarkerCount() const { return s_.MarkerCount; }
    double Value(TQuantity quantity) const;

    // Getters of the transducer application and the report.
    double GetInnerDiameterMm() const { return s_.InnerDiameter / 10.0; }
    double GetTemperature() const { return s_.Temperature; }
    double GetLiningThickness() const { return LiningThickness; }
    int GetTemperatureUnit() const { return UnitIndex(TQuantity::Temperature); }
    double GetReynoldsNumber() const { return s_.Reynolds; }
    int GetMediumId() const { return s_.MediumId; }
    int GetMaterialId() const { return s_.MaterialId; }
    int GetLiningId() const { return LiningId; }
    // Uncorrected velocity in the selected velocity unit, its decimals, no unit text.
    QString FormatUncorrectedVelocity() const;

    // ---- Setters: store, rewrite the quantity's own edit, refresh the displays. They do
    // not recalculate dependent quantities (see CommitEdit / ApplyValue).
    void SetVelocity(double value);  // rounded to whole mm/s, halves to even
    void SetInnerDiameter(double value);
    void SetCrossSection(double value);
    void SetRoughness(double value);
    void SetVolumeFlow(double value);
    void SetDensity(double value);        // couples the viscosities
    void SetKinViscosity(double value);   // DynViscosity := Kin * Density
    void SetDynViscosity(double value);   // KinViscosity := Dyn / Density
    void SetMassFlow(double value);
    void SetTemperature(double value);    // °C
    void SetPressure(double value);

    // ---- Recalculation steps (each ends in a setter). A step whose result would not be
    // finite or would make the cross-section non-positive changes nothing and returns
    // false.
    bool CalcAreaFromFlow();
    bool CalcVelocityFromFlow();
    bool CalcVolumeFromVelocity();
    bool CalcVolumeFromMass();
    bool CalcMassFromVolume();
    bool CalcDensityFromMass();

    // ---- Input.
    // The exit handler of the quantity's edit with the edit's current text. Nothing is
    // stored when the text is the one the program wrote last (or means the same value).
    // A text out of the limits (converted to the selected unit) gives "MIN: "/"MAX: ", an
    // unreadable one "SYNTAX ERROR ", an input whose recalculation would divide by zero or
    // give a non-finite value or a non-positive cross-section "INVALID VALUE "; each in
    // red with a beep, the focus back and nothing stored.
    TInputResult CommitEdit(TQuantity quantity, const QString& text);
    // A value the program takes back from a dialog (internal unit, temperature in °C):
    // checked against the input limits, stored with full precision, then recomputed as
    // after the exit handler.
    TInputResult ApplyValue(TQuantity quantity, double value);
    // The pipe-geometry dialog returned OK: releases the cross-section hold, stores inner
    // diameter (mm, checked like ApplyValue), wall and lining, recomputes, and holds the
    // cross-section again.
    TInputResult ApplyPipeGeometry(double innerDiameterMm, double wallThickness, double liningThickness);
    // Input range of a quantity in its internal unit, and in the selected unit.
    static TInputLimits InputLimits(TQuantity quantity);
    TInputLimits DisplayLimits(TQuantity quantity) const;

    // ---- Edits.
    // The text the program last wrote into the quantity's edit.
    QString EditText(TQuantity quantity) const;
    // Rewrites the edit from the stored value in the selected unit (the *_Akt2Edi
    // refreshers, Esc); the velocity also refreshes the displays.
    void RewriteEdit(TQuantity quantity);
    // Rewrites every edit (after a change of the number format).
    void RewriteAllEdits();

    // ---- Units.
    int UnitIndex(TQuantity quantity) const;
    // A unit box's change handler: selects the unit and rewrites the edit, keeping the
    // value. Out-of-range indices are ignored.
    void SelectUnit(TQuantity quantity, int unitIndex);
    // SetDefaultUnits: m/s, mm, cm², mm, m³/h, t/h, kg/m³, mm²/s, mPa·s, °C.
    void SetDefaultUnits();
    static int UnitCount(TQuantity quantity);
    static double UnitFactor(TQuantity quantity, int unitIndex);  // 1 for °F and pressure
    static int UnitDecimals(TQuantity quantity, int unitIndex);
    static QString UnitName(TQuantity quantity, int unitIndex);

    // ---- Formatters: value in the given unit, fixed-point with the unit's decimals and at
    // most 8 significant digits (temperature 4); withUnit appends a blank and the name.
    QString FormatQuantity(TQuantity quantity, int unitIndex, bool withUnit) const;
    QString FormatVelocity(int unitIndex, bool withUnit) const;
    QString FormatInnerDiameter(int unitIndex, bool withUnit) const;
    QString FormatCrossSection(int unitIndex, bool withUnit) const;
    QString FormatRoughness(int unitIndex, bool withUnit) const;
    QString FormatVolumeFlow(int unitIndex, bool withUnit) const;
    QString FormatDensity(int unitIndex, bool withUnit) const;
    QString FormatKinViscosity(int unitIndex, bool withUnit) const;
    QString FormatDynViscosity(int unitIndex, bool withUnit) const;
    QString FormatMassFlow(int unitIndex, bool withUnit) const;
    QString FormatTemperature(int unitIndex, bool withUnit) const;
    QString FormatPressure() const;  // bar, one decimal

    // ---- Hold and markers.
    THold Hold() const { return s_.Hold; }
    // FIXCLICK (the window calls it only after CreateFinished).
    void ClickHold(THold box, bool checked);
    // Sets the hold without the click rules (files).
    void SetHold(THold hold);
    // Whether the quantity's edit is read-only under the current hold.
    bool ReadOnly(TQuantity quantity) const;
    // The enter handlers (INP_velocEnter, INP_VolumeEnter, INP_IDMEnter, INP_QuerEnter and
    // the groups' mouse-downs): releases the entered edit's hold, then AnyEditGetFocus.
    TMarkerState EnterControl(TFocusTarget target);
    // Markers and colours for the focused control; stores MarkerCount.
    TMarkerState AnyEditGetFocus(TFocusTarget target);

    // ---- Material and medium.
    // The user's choice in COM_Medium: selects (an id the list does not hold gives 10000)
    // and takes the medium's properties.
    void SelectMedium(int id);
    // The user's choice in COM_Material: selects (unknown ids give 0) and takes the
    // material's roughness.
    void SelectMaterial(int id);
    // Selection only, nothing recomputed (files).
    void SetMediumSelection(int id);
    void SetMaterialSelection(int id);
    // The identifiers the lists hold, in list order (first the other-material/medium entry).
    static std::vector<int> ListedMaterialIds();
    static std::vector<int> ListedMediumIds(bool oemVariant);
    // Density and viscosities from the selected medium at the stored temperature and
    // pressure; a value the library gives as 0, negative or not finite is not stored and
    // its panel reads "INVALID VALUE ".
    void Medium2Properties();
    // Roughness from the selected material.
    void Material2Rauh();
    bool DensityInvalid() const { return s_.DensityInvalid; }
    bool ViscosityInvalid() const { return s_.ViscosityInvalid; }

    // ---- Groups the model decides about or needs.
    // PANGRP_DRUCK: the medium's density, viscosity or sound speed depends on pressure.
    bool PressureGroupVisible() const { return s_.PressureGroupVisible; }
    // PANGRP_VISKDYN shown (instead of PANGRP_VISKKIN): density input then keeps the
    // dynamic viscosity.
    bool DynViscosityVisible() const { return s_.DynViscosityVisible; }
    void SetDynViscosityVisible(bool visible);
    // PAN_AllAREA shown: without it PAN_IDM also shows the cross-section.
    bool CrossSectionGroupVisible() const { return s_.CrossSectionGroupVisible; }
    void SetCrossSectionGroupVisible(bool visible);

    // ---- Standard values: water at 20 °C, 1 bar, 1 m/s in a 100 mm carbon-steel pipe.
    void SetStandardValues();

    // ---- Displays.
    // Recomputes panels, the calibration factor and the result pane.
    void RefreshAllDisplays();
    // Runs the flow-profile calculation for the measuring point (sets ResultFail).
    void ComputeProfileFactor();
    const TPanelText& Panel(TPanel panel) const;
    const TResultPane& ResultPane() const { return s_.Result; }

private:
    struct TState {
        double Velocity = 0.0;
        double VolumeFlow = 0.0;
        double InnerDiameter = 0.0;
        double InnerDiameterMm = 0.0;
        double CrossSection = 0.0;
        double Roughness = 0.0;
        double Density = 0.0;
        double KinViscosity = 0.0;
        double DynViscosity = 0.0;
        double MassFlow = 0.0;
        double Temperature = 0.0;
        double Pressure = 0.0;
        double ProfileFactor = 0.0;
        double Reynolds = 0.0;
        double UncorrectedVelocity = 0.0;
        bool Updating = false;
        bool ResultFail = false;
        bool Laminar = false;
        int MarkerCount = 0;
        int MediumId = 10000;
        int MaterialId = 0;
        THold Hold = THold::None;
        std::array<int, QuantityCount> Units{};
        bool PressureGroupVisible = false;
        bool DynViscosityVisible = false;
        bool CrossSectionGroupVisible = true;
        bool DensityInvalid = false;
        bool ViscosityInvalid = false;
        bool StepRefused = false;
        std::array<QString, QuantityCount> EditTexts;
        std::array<TPanelText, PanelCount> Panels;
        TResultPane Result;
    };
    // Notifications collected while an operation runs and sent once at its end.
    struct TPending {
        std::array<bool, QuantityCount> Edits{};
        std::array<bool, QuantityCount> Units{};
        bool Refresh = false;
        bool Medium = false;
        bool Material = false;
        bool Hold = false;
        bool PressureGroup = false;
        bool Markers = false;
        TMarkerState MarkerState;
    };
    class TBatch;
    friend class TBatch;

    void TouchEdit(TQuantity quantity);
    void RequestRefresh();
    void Flush();
    void StoreAndRecompute(TQuantity quantity, double value);
    void VolumeRule();
    void CrossSectionRule();
    void VelocityRule();
    void MassRule();
    void DensityChain();
    void ReleaseMedium();
    void ForgetInvalidProperties();
    bool PointValid() const;
    TInputResult Reject(TQuantity quantity, const QString& message, bool replaceEmpty);
    QString Translate(const QString& text) const;
    static bool MediumListed(int id, bool oemVariant);
    static bool MaterialListed(int id);

    IMeasuringPointView* view_ = nullptr;
    std::function<QString(const QString&)> translate_;
    std::function<TReynoldsLimits()> limitsSource_;
    bool oemVariant_ = false;
    int batchDepth_ = 0;
    TState s_;
    TPending pending_;
};
