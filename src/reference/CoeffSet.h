#pragma once
// A coefficient set: one temperature- and pressure-dependent property of a material or
// medium, as a formula type and five coefficients in the firmware's 6-byte real format.

#include "reference/Real48.h"

#include <cstdint>
#include <initializer_list>

// 31 bytes, no padding: the firmware's layout.
struct tCoeffSet {
    std::uint8_t FormulaType = 0;  // 0..10; 255 marks a material's class part
    tReal48 K[5] = {};             // c0..c4

    // Coefficient k (0..4) in extended precision; 0 for k outside 0..4.
    constexpr long double Coeff(int k) const
    {
        return k >= 0 && k < 5 ? Real48ToLongDouble(K[k]) : 0.0L;
    }
    // Stores coefficient k (0..4), rounded to the 6-byte format; other k are ignored.
    constexpr void SetCoeff(int k, long double value)
    {
        if (k >= 0 && k < 5)
            K[k] = LongDoubleToReal48(value);
    }

    friend constexpr bool operator==(const tCoeffSet&, const tCoeffSet&) = default;
};
static_assert(sizeof(tCoeffSet) == 31);

// A set of the given type; missing trailing coefficients are 0, extra ones are ignored.
constexpr tCoeffSet MakeCoeffSet(std::uint8_t formulaType, std::initializer_list<long double> coefficients)
{
    tCoeffSet set;
    set.FormulaType = formulaType;
    int k = 0;
    for (long double c : coefficients)
        set.SetCoeff(k++, c);
    return set;
}

// Evaluates the set at temperature T [°C] and pressure p [bar]. Every intermediate is
// computed in extended precision. Types 0, 5 and 11..255 give 0 ("no value").
// Never returns a non-finite value: a zero divisor, the logarithm of a non-positive number
// or an overflow gives 0, and *ok (when given) is set to false; otherwise *ok is true.
double EvalProperty(const tCoeffSet& set, double T, double p, bool* ok);
double EvalProperty(const tCoeffSet& set, double T, double p);
