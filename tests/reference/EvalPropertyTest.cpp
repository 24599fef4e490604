#include "reference/CoeffSet.h"
#include "reference/QlvTabels.h"

#include "platform/FormatSettings.h"
#include "platform/NumberFormat.h"

#include <gtest/gtest.h>

namespace {

// The values as the program prints them: general format with 6 significant digits.
std::string G6(double value)
{
    return FloatToStrF(value, ffGeneral, 6, 0).toStdString();
}

class EvalPropertyTest : public ::testing::Test {
protected:
    FormatSettingsScope scope_{TFormatSettings{}};
};

TEST_F(EvalPropertyTest, LibraryMediaAsPrinted)
{
    tMediumRec water, transcal, hlp32;
    ASSERT_TRUE(GetMedium(10001, water) && GetMedium(10012, transcal) && GetMedium(10045, hlp32));
    const struct { const tCoeffSet& set; double T, p; const char* text; } cases[] = {
        {water.Density, 20, 1, "0.998801"},       {water.KinViscosity, 20, 1, "0.987196"},
        // Below 0 °C the viscosity is held at its 0 °C value; the density polynomial is not.
        {water.KinViscosity, -10, 1, "1.87547"},  {water.Density, -10, 1, "1.00087"},
        {transcal.KinViscosity, 20, 1, "13.9336"}, {transcal.KinViscosity, -40, 1, "326.454"},
        {hlp32.SoundSpeed, 40, 1, "1421.77"},     {hlp32.SoundSpeed, 40, 100, "1453.03"},
        {hlp32.Density, 40, 1, "0.85785"},        {hlp32.Density, 40, 100, "0.863315"},
        {hlp32.KinViscosity, 40, 1, "34.1835"},   {hlp32.KinViscosity, 40, 100, "35.9594"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(G6(EvalProperty(c.set, c.T, c.p)), c.text) << c.T << " " << c.p;
    EXPECT_EQ(FloatToStrF(EvalProperty(water.SoundSpeed, 20, 1), ffFixed, 15, 1).toStdString(), "1482.0");
    // Below its lower bound (-30 °C) the type-7 viscosity is held at the bound's value.
    EXPECT_EQ(EvalProperty(hlp32.KinViscosity, -50, 1), EvalProperty(hlp32.KinViscosity, -30, 1));
}

TEST_F(EvalPropertyTest, FormulasWithExactCoefficientsAndTypesWithout)
{
    // Small integers keep every step exact, so a wrong term order or power shows.
    EXPECT_EQ(EvalProperty(MakeCoeffSet(1, {1, 2, 3, 4, 5}), 2, 0), 1 + 4 + 12 + 32 + 80);
    EXPECT_EQ(EvalProperty(MakeCoeffSet(10, {1, 2, 3, 4, 5}), 2, 3), 1 + 4 + 9 + 24 + 60);
    EXPECT_EQ(EvalProperty(MakeCoeffSet(8, {2, 0.5, 1, 0.25}), 2, 2), 2 * 2 * (1 + 2 + 1));
    EXPECT_EQ(EvalProperty(MakeCoeffSet(6, {2, 0.5, 1, 0.25, 1}), 2, 1), 2 * 1.5 * (1 + 1 + 1));
    EXPECT_EQ(EvalProperty(MakeCoeffSet(9, {1, 1, 1, 1, 0}), 1, 0), 0.25);
    EXPECT_DOUBLE_EQ(EvalProperty(MakeCoeffSet(2, {2, 3, 1, -100}), 2, 0), 2 * std::exp(1.0));
    EXPECT_DOUBLE_EQ(EvalProperty(MakeCoeffSet(7, {2, 0.5, 1, 1, -100}), 2, 2), 2 * std::exp(1.0) * (1 + 4.0 / 3));
    EXPECT_NEAR(EvalProperty(MakeCoeffSet(4, {300, 200, 1, 50}), 100, 0),
                300 / (1 + 0.008308053438787724 * std::log(2.0)) - 273.15, 1e-12);
    bool ok = false;
    EXPECT_EQ(EvalProperty(MakeCoeffSet(3, {1, 2, 3, 4, 5}), 20, 1), 8132.39);
    for (int type : {0, 5, 11, 200, 255})
        EXPECT_TRUE(EvalProperty(MakeCoeffSet(static_cast<std::uint8_t>(type), {7, 7, 7, 7, 7}), 20, 1, &ok) == 0.0 && ok) << type;
    // The type-4 bound is inclusive; the type-9 zero denominator is its own guard.
    EXPECT_TRUE(EvalProperty(MakeCoeffSet(4, {300, 200, 1, 50}), 50, 0, &ok) == 0.0 && ok);
    EXPECT_TRUE(EvalProperty(MakeCoeffSet(9, {1, -1}), 1, 0, &ok) == 1.0 && ok);
}

TEST_F(EvalPropertyTest, UnguardedDivisionsAndLogarithmsGiveNoValue)
{
    const struct { tCoeffSet set; double T, p; } cases[] = {
        {MakeCoeffSet(2, {1, 1, -20, -100}), 20, 1},         // c2 + T = 0
        {MakeCoeffSet(4, {1, 200, 1, -100}), 0, 1},          // c1 / T with T = 0
        {MakeCoeffSet(4, {1, -200, 1, -100}), 20, 1},        // ln of a negative quotient
        {MakeCoeffSet(4, {1, 1, 0, -100}), 1, 1},            // c2 + k ln(1) = 0
        {MakeCoeffSet(6, {1, 1, 1, 1, -1}), 20, 1},          // 1 + c4 p = 0
        {MakeCoeffSet(7, {1, 1, 1, -0.25L, -100}), 4, 1},    // 1 + c3 T = 0
        {MakeCoeffSet(2, {1, 1e6, 0, -100}), 1e-6, 1},       // exp overflows
        {MakeCoeffSet(1, {1e38, 0, 0, 0, 1e38}), 1e80, 1},   // polynomial overflows a double
    };
    for (const auto& c : cases) {
        bool ok = true;
        EXPECT_TRUE(EvalProperty(c.set, c.T, c.p, &ok) == 0.0 && !ok) << int{c.set.FormulaType};
        EXPECT_EQ(EvalProperty(c.set, c.T, c.p), 0.0);
    }
}

}  // namespace
