#include "components/CeLines.h"
#include "components/CeShadow.h"
#include "components/MaxMin.h"
#include "components/VclGeometry.h"
#include "components/VclMemory.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

TEST(PointInRect, AllFourEdgesAreInside)
{
    const QRect r(QPoint(2, 3), QPoint(10, 5));
    EXPECT_TRUE(PointInRect({2, 3}, r));
    EXPECT_TRUE(PointInRect({10, 5}, r));
    EXPECT_TRUE(PointInRect({10, 3}, r));
    EXPECT_FALSE(PointInRect({11, 5}, r));
    EXPECT_FALSE(PointInRect({10, 6}, r));
    EXPECT_FALSE(PointInRect({1, 4}, r));
    EXPECT_FALSE(PointInRect({5, 2}, r));
    EXPECT_FALSE(PointInRect({5, 4}, QRect(QPoint(10, 3), QPoint(2, 5))));
}

TEST(ClipBltToSource, ClipsTheSourceAndShrinksTheDestinationInProportion)
{
    // Unclipped: unchanged.
    auto r = ClipBltToSource({QRect(0, 0, 4, 4), QRect(10, 10, 8, 8)}, QSize(4, 4));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Source, QRect(0, 0, 4, 4));
    EXPECT_EQ(r->Dest, QRect(10, 10, 8, 8));
    // Half of the source lies left of and above the bitmap.
    r = ClipBltToSource({QRect(-2, -2, 4, 4), QRect(0, 0, 8, 8)}, QSize(10, 10));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Source, QRect(0, 0, 2, 2));
    EXPECT_EQ(r->Dest, QRect(4, 4, 4, 4));
    // Beyond the right and bottom edges.
    r = ClipBltToSource({QRect(2, 1, 4, 4), QRect(0, 0, 4, 4)}, QSize(4, 3));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Source, QRect(2, 1, 2, 2));
    EXPECT_EQ(r->Dest, QRect(0, 0, 2, 2));
    EXPECT_FALSE(ClipBltToSource({QRect(5, 5, 4, 4), QRect(0, 0, 4, 4)}, QSize(4, 4)));
    EXPECT_FALSE(ClipBltToSource({QRect(0, 0, 0, 4), QRect(0, 0, 4, 4)}, QSize(4, 4)));
    EXPECT_FALSE(ClipBltToSource({QRect(0, 0, 4, 4), QRect(0, 0, 4, 4)}, QSize(0, 0)));
    // Shrinking a stretched blit so far that nothing remains.
    EXPECT_FALSE(ClipBltToSource({QRect(-2, 0, 40, 1), QRect(0, 0, 5, 1)}, QSize(4, 4)));
}

TEST(Memory, AllocatesZeroFilledAndNothingForSizesBelowOne)
{
    EXPECT_EQ(AllocMemo(0), nullptr);
    EXPECT_EQ(AllocMemo(-5), nullptr);
    void* p = AllocMemo(37);
    ASSERT_NE(p, nullptr);
    const auto* bytes = static_cast<const unsigned char*>(p);
    for (int i = 0; i < 37; ++i)
        EXPECT_EQ(bytes[i], 0) << i;
    FreeMemo(p);
    EXPECT_EQ(p, nullptr);
    FreeMemo(p);  // freeing nothing is harmless
}

TEST(Memory, CompareMemSeesADifferenceInTheTailBytes)
{
    unsigned char a[11];
    unsigned char b[11];
    for (int i = 0; i < 11; ++i)
        a[i] = b[i] = static_cast<unsigned char>(i * 7);
    EXPECT_TRUE(CompareMem(a, b, 11));
    b[10] ^= 1;
    EXPECT_FALSE(CompareMem(a, b, 11));
    EXPECT_TRUE(CompareMem(a, b, 10));
    b[1] ^= 1;
    EXPECT_FALSE(CompareMem(a, b, 4));
    EXPECT_TRUE(CompareMem(a, b, 0));
}

TEST(Memory, OffsetAndOverlappingMove)
{
    char text[] = "abcdef";
    EXPECT_EQ(OffsetPointer(text, 3), text + 3);
    MoveBytes(text + 1, text, 4);
    EXPECT_STREQ(text, "aabcdf");
    MoveBytes(text, text + 1, 0);
    EXPECT_STREQ(text, "aabcdf");
}

TEST(MaxMin, CoverTheWholeRange)
{
    static_assert(Max(INT_MIN, INT_MAX) == INT_MAX);
    static_assert(Min(INT_MIN, INT_MAX) == INT_MIN);
    EXPECT_EQ(Max(-3, -7), -3);
    EXPECT_EQ(Min(-3, -7), -7);
    EXPECT_EQ(Max(4, 4), 4);
}

TEST(LinePixels, EndPointIsExcluded)
{
    EXPECT_TRUE(LinePixels({3, 3}, {3, 3}).empty());
    const auto horizontal = LinePixels({1, 1}, {4, 1});
    EXPECT_EQ(horizontal, (std::vector<QPoint>{{1, 1}, {2, 1}, {3, 1}}));
    const auto up = LinePixels({1, 3}, {1, 0});
    EXPECT_EQ(up, (std::vector<QPoint>{{1, 3}, {1, 2}, {1, 1}}));
    const auto diagonal = LinePixels({-1, 4}, {4, -1});
    EXPECT_EQ(diagonal, (std::vector<QPoint>{{-1, 4}, {0, 3}, {1, 2}, {2, 1}, {3, 0}}));
    // A shallow line still takes one pixel per column.
    const auto shallow = LinePixels({0, 0}, {6, 2});
    ASSERT_EQ(shallow.size(), 6u);
    EXPECT_EQ(shallow.front(), QPoint(0, 0));
    EXPECT_EQ(shallow.back().x(), 5);
}

TEST(ShadowOffset, PointsToTheNamedCorner)
{
    EXPECT_EQ(ShadowOffset(spLeftTop, 2), QPoint(-2, -2));
    EXPECT_EQ(ShadowOffset(spLeftBottom, 2), QPoint(-2, 2));
    EXPECT_EQ(ShadowOffset(spRightBottom, 2), QPoint(2, 2));
    EXPECT_EQ(ShadowOffset(spRightTop, 2), QPoint(2, -2));
    EXPECT_EQ(ShadowOffset(spRightTop, 0), QPoint(0, 0));
}

}  // namespace
