#pragma once
// The estimated-error model of a clamp-on transit-time measurement: a zero-point velocity
// error dvt0 from the medium layer of the acoustic path and the transducer's dead-time
// adjustment, a relative error band 100 * dvt0 / v + a that falls with the flow, and an
// add-on (a tent of 10 percentage points) between the laminar and turbulent velocity limits.
//
// Velocities are in mm/s, errors in per cent. The measuring point's velocity enters as its
// magnitude (reverse flow has the same error); at zero velocity there is no relative error:
// ErrorLimit and TypicalError are NaN and HasRelativeError is false.

#include "transducer/Quadrant.h"
#include "transducer/SensorCatalogue.h"
#include "transducer/Translate.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

// One quantity that can stand on the X axis.
struct tFlowmms2UserME {
    QString Caption;
    double Factor = 1.0;  // display units per mm/s
    QString UnitName;
};

// What the application dialog hands over (SetErrorData's parameters).
struct tErrorData {
    QString VelocityUnit;
    QString VolumeUnit;
    double VelocityFactor = 1.0;
    double VolumeFactor = 1.0;  // volume unit factor x cross-section [mm²]
    double MassFactor = 1.0;    // mass unit factor x density x cross-section
    QString MassUnit;
    double Velocity = 0.0;           // [mm/s]
    double InnerDiameter = 0.0;      // [mm]
    double VelocityLaminar = 0.0;    // [mm/s]
    double VelocityTurbulent = 0.0;  // [mm/s]
    tQuadrant Medium;                // the GAMMA layer
    int SoundPaths = 0;
    tSensorDatenTableItem Sensor;
};

struct tBandPoint {
    double x = 0.0;  // in the X quantity's display unit
    double y = 0.0;  // per cent
};

enum tErrorQuantity : std::uint8_t { QuantityVelocity = 0, QuantityVolume = 1, QuantityMass = 2 };

// dvt0 when its formula cannot be evaluated.
constexpr double FallbackZeroPointError = 15.0;

class tErrorModel {
public:
    std::uint8_t QuantityIndex = QuantityVolume;
    double BandOffset = 3.0;
    double dvt0 = 0.0;
    double Velocity = 0.0;
    double VelocityLaminar = 0.0;
    double VelocityTurbulent = 0.0;
    double InnerDiameter = 0.0;
    tQuadrant MediumSection;
    int SoundPaths = 0;
    tSensorDatenTableItem Sensor;
    double dvt0Calc = 0.0;
    std::array<tFlowmms2UserME, 3> Quantities;
    std::uint8_t ShowOnePercentBand = 0;

    // Replaces all data, computes dvt0Calc and plots for volume flow. Captions and the
    // title go through translate.
    void SetErrorData(const tErrorData& data, const tTranslate& translate = {});
    // Selects the X quantity (0..2; others are ignored) and plots.
    void SetQuantity(int index);

    // 0.001 c² cos T / (2 N D sin); FallbackZeroPointError when that is not finite.
    double CalcZeroPointError() const;
    // 100 d / x + a; 0 when x is 0 or the result is not finite.
    static double ErrorBase(double x, double d, double a);
    // |Velocity| strictly between the two limits.
    bool InTransitionRange() const;
    // The tent: 0 at either limit and outside, 10 at the middle; 0 when it cannot be formed.
    double TransitionErrorAddOn() const;
    bool HasRelativeError() const;
    double ErrorLimit() const;    // Max(1, ErrorBase(|v|, dvt0, 3)) + add-on
    double TypicalError() const;  // Max(1, ErrorBase(|v|, dvt0 / 2, 1.8)) + 0.8 add-on

    // "%.1f" of TypicalError; false (text untouched) without a relative error.
    bool GetTypicalErrorText(QString& text) const;
    // The hint of the "r [%]" label: "dvt0=%.3f".
    QString ZeroPointHint() const;
    // The chart's first title line.
    QString Title(const tTranslate& translate = {}) const;
    // "Caption [Unit]" of the X quantity.
    QString AxisTitle() const;
    // The memo lines.
    QStringList ErrorText(const tTranslate& translate = {}) const;

    // Results of the last plot: the bands (upper and lower, in X display units) and the
    // X axis maximum. The one-per-cent band is empty when it is not shown.
    std::vector<tBandPoint> Band1Upper, Band1Lower, Band3Upper, Band3Lower;
    double AxisMaximum = 1.0;
    // The X quantity's factor; 0 when it cannot scale the axis (not positive or not finite).
    double Factor() const;
    // X values (display units) of the operating point and the transition zone.
    double OperatingX() const;
    double LaminarX() const;
    double TurbulentX() const;
    // The marker half-lengths: ErrorBase(|v|, dvt0, 3) and ErrorBase(|v|, dvt0, typical).
    double MarkerError3() const;
    double MarkerErrorTypical() const;

    // The left axis: labels "#,##0.0##" in the current number format, at multiples of the
    // step, which is the designed 0.1 % or the next of 0.2, 0.5, 1, 2, 5, ... that puts no
    // more than maxLabels labels on the span.
    static QString LeftAxisLabel(double percent);
    static double LeftAxisStep(double span, int maxLabels);

private:
    void PlotBands();
    double Speed() const;  // |Velocity|
};
