#include "calculator/core/FlowProfileLimits.h"
#include "calculator/core/ProfileFactor.h"

#include "platform/FormatSettings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

// Water at 20 °C in a 100 mm pipe with 0.1 mm roughness.
constexpr double Nu = 0.987196;
constexpr double D = 1000.0;
constexpr double K = 1.0;

struct Solved {
    bool failed = false;
    double factor = -1.0;
    double reynolds = -1.0;
    double raw = -1.0;
};

Solved Solve(double v, double d, double nu, double k, double lam = 1000.0, double turb = 6000.0)
{
    Solved s;
    s.failed = SolveProfileCorrection(s.factor, s.reynolds, s.raw, v, d, nu, k, lam, turb);
    return s;
}

TEST(ProfileFactor, StandardPointAndBlendZone)
{
    const Solved standard = Solve(1000.0, D, Nu, K);
    ASSERT_FALSE(standard.failed);
    EXPECT_NEAR(standard.reynolds, 101297.0, 0.05);
    EXPECT_NEAR(standard.factor, 0.93932, 0.000005);
    EXPECT_NEAR(standard.raw, 1064.60, 0.005);

    const Solved slow = Solve(20.0, D, Nu, K);
    ASSERT_FALSE(slow.failed);
    EXPECT_NEAR(slow.reynolds, 2025.94, 0.005);
    EXPECT_NEAR(slow.factor, 0.80260, 0.000005);
    EXPECT_NEAR(slow.raw, 24.919, 0.0005);
    EXPECT_NEAR(TurbulentProfileFactor(6000.0, 0.001), 0.92254, 0.000005);
}

TEST(ProfileFactor, LimitsAreInclusiveAndNeverDivideByTheirDifference)
{
    // Re = v * D * 0.1 / nu with nu = 1, D = 1000: Re = 100 v.
    double re = 0.0;
    EXPECT_EQ(ProfileCalFactor(re, 10.0, 1000.0, 1.0, 1.0, 1000.0, 6000.0), 0.75);
    EXPECT_DOUBLE_EQ(re, 1000.0);
    EXPECT_EQ(ProfileCalFactor(re, 60.0, 1000.0, 1.0, 1.0, 1000.0, 6000.0), TurbulentProfileFactor(6000.0, 0.001));

    // Equal limits: laminar up to them, turbulent above, no blend.
    EXPECT_EQ(ProfileCalFactor(re, 23.2, 1000.0, 1.0, 1.0, 2320.0, 2320.0), 0.75);
    const double above = ProfileCalFactor(re, 23.3, 1000.0, 1.0, 1.0, 2320.0, 2320.0);
    EXPECT_TRUE(std::isfinite(above));
    EXPECT_EQ(above, TurbulentProfileFactor(re, 0.001));
    // R*lam > R*turb: every Re above R*lam is turbulent.
    EXPECT_EQ(ProfileCalFactor(re, 50.0, 1000.0, 1.0, 1.0, 4000.0, 3000.0), TurbulentProfileFactor(5000.0, 0.001));
}

TEST(ProfileFactor, ZeroAndNegativeVelocity)
{
    const Solved still = Solve(0.0, D, Nu, K);
    ASSERT_FALSE(still.failed);
    EXPECT_EQ(still.factor, 0.75);
    EXPECT_EQ(still.raw, 0.0);
    EXPECT_EQ(still.reynolds, 0.0);

    const Solved back = Solve(-1000.0, D, Nu, K);
    ASSERT_FALSE(back.failed);
    EXPECT_NEAR(back.reynolds, 101297.0, 0.05);
    EXPECT_NEAR(back.raw, -1064.60, 0.005);
    EXPECT_NEAR(back.factor, 0.93932, 0.000005);
}

TEST(ProfileFactor, FailuresLeaveFactorAndRawVelocityAlone)
{
    // A viscosity of 0 is a failed calculation, not a stale valid one.
    Solved zero = Solve(1000.0, D, 0.0, K);
    EXPECT_TRUE(zero.failed);
    EXPECT_EQ(zero.factor, -1.0);
    EXPECT_EQ(zero.raw, -1.0);
    EXPECT_EQ(zero.reynolds, -1.0);

    // A diameter of 0 makes k/D infinite once the flow is no longer laminar.
    EXPECT_TRUE(Solve(1000.0, 0.0, Nu, K, -1.0, 0.0).failed);
    // A roughness near 5 diameters drives the turbulent factor below 0.
    EXPECT_TRUE(std::isnan(TurbulentProfileFactor(1e7, 4.885)));
    const Solved rough = Solve(1e6, 10.0, 1.0, 48.85);
    EXPECT_TRUE(rough.failed);
    EXPECT_EQ(rough.factor, -1.0);
    EXPECT_DOUBLE_EQ(rough.reynolds, 1e6);
    // A roughness of 100 mm on a 10 mm bore drives it above 1 (2.014), no better.
    EXPECT_TRUE(std::isnan(TurbulentProfileFactor(10130.0, 10.0)));
    EXPECT_TRUE(Solve(1000.0, 100.0, Nu, 1000.0).failed);
    // Re of 0 above a negative laminar limit: the turbulent iteration cannot start.
    EXPECT_TRUE(std::isnan(TurbulentProfileFactor(0.0, 0.001)));
    EXPECT_TRUE(Solve(0.0, D, Nu, K, -1.0, -0.5).failed);
}

TEST(ProfileFactor, NeverHangsAndNeverReturnsAFactorOutsideZeroToOne)
{
    std::mt19937 random(20261206);
    std::uniform_real_distribution<double> exponent(-12.0, 40.0);
    std::uniform_int_distribution<int> sign(0, 3);
    auto value = [&]() {
        const double v = std::pow(10.0, exponent(random));
        switch (sign(random)) {
        case 0:
            return -v;
        case 1:
            return 0.0;
        default:
            return v;
        }
    };
    for (int i = 0; i < 20000; ++i) {
        const double t = TurbulentProfileFactor(value(), value());
        EXPECT_TRUE(std::isnan(t) || (t > 0.0 && t <= 1.0));
        const Solved s = Solve(value(), value(), value(), value(), value(), value());
        if (!s.failed) {
            EXPECT_TRUE(std::isfinite(s.factor) && s.factor > 0.0 && s.factor <= 1.0);
            EXPECT_TRUE(std::isfinite(s.raw));
            EXPECT_TRUE(std::isfinite(s.reynolds));
        }
    }
}

TEST(FlowProfileLimits, VelocityLabels)
{
    FormatSettingsScope scope{TFormatSettings()};
    TFlowProfileLimits limits;
    EXPECT_FALSE(limits.FirmwareActionEnabled());
    TLineParams line;
    line.VelocityUnitName = QStringLiteral("m/s");
    line.VelocityDigits = 3;
    line.VelocityFactor = 0.001;
    line.KinViscosity = 1.0;
    line.InnerDiameter = 1000.0;
    line.Roughness = 1.0;
    const auto texts = limits.SetLineParams(line);
    EXPECT_EQ(texts.InnerDiameter, QStringLiteral("100.0"));
    EXPECT_EQ(texts.Viscosity, QStringLiteral("1.00"));
    EXPECT_EQ(texts.Roughness, QStringLiteral("0.100"));
    EXPECT_EQ(limits.LaminarLabel().Caption, QStringLiteral("v < 0.010 m/s"));
    EXPECT_TRUE(limits.LaminarLabel().Visible);
    EXPECT_DOUBLE_EQ(limits.VelocityLam(), 10.0);
    EXPECT_EQ(limits.TurbulentLabel().Caption, QStringLiteral("v > 0.060 m/s"));

    limits.SetReynoldsLam(2320.0);
    EXPECT_TRUE(limits.FirmwareActionEnabled());
    EXPECT_EQ(limits.LaminarLabel().Caption, QStringLiteral("v < 0.023 m/s"));
    limits.AssignFirmwareReynolds();
    EXPECT_FALSE(limits.FirmwareActionEnabled());

    // No diameter: the velocity is undefined.
    line.InnerDiameter = 0.0;
    limits.SetLineParams(line);
    EXPECT_EQ(limits.LaminarLabel().Caption, QStringLiteral("UNDEF"));
    EXPECT_FALSE(limits.LaminarLabel().Visible);
    EXPECT_EQ(limits.VelocityLam(), 0.0);
}

// A limit is stored as its box shows it, so reopening the dialog changes nothing.
TEST(FlowProfileLimits, LimitsAreStoredClamped)
{
    const std::pair<double, double> rows[] = {{0.0, 1.0},      {-500.0, 1.0},       {NAN, 1.0},
                                              {1.0, 1.0},      {2320.0, 2320.0},    {1e8, 1e8},
                                              {1e9, 1e8}};
    for (const auto& [typed, stored] : rows) {
        TFlowProfileLimits limits;
        limits.SetReynoldsLam(typed);
        limits.SetReynoldsTurb(typed);
        EXPECT_EQ(limits.ReynoldsLam(), stored) << typed;
        EXPECT_EQ(limits.ReynoldsTurb(), stored) << typed;
    }
}

} // namespace
