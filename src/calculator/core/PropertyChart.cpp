#include "calculator/core/PropertyChart.h"

#include "calculator/core/ProfileFactor.h"
#include "reference/CoeffSet.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double LowestTemperature = -200.0;
constexpr double HighestTemperature = 600.0;
constexpr int MostPoints = 1000;

int WholeDegrees(double t)
{
    if (!std::isfinite(t))
        return 0;
    return static_cast<int>(std::nearbyint(std::clamp(t, LowestTemperature, HighestTemperature)));
}

}  // namespace

tTemperatureSpan PlotSpan(double first, double last)
{
    tTemperatureSpan span{WholeDegrees(first), WholeDegrees(last)};
    if (span.First > span.Last)
        std::swap(span.First, span.Last);
    if (span.First == span.Last)
        span.Last = span.First + 10;
    if (span.Last > HighestTemperature) {
        span.Last = int(HighestTemperature);
        span.First = std::min(span.First, span.Last - 10);
    }
    span.Last = std::min(span.Last, span.First + MostPoints - 1);
    return span;
}

std::vector<QPointF> PlotProperty(const tMediumRec& medium, tMediumProperty property, double pressure,
                                  const tTemperatureSpan& span)
{
    const tCoeffSet& set = property == tMediumProperty::SoundSpeed ? medium.SoundSpeed
        : property == tMediumProperty::Density                    ? medium.Density
                                                                   : medium.KinViscosity;
    std::vector<QPointF> points;
    for (int t = span.First; t <= span.Last; ++t) {
        double y = EvalProperty(set, t, pressure);
        if (property == tMediumProperty::DynViscosity)
            y *= EvalProperty(medium.Density, t, pressure);
        points.emplace_back(t, y);
    }
    return points;
}

std::vector<QPointF> CalibrationFactorSeries(double innerDiameter, double kinViscosity, double roughness,
                                             double reynoldsLam, double reynoldsTurb)
{
    std::vector<QPointF> points;
    for (int v = 0; v <= 10000; v += 10) {
        double reynolds = 0.0;
        const double k =
            ProfileCalFactor(reynolds, v, innerDiameter, kinViscosity, roughness, reynoldsLam, reynoldsTurb);
        if (std::isfinite(k))
            points.emplace_back(v / 1000.0, k);
    }
    return points;
}

tValueRange SeriesYRange(const std::vector<QPointF>& points, int first, int last)
{
    if (points.empty())
        return {0.0, 0.0};
    const int n = static_cast<int>(points.size());
    first = std::clamp(first, 0, n - 1);
    last = std::clamp(last, 0, n - 1);
    if (first > last)
        std::swap(first, last);
    tValueRange r{points[first].y(), points[first].y()};
    for (int i = first; i <= last; ++i) {
        r.Min = std::min(r.Min, points[i].y());
        r.Max = std::max(r.Max, points[i].y());
    }
    return r;
}

tValueRange AutoScaleYAxis(const tValueRange& y)
{
    if (!std::isfinite(y.Min) || !std::isfinite(y.Max))
        return {0.0, 1.0};
    if (y.Min == y.Max) {
        if (y.Min == 0.0)
            return {-1.0, 1.0};
        return {std::min(0.9 * y.Min, 1.1 * y.Min), std::max(0.9 * y.Min, 1.1 * y.Min)};
    }
    // The margin goes outward for negative values too.
    return {y.Min - 0.005 * std::abs(y.Min), y.Max + 0.005 * std::abs(y.Max)};
}

tValueRange DisplayRange(double low, double high)
{
    // The chart's tick layout stalls on a span that overflows a double.
    constexpr double Farthest = std::numeric_limits<double>::max() / 2;
    low = std::clamp(low, -Farthest, Farthest);
    high = std::clamp(high, -Farthest, Farthest);
    if (low > high)
        std::swap(low, high);
    if (low == high)
        high = low + 1.0;
    return {low, high};
}

int NearestIndex(const std::vector<QPointF>& points, double& x, int decimals)
{
    const double scale = decimals == 2 ? 100.0 : 1.0;
    x = std::nearbyint(x * scale) / scale;
    for (std::size_t i = 0; i < points.size(); ++i)
        if (std::abs(points[i].x() - x) < 1e-9)
            return static_cast<int>(i);
    return -1;
}
