#include "transducer/ApplicationCalc.h"

#include "ApplicationPoint.h"

#include "calculator/core/ProfileFactor.h"
#include "platform/FormatSettings.h"
#include "platform/NumberFormat.h"
#include "transducer/SketchLayout.h"

#include <QMap>

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Calc : tApplicationCalc {
    explicit Calc(const tApplicationInput& in = BasePoint(), bool oem = false)
        : tApplicationCalc(oem)
    {
        ProfileSolver = &SolveProfileCorrection;
        SetInputData(in);
    }
};

class ApplicationCalc : public ::testing::Test {
protected:
    FormatSettingsScope format_;
};

// The spacing of the base point is 59.425 mm as worked out by hand for its path. Each warning
// row is loaded over these valid results: no number of them may stay.
TEST_F(ApplicationCalc, SpacingOrWarning)
{
    const Calc base;
    EXPECT_TRUE(base.ResultsValid() && base.GetSoundPaths() == 2 && !base.View().SpacingRed);
    EXPECT_EQ(base.View().Spacing, "T= 59.4 mm");
    EXPECT_EQ(base.View().FreeLength, "Zur Montage benötigte freie Rohrlänge = 179 mm");
    EXPECT_EQ(base.View().FreeNumber, "179  ");
    using In = tApplicationInput;
    const struct {
        void (*change)(In&);
        QString spacing;
        bool canAccept;
    } rows[] = {
        {[](In& in) { in.InnerDiameter = 0.001; }, "INVALID PIPE", false},
        {[](In& in) { in.MaterialItems = Materials(0); in.WallSpeed = 5000.0; }, "TOTAL REFLEXION", true},
        {[](In& in) { in.MediumItems = Media(10000); in.MediumSpeed = 4500.0; }, "TOTAL REFLEXION", true},
        {[](In& in) { in.MediumItems = Media(10000); }, "NEED VALUES", true},
        {[](In& in) { in.MaterialItems = Materials(0); }, "NEED VALUES", true},
        {[](In& in) { in.MaterialItems = Materials(0); in.WallSpeed = -3000.0; }, "NEED VALUES", true},
        {[](In& in) { in.LiningThickness = 2.0; }, "NEED VALUES", true},  // a lining without speed
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        Calc calc;
        calc.SetInputData(With(rows[i].change));
        const tApplicationView& v = calc.View();
        SCOPED_TRACE(i);
        EXPECT_EQ(v.Spacing, rows[i].spacing);
        EXPECT_EQ(calc.CanAccept(), rows[i].canAccept);
        EXPECT_FALSE(calc.ResultsValid() || v.SmallPipe);
        EXPECT_TRUE(v.FreeLength.isEmpty() && v.SpacingNumber.isEmpty() && v.FreeNumber.isEmpty());
    }
    // Another wall material without speed is no fault when the wall has no thickness, nor is
    // a lining without speed once the lining is switched off.
    EXPECT_TRUE(Calc(With([](auto& in) { in.MaterialItems = Materials(0); in.WallThickness = 0.0; })).ResultsValid());
    Calc unlined(With([](auto& in) { in.LiningThickness = 2.0; }));
    unlined.UserLiningSwitch(false);
    EXPECT_TRUE(unlined.ResultsValid());
    // The small-pipe mark belongs to a valid pipe only.
    Calc small(With([](auto& in) { in.InnerDiameter = 2.0; in.WallThickness = 0.5; }));
    EXPECT_TRUE(small.View().SmallPipe);
    small.UserOuterDiameter(1.0);
    EXPECT_FALSE(small.View().SmallPipe);
}

TEST_F(ApplicationCalc, NegativeSpacingRaisesThePathCountZeroDoesNot)
{
    // A slow medium: the reflex spacing of the default two paths is negative.
    for (auto [speed, paths, red] : {std::tuple{343.0, 4, false}, std::tuple{90.0, 8, true}}) {
        Calc calc(With([speed = speed](auto& in) { in.MediumItems = Media(10000); in.MediumSpeed = speed; }));
        EXPECT_EQ(calc.GetSoundPaths(), paths) << speed;
        EXPECT_EQ(calc.View().SpacingRed, red) << speed;
        // The path and capture window belong to the raised count, not the default one.
        tAcousticPath fresh = calc.Path();
        fresh.Input.SoundPaths = paths;
        fresh.Recalculate();
        EXPECT_EQ(calc.Path().Input.SoundPaths, paths);
        EXPECT_DOUBLE_EQ(calc.Path().AxialLength(), fresh.AxialLength());
        EXPECT_EQ(calc.Path().CaptureWindow(), fresh.CaptureWindow());
    }
    // Heads that just touch do not overlap: the count stays, nothing is red or hatched.
    tAcousticPath path;
    path.SelectSensor(SensorCatalogue[8]);
    path.Input = {.SoundPaths = 4, .InnerDiameter = 30.0, .Pressure = 1.0, .MediumSpeed = 915.0};
    double low = 20.0;
    double high = 40.0;  // the 4 MHz reflex default stays 4 in between
    while (std::nextafter(low, high) < high) {
        const double mid = low + (high - low) / 2.0;
        path.Input.InnerDiameter = mid;
        (path.Recalculate().Value < 0.0 ? low : high) = mid;
    }
    path.Input.InnerDiameter = high;
    ASSERT_EQ(path.Recalculate().Value, 0.0);
    Calc touching(With([high](auto& in) { in.InnerDiameter = high; in.WallThickness = 0.0; in.MediumItems = Media(10000); in.MediumSpeed = 915.0; }));
    EXPECT_EQ(touching.GetSoundPaths(), 4);
    EXPECT_EQ(touching.View().Spacing, "T= 0.0 mm");
    EXPECT_FALSE(touching.View().SpacingRed);
    const tSketchLayout sketch = UpdateSketch(SketchInput(touching));
    EXPECT_TRUE(sketch.Reflex.Fill == tSketchFill::Solid && sketch.Reflex.Colour == SketchGrey);
}

TEST_F(ApplicationCalc, PathCountOnReopening)
{
    using M = tPathCountMode;
    using B = tBeamMode;
    // type, inner diameter, stored count -> mode, beam, count, follow-preferred
    const std::tuple<std::uint8_t, double, int, M, B, int, bool> rows[] = {
        {11, 10.0, 2, M::User, B::Reflex, 2, true},  // 4 MHz on 10 mm: reflex default 8
        {11, 10.0, 8, M::Auto, B::Reflex, 8, true},
        {11, 10.0, 1, M::Auto, B::Direct, 1, false},  // direct is not the preferred mode there
        {11, 10.0, 0, M::Auto, B::Reflex, 8, true},   {11, 30.0, 4, M::Auto, B::Reflex, 4, true},
        {11, 30.0, 3, M::User, B::Direct, 3, true},   {11, 30.0, -1, M::User, B::Direct, 1, true},
        {11, 30.0, 9, M::User, B::Reflex, 8, true},   // clamped before the parity is taken
        {6, 50.0, 5, M::Auto, B::Direct, 5, true},    // 1 MHz: direct preferred
        {6, 50.0, 4, M::Auto, B::Reflex, 4, false},
    };
    for (const auto& [type, diameter, stored, mode, beam, paths, follow] : rows) {
        Calc calc(With([type = type, diameter = diameter, stored = stored](auto& in) {
            in.TypeCode = type;
            in.InnerDiameter = diameter;
            in.SoundPaths = stored;
        }));
        SCOPED_TRACE(testing::Message() << int{type} << "/" << stored);
        EXPECT_EQ(calc.PathCountMode(), mode);
        EXPECT_EQ(calc.BeamMode(), beam);
        EXPECT_EQ(calc.GetSoundPaths(), paths);
        EXPECT_EQ(calc.FollowPreferred(), follow);
    }
}

TEST_F(ApplicationCalc, UserChoicesTemperatureColourAndFixedSpacing)
{
    Calc calc;
    calc.UserBeamMode(tBeamMode::Direct);
    calc.UserTemperature(60.0);
    calc.SetLengthUnit(3);  // a program write keeps the user's choice
    EXPECT_TRUE(calc.BeamMode() == tBeamMode::Direct && !calc.FollowPreferred() && calc.GetSoundPaths() == 1);
    // The head's range is -30..130 °C; its bounds still count as inside.
    using C = tTemperatureColour;
    for (auto [t, colour] : {std::pair{130.0, C::Normal}, {130.01, C::TooHot}, {-30.0, C::Normal}, {-30.01, C::TooCold}}) {
        calc.UserTemperature(t);
        EXPECT_EQ(calc.View().TemperatureColour, colour) << t;
    }
    // A pipe change hands the choice back to the automatic rule.
    calc.UserWallThickness(4.0);
    EXPECT_TRUE(calc.GetSoundPaths() == 2 && calc.GetInnerDiameter() == 98.0);
    // The lining switch keeps the typed thickness.
    Calc lining(With([](auto& in) { in.LiningThickness = 2.0; in.LiningMaterial = 3; }));
    lining.UserLiningSwitch(false);
    EXPECT_TRUE(lining.GetLiningThickness() == 0.0 && lining.GetInnerDiameter() == 104.0);
    lining.UserLiningSwitch(true);
    EXPECT_EQ(lining.GetInnerDiameter(), 100.0);
    // A fixed spacing, negative for overlapping heads, is kept.
    Calc fixed(With([](auto& in) { in.SpacingFixed = 1; in.FixedSpacing = -20.5; }));
    EXPECT_EQ(fixed.View().FixedNumber, "-20.5");
    EXPECT_EQ(fixed.View().FreeNumber, "100  ");   // fixed spacing + 2 x 60 mm mounting length
    EXPECT_EQ(fixed.FixedSpacingToEdit(), -20.5);  // a held value is not overwritten
    EXPECT_TRUE(fixed.SpacingFixed() && fixed.Result().FixedSpacing == -20.5);
    fixed.UserSpacingFixed(false);
    EXPECT_EQ(fixed.View().FixedNumber, "");
}

TEST_F(ApplicationCalc, RecommendationInBothBrands)
{
    // brand, inner diameter, selected type -> caption, enabled
    const std::tuple<bool, double, std::uint8_t, QString, bool> rows[] = {
        {false, 100.0, 11, "This is the recommended transd.", false},
        {false, 100.0, 6, "Assign recommended transducer", true},
        {false, 8.0, 11, "Assign recommended transducer", true},  // the own 8 MHz head fits
        {true, 8.0, 11, "SORRY, NO TRANSDUCER", false},           // the partner brand has none
        {true, 100.0, 11, "This is the recommended transd.", false},
        {false, 3.0, 11, "SORRY, NO TRANSDUCER", false},
    };
    for (const auto& [oem, diameter, type, caption, enabled] : rows) {
        Calc calc(With([diameter = diameter, type = type](auto& in) { in.InnerDiameter = diameter; in.TypeCode = type; }), oem);
        EXPECT_EQ(calc.View().Recommendation.Caption, caption) << oem << diameter;
        EXPECT_EQ(calc.View().Recommendation.Enabled, enabled) << oem << diameter;
    }
    const tApplicationInput none = With([](auto& in) { in.TypeCode = 0; in.InnerDiameter = 8.0; });
    EXPECT_EQ(Calc(none).GetSensorTypeCode(), 14);
    EXPECT_EQ(Calc(none, true).GetSensorTypeCode(), 11);  // nothing to assign: the default stays
}

TEST_F(ApplicationCalc, ExpertTimeGroupAndTestPipes)
{
    Calc calc;
    calc.SetProfileCorrected(false);
    calc.SetVelocity(1000.0);
    const tPathResult dt = calc.Path().TransitTimeDifference(1000.0);
    EXPECT_EQ(calc.View().Time.UncorrectedFlow, "100.00 cm/s");
    EXPECT_DOUBLE_EQ(calc.View().Time.TimeOffset, dt.Value);
    calc.SetVelocity(2000.0);
    calc.SetTimeUnit(0);
    EXPECT_DOUBLE_EQ(calc.View().Time.TimeOffset, 2.0 * 1000.0 * dt.Value);
    EXPECT_TRUE(calc.View().Time.TimeDigits == 0 && !calc.View().Time.RoughnessEnabled);
    // Corrected: the profile solution in the calculation's units (0.1 mm).
    calc.UserRoughness(0.05);
    calc.SetProfileCorrected(true);
    double k = 0, re = 0, raw = 0;
    ASSERT_FALSE(SolveProfileCorrection(k, re, raw, 2000.0, 1000.0, calc.Viscosity(), 0.5, 1000.0, 6000.0));
    EXPECT_EQ(calc.View().Time.UncorrectedFlow, Format(QStringLiteral("%.2f cm/s"), {raw * 0.1}));
    // A library medium brings its own viscosity: the edit is for the other medium only.
    EXPECT_TRUE(calc.View().Time.TimeValid && !calc.View().Time.ViscosityEnabled);
    // Another medium without viscosity: no profile, no time difference.
    Calc other(With([](auto& in) { in.MediumItems = Media(10000); in.MediumSpeed = 1480.0; in.KinViscosity = 0.0; }));
    other.SetVelocity(1000.0);
    EXPECT_EQ(other.View().Time.UncorrectedFlow, "---- ITERATION FAIL ---");
    EXPECT_TRUE(!other.View().Time.TimeValid && other.View().Time.ViscosityEnabled);
    Calc pipes;  // the expert's test pipes
    pipes.SelectTestPipe(2);
    EXPECT_TRUE(pipes.GetOuterDiameter() == 114.2 && pipes.GetMediumCode() == TestMediumCode);
    EXPECT_EQ(pipes.View().TestPipe, 2);
    pipes.SelectWallMaterial(12);  // the pipe's size with another wall material
    EXPECT_EQ(pipes.View().TestPipe, -1);
    pipes.SelectWallMaterial(2);
    pipes.UserWallThickness(2.6);
    EXPECT_EQ(pipes.View().TestPipe, -1);
    // A value that went through the inch display still matches.
    pipes.UserWallThickness(2.5);
    pipes.UserOuterDiameter(114.2 * 0.3937007874015748 / 0.3937007874015748 + 1e-9);
    EXPECT_EQ(pipes.View().TestPipe, 2);
    pipes.UserOuterDiameter(114.2 + 1e-5);
    EXPECT_EQ(pipes.View().TestPipe, -1);
}

TEST_F(ApplicationCalc, UserSoundSpeedsAndSortedLists)
{
    // medium, medium speed, lining -> start of the medium input, of the lining input (0: none)
    for (auto [medium, speed, lining, mediumStart, liningStart] :
         {std::tuple{10000, 0.0, 0.0, 1500.0, 0.0}, {10000, 1234.0, 2.0, 0.0, 2500.0}, {10001, 0.0, 2.0, 0.0, 2500.0}}) {
        Calc calc(With([medium = medium, speed = speed, lining = lining](auto& in) {
            in.MediumItems = Media(medium);
            in.MediumSpeed = speed;
            in.LiningThickness = lining;
        }));
        EXPECT_EQ(calc.StartUserSpeed(GAMMA, 1500.0), mediumStart) << medium;
        EXPECT_EQ(calc.StartUserSpeed(BETA2, 2500.0), liningStart) << medium;
        EXPECT_EQ(calc.StartUserSpeed(BETA, 3200.0), 0.0) << medium;
        // A cancelled input computes nothing from the assumed speed.
        calc.UserTemperature(30.0);
        EXPECT_EQ(calc.View().Spacing == "NEED VALUES", mediumStart + liningStart > 0.0) << medium;
        EXPECT_EQ(calc.UserMediumSpeed(), speed) << medium;
    }
    // Each layer hands back its own speed.
    const tApplicationResult back = Calc(With([](auto& in) {
        in.MaterialItems = Materials(0);
        in.LiningThickness = 2.0;
        in.WallSpeed = 3100.0;
        in.LiningSpeed = 2400.0;
    })).Result();
    EXPECT_EQ(std::pair(back.WallSpeed, back.LiningSpeed), std::pair(3100.0, 2400.0));
    // A library material offers its own sound speed to start from.
    Calc steel;
    EXPECT_DOUBLE_EQ(steel.UserSpeedToEdit(BETA), steel.Path().Quadrant(BETA).c);
    steel.SetUserWallSoundSpeed(OtherMaterialCode, 2750.0);
    const tCodeItems& wall = steel.WallItems();
    EXPECT_EQ(wall.Items[static_cast<std::size_t>(wall.ItemIndex)].Caption, "Anderes: (2750m/s)");
    EXPECT_TRUE(steel.GetWallMaterialCode() == OtherMaterialCode && steel.ResultsValid());
    // The lists are sorted by the names shown; each item keeps its code, the selection its item.
    Calc calc(With([](auto& in) {
        in.MediumItems = {{{"Wasser", 10001}, {"anderes", 10000}, {"Äthanol", 10003}, {"Benzin", 10002}}, 0};
    }));
    auto names = [&calc] {  // the selected item marked
        QStringList list;
        for (const tCodeItem& item : calc.MediumItems().Items)
            list << (&item - &calc.MediumItems().Items[0] == calc.MediumItems().ItemIndex ? "*" : "") + item.Caption
                    + QString::number(item.Code);
        return list.join(' ');
    };
    EXPECT_EQ(names(), "anderes10000 Äthanol10003 Benzin10002 *Wasser10001");
    calc.UserSelectItem(GAMMA, 2);
    EXPECT_EQ(calc.GetMediumCode(), 10002);
    calc.SetUserMediumSoundSpeed(10000, 1400.0);  // the other item's caption moves it
    EXPECT_EQ(names(), "*Anderes: (1400m/s)10000 Äthanol10003 Benzin10002 Wasser10001");
    // After a language change the names are sorted again.
    const QMap<int, QString> english{{10001, "Water"}, {10002, "Petrol"}, {10003, "Ethanol"}};
    calc.RenameItems([&](tQuadrantId layer, int code) { return layer == GAMMA ? english.value(code) : QString(); });
    EXPECT_EQ(names(), "*Anderes: (1400m/s)10000 Ethanol10003 Petrol10002 Water10001");
    EXPECT_EQ(calc.GetMediumCode(), 10000);
}

}  // namespace
