#pragma once
// The numbers and rules of the application dialog TDLG_SensorAbstand without widgets: the
// dialog forwards every user change here and shows View() afterwards.
//
// The dialog's values are held here as doubles in fixed units (outer diameter, wall and
// lining in mm, temperature in °C); the spin edits only display them in the chosen unit, and
// only user changes write them. So a load followed by OK hands back exactly what came in,
// and unit switches never round the values.
//
// Recalculate, in this order: the layers of the path (LoadQuadrantProperties); the small-
// pipe mark; the pipe test ("INVALID PIPE"); missing sound speeds ("NEED VALUES"); the sound
// path and capture window ("TOTAL REFLEXION", "???"); the automatic path count, after
// which the path is computed again for a new count; spacing and free length; the time
// group; then always the recommendation, and for a valid pipe the temperature colour and
// the test-pipe selection.
//
// Calls named Set... without "User" are the program's own writes: they never reset the
// follow-preferred rule. The User... calls are the dialog's change handlers.

#include "transducer/AcousticPath.h"
#include "transducer/ApplicationInput.h"
#include "transducer/SensorListing.h"
#include "transducer/SensorSelection.h"
#include "transducer/Translate.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>

// CBX_AutoUser and CBX_ReflDurch items.
enum class tPathCountMode { Auto = 0, User = 1 };
enum class tBeamMode { Reflex = 0, Direct = 1 };
enum class tTemperatureColour { Normal, TooHot, TooCold };

// SolveProfileCorrection's signature: true on failure.
using tProfileSolver = bool (*)(double& factor, double& reynolds, double& rawVelocity,
                                double velocity, double innerDiameter, double kinViscosity,
                                double roughness, double reynoldsLam, double reynoldsTurb);

struct tTestPipe {
    double OuterDiameter;  // [mm]
    double WallThickness;  // [mm]
    int WallMaterial;
    const char* Label;
};
extern const std::array<tTestPipe, 5> TestPipes;

struct tRecommendationView {
    std::uint8_t Recommended = 0;
    QString Caption;
    QString Hint;
    bool Enabled = false;
};

struct tTimeGroupView {
    QString UncorrectedFlow;     // PAN_UnKorrFlow
    bool TimeValid = false;      // EDI_ZeitOffset shows TimeOffset
    double TimeOffset = 0.0;     // in the time unit
    int TimeDigits = 3;
    bool ViscosityEnabled = false;
    bool RoughnessEnabled = true;
};

// What the dialog shows after a recalculation.
struct tApplicationView {
    QString Spacing;      // PAN_SensorAbstand
    bool SpacingRed = false;
    QString FreeLength;   // PAN_SensorEinbauRaum
    QString SpacingNumber, FixedNumber, FreeNumber;  // LAB_SensorAbst, LAB_SensorAbstFixed, LAB_FreiAbst
    bool SmallPipe = false;
    tTemperatureColour TemperatureColour = tTemperatureColour::Normal;
    int TestPipe = -1;    // COM_MegaUserRohre selection
    tRecommendationView Recommendation;
    tTimeGroupView Time;
};

// The text of "INVALID PIPE" and friends, as designed (translated on use).
inline constexpr const char* TextInvalidPipe = "INVALID PIPE";
inline constexpr const char* TextTotalReflexion = "TOTAL REFLEXION";
inline constexpr const char* TextNeedValues = "NEED VALUES";
inline constexpr const char* TextFault = "???";
inline constexpr const char* TextIterationFail = "---- ITERATION FAIL ---";

class tApplicationCalc {
public:
    explicit tApplicationCalc(bool oemVariant);

    tTranslate Translate;
    tProfileSolver ProfileSolver = nullptr;  // none: the velocity counts as uncorrected
    double ReynoldsLam = 1000.0;             // the time group's fixed limits
    double ReynoldsTurb = 6000.0;

    // ---- Loading and results.
    void SetInputData(const tApplicationInput& input);
    double GetOuterDiameter() const { return outer_; }
    double GetInnerDiameter() const { return inner_; }
    double GetWallThickness() const { return wall_; }
    double GetLiningThickness() const { return liningOn_ ? lining_ : 0.0; }
    double LiningValue() const { return lining_; }  // EDI_AUSKL, also while switched off
    bool LiningPresent() const { return liningOn_; }
    double GetMediumTemperature() const { return temperature_; }
    std::uint8_t GetSensorTypeCode() const;
    int GetSoundPaths() const { return soundPaths_; }
    int GetWallMaterialCode() const;
    int GetLiningMaterialCode() const;
    int GetMediumCode() const;
    double UserMediumSpeed() const { return handBack_[GAMMA]; }
    double UserWallSpeed() const { return handBack_[BETA]; }
    double UserLiningSpeed() const { return handBack_[BETA2]; }
    bool SpacingFixed() const { return spacingFixed_; }
    double FixedSpacing() const { return fixedSpacing_; }
    bool ResultsValid() const { return resultsValid_; }
    double Pressure() const { return pressure_; }
    double Viscosity() const { return viscosity_; }
    double Roughness() const { return roughness_; }  // [mm]
    bool CanAccept() const { return inner_ > 0.001; }  // ACT_OK enabled
    // Everything the main window takes back on OK.
    tApplicationResult Result() const;

    // ---- The program's writes.
    void SetOuterDiameter(double mm);
    void SetWallThickness(double mm);
    void SetLiningThickness(double mm);  // also switches the lining on exactly when not 0
    void SetMediumTemperature(double celsius);
    void SetSoundPaths(int n);
    void SetFollowPreferred(bool flag) { followPreferred_ = flag; }
    void SetLengthUnit(int index);
    void SetTemperatureUnit(int index);
    void SelectWallMaterial(int code);
    void SelectLiningMaterial(int code);
    void SelectMedium(int code);
    void SetUserWallSoundSpeed(int code, double c) { SetUserSpeed(BETA, code, c); }
    void SetUserLiningSoundSpeed(int code, double c) { SetUserSpeed(BETA2, code, c); }
    void SetUserMediumSoundSpeed(int code, double c) { SetUserSpeed(GAMMA, code, c); }
    // Selects the listed item of the type; nothing when it is not listed.
    void SelectSensorType(std::uint8_t code);
    void Recalculate();

    // ---- The user's changes.
    void UserOuterDiameter(double mm);
    void UserWallThickness(double mm);
    void UserLiningThickness(double mm);
    void UserLiningSwitch(bool on);
    void UserViscosity(double mm2s);
    void UserRoughness(double mm);
    // A choice in the wall (BETA), lining (BETA2) or medium (GAMMA) box.
    void UserSelectItem(tQuadrantId layer, int item);
    void UserTemperature(double celsius) { SetMediumTemperature(celsius); }
    void UserSoundPaths(int n);
    void UserSensorItem(int item);
    void UserPathCountMode(tPathCountMode mode);
    void UserBeamMode(tBeamMode mode);
    void UserSpacingFixed(bool fixed);
    // The fixed-spacing entry: the value it starts with, and its OK.
    double FixedSpacingToEdit();
    void UserFixedSpacing(double mm);
    void AssignRecommended();
    void SelectTestPipe(int index);

    // ---- Options (called before SetInputData).
    void SetMegaUserMode(bool on) { expert_ = on; }
    bool Expert() const { return expert_; }

    // ---- The expert time group.
    void SetVelocity(double mmPerS);
    double GetVelocity() const { return velocity_; }
    void SetVelocityUnit(int index);
    int VelocityUnit() const { return velocityUnit_; }
    void SetTimeUnit(int index);
    int TimeUnit() const { return timeUnit_; }
    void SetProfileCorrected(bool on);
    bool ProfileCorrected() const { return profileCorrected_; }
    double TimeDifference() const { return timeDifference_; }  // [ns]

    // ---- State the dialog shows.
    const tApplicationView& View() const { return view_; }
    const tSensorListing& Listing() const { return listing_; }
    int SensorItem() const { return sensorItem_; }
    const tAcousticPath& Path() const { return path_; }
    tPathCountMode PathCountMode() const { return mode_; }
    tBeamMode BeamMode() const { return beam_; }
    bool FollowPreferred() const { return followPreferred_; }
    bool CountLabelVisible() const { return mode_ == tPathCountMode::User || !followPreferred_; }
    int LengthUnit() const { return lengthUnit_; }
    int TemperatureUnit() const { return tempUnit_; }
    double LengthFactor() const;  // display units per mm
    int LengthDigits() const;
    QString LengthUnitName() const;
    double TemperatureDisplay() const;  // the temperature in its unit
    // The material and medium lists, sorted by caption.
    const tCodeItems& WallItems() const { return items_[BETA]; }
    const tCodeItems& LiningItems() const { return items_[BETA2]; }
    const tCodeItems& MediumItems() const { return items_[GAMMA]; }
    // The current user speed of a layer (BETA, BETA2, GAMMA).
    double CurrentUserSpeed(tQuadrantId layer) const { return current_[layer]; }
    // The other-material input: the speed it starts with (a library material's present
    // speed becomes the current user speed), and a cancelled input's start value.
    double UserSpeedToEdit(tQuadrantId layer);
    // After the dialog is shown: the speed the input for another material or medium without
    // a current user speed starts with (the lining only while it has a thickness), 0 when
    // none is to be asked. A hand-back speed becomes the current user speed at once; the
    // fallback only starts the input, so a cancelled input leaves "NEED VALUES".
    double StartUserSpeed(tQuadrantId layer, double fallback);
    // After a language change: the items take the names of name (layer, code) in the new
    // name language (an empty name keeps the item's caption; the other-material item's name
    // is its caption without user speed) and are sorted again.
    void RenameItems(const std::function<QString(tQuadrantId, int)>& name);
    // Selecting the other-material item without a current user speed asks for one.
    bool NeedsUserSpeed(tQuadrantId layer) const;
    static int OtherCodeOf(tQuadrantId layer) { return layer == GAMMA ? OtherMediumCode : OtherMaterialCode; }
    // The layer's sound speed as the path sees it (for the input dialog's start value).
    double LayerSoundSpeed(tQuadrantId layer) const { return path_.Quadrant(layer).c; }
    tSoundPathDefaults Defaults() const;
    std::uint8_t RecommendedSensorType() const;

private:
    void SetUserSpeed(tQuadrantId layer, int code, double c);
    void NameOtherItem(tQuadrantId layer);
    int LayerCode(tQuadrantId layer) const;
    void SelectCode(tQuadrantId layer, int code);
    void UpdateInnerDiameter();
    tPathInput PathInput() const;
    void SelectSensorItem(int item);
    void AutoSoundPaths();
    void ApplySoundPaths(int n);
    void ReopenSoundPaths(int n);
    bool MissingSoundSpeed() const;
    void RunPathSteps();
    bool RecomputePath();
    void ShowSpacing(double spacing);
    void UpdateTimeGroup();
    void UpdateRecommendation();
    void UpdateTemperatureColour();
    void SyncTestPipe();
    QString T(const char* text) const;

    tSensorListing listing_;
    int sensorItem_ = -1;
    tAcousticPath path_;

    double outer_ = 106.0;
    double wall_ = 3.0;
    double lining_ = 0.0;
    bool liningOn_ = false;
    double inner_ = 100.0;
    double temperature_ = 20.0;
    double pressure_ = 0.0;
    double viscosity_ = 0.0;
    double roughness_ = 0.0;

    std::array<tCodeItems, QuadrantCount> items_;         // BETA, BETA2, GAMMA used
    std::array<QString, QuadrantCount> initialCaption_;   // of the other-material items
    std::array<double, QuadrantCount> current_{};         // user speeds the path uses
    std::array<double, QuadrantCount> handBack_{};        // user speeds handed back

    bool calcEnabled_ = false;
    bool followPreferred_ = true;
    tPathCountMode mode_ = tPathCountMode::Auto;
    tBeamMode beam_ = tBeamMode::Reflex;
    int soundPaths_ = 2;
    int lengthUnit_ = 2;
    int tempUnit_ = 0;

    bool spacingFixed_ = false;
    bool fixedHeld_ = false;
    double fixedSpacing_ = 0.0;
    double freeLength_ = 0.0;
    bool resultsValid_ = false;
    bool expert_ = false;

    double velocity_ = 0.0;
    int velocityUnit_ = 1;
    int timeUnit_ = 1;
    bool profileCorrected_ = true;
    double timeDifference_ = 0.0;

    tApplicationView view_;
};
