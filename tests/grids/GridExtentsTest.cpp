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

// Inserting, removing and moving at an index, up to the last entry and one beyond.
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
    // Moves shift the entries between, forward and back, to and from the last entry.
    TGridExtents e = Extents({10, 11, 12, 13, 14});
    std::vector<std::vector<int>> after;
    for (auto [from, to] : {std::pair(0, 3), std::pair(4, 1), std::pair(4, 0), std::pair(0, 4)}) {
        e.Move(from, to, 5, 0);
        after.push_back(Entries(e));
    }
    EXPECT_EQ(after, (std::vector<std::vector<int>>{
                         {11, 12, 13, 10, 14}, {11, 14, 12, 13, 10}, {10, 11, 14, 12, 13}, {11, 14, 12, 13, 10}}));
    EXPECT_EQ(ErrorOf([&] { e.Move(0, 5, 5, 0); }), GridMessages::IndexOutOfRange);
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

    // The first cell scrolled to at most: the last cells fill the client area after the
    // fixed one (25 pixels a cell with its line); a cell exactly filling it counts.
    auto rows = [](int) { return 24; };
    EXPECT_EQ(CalcMaxFirstCell(rows, 1, 1, 100, 120), 97);
    EXPECT_EQ(CalcMaxFirstCell(rows, 1, 1, 100, 124), 96);
    EXPECT_EQ(CalcMaxFirstCell(rows, 1, 1, 4, 120), 1);  // everything fits: no scrolling
    EXPECT_EQ(CalcMaxFirstCell([](int) { return 500; }, 1, 1, 10, 120), 9);  // too big, still reachable
}

}  // namespace
