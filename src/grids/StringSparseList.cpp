#include "grids/StringSparseList.h"

#include <memory>

TStringSparseList::TStringSparseList(TSPAQuantum quantum) : list_(quantum) {}

TStringSparseList::~TStringSparseList()
{
    FreeAll();
}

void TStringSparseList::FreeAll()
{
    list_.ForAll([](int, Item* item) {
        delete item;
        return 0;
    });
}

void TStringSparseList::Changed()
{
    if (OnChange)
        OnChange(this);
}

QString TStringSparseList::Get(int index) const
{
    const Item* item = list_.Get(index);
    return item != nullptr ? item->text : QString();
}

QStringView TStringSparseList::TextView(int index) const
{
    const Item* item = list_.Get(index);
    return item != nullptr ? QStringView(item->text) : QStringView();
}

TGridObject TStringSparseList::GetObject(int index) const
{
    const Item* item = list_.Get(index);
    return item != nullptr ? item->object : nullptr;
}

void TStringSparseList::Put(int index, const QString& text)
{
    Item* old = list_.Get(index);
    const TGridObject object = old != nullptr ? old->object : nullptr;
    if (text.isEmpty() && object == nullptr) {
        list_.Put(index, nullptr);
    } else {
        auto item = std::make_unique<Item>(Item{object, text});
        list_.Put(index, item.get());
        item.release();
    }
    delete old;
    Changed();
}

void TStringSparseList::PutObject(int index, TGridObject object)
{
    Item* item = list_.Get(index);
    if (item != nullptr) {
        item->object = object;
    } else if (object != nullptr) {
        auto fresh = std::make_unique<Item>(Item{object, QString()});
        list_.Put(index, fresh.get());
        fresh.release();
    }
    Changed();
}

void TStringSparseList::Insert(int index, const QString& text)
{
    if (index < 0)
        RaiseListIndexError(index);
    // Always a real item, also for an empty text: an insertion at the end lengthens the list.
    auto item = std::make_unique<Item>(Item{nullptr, text});
    list_.Insert(index, item.get());
    item.release();
    Changed();
}

void TStringSparseList::Delete(int index)
{
    if (index < 0)
        RaiseListIndexError(index);
    // Positions at or beyond the count hold nothing, and the list ignores them.
    Item* item = index < list_.Count() ? list_.Get(index) : nullptr;
    list_.Delete(index);
    delete item;
    Changed();
}

void TStringSparseList::Exchange(int a, int b)
{
    list_.Exchange(a, b);
    Changed();
}

void TStringSparseList::Move(int from, int to)
{
    list_.Move(from, to);
    Changed();
}

void TStringSparseList::Clear()
{
    FreeAll();
    list_.Clear();
    Changed();
}

int TStringSparseList::ItemCount() const
{
    int n = 0;
    list_.ForAll([&n](int, Item*) {
        ++n;
        return 0;
    });
    return n;
}
