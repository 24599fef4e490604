#pragma once
// The text of the coefficient list TDLG_Koeffs: one coefficient set as six lines, a key and
// a value separated by a tab.

#include "reference/CoeffSet.h"

#include <QStringList>

// "TYPE\t<formula type>", then "K[k]\t<coefficient k>" for k = 0..4, each coefficient in
// exponent format with 15 significant digits and a "+" before values of 0 or more
// ("+1.00000000000000E+003", "-2.50000000000000E-001").
QStringList CoefficientLines(const tCoeffSet& set);
