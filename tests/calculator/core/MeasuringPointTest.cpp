#include "calculator/core/MeasuringPoint.h"

#include "calculator/core/ProfileFactor.h"
#include "platform/FormatSettings.h"
#include "platform/MessageBeep.h"
#include "reference/CoeffSet.h"
#include "reference/QlvTabels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>
#include <random>
#include <tuple>

// Readable texts in failure messages.
void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

class MeasuringPointTest : public ::testing::Test {
protected:
    MeasuringPointTest()
    {
        SetMessageBeepHandler(nullptr);
        point.SetStandardValues();
        ResetMessageBeepCount();
    }

    TInputResult Commit(TQuantity q, const char* text) { return point.CommitEdit(q, QString::fromUtf8(text)); }
    QString Edit(TQuantity q) const { return point.EditText(q); }
    TPanelText Panel(TPanel p) const { return point.Snapshot().Panels[static_cast<int>(p)]; }
    QString PanelText(TPanel p) const { return Panel(p).Caption; }
    TResultPane Pane() const { return point.Snapshot().Result; }

    FormatSettingsScope scope{TFormatSettings()};
    TMeasuringPoint point;
};

double LibraryDensity(int medium, double temperature)
{
    tMediumRec record;
    GetMedium(static_cast<std::uint16_t>(medium), record);
    return EvalProperty(record.Density, temperature, 1.0);
}

// The result pane of a failed calculation: the caption in red, no values.
TResultPane FailedPane()
{
    TResultPane pane;
    pane.LamiTurbo = QStringLiteral("---- ITERATION FAIL ---");
    pane.LamiTurboColor = PanelRed;
    return pane;
}

TEST_F(MeasuringPointTest, StandardValues)
{
    const TPointSnapshot s = point.Snapshot();
    const std::pair<TQuantity, const char*> edits[] = {
        {TQuantity::CrossSection, "78.5"}, {TQuantity::Velocity, "1.000"}, {TQuantity::VolumeFlow, "28.274"},
        {TQuantity::InnerDiameter, "100.0"}, {TQuantity::Roughness, "0.100"}, {TQuantity::Density, "999"},
        {TQuantity::Temperature, "20.0"}, {TQuantity::Pressure, "1.0"}};
    for (const auto& [q, text] : edits)
        EXPECT_EQ(s.EditTexts[QuantityIndex(q)], QString::fromUtf8(text));
    const std::pair<TPanel, const char*> panels[] = {
        {TPanel::Veloc, "100.0 cm/s"}, {TPanel::QUER, "78.5 cm²"}, {TPanel::Volume, "28.274 m³/h"},
        {TPanel::Dichte, "0.999 g/cm³"}, {TPanel::IDM, "100.0 mm"}, {TPanel::FluidTempDruck, ""}};
    for (const auto& [p, text] : panels)
        EXPECT_EQ(s.Panels[static_cast<int>(p)].Caption, QString::fromUtf8(text));
    EXPECT_NEAR(point.VolumeFlow(), 7853981.6, 0.05);
    // The library's values are kept with full precision.
    EXPECT_EQ(point.Density(), LibraryDensity(10001, 20.0));
    EXPECT_NEAR(point.KinViscosity(), 0.987196, 0.0000005);
    EXPECT_DOUBLE_EQ(point.MassFlow(), point.VolumeFlow() * point.Density());
    EXPECT_EQ(s.Result.LamiTurbo, QStringLiteral("--- TURBOLENTE STRÖMUNG --"));
    EXPECT_EQ(s.Result.Reynold, QStringLiteral("101,297.0 "));
    EXPECT_EQ(s.Result.Reynold2, s.Result.Reynold);
    EXPECT_EQ(s.Result.Kalfaktor, QStringLiteral("0.939 "));
    EXPECT_EQ(s.Result.Veloc, QStringLiteral("1.065 m/s"));
    EXPECT_EQ(s.Hold, THold::CrossSection);
    EXPECT_TRUE(s.ReadOnly[QuantityIndex(TQuantity::InnerDiameter)]);
    EXPECT_FALSE(s.PressureGroupVisible);
}

TEST(QuantityUnits, FormatsKeepAtMostTheirSignificantDigits)
{
    FormatSettingsScope scope{TFormatSettings()};
    const struct {
        TQuantity q;
        double value;
        int unit;
        bool withUnit;
        const char* text;
    } rows[] = {
        // Eight significant digits, the remaining decimals padded with zeros.
        {TQuantity::VolumeFlow, 123456.789 / 3.6e-6, 0, true, "123456.790 m³/h"},
        {TQuantity::VolumeFlow, 12345678.94 / 3.6e-6, 0, false, "12345679.000"},
        // More integer digits than that: scientific notation.
        {TQuantity::VolumeFlow, 123456789.0 / 3.6e-6, 0, false, "1.2345679E8"},
        {TQuantity::MassFlow, -0.0001, 0, true, "0.000 t/h"},
        // Temperature: four significant digits, °F through the conversion.
        {TQuantity::Temperature, 123.45, 0, true, "123.5 °C"},
        {TQuantity::Temperature, -199.96, 0, false, "-200.0"},
        {TQuantity::Temperature, -200.0, 1, true, "-328.0 °F"},
        // Pressure: one decimal, no unit.
        {TQuantity::Pressure, 599.96, 0, false, "600.0"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(FormatQuantity(r.q, r.value, r.unit, r.withUnit), QString::fromUtf8(r.text)) << r.text;
}

TEST_F(MeasuringPointTest, CompactViewShowsTheAreaBesideTheDiameter)
{
    point.SetCrossSectionGroupVisible(false);
    EXPECT_EQ(PanelText(TPanel::IDM), QStringLiteral("100.0 mm / A=78.5 cm²"));
    Commit(TQuantity::InnerDiameter, "5");
    EXPECT_EQ(PanelText(TPanel::IDM), QStringLiteral("5.0 mm / A=20 mm²"));
    Commit(TQuantity::InnerDiameter, "500");
    EXPECT_EQ(PanelText(TPanel::IDM), QStringLiteral("500.0 mm / A=0.196 m²"));
}

TEST_F(MeasuringPointTest, TranslatedTexts)
{
    const TPointSnapshot s = point.Snapshot([](const QString& text) {
        if (text == QStringLiteral("dynamic = %s"))
            return QStringLiteral("dynamisch = %s");
        if (text == QStringLiteral("--- TURBOLENTE STRÖMUNG --"))
            return QStringLiteral("--- TURBULENT FLOW --");
        return text;
    });
    EXPECT_EQ(s.Panels[static_cast<int>(TPanel::Visk)].Caption, QStringLiteral("dynamisch = 0.99 mPa*s"));
    EXPECT_EQ(s.Panels[static_cast<int>(TPanel::ViskDYN)].Caption, QStringLiteral("kinematic =0.99 mm²/s"));
    EXPECT_EQ(s.Result.LamiTurbo, QStringLiteral("--- TURBULENT FLOW --"));
}

TEST_F(MeasuringPointTest, UnchangedTextStoresNothing)
{
    for (int q = 0; q < QuantityCount; ++q) {
        const auto quantity = static_cast<TQuantity>(q);
        const TInputResult r = point.CommitEdit(quantity, Edit(quantity));
        EXPECT_TRUE(r.Accepted && !r.Stored);
    }
    // The same value in another spelling keeps the precise value and the medium.
    EXPECT_FALSE(Commit(TQuantity::Density, "999.0").Stored);
    EXPECT_FALSE(Commit(TQuantity::VolumeFlow, "28.2740").Stored);
    EXPECT_EQ(Edit(TQuantity::VolumeFlow), QStringLiteral("28.274"));
    EXPECT_EQ(point.Density(), LibraryDensity(10001, 20.0));
    EXPECT_EQ(point.GetMediumId(), 10001);
    EXPECT_EQ(MessageBeepCount(), 0);
}

// Every input under every hold, from the standard point (water, 1 m/s, 100 mm): what the
// user sees of velocity, volume flow, mass flow, diameter and density afterwards.
TEST_F(MeasuringPointTest, HoldRules)
{
    const struct {
        THold hold;
        TQuantity input;
        const char* text;
        const char* velocity;  // m/s
        const char* volume;    // m³/h
        const char* mass;      // t/h
        const char* diameter;  // mm
        const char* density;   // kg/m³
    } rows[] = {
        {THold::CrossSection, TQuantity::VolumeFlow, "56.549", "2.000", "56.549", "56.481", "100.0", "999"},
        {THold::Velocity, TQuantity::VolumeFlow, "113.098", "1.000", "113.098", "112.962", "200.0", "999"},
        {THold::Volume, TQuantity::MassFlow, "-56.5", "1.000", "28.274", "-56.500", "100.0", "1998"},
        {THold::CrossSection, TQuantity::MassFlow, "56.5", "2.001", "56.568", "56.500", "100.0", "999"},
        {THold::Velocity, TQuantity::MassFlow, "56.5", "1.000", "56.568", "56.500", "141.4", "999"},
        {THold::Volume, TQuantity::Velocity, "4", "4.000", "28.274", "28.240", "50.0", "999"},
        {THold::CrossSection, TQuantity::Velocity, "3", "3.000", "84.823", "84.721", "100.0", "999"},
        {THold::Volume, TQuantity::InnerDiameter, "50", "4.000", "28.274", "28.240", "50.0", "999"},
        {THold::Velocity, TQuantity::InnerDiameter, "200", "1.000", "113.097", "112.962", "200.0", "999"},
        {THold::Velocity, TQuantity::CrossSection, "157.1", "1.000", "56.556", "56.488", "141.4", "999"},
        {THold::Volume, TQuantity::Density, "500", "1.000", "28.274", "14.137", "100.0", "500"},
        {THold::Velocity, TQuantity::Density, "500", "1.000", "28.274", "14.137", "100.0", "500"},
    };
    for (const auto& r : rows) {
        point.SetStandardValues();
        point.ClickHold(r.hold, true);
        ASSERT_TRUE(Commit(r.input, r.text).Stored) << r.text;
        const QString seen = Edit(TQuantity::Velocity) + ' ' + Edit(TQuantity::VolumeFlow) + ' '
                             + Edit(TQuantity::MassFlow) + ' ' + Edit(TQuantity::InnerDiameter) + ' '
                             + Edit(TQuantity::Density);
        EXPECT_EQ(seen, QStringLiteral("%1 %2 %3 %4 %5").arg(r.velocity, r.volume, r.mass, r.diameter, r.density))
            << int(r.hold) << ' ' << int(r.input) << ' ' << r.text;
    }
}

// η = ν · ρ after every kind of input, in both viscosity views; the viscosity in the view
// stays when the density changes, and the Reynolds number, K and the uncorrected velocity
// follow the kinematic viscosity. Water at 1 m/s with the volume held and -30 t/h: the
// density becomes 1061.033 kg/m³ from the mass flow, and the other viscosity follows.
TEST_F(MeasuringPointTest, ViscosityCouplingAfterEveryInput)
{
    const struct {
        bool dynamicShown;
        THold hold;
        TQuantity input;  // Pressure with medium 10045 first; no text: the medium choice
        const char* text;
        const char* otherViscosity;  // the edit of the viscosity not shown, when checked
        const char* reynolds;
    } rows[] = {
        {false, THold::Volume, TQuantity::MassFlow, "-30", "1.05", "101,297.0 "},
        {true, THold::Volume, TQuantity::MassFlow, "-30", "0.93", "107,608.4 "},
        {false, THold::CrossSection, TQuantity::MassFlow, "-30", "0.99", nullptr},
        {true, THold::Velocity, TQuantity::MassFlow, "30", "0.99", nullptr},
        {false, THold::CrossSection, TQuantity::Velocity, "2", nullptr, "202,593.9 "},
        {true, THold::Velocity, TQuantity::VolumeFlow, "50", nullptr, nullptr},
        {false, THold::CrossSection, TQuantity::Density, "1200", "1.18", nullptr},
        {true, THold::CrossSection, TQuantity::Density, "1200", "0.82", "121,702.3 "},
        {false, THold::CrossSection, TQuantity::KinViscosity, "2", "2.00", "50,000.0 "},
        {true, THold::CrossSection, TQuantity::DynViscosity, "2", "2.00", "49,940.0 "},
        {false, THold::Volume, TQuantity::Temperature, "60", nullptr, nullptr},
        {true, THold::Volume, TQuantity::Temperature, "60", nullptr, nullptr},
        {false, THold::CrossSection, TQuantity::Pressure, "100", nullptr, nullptr},
        {true, THold::CrossSection, TQuantity::Pressure, "100", nullptr, nullptr},
        {false, THold::CrossSection, TQuantity::Pressure, nullptr, nullptr, nullptr},
        {true, THold::CrossSection, TQuantity::Pressure, nullptr, nullptr, nullptr},
    };
    for (const auto& r : rows) {
        point.SetStandardValues();
        point.SetDynViscosityVisible(r.dynamicShown);
        point.ClickHold(r.hold, true);
        const double shown = r.dynamicShown ? point.DynViscosity() : point.KinViscosity();
        if (r.input == TQuantity::Pressure)
            point.SelectMedium(10045);
        if (r.text) {
            ASSERT_TRUE(Commit(r.input, r.text).Stored) << r.text;
        }
        SCOPED_TRACE(testing::Message() << r.dynamicShown << ' ' << int(r.input) << ' ' << (r.text ? r.text : "-"));
        EXPECT_NEAR(point.DynViscosity(), point.KinViscosity() * point.Density(), 1e-12 * point.DynViscosity());
        const bool flowOrDensity = r.input <= TQuantity::MassFlow || r.input == TQuantity::Density;
        EXPECT_TRUE(!flowOrDensity || (r.dynamicShown ? point.DynViscosity() : point.KinViscosity()) == shown);
        const QString other = Edit(r.dynamicShown ? TQuantity::KinViscosity : TQuantity::DynViscosity);
        EXPECT_TRUE(!r.otherViscosity || other == QString::fromUtf8(r.otherViscosity)) << other.toStdString();
        double factor = 0.0, reynolds = 0.0, raw = 0.0;
        SolveProfileCorrection(factor, reynolds, raw, point.Velocity(), point.InnerDiameter(), point.KinViscosity(),
                               point.Roughness(), point.ReynoldsLam(), point.ReynoldsTurb());
        EXPECT_EQ(point.Reynolds(), reynolds);
        EXPECT_EQ(point.ProfileFactor(), factor);
        EXPECT_EQ(point.UncorrectedVelocity(), raw);
        EXPECT_TRUE(!r.reynolds || Pane().Reynold == QString::fromUtf8(r.reynolds)) << Pane().Reynold.toStdString();
    }
}

// A typed property makes the medium the user's own; the other medium has no record, so
// choosing it changes nothing.
TEST_F(MeasuringPointTest, TypedPropertyReleasesTheMedium)
{
    for (const TQuantity q : {TQuantity::Density, TQuantity::KinViscosity, TQuantity::DynViscosity}) {
        point.SetStandardValues();
        EXPECT_TRUE(Commit(q, "1.5").Stored);
        EXPECT_EQ(point.GetMediumId(), 10000) << int(q);
    }
    const double density = point.Density();
    point.SelectMedium(10000);
    EXPECT_EQ(point.Density(), density);
}

TEST_F(MeasuringPointTest, EnteringAHeldEditReleasesIt)
{
    point.ClickHold(THold::Velocity, true);
    const TMarkerState m = point.EnterControl(TFocusTarget::Velocity);
    EXPECT_EQ(point.Hold(), THold::CrossSection);
    EXPECT_FALSE(point.ReadOnly(TQuantity::Velocity));
    EXPECT_TRUE(point.ReadOnly(TQuantity::InnerDiameter));
    EXPECT_EQ(m.INP_veloc, TEditColor::Focused);
    EXPECT_EQ(point.MarkerCount(), 2);
    point.EnterControl(TFocusTarget::CrossSection);
    EXPECT_EQ(point.Hold(), THold::Volume);
    point.EnterControl(TFocusTarget::Volume);
    EXPECT_EQ(point.Hold(), THold::CrossSection);

    // The standard values check the cross-section hold; the focused edit keeps its markers.
    point.ClickHold(THold::Velocity, true);
    point.AnyEditGetFocus(TFocusTarget::Volume);
    point.SetStandardValues();
    EXPECT_EQ(point.Hold(), THold::CrossSection);
    EXPECT_EQ(point.Markers(), ComputeMarkers(TFocusTarget::Volume, THold::CrossSection));
    EXPECT_EQ(point.Markers().INP_Volume, TEditColor::Focused);
}

TEST_F(MeasuringPointTest, VelocityIsRoundedAndUnitsKeepTheValue)
{
    point.SelectUnit(TQuantity::Velocity, 2);  // mm/s
    const std::pair<const char*, double> rows[] = {{"1.4", 1.0}, {"2.5", 2.0}, {"3.5", 4.0}, {"-0.4", 0.0}};
    for (const auto& [text, stored] : rows) {
        Commit(TQuantity::Velocity, text);
        EXPECT_EQ(point.Velocity(), stored) << text;
    }
    EXPECT_EQ(Edit(TQuantity::Velocity), QStringLiteral("0"));
    point.SetStandardValues();
    const struct {
        TQuantity q;
        int unit;
        const char* text;
    } units[] = {{TQuantity::Velocity, 1, "100.0"}, {TQuantity::Velocity, 3, "39.37"}, {TQuantity::Velocity, 4, "3.281"},
                 {TQuantity::Velocity, 5, "3.281"},  // no such unit
                 {TQuantity::VolumeFlow, 15, "678.584"}, {TQuantity::Temperature, 1, "68.0"}};
    for (const auto& u : units) {
        point.SelectUnit(u.q, u.unit);
        EXPECT_EQ(Edit(u.q), QString::fromUtf8(u.text)) << u.text;
        EXPECT_FALSE(point.CommitEdit(u.q, Edit(u.q)).Stored);
    }
    EXPECT_EQ(point.Velocity(), 1000.0);
    EXPECT_EQ(Pane().Veloc, QStringLiteral("3.493 fps"));
}

// A range, syntax or recalculation error stores nothing, beeps and shows its message in red
// beside the edit; Esc drops the message with the typed text.
TEST_F(MeasuringPointTest, RejectedInputStoresNothing)
{
    const struct {
        THold hold;
        TQuantity q;
        int unit;  // -1: the standard unit
        const char* text;
        const char* message;
    } rows[] = {
        {THold::Volume, TQuantity::InnerDiameter, -1, "0.05", "MIN: 0.1 "},
        {THold::Volume, TQuantity::InnerDiameter, 3, "0.001", "MIN: 0.003937007874 "},  // inch
        {THold::Volume, TQuantity::InnerDiameter, 3, "800", "MAX: 787.4015748 "},
        {THold::Volume, TQuantity::InnerDiameter, -1, "", "MIN: 0.1 "},
        {THold::Volume, TQuantity::Temperature, 1, "-330", "MIN: -328 "},  // °F
        {THold::CrossSection, TQuantity::Velocity, -1, "abc", "SYNTAX ERROR "},
        {THold::CrossSection, TQuantity::Roughness, -1, "200", "MAX: 100 "},
        // Divisions by zero and a negative or zero density or cross-section.
        {THold::Volume, TQuantity::Velocity, -1, "0", "INVALID VALUE "},
        {THold::Volume, TQuantity::MassFlow, -1, "0", "INVALID VALUE "},
        {THold::Velocity, TQuantity::VolumeFlow, -1, "-28", "INVALID VALUE "},
        {THold::Velocity, TQuantity::VolumeFlow, -1, "0", "INVALID VALUE "},
        {THold::Velocity, TQuantity::MassFlow, -1, "0", "INVALID VALUE "},
    };
    for (const auto& r : rows) {
        point.SetStandardValues();
        point.ClickHold(r.hold, true);
        if (r.unit >= 0)
            point.SelectUnit(r.q, r.unit);
        const TPointSnapshot before = point.Snapshot();
        ResetMessageBeepCount();
        const TInputResult result = Commit(r.q, r.text);
        SCOPED_TRACE(r.text);
        EXPECT_FALSE(result.Accepted);
        EXPECT_TRUE(result.FocusBack);
        EXPECT_EQ(result.ReplaceEmptyText, *r.text == 0);
        EXPECT_EQ(result.Message, QString::fromUtf8(r.message));
        EXPECT_EQ(Panel(PanelOf(r.q)), (TPanelText{result.Message, PanelRed}));
        EXPECT_EQ(MessageBeepCount(), 1);
        EXPECT_EQ(point.Snapshot().EditTexts, before.EditTexts);
        EXPECT_EQ(point.GetMediumId(), 10001);
        point.DiscardInput(r.q);
        EXPECT_EQ(Panel(PanelOf(r.q)), before.Panels[static_cast<int>(PanelOf(r.q))]);
    }
    // An empty velocity is 0; the edit then shows "0".
    EXPECT_TRUE(Commit(TQuantity::Velocity, "").ReplaceEmptyText);
    EXPECT_EQ(point.Velocity(), 0.0);
    // Leaving the edit with its shown text clears the message too.
    Commit(TQuantity::Roughness, "200");
    EXPECT_TRUE(Commit(TQuantity::Roughness, "0.100").Accepted);
    EXPECT_EQ(Panel(TPanel::Rauh), (TPanelText{QStringLiteral("0.100 mm"), PanelBlack}));
    // With the velocity held at 0 the pipe cannot follow a flow, but a temperature still
    // updates the density.
    point.ClickHold(THold::Velocity, true);
    EXPECT_TRUE(Commit(TQuantity::Temperature, "50").Stored);
    EXPECT_LT(point.Density(), 0.99);
}

// Water with the volume held: a mass flow of 30 t/h gives the point a density of its own
// (1061 kg/m³; the medium stays water). Leaving the temperature or pressure, changed or
// not, or with a rejected text, takes the library's density again and recomputes the mass
// flow; the temperature itself keeps its full precision.
TEST_F(MeasuringPointTest, LeavingTemperatureOrPressureTakesTheMediumAgain)
{
    const struct {
        TQuantity quantity;
        const char* text;
        bool accepted;
    } rows[] = {
        {TQuantity::Temperature, "20.1", true},   // shown text of 20.123 °C
        {TQuantity::Temperature, "20.10", true},  // the same value
        {TQuantity::Temperature, "-250", false},
        {TQuantity::Pressure, "1.0", true},
    };
    for (const auto& row : rows) {
        point.SetStandardValues();
        ASSERT_TRUE(point.ApplyValue(TQuantity::Temperature, 20.123).Stored);
        point.ClickHold(THold::Volume, true);
        ASSERT_TRUE(Commit(TQuantity::MassFlow, "30").Stored);
        ASSERT_EQ(Edit(TQuantity::Density), QStringLiteral("1061"));
        ASSERT_EQ(point.GetMediumId(), 10001);

        EXPECT_EQ(Commit(row.quantity, row.text).Accepted, row.accepted) << row.text;
        EXPECT_EQ(point.Temperature(), 20.123) << row.text;
        EXPECT_EQ(point.Density(), LibraryDensity(10001, 20.123)) << row.text;
        EXPECT_DOUBLE_EQ(point.MassFlow(), point.VolumeFlow() * point.Density()) << row.text;
        EXPECT_EQ(point.GetMediumId(), 10001) << row.text;
    }
}

TEST_F(MeasuringPointTest, MediumAndMaterialChoice)
{
    // The pressure group shows for media whose density, viscosity or sound speed depends on
    // the pressure.
    const std::pair<int, bool> media[] = {{10045, true}, {10001, false}, {10048, true}};
    for (const auto& [id, pressureGroup] : media) {
        point.SelectMedium(id);
        EXPECT_EQ(point.Snapshot().PressureGroupVisible, pressureGroup) << id;
    }
    point.SelectMedium(10045);
    EXPECT_TRUE(Commit(TQuantity::Temperature, "40").Stored);
    EXPECT_TRUE(Commit(TQuantity::Pressure, "100").Stored);
    EXPECT_NEAR(point.Density(), 0.863315, 0.0000005);
    EXPECT_NEAR(point.KinViscosity(), 35.9594, 0.00005);
    // Unknown choices fall back on the other entry.
    const std::pair<int, int> chosen[] = {{10030, 10000}, {15, 0}, {9, 9}, {-3, 0}};
    for (const auto& [id, selected] : chosen) {
        if (id >= 10000)
            point.SelectMedium(id);
        else
            point.SelectMaterial(id);
        EXPECT_EQ(id >= 10000 ? point.GetMediumId() : point.GetMaterialId(), selected) << id;
    }
    point.SelectMaterial(9);
    EXPECT_EQ(Edit(TQuantity::Roughness), QStringLiteral("3.000"));
    point.SetOemVariant(true);
    point.SelectMedium(10009);
    EXPECT_EQ(point.GetMediumId(), 10000);
    EXPECT_EQ(TMeasuringPoint::ListedMediumIds(true).size(), 25u);  // with the other medium
    EXPECT_EQ(TMeasuringPoint::ListedMaterialIds().size(), 25u);
}

// A medium outside the range of its library data (acetone at 280 °C: density and viscosity;
// CaCl2 -45 °C brine at 150 °C: the viscosity) keeps its last values, marked invalid, and
// nothing that rests on them looks valid.
TEST_F(MeasuringPointTest, StalePropertiesGiveNoValidLookingResults)
{
    const struct {
        int medium;
        const char* temperature;
        bool densityInvalid;
    } rows[] = {{10005, "280", true}, {10015, "150", false}};
    const TPanelText invalid{QStringLiteral("INVALID VALUE "), PanelRed};
    for (const auto& row : rows) {
        point.SetStandardValues();
        point.SelectMedium(row.medium);
        const double density = point.Density();
        const double viscosity = point.KinViscosity();
        ResetMessageBeepCount();
        ASSERT_TRUE(Commit(TQuantity::Temperature, row.temperature).Stored);
        EXPECT_EQ(point.DensityInvalid(), row.densityInvalid) << row.medium;
        EXPECT_TRUE(point.ViscosityInvalid()) << row.medium;
        EXPECT_EQ(MessageBeepCount(), 1);
        EXPECT_TRUE(Commit(TQuantity::Temperature, row.temperature).Accepted);
        EXPECT_EQ(MessageBeepCount(), 1);  // no new beep while nothing changed
        EXPECT_EQ(point.KinViscosity(), viscosity);
        EXPECT_TRUE(!row.densityInvalid || point.Density() == density);

        // The result pane shows the failed calculation.
        const TPointSnapshot s = point.Snapshot();
        EXPECT_EQ(s.Result, FailedPane());
        EXPECT_EQ(s.Panels[static_cast<int>(TPanel::ViskDYN)], invalid);
        EXPECT_EQ(s.Panels[static_cast<int>(TPanel::Dichte)] == invalid, row.densityInvalid);
        EXPECT_EQ(s.Panels[static_cast<int>(TPanel::MassFl)] == invalid, row.densityInvalid);

        // No mass flow from a stale density: not from a new volume flow, and a mass flow
        // gives no volume flow.
        const double mass = point.MassFlow();
        EXPECT_TRUE(Commit(TQuantity::VolumeFlow, "50").Stored);
        EXPECT_EQ(point.MassFlow() == mass, row.densityInvalid);
        EXPECT_EQ(Commit(TQuantity::MassFlow, "10").Accepted, !row.densityInvalid);

        // A typed density makes the medium the user's own, but does not vouch for the
        // viscosity the library never gave.
        EXPECT_TRUE(Commit(TQuantity::Density, "700").Stored);
        EXPECT_TRUE(point.GetMediumId() == 10000 && !point.DensityInvalid() && point.ViscosityInvalid());
        EXPECT_TRUE(point.ResultFail());
        EXPECT_DOUBLE_EQ(point.MassFlow(), point.VolumeFlow() * 0.7);
        // A typed viscosity does.
        EXPECT_TRUE(Commit(TQuantity::KinViscosity, "0.5").Stored);
        EXPECT_FALSE(point.ViscosityInvalid() || point.ResultFail());
    }
    // Back in range, the library's values count again.
    point.SelectMedium(10005);
    EXPECT_TRUE(Commit(TQuantity::Temperature, "20").Stored);
    EXPECT_FALSE(point.DensityInvalid() || point.ViscosityInvalid() || point.ResultFail());
}

// A calibration factor that the profile model cannot give is a failed calculation: the
// result pane says so and hides its values.
TEST_F(MeasuringPointTest, FailedProfileCalculationHidesTheResults)
{
    const struct {
        const char* what;
        const char* diameter;   // mm
        const char* roughness;  // mm
        const char* velocity;   // m/s
    } rows[] = {
        {"K below 0: roughness of five diameters", "1", "4.885", "1000"},
        {"K 2.014: 100 mm on a 10 mm bore", "10", "100", "1"},
    };
    for (const auto& row : rows) {
        point.SetStandardValues();
        point.ClickHold(THold::Volume, true);
        ASSERT_TRUE(Commit(TQuantity::InnerDiameter, row.diameter).Stored);
        ASSERT_TRUE(Commit(TQuantity::Roughness, row.roughness).Stored);
        point.ClickHold(THold::CrossSection, true);
        Commit(TQuantity::Velocity, row.velocity);
        EXPECT_EQ(Pane(), FailedPane()) << row.what;
        EXPECT_TRUE(Commit(TQuantity::Roughness, "0").Stored);
        EXPECT_TRUE(!point.ResultFail() && Pane().ValuesVisible) << row.what;
    }
}

// The caption says laminar below Re 2320 and turbulent from it on, whatever the limits; the
// limits are the point's own, stored as the dialog's boxes show them.
TEST_F(MeasuringPointTest, LaminarCaptionAndReynoldsLimits)
{
    point.SelectUnit(TQuantity::Velocity, 2);  // mm/s
    ASSERT_TRUE(Commit(TQuantity::KinViscosity, "10").Stored);
    const std::pair<const char*, const char*> rows[] = {
        {"231", "---- LAMINARE STRÖMUNG ---"},  // Re 2310
        {"232", "--- TURBOLENTE STRÖMUNG --"},  // Re 2320
    };
    for (const auto& [velocity, caption] : rows) {
        ASSERT_TRUE(Commit(TQuantity::Velocity, velocity).Stored);
        EXPECT_EQ(Pane().LamiTurbo, QString::fromUtf8(caption)) << velocity;
    }
    ASSERT_EQ(point.Reynolds(), LaminarReynoldsThreshold);
    point.SetStandardValues();
    point.SelectUnit(TQuantity::Velocity, 2);
    Commit(TQuantity::Velocity, "20");
    EXPECT_EQ(Pane().Kalfaktor, QStringLiteral("0.803 "));
    point.SetReynoldsLimits(2320.0, 2320.0);
    EXPECT_EQ(Pane().Kalfaktor, QStringLiteral("0.750 "));
    EXPECT_EQ(point.FormatUncorrectedVelocity(), QStringLiteral("27"));
    point.SetReynoldsLimits(0.0, 1e9);
    EXPECT_EQ(point.ReynoldsLam(), 1.0);
    EXPECT_EQ(point.ReynoldsTurb(), 100000000.0);
    point.SetStandardValues();
    EXPECT_EQ(point.ReynoldsTurb(), 6000.0);
}

TEST_F(MeasuringPointTest, DialogValuesKeepFullPrecision)
{
    EXPECT_TRUE(point.ApplyValue(TQuantity::Velocity, 10.13).Stored);
    EXPECT_EQ(point.Velocity(), 10.0);
    EXPECT_TRUE(point.ApplyPipeGeometry(123.456, 4.0, 1.5).Stored);
    EXPECT_DOUBLE_EQ(point.GetInnerDiameterMm(), 123.456);
    EXPECT_EQ(point.LiningThickness, 1.5);
    EXPECT_EQ(point.Hold(), THold::CrossSection);
    point.ClickHold(THold::Volume, true);
    EXPECT_FALSE(point.ApplyValue(TQuantity::Velocity, 0.0).Accepted);
    EXPECT_EQ(point.ApplyValue(TQuantity::InnerDiameter, 200001.0).Message, QStringLiteral("MAX: 20000 "));
    // A pipe dialog's diameter out of range is refused; its wall and lining are taken.
    EXPECT_FALSE(point.ApplyPipeGeometry(0.05, 5.0, 2.0).Accepted);
    EXPECT_DOUBLE_EQ(point.InnerDiameter(), 1234.56);
    EXPECT_EQ(point.WallThickness, 5.0);
    EXPECT_EQ(point.Hold(), THold::CrossSection);
}

TEST_F(MeasuringPointTest, RecordRoundTripsAndALoadHoldsThePipe)
{
    point.SelectMedium(10005);
    point.SelectMaterial(9);
    ASSERT_TRUE(Commit(TQuantity::Temperature, "40").Stored);
    point.SelectUnit(TQuantity::VolumeFlow, 15);
    point.SetDynViscosityVisible(true);
    point.SetReynoldsLimits(1500.0, 5000.0);
    point.ClickHold(THold::Velocity, true);
    ASSERT_TRUE(Commit(TQuantity::VolumeFlow, "1000").Stored);
    point.SensorType = 7;
    const TMeasuringPointRecord saved = point.Record();
    TMeasuringPoint loaded;
    ASSERT_TRUE(loaded.Apply(saved));
    TMeasuringPointRecord again = loaded.Record();
    // A load holds the pipe and takes the volume flow; the rest comes back as it was.
    EXPECT_EQ(again.Hold, THold::CrossSection);
    EXPECT_TRUE(loaded.Snapshot().Markers.ResIs_Veloc);
    EXPECT_DOUBLE_EQ(again.MassFlow, saved.MassFlow);
    EXPECT_DOUBLE_EQ(again.InnerDiameterMm, saved.InnerDiameterMm);
    EXPECT_EQ(std::tie(again.MediumId, again.MaterialId, again.Temperature, again.Density, again.VolumeFlow,
                       again.Velocity, again.Units, again.ReynoldsLam, again.SensorType, again.DynViscosityVisible),
              std::tie(saved.MediumId, saved.MaterialId, saved.Temperature, saved.Density, saved.VolumeFlow,
                       saved.Velocity, saved.Units, saved.ReynoldsLam, saved.SensorType, saved.DynViscosityVisible));
    // The other medium takes its own values; a library medium takes the library's.
    TMeasuringPointRecord own = saved;
    own.MediumId = 10000;
    own.Density = 0.5;
    own.DynViscosity = 1.0;
    own.SensorType = 256;
    ASSERT_TRUE(loaded.Apply(own));
    EXPECT_EQ(loaded.Density(), 0.5);
    EXPECT_DOUBLE_EQ(loaded.KinViscosity(), 2.0);
    EXPECT_EQ(loaded.SensorType, 0);
    own.MediumId = 10001;
    ASSERT_TRUE(loaded.Apply(own));
    EXPECT_EQ(loaded.Density(), LibraryDensity(10001, saved.Temperature));
}

TEST_F(MeasuringPointTest, ARecordThatCannotBeTakenChangesNothing)
{
    using R = TMeasuringPointRecord;
    const struct {
        const char* field;
        std::function<void(R&)> spoil;
    } rows[] = {
        {"Temperature", [](R& r) { r.Temperature = 301.0; }},
        {"Pressure", [](R& r) { r.Pressure = NAN; }},
        {"InnerDiameterMm", [](R& r) { r.InnerDiameterMm = 0.05; }},
        {"Roughness", [](R& r) { r.Roughness = -1.0; }},
        {"Units", [](R& r) { r.Units[QuantityIndex(TQuantity::VolumeFlow)] = 23; }},
        {"Density", [](R& r) { r.MediumId = 10000; r.Density = 0.0; }},
        {"WallThickness", [](R& r) { r.WallThickness = -3.0; }},
        {"SoundPaths", [](R& r) { r.SoundPaths = -1; }},
        {"VolumeFlow", [](R& r) { r.VolumeFlow = INFINITY; }},
    };
    point.SelectMaterial(9);
    const TMeasuringPointRecord before = point.Record();
    for (const auto& row : rows) {
        TMeasuringPointRecord spoiled = before;
        spoiled.MaterialId = 3;
        row.spoil(spoiled);
        QString error;
        EXPECT_FALSE(point.Apply(spoiled, &error)) << row.field;
        EXPECT_EQ(error, QString::fromLatin1(row.field));
        EXPECT_EQ(point.GetMaterialId(), 9) << row.field;
        EXPECT_EQ(point.Record().VolumeFlow, before.VolumeFlow) << row.field;
    }
}

TEST_F(MeasuringPointTest, NoInputEverShowsInfinityOrNaN)
{
    std::mt19937 random(4711);
    const char* texts[] = {"0",    "-0",    "1",      "-1",  "1e38", "-1e38", "1e20", "-1e20", "1e-30", "3.5",
                           "0.001", "1000", "200000", "600", "0.5",  "-200",  "300",  "abc",   "",      "1e-5"};
    std::uniform_int_distribution<int> pickText(0, std::size(texts) - 1);
    std::uniform_int_distribution<int> pickQuantity(0, QuantityCount - 1);
    std::uniform_int_distribution<int> pickHold(1, 3);
    std::uniform_int_distribution<int> pick(0, 9);
    auto bad = [](const QString& text) {
        return text.contains(QStringLiteral("inf"), Qt::CaseInsensitive)
               || text.contains(QStringLiteral("nan"), Qt::CaseInsensitive);
    };
    const std::vector<int> media = TMeasuringPoint::ListedMediumIds(false);
    for (int i = 0; i < 3000; ++i) {
        const auto q = static_cast<TQuantity>(pickQuantity(random));
        switch (pick(random)) {
        case 0:
            point.ClickHold(static_cast<THold>(pickHold(random)), true);
            break;
        case 1:
            point.SelectUnit(q, pick(random) % UnitCount(q));
            break;
        case 2:
            point.SelectMedium(media[random() % media.size()]);
            break;
        case 3: {
            const double values[] = {0.0, -1.0, 1e300, -1e300, NAN, INFINITY, 1e-300, 42.0};
            point.ApplyValue(q, values[random() % std::size(values)]);
            break;
        }
        default:
            point.CommitEdit(q, QString::fromUtf8(texts[pickText(random)]));
            break;
        }
        const TPointSnapshot s = point.Snapshot();
        for (int k = 0; k < QuantityCount; ++k) {
            ASSERT_TRUE(std::isfinite(point.Value(static_cast<TQuantity>(k)))) << i;
            ASSERT_FALSE(bad(s.EditTexts[k])) << s.EditTexts[k].toStdString();
        }
        for (const TPanelText& panel : s.Panels)
            ASSERT_FALSE(bad(panel.Caption));
        if (s.Result.ValuesVisible) {
            ASSERT_FALSE(bad(s.Result.Veloc) || bad(s.Result.Kalfaktor) || bad(s.Result.Reynold));
        }
        ASSERT_GT(point.CrossSection(), 0.0);
        ASSERT_GT(point.Density(), 0.0);
    }
}

} // namespace
