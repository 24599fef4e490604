#include "calculator/core/FlowProfileLimits.h"
#include "calculator/core/ProfileFactor.h"

#include "platform/FormatSettings.h"

#include <gtest/gtest.h>

#include <array>
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

TEST(ProfileFactor, SolvedPoints)
{
    const struct {
        double v, reynolds, factor, raw;
    } rows[] = {
        {1000.0, 101297.0, 0.93932, 1064.60},  // the standard point
        {-1000.0, 101297.0, 0.93932, -1064.60},
        {20.0, 2025.94, 0.80260, 24.919},  // the blend zone
        {0.0, 0.0, 0.75, 0.0},
    };
    for (const auto& r : rows) {
        const Solved s = Solve(r.v, D, Nu, K);
        ASSERT_FALSE(s.failed) << r.v;
        EXPECT_NEAR(s.reynolds, r.reynolds, 0.05) << r.v;
        EXPECT_NEAR(s.factor, r.factor, 0.000005) << r.v;
        EXPECT_NEAR(s.raw, r.raw, 0.005) << r.v;
    }
    EXPECT_NEAR(TurbulentProfileFactor(6000.0, 0.001), 0.92254, 0.000005);
}

TEST(ProfileFactor, LimitsAreInclusiveAndNeverDivideByTheirDifference)
{
    // Re = v * D * 0.1 / nu with nu = 1, D = 1000: Re = 100 v.
    const struct {
        double v, lam, turb, factor;
    } rows[] = {
        {10.0, 1000.0, 6000.0, 0.75},
        {60.0, 1000.0, 6000.0, TurbulentProfileFactor(6000.0, 0.001)},
        // Equal limits: laminar up to them, turbulent above, no blend.
        {23.2, 2320.0, 2320.0, 0.75},
        {23.3, 2320.0, 2320.0, TurbulentProfileFactor(2330.0, 0.001)},
        // R*lam > R*turb: every Re above R*lam is turbulent.
        {50.0, 4000.0, 3000.0, TurbulentProfileFactor(5000.0, 0.001)},
    };
    for (const auto& r : rows) {
        double re = 0.0;
        EXPECT_DOUBLE_EQ(ProfileCalFactor(re, r.v, 1000.0, 1.0, 1.0, r.lam, r.turb), r.factor) << r.v;
        EXPECT_DOUBLE_EQ(re, 100.0 * r.v);
    }
}

TEST(ProfileFactor, FailuresLeaveFactorAndRawVelocityAlone)
{
    // A viscosity of 0 is a failed calculation, not a stale valid one.
    const Solved zero = Solve(1000.0, D, 0.0, K);
    EXPECT_TRUE(zero.failed && zero.factor == -1.0 && zero.raw == -1.0 && zero.reynolds == -1.0);
    // A diameter of 0 makes k/D infinite once the flow is no longer laminar.
    EXPECT_TRUE(Solve(1000.0, 0.0, Nu, K, -1.0, 0.0).failed);
    // A roughness near 5 diameters drives the turbulent factor below 0, 100 mm on a 10 mm
    // bore above 1 (2.014); Re 0 above a negative laminar limit cannot start the iteration.
    EXPECT_TRUE(std::isnan(TurbulentProfileFactor(1e7, 4.885)));
    const Solved rough = Solve(1e6, 10.0, 1.0, 48.85);
    EXPECT_TRUE(rough.failed && rough.factor == -1.0 && rough.reynolds == 1e6);
    EXPECT_TRUE(std::isnan(TurbulentProfileFactor(10130.0, 10.0)));
    EXPECT_TRUE(Solve(1000.0, 100.0, Nu, 1000.0).failed);
    EXPECT_TRUE(std::isnan(TurbulentProfileFactor(0.0, 0.001)));
    EXPECT_TRUE(Solve(0.0, D, Nu, K, -1.0, -0.5).failed);
}

TEST(ProfileFactor, NeverHangsAndNeverReturnsAFactorOutsideZeroToOne)
{
    std::mt19937 random(20261206);
    std::uniform_real_distribution<double> exponent(-12.0, 40.0);
    // A quarter negative, a quarter zero, half positive, over 52 decades.
    auto value = [&] { return std::array{-1.0, 0.0, 1.0, 1.0}[random() % 4] * std::pow(10.0, exponent(random)); };
    for (int i = 0; i < 20000; ++i) {
        const double t = TurbulentProfileFactor(value(), value());
        EXPECT_TRUE(std::isnan(t) || (t > 0.0 && t <= 1.0));
        const Solved s = Solve(value(), value(), value(), value(), value(), value());
        EXPECT_TRUE(s.failed || (s.factor > 0.0 && s.factor <= 1.0 && std::isfinite(s.raw) && std::isfinite(s.reynolds)));
    }
}

TEST(FlowProfileLimits, VelocityLabels)
{
    FormatSettingsScope scope{TFormatSettings()};
    TFlowProfileLimits limits;
    EXPECT_FALSE(limits.FirmwareActionEnabled());
    TLineParams line;
    line.VelocityUnitName = QStringLiteral("m/s");
    line.KinViscosity = line.Roughness = 1.0;
    line.InnerDiameter = 1000.0;
    const auto texts = limits.SetLineParams(line);
    EXPECT_EQ(texts.InnerDiameter + ' ' + texts.Viscosity + ' ' + texts.Roughness, QStringLiteral("100.0 1.00 0.100"));
    EXPECT_EQ(limits.LaminarLabel().Caption + limits.TurbulentLabel().Caption, QStringLiteral("v < 0.010 m/sv > 0.060 m/s"));
    EXPECT_DOUBLE_EQ(limits.VelocityLam(), 10.0);
    limits.SetReynoldsLam(2320.0);
    EXPECT_TRUE(limits.FirmwareActionEnabled());
    EXPECT_EQ(limits.LaminarLabel().Caption, QStringLiteral("v < 0.023 m/s"));
    limits.AssignFirmwareReynolds();
    EXPECT_FALSE(limits.FirmwareActionEnabled());
    // No diameter: the velocity is undefined.
    line.InnerDiameter = 0.0;
    limits.SetLineParams(line);
    EXPECT_EQ(limits.LaminarLabel().Caption, QStringLiteral("UNDEF"));
    EXPECT_TRUE(!limits.LaminarLabel().Visible && limits.VelocityLam() == 0.0);
}

// A limit is stored as its box shows it, so reopening the dialog changes nothing.
TEST(FlowProfileLimits, LimitsAreStoredClamped)
{
    const std::pair<double, double> rows[] = {{0.0, 1.0},       {-500.0, 1.0}, {NAN, 1.0}, {1.0, 1.0},
                                              {2320.0, 2320.0}, {1e8, 1e8},    {1e9, 1e8}};
    for (const auto& [typed, stored] : rows) {
        TFlowProfileLimits limits;
        limits.SetReynoldsLam(typed);
        limits.SetReynoldsTurb(typed);
        EXPECT_TRUE(limits.ReynoldsLam() == stored && limits.ReynoldsTurb() == stored) << typed;
    }
}

} // namespace
