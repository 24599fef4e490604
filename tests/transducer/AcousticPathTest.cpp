#include "transducer/AcousticPath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace {

constexpr double Rad = std::numbers::pi / 180.0;

// Code 11: 4 MHz, Teka PEEK wedge (2575 - 2.045454545 T), 39 degrees, l_a 8.2, L_off 13.9.
const tSensorDatenTableItem& Code11() { return SensorCatalogue[8]; }

double WaterSpeed(double t)
{
    return 1403.801398 + 4.776744589 * t - 0.046087242 * t * t + 0.000141539 * t * t * t
        - 1.9738e-7 * t * t * t * t;
}
double PeekSpeed(double t) { return 2575.0 - 2.045454545 * t; }

// Water in a 100 mm steel pipe with a 3 mm wall, no lining, two paths.
tAcousticPath SteelWaterPipe(const tSensorDatenTableItem& sensor = Code11())
{
    tAcousticPath path;
    path.SelectSensor(sensor);
    path.Input.SoundPaths = 2;
    path.Input.InnerDiameter = 100.0;
    path.Input.WallThickness = 3.0;
    path.Input.WallMaterial = 1;  // carbon steel, transversal 3230 m/s
    path.Input.Medium = 10001;    // water
    path.Input.MediumTemperature = 20.0;
    path.Input.Pressure = 1.0;
    return path;
}

// The layer through which the beam passes, computed from Snell's law.
struct tExpectedLayer {
    double sin, cos, Lachs, Lpfad, tlauf;
};
tExpectedLayer Refracted(double thickness, double c, double V)
{
    const double s = c / V;
    const double co = std::sqrt(1.0 - s * s);
    return {s, co, thickness * s / co, thickness / co, 1e6 * thickness / co / c};
}

constexpr double Tol = 1e-9;

TEST(AcousticPath, LayerTemperaturesSpeedsAndThicknesses)
{
    tAcousticPath path = SteelWaterPipe();
    path.Input.Pressure = 0.0;  // counts as 1 bar
    path.LoadQuadrantProperties();
    for (tQuadrantId id : {ALPHA, BETA, BETA2, GAMMA})
        EXPECT_DOUBLE_EQ(path.Quadrant(id).Temper, 20.0);
    EXPECT_DOUBLE_EQ(path.Pressure(), 1.0);
    EXPECT_NEAR(path.Quadrant(ALPHA).angle, 39.0 * Rad, 1e-15);
    EXPECT_DOUBLE_EQ(path.Quadrant(ALPHA).Dicke, 13.9);
    EXPECT_DOUBLE_EQ(path.Quadrant(BETA).c, 3230.0);  // steel's default wave is transversal
    EXPECT_NEAR(path.MediumSoundSpeed(), 1482.0, 0.05);
    EXPECT_NEAR(path.MediumViscosity(), 0.987196, 5e-7);

    // The wedge follows the medium by three quarters, wall and lining almost fully.
    path.Input.MediumTemperature = 120.0;
    path.UpdateQuadrantMedia();
    EXPECT_DOUBLE_EQ(path.Quadrant(ALPHA).Temper, 95.0);
    EXPECT_DOUBLE_EQ(path.Quadrant(BETA).Temper, 119.0);
    EXPECT_DOUBLE_EQ(path.Quadrant(BETA2).Temper, 119.0);
    EXPECT_DOUBLE_EQ(path.Quadrant(GAMMA).Temper, 120.0);
    EXPECT_NEAR(path.Quadrant(ALPHA).c, PeekSpeed(95.0), 1e-6);
    EXPECT_NEAR(path.SnellInvariant(), PeekSpeed(95.0) / std::sin(39.0 * Rad), 1e-6);
    EXPECT_NEAR(path.MediumSoundSpeed(), WaterSpeed(120.0), 1e-6);

    // A wedge without library material runs at the mean catalogue speed at any temperature.
    tAcousticPath eight = SteelWaterPipe(SensorCatalogue[12]);
    eight.Input.MediumTemperature = 90.0;
    eight.LoadQuadrantProperties();
    EXPECT_DOUBLE_EQ(eight.Quadrant(ALPHA).c, 2480.0);
    EXPECT_NEAR(eight.SnellInvariant(), 2480.0 / std::sin(36.5 * Rad), 1e-6);

    // Another medium and material take the user's values; a negative diameter no thickness.
    path.Input.Medium = 10000;
    path.Input.MediumSpeed = 1234.5;
    path.Input.Viscosity = 7.25;
    path.Input.WallMaterial = 0;
    path.Input.WallSpeed = 2750.0;
    path.Input.InnerDiameter = -3.0;
    path.LoadQuadrantProperties();
    EXPECT_DOUBLE_EQ(path.MediumSoundSpeed(), 1234.5);
    EXPECT_DOUBLE_EQ(path.MediumViscosity(), 7.25);
    EXPECT_DOUBLE_EQ(path.Quadrant(BETA).c, 2750.0);
    EXPECT_DOUBLE_EQ(path.Quadrant(GAMMA).Dicke, 0.0);
}

TEST(AcousticPath, RefractionChainSpacingAndTransitTimes)
{
    tAcousticPath path = SteelWaterPipe();
    const tPathResult result = path.Recalculate();
    ASSERT_EQ(result.Status, tPathStatus::Valid);

    const double cw = PeekSpeed(20.0);
    const double V = cw / std::sin(39.0 * Rad);
    const double cm = WaterSpeed(20.0);
    const tExpectedLayer wall = Refracted(3.0, 3230.0, V);
    const tExpectedLayer medium = Refracted(100.0, cm, V);

    for (const auto& [id, layer] : {std::pair{BETA, wall}, std::pair{GAMMA, medium}}) {
        const tQuadrant& q = path.Quadrant(id);
        EXPECT_NEAR(q.sin, layer.sin, Tol) << id;
        EXPECT_NEAR(q.cos, layer.cos, Tol) << id;
        EXPECT_NEAR(q.angle, std::asin(layer.sin), Tol) << id;
        EXPECT_NEAR(q.Lachs, layer.Lachs, 1e-8) << id;
        EXPECT_NEAR(q.Lpfad, layer.Lpfad, 1e-8) << id;
        EXPECT_NEAR(q.tlauf, layer.tlauf, 1e-5) << id;
    }

    // Without a lining the lining layer contributes nothing.
    const tQuadrant& lining = path.Quadrant(BETA2);
    EXPECT_EQ(lining.sin, 0.0);
    EXPECT_EQ(lining.cos, 1.0);
    EXPECT_EQ(lining.Lachs + lining.Lpfad + lining.tlauf, 0.0);

    // The wedge's axial component is the projection of its path.
    const tQuadrant& alpha = path.Quadrant(ALPHA);
    EXPECT_NEAR(alpha.Lachs, 8.2 * std::sin(39.0 * Rad), 1e-12);
    EXPECT_NEAR(alpha.tlauf, 1e6 * 8.2 / cw, 1e-6);

    const double spacing = 2 * medium.Lachs + 2 * wall.Lachs - 2 * 13.9;
    EXPECT_NEAR(path.Spacing(), spacing, 1e-8);
    EXPECT_NEAR(result.Value, spacing, 1e-8);
    EXPECT_NEAR(path.AxialLength(), 2 * medium.Lachs + 2 * (alpha.Lachs + wall.Lachs), 1e-8);
    // Worked out by hand for this pipe: V = 4026.71 m/s, water 1482.00 m/s.
    EXPECT_NEAR(result.Value, 59.425, 0.0005);

    const double total = 2 * medium.tlauf + 2 * (1e6 * 8.2 / cw + wall.tlauf);
    EXPECT_NEAR(path.TotalTransitTime(), total, 1e-5);
    EXPECT_NEAR(path.SumTransitTime(), total, 1e-5);
}

TEST(AcousticPath, LiningIsRefractedBetweenWallAndMedium)
{
    tAcousticPath path = SteelWaterPipe();
    path.Input.LiningThickness = 2.0;
    path.Input.LiningMaterial = 13;  // PE, longitudinal 1950 m/s
    ASSERT_EQ(path.Recalculate().Status, tPathStatus::Valid);
    const double V = PeekSpeed(20.0) / std::sin(39.0 * Rad);
    const tExpectedLayer lining = Refracted(2.0, 1950.0, V);
    EXPECT_NEAR(path.Quadrant(BETA2).Lachs, lining.Lachs, Tol);
    EXPECT_NEAR(path.Quadrant(BETA2).tlauf, lining.tlauf, 1e-6);
    const double spacing = 2 * path.Quadrant(GAMMA).Lachs
        + 2 * (Refracted(3.0, 3230.0, V).Lachs + lining.Lachs) - 2 * 13.9;
    EXPECT_NEAR(path.Spacing(), spacing, 1e-8);
    EXPECT_NEAR(path.SpacingForValue(path.MediumSoundSpeed()).Value, spacing, 1e-8);
}

TEST(AcousticPath, SpacingForOtherSoundSpeeds)
{
    tAcousticPath path = SteelWaterPipe();
    path.Input.SoundPaths = 4;
    ASSERT_EQ(path.Recalculate().Status, tPathStatus::Valid);
    const double V = path.SnellInvariant();
    const double wallAxial = path.Quadrant(BETA).Lachs;
    for (double c : {1000.0, 1400.0, 1600.0}) {
        const tPathResult r = path.SpacingForValue(c);
        ASSERT_TRUE(r.IsValid()) << c;
        const double expected = 4 * 100.0 * std::tan(std::asin(c / V)) + 2 * wallAxial - 2 * 13.9;
        EXPECT_NEAR(r.Value, expected, 1e-8) << c;
    }
    EXPECT_EQ(path.SpacingForValue(V).Status, tPathStatus::TotalReflection);
    EXPECT_EQ(path.SpacingForValue(V * 1.5).Status, tPathStatus::TotalReflection);
    EXPECT_EQ(path.SpacingForValue(0.0).Status, tPathStatus::MissingValue);
    EXPECT_EQ(path.SpacingForValue(-1.0).Status, tPathStatus::MissingValue);
    EXPECT_EQ(path.SpacingForValue(std::numeric_limits<double>::quiet_NaN()).Status,
              tPathStatus::MissingValue);
}

TEST(AcousticPath, CaptureWindowIsCutToOneMediumTransit)
{
    // Worked out by hand for the steel pipe: 90 x g / total is 79.5, 42.2, 28.7, 21.8, 17.5
    // and 11.1 for 1, 2, 3, 4, 5 and 8 paths; 40 % is cut from three paths on, 20 % always.
    const std::pair<int, int> windows[] = {{1, 40}, {2, 40}, {3, 29}, {4, 22}, {5, 18}, {8, 11}};
    for (const auto& [n, window] : windows) {
        tAcousticPath path = SteelWaterPipe();
        path.Input.SoundPaths = n;
        ASSERT_EQ(path.Recalculate().Status, tPathStatus::Valid) << n;
        EXPECT_EQ(path.CaptureWindow(), window) << n;
    }

    // A medium transit far shorter than the rest: never below 1 %.
    tAcousticPath tiny = SteelWaterPipe();
    tiny.Input.InnerDiameter = 0.01;
    tiny.Input.SoundPaths = 1;
    ASSERT_EQ(tiny.Recalculate().Status, tPathStatus::Valid);
    EXPECT_EQ(tiny.CaptureWindow(), 1);

    // Fewer than one path changes nothing.
    tAcousticPath none = SteelWaterPipe();
    none.Recalculate();
    none.Input.SoundPaths = 0;
    EXPECT_EQ(none.ComputeCaptureWindow(), tPathStatus::Valid);
    EXPECT_EQ(none.CaptureWindow(), 40);
}

TEST(AcousticPath, TotalReflectionInWallOrMedium)
{
    // A wall at or above the invariant (about 4027 m/s) blocks everything behind it.
    tAcousticPath path = SteelWaterPipe();
    path.Input.WallMaterial = 0;
    path.Input.WallSpeed = 4100.0;
    path.Input.LiningThickness = 1.0;
    path.Input.LiningMaterial = 13;
    EXPECT_EQ(path.Recalculate().Status, tPathStatus::TotalReflection);
    EXPECT_TRUE(path.TotalReflection());
    EXPECT_TRUE(path.IsTotalReflection(BETA));
    for (tQuadrantId id : {BETA, BETA2, GAMMA}) {
        const tQuadrant& q = path.Quadrant(id);
        EXPECT_DOUBLE_EQ(q.angle, std::numbers::pi) << id;
        EXPECT_EQ(q.sin, 1.0) << id;
        EXPECT_EQ(q.cos, 0.0) << id;
        EXPECT_EQ(q.Lachs + q.Lpfad + q.tlauf, 0.0) << id;
    }
    EXPECT_DOUBLE_EQ(path.Quadrant(BETA).c, 4100.0);
    EXPECT_DOUBLE_EQ(path.Quadrant(BETA).Dicke, 3.0);
    EXPECT_DOUBLE_EQ(path.Quadrant(GAMMA).Dicke, 100.0);

    // A medium above the invariant leaves the wall refracted; the window is cut to 1 %.
    tAcousticPath fast = SteelWaterPipe();
    fast.Input.Medium = 10000;
    fast.Input.MediumSpeed = 4500.0;
    EXPECT_EQ(fast.Recalculate().Status, tPathStatus::TotalReflection);
    EXPECT_FALSE(fast.IsTotalReflection(BETA));
    EXPECT_TRUE(fast.IsTotalReflection(GAMMA));
    EXPECT_NEAR(fast.Quadrant(BETA).Lachs, Refracted(3.0, 3230.0, fast.SnellInvariant()).Lachs, Tol);
    EXPECT_EQ(fast.Quadrant(GAMMA).Lachs, 0.0);
    EXPECT_EQ(fast.CaptureWindow(), 1);

    // Exactly at the invariant reflects already; a layer without thickness never does.
    tQuadrant q;
    q.Dicke = 1.0;
    q.c = 2000.0;
    EXPECT_TRUE(IsTotalReflection(q, 2000.0));
    EXPECT_FALSE(IsTotalReflection(q, 2000.001));
    q.Dicke = 0.0;
    EXPECT_FALSE(IsTotalReflection(q, 1000.0));
}

TEST(AcousticPath, MissingSoundSpeedsAreReportedNotComputed)
{
    // Other wall material without a speed.
    tAcousticPath wall = SteelWaterPipe();
    wall.Input.WallMaterial = 0;
    EXPECT_EQ(wall.Recalculate().Status, tPathStatus::MissingValue);
    // A lining that is present needs its speed; an absent one does not.
    tAcousticPath lining = SteelWaterPipe();
    lining.Input.LiningMaterial = 0;
    EXPECT_EQ(lining.Recalculate().Status, tPathStatus::Valid);
    lining.Input.LiningThickness = 2.0;
    EXPECT_EQ(lining.Recalculate().Status, tPathStatus::MissingValue);
    lining.Input.LiningSpeed = -100.0;
    EXPECT_EQ(lining.Recalculate().Status, tPathStatus::MissingValue);
    lining.Input.LiningSpeed = std::numeric_limits<double>::infinity();
    EXPECT_EQ(lining.Recalculate().Status, tPathStatus::MissingValue);
    lining.Input.LiningSpeed = 1800.0;
    EXPECT_EQ(lining.Recalculate().Status, tPathStatus::Valid);
    // Other medium without a speed.
    tAcousticPath medium = SteelWaterPipe();
    medium.Input.Medium = 10000;
    EXPECT_EQ(medium.Recalculate().Status, tPathStatus::MissingValue);
    EXPECT_EQ(medium.Spacing(), 0.0);
    EXPECT_EQ(medium.Quadrant(GAMMA).tlauf, 0.0);
    // Water's polynomial turns negative far below freezing.
    tAcousticPath cold = SteelWaterPipe();
    cold.Input.MediumTemperature = -150.0;
    cold.LoadQuadrantProperties();
    EXPECT_LT(cold.MediumSoundSpeed(), 0.0);
    EXPECT_EQ(cold.Recalculate().Status, tPathStatus::MissingValue);
    cold.Input.MediumTemperature = -100.0;
    EXPECT_EQ(cold.Recalculate().Status, tPathStatus::Valid);
    // Without a transducer nothing can be computed.
    tAcousticPath bare = SteelWaterPipe();
    bare.ClearSensor();
    EXPECT_EQ(bare.Recalculate().Status, tPathStatus::MissingValue);
    EXPECT_EQ(bare.SpacingForValue(1500.0).Status, tPathStatus::MissingValue);
    EXPECT_FALSE(bare.IsLambdaSmallPipe());
}

TEST(AcousticPath, InvalidPipesAndNonFiniteInput)
{
    tAcousticPath path = SteelWaterPipe();
    for (double d : {0.001, 0.0, -5.0, std::numeric_limits<double>::quiet_NaN()}) {
        path.Input.InnerDiameter = d;
        EXPECT_EQ(path.Recalculate().Status, tPathStatus::InvalidPipe) << d;
    }
    path.Input.InnerDiameter = 0.0011;
    EXPECT_EQ(path.Recalculate().Status, tPathStatus::Valid);
    path.Input.InnerDiameter = std::numeric_limits<double>::infinity();
    EXPECT_EQ(path.Recalculate().Status, tPathStatus::ArithmeticFault);
    path.Input.InnerDiameter = 100.0;
    path.Input.MediumTemperature = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(path.Recalculate().Status, tPathStatus::ArithmeticFault);
    path.Input.MediumTemperature = 20.0;
    path.Input.WallThickness = std::numeric_limits<double>::infinity();
    EXPECT_EQ(path.Recalculate().Status, tPathStatus::ArithmeticFault);
}

TEST(AcousticPath, SmallPipeAgainstTheWavelengths)
{
    // 4 MHz: lambda in water about 0.3705 mm (limit 14.82 mm), in steel 0.8075 mm (3.23 mm).
    tAcousticPath path = SteelWaterPipe();
    const double mediumLimit = 40.0 * WaterSpeed(20.0) / 4000.0;
    const double wallLimit = 4.0 * 3230.0 / 4000.0;
    path.Input.WallThickness = wallLimit - 0.01;
    path.Input.InnerDiameter = mediumLimit - 0.01;
    path.LoadQuadrantProperties();
    EXPECT_TRUE(path.IsLambdaSmallPipe());
    path.Input.InnerDiameter = mediumLimit + 0.01;
    path.LoadQuadrantProperties();
    EXPECT_FALSE(path.IsLambdaSmallPipe());
    path.Input.InnerDiameter = mediumLimit - 0.01;
    path.Input.WallThickness = wallLimit + 0.01;
    path.LoadQuadrantProperties();
    EXPECT_FALSE(path.IsLambdaSmallPipe());
    // A wall without a sound speed gives no wavelength.
    path.Input.WallThickness = 1.0;
    path.Input.WallMaterial = 0;
    path.LoadQuadrantProperties();
    EXPECT_FALSE(path.IsLambdaSmallPipe());
}

TEST(AcousticPath, TransitTimeDifference)
{
    tAcousticPath path = SteelWaterPipe();
    path.Input.SoundPaths = 4;
    ASSERT_EQ(path.Recalculate().Status, tPathStatus::Valid);
    const double v = 1500.0;  // mm/s
    const tPathResult dt = path.TransitTimeDifference(v);
    ASSERT_TRUE(dt.IsValid());
    const double V = PeekSpeed(20.0) / std::sin(39.0 * Rad);
    EXPECT_NEAR(dt.Value, 2 * 4 * Refracted(100.0, WaterSpeed(20.0), V).tlauf * v * 0.001 / V, 1e-9);
    // Worked out by hand: 216.266 ns.
    EXPECT_NEAR(dt.Value, 216.266, 0.0005);
    EXPECT_NEAR(path.TransitTimeDifference(2 * v).Value, 2 * dt.Value, 1e-12);
    EXPECT_EQ(path.TransitTimeDifference(std::numeric_limits<double>::infinity()).Status,
              tPathStatus::ArithmeticFault);
}

TEST(AcousticPath, TemperatureSweepOnACopy)
{
    // The detail text's sweep: only the medium temperature changes, on a copy.
    tAcousticPath path = SteelWaterPipe();
    ASSERT_EQ(path.Recalculate().Status, tPathStatus::Valid);
    const double total = path.SumTransitTime();

    tAcousticPath sweep = path;
    sweep.Input.MediumTemperature = 60.0;
    sweep.UpdateQuadrantMedia();
    ASSERT_EQ(sweep.ComputeSoundPath(), tPathStatus::Valid);
    tAcousticPath fresh = SteelWaterPipe();
    fresh.Input.MediumTemperature = 60.0;
    ASSERT_EQ(fresh.Recalculate().Status, tPathStatus::Valid);
    EXPECT_EQ(sweep.Spacing(), fresh.Spacing());
    EXPECT_EQ(sweep.SumTransitTime(), fresh.SumTransitTime());
    EXPECT_NE(sweep.SumTransitTime(), total);
    EXPECT_EQ(path.SumTransitTime(), total);
}

}  // namespace
