// A jump of the play position against its progress with the music: a block at a time, up to two
// blocks ahead of the clock, and nothing while paused.
#include "player/model/position_jump.h"

#include <gtest/gtest.h>

TEST(PositionJumpTest, PlayingOnIsNoJumpButBackOrFarAheadIs) {
    EXPECT_FALSE(PositionJumped(1000, 1000, 100, true));
    EXPECT_FALSE(PositionJumped(1000, 1500, 100, true));  // one block reported
    EXPECT_FALSE(PositionJumped(0, 2000, 100, true));     // two blocks rendered ahead at the start
    EXPECT_FALSE(PositionJumped(1000, 11000, 10000, true));
    EXPECT_TRUE(PositionJumped(1000, 999, 100, true));
    EXPECT_TRUE(PositionJumped(1000, 1000 + 100 + kPositionLeadMs + 1, 100, true));
}

TEST(PositionJumpTest, WhilePausedOnlyTheLeadMayComeOn) {
    EXPECT_FALSE(PositionJumped(5000, 5000, 60000, false));
    EXPECT_FALSE(PositionJumped(5000, 5000 + kPositionLeadMs, 60000, false));
    EXPECT_TRUE(PositionJumped(5000, 5000 + kPositionLeadMs + 1, 60000, false));
    EXPECT_TRUE(PositionJumped(5000, 0, 100, false));
}
