#pragma once
// One row's cells: a sparse list of (text, object) items. A position without an item reads
// as the empty text and a null object; an item whose text and object both become empty is
// removed, so empty cells cost nothing.

#include "grids/GridStrings.h"
#include "grids/SparseList.h"

#include <functional>

class TStringSparseList : public TGridStrings {
public:
    explicit TStringSparseList(TSPAQuantum quantum);
    ~TStringSparseList() override;

    int Count() const override { return list_.Count(); }
    QString Get(int index) const override;
    // The stored text without a copy; valid until the cell changes.
    QStringView TextView(int index) const;
    void Put(int index, const QString& text) override;
    TGridObject GetObject(int index) const override;
    void PutObject(int index, TGridObject object) override;
    void Insert(int index, const QString& text) override;
    void Delete(int index) override;
    void Exchange(int a, int b) override;
    void Clear() override;
    // Moves one position, text and object together, shifting those between.
    void Move(int from, int to);

    TSPAQuantum Quantum() const { return list_.Quantum(); }
    // Number of stored items (memory use, for tests).
    int ItemCount() const;

    // Fired after every change.
    std::function<void(TStringSparseList*)> OnChange;

private:
    struct Item {
        TGridObject object = nullptr;
        QString text;
    };
    void Changed();
    void FreeAll();

    TSparseList<Item*> list_;
};
