#pragma once
// The message of the grid-family exception that `f` raises, or "<no exception>".

#include "grids/GridErrors.h"

#include <functional>

template <class E = EInvalidGridOperation>
QString ErrorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const E& e) {
        return e.Message();
    }
    return QStringLiteral("<no exception>");
}

inline QString ListErrorText(int index)
{
    return QStringLiteral("Der Index der Liste überschreitet das Maximum (%1)").arg(index);
}
