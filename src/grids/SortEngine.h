#pragma once
// The sort of the sort grid's rows, without widgets: every key cell is converted once per
// sort, and one stable merge sort orders the rows by the first key, its ties by the second
// and so on; equal rows keep their order in either direction. The result is a permutation
// of the rows, applied to the storage by moving whole rows, never by rewriting cells.

#include "grids/SortCompare.h"
#include "grids/SparseList.h"

#include <algorithm>
#include <cstddef>
#include <vector>

class TStringSparseList;

// Sorts `items` stably by `less`. Whatever `less` answers (it need not be a strict weak
// order, nor even consistent), the sort calls it O(n log n) times, always with two of the
// items, and leaves a permutation of them; the same answers give the same result.
template <class T, class Less>
void StableMergeSort(std::vector<T>& items, Less less)
{
    constexpr std::size_t Run = 16;
    const std::size_t n = items.size();
    for (std::size_t lo = 0; lo < n; lo += Run) {
        const std::size_t hi = std::min(lo + Run, n);
        for (std::size_t i = lo + 1; i < hi; ++i) {
            T x = items[i];
            std::size_t j = i;
            for (; j > lo && less(x, items[j - 1]); --j)
                items[j] = items[j - 1];
            items[j] = x;
        }
    }
    if (n <= Run)
        return;
    std::vector<T> buffer(n);
    for (std::size_t width = Run; width < n; width *= 2) {
        for (std::size_t lo = 0; lo < n; lo += 2 * width) {
            const std::size_t mid = std::min(lo + width, n);
            const std::size_t hi = std::min(lo + 2 * width, n);
            std::size_t i = lo;
            std::size_t j = mid;
            std::size_t k = lo;
            while (i < mid && j < hi)
                buffer[k++] = less(items[j], items[i]) ? items[j++] : items[i++];
            while (i < mid)
                buffer[k++] = items[i++];
            while (j < hi)
                buffer[k++] = items[j++];
        }
        items.swap(buffer);
    }
}

// One sort key: the column and the style its texts are compared with.
struct TSortPass {
    int Col = 0;
    TSortStyle Style = ssNormal;
};

struct TSortSettings {
    bool CaseSensitive = false;
    TSortDirection Direction = sdAscending;
    TSortCompareFunc Custom;  // for ssCustom; without it ssCustom compares as text
    int CurrentYear = 2000;   // of dates written without one: the clock's, read once per sort
};

// The text of a cell, by column and row (0 = the first row to sort).
using TSortCellFunc = std::function<QString(int col, int row)>;

// The sorted order of `count` rows by `keys` (the first key decides first): element i is
// the row that goes to place i.
std::vector<int> SortOrder(int count, const std::vector<TSortPass>& keys, const TSortSettings& settings,
                           const TSortCellFunc& cell);

// A string grid's rows: one cell list per row, null for a row never written.
using TGridRowStore = TSparseList<TStringSparseList*>;

// SortOrder over the rows first .. first + count - 1 of a store.
std::vector<int> SortRowOrder(const TGridRowStore& rows, int first, int count, const std::vector<TSortPass>& keys,
                              const TSortSettings& settings);

// Rearranges the rows first .. first + order.size() - 1: row first + i takes the row that
// was at first + order[i]. `order` must be a permutation of 0 .. size - 1.
void PermuteRows(TGridRowStore& rows, int first, const std::vector<int>& order);
