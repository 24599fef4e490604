#include "reference/Units.h"

#include "platform/FormatSettings.h"
#include "platform/NumberFormat.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Display text of an internal value in a unit row, as the value panels print it.
template <typename Row>
std::string Show(double internal, const Row& unit)
{
    return FloatToStrF(internal * unit.Factor, ffFixed, 15, UnitDigits(unit)).toStdString();
}

class UnitsTest : public ::testing::Test {
protected:
    FormatSettingsScope scope_{TFormatSettings{}};
};

TEST_F(UnitsTest, VelocityAndVolumeFlowTexts)
{
    const char* velocity[] = {"1.000", "100.0", "1000", "39.37", "3.281"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Show(1000, VelocityUnits[i]), velocity[i]) << i;
    EXPECT_EQ(Show(1000000, VolumeFlowUnits[0]), "3.600");
    EXPECT_EQ(Show(1000000, VolumeFlowUnits[15]), "86.400");
    // The order lists every identifier exactly once.
    const std::set<int> ids(VolumeFlowUnitOrder.begin(), VolumeFlowUnitOrder.end());
    EXPECT_TRUE(ids.size() == VolumeFlowUnitOrder.size() && *ids.rbegin() == int(ids.size()) - 1);
}

TEST_F(UnitsTest, FactorsAgreeWithinEachFamily)
{
    // One quantity unit over different time units: a mistyped digit breaks the ratio.
    auto ratio = [](const auto& table, int a, int b) { return table[a].Factor / table[b].Factor; };
    const struct { int a, b; double ratio; } volume[] = {
        {15, 0, 24},  {0, 1, 60},   {1, 2, 60},   {3, 4, 60},   {4, 5, 60},   {12, 6, 24},  {6, 7, 60},   {7, 8, 60},
        {9, 10, 24},  {10, 11, 60}, {16, 17, 60}, {17, 18, 60}, {19, 20, 24}, {20, 21, 60}, {21, 22, 60}, {12, 13, 1e6},
        {15, 14, 1000}};
    for (const auto& v : volume)
        EXPECT_NEAR(ratio(VolumeFlowUnits, v.a, v.b) / v.ratio, 1, 1e-14) << v.a << "/" << v.b;
    EXPECT_NEAR(ratio(MassFlowUnits, 5, 6) * ratio(MassFlowUnits, 6, 7), 3600, 1e-9);
    EXPECT_NEAR(ratio(MassFlowUnits, 5, 0), 2204.62262184878, 1e-9);
    EXPECT_NEAR(VelocityUnits[3].Factor * 25.4, 1, 1e-15);
    // The firmware's imperial area and density factors agree to about 8 digits.
    EXPECT_NEAR(AreaUnits[3].Factor * 25.4 * 25.4, 1, 1e-7);
    EXPECT_NEAR(AreaUnits[4].Factor / AreaUnits[3].Factor * 144, 1, 1e-7);
    EXPECT_NEAR(DensityUnits[3].Factor / DensityUnits[2].Factor / 1728, 1, 1e-7);
}

TEST_F(UnitsTest, TemperatureAndDigits)
{
    EXPECT_EQ(FloatToStrF(CelsiusToFahrenheit(20), ffFixed, 15, UnitDigits(TemperatureUnits[1])).toStdString(), "68.0");
    EXPECT_EQ(FahrenheitToCelsius(572), 300.0);
    EXPECT_EQ(Show(1.5, tMeUnitRec{QStringLiteral("x"), 1.0, -1}), "1.500");
}

}  // namespace
