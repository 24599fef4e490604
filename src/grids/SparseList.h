#pragma once
// Sparse storage for the string grid: a two-level pointer array (a directory of sections
// of 16 or 256 slots) and a list on top of it. Only sections that ever held a non-null
// pointer exist, so never-written indices cost nothing, and inserting, deleting and moving
// walk only the sections that exist. The list does not own what it points to.

#include "grids/GridErrors.h"

#include <array>
#include <cstddef>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <utility>
#include <vector>

enum TSPAQuantum { SPASmall, SPALarge };

template <class T>
class TSparsePointerArray {
    static_assert(std::is_pointer_v<T>, "the sparse array holds pointers");

public:
    explicit TSparsePointerArray(TSPAQuantum quantum)
        : shift_(quantum == SPALarge ? 8 : 4), sectionSize_(std::size_t{1} << shift_)
    {
    }

    TSPAQuantum Quantum() const { return shift_ == 8 ? SPALarge : SPASmall; }
    int HighBound() const { return highBound_; }
    // Number of allocated sections (memory use, for tests).
    std::size_t SectionCount() const { return sectionCount_; }

    T Get(int index) const
    {
        if (index == cacheIndex_)
            return cacheValue_;
        T value = Lookup(index);
        cacheIndex_ = index;
        cacheValue_ = value;
        return value;
    }

    void Put(int index, T value)
    {
        if (value == nullptr) {
            T* block = Section(SectionOf(index));
            if (block == nullptr)
                return;
            block[SlotOf(index)] = nullptr;
            ForgetCache();
            if (index == highBound_)
                RecomputeHighBound();
            return;
        }
        EnsureSection(SectionOf(index))[SlotOf(index)] = value;
        ForgetCache();
        if (index > highBound_)
            highBound_ = index;
    }

    // Moves every item at an index in lo..hi by `delta` (+1 or -1) places (never onto the
    // largest int, which a list cannot count); the place it lands on is overwritten, the
    // place left behind at the far end becomes null. Only the sections that exist are
    // visited, so the cost follows the items, not the indices.
    void ShiftRange(int lo, int hi, int delta)
    {
        if (lo > hi || sectionCount_ == 0)
            return;
        std::vector<std::pair<int, T>> moved;
        std::vector<std::size_t> touched;
        ForSections(SectionOf(lo), SectionOf(hi), [&](std::size_t section, T* block) {
            const int base = static_cast<int>(section << shift_);
            for (std::size_t i = 0; i < sectionSize_; ++i) {
                const int index = base + static_cast<int>(i);
                if (index >= lo && index <= hi && block[i] != nullptr) {
                    moved.emplace_back(index, block[i]);
                    block[i] = nullptr;
                }
            }
            touched.push_back(section);
            return 0;
        });
        if (!moved.empty() && delta > 0 && moved.back().first >= std::numeric_limits<int>::max() - 1) {
            for (const auto& [index, p] : moved)  // put everything back before refusing
                EnsureSection(SectionOf(index))[SlotOf(index)] = p;
            RaiseListIndexError(static_cast<long long>(moved.back().first) + 1);
        }
        for (const auto& [index, p] : moved) {
            EnsureSection(SectionOf(index + delta))[SlotOf(index + delta)] = p;
            touched.push_back(SectionOf(index + delta));
        }
        for (std::size_t section : touched)
            DropIfEmpty(section);
        ForgetCache();
        RecomputeHighBound();
    }

    // Calls f(index, pointer) for every non-null slot in index order; stops at the first
    // non-zero result and returns it (0 when every slot was visited).
    int ForAll(const std::function<int(int, T)>& f) const
    {
        return ForSections(0, std::numeric_limits<std::size_t>::max(), [&](std::size_t section, T* block) {
            for (std::size_t i = 0; i < sectionSize_; ++i) {
                if (T p = block[i]; p != nullptr) {
                    if (const int r = f(static_cast<int>((section << shift_) + i), p); r != 0)
                        return r;
                }
            }
            return 0;
        });
    }

private:
    std::size_t SectionOf(int index) const { return static_cast<std::size_t>(index) >> shift_; }
    std::size_t SlotOf(int index) const { return static_cast<std::size_t>(index) & (sectionSize_ - 1); }

    // Visits the existing sections first..last in order; stops at a non-zero result.
    template <class F>
    int ForSections(std::size_t first, std::size_t last, F f) const
    {
        for (std::size_t s = first; s < near_.size() && s <= last; ++s)
            if (near_[s] != nullptr)
                if (const int r = f(s, near_[s].get()); r != 0)
                    return r;
        for (auto it = far_.lower_bound(first); it != far_.end() && it->first <= last; ++it)
            if (const int r = f(it->first, it->second.get()); r != 0)
                return r;
        return 0;
    }

    // The section's slots, or null when it does not exist.
    T* Section(std::size_t section) const
    {
        if (section < near_.size())
            return near_[section].get();
        if (lastFarBlock_ != nullptr && lastFarSection_ == section)
            return lastFarBlock_;
        const auto it = far_.find(section);
        if (it == far_.end())
            return nullptr;
        lastFarSection_ = section;
        lastFarBlock_ = it->second.get();
        return lastFarBlock_;
    }

    T* EnsureSection(std::size_t section)
    {
        if (T* block = Section(section); block != nullptr)
            return block;
        ++sectionCount_;
        // The directly indexed part grows while it stays at most about twice the number
        // of sections; sections beyond it live in an ordered map.
        if (section >= near_.size() && section < 2 * sectionCount_ + 64) {
            near_.resize(section + 1);
            while (!far_.empty() && far_.begin()->first < near_.size()) {
                near_[far_.begin()->first] = std::move(far_.begin()->second);
                far_.erase(far_.begin());
            }
            lastFarBlock_ = nullptr;
        }
        auto block = std::make_unique<T[]>(sectionSize_);  // value-initialised: all null
        T* raw = block.get();
        if (section < near_.size())
            near_[section] = std::move(block);
        else
            far_[section] = std::move(block);
        return raw;
    }

    void DropIfEmpty(std::size_t section)
    {
        const T* block = Section(section);
        if (block == nullptr)
            return;
        for (std::size_t i = 0; i < sectionSize_; ++i)
            if (block[i] != nullptr)
                return;
        if (section < near_.size())
            near_[section].reset();
        else
            far_.erase(section);
        lastFarBlock_ = nullptr;
        --sectionCount_;
    }

    void ForgetCache() { cacheIndex_ = -1; }

    T Lookup(int index) const
    {
        const T* block = Section(SectionOf(index));
        return block != nullptr ? block[SlotOf(index)] : nullptr;
    }

    static int LastIn(const T* block, std::size_t size)
    {
        for (std::size_t i = size; i-- > 0;)
            if (block[i] != nullptr)
                return static_cast<int>(i);
        return -1;
    }

    void RecomputeHighBound()
    {
        for (auto it = far_.rbegin(); it != far_.rend(); ++it)
            if (const int slot = LastIn(it->second.get(), sectionSize_); slot >= 0) {
                highBound_ = static_cast<int>((it->first << shift_) + static_cast<std::size_t>(slot));
                return;
            }
        for (std::size_t s = near_.size(); s-- > 0;)
            if (near_[s] != nullptr)
                if (const int slot = LastIn(near_[s].get(), sectionSize_); slot >= 0) {
                    highBound_ = static_cast<int>((s << shift_) + static_cast<std::size_t>(slot));
                    return;
                }
        highBound_ = -1;
    }

    int shift_;
    std::size_t sectionSize_;
    // Only sections that were written exist: a directory as large as the highest index
    // would cost gigabytes for a single cell far down. Dense low sections are indexed
    // directly, the rest looked up in a map.
    std::vector<std::unique_ptr<T[]>> near_;
    std::map<std::size_t, std::unique_ptr<T[]>> far_;
    std::size_t sectionCount_ = 0;
    mutable std::size_t lastFarSection_ = 0;
    mutable T* lastFarBlock_ = nullptr;
    int highBound_ = -1;
    mutable int cacheIndex_ = -1;
    mutable T cacheValue_ = nullptr;
};

// A list of pointers with sparse storage. Negative indices raise the list error.
template <class T>
class TSparseList {
public:
    explicit TSparseList(TSPAQuantum quantum) : quantum_(quantum), list_(quantum) {}

    int Count() const { return count_; }
    TSPAQuantum Quantum() const { return quantum_; }
    const TSparsePointerArray<T>& Array() const { return list_; }

    T Get(int index) const
    {
        if (index < 0)
            RaiseListIndexError(index);
        return list_.Get(index);
    }

    void Put(int index, T item)
    {
        // The count is one past the last index, so the largest int cannot hold an item.
        if (index < 0 || index == std::numeric_limits<int>::max())
            RaiseListIndexError(index);
        list_.Put(index, item);
        count_ = list_.HighBound() + 1;
    }

    void Insert(int index, T item)
    {
        if (index < 0)
            RaiseListIndexError(index);
        list_.ShiftRange(index, count_ - 1, +1);
        Put(index, item);
        count_ = list_.HighBound() + 1;
    }

    void Delete(int index)
    {
        if (index < 0 || index >= count_)
            return;
        list_.Put(index, nullptr);
        list_.ShiftRange(index + 1, count_ - 1, -1);
        --count_;
    }

    void Exchange(int a, int b)
    {
        T item = Get(a);
        Put(a, Get(b));
        Put(b, item);
    }

    void Move(int from, int to)
    {
        if (to < 0)
            RaiseListIndexError(to);
        if (from == to)
            return;
        T item = Get(from);
        Delete(from);
        Insert(to, item);
    }

    void Clear()
    {
        list_ = TSparsePointerArray<T>(quantum_);
        count_ = 0;
    }

    int ForAll(const std::function<int(int, T)>& f) const { return list_.ForAll(f); }

private:
    TSPAQuantum quantum_;
    TSparsePointerArray<T> list_;  // held directly: one pointer less to follow per read
    int count_ = 0;
};
