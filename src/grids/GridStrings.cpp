#include "grids/GridStrings.h"

int TGridStrings::Add(const QString& text)
{
    const int index = Count();
    Insert(index, text);
    return index;
}

int TGridStrings::AddObject(const QString& text, TGridObject object)
{
    const int index = Add(text);
    if (index >= 0)
        PutObject(index, object);
    return index;
}

void TGridStrings::Exchange(int a, int b)
{
    const QString textA = Get(a);
    const TGridObject objectA = GetObject(a);
    Put(a, Get(b));
    PutObject(a, GetObject(b));
    Put(b, textA);
    PutObject(b, objectA);
}

void TGridStrings::Assign(const TGridStrings& source)
{
    if (&source == this)
        return;
    TStringsUpdateGuard guard(*this);
    Clear();
    for (int i = 0; i < source.Count(); ++i)
        AddObject(source.Get(i), source.GetObject(i));
}

void TGridStrings::BeginUpdate()
{
    if (updateCount_++ == 0)
        SetUpdateState(true);
}

void TGridStrings::EndUpdate()
{
    if (updateCount_ > 0 && --updateCount_ == 0)
        SetUpdateState(false);
}

QStringList TGridStrings::ToStringList() const
{
    QStringList list;
    list.reserve(Count());
    for (int i = 0; i < Count(); ++i)
        list.append(Get(i));
    return list;
}
