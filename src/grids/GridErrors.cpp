#include "grids/GridErrors.h"

#include "platform/NumberFormat.h"

void RaiseGridError(const QString& message)
{
    throw EInvalidGridOperation(message);
}

void RaiseListIndexError(long long index)
{
    throw EListError(Format(QStringLiteral("Der Index der Liste überschreitet das Maximum (%d)"), {index}));
}
