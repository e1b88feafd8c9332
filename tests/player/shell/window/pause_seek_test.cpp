// Pausing and seeking the playing song: Space holds the song (its time stands still, the caption
// says so) and plays it on; Stop, Next and Play work on a paused song; Left and Right, and a
// seek the desktop posts, play the song on from another time, paused or not.
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTest>
#include <QThread>

#include "library/tesalo.h"
#include "platform/messages.h"
#include "player/model/player_state.h"
#include "player/model/settings.h"
#include "tests/doubles/waveout_null.h"
#include "tests/player/shell/window/window_fixture.h"

namespace {

bool Playing() { return g_player.isPlaying == 1; }

class PauseSeekTest : public WindowTest {
protected:
    // Three songs of 40 seconds (blocks of half a second), the first one playing, chain play on.
    void PlayFirstOfThree() {
        g_settings.bChainPlay = 1;
        ShowList({{"A", Song("a", 80)}, {"B", Song("b", 80)}, {"C", Song("c", 80)}});
        Focus(0);
        Command(kCommandPlay);
        ASSERT_TRUE(WaitFor([] { return !g_player.playReportDue; }));
        DeliverReports();
    }
    // A key as the window system delivers it, to the window's focused widget.
    void Key(Qt::Key key) {
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        QTest::keyClick(QApplication::focusWidget() != nullptr ? QApplication::focusWidget()
                                                               : static_cast<QWidget*>(View()),
                        key);
    }
    // Delivers the library's reports, finishing no block, until done() or 5 seconds.
    static bool WaitFor(const std::function<bool()>& done) {
        QElapsedTimer timer;
        timer.start();
        while (!done()) {
            if (timer.elapsed() > 5000) return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            QThread::msleep(1);
        }
        return true;
    }
    // Waits until a seek has played the song on: its start report is in.
    static bool SeekDone() {
        return WaitFor(
            [] { return g_player.pendingAction == kPendingNone && !g_player.playReportDue; });
    }
};

TEST_F(PauseSeekTest, SpaceHoldsTheSongAndItsTimeAndPlaysItOnWhereItStood) {
    PlayFirstOfThree();
    const int elapsed = g_player.elapsedMs;
    Key(Qt::Key_Space);
    EXPECT_TRUE(g_player.isPaused);
    EXPECT_EQ(Caption(), QStringLiteral("A (paused)"));
    EXPECT_TRUE(ButtonEnabled(kCommandPlay));
    EXPECT_TRUE(ButtonEnabled(kCommandStop));
    EXPECT_EQ(platform::WaveOutNullComplete(2), 0);
    DeliverReports();
    EXPECT_EQ(g_player.elapsedMs, elapsed);

    Key(Qt::Key_Space);
    EXPECT_FALSE(g_player.isPaused);
    EXPECT_EQ(Caption(), QStringLiteral("A"));
    EXPECT_FALSE(ButtonEnabled(kCommandPlay));
    ASSERT_TRUE(PlayUntil([] { return g_player.currentSong == 1; }));  // chain play goes on
}

TEST_F(PauseSeekTest, StopEndsAPausedSongAtOnceAndTheNextSongIsNotHeld) {
    PlayFirstOfThree();
    Key(Qt::Key_Space);
    Command(kCommandStop);
    ASSERT_TRUE(WaitFor([] { return !Playing(); }));
    EXPECT_FALSE(g_player.isPaused);
    EXPECT_EQ(Caption(), QStringLiteral("Tesalo"));
    Focus(2);
    Command(kCommandPlay);
    EXPECT_EQ(platform::WaveOutNullComplete(1), 1);
}

TEST_F(PauseSeekTest, PlayResumesThePausedRowOrPlaysTheFocusedOneInstead) {
    PlayFirstOfThree();
    Key(Qt::Key_Space);
    Command(kCommandPlay);  // the focus is still on the paused row
    EXPECT_FALSE(g_player.isPaused);
    EXPECT_EQ(Caption(), QStringLiteral("A"));

    Key(Qt::Key_Space);
    Focus(2);
    Command(kCommandPlay);
    ASSERT_TRUE(PlayUntil([] { return Playing() && g_player.currentSong == 2; }));
    EXPECT_FALSE(g_player.isPaused);
    EXPECT_EQ(Caption(), QStringLiteral("C"));
}

TEST_F(PauseSeekTest, NextOnAPausedSongPlaysTheNextRow) {
    PlayFirstOfThree();
    Key(Qt::Key_Space);
    Command(kCommandNext);
    ASSERT_TRUE(WaitFor([] { return Playing() && g_player.currentSong == 1; }));
    EXPECT_FALSE(g_player.isPaused);
    EXPECT_EQ(platform::WaveOutNullComplete(1), 1);
}

// The song's time after a seek to targetMs: the two blocks made from there counted in.
testing::AssertionResult PlaysOnFrom(int targetMs) {
    const int elapsed = g_player.elapsedMs;
    if (elapsed > targetMs && elapsed <= targetMs + 2 * 499) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "time " << elapsed << " after a seek to " << targetMs;
}

TEST_F(PauseSeekTest, RightAndLeftJumpFiveSecondsEachAndLeftStopsAtTheStart) {
    PlayFirstOfThree();
    const int start = g_player.elapsedMs;
    Key(Qt::Key_Right);
    ASSERT_TRUE(SeekDone());
    DeliverReports();
    EXPECT_TRUE(PlaysOnFrom(start + 5000));
    EXPECT_EQ(g_player.currentSong, 0);
    EXPECT_TRUE(Playing());

    int from = g_player.elapsedMs;
    for (int i = 0; i < 3; ++i) Key(Qt::Key_Right);  // faster than the seeks: they add up
    ASSERT_TRUE(SeekDone());
    DeliverReports();
    EXPECT_TRUE(PlaysOnFrom(from + 15000));

    from = g_player.elapsedMs;
    Key(Qt::Key_Left);
    ASSERT_TRUE(SeekDone());
    DeliverReports();
    EXPECT_TRUE(PlaysOnFrom(from - 5000));

    for (int i = 0; i < 5; ++i) Key(Qt::Key_Left);
    ASSERT_TRUE(SeekDone());
    DeliverReports();
    EXPECT_EQ(g_player.elapsedMs, start);  // from the beginning again
}

TEST_F(PauseSeekTest, ASeekWhilePausedStaysPausedAtTheNewTime) {
    PlayFirstOfThree();
    Key(Qt::Key_Space);
    platform::PostWindowMessage(Controls().bridge, kMsgCommand, kCommandSeekTo, 12000);
    ASSERT_TRUE(WaitFor([] { return g_player.elapsedMs >= 12000; }));
    ASSERT_TRUE(SeekDone());
    DeliverReports();
    EXPECT_TRUE(g_player.isPaused);
    EXPECT_EQ(Caption(), QStringLiteral("A (paused)"));
    EXPECT_EQ(platform::WaveOutNullComplete(1), 0);
    const int elapsed = g_player.elapsedMs;
    Key(Qt::Key_Space);
    ASSERT_TRUE(PlayUntil([elapsed] { return g_player.elapsedMs > elapsed; }));
}

TEST_F(PauseSeekTest, ASeekPastTheEndEndsTheSongAndChainPlayGoesOn) {
    PlayFirstOfThree();
    platform::PostWindowMessage(Controls().bridge, kMsgCommand, kCommandSeekTo, 60000);
    ASSERT_TRUE(WaitFor([] { return Playing() && g_player.currentSong == 1; }));
    EXPECT_EQ(Caption(), QStringLiteral("B"));
}

TEST_F(PauseSeekTest, WhileIdleSpacePlaysTheFocusedRowAndLeftAndRightDoNothing) {
    ShowList({{"A", Song("a", 4)}, {"B", Song("b", 4)}});
    Focus(1);
    Key(Qt::Key_Left);
    Key(Qt::Key_Right);
    EXPECT_FALSE(Playing());
    EXPECT_EQ(FocusedRow(View()), 1);
    Key(Qt::Key_Space);
    EXPECT_TRUE(Playing());
    EXPECT_EQ(g_player.currentSong, 1);
}

TEST_F(PauseSeekTest, SpacePausesWhereverTheFocusIsInTheWindow) {
    PlayFirstOfThree();
    Controls().songListCombo->setFocus();
    Key(Qt::Key_Space);
    EXPECT_TRUE(g_player.isPaused);
    EXPECT_FALSE(Controls().songListCombo->view()->isVisible());  // its list stays closed
}

}  // namespace
