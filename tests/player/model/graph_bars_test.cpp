// The status panel's graph bars as numbers.
#include "player/model/graph_bars.h"

#include <gtest/gtest.h>

namespace {

TEST(GraphBarsTest, TheCpuBarGrowsWithTheLoadAndIsFullAboveAHundred) {
    EXPECT_EQ(CpuBarHeight(0), 0);
    EXPECT_EQ(CpuBarHeight(8), 0);
    EXPECT_EQ(CpuBarHeight(9), 1);
    EXPECT_EQ(CpuBarHeight(50), 6);
    EXPECT_EQ(CpuBarHeight(100), 12);
    EXPECT_EQ(CpuBarHeight(250), 12);
}

TEST(GraphBarsTest, ThePolyBarIsFullFromTheLimitOnAndALimitOfZeroNeverDivides) {
    EXPECT_EQ(PolyBarHeight(0, 24), 0);
    EXPECT_EQ(PolyBarHeight(12, 24), 6);
    EXPECT_EQ(PolyBarHeight(23, 24), 11);
    EXPECT_EQ(PolyBarHeight(24, 24), 12);
    EXPECT_EQ(PolyBarHeight(40, 24), 12);
    EXPECT_EQ(PolyBarHeight(0, 0), 12);
}

TEST(GraphBarsTest, TheColourRunsFromGreenThroughYellowToRed) {
    EXPECT_EQ(GraphBarColour(0), (BarColour{0, 255, 0}));
    EXPECT_EQ(GraphBarColour(6), (BarColour{252, 255, 0}));
    EXPECT_EQ(GraphBarColour(7), (BarColour{255, 213, 0}));
    EXPECT_EQ(GraphBarColour(12), (BarColour{255, 3, 0}));
}

}  // namespace
