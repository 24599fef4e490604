#pragma once
// The measuring point of the main window TXmeCalcDlg without any widget: pipe, medium and
// flow in fixed internal units (QuantityUnits.h), the selected units, material, medium,
// hold and flow-profile limits, and what the window shows of them.
//
// Data flows one way. The window's handlers call the model (handler -> call):
// - every exit handler (INP_IDMExit ...): CommitEdit(quantity, edit->text()); the returned
//   TInputResult says whether to return the focus (the model has beeped).
// - unit box change handlers (VELOC_Akt2edi ...): SelectUnit(quantity, index) (for the volume
//   flow the unit identifier carried by the item).
// - FIXCLICK: ClickHold(box, checked). Enter handlers and group mouse-downs:
//   EnterControl(target); it releases the hold of the entered edit and sets the markers.
// - COM_Medium / COM_Material change: SelectMedium(id) / SelectMaterial(id).
// - values taken back from dialogs: ApplyValue(quantity, internal value) and
//   ApplyPipeGeometry(...); the flow-profile dialog's limits: SetReynoldsLimits.
// - ACT_ViskDynamic / ACT_ViskKinematic: SetDynViscosityVisible(bool); the view mode:
//   SetCrossSectionGroupVisible(bool).
// After each call the window renders Snapshot(). The model never calls the window.
//
// An edit shows the stored value formatted in its unit (EditText). An exit handler stores
// only when the user changed that text, so values the program wrote (the library's density
// and viscosity, derived values, dialog and file values) keep their full precision.

#include "calculator/core/HoldMarkers.h"
#include "calculator/core/Hydraulics.h"
#include "calculator/core/QuantityUnits.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

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

// Colours (0x00BBGGRR) of panel and label texts.
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
    friend bool operator==(const TResultPane&, const TResultPane&) = default;
};

// Everything the main window shows of the measuring point.
struct TPointSnapshot {
    std::array<QString, QuantityCount> EditTexts;  // without unit, in the selected unit
    std::array<int, QuantityCount> Units{};        // unit index (volume flow: unit identifier)
    std::array<bool, QuantityCount> ReadOnly{};
    std::array<TPanelText, PanelCount> Panels;
    TResultPane Result;
    TMarkerState Markers;                          // markers, edit colours, BACK_Berechnen
    THold Hold = THold::None;                      // FIX_VELOC, FIX_Quer, FIX_Volume
    int MediumId = 0;                              // COM_Medium
    int MaterialId = 0;                            // COM_Material
    bool PressureGroupVisible = false;             // PANGRP_DRUCK
    bool DynViscosityVisible = false;              // PANGRP_VISKDYN instead of PANGRP_VISKKIN
    bool CrossSectionGroupVisible = true;          // PAN_AllAREA
};

// What an exit handler or a dialog take-back tells the window.
struct TInputResult {
    bool Accepted = true;          // false: range, syntax or recalculation error
    bool Stored = false;           // a new value was stored and recomputed
    TPanel Panel = TPanel::Veloc;  // the panel the message belongs to
    QString Message;               // rejected: "MIN: ...", "MAX: ...", "SYNTAX ERROR ", "INVALID VALUE "
    bool ReplaceEmptyText = false; // the edit was empty: its text becomes "0"
    bool FocusBack = false;        // return the focus to the edit (the model has beeped)
};

// Every value a measuring-point file holds of the measuring point, in the file's units.
struct TMeasuringPointRecord {
    bool DynViscosityVisible = false;  // COMMONS VISKDYN
    THold Hold = THold::CrossSection;  // FIXED (written, not applied: a load holds the pipe)
    int MaterialId = 1;                // PIPE DESC
    double InnerDiameterMm = 100.0;    // PIPEFL DN [mm]
    double LiningThickness = 0.0;      // PIPEFL LINING [mm]
    double WallThickness = 3.0;        // PIPEFL WALL [mm]
    double WallCUser = 0.0;            // PIPEFL WALLCUSER [m/s], 0 = none
    double LiningCUser = 0.0;          // PIPEFL LINCUSER [m/s]
    int LiningId = 16;                 // PIPEFL LINDESC
    double Roughness = 1.0;            // PIPE ROUGH [0.1 mm]
    int MediumId = 10001;              // MEDIUM DESC
    double Temperature = 20.0;         // MEDIUM TEMP [°C]
    double Pressure = 1.0;             // MEDIUM PRESS [bar]
    double Density = 1.0;              // MEDIUM DICHTE [g/cm³] } applied only for the
    double KinViscosity = 1.0;         // MEDIUM VISK [mm²/s]    } other medium (10000)
    double DynViscosity = 1.0;         // MEDIUM VISKDYN [mPa·s] }
    double ReynoldsLam = 1000.0;       // MEDIUM RMIN
    double ReynoldsTurb = 6000.0;      // MEDIUM RMAX
    double MediumCUser = 0.0;          // MEDIUM CUSER [m/s]
    double Velocity = 0.0;             // FLOW VELOC [mm/s]   (written, not applied)
    double VolumeFlow = 0.0;           // FLOW VOLUME [mm³/s]
    double MassFlow = 0.0;             // FLOW MASSFL [mg/s]  (written, not applied)
    std::array<int, QuantityCount> Units = DefaultUnits;  // MEORD (pressure: unused)
    int SensorType = 0;                // TRANSD SELCTED; 15 or more, or negative, applies as 0
    int SoundPaths = 0;                // TRANSD SOUNDPATH, 0 = automatic
    bool SpacingFixed = false;         // TRANSD FIXED
    double FixedSpacing = 0.0;         // TRANSD FIXDIST [mm]
    double NormTemperature = 20.0;     // NORMVOL TEMP [°C]
    double NormPressure = 1.01325;     // NORMVOL PRESS [bar]
    double Compressibility = 1.0;      // NORMVOL COMPRESS
};

class TMeasuringPoint {
public:
    TMeasuringPoint();

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
    double Velocity() const { return s_.Flow.Velocity; }
    double VolumeFlow() const { return s_.Flow.VolumeFlow; }
    double InnerDiameter() const { return s_.Flow.InnerDiameter; }
    double CrossSection() const { return s_.Flow.CrossSection; }
    double Roughness() const { return s_.Roughness; }
    double Density() const { return s_.Flow.Density; }
    double KinViscosity() const { return s_.Flow.KinViscosity; }
    double DynViscosity() const { return s_.Flow.DynViscosity; }
    double MassFlow() const { return s_.Flow.MassFlow; }
    double Temperature() const { return s_.Temperature; }
    double Pressure() const { return s_.Pressure; }
    double ProfileFactor() const { return s_.ProfileFactor; }
    double Reynolds() const { return s_.Reynolds; }
    double UncorrectedVelocity() const { return s_.UncorrectedVelocity; }
    bool ResultFail() const { return s_.ResultFail; }
    bool Laminar() const { return s_.Laminar; }
    int MarkerCount() const { return Markers().MarkerCount; }
    double Value(TQuantity quantity) const;

    // Getters of the transducer application and the report.
    double GetInnerDiameterMm() const { return s_.Flow.InnerDiameter / 10.0; }
    double GetTemperature() const { return s_.Temperature; }
    double GetLiningThickness() const { return LiningThickness; }
    int GetTemperatureUnit() const { return UnitIndex(TQuantity::Temperature); }
    double GetReynoldsNumber() const { return s_.Reynolds; }
    int GetMediumId() const { return s_.MediumId; }
    int GetMaterialId() const { return s_.MaterialId; }
    int GetLiningId() const { return LiningId; }
    // Uncorrected velocity in the selected velocity unit, its decimals, no unit text.
    QString FormatUncorrectedVelocity() const;

    // ---- Flow-profile limits R*lam and R*turb (the firmware's 1000 / 6000 at first). The
    // flow-profile dialog edits them; values are clamped to the range of its limit boxes.
    double ReynoldsLam() const { return s_.ReynoldsLam; }
    double ReynoldsTurb() const { return s_.ReynoldsTurb; }
    void SetReynoldsLimits(double lam, double turb);

    // ---- Input.
    // The exit handler of the quantity's edit with the edit's current text. Nothing is
    // stored when the text is the one shown (or means the same value); leaving the
    // temperature or pressure still re-evaluates the medium then. A text out of the limits
    // (in the selected unit) gives "MIN: "/"MAX: ", an unreadable one "SYNTAX ERROR ", an
    // input whose recalculation would divide by zero, give a non-finite value or a
    // non-positive cross-section or density, or need a stale density "INVALID VALUE ";
    // each in red in the quantity's panel, with a beep, the focus back and nothing stored.
    TInputResult CommitEdit(TQuantity quantity, const QString& text);
    // A value the program takes back from a dialog (internal unit, temperature in °C):
    // checked against the input limits, stored with full precision, then recomputed as
    // after the exit handler.
    TInputResult ApplyValue(TQuantity quantity, double value);
    // The pipe-geometry dialog returned OK: releases the cross-section hold, stores inner
    // diameter (mm, checked like ApplyValue), wall and lining, recomputes, and holds the
    // cross-section again.
    TInputResult ApplyPipeGeometry(double innerDiameterMm, double wallThickness, double liningThickness);
    // The text an edit shows for the stored value (the *_Akt2Edi refreshers, Esc).
    QString EditText(TQuantity quantity) const;
    // Esc in the quantity's edit: what was typed is dropped, and with it the message about
    // a rejected text beside the edit.
    void DiscardInput(TQuantity quantity);

    // ---- Units.
    int UnitIndex(TQuantity quantity) const { return s_.Units[QuantityIndex(quantity)]; }
    // A unit box's change handler; out-of-range indices are ignored.
    void SelectUnit(TQuantity quantity, int unitIndex);
    // The full display refresh of the velocity unit box and of a language switch: the
    // results again, and the value panels instead of the last rejected input's messages
    // (temperature and pressure keep theirs).
    void RefreshAllDisplays() { RefreshResults(); }
    void SetDefaultUnits();

    // ---- Formatters of the stored values (FormatQuantity with the stored value).
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
    // Whether the quantity's edit is read-only under the current hold.
    bool ReadOnly(TQuantity quantity) const;
    // The enter handlers (INP_velocEnter, INP_VolumeEnter, INP_IDMEnter, INP_QuerEnter and
    // the groups' mouse-downs): releases the entered edit's hold, then AnyEditGetFocus.
    TMarkerState EnterControl(TFocusTarget target);
    // Markers and colours for the focused control.
    TMarkerState AnyEditGetFocus(TFocusTarget target);
    TMarkerState Markers() const { return ComputeMarkers(s_.Focus, s_.Hold); }

    // ---- Material and medium.
    // The user's choice in COM_Medium: selects (an id the list does not hold gives 10000)
    // and takes the medium's properties.
    void SelectMedium(int id);
    // The user's choice in COM_Material: selects (unknown ids give 0) and takes the
    // material's roughness.
    void SelectMaterial(int id);
    // The identifiers the lists hold, in list order (first the other-material/medium entry).
    static std::vector<int> ListedMaterialIds();
    static std::vector<int> ListedMediumIds(bool oemVariant);
    // A property the medium library gave no valid value for at the present temperature and
    // pressure: the last one stays, marked invalid, until the library or the user gives one.
    // A stale density leaves the mass flow uncomputed; a stale viscosity fails the
    // flow-profile result.
    bool DensityInvalid() const { return !s_.Flow.DensityValid; }
    bool ViscosityInvalid() const { return s_.ViscosityInvalid; }

    // ---- Groups the model decides about or needs.
    // PANGRP_DRUCK: the medium's density, viscosity or sound speed depends on pressure.
    bool PressureGroupVisible() const { return s_.PressureGroupVisible; }
    // PANGRP_VISKDYN shown (instead of PANGRP_VISKKIN): a density input then keeps the
    // dynamic viscosity and recomputes the kinematic one, otherwise the reverse.
    bool DynViscosityVisible() const { return s_.Flow.KeepDynViscosity; }
    void SetDynViscosityVisible(bool visible);
    // PAN_AllAREA shown: without it PAN_IDM also shows the cross-section.
    bool CrossSectionGroupVisible() const { return s_.CrossSectionGroupVisible; }
    void SetCrossSectionGroupVisible(bool visible);

    // ---- Standard values: water at 20 °C, 1 bar, 1 m/s in a 100 mm carbon-steel pipe,
    // firmware flow-profile limits. The focused control keeps its markers and colour.
    void SetStandardValues();

    // ---- Files.
    TMeasuringPointRecord Record() const;
    // Applies a record as a file load does: units, medium (and, for the other medium, its
    // values), material, roughness, the pipe held with the volume flow, limits and the rest.
    // Every value is checked first; a value out of its input range, not finite or
    // otherwise unusable, or a recalculation that fails, changes nothing and returns false
    // with the reason in *error.
    bool Apply(const TMeasuringPointRecord& record, QString* error = nullptr);

    // ---- Display.
    // Everything the window shows; translate gives the texts the window shows translated
    // ("dynamic = %s", the flow kinds).
    TPointSnapshot Snapshot(const std::function<QString(const QString&)>& translate = {}) const;

private:
    struct TState {
        TFlow Flow;
        double Roughness = 0.0;
        double Temperature = 0.0;
        double Pressure = 0.0;
        double ProfileFactor = 0.0;
        double Reynolds = 0.0;
        double UncorrectedVelocity = 0.0;
        double ReynoldsLam = 0.0;
        double ReynoldsTurb = 0.0;
        bool ResultFail = false;
        bool Laminar = false;
        bool ViscosityInvalid = false;
        int MediumId = 10000;
        int MaterialId = 0;
        THold Hold = THold::None;
        TFocusTarget Focus = TFocusTarget::Other;
        std::array<int, QuantityCount> Units = DefaultUnits;
        bool PressureGroupVisible = false;
        bool DynViscosityVisible = false;
        bool CrossSectionGroupVisible = true;
        // Messages of rejected input, shown in place of the panel's value until the next
        // recalculation (temperature and pressure: until their next accepted input).
        std::array<TPanelText, PanelCount> Messages;
    };

    // Stores without recalculation; the viscosity coupling is part of the store.
    void StoreValue(TQuantity quantity, double value);
    void StoreDensity(double value);
    void StoreKinViscosity(double value);
    void StoreDynViscosity(double value);
    // Store, recalculation and medium release of one input; false when it cannot be taken.
    bool StoreAndRecompute(TQuantity quantity, double value, bool keepMedium);
    TInputResult Accept(TQuantity quantity, double value, bool keepMedium);
    void ReleaseMedium();
    void Medium2Properties();
    void Material2Rauh();
    void SetMediumSelection(int id);
    void SetMaterialSelection(int id);
    // ComputeProfileFactor and the laminar flag; clears the messages of the last input.
    void RefreshResults();
    void ComputeProfileFactor();
    bool PointValid() const;
    TInputResult Reject(TQuantity quantity, const QString& message, bool replaceEmpty);
    QString CheckRecord(const TMeasuringPointRecord& record) const;
    bool ApplyRecord(const TMeasuringPointRecord& record);
    void FillPanels(TPointSnapshot& snapshot, const std::function<QString(const QString&)>& translate) const;
    void FillResultPane(TResultPane& pane, const std::function<QString(const QString&)>& translate) const;

    bool oemVariant_ = false;
    TState s_;
};
