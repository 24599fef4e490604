#include "calculator/MeasuringPoint.h"

#include "platform/FormatSettings.h"
#include "platform/MessageBeep.h"
#include "reference/CoeffSet.h"
#include "reference/QlvTabels.h"

#include <gtest/gtest.h>

#include <QMap>

#include <cmath>
#include <ostream>
#include <random>

// Readable texts in failure messages.
void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

// The window side: keeps what the model wrote.
class RecordingView : public IMeasuringPointView {
public:
    void EditWritten(TQuantity q, const QString& text) override { edits[q] = text; ++editWrites; }
    void MediumSelectionChanged(int id) override { medium = id; }
    void MaterialSelectionChanged(int id) override { material = id; }
    void HoldChanged(THold h) override { hold = h; }
    void PressureGroupVisibilityChanged(bool visible) override { pressureGroup = visible; }
    void DisplaysRefreshed() override { ++refreshes; }
    void UnitSelected(TQuantity q, int index) override { units[q] = index; }
    void MarkersChanged(const TMarkerState& state) override { markers = state; }

    QMap<TQuantity, QString> edits;
    QMap<TQuantity, int> units;
    int editWrites = 0;
    int refreshes = 0;
    int medium = -1;
    int material = -1;
    THold hold = THold::None;
    TMarkerState markers;
    bool pressureGroup = true;
};

class MeasuringPointTest : public ::testing::Test {
protected:
    MeasuringPointTest() : point(&view)
    {
        SetMessageBeepHandler(nullptr);
        point.SetStandardValues();
        ResetMessageBeepCount();
    }

    TInputResult Commit(TQuantity q, const char* text) { return point.CommitEdit(q, QString::fromUtf8(text)); }
    QString Edit(TQuantity q) const { return point.EditText(q); }
    QString PanelText(TPanel p) const { return point.Panel(p).Caption; }

    FormatSettingsScope scope{TFormatSettings()};
    RecordingView view;
    TMeasuringPoint point;
};

double WaterDensity20()
{
    tMediumRec water;
    GetMedium(10001, water);
    return EvalProperty(water.Density, 20.0, 1.0);
}

TEST_F(MeasuringPointTest, StandardValues)
{
    EXPECT_EQ(Edit(TQuantity::CrossSection), QStringLiteral("78.5"));
    EXPECT_EQ(Edit(TQuantity::Velocity), QStringLiteral("1.000"));
    EXPECT_EQ(Edit(TQuantity::VolumeFlow), QStringLiteral("28.274"));
    EXPECT_EQ(Edit(TQuantity::InnerDiameter), QStringLiteral("100.0"));
    EXPECT_EQ(Edit(TQuantity::Roughness), QStringLiteral("0.100"));
    EXPECT_EQ(Edit(TQuantity::Density), QStringLiteral("999"));
    EXPECT_EQ(Edit(TQuantity::Temperature), QStringLiteral("20.0"));
    EXPECT_EQ(Edit(TQuantity::Pressure), QStringLiteral("1.0"));
    EXPECT_EQ(view.edits.value(TQuantity::MassFlow), Edit(TQuantity::MassFlow));

    EXPECT_NEAR(point.CrossSection(), 7853.98, 0.005);
    EXPECT_NEAR(point.VolumeFlow(), 7853981.6, 0.05);
    // The library's values are kept with full precision.
    EXPECT_EQ(point.Density(), WaterDensity20());
    EXPECT_NEAR(point.Density(), 0.998801, 0.0000005);
    EXPECT_NEAR(point.KinViscosity(), 0.987196, 0.0000005);
    EXPECT_DOUBLE_EQ(point.MassFlow(), point.VolumeFlow() * point.Density());

    EXPECT_EQ(PanelText(TPanel::Veloc), QStringLiteral("100.0 cm/s"));
    EXPECT_EQ(PanelText(TPanel::QUER), QStringLiteral("78.5 cm²"));
    EXPECT_EQ(PanelText(TPanel::Volume), QStringLiteral("28.274 m³/h"));
    EXPECT_EQ(PanelText(TPanel::Dichte), QStringLiteral("0.999 g/cm³"));
    EXPECT_EQ(PanelText(TPanel::IDM), QStringLiteral("100.0 mm"));

    const TResultPane& pane = point.ResultPane();
    EXPECT_FALSE(point.ResultFail());
    EXPECT_FALSE(point.Laminar());
    EXPECT_TRUE(pane.ValuesVisible);
    EXPECT_EQ(pane.LamiTurbo, QStringLiteral("--- TURBOLENTE STRÖMUNG --"));
    EXPECT_EQ(pane.Reynold, QStringLiteral("101,297.0 "));
    EXPECT_EQ(pane.Reynold2, pane.Reynold);
    EXPECT_EQ(pane.Kalfaktor, QStringLiteral("0.939 "));
    EXPECT_EQ(pane.Veloc, QStringLiteral("1.065 m/s"));
    EXPECT_NEAR(point.Reynolds(), 101297.0, 0.05);
    EXPECT_NEAR(point.ProfileFactor(), 0.93932, 0.000005);
    EXPECT_NEAR(point.UncorrectedVelocity(), 1064.60, 0.005);

    EXPECT_EQ(point.Hold(), THold::CrossSection);
    EXPECT_EQ(view.hold, THold::CrossSection);
    EXPECT_EQ(point.GetMediumId(), 10001);
    EXPECT_EQ(point.GetMaterialId(), 1);
    EXPECT_FALSE(view.pressureGroup);
    EXPECT_EQ(point.WallThickness, 3.0);
    EXPECT_EQ(point.LiningId, 16);
}

TEST_F(MeasuringPointTest, FormattersKeepAtMostTheirSignificantDigits)
{
    // Eight significant digits, the remaining decimals padded with zeros.
    point.SetVolumeFlow(123456.789 / 3.6e-6);
    EXPECT_EQ(point.FormatVolumeFlow(0, true), QStringLiteral("123456.790 m³/h"));
    EXPECT_EQ(point.FormatVolumeFlow(2, false), QStringLiteral("34.294"));
    point.SetVolumeFlow(12345678.94 / 3.6e-6);
    EXPECT_EQ(point.FormatVolumeFlow(0, false), QStringLiteral("12345679.000"));
    // More integer digits than that: scientific notation.
    point.SetVolumeFlow(123456789.0 / 3.6e-6);
    EXPECT_EQ(point.FormatVolumeFlow(0, false), QStringLiteral("1.2345679E8"));
    point.SetMassFlow(-0.0001);
    EXPECT_EQ(point.FormatMassFlow(0, true), QStringLiteral("0.000 t/h"));

    // Temperature: four significant digits, °F through the conversion.
    point.SetTemperature(123.45);
    EXPECT_EQ(point.FormatTemperature(0, true), QStringLiteral("123.5 °C"));
    point.SetTemperature(-199.96);
    EXPECT_EQ(point.FormatTemperature(0, false), QStringLiteral("-200.0"));
    point.SetTemperature(-200.0);
    EXPECT_EQ(point.FormatTemperature(1, true), QStringLiteral("-328.0 °F"));
    // Pressure: one decimal, no unit.
    point.SetPressure(599.96);
    EXPECT_EQ(point.FormatPressure(), QStringLiteral("600.0"));
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
    point.SetTranslator([](const QString& text) {
        if (text == QStringLiteral("dynamic = %s"))
            return QStringLiteral("dynamisch = %s");
        if (text == QStringLiteral("--- TURBOLENTE STRÖMUNG --"))
            return QStringLiteral("--- TURBULENT FLOW --");
        return text;
    });
    point.RefreshAllDisplays();
    EXPECT_EQ(PanelText(TPanel::Visk), QStringLiteral("dynamisch = 0.99 mPa*s"));
    EXPECT_EQ(PanelText(TPanel::ViskDYN), QStringLiteral("kinematic =0.99 mm²/s"));
    EXPECT_EQ(point.ResultPane().LamiTurbo, QStringLiteral("--- TURBULENT FLOW --"));
}

TEST_F(MeasuringPointTest, UnchangedTextStoresNothing)
{
    const int writes = view.editWrites;
    for (int q = 0; q < QuantityCount; ++q) {
        const auto quantity = static_cast<TQuantity>(q);
        const TInputResult r = point.CommitEdit(quantity, Edit(quantity));
        EXPECT_TRUE(r.Accepted);
        EXPECT_FALSE(r.Stored);
    }
    EXPECT_EQ(view.editWrites, writes);
    EXPECT_EQ(point.Density(), WaterDensity20());
    EXPECT_EQ(point.GetMediumId(), 10001);
    // The same value in another spelling keeps the precise value and the medium.
    EXPECT_FALSE(Commit(TQuantity::Density, "999.0").Stored);
    EXPECT_FALSE(Commit(TQuantity::VolumeFlow, "28.2740").Stored);
    EXPECT_EQ(Edit(TQuantity::VolumeFlow), QStringLiteral("28.274"));
    EXPECT_EQ(point.Density(), WaterDensity20());
    EXPECT_EQ(point.GetMediumId(), 10001);
    EXPECT_EQ(MessageBeepCount(), 0);
}

TEST_F(MeasuringPointTest, TypedDensityReleasesTheMedium)
{
    const TInputResult r = Commit(TQuantity::Density, "1200");
    EXPECT_TRUE(r.Stored);
    EXPECT_EQ(point.Density(), 1.2);
    EXPECT_EQ(point.GetMediumId(), 10000);
    EXPECT_EQ(view.medium, 10000);
    EXPECT_DOUBLE_EQ(point.MassFlow(), point.VolumeFlow() * 1.2);
    EXPECT_DOUBLE_EQ(point.DynViscosity(), point.KinViscosity() * 1.2);
    // The other medium has no record: choosing it changes nothing.
    point.SelectMedium(10000);
    EXPECT_EQ(point.Density(), 1.2);
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
    EXPECT_EQ(view.hold, THold::Velocity);
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

    // Velocity free, cross-section held: the diameter changes volume and mass flow.
    point.ClickHold(THold::CrossSection, true);
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
    EXPECT_EQ(point.Velocity(), std::nearbyint(point.VolumeFlow() / point.CrossSection()));
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
}

TEST_F(MeasuringPointTest, StandardValuesClickTheCrossSectionHold)
{
    point.CreateFinished = 1;
    point.ClickHold(THold::Velocity, true);
    point.AnyEditGetFocus(TFocusTarget::Volume);
    EXPECT_EQ(view.markers.MarkerCount, 3);
    EXPECT_EQ(view.markers.INP_veloc, TEditColor::Held);
    point.SetStandardValues();
    EXPECT_EQ(view.hold, THold::CrossSection);
    EXPECT_EQ(point.MarkerCount(), 0);
    EXPECT_EQ(view.markers, TMarkerState());
}

TEST_F(MeasuringPointTest, VelocityIsRoundedHalvesToEven)
{
    point.SelectUnit(TQuantity::Velocity, 2);  // mm/s
    Commit(TQuantity::Velocity, "1.4");
    EXPECT_EQ(point.Velocity(), 1.0);
    EXPECT_EQ(Edit(TQuantity::Velocity), QStringLiteral("1"));
    Commit(TQuantity::Velocity, "2.5");
    EXPECT_EQ(point.Velocity(), 2.0);
    Commit(TQuantity::Velocity, "3.5");
    EXPECT_EQ(point.Velocity(), 4.0);
    Commit(TQuantity::Velocity, "-0.4");
    EXPECT_EQ(Edit(TQuantity::Velocity), QStringLiteral("0"));
}

TEST_F(MeasuringPointTest, UnitSwitchingKeepsTheValue)
{
    point.SelectUnit(TQuantity::Velocity, 1);
    EXPECT_EQ(point.UnitIndex(TQuantity::Velocity), 1);
    EXPECT_EQ(Edit(TQuantity::Velocity), QStringLiteral("100.0"));
    EXPECT_EQ(point.ResultPane().Veloc, QStringLiteral("106.5 cm/s"));
    EXPECT_FALSE(point.Updating());

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

TEST_F(MeasuringPointTest, EscapeRestoresTheStoredValue)
{
    view.edits[TQuantity::Temperature] = QStringLiteral("55");  // typed, not committed
    point.SelectUnit(TQuantity::Temperature, 1);
    EXPECT_EQ(view.edits.value(TQuantity::Temperature), QStringLiteral("68.0"));
    view.edits[TQuantity::Temperature] = QStringLiteral("55");
    point.RewriteEdit(TQuantity::Temperature);
    EXPECT_EQ(view.edits.value(TQuantity::Temperature), QStringLiteral("68.0"));
    EXPECT_EQ(point.Temperature(), 20.0);
}

TEST_F(MeasuringPointTest, RangeAndSyntaxErrors)
{
    const double d = point.InnerDiameter();
    TInputResult r = Commit(TQuantity::InnerDiameter, "0.05");
    EXPECT_FALSE(r.Accepted);
    EXPECT_EQ(r.Message, QStringLiteral("MIN: 0.1 "));
    EXPECT_EQ(r.Panel, TPanel::IDM);
    EXPECT_EQ(r.MessageColor, PanelRed);
    EXPECT_TRUE(r.FocusBack && r.Beeped);
    EXPECT_EQ(point.Panel(TPanel::IDM).Caption, QStringLiteral("MIN: 0.1 "));
    EXPECT_EQ(MessageBeepCount(), 1);
    EXPECT_EQ(point.InnerDiameter(), d);

    // Limits follow the selected unit.
    point.SelectUnit(TQuantity::InnerDiameter, 3);  // inch
    r = Commit(TQuantity::InnerDiameter, "0.001");
    EXPECT_EQ(r.Message, QStringLiteral("MIN: 0.003937007874 "));
    r = Commit(TQuantity::InnerDiameter, "800");
    EXPECT_EQ(r.Message, QStringLiteral("MAX: 787.4015748 "));
    point.SelectUnit(TQuantity::Temperature, 1);
    r = Commit(TQuantity::Temperature, "-330");
    EXPECT_EQ(r.Message, QStringLiteral("MIN: -328 "));
    EXPECT_EQ(r.Panel, TPanel::FluidTempDruck);
    EXPECT_TRUE(Commit(TQuantity::Temperature, "572").Stored);
    EXPECT_DOUBLE_EQ(point.Temperature(), 300.0);
    EXPECT_TRUE(point.Panel(TPanel::FluidTempDruck).Caption.isEmpty());

    r = Commit(TQuantity::Velocity, "abc");
    EXPECT_EQ(r.Message, QStringLiteral("SYNTAX ERROR "));
    r = Commit(TQuantity::Velocity, "");
    EXPECT_TRUE(r.ReplaceEmptyText);
    EXPECT_EQ(point.Velocity(), 0.0);
    r = Commit(TQuantity::InnerDiameter, "");
    EXPECT_FALSE(r.Accepted);
    EXPECT_TRUE(r.ReplaceEmptyText);

    // A correct input clears the message.
    Commit(TQuantity::Roughness, "200");
    EXPECT_EQ(point.Panel(TPanel::Rauh).Color, PanelRed);
    EXPECT_TRUE(Commit(TQuantity::Roughness, Edit(TQuantity::Roughness).toUtf8().constData()).Accepted);
    EXPECT_EQ(point.Panel(TPanel::Rauh).Caption, QStringLiteral("0.100 mm"));
    EXPECT_EQ(point.Panel(TPanel::Rauh).Color, PanelBlack);
}

TEST_F(MeasuringPointTest, RejectedTemperatureStillReevaluatesTheMedium)
{
    point.SetDensity(1.5);
    const TInputResult r = Commit(TQuantity::Temperature, "-250");
    EXPECT_FALSE(r.Accepted);
    EXPECT_EQ(r.Message, QStringLiteral("MIN: -200 "));
    EXPECT_EQ(point.Temperature(), 20.0);
    EXPECT_EQ(point.Density(), WaterDensity20());

    EXPECT_TRUE(Commit(TQuantity::Temperature, "-10").Stored);
    EXPECT_NEAR(point.KinViscosity(), 1.87547, 0.000005);
    EXPECT_NEAR(point.Density(), 1.00087, 0.000005);
}

TEST_F(MeasuringPointTest, PressureGroupFollowsTheMedium)
{
    point.SelectMedium(10045);
    EXPECT_TRUE(point.PressureGroupVisible());
    EXPECT_TRUE(view.pressureGroup);
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
    EXPECT_EQ(view.medium, 10000);
    point.SelectMaterial(15);
    EXPECT_EQ(point.GetMaterialId(), 0);
    EXPECT_EQ(point.Roughness(), 0.0);
    point.SelectMaterial(9);
    EXPECT_EQ(point.Roughness(), 30.0);
    EXPECT_EQ(Edit(TQuantity::Roughness), QStringLiteral("3.000"));
    point.SelectMaterial(-3);
    EXPECT_EQ(view.material, 0);

    point.SetOemVariant(true);
    point.SelectMedium(10009);
    EXPECT_EQ(point.GetMediumId(), 10000);
    point.SelectMedium(10041);
    EXPECT_EQ(point.GetMediumId(), 10041);
    const std::vector<int> oem = TMeasuringPoint::ListedMediumIds(true);
    EXPECT_EQ(oem.size(), 25u);  // with the other medium
    EXPECT_EQ(TMeasuringPoint::ListedMaterialIds().size(), 25u);
}

TEST_F(MeasuringPointTest, RecalculationThatWouldDivideByZeroIsRejected)
{
    point.ClickHold(THold::Volume, true);
    TInputResult r = Commit(TQuantity::Velocity, "0");
    EXPECT_FALSE(r.Accepted);
    EXPECT_EQ(r.Message, QStringLiteral("INVALID VALUE "));
    EXPECT_EQ(point.Panel(TPanel::Veloc).Color, PanelRed);
    EXPECT_TRUE(r.FocusBack);
    EXPECT_EQ(MessageBeepCount(), 1);
    EXPECT_EQ(point.Velocity(), 1000.0);
    EXPECT_EQ(Edit(TQuantity::Velocity), QStringLiteral("1.000"));

    // Mass flow 0 with the volume held would give density 0.
    EXPECT_FALSE(Commit(TQuantity::MassFlow, "0").Accepted);
    EXPECT_EQ(point.Density(), WaterDensity20());

    point.ClickHold(THold::Velocity, true);
    EXPECT_FALSE(Commit(TQuantity::VolumeFlow, "-28").Accepted);
    EXPECT_FALSE(Commit(TQuantity::VolumeFlow, "0").Accepted);
    EXPECT_FALSE(Commit(TQuantity::MassFlow, "0").Accepted);
    EXPECT_NEAR(point.CrossSection(), 7853.98, 0.005);
    EXPECT_EQ(point.GetMediumId(), 10001);

    // With the velocity held at 0 the pipe cannot follow the flow, but a new temperature
    // still updates density and mass flow.
    point.ClickHold(THold::CrossSection, true);
    EXPECT_TRUE(Commit(TQuantity::Velocity, "0").Stored);
    point.ClickHold(THold::Velocity, true);
    EXPECT_TRUE(Commit(TQuantity::Temperature, "50").Stored);
    EXPECT_NEAR(point.CrossSection(), 7853.98, 0.005);
    EXPECT_LT(point.Density(), 0.99);
}

TEST_F(MeasuringPointTest, MediumWithoutValidValuesKeepsTheLastOnes)
{
    point.SelectMedium(10005);  // acetone: density and viscosity fall below 0 near 280 °C
    const double density = point.Density();
    const double viscosity = point.KinViscosity();
    EXPECT_FALSE(point.DensityInvalid());
    EXPECT_TRUE(Commit(TQuantity::Temperature, "280").Stored);
    EXPECT_EQ(point.Density(), density);
    EXPECT_EQ(point.KinViscosity(), viscosity);
    EXPECT_TRUE(point.DensityInvalid() && point.ViscosityInvalid());
    EXPECT_EQ(point.Panel(TPanel::Dichte).Caption, QStringLiteral("INVALID VALUE "));
    EXPECT_EQ(point.Panel(TPanel::Dichte).Color, PanelRed);
    EXPECT_EQ(point.Panel(TPanel::ViskDYN).Caption, QStringLiteral("INVALID VALUE "));
    EXPECT_GE(MessageBeepCount(), 1);
    EXPECT_EQ(point.GetMediumId(), 10005);

    EXPECT_TRUE(Commit(TQuantity::Temperature, "20").Stored);
    EXPECT_FALSE(point.DensityInvalid() || point.ViscosityInvalid());
    EXPECT_NE(point.Panel(TPanel::Dichte).Color, PanelRed);

    // The other medium takes the values as they stand.
    EXPECT_TRUE(Commit(TQuantity::Temperature, "290").Stored);
    EXPECT_TRUE(point.DensityInvalid());
    point.SelectMedium(10000);
    EXPECT_FALSE(point.DensityInvalid() || point.ViscosityInvalid());
    EXPECT_EQ(point.Panel(TPanel::Dichte).Caption, QStringLiteral("0.730 g/cm³"));
}

TEST_F(MeasuringPointTest, FailedProfileCalculationHidesTheResults)
{
    // A roughness of nearly five diameters at high Reynolds numbers has no turbulent factor.
    point.ClickHold(THold::Volume, true);
    EXPECT_TRUE(Commit(TQuantity::InnerDiameter, "1").Stored);
    EXPECT_TRUE(Commit(TQuantity::Roughness, "4.885").Stored);
    point.ClickHold(THold::CrossSection, true);
    EXPECT_TRUE(Commit(TQuantity::Velocity, "1000").Stored);
    EXPECT_TRUE(point.ResultFail());
    EXPECT_EQ(point.ResultPane().LamiTurbo, QStringLiteral("---- ITERATION FAIL ---"));
    EXPECT_EQ(point.ResultPane().LamiTurboColor, PanelRed);
    EXPECT_FALSE(point.ResultPane().ValuesVisible);

    EXPECT_TRUE(Commit(TQuantity::Roughness, "0").Stored);
    EXPECT_FALSE(point.ResultFail());
    EXPECT_TRUE(point.ResultPane().ValuesVisible);
}

TEST_F(MeasuringPointTest, ReynoldsLimitsComeFromTheSource)
{
    point.SelectUnit(TQuantity::Velocity, 2);
    Commit(TQuantity::Velocity, "20");
    EXPECT_EQ(point.ResultPane().Kalfaktor, QStringLiteral("0.803 "));
    EXPECT_TRUE(point.Laminar());
    EXPECT_EQ(point.ResultPane().LamiTurbo, QStringLiteral("---- LAMINARE STRÖMUNG ---"));
    point.SetReynoldsLimitsSource([] { return TMeasuringPoint::TReynoldsLimits{2320.0, 2320.0}; });
    point.RefreshAllDisplays();
    EXPECT_EQ(point.ResultPane().Kalfaktor, QStringLiteral("0.750 "));
    EXPECT_EQ(point.FormatUncorrectedVelocity(), QStringLiteral("27"));
}

TEST_F(MeasuringPointTest, DialogValuesKeepFullPrecision)
{
    const TInputResult r = point.ApplyValue(TQuantity::Velocity, 10.13);
    EXPECT_TRUE(r.Stored);
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
    EXPECT_EQ(point.LiningThickness, 2.0);
    EXPECT_EQ(point.Hold(), THold::CrossSection);
}

TEST_F(MeasuringPointTest, DynamicViscosityGroupKeepsTheDynamicValue)
{
    point.SetDynViscosityVisible(true);
    const double dyn = point.DynViscosity();
    Commit(TQuantity::Density, "2000");
    EXPECT_EQ(point.DynViscosity(), dyn);
    EXPECT_DOUBLE_EQ(point.KinViscosity(), dyn / 2.0);
    Commit(TQuantity::DynViscosity, "3");
    EXPECT_DOUBLE_EQ(point.KinViscosity(), 1.5);
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
            point.SelectUnit(q, pick(random) % TMeasuringPoint::UnitCount(q));
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
        for (int k = 0; k < QuantityCount; ++k) {
            const auto quantity = static_cast<TQuantity>(k);
            ASSERT_TRUE(std::isfinite(point.Value(quantity))) << i;
            ASSERT_FALSE(bad(point.EditText(quantity))) << point.EditText(quantity).toStdString();
        }
        for (int p = 0; p < PanelCount; ++p)
            ASSERT_FALSE(bad(point.Panel(static_cast<TPanel>(p)).Caption));
        const TResultPane& pane = point.ResultPane();
        if (pane.ValuesVisible) {
            ASSERT_FALSE(bad(pane.Veloc) || bad(pane.Kalfaktor) || bad(pane.Reynold));
        }
        ASSERT_GT(point.CrossSection(), 0.0);
        ASSERT_GT(point.Density(), 0.0);
    }
}

} // namespace
