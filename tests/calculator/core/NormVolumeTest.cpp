#include "calculator/core/NormVolume.h"

#include "platform/FormatSettings.h"

#include <gtest/gtest.h>

#include <ostream>

void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

constexpr double PerM3h = 1e9 / 3600.0;  // mm³/s in 1 m³/h

TEST(NormVolume, FormulaCases)
{
    struct Case {
        double v, tOp, pOp, tN, pN, z;
        double expected;  // mm³/s
    };
    const Case cases[] = {
        // Operating and reference temperature equal: only the pressures count.
        {10 * PerM3h, 20.0, 1.0, 20.0, 1.01325, 1.0, 10 * PerM3h / 1.01325},
        // 0 °C reference, 20 °C operating, 5 bar, Z 0.9.
        {1000.0, 20.0, 5.0, 0.0, 1.01325, 0.9, 1000.0 * 273.15 / 293.15 * 5.0 / (1.01325 * 0.9)},
        // A zero denominator gives 0 instead of a division error.
        {1000.0, -273.15, 1.0, 20.0, 1.01325, 1.0, 0.0},
        {1000.0, 20.0, 1.0, 20.0, 0.0, 1.0, 0.0},
        {1000.0, 20.0, 1.0, 20.0, 1.01325, 0.0, 0.0},
    };
    for (const Case& c : cases) {
        tNormVolumeParams p;
        p.VolumeFlow = c.v;
        p.Temperature = c.tOp;
        p.Pressure = c.pOp;
        p.NormTemperature = c.tN;
        p.NormPressure = c.pN;
        p.Compressibility = c.z;
        EXPECT_NEAR(NormalizedVolumeFlow(p), c.expected, 1e-9 * std::abs(c.expected)) << c.tOp << " " << c.z;
    }
}

TEST(NormVolume, DialogTextsAndShowDefaults)
{
    FormatSettingsScope format;
    FormatSettings() = TFormatSettings();
    TNormVolume dlg;
    tNormVolumeParams p;
    p.VolumeFlow = 10 * PerM3h;
    p.Temperature = 20.0;
    p.Pressure = 0.0;  // a point read from a file without pressures
    p.VolumeUnit = 0;  // m³/h: list position = unit id
    p.TempUnit = 7;    // no such unit: °C
    dlg.LoadParams(p);
    dlg.PrepareShow();
    EXPECT_EQ(dlg.Value(TNormField::NormTemp), 20.0);
    EXPECT_EQ(dlg.Value(TNormField::NormDruck), 1.01325);
    EXPECT_EQ(dlg.Value(TNormField::FluidDruck), 1.0);
    EXPECT_EQ(dlg.Value(TNormField::CompressFactor), 1.0);
    EXPECT_EQ(dlg.TempUnit(), 0);
    EXPECT_EQ(dlg.NormalizedText(), QStringLiteral("9.869 m³/h"));
    EXPECT_EQ(dlg.Text(TNormField::Volume), QStringLiteral("10.000"));
    EXPECT_EQ(dlg.Text(TNormField::FluidDruck), QStringLiteral("1.0"));
    EXPECT_EQ(dlg.Text(TNormField::NormDruck), QStringLiteral("1.013"));

    // °F shows both temperatures converted; the stored values stay in °C.
    dlg.SelectTempUnit(1);
    EXPECT_EQ(dlg.Text(TNormField::FluidTemp), QStringLiteral("68.0"));
    EXPECT_EQ(dlg.Text(TNormField::NormTemp), QStringLiteral("68.0"));
    EXPECT_EQ(dlg.TempUnitName(), QStringLiteral("°F"));
    EXPECT_EQ(dlg.StoreParams().Temperature, 20.0);
}

TEST(NormVolume, CommitChecksRangeInTheShownUnit)
{
    FormatSettingsScope format;
    FormatSettings() = TFormatSettings();
    struct Case {
        TNormField field;
        int tempUnit;
        const char* text;
        bool ok;
        double stored;        // internal unit, when ok
        const char* message;  // when not ok
        TNormPanel panel;
    };
    const Case cases[] = {
        {TNormField::FluidTemp, 1, "212", true, 100.0, "", TNormPanel::Volume},
        {TNormField::NormTemp, 1, "-400", false, 0, "MIN: -328 °F", TNormPanel::NormConditions},
        {TNormField::NormDruck, 0, "700", false, 0, "MAX: 600 bar", TNormPanel::NormConditions},
        {TNormField::CompressFactor, 0, "0.05", false, 0, "MIN: 0.1 ", TNormPanel::CompressFactor},
        {TNormField::CompressFactor, 0, "0.95", true, 0.95, "", TNormPanel::CompressFactor},
        {TNormField::Volume, 0, "3.6", true, 1e6, "", TNormPanel::Volume},
        {TNormField::FluidDruck, 0, "1.5.0", false, 0, "SYNTAX ERROR bar", TNormPanel::Volume},
    };
    for (const Case& c : cases) {
        TNormVolume dlg;
        dlg.SelectTempUnit(c.tempUnit);
        const double before = dlg.Value(c.field);
        const TNormVolume::TCommit r = dlg.Commit(c.field, QString::fromUtf8(c.text));
        EXPECT_EQ(r.Check.Ok, c.ok) << c.text;
        EXPECT_EQ(r.Panel, c.panel) << c.text;
        if (c.ok) {
            EXPECT_NEAR(dlg.Value(c.field), c.stored, 1e-9) << c.text;
        } else {
            EXPECT_EQ(r.Check.LabelCaption, QString::fromUtf8(c.message));
            EXPECT_EQ(dlg.Value(c.field), before) << c.text;
        }
    }
}

TEST(NormVolume, UnchangedTextKeepsFullPrecision)
{
    TNormVolume dlg;
    dlg.SetValue(TNormField::CompressFactor, 0.987654321);
    const TNormVolume::TCommit r = dlg.Commit(TNormField::CompressFactor, dlg.Text(TNormField::CompressFactor));
    EXPECT_TRUE(r.Check.Ok);
    EXPECT_FALSE(r.Stored);
    EXPECT_EQ(dlg.Value(TNormField::CompressFactor), 0.987654321);
}

}  // namespace
