// The numbers of the medium property chart and the calibration-factor chart: series against
// the property formulas and the profile factor, range limits, axis scaling, point lookup.

#include "calculator/core/PropertyChart.h"

#include "calculator/core/ProfileFactor.h"
#include "reference/CoeffSet.h"
#include "reference/QlvTabels.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

tMediumRec Water()
{
    tMediumRec water{};
    EXPECT_TRUE(GetMedium(10001, water));
    return water;
}

TEST(PropertyChart, SpanLimits)
{
    struct Row {
        const char* what;
        double first, last;
        int wantFirst, wantLast;
    };
    const Row rows[] = {
        {"default", 0, 130, 0, 130},
        {"reversed range is swapped", 80, 20, 20, 80},
        {"equal ends are widened", 50, 50, 50, 60},
        {"whole degrees, halves to even", 20.5, 21.5, 20, 22},
        {"limited to -200 .. 600", -1000, 5000, -200, 600},
        {"at most 1000 points", -200, 1000, -200, 600},
        {"equal ends at the top stay inside", 600, 600, 590, 600},
        {"not a number", std::nan(""), 10, 0, 10},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        const tTemperatureSpan span = PlotSpan(r.first, r.last);
        EXPECT_EQ(span.First, r.wantFirst);
        EXPECT_EQ(span.Last, r.wantLast);
        EXPECT_LE(span.Last - span.First + 1, 1000);
    }
}

TEST(PropertyChart, SeriesFollowTheFormulas)
{
    const tMediumRec water = Water();
    const tTemperatureSpan span{20, 80};
    for (tMediumProperty p : {tMediumProperty::SoundSpeed, tMediumProperty::KinViscosity, tMediumProperty::DynViscosity,
                              tMediumProperty::Density}) {
        const std::vector<QPointF> points = PlotProperty(water, p, 2.0, span);
        ASSERT_EQ(points.size(), 61u);
        for (const QPointF& point : {points.front(), points[23], points.back()}) {
            const double T = point.x();
            const double kin = EvalProperty(water.KinViscosity, T, 2.0);
            const double want = p == tMediumProperty::SoundSpeed ? EvalProperty(water.SoundSpeed, T, 2.0)
                : p == tMediumProperty::Density                 ? EvalProperty(water.Density, T, 2.0)
                : p == tMediumProperty::KinViscosity            ? kin
                                                                 : kin * EvalProperty(water.Density, T, 2.0);
            EXPECT_DOUBLE_EQ(point.y(), want) << int(p) << " at " << T;
        }
    }
    EXPECT_EQ(PlotProperty(water, tMediumProperty::SoundSpeed, 1.0, span)[23].x(), 43.0);
}

TEST(PropertyChart, CalibrationFactorSeries)
{
    const std::vector<QPointF> k = CalibrationFactorSeries(1000.0, 1.0, 1.0, 2320.0, 6000.0);
    ASSERT_EQ(k.size(), 1001u);
    EXPECT_EQ(k.front(), QPointF(0.0, 0.75));  // laminar at rest
    EXPECT_DOUBLE_EQ(k[123].x(), 1.23);
    double reynolds = 0.0;
    EXPECT_DOUBLE_EQ(k[500].y(), ProfileCalFactor(reynolds, 5000.0, 1000.0, 1.0, 1.0, 2320.0, 6000.0));
    // Without a viscosity no velocity above 0 has a factor: those points are left out.
    const std::vector<QPointF> none = CalibrationFactorSeries(1000.0, 0.0, 1.0, 2320.0, 6000.0);
    for (const QPointF& p : none)
        EXPECT_TRUE(std::isfinite(p.y()));
    EXPECT_LT(none.size(), 1001u);
}

TEST(PropertyChart, AxisScaling)
{
    struct Row {
        const char* what;
        double low, high, wantLow, wantHigh;
    };
    const Row rows[] = {
        {"half a percent each side", 1400, 1500, 1393, 1507.5},
        {"a flat series: 0.995 .. 1.005 after 0.9 .. 1.1 of the value", 1000, 1000, 900, 1100},
        {"an all-zero series still gets an axis", 0, 0, -1, 1},
        {"negative values get their margin outward", -10, -5, -10.05, -4.975},
        {"a flat negative series keeps low below high", -2, -2, -2.2, -1.8},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        const tValueRange axis = AutoScaleYAxis({r.low, r.high});
        EXPECT_DOUBLE_EQ(axis.Min, r.wantLow);
        EXPECT_DOUBLE_EQ(axis.Max, r.wantHigh);
    }
    EXPECT_EQ(DisplayRange(80, 20).Min, 20);
    EXPECT_EQ(DisplayRange(50, 50).Max, 51);
    const std::vector<QPointF> points{{0, 5}, {1, 3}, {2, 9}, {3, 4}};
    EXPECT_EQ(SeriesYRange(points, 3, 1).Min, 3);
    EXPECT_EQ(SeriesYRange(points, 3, 1).Max, 9);
    EXPECT_EQ(SeriesYRange(points, -5, 99).Max, 9);
}

TEST(PropertyChart, PointUnderTheMouse)
{
    const std::vector<QPointF> degrees = PlotProperty(Water(), tMediumProperty::Density, 1.0, {0, 130});
    double x = 23.4;
    EXPECT_EQ(NearestIndex(degrees, x, 0), 23);
    EXPECT_EQ(x, 23.0);
    x = 131.0;
    EXPECT_EQ(NearestIndex(degrees, x, 0), -1);
    const std::vector<QPointF> velocity = CalibrationFactorSeries(1000.0, 1.0, 1.0, 2320.0, 6000.0);
    x = 1.234;
    EXPECT_EQ(NearestIndex(velocity, x, 2), 123);
    EXPECT_EQ(x, 1.23);
}

}  // namespace
