#include "reference/CoeffSet.h"

#include <cmath>

namespace {

// Constants of the formulas, in the precision the firmware's evaluator uses.
constexpr long double ZeroCelsiusInKelvin = 273.15L;
constexpr long double Type4LogFactor = 0.008308053438787724L;
constexpr double Type3Constant = 8132.39;

// The guarded operations record a failure instead of producing an infinity or NaN; the
// caller then gets 0 ("no value").
struct Guard {
    bool failed = false;

    long double Divide(long double numerator, long double denominator)
    {
        if (denominator == 0.0L) {
            failed = true;
            return 0.0L;
        }
        return numerator / denominator;
    }

    long double Log(long double x)
    {
        if (!(x > 0.0L)) {
            failed = true;
            return 0.0L;
        }
        return std::log(x);
    }
};

long double Evaluate(const tCoeffSet& set, long double T, long double p, Guard& g)
{
    const long double c0 = set.Coeff(0);
    const long double c1 = set.Coeff(1);
    const long double c2 = set.Coeff(2);
    const long double c3 = set.Coeff(3);
    const long double c4 = set.Coeff(4);
    switch (set.FormulaType) {
    case 1: {
        const long double T2 = T * T;
        return c0 + c1 * T + c2 * T2 + c3 * (T * T2) + c4 * (T2 * T2);
    }
    case 2:
        if (c3 >= T)
            T = c3;
        return c0 * std::exp(g.Divide(c1, c2 + T));
    case 3:
        return Type3Constant;
    case 4:
        if (c3 >= T)
            return 0.0L;
        return g.Divide(c0, c2 + Type4LogFactor * g.Log(g.Divide(c1, T))) - ZeroCelsiusInKelvin;
    case 6:
        return c0 * (1.0L + c1 * p) * (1.0L + g.Divide(c2 * T, 1.0L + c4 * p) + c3 * (T * T));
    case 7:
        if (c4 > T)
            T = c4;
        return c0 * std::exp(c1 * T) * (1.0L + g.Divide(c2 * (p * p), 1.0L + c3 * T));
    case 8:
        return c0 * (1.0L + c1 * T) * (1.0L + c2 * p + c3 * (p * p));
    case 9: {
        if (c4 >= T)
            T = c4;
        const long double T2 = T * T;
        const double D = static_cast<double>(c0 + c1 * T + c2 * T2 + c3 * (T * T2));
        if (D == 0.0)
            return 1.0L;
        return 1.0L / D;
    }
    case 10:
        return c0 + c1 * T + c2 * p + c3 * T * p + c4 * (T * T) * p;
    default:  // 0, 5 and 11..255: no formula
        return 0.0L;
    }
}

}  // namespace

double EvalProperty(const tCoeffSet& set, double T, double p, bool* ok)
{
    Guard guard;
    double result = static_cast<double>(Evaluate(set, T, p, guard));
    const bool good = !guard.failed && std::isfinite(result);
    if (!good)
        result = 0.0;
    if (ok != nullptr)
        *ok = good;
    return result;
}

double EvalProperty(const tCoeffSet& set, double T, double p)
{
    return EvalProperty(set, T, p, nullptr);
}
