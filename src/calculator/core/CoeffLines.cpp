#include "calculator/core/CoeffLines.h"

#include "platform/NumberFormat.h"

QStringList CoefficientLines(const tCoeffSet& set)
{
    QStringList lines;
    lines << Format(QStringLiteral("TYPE\t%d"), {int(set.FormulaType)});
    for (int k = 0; k < 5; ++k) {
        const long double c = set.Coeff(k);
        QString text = Format(QStringLiteral("%e"), {c});
        if (c >= 0)
            text.prepend(QLatin1Char('+'));
        lines << Format(QStringLiteral("K[%d]\t%s"), {k, text});
    }
    return lines;
}
