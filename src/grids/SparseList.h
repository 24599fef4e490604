#pragma once
// Sparse storage for the string grid: a two-level pointer array (a directory of sections
// of 16 or 256 slots) and a list on top of it. Only sections that ever held a non-null
// pointer exist, so never-written indices cost nothing. The directory is sized in size_t,
// so any non-negative int index is reachable. The list does not own what it points to.

#include "grids/GridErrors.h"

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
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
    std::size_t SectionCount() const
    {
        std::size_t n = 0;
        for (const auto& s : directory_)
            n += s != nullptr;
        return n;
    }

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
        const std::size_t section = SectionOf(index);
        if (value == nullptr) {
            if (section >= directory_.size() || directory_[section] == nullptr)
                return;
        }
        if (section >= directory_.size())
            directory_.resize(section + 1);
        auto& block = directory_[section];
        if (block == nullptr)
            block = std::make_unique<T[]>(sectionSize_);  // value-initialised: all null
        block[SlotOf(index)] = value;
        cacheIndex_ = -1;
        if (value != nullptr) {
            if (index > highBound_)
                highBound_ = index;
        } else if (index == highBound_) {
            RecomputeHighBound();
        }
    }

    // Calls f(index, pointer) for every non-null slot in index order; stops at the first
    // non-zero result and returns it (0 when every slot was visited).
    int ForAll(const std::function<int(int, T)>& f) const
    {
        for (std::size_t s = 0; s < directory_.size(); ++s) {
            if (directory_[s] == nullptr)
                continue;
            for (std::size_t i = 0; i < sectionSize_; ++i) {
                if (T p = directory_[s][i]; p != nullptr) {
                    if (const int r = f(static_cast<int>((s << shift_) + i), p); r != 0)
                        return r;
                }
            }
        }
        return 0;
    }

private:
    std::size_t SectionOf(int index) const { return static_cast<std::size_t>(index) >> shift_; }
    std::size_t SlotOf(int index) const { return static_cast<std::size_t>(index) & (sectionSize_ - 1); }

    T Lookup(int index) const
    {
        const std::size_t section = SectionOf(index);
        if (section >= directory_.size() || directory_[section] == nullptr)
            return nullptr;
        return directory_[section][SlotOf(index)];
    }

    void RecomputeHighBound()
    {
        for (int i = highBound_; i >= 0; --i) {
            const std::size_t section = SectionOf(i);
            if (directory_[section] == nullptr) {
                // Skip a whole missing section.
                i = static_cast<int>(section << shift_);
                continue;
            }
            if (directory_[section][SlotOf(i)] != nullptr) {
                highBound_ = i;
                return;
            }
        }
        highBound_ = -1;
    }

    int shift_;
    std::size_t sectionSize_;
    std::vector<std::unique_ptr<T[]>> directory_;
    int highBound_ = -1;
    mutable int cacheIndex_ = -1;
    mutable T cacheValue_ = nullptr;
};

// A list of pointers with sparse storage. Negative indices raise the list error.
template <class T>
class TSparseList {
public:
    explicit TSparseList(TSPAQuantum quantum) : quantum_(quantum), list_(std::make_unique<TSparsePointerArray<T>>(quantum)) {}

    int Count() const { return count_; }
    TSPAQuantum Quantum() const { return quantum_; }
    const TSparsePointerArray<T>& Array() const { return *list_; }

    T Get(int index) const
    {
        if (index < 0)
            RaiseListIndexError(index);
        return list_->Get(index);
    }

    void Put(int index, T item)
    {
        if (index < 0)
            RaiseListIndexError(index);
        list_->Put(index, item);
        count_ = list_->HighBound() + 1;
    }

    void Insert(int index, T item)
    {
        if (index < 0)
            RaiseListIndexError(index);
        for (int i = count_ - 1; i >= index; --i)
            list_->Put(i + 1, list_->Get(i));
        Put(index, item);
        count_ = list_->HighBound() + 1;
    }

    void Delete(int index)
    {
        if (index < 0 || index >= count_)
            return;
        for (int i = index; i < count_ - 1; ++i)
            list_->Put(i, list_->Get(i + 1));
        list_->Put(count_ - 1, nullptr);
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
        list_ = std::make_unique<TSparsePointerArray<T>>(quantum_);
        count_ = 0;
    }

    int ForAll(const std::function<int(int, T)>& f) const { return list_->ForAll(f); }

private:
    TSPAQuantum quantum_;
    std::unique_ptr<TSparsePointerArray<T>> list_;
    int count_ = 0;
};
