#include "report/MatchFont.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(MatchFont, StopsWhereTheTableFillsTheRoomOrGrowthEnds)
{
    std::vector<int> tried;
    const auto linear = [&tried](int pixels) { return tried.push_back(pixels), 40 * pixels; };
    // 400 pixels are reached at 10: that size stays, nothing larger is tried.
    EXPECT_EQ(MatchFontPixels(400, linear), 10);
    EXPECT_EQ(tried, std::vector<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(MatchFontPixels(401, linear), 11);
    EXPECT_EQ(MatchFontPixels(0, linear), 2);  // already filled at the smallest step

    // A table that stops growing (every column at its limit) is not grown for ever.
    const auto plateau = [](int pixels) { return pixels < 20 ? 10 * pixels : 200; };
    EXPECT_EQ(MatchFontPixels(1000, plateau), 20 + MatchFontStallSteps);
    // Rounding may keep the width for a step or two at small sizes; that is no stop.
    const auto steps = [](int pixels) { return 30 * (pixels / 3); };
    EXPECT_EQ(MatchFontPixels(300, steps), 30);
    EXPECT_EQ(MatchFontPixels(1 << 30, linear), MaxMatchFontPixels);  // a room no font fills
}

}  // namespace
