#include "components/imaging/IcoList.h"

#include "platform/ByteReader.h"
#include "platform/Exceptions.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>

namespace {

TIcon LoadResourceIcon(const QString& name)
{
    QFile file(name.startsWith(QLatin1Char(':')) ? name : QStringLiteral(":/") + name);
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(file.errorString());
    TIcon icon;
    icon.LoadFromBytes(file.readAll());
    return icon;
}

}  // namespace

void TIconList::CheckIndex(int index, int count) const
{
    if (index < 0 || index >= count)
        throw ERangeError(QCoreApplication::translate("Classes", "List index out of bounds (%1)").arg(index));
}

std::unique_ptr<TIcon> TIconList::NewIcon(const TIcon& from)
{
    auto icon = std::make_unique<TIcon>();
    icon->Assign(from);
    icon->OnChange = [this] { Changed(); };
    return icon;
}

void TIconList::Changed()
{
    if (updateCount_ == 0 && OnChange)
        OnChange();
}

void TIconList::EndUpdate()
{
    if (updateCount_ > 0 && --updateCount_ == 0)
        Changed();
}

TIcon* TIconList::Get(int index) const
{
    CheckIndex(index, Count());
    return items_[static_cast<std::size_t>(index)].get();
}

void TIconList::Put(int index, const TIcon& icon)
{
    CheckIndex(index, Count() + 1);
    BeginUpdate();
    if (index == Count())
        items_.push_back(nullptr);
    auto& slot = items_[static_cast<std::size_t>(index)];
    if (!slot)
        slot = NewIcon(icon);
    else
        slot->Assign(icon);
    EndUpdate();
}

int TIconList::Add(const TIcon& icon)
{
    items_.push_back(NewIcon(icon));
    Changed();
    return Count() - 1;
}

int TIconList::AddResource(const QString& name)
{
    return Add(LoadResourceIcon(name));
}

void TIconList::Insert(int index, const TIcon& icon)
{
    CheckIndex(index, Count() + 1);
    items_.insert(items_.begin() + index, NewIcon(icon));
    Changed();
}

void TIconList::InsertResource(int index, const QString& name)
{
    Insert(index, LoadResourceIcon(name));
}

void TIconList::Delete(int index)
{
    CheckIndex(index, Count());
    items_.erase(items_.begin() + index);
    Changed();
}

void TIconList::Clear()
{
    BeginUpdate();
    for (int i = Count() - 1; i >= 0; --i)
        Delete(i);
    EndUpdate();
}

void TIconList::Exchange(int index1, int index2)
{
    CheckIndex(index1, Count());
    CheckIndex(index2, Count());
    std::swap(items_[static_cast<std::size_t>(index1)], items_[static_cast<std::size_t>(index2)]);
    Changed();
}

void TIconList::Move(int curIndex, int newIndex)
{
    if (curIndex == newIndex)
        return;
    CheckIndex(curIndex, Count());
    CheckIndex(newIndex, Count());
    auto item = std::move(items_[static_cast<std::size_t>(curIndex)]);
    items_.erase(items_.begin() + curIndex);
    items_.insert(items_.begin() + newIndex, std::move(item));
    Changed();
}

int TIconList::IndexOf(const TIcon* icon) const
{
    for (int i = 0; i < Count(); ++i) {
        if (items_[static_cast<std::size_t>(i)].get() == icon)
            return i;
    }
    return -1;
}

void TIconList::LoadFromStream(ByteReader& reader)
{
    const std::uint32_t count = reader.U32();
    // Every entry takes at least its four size bytes.
    reader.Require(static_cast<std::size_t>(count) * 4);
    std::vector<std::unique_ptr<TIcon>> items;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint32_t size = reader.U32();
        if (size == 0) {
            items.push_back(nullptr);
            continue;
        }
        TIcon icon;
        icon.LoadFromBytes(reader.Bytes(size));
        items.push_back(NewIcon(icon));
    }
    items_ = std::move(items);
    Changed();
}

QByteArray TIconList::SaveToStream() const
{
    QByteArray out;
    auto putU32 = [&out](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    putU32(static_cast<std::uint32_t>(items_.size()));
    for (const auto& item : items_) {
        const QByteArray bytes = item ? item->SaveToBytes() : QByteArray();
        putU32(static_cast<std::uint32_t>(bytes.size()));
        out.append(bytes);
    }
    return out;
}

bool TIconList::ShouldStore(const TIconList* ancestor) const
{
    if (ancestor == nullptr || ancestor->Count() != Count() || Count() == 0)
        return Count() > 0;
    for (int i = 0; i < Count(); ++i) {
        if (Get(i) != ancestor->Get(i))
            return true;
    }
    return false;
}

void TIconList::Assign(const TIconList& source)
{
    if (&source == this)
        return;
    BeginUpdate();
    Clear();
    for (const auto& item : source.items_) {
        if (item)
            items_.push_back(NewIcon(*item));
        else
            items_.push_back(nullptr);
    }
    Changed();
    EndUpdate();
}

void TIconList::Assign(const TIcon& source)
{
    BeginUpdate();
    Clear();
    Add(source);
    EndUpdate();
}
