#include "grids/SortEngine.h"

#include "grids/StringSparseList.h"

#include <numeric>

std::vector<int> SortOrder(int count, const std::vector<TSortPass>& keys, const TSortSettings& settings,
                           const TSortCellFunc& cell)
{
    std::vector<int> order(static_cast<std::size_t>(std::max(count, 0)));
    std::iota(order.begin(), order.end(), 0);
    std::vector<TSortKeyValue> values(order.size());
    const int sign = settings.Direction == sdDescending ? -1 : 1;
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
        for (int r = 0; r < count; ++r)
            values[static_cast<std::size_t>(r)] = ParseSortKey(cell(key->Col, r), key->Style, settings.CaseSensitive);
        const TSortStyle style = key->Style;
        StableMergeSort(order, [&](int a, int b) {
            return sign * CompareSortKeys(values[static_cast<std::size_t>(a)], values[static_cast<std::size_t>(b)],
                                          style, settings.Custom)
                < 0;
        });
    }
    return order;
}

std::vector<int> SortRowOrder(const TGridRowStore& rows, int first, int count, const std::vector<TSortPass>& keys,
                              const TSortSettings& settings)
{
    return SortOrder(count, keys, settings, [&rows, first](int col, int row) {
        const TStringSparseList* list = rows.Get(first + row);
        return list != nullptr ? list->Get(col) : QString();
    });
}

void PermuteRows(TGridRowStore& rows, int first, const std::vector<int>& order)
{
    std::vector<TStringSparseList*> taken(order.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        taken[i] = rows.Get(first + order[i]);
    // Highest place first, so the count settles once instead of shrinking row by row.
    for (std::size_t i = order.size(); i-- > 0;)
        rows.Put(first + static_cast<int>(i), taken[i]);
}
