#include "GridErrorText.h"

#include "grids/SparseList.h"
#include "grids/StringSparseList.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

int* P(std::intptr_t v)
{
    return reinterpret_cast<int*>(v);
}

TEST(SparsePointerArray, NullWritesAndReadsAllocateNothing)
{
    TSparsePointerArray<int*> a(SPASmall);
    EXPECT_EQ(a.Get(1000000), nullptr);
    a.Put(5000, nullptr);
    EXPECT_EQ(a.SectionCount(), 0u);
    EXPECT_EQ(a.HighBound(), -1);
    a.Put(17, P(1));
    EXPECT_EQ(a.SectionCount(), 1u);
    EXPECT_EQ(a.HighBound(), 17);
    a.Put(33, nullptr);  // a null into a missing section creates none
    EXPECT_EQ(a.SectionCount(), 1u);
}

TEST(SparsePointerArray, HighBoundFallsBackAndReadsNeverGoStale)
{
    TSparsePointerArray<int*> a(SPASmall);
    a.Put(3, P(1));
    a.Put(500, P(2));
    a.Put(499, P(3));
    a.Put(500, nullptr);
    EXPECT_EQ(a.HighBound(), 499);
    a.Put(499, nullptr);
    EXPECT_EQ(a.HighBound(), 3);
    a.Put(3, nullptr);
    EXPECT_EQ(a.HighBound(), -1);

    // The read cache never serves a stale value.
    TSparsePointerArray<int*> b(SPALarge);
    for (std::intptr_t v : {1, 2, 0}) {
        b.Put(7, P(v));
        EXPECT_EQ(b.Get(7), P(v));
    }
}

TEST(SparsePointerArray, DirectoryReachesPastAMillionEntries)
{
    // The directory once had a 16-bit length: 65536 sections of 16 ended at 1,048,576.
    TSparsePointerArray<int*> a(SPASmall);
    a.Put(1500000, P(9));
    a.Put(3000000, P(8));
    EXPECT_EQ(a.Get(1500000), P(9));
    EXPECT_EQ(a.Get(3000000), P(8));
    EXPECT_EQ(a.Get(1048576), nullptr);
    EXPECT_EQ(a.SectionCount(), 2u);
}

TEST(SparsePointerArray, ForAllVisitsInOrderAndStopsAtANonZeroResult)
{
    TSparsePointerArray<int*> a(SPASmall);
    for (int i : {300, 2, 40, 17})
        a.Put(i, P(i));
    std::vector<int> seen;
    EXPECT_EQ(a.ForAll([&](int i, int*) {
        seen.push_back(i);
        return 0;
    }),
              0);
    EXPECT_EQ(seen, (std::vector<int>{2, 17, 40, 300}));
    seen.clear();
    EXPECT_EQ(a.ForAll([&](int i, int*) {
        seen.push_back(i);
        return i == 17 ? 5 : 0;
    }),
              5);
    EXPECT_EQ(seen, (std::vector<int>{2, 17}));
}

TEST(SparseList, NegativeIndicesRaiseTheListError)
{
    TSparseList<int*> l(SPASmall);
    EXPECT_EQ(ErrorOf<EListError>([&] { l.Get(-1); }), ListErrorText(-1));
    EXPECT_EQ(ErrorOf<EListError>([&] { l.Put(-7, P(1)); }), ListErrorText(-7));
    EXPECT_EQ(ErrorOf<EListError>([&] { l.Insert(-2, P(1)); }), ListErrorText(-2));
    l.Put(0, P(1));
    EXPECT_EQ(ErrorOf<EListError>([&] { l.Move(0, -1); }), ListErrorText(-1));
    EXPECT_EQ(l.Get(0), P(1));
}

TEST(SparseList, InsertDeleteExchangeAndMove)
{
    TSparseList<int*> l(SPASmall);
    for (int i = 0; i < 4; ++i)
        l.Put(i, P(i + 1));  // 1 2 3 4
    l.Insert(1, P(9));       // 1 9 2 3 4
    EXPECT_EQ(l.Count(), 5);
    EXPECT_EQ(l.Get(1), P(9));
    EXPECT_EQ(l.Get(4), P(4));
    l.Delete(0);  // 9 2 3 4
    EXPECT_EQ(l.Count(), 4);
    EXPECT_EQ(l.Get(0), P(9));
    EXPECT_EQ(l.Get(4), nullptr);
    l.Delete(4);  // outside: ignored
    EXPECT_EQ(l.Count(), 4);
    l.Exchange(0, 3);  // 4 2 3 9
    EXPECT_EQ(l.Get(0), P(4));
    EXPECT_EQ(l.Get(3), P(9));
    l.Move(0, 2);  // 2 3 4 9
    EXPECT_EQ(l.Get(0), P(2));
    EXPECT_EQ(l.Get(2), P(4));
    l.Clear();
    EXPECT_EQ(l.Count(), 0);
    EXPECT_EQ(l.Get(2), nullptr);
}

TEST(StringSparseList, MissingItemsReadEmptyAndEmptyItemsAreRemoved)
{
    TStringSparseList s(SPASmall);
    EXPECT_EQ(s.Get(10), QString());
    EXPECT_EQ(s.GetObject(10), nullptr);
    EXPECT_EQ(s.ItemCount(), 0);
    s.Put(3, QStringLiteral("a"));
    s.Put(5, QStringLiteral("b"));
    EXPECT_EQ(s.Count(), 6);
    s.Put(5, QString());  // last cell emptied: removed, count shrinks
    EXPECT_EQ(s.Count(), 4);
    EXPECT_EQ(s.ItemCount(), 1);
    // An object keeps the item alive although the text is empty.
    s.PutObject(3, P(42));
    s.Put(3, QString());
    EXPECT_EQ(s.ItemCount(), 1);
    EXPECT_EQ(s.GetObject(3), P(42));
    s.PutObject(8, nullptr);  // a null object creates no item
    EXPECT_EQ(s.ItemCount(), 1);
}

TEST(StringSparseList, EveryChangeFiresTheChangeEvent)
{
    TStringSparseList s(SPALarge);
    int changes = 0;
    s.OnChange = [&](TStringSparseList*) { ++changes; };
    s.Put(0, QStringLiteral("x"));
    s.PutObject(0, P(1));
    s.Insert(0, QStringLiteral("y"));
    s.Delete(1);
    s.Exchange(0, 1);
    s.Clear();
    EXPECT_EQ(changes, 6);
}

TEST(StringSparseList, InsertDeleteMoveKeepTextsAndObjectsTogether)
{
    TStringSparseList s(SPASmall);
    s.Put(0, QStringLiteral("a"));
    s.Put(1, QStringLiteral("b"));
    s.PutObject(1, P(2));
    s.Put(2, QStringLiteral("c"));
    s.Insert(1, QStringLiteral("n"));  // a n b c
    EXPECT_EQ(s.ToStringList(), (QStringList{"a", "n", "b", "c"}));
    EXPECT_EQ(s.GetObject(2), P(2));
    s.Move(2, 0);  // b a n c
    EXPECT_EQ(s.ToStringList(), (QStringList{"b", "a", "n", "c"}));
    EXPECT_EQ(s.GetObject(0), P(2));
    s.Delete(0);
    EXPECT_EQ(s.ToStringList(), (QStringList{"a", "n", "c"}));
    s.Delete(10);  // nothing there
    EXPECT_EQ(s.Count(), 3);
    EXPECT_EQ(ErrorOf<EListError>([&] { s.Delete(-1); }), ListErrorText(-1));

    // An empty text added at the end still takes its place.
    TStringSparseList t(SPASmall);
    EXPECT_EQ(t.Add(QString()), 0);
    EXPECT_EQ(t.Add(QStringLiteral("b")), 1);
    EXPECT_EQ(t.ToStringList(), (QStringList{"", "b"}));
}

}  // namespace
