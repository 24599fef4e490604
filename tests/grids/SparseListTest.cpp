#include "GridErrorText.h"

#include "grids/SparseList.h"
#include "grids/StringSparseList.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

int* P(std::intptr_t v)
{
    return reinterpret_cast<int*>(v);
}

TEST(SparsePointerArray, AllocatesForNonNullWritesOnlyAndTracksTheHighBound)
{
    TSparsePointerArray<int*> a(SPASmall);
    EXPECT_EQ(a.Get(1000000), nullptr);
    a.Put(5000, nullptr);
    a.Put(17, P(1));
    a.Put(33, nullptr);  // a null into a missing section creates none
    EXPECT_EQ(a.SectionCount(), 1u);
    std::vector<int> bounds;  // the high bound falls back as the last entries are emptied
    for (int i : {500, 499, 3})
        a.Put(i, P(i));
    for (int i : {17, 500, 499, 3}) {
        a.Put(i, nullptr);
        bounds.push_back(a.HighBound());
    }
    EXPECT_EQ(bounds, (std::vector<int>{500, 499, 3, -1}));
    // Past a million entries (the directory once had a 16-bit length).
    a.Put(1500000, P(9));
    a.Put(3000000, P(8));
    EXPECT_EQ((std::vector<int*>{a.Get(1500000), a.Get(3000000), a.Get(1048576)}),
              (std::vector<int*>{P(9), P(8), nullptr}));
    for (std::intptr_t v : {1, 2, 0}) {  // the read cache never serves a stale value
        a.Put(7, P(v));
        EXPECT_EQ(a.Get(7), P(v));
    }
    // Visits in index order, directly indexed and far sections alike, up to a non-zero result.
    for (int i : {40, 2})
        a.Put(i, P(i));
    std::vector<int> seen;
    EXPECT_EQ(a.ForAll([&](int i, int*) {
        seen.push_back(i);
        return i == 1500000 ? 5 : 0;
    }),
              5);
    EXPECT_EQ(seen, (std::vector<int>{2, 40, 1500000}));
}

TEST(SparseList, EditsAndIndicesOutsideTheList)
{
    TSparseList<int*> l(SPASmall);
    for (int i = 0; i < 4; ++i)
        l.Put(i, P(i + 1));
    l.Insert(1, P(9));  // 1 9 2 3 4
    l.Delete(0);        // 9 2 3 4
    l.Delete(4);        // outside: ignored
    l.Exchange(0, 3);   // 4 2 3 9
    l.Move(0, 2);       // 2 3 4 9
    EXPECT_EQ((std::vector<int*>{l.Get(0), l.Get(1), l.Get(2), l.Get(3), l.Get(4)}),
              (std::vector<int*>{P(2), P(3), P(4), P(9), nullptr}));
    EXPECT_EQ(l.Count(), 4);
    for (int bad : {-1, -7})
        EXPECT_EQ(ErrorOf<EListError>([&] { l.Put(bad, P(1)); }), ListErrorText(bad));
    EXPECT_EQ(ErrorOf<EListError>([&] { l.Get(-2); }), ListErrorText(-2));
    EXPECT_EQ(ErrorOf<EListError>([&] { l.Move(0, -1); }), ListErrorText(-1));
    l.Clear();
    EXPECT_EQ(l.Count(), 0);
    EXPECT_EQ(l.Get(2), nullptr);

    // The largest int cannot hold an item: the count would not fit.
    TSparseList<int*> edge(SPALarge);
    int x = 0;
    EXPECT_THROW(edge.Put(std::numeric_limits<int>::max(), &x), EListError);
    edge.Put(std::numeric_limits<int>::max() - 1, &x);
    EXPECT_THROW(edge.Insert(0, &x), EListError);
    EXPECT_EQ(edge.Get(std::numeric_limits<int>::max() - 1), &x);

    // An item far down costs only its section, also after shifting and moving it.
    TSparseList<int*> far(SPASmall);
    far.Put(2000000000, &x);
    far.Insert(0, nullptr);
    EXPECT_EQ((std::vector<int*>{far.Get(2000000001), far.Get(2000000000)}), (std::vector<int*>{&x, nullptr}));
    far.Move(2000000001, 5);
    far.Delete(0);
    EXPECT_EQ(std::make_pair(far.Get(4), far.Count()), std::make_pair(&x, 5));
    EXPECT_EQ(far.Array().SectionCount(), 1u);  // emptied sections are given back
}

TEST(StringSparseList, EmptyItemsAreRemovedAndTextsKeepTheirObjects)
{
    TStringSparseList s(SPASmall);
    int changes = 0;
    s.OnChange = [&](TStringSparseList*) { ++changes; };
    EXPECT_EQ(s.Get(10), QString());
    EXPECT_EQ(s.GetObject(10), nullptr);
    s.Put(3, QStringLiteral("a"));
    s.Put(5, QStringLiteral("b"));
    s.Put(5, QString());  // last cell emptied: removed, count shrinks
    EXPECT_EQ(std::make_pair(s.Count(), s.ItemCount()), std::make_pair(4, 1));
    s.PutObject(3, P(42));
    s.Put(3, QString());  // the object keeps the item alive
    s.PutObject(8, nullptr);  // a null object creates no item
    EXPECT_EQ(s.ItemCount(), 1);
    EXPECT_EQ(s.GetObject(3), static_cast<TGridObject>(P(42)));
    s.Insert(0, QStringLiteral("y"));
    s.Delete(1);
    s.Exchange(0, 1);
    s.Clear();
    EXPECT_EQ(changes, 10);

    TStringSparseList t(SPALarge);
    EXPECT_EQ(t.Add(QString()), 0);  // an empty text added at the end still takes its place
    EXPECT_EQ(t.Add(QStringLiteral("b")), 1);
    EXPECT_EQ(ErrorOf<EListError>([&] { t.Delete(-1); }), ListErrorText(-1));
}

}  // namespace
