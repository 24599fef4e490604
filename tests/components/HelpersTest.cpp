#include "components/VclGeometry.h"
#include "components/VclMemory.h"

#include <gtest/gtest.h>


namespace {

TEST(PointInRect, AllFourEdgesAreInside)
{
    const QRect r(QPoint(2, 3), QPoint(10, 5));
    const struct { QPoint p; QRect r; bool inside; } cases[] = {
        {{2, 3}, r, true}, {{10, 5}, r, true}, {{11, 5}, r, false}, {{10, 6}, r, false}, {{1, 4}, r, false},
        {{5, 4}, QRect(QPoint(10, 3), QPoint(2, 5)), false}};
    for (const auto& c : cases)
        EXPECT_EQ(PointInRect(c.p, c.r), c.inside) << c.p.x() << ", " << c.p.y();
}

TEST(ClipBltToSource, NothingRemainsOfAnEmptyOrOutsideSource)
{
    EXPECT_FALSE(ClipBltToSource({QRect(5, 5, 4, 4), QRect(0, 0, 4, 4)}, QSize(4, 4)));
    EXPECT_FALSE(ClipBltToSource({QRect(0, 0, 0, 4), QRect(0, 0, 4, 4)}, QSize(4, 4)));
    // Shrunk below one pixel: nothing remains.
    EXPECT_FALSE(ClipBltToSource({QRect(-2, 0, 40, 1), QRect(0, 0, 5, 1)}, QSize(4, 4)));
}

TEST(Memory, CompareMemSeesADifferenceInTheTailBytes)
{
    unsigned char a[11] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    unsigned char b[11] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    EXPECT_TRUE(CompareMem(a, b, 11));
    b[10] ^= 1;
    EXPECT_TRUE(!CompareMem(a, b, 11) && CompareMem(a, b, 10));
}

}  // namespace
