#include "GridErrorText.h"

#include "grids/GridExtents.h"
#include "grids/GridGeometry.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> Entries(const TGridExtents& e)
{
    std::vector<int> all;
    for (int i = 0; i < e.Size(); ++i)
        all.push_back(e.Get(i, 0));
    return all;
}

TEST(GridExtents, ResizeKeepsEntriesFillsDefaultsAndRejectsBadCounts)
{
    TGridExtents e;
    e.Resize(10, 64);  // absent: stays absent
    EXPECT_FALSE(e.Exists());
    e.Set(1, 5, 3, 64);
    e.Resize(6, 30);
    EXPECT_EQ(e.Size(), 6);
    EXPECT_EQ(e.Get(1, 0), 5);
    EXPECT_EQ(e.Get(5, 0), 30);
    EXPECT_EQ(ErrorOf([&] { e.Resize(-1, 0); }), GridMessages::TooManyDeleted);
    EXPECT_EQ(ErrorOf([&] { e.Resize(TGridExtents::MaxCount, 0); }), GridMessages::GridTooLarge);
    EXPECT_EQ(e.Size(), 6);
    e.Resize(2, 0);
    EXPECT_EQ(e.Size(), 2);
    EXPECT_EQ(e.Get(1, 0), 5);
}

TEST(GridExtents, ModifyInsertsAndRemovesAtAnIndex)
{
    TGridExtents e;
    e.Set(0, 1, 3, 0);
    e.Set(1, 2, 3, 0);
    e.Set(2, 3, 3, 0);
    e.Modify(1, 2, 9);
    EXPECT_EQ(Entries(e), (std::vector<int>{1, 9, 9, 2, 3}));
    e.Modify(0, -2, 0);
    EXPECT_EQ(Entries(e), (std::vector<int>{9, 2, 3}));
    EXPECT_EQ(ErrorOf([&] { e.Modify(4, 1, 0); }), GridMessages::IndexOutOfRange);
    EXPECT_EQ(ErrorOf([&] { e.Modify(2, -2, 0); }), GridMessages::TooManyDeleted);
    EXPECT_EQ(e.Size(), 3);
}

// Operations whose range ends exactly at the last entry are allowed; one further fails.
TEST(GridExtents, RangesEndingAtTheLastEntryAndMoves)
{
    struct Case {
        int index;
        int amount;
        int size;  // after the operation on {1, 2, 3}
        QString error;
    };
    const Case cases[] = {
        {3, 1, 4, {}},       {4, 1, 3, GridMessages::IndexOutOfRange},
        {2, -1, 2, {}},      {1, -2, 1, {}},
        {0, -3, 0, {}},      {2, -2, 3, GridMessages::TooManyDeleted},
        {3, -1, 3, GridMessages::TooManyDeleted},
    };
    for (const Case& c : cases) {
        TGridExtents e;
        for (int i = 0; i < 3; ++i)
            e.Set(i, i + 1, 3, 0);
        const QString error = ErrorOf([&] { e.Modify(c.index, c.amount, 9); });
        EXPECT_EQ(error, c.error.isEmpty() ? QStringLiteral("<no exception>") : c.error) << c.index << " " << c.amount;
        EXPECT_EQ(e.Size(), c.size) << c.index << " " << c.amount;
        EXPECT_EQ(e.Get(0, -1), c.index == 0 && c.amount < 0 ? -1 : 1);
    }
    // Moves shift the entries between, up to and from the last entry.
    TGridExtents e;
    for (int i = 0; i < 5; ++i)
        e.Set(i, 10 + i, 5, 0);
    e.Move(0, 3, 5, 0);
    EXPECT_EQ(Entries(e), (std::vector<int>{11, 12, 13, 10, 14}));
    e.Move(4, 1, 5, 0);
    EXPECT_EQ(Entries(e), (std::vector<int>{11, 14, 12, 13, 10}));
    e.Move(4, 0, 5, 0);
    EXPECT_EQ(Entries(e), (std::vector<int>{10, 11, 14, 12, 13}));
    e.Move(0, 4, 5, 0);
    EXPECT_EQ(Entries(e), (std::vector<int>{11, 14, 12, 13, 10}));
    EXPECT_EQ(ErrorOf([&] { e.Move(0, 5, 5, 0); }), GridMessages::IndexOutOfRange);
    EXPECT_EQ(ErrorOf([&] { e.Set(5, 1, 5, 0); }), GridMessages::IndexOutOfRange);
}

TEST(GridGeometry, AxisBoundariesAndFullyVisibleCells)
{
    // Widths 10,20,30,40,50 with a 1-pixel line, 1 fixed cell, 70 pixels of client.
    const int widths[] = {10, 20, 30, 40, 50};
    auto ext = [&](int i) { return widths[i]; };
    TGridAxisDrawInfo a = CalcAxisDrawInfo(ext, 1, 1, 5, 1, 70);
    EXPECT_EQ(a.FixedBoundary, 11);
    // 11 + 21 = 32, + 31 = 63 <= 71, + 41 = 104 > 71
    EXPECT_EQ(a.LastFullVisibleCell, 2);
    EXPECT_EQ(a.FullVisBoundary, 63);
    EXPECT_EQ(a.GridBoundary, 70);
    EXPECT_EQ(a.VisibleCount(), 2);
    EXPECT_EQ(a.CellStart(0), 0);
    EXPECT_EQ(a.CellStart(1), 11);
    EXPECT_EQ(a.CellStart(3), 63);
    EXPECT_EQ(a.CellStart(4), -1);
    EXPECT_EQ(a.CellAt(5), 0);
    EXPECT_EQ(a.CellAt(11), 1);
    EXPECT_EQ(a.CellAt(69), 3);
    EXPECT_EQ(a.CellAt(70), -1);

    // Scrolled to cell 3: the cells 1 and 2 are gone.
    TGridAxisDrawInfo s = CalcAxisDrawInfo(ext, 1, 1, 5, 3, 200);
    EXPECT_EQ(s.CellStart(2), -1);
    EXPECT_EQ(s.CellStart(3), 11);
    EXPECT_EQ(s.GridBoundary, 11 + 41 + 51);  // ends with the last cell
    EXPECT_EQ(s.LastFullVisibleCell, 4);

    // A cell counts as fully visible while its end (line included) is within extent + line.
    auto nine = [](int) { return 9; };
    EXPECT_EQ(CalcAxisDrawInfo(nine, 1, 0, 10, 0, 29).LastFullVisibleCell, 2);  // 3 cells of 10 = 30 <= 30
    EXPECT_EQ(CalcAxisDrawInfo(nine, 1, 0, 10, 0, 28).LastFullVisibleCell, 1);
}

TEST(GridGeometry, MaxFirstCellFillsTheClientArea)
{
    auto ext = [](int) { return 24; };
    // 1 fixed row of 25 pixels, 100 rows, client 120: (120 + 1 - 25) / 25 = 3 rows fit.
    EXPECT_EQ(CalcMaxFirstCell(ext, 1, 1, 100, 120), 97);
    // Everything fits: no scrolling.
    EXPECT_EQ(CalcMaxFirstCell(ext, 1, 1, 4, 120), 1);
    // Not even the last cell fits: it can still be scrolled to.
    EXPECT_EQ(CalcMaxFirstCell([](int) { return 500; }, 1, 1, 10, 120), 9);
}

}  // namespace
