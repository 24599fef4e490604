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
#include <QStringList>

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
    // Velocity, volume and mass flow, diameter, cross-section, roughness, density,
    // viscosities, temperature, pressure.
    EXPECT_EQ(QStringList(s.EditTexts.begin(), s.EditTexts.end()).join(' '),
              QStringLiteral("1.000 28.274 28.240 100.0 78.5 0.100 999 0.99 0.99 20.0 1.0"));
    QStringList panels;
    for (const TPanelText& panel : s.Panels)
        panels << panel.Caption;
    EXPECT_EQ(panels.join('|'), QStringLiteral("100.0 cm/s|100.0 mm|78.5 cm²|0.100 mm|28.274 m³/h|0.999 g/cm³|"
                                               "dynamic = 0.99 mPa*s|kinematic =0.99 mm²/s|28.240 t/h|"));
    // The library's values are kept with full precision.
    EXPECT_EQ(point.Density(), LibraryDensity(10001, 20.0));
    EXPECT_NEAR(point.KinViscosity(), 0.987196, 0.0000005);
    EXPECT_DOUBLE_EQ(point.MassFlow(), point.VolumeFlow() * point.Density());
    EXPECT_EQ(QStringList({s.Result.LamiTurbo, s.Result.Reynold, s.Result.Reynold2, s.Result.Kalfaktor, s.Result.Veloc}),
              QStringList({QStringLiteral("--- TURBOLENTE STRÖMUNG --"), QStringLiteral("101,297.0 "),
                           QStringLiteral("101,297.0 "), QStringLiteral("0.939 "), QStringLiteral("1.065 m/s")}));
    EXPECT_TRUE(s.Hold == THold::CrossSection && s.ReadOnly[QuantityIndex(TQuantity::InnerDiameter)]);
    // The viscosity caption and the flow kind in the dictionary's language.
    const TPointSnapshot english = point.Snapshot([](const QString& text) {
        if (text == QStringLiteral("dynamic = %s"))
            return QStringLiteral("dynamisch = %s");
        return text == QStringLiteral("--- TURBOLENTE STRÖMUNG --") ? QStringLiteral("--- TURBULENT FLOW ---") : text;
    });
    EXPECT_EQ(english.Panels[static_cast<int>(TPanel::Visk)].Caption, QStringLiteral("dynamisch = 0.99 mPa*s"));
    EXPECT_EQ(english.Result.LamiTurbo, QStringLiteral("--- TURBULENT FLOW ---"));
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
        // Eight significant digits, then zeros; more integer digits: scientific notation.
        {TQuantity::VolumeFlow, 123456.789 / 3.6e-6, 0, true, "123456.790 m³/h"},
        {TQuantity::VolumeFlow, 12345678.94 / 3.6e-6, 0, false, "12345679.000"},
        {TQuantity::VolumeFlow, 123456789.0 / 3.6e-6, 0, false, "1.2345679E8"},
        {TQuantity::MassFlow, -0.0001, 0, true, "0.000 t/h"},
        // Temperature: four significant digits, °F converted; pressure: one decimal, no unit.
        {TQuantity::Temperature, 123.45, 0, true, "123.5 °C"},
        {TQuantity::Temperature, -199.96, 0, false, "-200.0"},
        {TQuantity::Temperature, -200.0, 1, true, "-328.0 °F"},
        {TQuantity::Pressure, 599.96, 0, false, "600.0"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(FormatQuantity(r.q, r.value, r.unit, r.withUnit), QString::fromUtf8(r.text)) << r.text;
}

TEST_F(MeasuringPointTest, CompactViewShowsTheAreaBesideTheDiameter)
{
    point.SetCrossSectionGroupVisible(false);
    EXPECT_EQ(Panel(TPanel::IDM).Caption, QStringLiteral("100.0 mm / A=78.5 cm²"));
    Commit(TQuantity::InnerDiameter, "5");
    EXPECT_EQ(Panel(TPanel::IDM).Caption, QStringLiteral("5.0 mm / A=20 mm²"));
    Commit(TQuantity::InnerDiameter, "500");
    EXPECT_EQ(Panel(TPanel::IDM).Caption, QStringLiteral("500.0 mm / A=0.196 m²"));
}

TEST_F(MeasuringPointTest, UnchangedTextStoresNothing)
{
    for (int q = 0; q < QuantityCount; ++q) {
        const TInputResult r = point.CommitEdit(static_cast<TQuantity>(q), Edit(static_cast<TQuantity>(q)));
        EXPECT_TRUE(r.Accepted && !r.Stored);
    }
    // The same value in another spelling keeps the precise value and the medium.
    EXPECT_FALSE(Commit(TQuantity::Density, "999.0").Stored || Commit(TQuantity::VolumeFlow, "28.2740").Stored);
    EXPECT_TRUE(point.Density() == LibraryDensity(10001, 20.0) && point.GetMediumId() == 10001);
    EXPECT_EQ(MessageBeepCount(), 0);
}

// Every input under every hold, from the standard point (water, 1 m/s, 100 mm): what the
// user sees of velocity (m/s), volume flow (m³/h), mass flow (t/h), diameter (mm) and
// density (kg/m³) afterwards.
TEST_F(MeasuringPointTest, HoldRules)
{
    const struct {
        THold hold;
        TQuantity input;
        const char *text, *seen;
    } rows[] = {
        {THold::CrossSection, TQuantity::VolumeFlow, "56.549", "2.000 56.549 56.481 100.0 999"},
        {THold::Velocity, TQuantity::VolumeFlow, "113.098", "1.000 113.098 112.962 200.0 999"},
        {THold::Volume, TQuantity::MassFlow, "-56.5", "1.000 28.274 -56.500 100.0 1998"},
        {THold::CrossSection, TQuantity::MassFlow, "56.5", "2.001 56.568 56.500 100.0 999"},
        {THold::Velocity, TQuantity::MassFlow, "56.5", "1.000 56.568 56.500 141.4 999"},
        {THold::Volume, TQuantity::Velocity, "4", "4.000 28.274 28.240 50.0 999"},
        {THold::CrossSection, TQuantity::Velocity, "3", "3.000 84.823 84.721 100.0 999"},
        {THold::Volume, TQuantity::InnerDiameter, "50", "4.000 28.274 28.240 50.0 999"},
        {THold::Velocity, TQuantity::InnerDiameter, "200", "1.000 113.097 112.962 200.0 999"},
        {THold::Velocity, TQuantity::CrossSection, "157.1", "1.000 56.556 56.488 141.4 999"},
        {THold::Volume, TQuantity::Density, "500", "1.000 28.274 14.137 100.0 500"},
        {THold::Velocity, TQuantity::Density, "500", "1.000 28.274 14.137 100.0 500"},
    };
    for (const auto& r : rows) {
        point.SetStandardValues();
        point.ClickHold(r.hold, true);
        ASSERT_TRUE(Commit(r.input, r.text).Stored) << r.text;
        QStringList seen;
        for (TQuantity q : {TQuantity::Velocity, TQuantity::VolumeFlow, TQuantity::MassFlow, TQuantity::InnerDiameter,
                            TQuantity::Density})
            seen << Edit(q);
        EXPECT_EQ(seen.join(QLatin1Char(' ')), QString::fromUtf8(r.seen)) << int(r.hold) << ' ' << r.text;
    }
}

// η = ν · ρ after every kind of input, in both viscosity views; the viscosity in the view
// stays when the density changes, and the Reynolds number, K and the uncorrected velocity
// follow the kinematic viscosity. Water at 1 m/s with the volume held and -30 t/h: the
// density becomes 1061.033 kg/m³ from the mass flow, and the other viscosity follows.
TEST_F(MeasuringPointTest, ViscosityCouplingAfterEveryInput)
{
    // Pressure rows choose medium 10045 first; without text the choice is the input.
    const struct {
        bool dynamicShown;
        THold hold;
        TQuantity input;
        const char *text, *otherViscosity, *reynolds;  // the edit of the viscosity not shown
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
        // A typed property makes the medium the user's own.
        const bool property = r.input >= TQuantity::Density && r.input <= TQuantity::DynViscosity;
        EXPECT_EQ(point.GetMediumId(), property ? 10000 : r.input == TQuantity::Pressure ? 10045 : 10001);
        const bool flowOrDensity = r.input <= TQuantity::MassFlow || r.input == TQuantity::Density;
        EXPECT_TRUE(!flowOrDensity || (r.dynamicShown ? point.DynViscosity() : point.KinViscosity()) == shown);
        const QString other = Edit(r.dynamicShown ? TQuantity::KinViscosity : TQuantity::DynViscosity);
        EXPECT_TRUE(!r.otherViscosity || other == QString::fromUtf8(r.otherViscosity)) << other.toStdString();
        double factor = 0.0, reynolds = 0.0, raw = 0.0;
        SolveProfileCorrection(factor, reynolds, raw, point.Velocity(), point.InnerDiameter(), point.KinViscosity(),
                               point.Roughness(), point.ReynoldsLam(), point.ReynoldsTurb());
        EXPECT_TRUE(point.Reynolds() == reynolds && point.ProfileFactor() == factor
                    && point.UncorrectedVelocity() == raw);
        EXPECT_TRUE(!r.reynolds || Pane().Reynold == QString::fromUtf8(r.reynolds)) << Pane().Reynold.toStdString();
    }
}

TEST_F(MeasuringPointTest, EnteringAHeldEditReleasesIt)
{
    point.ClickHold(THold::Velocity, true);
    const std::pair<TFocusTarget, THold> entered[] = {{TFocusTarget::Velocity, THold::CrossSection},
                                                      {TFocusTarget::CrossSection, THold::Volume},
                                                      {TFocusTarget::Volume, THold::CrossSection}};
    for (const auto& [target, hold] : entered) {
        EXPECT_EQ(point.EnterControl(target), ComputeMarkers(target, hold));
        EXPECT_EQ(point.Hold(), hold);
    }

    // The standard values check the cross-section hold; the focused edit keeps its markers.
    point.ClickHold(THold::Velocity, true);
    point.AnyEditGetFocus(TFocusTarget::Volume);
    point.SetStandardValues();
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
    // Velocity unit 5 does not exist: fps stays.
    const std::tuple<TQuantity, int, const char*> units[] = {
        {TQuantity::Velocity, 3, "39.37"},   {TQuantity::Velocity, 4, "3.281"},     {TQuantity::Velocity, 5, "3.281"},
        {TQuantity::VolumeFlow, 15, "678.584"}, {TQuantity::Temperature, 1, "68.0"}};
    for (const auto& [q, unit, text] : units) {
        point.SelectUnit(q, unit);
        EXPECT_EQ(Edit(q), QString::fromUtf8(text)) << text;
        EXPECT_FALSE(point.CommitEdit(q, Edit(q)).Stored);
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
        const char *text, *message;
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
        EXPECT_TRUE(!result.Accepted && result.FocusBack && result.ReplaceEmptyText == (*r.text == 0));
        EXPECT_EQ(Panel(PanelOf(r.q)), (TPanelText{QString::fromUtf8(r.message), PanelRed}));
        EXPECT_EQ(MessageBeepCount(), 1);
        EXPECT_EQ(point.Snapshot().EditTexts, before.EditTexts);
        point.DiscardInput(r.q);
        EXPECT_EQ(Panel(PanelOf(r.q)), before.Panels[static_cast<int>(PanelOf(r.q))]);
    }
    // An empty velocity is 0. Leaving an edit with its shown text clears its message too.
    EXPECT_TRUE(Commit(TQuantity::Velocity, "").ReplaceEmptyText && point.Velocity() == 0.0);
    Commit(TQuantity::Roughness, "200");
    Commit(TQuantity::Roughness, "0.100");
    EXPECT_EQ(Panel(TPanel::Rauh), (TPanelText{QStringLiteral("0.100 mm"), PanelBlack}));
    // A step the held values cannot take is no input error: with the velocity held at 0 a
    // new temperature is taken with its density, and the pipe stays.
    point.SetStandardValues();
    ASSERT_TRUE(Commit(TQuantity::Velocity, "0").Stored);
    point.ClickHold(THold::Velocity, true);
    EXPECT_TRUE(Commit(TQuantity::Temperature, "50").Stored);
    EXPECT_TRUE(point.Density() == LibraryDensity(10001, 50.0) && point.InnerDiameter() == 1000.0);
}

// Water with the volume held: 30 t/h give the point a density of its own (1061 kg/m³, still
// water). Leaving the temperature or pressure, changed, not or rejected, takes the library's
// density again; the temperature keeps its full precision.
TEST_F(MeasuringPointTest, LeavingTemperatureOrPressureTakesTheMediumAgain)
{
    const std::pair<TQuantity, const char*> rows[] = {
        {TQuantity::Temperature, "20.1"},   // the shown text of 20.123 °C
        {TQuantity::Temperature, "20.10"},  // the same value
        {TQuantity::Temperature, "-250"},   // rejected
        {TQuantity::Pressure, "1.0"}};
    for (const auto& [quantity, text] : rows) {
        point.SetStandardValues();
        ASSERT_TRUE(point.ApplyValue(TQuantity::Temperature, 20.123).Stored);
        point.ClickHold(THold::Volume, true);
        ASSERT_TRUE(Commit(TQuantity::MassFlow, "30").Stored);
        ASSERT_EQ(Edit(TQuantity::Density), QStringLiteral("1061"));
        Commit(quantity, text);
        EXPECT_TRUE(point.Temperature() == 20.123 && point.GetMediumId() == 10001) << text;
        EXPECT_EQ(point.Density(), LibraryDensity(10001, 20.123)) << text;
        EXPECT_DOUBLE_EQ(point.MassFlow(), point.VolumeFlow() * point.Density()) << text;
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
    EXPECT_TRUE(Commit(TQuantity::Temperature, "40").Stored && Commit(TQuantity::Pressure, "100").Stored);
    EXPECT_NEAR(point.Density(), 0.863315, 0.0000005);
    EXPECT_NEAR(point.KinViscosity(), 35.9594, 0.00005);
    // Unknown choices fall back on the other entry.
    point.SelectMedium(10030);
    EXPECT_EQ(point.GetMediumId(), 10000);
    const std::pair<int, const char*> materials[] = {{15, "0.000"}, {9, "3.000"}, {-3, "0.000"}};
    for (const auto& [id, roughness] : materials) {
        point.SelectMaterial(id);
        EXPECT_EQ(Edit(TQuantity::Roughness), QString::fromUtf8(roughness)) << id;
    }
    point.SetOemVariant(true);
    point.SelectMedium(10009);
    EXPECT_EQ(point.GetMediumId(), 10000);
    EXPECT_EQ(TMeasuringPoint::ListedMediumIds(true).size(), 25u);  // with the other medium
    // Every library entry and the other one; material 15 repeats the name of 9.
    EXPECT_TRUE(TMeasuringPoint::ListedMediumIds(false).size() == 47u
                && TMeasuringPoint::ListedMaterialIds().size() == 25u);
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
        EXPECT_TRUE(Commit(TQuantity::Temperature, row.temperature).Accepted);
        EXPECT_EQ(MessageBeepCount(), 1);  // no new beep while nothing changed
        EXPECT_TRUE(point.DensityInvalid() == row.densityInvalid && point.ViscosityInvalid()) << row.medium;
        EXPECT_TRUE(point.KinViscosity() == viscosity && (!row.densityInvalid || point.Density() == density));
        const TPointSnapshot s = point.Snapshot();
        EXPECT_EQ(s.Result, FailedPane());
        EXPECT_EQ(s.Panels[static_cast<int>(TPanel::ViskDYN)], invalid);
        EXPECT_EQ(s.Panels[static_cast<int>(TPanel::Dichte)] == invalid, row.densityInvalid);
        EXPECT_EQ(s.Panels[static_cast<int>(TPanel::MassFl)] == invalid, row.densityInvalid);

        // No mass flow from a stale density, and no volume flow from a mass flow.
        const double mass = point.MassFlow();
        EXPECT_TRUE(Commit(TQuantity::VolumeFlow, "50").Stored && (point.MassFlow() == mass) == row.densityInvalid);
        EXPECT_EQ(Commit(TQuantity::MassFlow, "10").Accepted, !row.densityInvalid);

        // A typed density does not vouch for the viscosity the library never gave.
        EXPECT_TRUE(Commit(TQuantity::Density, "700").Stored);
        EXPECT_TRUE(point.GetMediumId() == 10000 && !point.DensityInvalid() && point.ViscosityInvalid());
        EXPECT_TRUE(point.ResultFail());
        EXPECT_DOUBLE_EQ(point.MassFlow(), point.VolumeFlow() * 0.7);
        EXPECT_TRUE(Commit(TQuantity::KinViscosity, "0.5").Stored);  // a typed viscosity does
        EXPECT_FALSE(point.ViscosityInvalid() || point.ResultFail());
    }
}

// Back in the range of its library data, a medium's density and viscosity are the
// library's again and count as valid; leaving the range again beeps again.
TEST_F(MeasuringPointTest, LibraryPropertiesBackInRangeAreValidAgain)
{
    const struct {
        int medium;
        const char* outside;
    } rows[] = {{10005, "280"}, {10015, "150"}};
    const TPanelText invalid{QStringLiteral("INVALID VALUE "), PanelRed};
    for (const auto& row : rows) {
        point.SetStandardValues();
        point.SelectMedium(row.medium);
        const double density = point.Density();
        const double viscosity = point.KinViscosity();
        const TPointSnapshot valid = point.Snapshot();
        ResetMessageBeepCount();
        for (int pass = 1; pass <= 2; ++pass) {
            ASSERT_TRUE(Commit(TQuantity::Temperature, row.outside).Stored);
            ASSERT_TRUE(point.ViscosityInvalid()) << row.medium;
            EXPECT_EQ(MessageBeepCount(), pass) << row.medium;
            ASSERT_TRUE(Commit(TQuantity::Temperature, "20").Stored);
            EXPECT_FALSE(point.ViscosityInvalid() || point.DensityInvalid() || point.ResultFail()) << row.medium;
            EXPECT_TRUE(point.GetMediumId() == row.medium && point.Density() == density
                        && point.KinViscosity() == viscosity && point.DynViscosity() == viscosity * density);
            const TPointSnapshot s = point.Snapshot();
            for (const TPanel panel : {TPanel::Visk, TPanel::ViskDYN, TPanel::Dichte, TPanel::MassFl})
                EXPECT_EQ(s.Panels[static_cast<int>(panel)], valid.Panels[static_cast<int>(panel)]) << row.medium;
            EXPECT_NE(s.Panels[static_cast<int>(TPanel::Visk)], invalid);
            EXPECT_EQ(s.Result, valid.Result);
        }
    }
}

// A calibration factor that the profile model cannot give is a failed calculation: the
// result pane says so and hides its values.
TEST_F(MeasuringPointTest, FailedProfileCalculationHidesTheResults)
{
    const struct {
        const char *what, *diameter, *roughness, *velocity;  // mm, mm, m/s
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
        EXPECT_TRUE(Commit(TQuantity::Roughness, "0").Stored && Pane().ValuesVisible) << row.what;
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
    // The limits are the point's own: raised above Re, the profile is laminar (K 0.75).
    point.SetReynoldsLimits(2400.0, 2400.0);
    EXPECT_EQ(Pane().Kalfaktor, QStringLiteral("0.750 "));
    EXPECT_EQ(point.FormatUncorrectedVelocity(), QStringLiteral("309"));
}

TEST_F(MeasuringPointTest, DialogValuesKeepFullPrecision)
{
    EXPECT_TRUE(point.ApplyValue(TQuantity::Velocity, 10.13).Stored && point.Velocity() == 10.0);
    EXPECT_TRUE(point.ApplyPipeGeometry(123.456, 4.0, 1.5).Stored && point.LiningThickness == 1.5);
    EXPECT_DOUBLE_EQ(point.GetInnerDiameterMm(), 123.456);
    point.ClickHold(THold::Volume, true);
    EXPECT_FALSE(point.ApplyValue(TQuantity::Velocity, 0.0).Accepted);
    EXPECT_EQ(point.ApplyValue(TQuantity::InnerDiameter, 200001.0).Message, QStringLiteral("MAX: 20000 "));
    // A pipe dialog's diameter out of range is refused; its wall and lining are taken.
    EXPECT_FALSE(point.ApplyPipeGeometry(0.05, 5.0, 2.0).Accepted);
    EXPECT_DOUBLE_EQ(point.InnerDiameter(), 1234.56);
    EXPECT_TRUE(point.WallThickness == 5.0 && point.Hold() == THold::CrossSection);
}

// A load holds the pipe and takes the volume flow. The other medium takes the record's own
// values, a library medium the library's; a record that cannot be taken changes nothing.
TEST_F(MeasuringPointTest, RecordRoundTripsAndALoadHoldsThePipe)
{
    point.SelectMedium(10005);
    ASSERT_TRUE(Commit(TQuantity::Temperature, "40").Stored);
    point.ClickHold(THold::Velocity, true);
    ASSERT_TRUE(Commit(TQuantity::VolumeFlow, "1000").Stored);
    TMeasuringPointRecord own = point.Record();
    TMeasuringPoint loaded;
    ASSERT_TRUE(loaded.Apply(own));
    EXPECT_EQ(loaded.Hold(), THold::CrossSection);
    EXPECT_TRUE(loaded.Snapshot().Markers.ResIs_Veloc);
    EXPECT_TRUE(loaded.Velocity() == own.Velocity && loaded.Density() == own.Density);
    own.MediumId = 10000;
    own.Density = 0.5;
    own.DynViscosity = 1.0;
    own.SensorType = 256;
    ASSERT_TRUE(loaded.Apply(own));
    EXPECT_TRUE(loaded.Density() == 0.5 && loaded.KinViscosity() == 2.0 && loaded.SensorType == 0);
    own.MediumId = 10001;
    own.VolumeFlow = INFINITY;
    QString error;
    EXPECT_FALSE(loaded.Apply(own, &error));
    EXPECT_EQ(error, QStringLiteral("VolumeFlow"));
    EXPECT_EQ(loaded.Density(), 0.5);
}

TEST_F(MeasuringPointTest, NoInputEverShowsInfinityOrNaN)
{
    std::mt19937 random(4711);
    auto pick = [&random](std::size_t n) { return int(random() % n); };
    const char* texts[] = {"0",    "-0",    "1",      "-1",  "1e38", "-1e38", "1e20", "-1e20", "1e-30", "3.5",
                           "0.001", "1000", "200000", "600", "0.5",  "-200",  "300",  "abc",   "",      "1e-5"};
    const double values[] = {0.0, -1.0, 1e300, -1e300, NAN, INFINITY, 1e-300, 42.0};
    const std::vector<int> media = TMeasuringPoint::ListedMediumIds(false);
    for (int i = 0; i < 3000; ++i) {
        const auto q = static_cast<TQuantity>(pick(QuantityCount));
        const int action = pick(10);
        if (action == 0)
            point.ClickHold(static_cast<THold>(1 + pick(3)), true);
        else if (action == 1)
            point.SelectUnit(q, pick(UnitCount(q)));
        else if (action == 2)
            point.SelectMedium(media[pick(media.size())]);
        else if (action == 3)
            point.ApplyValue(q, values[pick(std::size(values))]);
        else
            point.CommitEdit(q, QString::fromUtf8(texts[pick(std::size(texts))]));
        const TPointSnapshot s = point.Snapshot();
        QStringList shown(s.EditTexts.begin(), s.EditTexts.end());
        for (const TPanelText& panel : s.Panels)
            shown << panel.Caption;
        shown << s.Result.Veloc << s.Result.Kalfaktor << s.Result.Reynold;
        const QString all = shown.join(QLatin1Char('|'));
        ASSERT_FALSE(all.contains(QStringLiteral("inf"), Qt::CaseInsensitive)
                     || all.contains(QStringLiteral("nan"), Qt::CaseInsensitive)) << all.toStdString();
        for (int k = 0; k < QuantityCount; ++k)
            ASSERT_TRUE(std::isfinite(point.Value(static_cast<TQuantity>(k))) && point.Density() > 0.0) << i;
    }
}

} // namespace
