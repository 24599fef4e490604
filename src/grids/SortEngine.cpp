#include "grids/SortEngine.h"

#include "grids/StringSparseList.h"

#include <numeric>

namespace {

// The sort itself, for any way of viewing a cell's text (a call through std::function per
// cell would cost a fifth of the sort). `text` views must stay valid during a pass.
template <class Text>
std::vector<int> SortOrderWith(int count, const std::vector<TSortPass>& keys, const TSortSettings& settings,
                               const Text& text)
{
    const std::size_t n = static_cast<std::size_t>(std::max(count, 0));
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::vector<TSortKeyValue> values(n);
    std::vector<QString> lowered(n);
    const int sign = settings.Direction == sdDescending ? -1 : 1;
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
        // Reading all texts first lets the scattered row reads overlap.
        for (std::size_t r = 0; r < n; ++r)
            values[r].Text = text(key->Col, static_cast<int>(r));
        for (std::size_t r = 0; r < n; ++r) {
            // The texts lie scattered in memory: fetch a few rows ahead.
            if (r + 8 < n)
                __builtin_prefetch(values[r + 8].Text.data());
            values[r] = ParseSortKey(values[r].Text, key->Style, settings.CaseSensitive, settings.CurrentYear,
                                     lowered[r]);
        }
        const TSortStyle style = key->Style;
        const auto sortBy = [&](auto compare) {
            StableMergeSort(order, [&](int a, int b) {
                return sign * compare(values[static_cast<std::size_t>(a)], values[static_cast<std::size_t>(b)]) < 0;
            });
        };
        if (style == ssNumeric || style == ssDateTime || style == ssTime)
            sortBy(CompareConvertedKeys);  // inlined: the common case of numbers
        else
            sortBy([&](const TSortKeyValue& a, const TSortKeyValue& b) {
                return CompareSortKeys(a, b, style, settings.Custom);
            });
    }
    return order;
}

}  // namespace

std::vector<int> SortOrder(int count, const std::vector<TSortPass>& keys, const TSortSettings& settings,
                           const TSortCellFunc& cell)
{
    std::vector<QString> texts(static_cast<std::size_t>(std::max(count, 0)));
    return SortOrderWith(count, keys, settings, [&](int col, int row) {
        QString& kept = texts[static_cast<std::size_t>(row)];
        kept = cell(col, row);
        return QStringView(kept);
    });
}

std::vector<int> SortRowOrder(const TGridRowStore& rows, int first, int count, const std::vector<TSortPass>& keys,
                              const TSortSettings& settings)
{
    return SortOrderWith(count, keys, settings, [&rows, first, count](int col, int row) {
        if (row + 16 < count)
            __builtin_prefetch(rows.Get(first + row + 16));  // rows lie scattered after a sort
        const TStringSparseList* list = rows.Get(first + row);
        return list != nullptr ? list->TextView(col) : QStringView();
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
