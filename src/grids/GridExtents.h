#pragma once
// One per-index extent array of the grid (column widths, row heights or tab stops).
// Absent means every index has the default; it comes into being on the first write of a
// single entry. Failed operations raise EInvalidGridOperation and leave the array as it was.

#include <optional>
#include <vector>

class TGridExtents {
public:
    // Counts at or above this are refused ("Gitter zu groß für Operation").
    static constexpr int MaxCount = 134217726;

    bool Exists() const { return values_.has_value(); }
    int Size() const { return values_ ? static_cast<int>(values_->size()) : 0; }
    void Discard() { values_.reset(); }

    // The entry, or the default for an index outside the array or while it is absent.
    int Get(int index, int defaultValue) const;

    // Writes one entry of a line set of `count` lines. The array is created with `count`
    // defaults, or grown to `count` when a count change is still pending, so an index
    // below `count` is always inside it. Other indices fail.
    void Set(int index, int value, int count, int defaultValue);

    // Brings an existing array to `newCount` entries, keeping the old ones and filling
    // new ones with the default. Does nothing while absent.
    void Resize(int newCount, int defaultValue);

    // Inserts (amount > 0) or removes (amount < 0) entries at `index`. Does nothing while
    // absent.
    void Modify(int index, int amount, int defaultValue);

    // Moves one entry from `from` to `to`, shifting those between by one place. The array
    // is grown to `count` first when a count change is pending. Does nothing while absent.
    void Move(int from, int to, int count, int defaultValue);

private:
    void GrowTo(int count, int defaultValue);
    std::optional<std::vector<int>> values_;
};
