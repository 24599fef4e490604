#include "transducer/AcousticPath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace {

constexpr double Rad = std::numbers::pi / 180.0;
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

double WaterSpeed(double t)
{
    return 1403.801398 + 4.776744589 * t - 0.046087242 * t * t + 0.000141539 * t * t * t - 1.9738e-7 * t * t * t * t;
}
double PeekSpeed(double t) { return 2575.0 - 2.045454545 * t; }
const double V20 = PeekSpeed(20.0) / std::sin(39.0 * Rad);  // code 11's invariant at 20 °C

// Water (10001) in a 100 mm carbon-steel pipe (transversal 3230 m/s) with a 3 mm wall, no lining,
// two paths; code 11 (4 MHz, PEEK wedge, 39 degrees, l_a 8.2, L_off 13.9) unless told.
tAcousticPath SteelWaterPipe(int entry = 8)
{
    tAcousticPath path;
    path.SelectSensor(SensorCatalogue[static_cast<std::size_t>(entry)]);
    path.Input = {.InnerDiameter = 100.0, .WallThickness = 3.0, .WallMaterial = 1, .Medium = 10001};
    return path;
}

TEST(AcousticPath, LayerTemperaturesSpeedsAndThicknesses)
{
    tAcousticPath path = SteelWaterPipe();
    path.Input.Pressure = 0.0;  // counts as 1 bar
    path.LoadQuadrantProperties();
    EXPECT_DOUBLE_EQ(path.Pressure(), 1.0);
    EXPECT_NEAR(path.MediumViscosity(), 0.987196, 5e-7);
    // The wedge follows the medium by three quarters, wall and lining almost fully.
    for (auto [t, wedge, wall] : {std::tuple{20.0, 20.0, 20.0}, {120.0, 95.0, 119.0}}) {
        path.Input.MediumTemperature = t;
        path.UpdateQuadrantMedia();
        const double tempers[] = {wedge, wall, wall, t};
        for (tQuadrantId id : {ALPHA, BETA, BETA2, GAMMA})
            EXPECT_DOUBLE_EQ(path.Quadrant(id).Temper, tempers[id]) << id;
        EXPECT_NEAR(path.Quadrant(ALPHA).c, PeekSpeed(wedge), 1e-6);
        EXPECT_NEAR(path.SnellInvariant(), PeekSpeed(wedge) / std::sin(39.0 * Rad), 1e-6);
        EXPECT_NEAR(path.MediumSoundSpeed(), WaterSpeed(t), 1e-6);
    }
    // A wedge without library material runs at the mean catalogue speed at any temperature.
    tAcousticPath eight = SteelWaterPipe(12);
    eight.Input.MediumTemperature = 90.0;
    eight.LoadQuadrantProperties();
    EXPECT_DOUBLE_EQ(eight.Quadrant(ALPHA).c, 2480.0);
    EXPECT_NEAR(eight.SnellInvariant(), 2480.0 / std::sin(36.5 * Rad), 1e-6);
    // Another medium takes the user's viscosity; a negative diameter has no thickness.
    path.Input = {.InnerDiameter = -3.0, .MediumSpeed = 1234.5, .Viscosity = 7.25};
    path.LoadQuadrantProperties();
    EXPECT_TRUE(path.MediumViscosity() == 7.25 && path.Quadrant(GAMMA).Dicke == 0.0);
}

// Worked out by Snell's law from the wedge (39 degrees, 8.2 mm, V = 4026.71 m/s), the steel
// wall (3230 m/s), a PE lining (1950 m/s) and water (1482.00 m/s): spacing, axial length and
// total transit time of two paths, without and with a 2 mm lining.
TEST(AcousticPath, RefractionChainSpacingsTransitTimesAndCaptureWindow)
{
    for (auto [lining, spacing, axial, total] : {std::tuple{0.0, 59.4252588761, 97.5461132893, 154722.729736},
                                                 {2.0, 61.6392482881, 99.7601027014, 157067.264647}}) {
        tAcousticPath path = SteelWaterPipe();
        path.Input.LiningThickness = lining;
        path.Input.LiningMaterial = 13;
        const tPathResult result = path.Recalculate();
        ASSERT_EQ(result.Status, tPathStatus::Valid);
        EXPECT_TRUE(std::fabs(result.Value - spacing) < 1e-8 && path.Spacing() == result.Value) << result.Value;
        EXPECT_NEAR(path.AxialLength(), axial, 1e-8) << lining;
        EXPECT_NEAR(path.TotalTransitTime(), total, 1e-5) << lining;
        EXPECT_EQ(path.SumTransitTime(), path.TotalTransitTime());
        EXPECT_NEAR(path.Quadrant(GAMMA).sin, 0.368042895768, 1e-11);  // the error estimate's beam
        // Without a lining its layer contributes nothing (sin 0, cos 1).
        EXPECT_TRUE(lining > 0.0 || (path.Quadrant(BETA2).sin == 0.0 && path.Quadrant(BETA2).cos == 1.0));
    }
    // The spacing for another medium speed, and the transit-time difference, on four paths.
    tAcousticPath path = SteelWaterPipe();
    path.Input.SoundPaths = 4;
    ASSERT_EQ(path.Recalculate().Status, tPathStatus::Valid);
    const double expected = 4 * 100.0 * std::tan(std::asin(1400.0 / V20)) + 2 * path.Quadrant(BETA).Lachs - 2 * 13.9;
    EXPECT_NEAR(path.SpacingForValue(1400.0).Value, expected, 1e-8);
    EXPECT_EQ(path.SpacingForValue(path.SnellInvariant()).Status, tPathStatus::TotalReflection);
    for (double c : {0.0, -1.0, NaN})
        EXPECT_EQ(path.SpacingForValue(c).Status, tPathStatus::MissingValue) << c;
    // Worked out by hand for 1500 mm/s: 216.266 ns.
    EXPECT_NEAR(path.TransitTimeDifference(1500.0).Value, 216.266, 0.0005);
    EXPECT_EQ(path.TransitTimeDifference(Inf).Status, tPathStatus::ArithmeticFault);
    // Worked out by hand for the steel pipe: 90 x g / total is 79.5, 42.2, 28.7, 21.8, 17.5
    // and 11.1 for 1, 2, 3, 4, 5 and 8 paths; 40 % is cut from three paths on, 20 % always.
    // A medium transit far shorter than the rest is cut to 1 %, never 0.
    for (auto [n, d, window] : {std::tuple{1, 100.0, 40}, {2, 100.0, 40}, {3, 100.0, 29}, {4, 100.0, 22},
                                {5, 100.0, 18}, {8, 100.0, 11}, {1, 0.01, 1}}) {
        tAcousticPath path = SteelWaterPipe();
        path.Input.SoundPaths = n;
        path.Input.InnerDiameter = d;
        ASSERT_EQ(path.Recalculate().Status, tPathStatus::Valid) << n;
        EXPECT_EQ(path.CaptureWindow(), window) << n << " " << d;
        path.Input.SoundPaths = 0;  // fewer than one path changes nothing
        EXPECT_TRUE(path.ComputeCaptureWindow() == tPathStatus::Valid && path.CaptureWindow() == window);
    }
}

TEST(AcousticPath, TotalReflectionInWallOrMedium)
{
    // A wall above the invariant (about 4027 m/s) blocks everything behind it.
    tAcousticPath path = SteelWaterPipe();
    path.Input.WallMaterial = 0;
    path.Input.WallSpeed = 4100.0;
    path.Input.LiningThickness = 1.0;
    path.Input.LiningMaterial = 13;
    EXPECT_EQ(path.Recalculate().Status, tPathStatus::TotalReflection);
    for (const tQuadrant& q : {path.Quadrant(BETA), path.Quadrant(BETA2), path.Quadrant(GAMMA)})  // c, Dicke, Temper kept
        EXPECT_TRUE(q.angle == std::numbers::pi && q.sin == 1.0 && q.cos == 0.0 && q.Lachs + q.Lpfad + q.tlauf == 0.0
                    && q.c > 0.0 && q.Dicke > 0.0 && q.Temper > 0.0);
    EXPECT_EQ(path.SpacingForValue(1400.0).Status, tPathStatus::TotalReflection);
    EXPECT_EQ(path.TransitTimeDifference(1500.0).Status, tPathStatus::TotalReflection);
    // A medium above the invariant leaves the wall refracted; the window is cut to 1 %.
    tAcousticPath fast = SteelWaterPipe();
    fast.Input.Medium = 10000;
    fast.Input.MediumSpeed = 4500.0;
    EXPECT_EQ(fast.Recalculate().Status, tPathStatus::TotalReflection);
    EXPECT_NEAR(fast.Quadrant(BETA).Lachs, 4.02998717674, 1e-10);
    EXPECT_TRUE(fast.Quadrant(GAMMA).Lachs == 0.0 && fast.CaptureWindow() == 1);
    EXPECT_TRUE(fast.SpacingForValue(1400.0).IsValid());
    // Exactly at the invariant reflects already; a layer without thickness never does.
    EXPECT_TRUE(IsTotalReflection({.c = 2000.0, .Dicke = 1.0}, 2000.0));
    EXPECT_FALSE(IsTotalReflection({.c = 2000.0, .Dicke = 1.0}, 2000.001) || IsTotalReflection({.c = 2000.0}, 1000.0));
}

TEST(AcousticPath, MissingValuesInvalidPipesAndFaults)
{
    using In = tPathInput;
    const std::tuple<const char*, void (*)(In&), tPathStatus> cases[] = {
        {"other wall without speed", [](In& i) { i.WallMaterial = 0; }, tPathStatus::MissingValue},
        {"lining without speed", [](In& i) { i.LiningThickness = 2.0; }, tPathStatus::MissingValue},
        {"negative lining speed", [](In& i) { i.LiningThickness = 2.0; i.LiningSpeed = -100.0; }, tPathStatus::MissingValue},
        {"endless lining speed", [](In& i) { i.LiningThickness = 2.0; i.LiningSpeed = Inf; }, tPathStatus::MissingValue},
        {"other medium without speed", [](In& i) { i.Medium = 10000; }, tPathStatus::MissingValue},
        // Water's polynomial turns negative far below freezing.
        {"water at -150", [](In& i) { i.MediumTemperature = -150.0; }, tPathStatus::MissingValue},
        {"D 0.001", [](In& i) { i.InnerDiameter = 0.001; }, tPathStatus::InvalidPipe},
        {"D NaN", [](In& i) { i.InnerDiameter = NaN; }, tPathStatus::InvalidPipe},
        {"D 0.0011", [](In& i) { i.InnerDiameter = 0.0011; }, tPathStatus::Valid},
        {"D Inf", [](In& i) { i.InnerDiameter = Inf; }, tPathStatus::ArithmeticFault},
        {"T NaN", [](In& i) { i.MediumTemperature = NaN; }, tPathStatus::ArithmeticFault},
        {"wall Inf", [](In& i) { i.WallThickness = Inf; }, tPathStatus::ArithmeticFault},
        {"wall -1", [](In& i) { i.WallThickness = -1.0; }, tPathStatus::InvalidPipe},
        {"lining -0.5", [](In& i) { i.LiningThickness = -0.5; i.LiningMaterial = 13; }, tPathStatus::InvalidPipe},
    };
    for (const auto& [what, change, status] : cases) {
        tAcousticPath path = SteelWaterPipe();
        ASSERT_EQ(path.Recalculate().Status, tPathStatus::Valid);
        change(path.Input);
        EXPECT_EQ(path.Recalculate().Status, status) << what;
        // No earlier path stays behind; nothing built on a failed path looks valid.
        EXPECT_TRUE(status != tPathStatus::MissingValue || path.Spacing() + path.Quadrant(GAMMA).tlauf == 0.0) << what;
        const bool valid = status == tPathStatus::Valid;
        EXPECT_TRUE(path.SpacingForValue(1400.0).IsValid() == valid && path.TransitTimeDifference(1500.0).IsValid() == valid) << what;
    }
    // Without a transducer nothing can be computed.
    tAcousticPath bare = SteelWaterPipe();
    bare.ClearSensor();
    EXPECT_EQ(bare.Recalculate().Status, tPathStatus::MissingValue);
    EXPECT_TRUE(bare.SpacingForValue(1500.0).Status == tPathStatus::MissingValue && !bare.IsLambdaSmallPipe());
}

TEST(AcousticPath, SmallPipeAgainstTheWavelengths)
{
    // 4 MHz: lambda in water about 0.3705 mm, in steel 0.8075 mm.
    const double d = 40.0 * WaterSpeed(20.0) / 4000.0;
    const double s = 4.0 * 3230.0 / 4000.0;
    // A wall without a sound speed gives no wavelength.
    for (auto [diameter, wall, material, small] : {std::tuple<double, double, std::uint16_t, bool>{d - 0.01, s - 0.01, 1, true},
                                                  {d + 0.01, s - 0.01, 1, false}, {d - 0.01, s + 0.01, 1, false},
                                                  {d - 0.01, 1.0, 0, false}}) {
        tAcousticPath path = SteelWaterPipe();
        path.Input.InnerDiameter = diameter;
        path.Input.WallThickness = wall;
        path.Input.WallMaterial = material;
        path.LoadQuadrantProperties();
        EXPECT_EQ(path.IsLambdaSmallPipe(), small) << diameter << " " << wall;
    }
}

}  // namespace
