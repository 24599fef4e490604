#pragma once
// The numbers behind the medium property chart and the calibration-factor chart: the plotted
// series, the value-axis scaling and the lookup of the point under the mouse.
//
// Temperatures in °C, velocities in m/s on the chart (mm/s into the profile factor), the
// medium's properties in its library units (m/s, mm²/s, mPa·s, g/cm³).

#include "reference/LibRecords.h"

#include <QPointF>

#include <vector>

enum class tMediumProperty { SoundSpeed, KinViscosity, DynViscosity, Density };

// A plotted temperature range in whole °C: ends swapped when reversed, the last set to
// first + 10 when equal, both limited to -200 .. 600 °C and to at most 1000 points.
struct tTemperatureSpan {
    int First = 0;
    int Last = 130;
};
tTemperatureSpan PlotSpan(double first, double last);

// The property over the span in steps of 1 °C at the pressure [bar]; the dynamic viscosity
// is the kinematic one times the density.
std::vector<QPointF> PlotProperty(const tMediumRec& medium, tMediumProperty property, double pressure,
                                  const tTemperatureSpan& span);

// The calibration factor over v = 0, 10, ... 10000 mm/s, as (v in m/s, K); a velocity whose
// factor cannot be computed is left out. Inner diameter and roughness in 0.1 mm, viscosity
// in mm²/s.
std::vector<QPointF> CalibrationFactorSeries(double innerDiameter, double kinViscosity, double roughness,
                                             double reynoldsLam, double reynoldsTurb);

struct tValueRange {
    double Min = 0.0;
    double Max = 1.0;
};
// The lowest and highest Y of points first..last (indexes, in either order, clamped).
tValueRange SeriesYRange(const std::vector<QPointF>& points, int first, int last);
// The value axis for a Y range: half a percent of margin on either side; a flat series
// spans 0.9 .. 1.1 of its value, an all-zero series -1 .. 1.
tValueRange AutoScaleYAxis(const tValueRange& y);
// An axis range as the user entered it: swapped when reversed, widened by 1 when equal, each
// bound within half the largest double so that the span stays finite.
tValueRange DisplayRange(double low, double high);

// The index of the point whose X equals x rounded to decimals (0 or 2), or -1; x becomes the
// rounded value.
int NearestIndex(const std::vector<QPointF>& points, double& x, int decimals);
