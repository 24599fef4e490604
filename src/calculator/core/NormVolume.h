#pragma once
// Normalized gas volume flow: the operating volume flow of a gas converted to reference
// ("normal") conditions, and the companion of the dialog TDLG_NormVolume without widgets.
//
// Units: volume flow mm³/s, temperatures °C, pressures bar, compression factor 1.
//   Vn = V * (273.15 + T_n) * p_op / ((273.15 + T_op) * p_n * Z), and 0 when the
//   denominator is 0.

#include "reference/CommTool.h"

#include <QString>

#include <array>
#include <cstdint>

class TMeasuringPoint;

inline constexpr double ZeroCelsius = 273.15;  // K
inline constexpr double DefaultNormTemperature = 20.0;  // °C
inline constexpr double DefaultNormPressure = 1.01325;  // bar

// The values exchanged with the main window (zero-filled before use).
struct tNormVolumeParams {
    double Temperature = 0.0;      // T_op [°C]
    double Pressure = 0.0;         // p_op [bar]
    double VolumeFlow = 0.0;       // V [mm³/s]
    double Compressibility = 0.0;  // Z
    double NormTemperature = 0.0;  // T_n [°C]
    double NormPressure = 0.0;     // p_n [bar]
    std::uint8_t TempUnit = 0;     // 0 °C, 1 °F
    std::uint8_t VolumeUnit = 0;   // volume-flow unit id 0..22

    friend bool operator==(const tNormVolumeParams&, const tNormVolumeParams&) = default;
};

// Vn [mm³/s] of the record's six values.
double NormalizedVolumeFlow(const tNormVolumeParams& p);

// The six inputs of the dialog, in the order LoadParams sets them.
enum class TNormField : std::uint8_t {
    Volume,          // INP_Volume, ME_VOLUME
    FluidTemp,       // INP_FluidTemp, ME_TEMP
    FluidDruck,      // INP_FluidDruck
    NormTemp,        // INP_NormTemp (unit of ME_TEMP)
    NormDruck,       // INP_NormDruck
    CompressFactor   // INP_CompressFactor
};
inline constexpr int NormFieldCount = 6;

// The panels that show a field's range message.
enum class TNormPanel : std::uint8_t { Volume, NormConditions, CompressFactor };
TNormPanel NormPanelOf(TNormField field);

// What the dialog holds: the six values in internal units and the two unit choices. Every
// value is rewritten as text in the selected unit; the dialog copies these texts into its
// edits and Vn's text into LAB_NormalizedVolumeValue.
class TNormVolume {
public:
    // Creation: T_op 20 °C, p_op 1 bar, Z 1, V 0, both units at index 0, p_n 0 (so the
    // first showing applies the default reference conditions).
    TNormVolume();

    // Sets V, T_op, p_op, T_n, p_n, Z, then the volume unit and the temperature unit. A unit
    // index the lists do not hold selects index 0.
    void LoadParams(const tNormVolumeParams& params);
    tNormVolumeParams StoreParams() const;
    // On every showing: p_n = 0 applies the default reference conditions; p_op = 0 and Z = 0
    // become 1.
    void PrepareShow();
    // BUT_DefaultNormValues: T_n = 20 °C, p_n = 1.01325 bar.
    void SetDefaultNormValues();

    double Value(TNormField field) const { return values_[Index(field)]; }
    void SetValue(TNormField field, double value);
    // The field's value as its edit shows it, in the selected unit, without unit text.
    QString Text(TNormField field) const;

    // The exit handler of a field's edit. A text equal to the field's current Text() is not
    // parsed again and reports success without storing. Otherwise the text is checked
    // against the field's limits in the selected unit; a valid value is converted to the
    // internal unit and stored.
    struct TCommit {
        tCheckEditResult Check;  // Ok false: the message for the field's panel
        bool Stored = false;
        TNormPanel Panel = TNormPanel::Volume;
    };
    TCommit Commit(TNormField field, const QString& text);
    // Input range in the internal unit (both ends inclusive).
    struct TLimits {
        double Minimum = 0.0;
        double Maximum = 0.0;
    };
    static TLimits Limits(TNormField field);

    int VolumeUnit() const { return volumeUnit_; }
    int TempUnit() const { return tempUnit_; }
    void SelectVolumeUnit(int unitId);
    void SelectTempUnit(int unitIndex);
    QString VolumeUnitName() const;
    QString TempUnitName() const;

    double NormalizedVolume() const;
    // LAB_NormalizedVolumeValue: Vn in the volume unit, 8 digits, the unit's decimals, a
    // blank and the unit's name.
    QString NormalizedText() const;

private:
    static int Index(TNormField field) { return static_cast<int>(field); }
    std::array<double, NormFieldCount> values_{};
    int volumeUnit_ = 0;
    int tempUnit_ = 0;
};

// ACT_NormalizedVolumeflow, step 2: the record filled from the measuring point.
tNormVolumeParams NormVolumeParamsOf(const TMeasuringPoint& point);
// The dialog returned OK: temperature and pressure through their input path (the medium is
// re-evaluated), then the volume flow through its input path, the reference values and Z
// stored, and the temperature and volume units selected. The measuring point is thus
// consistent whatever edit had the focus.
void TakeBackNormVolume(TMeasuringPoint& point, const tNormVolumeParams& params);
