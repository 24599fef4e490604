#include "calculator/core/NormVolume.h"

#include "platform/FormatSettings.h"
#include "../../platform/QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

constexpr double PerM3h = 1e9 / 3600.0;  // mm³/s in 1 m³/h

TEST(NormVolume, FormulaCases)
{
    const double cases[][7] = {  // V, T_op, p_op, T_n, p_n, Z, normalized V [mm³/s]
        // Operating and reference temperature equal: only the pressures count.
        {10 * PerM3h, 20.0, 1.0, 20.0, 1.01325, 1.0, 10 * PerM3h / 1.01325},
        // 0 °C reference, 20 °C operating, 5 bar, Z 0.9.
        {1000.0, 20.0, 5.0, 0.0, 1.01325, 0.9, 1000.0 * 273.15 / 293.15 * 5.0 / (1.01325 * 0.9)},
        // A zero denominator gives 0 instead of a division error.
        {1000.0, -273.15, 1.0, 20.0, 1.01325, 1.0, 0.0},
        {1000.0, 20.0, 1.0, 20.0, 0.0, 1.0, 0.0},
        {1000.0, 20.0, 1.0, 20.0, 1.01325, 0.0, 0.0},
    };
    for (const auto& [v, tOp, pOp, tN, pN, z, expected] : cases) {
        EXPECT_NEAR(NormalizedVolumeFlow({tOp, pOp, v, z, tN, pN}), expected, 1e-9 * std::abs(expected)) << tOp << " " << z;
    }
}

TEST(NormVolume, DialogTextsAndShowDefaults)
{
    const FormatSettingsScope format{TFormatSettings()};
    TNormVolume dlg;
    // A point read from a file without pressures, m³/h (list position = unit id), no such
    // temperature unit (°C).
    dlg.LoadParams({20.0, 0.0, 10 * PerM3h, 0.0, 0.0, 0.0, 7, 0});
    dlg.PrepareShow();
    const tNormVolumeParams shown{20.0, 1.0, 10 * PerM3h, 1.0, 20.0, 1.01325, 0, 0};
    EXPECT_EQ(dlg.StoreParams(), shown);
    EXPECT_EQ(dlg.NormalizedText(), QStringLiteral("9.869 m³/h"));
    EXPECT_EQ(dlg.Text(TNormField::Volume) + ' ' + dlg.Text(TNormField::FluidDruck) + ' ' + dlg.Text(TNormField::NormDruck),
              QStringLiteral("10.000 1.0 1.013"));
    // °F shows both temperatures converted; the stored values stay in °C.
    dlg.SelectTempUnit(1);
    EXPECT_EQ(dlg.Text(TNormField::FluidTemp) + ' ' + dlg.Text(TNormField::NormTemp) + dlg.TempUnitName(), QStringLiteral("68.0 68.0°F"));
    EXPECT_TRUE(dlg.StoreParams().Temperature == 20.0 && dlg.StoreParams().TempUnit == 1);
}

// Checked in the shown unit; a rejected text leaves the stored value and gives the message
// for the field's group panel.
TEST(NormVolume, CommitChecksRangeInTheShownUnit)
{
    const FormatSettingsScope format{TFormatSettings()};
    struct Case {
        TNormField field;
        int tempUnit;
        const char* text;
        double stored;        // internal unit, the field's start value when rejected
        const char* message;  // empty when accepted
        TNormPanel panel;
    };
    const Case cases[] = {
        {TNormField::FluidTemp, 1, "212", 100.0, "", TNormPanel::Volume},
        {TNormField::NormTemp, 1, "-400", 0, "MIN: -328 °F", TNormPanel::NormConditions},
        {TNormField::NormDruck, 0, "700", 0, "MAX: 600 bar", TNormPanel::NormConditions},
        {TNormField::CompressFactor, 0, "0.05", 1.0, "MIN: 0.1 ", TNormPanel::CompressFactor},
        {TNormField::CompressFactor, 0, "0.95", 0.95, "", TNormPanel::CompressFactor},
        {TNormField::Volume, 0, "3.6", 1e6, "", TNormPanel::Volume},
        {TNormField::FluidDruck, 0, "1.5.0", 1.0, "SYNTAX ERROR bar", TNormPanel::Volume},
    };
    for (const Case& c : cases) {
        TNormVolume dlg;
        dlg.SelectTempUnit(c.tempUnit);
        const TNormVolume::TCommit r = dlg.Commit(c.field, QString::fromUtf8(c.text));
        EXPECT_EQ(r.Check.Ok, *c.message == 0) << c.text;
        EXPECT_EQ(r.Check.Ok ? QString() : r.Check.LabelCaption, QString::fromUtf8(c.message));
        EXPECT_EQ(r.Panel, c.panel) << c.text;
        EXPECT_NEAR(dlg.Value(c.field), c.stored, 1e-9) << c.text;
    }
}

TEST(NormVolume, UnchangedTextKeepsFullPrecision)
{
    TNormVolume dlg;
    dlg.SetValue(TNormField::CompressFactor, 0.987654321);
    const TNormVolume::TCommit r = dlg.Commit(TNormField::CompressFactor, dlg.Text(TNormField::CompressFactor));
    EXPECT_TRUE(r.Check.Ok && !r.Stored && dlg.Value(TNormField::CompressFactor) == 0.987654321);
}

}  // namespace
