// Pause, resume and seek over a fake window and library: the caption's pause note, the buttons,
// and the library calls a seek makes before and after its stop.
#include "player/model/pause_seek.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "player/model/play_control.h"
#include "tests/player/model/fake_play.h"

namespace {

class PauseSeekLogicTest : public PlayLogicTest {
protected:
    void SetUp() override {
        PlayLogicTest::SetUp();
        SetRows("PP", ".P");
        PlayingRow(1);
    }
};

TEST_F(PauseSeekLogicTest, PauseNotesItInTheCaptionAndResumeTakesItBack) {
    PauseCommand(context);
    EXPECT_TRUE(g_player.isPaused);
    EXPECT_EQ(screen.caption, u"Song 1 (paused)");
    EXPECT_EQ(screen.ButtonState(), "paused");
    PauseCommand(context);
    EXPECT_FALSE(g_player.isPaused);
    EXPECT_EQ(screen.caption, u"Song 1");
    EXPECT_EQ(screen.ButtonState(), "playing");
    EXPECT_EQ(Log(), "pause, resume");
    EXPECT_EQ(screen.Marks(), ".P");
}

TEST_F(PauseSeekLogicTest, TheJapaneseInterfaceNotesThePauseInJapanese) {
    g_player.japaneseUi = true;
    PauseCommand(context);
    EXPECT_EQ(screen.caption, u"Song 1 (一時停止中)");
    PauseCommand(context);
    EXPECT_EQ(screen.caption, u"Song 1");
}

TEST_F(PauseSeekLogicTest, ResumeLeavesACaptionWithoutTheNoteAsItIs) {
    PauseCommand(context);
    screen.caption = u"Song 1";
    ResumeSong(context);
    EXPECT_EQ(screen.caption, u"Song 1");
}

TEST_F(PauseSeekLogicTest, PauseIsPassedOverWhileIdleOrStopping) {
    g_player.isPlaying = 0;
    PauseCommand(context);
    g_player.isPlaying = 1;
    g_player.pendingAction = kPendingNext;
    PauseCommand(context);
    EXPECT_EQ(Log(), "");
    EXPECT_FALSE(g_player.isPaused);
    EXPECT_EQ(screen.caption, u"Song 1");
}

TEST_F(PauseSeekLogicTest, PlayOnThePausedRowResumesWithoutStopping) {
    PauseCommand(context);
    screen.focused = 1;
    PlayFocusedRow(context);
    EXPECT_EQ(Log(), "pause, resume");
    EXPECT_EQ(screen.caption, u"Song 1");
    EXPECT_EQ(g_player.pendingAction, kPendingNone);
}

TEST_F(PauseSeekLogicTest, SeekWhilePlayingHoldsTheSongStopsItAndPlaysOnFromTheTime) {
    g_player.elapsedMs = 9000;
    SeekCommand(library, 5000);
    EXPECT_EQ(Log(), "pause, stop");
    EXPECT_EQ(g_player.pendingAction, kPendingSeek);
    EndOfPlayback(context, false);
    EXPECT_EQ(Log(), "pause, stop, play from 5000, resume");
    EXPECT_EQ(g_player.elapsedMs, 5000);
    EXPECT_TRUE(g_player.playReportDue);
    EXPECT_EQ(g_player.isPlaying, 1);
    EXPECT_EQ(screen.Marks(), ".P");
    EXPECT_EQ(screen.caption, u"Song 1");
}

TEST_F(PauseSeekLogicTest, SeekWhilePausedPlaysOnStillPaused) {
    PauseCommand(context);
    SeekCommand(library, 5000);
    EndOfPlayback(context, false);
    EXPECT_EQ(Log(), "pause, stop, play from 5000");
    EXPECT_TRUE(g_player.isPaused);
    EXPECT_EQ(screen.caption, u"Song 1 (paused)");
    EXPECT_EQ(screen.ButtonState(), "paused");
    PauseCommand(context);
    EXPECT_EQ(Log(), "pause, stop, play from 5000, resume");
}

TEST_F(PauseSeekLogicTest, ASecondSeekGoesWhereTheFirstWasGoingAndCountsFromThere) {
    g_player.elapsedMs = 1000;
    EXPECT_EQ(SeekBase(), 1000);
    SeekCommand(library, 5000);
    EXPECT_EQ(SeekBase(), 5000);
    SeekCommand(library, SeekBase() + 3000);
    EXPECT_EQ(Log(), "pause, stop");
    EndOfPlayback(context, false);
    EXPECT_EQ(Log(), "pause, stop, play from 8000, resume");
}

TEST_F(PauseSeekLogicTest, SeekTimesAreHeldWithinTheLibrarysRange) {
    SeekCommand(library, -300);
    EXPECT_EQ(g_player.seekMs, 0U);
    SeekCommand(library, std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(g_player.seekMs, std::numeric_limits<std::uint32_t>::max());
    EndOfPlayback(context, false);
    EXPECT_EQ(g_player.elapsedMs, std::numeric_limits<int>::max());
}

TEST_F(PauseSeekLogicTest, SeekIsPassedOverWhileIdleOrStoppingForAnotherReason) {
    g_player.isPlaying = 0;
    SeekCommand(library, 5000);
    g_player.isPlaying = 1;
    g_player.pendingAction = kPendingStop;
    SeekCommand(library, 5000);
    EXPECT_EQ(Log(), "");
    EXPECT_EQ(g_player.seekMs, 0U);
    EXPECT_EQ(g_player.pendingAction, kPendingStop);
}

}  // namespace
