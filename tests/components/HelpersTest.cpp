#include "components/VclGeometry.h"
#include "components/VclMemory.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(PointInRect, AllFourEdgesAreInside)
{
    const QRect r(QPoint(2, 3), QPoint(10, 5));
    EXPECT_TRUE(PointInRect({2, 3}, r));
    EXPECT_TRUE(PointInRect({10, 5}, r));
    EXPECT_FALSE(PointInRect({11, 5}, r));
    EXPECT_FALSE(PointInRect({10, 6}, r));
    EXPECT_FALSE(PointInRect({1, 4}, r));
    EXPECT_FALSE(PointInRect({5, 4}, QRect(QPoint(10, 3), QPoint(2, 5))));
}

TEST(ClipBltToSource, NothingRemainsOfAnEmptyOrOutsideSource)
{
    EXPECT_FALSE(ClipBltToSource({QRect(5, 5, 4, 4), QRect(0, 0, 4, 4)}, QSize(4, 4)));
    EXPECT_FALSE(ClipBltToSource({QRect(0, 0, 0, 4), QRect(0, 0, 4, 4)}, QSize(4, 4)));
    // Shrunk below one pixel: nothing remains.
    EXPECT_FALSE(ClipBltToSource({QRect(-2, 0, 40, 1), QRect(0, 0, 5, 1)}, QSize(4, 4)));
}

TEST(Memory, AllocMemoZeroFillsAndGivesNothingBelowOne)
{
    EXPECT_EQ(AllocMemo(0), nullptr);
    EXPECT_EQ(AllocMemo(-5), nullptr);
    void* p = AllocMemo(37);
    ASSERT_NE(p, nullptr);
    const auto* bytes = static_cast<const unsigned char*>(p);
    EXPECT_TRUE(std::all_of(bytes, bytes + 37, [](unsigned char b) { return b == 0; }));
    FreeMemo(p);
    EXPECT_EQ(p, nullptr);
}

TEST(Memory, CompareMemSeesADifferenceInTheTailBytes)
{
    unsigned char a[11] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    unsigned char b[11] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    EXPECT_TRUE(CompareMem(a, b, 11));
    b[10] ^= 1;
    EXPECT_FALSE(CompareMem(a, b, 11));
    EXPECT_TRUE(CompareMem(a, b, 10));
}

}  // namespace
