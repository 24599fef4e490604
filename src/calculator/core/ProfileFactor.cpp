#include "calculator/core/ProfileFactor.h"

#include <cmath>
#include <limits>

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// Rounds of the turbulent fixed-point iteration. It converges in a handful of rounds
// wherever the model is meaningful; the limit only keeps a degenerate input from hanging.
constexpr int TurbulentRoundLimit = 1000;
// Rounds of the velocity correction.
constexpr int CorrectionRoundLimit = 200;

bool Finite(long double x)
{
    return std::isfinite(x);
}

// The meter never sees more than the mean velocity: a factor above 1 (a roughness of many
// diameters) is as meaningless as one of 0 or below.
bool PlausibleFactor(double k)
{
    return std::isfinite(k) && k > 0.0 && k <= 1.0;
}

} // namespace

double ReynoldsNumber(double velocity, double innerDiameter, double kinViscosity)
{
    return std::fabs(velocity) * innerDiameter * 0.1 / kinViscosity;
}

double TurbulentProfileFactor(double reynolds, double relativeRoughness)
{
    const long double a = 0.6550531L / reynolds;
    const long double b = 0.16376328L * relativeRoughness;
    long double x = 0.08;
    for (int round = 0; round < TurbulentRoundLimit; ++round) {
        const long double previous = x;
        const long double argument = a / previous + b;
        if (!Finite(argument) || argument <= 0.0L)
            return NaN;
        x = -1.0L / (2.0L * std::log(argument));
        if (!Finite(x))
            return NaN;
        if (std::fabs(previous - x) < 0.00001L) {
            const double k = static_cast<double>(1.0L - x);
            return PlausibleFactor(k) ? k : NaN;
        }
    }
    return NaN;
}

double ProfileCalFactor(double& reynolds, double velocity, double innerDiameter, double kinViscosity,
                        double roughness, double reynoldsLam, double reynoldsTurb)
{
    reynolds = ReynoldsNumber(velocity, innerDiameter, kinViscosity);
    const double r = roughness / innerDiameter;
    if (!std::isfinite(reynolds) || !std::isfinite(r))
        return NaN;
    if (reynolds <= reynoldsLam)
        return 0.75;
    if (reynolds >= reynoldsTurb)
        return TurbulentProfileFactor(reynolds, r);
    // Between the limits (so R*lam < R*turb here): blend towards the factor at R*turb.
    const double kt = TurbulentProfileFactor(reynoldsTurb, r);
    const double k = 0.75 + (kt - 0.75) * (reynolds - reynoldsLam) / (reynoldsTurb - reynoldsLam);
    return PlausibleFactor(k) ? k : NaN;
}

bool SolveProfileCorrection(double& factor, double& reynolds, double& rawVelocity, double velocity,
                            double innerDiameter, double kinViscosity, double roughness,
                            double reynoldsLam, double reynoldsTurb)
{
    if (kinViscosity == 0.0)
        return true;
    const double re0 = ReynoldsNumber(velocity, innerDiameter, kinViscosity);
    if (!std::isfinite(re0) || !std::isfinite(velocity))
        return true;
    reynolds = re0;
    if (re0 < reynoldsLam) {
        factor = 0.75;
        rawVelocity = velocity / 0.75;
        return false;
    }
    double k = 1.0;
    double raw = velocity;
    for (int round = 1; round <= CorrectionRoundLimit; ++round) {
        raw = velocity / k;
        double re = 0.0;
        k = ProfileCalFactor(re, raw, innerDiameter, kinViscosity, roughness, reynoldsLam, reynoldsTurb);
        if (!PlausibleFactor(k) || !std::isfinite(raw))
            return true;
        if (std::fabs(raw * k - velocity) < 0.00001) {
            factor = k;
            rawVelocity = raw;
            return false;
        }
    }
    return true;
}
