#include "report/MatchFont.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(MatchFont, StopsWhereTheTableFillsTheRoomOrGrowthEnds)
{
    std::vector<int> tried;
    const auto linear = [&tried](int pixels) {
        tried.push_back(pixels);
        return 40 * pixels;
    };
    // 400 pixels are reached at 10: that size stays, nothing larger is tried.
    EXPECT_EQ(MatchFontPixels(400, linear), 10);
    EXPECT_EQ(tried.front(), 1);
    EXPECT_EQ(tried.back(), 10);
    EXPECT_EQ(MatchFontPixels(401, linear), 11);
    // Already filled at the smallest step.
    EXPECT_EQ(MatchFontPixels(0, linear), 2);

    // A table that stops growing (every column at its limit) is not grown for ever.
    const auto plateau = [](int pixels) { return pixels < 20 ? 10 * pixels : 200; };
    EXPECT_EQ(MatchFontPixels(1000, plateau), 20 + MatchFontStallSteps);
    // Rounding may keep the width for a step or two at small sizes; that is no stop.
    const auto steps = [](int pixels) { return 30 * (pixels / 3); };
    EXPECT_EQ(MatchFontPixels(300, steps), 30);
    // A room no font fills ends at the maximum.
    EXPECT_EQ(MatchFontPixels(1 << 30, linear), MaxMatchFontPixels);
}

}  // namespace
