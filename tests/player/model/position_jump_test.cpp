// A jump of the play position against its progress with the music: a block at a time, up to two
// blocks ahead of the clock, and nothing while paused; and when the desktop hears of a seek.
#include "player/model/position_jump.h"

#include <gtest/gtest.h>

#include "player/model/media_state.h"

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

// The desktop hears of a seek only within one song: a seek that landed, or a jump; another song,
// or a stop, is a change of track instead.
TEST(PositionJumpTest, ASeekIsToldWithinOneSongWhenItLandsOrThePositionJumps) {
    MediaState before;
    before.status = PlaybackStatus::kPlaying;
    before.row = 2;
    before.positionMs = 10000;
    MediaState after = before;
    after.positionMs = 10500;
    EXPECT_FALSE(SeekedBetween(before, after, 500));
    after.positionMs = 4000;
    EXPECT_TRUE(SeekedBetween(before, after, 500));
    after.row = 3;
    EXPECT_FALSE(SeekedBetween(before, after, 500));
    after.row = 2;
    after.status = PlaybackStatus::kStopped;
    EXPECT_FALSE(SeekedBetween(before, after, 500));
    // A seek to about where the song stood jumps nowhere, but it has landed.
    before.seeking = true;
    after = before;
    after.seeking = false;
    EXPECT_TRUE(SeekedBetween(before, after, 100));
    // Paused, the position may not come on with the clock.
    before = after;
    before.status = PlaybackStatus::kPaused;
    after.status = PlaybackStatus::kPaused;
    after.positionMs = before.positionMs + kPositionLeadMs + 1;
    EXPECT_TRUE(SeekedBetween(before, after, 60000));
}
