#include "grids/SortEngine.h"

#include "grids/StringSparseList.h"

#include <array>
#include <functional>
#include <numeric>

namespace {

// One key column prepared for the sort: every row's key, parsed once.
struct TKeyColumn {
    TSortStyle Style = ssNormal;
    bool AllConverted = false;
    std::vector<TSortKeyValue> Values;
    std::vector<QString> Lowered;
};

bool IsConverting(TSortStyle style)
{
    return style == ssNumeric || style == ssDateTime || style == ssTime;
}

// Keys that all converted, at most Size of them: the sort moves records of the values
// themselves, so that comparing reads memory in sequence instead of gathering each row's
// values from afar.
template <std::size_t Size>
std::vector<int> SortConverted(const std::vector<TKeyColumn>& columns, std::size_t n, TSortDirection direction)
{
    struct Record {
        std::array<double, Size> Values;
        int Row;
    };
    std::vector<Record> records(n);
    for (std::size_t r = 0; r < n; ++r) {
        records[r].Row = static_cast<int>(r);
        for (std::size_t i = 0; i < Size; ++i)
            records[r].Values[i] = columns[i].Values[r].Value;
    }
    const auto sortBy = [&records](auto before) {
        StableMergeSort(records, [before](const Record& a, const Record& b) {
            for (std::size_t i = 0; i < Size; ++i)
                if (a.Values[i] != b.Values[i])
                    return before(a.Values[i], b.Values[i]);
            return false;
        });
    };
    if (direction == sdDescending)
        sortBy(std::greater<double>());
    else
        sortBy(std::less<double>());
    std::vector<int> order(n);
    for (std::size_t r = 0; r < n; ++r)
        order[r] = records[r].Row;
    return order;
}

// The sort itself, for any way of viewing a row's key texts (a call through std::function
// per cell would cost a fifth of the sort): text(row, put) calls put(key, view) for each
// key. The views must stay valid during the sort.
//
// One stable sort compares the keys in order of importance. For keys that are orders (as
// every key is whose texts all convert, or compare as text) this is the order that the
// passes from the last key to the first give, each keeping the ties of the one before.
template <class Text>
std::vector<int> SortOrderWith(int count, const std::vector<TSortPass>& keys, const TSortSettings& settings,
                               const Text& text)
{
    const std::size_t n = static_cast<std::size_t>(std::max(count, 0));
    const std::size_t k = keys.size();
    std::vector<TKeyColumn> columns(k);
    for (TKeyColumn& column : columns)
        column.Values.resize(n);
    // All keys of a row at once: the row's storage is then read once, not once per key.
    for (std::size_t r = 0; r < n; ++r)
        text(static_cast<int>(r), [&](std::size_t i, QStringView view) { columns[i].Values[r].Text = view; });
    for (std::size_t i = 0; i < k; ++i) {
        TKeyColumn& column = columns[i];
        column.Style = keys[i].Style;
        column.Lowered.resize(n);
        bool all = IsConverting(column.Style);
        for (std::size_t r = 0; r < n; ++r) {
            // The texts lie scattered in memory: fetch a few rows ahead.
            if (r + 8 < n)
                __builtin_prefetch(column.Values[r + 8].Text.data());
            column.Values[r] = ParseSortKey(column.Values[r].Text, column.Style, settings.CaseSensitive,
                                            settings.CurrentYear, column.Lowered[r]);
            all = all && column.Values[r].Valid;
        }
        column.AllConverted = all;
    }
    if (std::all_of(columns.begin(), columns.end(), [](const TKeyColumn& c) { return c.AllConverted; })) {
        switch (k) {
        case 1: return SortConverted<1>(columns, n, settings.Direction);
        case 2: return SortConverted<2>(columns, n, settings.Direction);
        case 3: return SortConverted<3>(columns, n, settings.Direction);
        default: break;
        }
    }
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    const int sign = settings.Direction == sdDescending ? -1 : 1;
    StableMergeSort(order, [&](int a, int b) {
        const std::size_t ra = static_cast<std::size_t>(a);
        const std::size_t rb = static_cast<std::size_t>(b);
        for (std::size_t i = 0; i < k; ++i) {
            const TKeyColumn& column = columns[i];
            const int r = IsConverting(column.Style)
                              ? CompareConvertedKeys(column.Values[ra], column.Values[rb])  // inlined: numbers
                              : CompareSortKeys(column.Values[ra], column.Values[rb], column.Style, settings.Custom);
            if (r != 0)
                return sign * r < 0;
        }
        return false;
    });
    return order;
}

}  // namespace

std::vector<int> SortOrder(int count, const std::vector<TSortPass>& keys, const TSortSettings& settings,
                           const TSortCellFunc& cell)
{
    // Every key's texts are kept until the sort ends.
    std::vector<QString> texts;
    texts.reserve(static_cast<std::size_t>(std::max(count, 0)) * keys.size());
    return SortOrderWith(count, keys, settings, [&](int row, const auto& put) {
        for (std::size_t i = 0; i < keys.size(); ++i) {
            texts.push_back(cell(keys[i].Col, row));
            put(i, QStringView(texts.back()));
        }
    });
}

std::vector<int> SortRowOrder(const TGridRowStore& rows, int first, int count, const std::vector<TSortPass>& keys,
                              const TSortSettings& settings)
{
    return SortOrderWith(count, keys, settings, [&](int row, const auto& put) {
        if (row + 16 < count)
            __builtin_prefetch(rows.Get(first + row + 16));  // rows lie scattered after a sort
        const TStringSparseList* list = rows.Get(first + row);
        for (std::size_t i = 0; i < keys.size(); ++i)
            put(i, list != nullptr ? list->TextView(keys[i].Col) : QStringView());
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
