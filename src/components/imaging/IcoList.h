#pragma once
// An ordered list of icons (entries may be empty slots) with change notification and its
// own stream format: a 32-bit count, then per entry a 32-bit size and that many bytes of
// the icon's saved form; size 0 stands for an empty slot.

#include "components/imaging/Icon.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class ByteReader;

class TIconList {
public:
    TIconList() = default;
    TIconList(const TIconList&) = delete;
    TIconList& operator=(const TIconList&) = delete;

    int Count() const { return static_cast<int>(items_.size()); }
    // The icon at `index`; nullptr for an empty slot. Raises ERangeError outside the list.
    TIcon* Get(int index) const;
    // Stores a copy of `icon` at `index`; index == Count appends.
    void Put(int index, const TIcon& icon);
    int Add(const TIcon& icon);
    // Loads the icon from the program's resources (":/..." path or resource name).
    int AddResource(const QString& name);
    void Insert(int index, const TIcon& icon);
    void InsertResource(int index, const QString& name);
    void Delete(int index);
    void Clear();
    void Exchange(int index1, int index2);
    void Move(int curIndex, int newIndex);
    int IndexOf(const TIcon* icon) const;

    // Reads the list; a stream cut short raises EReadError.
    void LoadFromStream(ByteReader& reader);
    QByteArray SaveToStream() const;
    // Whether the "Icons" property is stored against an ancestor list (nullptr: none).
    bool ShouldStore(const TIconList* ancestor) const;

    void Assign(const TIconList& source);
    void Assign(const TIcon& source);

    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    void Changed();

    std::function<void()> OnChange;

private:
    std::unique_ptr<TIcon> NewIcon(const TIcon& from);
    void CheckIndex(int index, int count) const;

    std::vector<std::unique_ptr<TIcon>> items_;
    int updateCount_ = 0;
};
