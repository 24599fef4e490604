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

    EXPECT_NEAR(point.CrossSection(), 7853.98, 0.005);
    EXPECT_NEAR(point.VolumeFlow(), 7853981.6, 0.05);
    // The library's values are kept with full precision.
    EXPECT_EQ(point.Density(), LibraryDensity(10001, 20.0));
    EXPECT_NEAR(point.KinViscosity(), 0.987196, 0.0000005);
    EXPECT_DOUBLE_EQ(point.MassFlow(), point.VolumeFlow() * point.Density());

    EXPECT_FALSE(point.ResultFail() || point.Laminar());
    EXPECT_TRUE(s.Result.ValuesVisible);
    EXPECT_EQ(s.Result.LamiTurbo, QStringLiteral("--- TURBOLENTE STRÖMUNG --"));
    EXPECT_EQ(s.Result.Reynold, QStringLiteral("101,297.0 "));
    EXPECT_EQ(s.Result.Reynold2, s.Result.Reynold);
    EXPECT_EQ(s.Result.Kalfaktor, QStringLiteral("0.939 "));
    EXPECT_EQ(s.Result.Veloc, QStringLiteral("1.065 m/s"));

    EXPECT_EQ(s.Hold, THold::CrossSection);
    EXPECT_TRUE(s.ReadOnly[QuantityIndex(TQuantity::InnerDiameter)]);
    // Medium, material, wall and lining: see the standard point's file text.
    EXPECT_FALSE(s.PressureGroupVisible);
    EXPECT_EQ(s.Markers.BackColor, 0xC0C0C0u);
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
        EXPECT_TRUE(r.Accepted);
        EXPECT_FALSE(r.Stored);
    }
    // The same value in another spelling keeps the precise value and the medium.
    EXPECT_FALSE(Commit(TQuantity::Density, "999.0").Stored);
    EXPECT_FALSE(Commit(TQuantity::VolumeFlow, "28.2740").Stored);
    EXPECT_EQ(Edit(TQuantity::VolumeFlow), QStringLiteral("28.274"));
    EXPECT_EQ(point.Density(), LibraryDensity(10001, 20.0));
    EXPECT_EQ(point.GetMediumId(), 10001);
    EXPECT_EQ(MessageBeepCount(), 0);
}

TEST_F(MeasuringPointTest, TypedDensityReleasesTheMedium)
{
    EXPECT_TRUE(Commit(TQuantity::Density, "1200").Stored);
    EXPECT_EQ(point.Density(), 1.2);
    EXPECT_EQ(point.Snapshot().MediumId, 10000);
    EXPECT_DOUBLE_EQ(point.MassFlow(), point.VolumeFlow() * 1.2);
    EXPECT_DOUBLE_EQ(point.DynViscosity(), point.KinViscosity() * 1.2);
    // The other medium has no record: choosing it changes nothing.
    point.SelectMedium(10000);
    EXPECT_EQ(point.Density(), 1.2);
}

// Which viscosity gives way to a typed density is the menu's choice: the one in the edit
// stays.
TEST_F(MeasuringPointTest, DensityKeepsTheViscosityTheMenuShows)
{
    for (const bool dynamicShown : {false, true}) {
        point.SetStandardValues();
        point.SetDynViscosityVisible(dynamicShown);
        const double kin = point.KinViscosity();
        const double dyn = point.DynViscosity();
        EXPECT_TRUE(Commit(TQuantity::Density, "2000").Stored);
        EXPECT_EQ(point.KinViscosity() == kin, !dynamicShown) << dynamicShown;
        EXPECT_EQ(point.DynViscosity() == dyn, dynamicShown) << dynamicShown;
        EXPECT_DOUBLE_EQ(point.DynViscosity(), point.KinViscosity() * 2.0);
    }
    Commit(TQuantity::DynViscosity, "3");
    EXPECT_DOUBLE_EQ(point.KinViscosity(), 1.5);
}

TEST_F(MeasuringPointTest, HoldRules)
{
    // Cross-section held: a volume flow changes the velocity only.
    EXPECT_TRUE(Commit(TQuantity::VolumeFlow, "56.549").Stored);
    EXPECT_EQ(point.Velocity(), 2000.0);
    EXPECT_EQ(point.InnerDiameter(), 1000.0);
    EXPECT_EQ(Edit(TQuantity::Velocity), QStringLiteral("2.000"));
    EXPECT_DOUBLE_EQ(point.MassFlow(), point.VolumeFlow() * point.Density());

    // Velocity held: it changes cross-section and inner diameter.
    point.ClickHold(THold::Velocity, true);
    EXPECT_TRUE(Commit(TQuantity::VolumeFlow, "113.098").Stored);
    EXPECT_EQ(point.Velocity(), 2000.0);
    EXPECT_NEAR(point.CrossSection(), 15708.0, 0.5);
    EXPECT_EQ(Edit(TQuantity::InnerDiameter), QStringLiteral("141.4"));

    // Volume held: a mass flow changes the density, |mass / volume|.
    point.ClickHold(THold::Volume, true);
    const double volume = point.VolumeFlow();
    EXPECT_TRUE(Commit(TQuantity::MassFlow, "-226.196").Stored);
    EXPECT_EQ(point.VolumeFlow(), volume);
    EXPECT_NEAR(point.Density(), 2.0, 0.00001);
    EXPECT_LT(point.MassFlow(), 0.0);

    // Volume held: a velocity changes the pipe.
    EXPECT_TRUE(Commit(TQuantity::Velocity, "4").Stored);
    EXPECT_EQ(point.VolumeFlow(), volume);
    EXPECT_NEAR(point.CrossSection(), 7854.0, 0.5);

    // Volume held: a diameter changes the velocity, the mass flow stays.
    const double mass = point.MassFlow();
    EXPECT_TRUE(Commit(TQuantity::InnerDiameter, "50").Stored);
    EXPECT_EQ(point.VolumeFlow(), volume);
    EXPECT_EQ(point.MassFlow(), mass);
    EXPECT_EQ(point.Velocity(), 16000.0);

    // Cross-section held: a velocity changes volume and mass flow.
    point.ClickHold(THold::CrossSection, true);
    EXPECT_TRUE(Commit(TQuantity::Velocity, "3").Stored);
    EXPECT_DOUBLE_EQ(point.VolumeFlow(), 3000.0 * point.CrossSection());
    EXPECT_DOUBLE_EQ(point.MassFlow(), point.VolumeFlow() * point.Density());

    // Velocity held: the diameter changes volume and mass flow.
    point.ClickHold(THold::Velocity, true);
    EXPECT_TRUE(Commit(TQuantity::InnerDiameter, "200").Stored);
    EXPECT_EQ(point.Velocity(), 3000.0);
    EXPECT_NEAR(point.VolumeFlow(), 3000.0 * 31415.9265, 0.5);
    EXPECT_DOUBLE_EQ(point.MassFlow(), point.VolumeFlow() * point.Density());
}

TEST_F(MeasuringPointTest, MassAndDensityRules)
{
    // Volume free: a mass flow gives the volume flow, and the volume flow the velocity.
    EXPECT_TRUE(Commit(TQuantity::MassFlow, "56.48").Stored);
    EXPECT_DOUBLE_EQ(point.VolumeFlow(), 56.48 / 3.6e-6 / point.Density());
    EXPECT_EQ(point.Velocity(), 2000.0);
    EXPECT_EQ(Edit(TQuantity::Velocity), QStringLiteral("2.000"));

    // Volume held: a density changes the mass flow only.
    point.ClickHold(THold::Volume, true);
    const double volume = point.VolumeFlow();
    EXPECT_TRUE(Commit(TQuantity::Density, "500").Stored);
    EXPECT_EQ(point.VolumeFlow(), volume);
    EXPECT_EQ(point.Velocity(), 2000.0);
    EXPECT_DOUBLE_EQ(point.MassFlow(), volume * 0.5);
}

TEST_F(MeasuringPointTest, EnteringAHeldEditReleasesIt)
{
    point.ClickHold(THold::Velocity, true);
    EXPECT_TRUE(point.ReadOnly(TQuantity::Velocity));
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

    // The standard values click the cross-section hold: the markers go.
    point.ClickHold(THold::Velocity, true);
    point.AnyEditGetFocus(TFocusTarget::Volume);
    EXPECT_EQ(point.Snapshot().Markers.INP_veloc, TEditColor::Held);
    EXPECT_EQ(point.MarkerCount(), 3);
    point.SetStandardValues();
    EXPECT_EQ(point.Hold(), THold::CrossSection);
    EXPECT_EQ(point.Snapshot().Markers, TMarkerState());
}

TEST_F(MeasuringPointTest, VelocityIsRoundedHalvesToEven)
{
    point.SelectUnit(TQuantity::Velocity, 2);  // mm/s
    const std::pair<const char*, double> rows[] = {{"1.4", 1.0}, {"2.5", 2.0}, {"3.5", 4.0}, {"-0.4", 0.0}};
    for (const auto& [text, stored] : rows) {
        Commit(TQuantity::Velocity, text);
        EXPECT_EQ(point.Velocity(), stored) << text;
    }
    EXPECT_EQ(Edit(TQuantity::Velocity), QStringLiteral("0"));
}

TEST_F(MeasuringPointTest, UnitSwitchingKeepsTheValue)
{
    point.SelectUnit(TQuantity::Velocity, 1);
    EXPECT_EQ(Edit(TQuantity::Velocity), QStringLiteral("100.0"));
    EXPECT_EQ(Pane().Veloc, QStringLiteral("106.5 cm/s"));

    point.SelectUnit(TQuantity::Velocity, 3);
    EXPECT_EQ(Edit(TQuantity::Velocity), QStringLiteral("39.37"));
    point.SelectUnit(TQuantity::Velocity, 4);
    EXPECT_EQ(Edit(TQuantity::Velocity), QStringLiteral("3.281"));
    EXPECT_EQ(point.Velocity(), 1000.0);
    point.SelectUnit(TQuantity::Velocity, 5);  // no such unit
    EXPECT_EQ(point.UnitIndex(TQuantity::Velocity), 4);

    point.SelectUnit(TQuantity::VolumeFlow, 15);  // m³/day
    EXPECT_EQ(Edit(TQuantity::VolumeFlow), QStringLiteral("678.584"));
    point.SelectUnit(TQuantity::Temperature, 1);
    EXPECT_EQ(Edit(TQuantity::Temperature), QStringLiteral("68.0"));
    const double volume = point.VolumeFlow();
    EXPECT_FALSE(point.CommitEdit(TQuantity::VolumeFlow, Edit(TQuantity::VolumeFlow)).Stored);
    EXPECT_EQ(point.VolumeFlow(), volume);
}

TEST_F(MeasuringPointTest, RangeAndSyntaxErrors)
{
    const double d = point.InnerDiameter();
    TInputResult r = Commit(TQuantity::InnerDiameter, "0.05");
    EXPECT_FALSE(r.Accepted);
    EXPECT_EQ(r.Message, QStringLiteral("MIN: 0.1 "));
    EXPECT_EQ(r.Panel, TPanel::IDM);
    EXPECT_TRUE(r.FocusBack);
    EXPECT_EQ(Panel(TPanel::IDM), (TPanelText{QStringLiteral("MIN: 0.1 "), PanelRed}));
    EXPECT_EQ(MessageBeepCount(), 1);
    EXPECT_EQ(point.InnerDiameter(), d);

    // Limits follow the selected unit.
    point.SelectUnit(TQuantity::InnerDiameter, 3);  // inch
    EXPECT_EQ(Commit(TQuantity::InnerDiameter, "0.001").Message, QStringLiteral("MIN: 0.003937007874 "));
    EXPECT_EQ(Commit(TQuantity::InnerDiameter, "800").Message, QStringLiteral("MAX: 787.4015748 "));
    point.SelectUnit(TQuantity::Temperature, 1);
    r = Commit(TQuantity::Temperature, "-330");
    EXPECT_EQ(r.Message, QStringLiteral("MIN: -328 "));
    EXPECT_EQ(r.Panel, TPanel::FluidTempDruck);
    EXPECT_TRUE(Commit(TQuantity::Temperature, "572").Stored);
    EXPECT_DOUBLE_EQ(point.Temperature(), 300.0);
    EXPECT_TRUE(PanelText(TPanel::FluidTempDruck).isEmpty());

    EXPECT_EQ(Commit(TQuantity::Velocity, "abc").Message, QStringLiteral("SYNTAX ERROR "));
    r = Commit(TQuantity::Velocity, "");
    EXPECT_TRUE(r.ReplaceEmptyText);
    EXPECT_EQ(point.Velocity(), 0.0);
    r = Commit(TQuantity::InnerDiameter, "");
    EXPECT_FALSE(r.Accepted);
    EXPECT_TRUE(r.ReplaceEmptyText);

    // Leaving the edit with its shown text clears the message.
    Commit(TQuantity::Roughness, "200");
    EXPECT_EQ(Panel(TPanel::Rauh).Color, PanelRed);
    EXPECT_TRUE(Commit(TQuantity::Roughness, Edit(TQuantity::Roughness).toUtf8().constData()).Accepted);
    EXPECT_EQ(Panel(TPanel::Rauh), (TPanelText{QStringLiteral("0.100 mm"), PanelBlack}));
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

TEST_F(MeasuringPointTest, PressureGroupFollowsTheMedium)
{
    point.SelectMedium(10045);
    EXPECT_TRUE(point.Snapshot().PressureGroupVisible);
    point.SelectMedium(10001);
    EXPECT_FALSE(point.PressureGroupVisible());
    // Only the sound speed depends on the pressure.
    point.SelectMedium(10048);
    EXPECT_TRUE(point.PressureGroupVisible());

    point.SelectMedium(10045);
    EXPECT_TRUE(Commit(TQuantity::Temperature, "40").Stored);
    EXPECT_TRUE(Commit(TQuantity::Pressure, "100").Stored);
    EXPECT_NEAR(point.Density(), 0.863315, 0.0000005);
    EXPECT_NEAR(point.KinViscosity(), 35.9594, 0.00005);
    EXPECT_EQ(point.FormatPressure(), QStringLiteral("100.0"));
}

TEST_F(MeasuringPointTest, UnknownSelectionsFallBack)
{
    point.SelectMedium(10030);
    EXPECT_EQ(point.GetMediumId(), 10000);
    point.SelectMaterial(15);
    EXPECT_EQ(point.GetMaterialId(), 0);
    EXPECT_EQ(point.Roughness(), 0.0);
    point.SelectMaterial(9);
    EXPECT_EQ(point.Roughness(), 30.0);
    EXPECT_EQ(Edit(TQuantity::Roughness), QStringLiteral("3.000"));
    point.SelectMaterial(-3);
    EXPECT_EQ(point.Snapshot().MaterialId, 0);

    point.SetOemVariant(true);
    point.SelectMedium(10009);
    EXPECT_EQ(point.GetMediumId(), 10000);
    point.SelectMedium(10041);
    EXPECT_EQ(point.GetMediumId(), 10041);
    EXPECT_EQ(TMeasuringPoint::ListedMediumIds(true).size(), 25u);  // with the other medium
    EXPECT_EQ(TMeasuringPoint::ListedMaterialIds().size(), 25u);
}

TEST_F(MeasuringPointTest, RecalculationThatWouldDivideByZeroIsRejected)
{
    point.ClickHold(THold::Volume, true);
    const TInputResult r = Commit(TQuantity::Velocity, "0");
    EXPECT_FALSE(r.Accepted);
    EXPECT_EQ(r.Message, QStringLiteral("INVALID VALUE "));
    EXPECT_EQ(Panel(TPanel::Veloc).Color, PanelRed);
    EXPECT_TRUE(r.FocusBack);
    EXPECT_EQ(MessageBeepCount(), 1);
    EXPECT_EQ(point.Velocity(), 1000.0);
    EXPECT_EQ(Edit(TQuantity::Velocity), QStringLiteral("1.000"));

    // Mass flow 0 with the volume held would give density 0.
    EXPECT_FALSE(Commit(TQuantity::MassFlow, "0").Accepted);
    EXPECT_EQ(point.Density(), LibraryDensity(10001, 20.0));

    point.ClickHold(THold::Velocity, true);
    for (const char* text : {"-28", "0"})
        EXPECT_FALSE(Commit(TQuantity::VolumeFlow, text).Accepted) << text;
    EXPECT_FALSE(Commit(TQuantity::MassFlow, "0").Accepted);
    EXPECT_NEAR(point.CrossSection(), 7853.98, 0.005);
    EXPECT_EQ(point.GetMediumId(), 10001);

    // With the velocity held at 0 the pipe cannot follow the flow, but a new temperature
    // still updates the density.
    point.ClickHold(THold::CrossSection, true);
    EXPECT_TRUE(Commit(TQuantity::Velocity, "0").Stored);
    point.ClickHold(THold::Velocity, true);
    EXPECT_TRUE(Commit(TQuantity::Temperature, "50").Stored);
    EXPECT_NEAR(point.CrossSection(), 7853.98, 0.005);
    EXPECT_LT(point.Density(), 0.99);
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
        bool viscosityInvalid;
    } rows[] = {{10005, "280", true, true}, {10015, "150", false, true}};
    const TPanelText invalid{QStringLiteral("INVALID VALUE "), PanelRed};
    for (const auto& row : rows) {
        point.SetStandardValues();
        point.SelectMedium(row.medium);
        const double density = point.Density();
        const double viscosity = point.KinViscosity();
        ResetMessageBeepCount();
        ASSERT_TRUE(Commit(TQuantity::Temperature, row.temperature).Stored);
        EXPECT_EQ(point.DensityInvalid(), row.densityInvalid) << row.medium;
        EXPECT_EQ(point.ViscosityInvalid(), row.viscosityInvalid) << row.medium;
        EXPECT_EQ(MessageBeepCount(), 1);
        EXPECT_EQ(point.GetMediumId(), row.medium);
        EXPECT_TRUE(Commit(TQuantity::Temperature, row.temperature).Accepted);
        EXPECT_EQ(MessageBeepCount(), 1);  // no new beep while nothing changed
        EXPECT_EQ(point.KinViscosity(), viscosity);
        if (row.densityInvalid) {
            EXPECT_EQ(point.Density(), density);
        }

        // The result pane shows the failed calculation.
        const TPointSnapshot s = point.Snapshot();
        EXPECT_TRUE(point.ResultFail());
        EXPECT_EQ(s.Result.LamiTurbo, QStringLiteral("---- ITERATION FAIL ---"));
        EXPECT_EQ(s.Result.LamiTurboColor, PanelRed);
        EXPECT_FALSE(s.Result.ValuesVisible);
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
        EXPECT_EQ(point.GetMediumId(), 10000);
        EXPECT_FALSE(point.DensityInvalid());
        EXPECT_TRUE(point.ViscosityInvalid());
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
        EXPECT_TRUE(point.ResultFail()) << row.what;
        EXPECT_EQ(Pane().LamiTurbo, QStringLiteral("---- ITERATION FAIL ---")) << row.what;
        EXPECT_FALSE(Pane().ValuesVisible) << row.what;

        EXPECT_TRUE(Commit(TQuantity::Roughness, "0").Stored);
        EXPECT_FALSE(point.ResultFail()) << row.what;
        EXPECT_TRUE(Pane().ValuesVisible) << row.what;
    }
}

// The caption says laminar below Re 2320 and turbulent from it on, whatever the limits.
TEST_F(MeasuringPointTest, LaminarCaptionAtExactlyTheLimit)
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
    EXPECT_FALSE(point.Laminar());
}

TEST_F(MeasuringPointTest, ReynoldsLimitsAreThePointsOwn)
{
    point.SelectUnit(TQuantity::Velocity, 2);
    Commit(TQuantity::Velocity, "20");
    EXPECT_EQ(Pane().Kalfaktor, QStringLiteral("0.803 "));
    EXPECT_TRUE(point.Laminar());
    EXPECT_EQ(Pane().LamiTurbo, QStringLiteral("---- LAMINARE STRÖMUNG ---"));
    point.SetReynoldsLimits(2320.0, 2320.0);
    EXPECT_EQ(Pane().Kalfaktor, QStringLiteral("0.750 "));
    EXPECT_EQ(point.FormatUncorrectedVelocity(), QStringLiteral("27"));
    // Stored as the dialog's limit boxes show them.
    point.SetReynoldsLimits(0.0, 1e9);
    EXPECT_EQ(point.ReynoldsLam(), 1.0);
    EXPECT_EQ(point.ReynoldsTurb(), 100000000.0);
    point.SetStandardValues();
    EXPECT_EQ(point.ReynoldsLam(), 1000.0);
    EXPECT_EQ(point.ReynoldsTurb(), 6000.0);
}

TEST_F(MeasuringPointTest, DialogValuesKeepFullPrecision)
{
    EXPECT_TRUE(point.ApplyValue(TQuantity::Velocity, 10.13).Stored);
    EXPECT_EQ(point.Velocity(), 10.0);
    EXPECT_NEAR(point.VolumeFlow(), 78539.8, 0.05);

    EXPECT_TRUE(point.ApplyPipeGeometry(123.456, 4.0, 1.5).Stored);
    EXPECT_DOUBLE_EQ(point.InnerDiameter(), 1234.56);
    EXPECT_DOUBLE_EQ(point.GetInnerDiameterMm(), 123.456);
    EXPECT_EQ(point.WallThickness, 4.0);
    EXPECT_EQ(point.LiningThickness, 1.5);
    EXPECT_EQ(point.Hold(), THold::CrossSection);

    point.ClickHold(THold::Volume, true);
    EXPECT_FALSE(point.ApplyValue(TQuantity::Velocity, 0.0).Accepted);
    const TInputResult tooWide = point.ApplyValue(TQuantity::InnerDiameter, 200001.0);
    EXPECT_FALSE(tooWide.Accepted);
    EXPECT_EQ(tooWide.Message, QStringLiteral("MAX: 20000 "));
    EXPECT_DOUBLE_EQ(point.InnerDiameter(), 1234.56);
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
    point.WallThickness = 4.5;
    const TMeasuringPointRecord saved = point.Record();
    EXPECT_EQ(saved.Hold, THold::Velocity);
    EXPECT_EQ(saved.Units[QuantityIndex(TQuantity::VolumeFlow)], 15);

    TMeasuringPoint loaded;
    ASSERT_TRUE(loaded.Apply(saved));
    const TMeasuringPointRecord again = loaded.Record();
    EXPECT_EQ(again.MediumId, 10005);
    EXPECT_EQ(again.MaterialId, 9);
    EXPECT_EQ(again.Temperature, saved.Temperature);
    EXPECT_EQ(again.Density, saved.Density);
    EXPECT_DOUBLE_EQ(again.InnerDiameterMm, saved.InnerDiameterMm);
    EXPECT_EQ(again.VolumeFlow, saved.VolumeFlow);
    EXPECT_EQ(again.Velocity, saved.Velocity);
    EXPECT_DOUBLE_EQ(again.MassFlow, saved.MassFlow);
    EXPECT_EQ(again.Units, saved.Units);
    EXPECT_EQ(again.ReynoldsLam, 1500.0);
    EXPECT_EQ(again.SensorType, 7);
    EXPECT_EQ(again.WallThickness, 4.5);
    EXPECT_TRUE(again.DynViscosityVisible);
    // A load holds the pipe and takes the volume flow.
    EXPECT_EQ(again.Hold, THold::CrossSection);
    EXPECT_EQ(loaded.Snapshot().Markers.ResIs_Veloc, true);

    // The other medium takes its own values; a library medium takes the library's.
    TMeasuringPointRecord own = saved;
    own.MediumId = 10000;
    own.Density = 0.5;
    own.KinViscosity = 2.0;
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
