// The numbers of the medium property chart and the calibration-factor chart: series against
// the property formulas and the profile factor, range limits, axis scaling, point lookup.

#include "calculator/core/PropertyChart.h"

#include "calculator/core/ProfileFactor.h"
#include "reference/CoeffSet.h"
#include "reference/QlvTabels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

tMediumRec Water()
{
    tMediumRec water{};
    return GetMedium(10001, water), water;
}

TEST(PropertyChart, SpanLimits)
{
    const std::tuple<const char*, double, double, int, int> rows[] = {  // what, ends asked for, span plotted
        {"default", 0, 130, 0, 130},
        {"reversed range is swapped", 80, 20, 20, 80},
        {"equal ends are widened", 50, 50, 50, 60},
        {"whole degrees, halves to even", 20.5, 21.5, 20, 22},
        {"limited to -200 .. 600", -1000, 5000, -200, 600},
        {"at most 1000 points", -200, 1000, -200, 600},
        {"equal ends at the top stay inside", 600, 600, 590, 600},
        {"not a number", std::nan(""), 10, 0, 10},
    };
    for (const auto& [what, first, last, wantFirst, wantLast] : rows) {
        const tTemperatureSpan span = PlotSpan(first, last);
        EXPECT_EQ(std::pair(span.First, span.Last), std::pair(wantFirst, wantLast)) << what;
    }
}

TEST(PropertyChart, SeriesFollowTheFormulas)
{
    const tMediumRec water = Water();
    const double kin = EvalProperty(water.KinViscosity, 43.0, 2.0);
    const double density = EvalProperty(water.Density, 43.0, 2.0);
    const std::pair<tMediumProperty, double> rows[] = {
        {tMediumProperty::SoundSpeed, EvalProperty(water.SoundSpeed, 43.0, 2.0)},
        {tMediumProperty::KinViscosity, kin},
        {tMediumProperty::DynViscosity, kin * density},
        {tMediumProperty::Density, density},
    };
    for (const auto& [property, at43] : rows) {
        const std::vector<QPointF> points = PlotProperty(water, property, 2.0, {20, 80});
        ASSERT_EQ(points.size(), 61u);
        EXPECT_EQ(points[23], QPointF(43.0, at43)) << int(property);
    }
}

TEST(PropertyChart, CalibrationFactorSeries)
{
    const std::vector<QPointF> k = CalibrationFactorSeries(1000.0, 1.0, 1.0, 2320.0, 6000.0);
    ASSERT_EQ(k.size(), 1001u);
    EXPECT_EQ(k.front(), QPointF(0.0, 0.75));  // laminar at rest
    double reynolds = 0.0;
    EXPECT_DOUBLE_EQ(k[500].y(), ProfileCalFactor(reynolds, 5000.0, 1000.0, 1.0, 1.0, 2320.0, 6000.0));
    // Without a viscosity no velocity above 0 has a factor: those points are left out.
    const std::vector<QPointF> none = CalibrationFactorSeries(1000.0, 0.0, 1.0, 2320.0, 6000.0);
    EXPECT_TRUE(none.size() < 1001u && std::all_of(none.begin(), none.end(), [](QPointF p) { return std::isfinite(p.y()); }));
}

TEST(PropertyChart, AxisScaling)
{
    const std::tuple<const char*, double, double, double, double> rows[] = {  // what, series low and high, axis
        {"half a percent each side", 1400, 1500, 1393, 1507.5},
        {"a flat series: 0.995 .. 1.005 after 0.9 .. 1.1 of the value", 1000, 1000, 900, 1100},
        {"an all-zero series still gets an axis", 0, 0, -1, 1},
        {"negative values get their margin outward", -10, -5, -10.05, -4.975},
        {"a flat negative series keeps low below high", -2, -2, -2.2, -1.8},
    };
    for (const auto& [what, low, high, wantLow, wantHigh] : rows) {
        const tValueRange axis = AutoScaleYAxis({low, high});
        EXPECT_DOUBLE_EQ(axis.Min, wantLow) << what;
        EXPECT_DOUBLE_EQ(axis.Max, wantHigh) << what;
    }
    EXPECT_TRUE(DisplayRange(80, 20).Min == 20 && DisplayRange(50, 50).Max == 51);
    // The chart cannot lay out a span beyond the range of double.
    const double largest = std::numeric_limits<double>::max();
    EXPECT_TRUE(std::isfinite(DisplayRange(largest, -largest).Max - DisplayRange(largest, -largest).Min));
    const std::vector<QPointF> points{{0, 5}, {1, 3}, {2, 9}, {3, 4}};
    EXPECT_TRUE(SeriesYRange(points, 3, 1).Min == 3 && SeriesYRange(points, 3, 1).Max == 9);
    EXPECT_EQ(SeriesYRange(points, -5, 99).Max, 9);
}

TEST(PropertyChart, PointUnderTheMouse)
{
    const std::vector<QPointF> degrees = PlotProperty(Water(), tMediumProperty::Density, 1.0, {0, 130});
    double x = 23.4;
    EXPECT_TRUE(NearestIndex(degrees, x, 0) == 23 && x == 23.0);
    x = 131.0;
    EXPECT_EQ(NearestIndex(degrees, x, 0), -1);
    const std::vector<QPointF> velocity = CalibrationFactorSeries(1000.0, 1.0, 1.0, 2320.0, 6000.0);
    x = 1.234;
    EXPECT_TRUE(NearestIndex(velocity, x, 2) == 123 && x == 1.23);
}

}  // namespace
