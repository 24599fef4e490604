#include "GridErrorText.h"

#include "grids/GridExtents.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> Entries(const TGridExtents& e)
{
    std::vector<int> all;
    for (int i = 0; i < e.Size(); ++i)
        all.push_back(e.Get(i, 0));
    return all;
}

TGridExtents Extents(std::initializer_list<int> values)
{
    TGridExtents e;
    int i = 0;
    for (int v : values)
        e.Set(i++, v, static_cast<int>(values.size()), 0);
    return e;
}

TEST(GridExtents, ResizeKeepsEntriesFillsDefaultsAndRejectsBadCounts)
{
    TGridExtents e;
    e.Resize(10, 64);  // absent: stays absent
    EXPECT_FALSE(e.Exists());
    e.Set(1, 5, 3, 64);
    e.Resize(6, 30);
    EXPECT_EQ(Entries(e), (std::vector<int>{64, 5, 64, 30, 30, 30}));
    EXPECT_EQ(ErrorOf([&] { e.Resize(-1, 0); }), GridMessages::TooManyDeleted);
    EXPECT_EQ(ErrorOf([&] { e.Resize(TGridExtents::MaxCount, 0); }), GridMessages::GridTooLarge);
    EXPECT_EQ(ErrorOf([&] { e.Set(6, 1, 6, 0); }), GridMessages::IndexOutOfRange);
    e.Resize(2, 0);
    EXPECT_EQ(Entries(e), (std::vector<int>{64, 5}));
}

// Inserting and removing at an index, up to the last entry and one beyond.
TEST(GridExtents, ModifyAtAnIndex)
{
    const struct {
        int index;
        int amount;
        std::vector<int> after;  // of {1, 2, 3}
        QString error;
    } cases[] = {
        {1, 2, {1, 9, 9, 2, 3}, {}},
        {3, 1, {1, 2, 3, 9}, {}},
        {0, -2, {3}, {}},
        {0, -3, {}, {}},
        {2, -1, {1, 2}, {}},
        {4, 1, {1, 2, 3}, GridMessages::IndexOutOfRange},
        {2, -2, {1, 2, 3}, GridMessages::TooManyDeleted},
        {3, -1, {1, 2, 3}, GridMessages::TooManyDeleted},
    };
    for (const auto& c : cases) {
        TGridExtents e = Extents({1, 2, 3});
        const QString error = ErrorOf([&] { e.Modify(c.index, c.amount, 9); });
        EXPECT_EQ(error, c.error.isEmpty() ? QStringLiteral("<no exception>") : c.error) << c.index << " " << c.amount;
        EXPECT_EQ(Entries(e), c.after) << c.index << " " << c.amount;
    }
}

}  // namespace
