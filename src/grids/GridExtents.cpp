#include "grids/GridExtents.h"

#include "grids/GridErrors.h"

#include <algorithm>

int TGridExtents::Get(int index, int defaultValue) const
{
    if (!values_ || index < 0 || index >= Size())
        return defaultValue;
    return (*values_)[static_cast<std::size_t>(index)];
}

void TGridExtents::GrowTo(int count, int defaultValue)
{
    if (count > Size())
        values_->resize(static_cast<std::size_t>(count), defaultValue);
}

void TGridExtents::Set(int index, int value, int count, int defaultValue)
{
    if (index < 0 || index >= count)
        RaiseGridError(GridMessages::IndexOutOfRange);
    if (!values_)
        values_.emplace(static_cast<std::size_t>(count), defaultValue);
    else
        GrowTo(count, defaultValue);
    (*values_)[static_cast<std::size_t>(index)] = value;
}

void TGridExtents::Resize(int newCount, int defaultValue)
{
    if (!values_)
        return;
    if (newCount < 0)
        RaiseGridError(GridMessages::TooManyDeleted);
    if (newCount >= MaxCount)
        RaiseGridError(GridMessages::GridTooLarge);
    values_->resize(static_cast<std::size_t>(newCount), defaultValue);
}

void TGridExtents::Modify(int index, int amount, int defaultValue)
{
    if (!values_ || amount == 0)
        return;
    const long long oldSize = Size();
    if (index < 0 || index > oldSize)
        RaiseGridError(GridMessages::IndexOutOfRange);
    const long long newSize = oldSize + amount;
    if (newSize < 0 || (amount < 0 && index - amount > oldSize))
        RaiseGridError(GridMessages::TooManyDeleted);
    if (newSize >= MaxCount)
        RaiseGridError(GridMessages::GridTooLarge);
    auto& v = *values_;
    const auto at = v.begin() + index;
    if (amount > 0) {
        v.insert(at, static_cast<std::size_t>(amount), defaultValue);
    } else {
        v.erase(at, at - amount);
    }
}

void TGridExtents::Move(int from, int to, int count, int defaultValue)
{
    if (!values_ || from == to)
        return;
    if (from < 0 || to < 0 || from >= count || to >= count)
        RaiseGridError(GridMessages::IndexOutOfRange);
    GrowTo(count, defaultValue);
    auto& v = *values_;
    if (from < to)
        std::rotate(v.begin() + from, v.begin() + from + 1, v.begin() + to + 1);
    else
        std::rotate(v.begin() + to, v.begin() + from, v.begin() + from + 1);
}
