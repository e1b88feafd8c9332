// Playing rows: Play, chain play over rows that cannot be played, previous and next, auto
// repeat, and the library's end and refusal reports.
#include <chrono>

#include <QAbstractButton>

#include "library/tesalo.h"
#include "platform/messages.h"
#include "player/model/library_activity.h"
#include "player/model/player_state.h"
#include "player/model/settings.h"
#include "player/shell/lists/song_list_view.h"
#include "tests/doubles/waveout_null.h"
#include "tests/player/shell/window/window_fixture.h"

namespace {

using PlayTest = WindowTest;

bool Idle() { return g_player.isPlaying == 0; }

TEST_F(PlayTest, PlayWithoutFocusStartsRowZeroFocusedButNotSelected) {
    ShowList({{"One", Song("one")}, {"Two", Song("two")}});
    View()->clearSelection();
    View()->setCurrentIndex(QModelIndex());
    Command(kCommandPlay);
    EXPECT_EQ(g_player.isPlaying, 1);
    EXPECT_EQ(g_player.currentSong, 0);
    EXPECT_EQ(FocusedRow(View()), 0);
    EXPECT_TRUE(SelectedRowList().empty());
    EXPECT_EQ(Picture(0), kPicturePlaying);
    EXPECT_EQ(Caption(), "One");
    EXPECT_FALSE(ButtonEnabled(kCommandPlay));
    EXPECT_TRUE(ButtonEnabled(kCommandStop));
    for (int id : {kCommandSettings, kCommandMoveUp, kCommandMoveDown, kCommandDeleteRows})
        EXPECT_FALSE(ButtonEnabled(id)) << id;
    // The song ends by itself: idle again, the caption back.
    ASSERT_TRUE(PlayUntil(Idle));
    EXPECT_EQ(Picture(0), kPictureNormal);
    EXPECT_TRUE(ButtonEnabled(kCommandPlay));
    EXPECT_FALSE(ButtonEnabled(kCommandStop));
    EXPECT_EQ(Caption(), "Tesalo");
}

TEST_F(PlayTest, ChainPlayMarksEveryUnplayableRowAndShowsOneMessage) {
    ShowList({{"A", Missing("a")}, {"B", Missing("b")}, {"C", Missing("c")}});
    g_settings.bChainPlay = 1;
    Focus(1);
    std::u16string shown;
    script_.Then(AnswerMessage(&shown));
    Command(kCommandPlay);
    EXPECT_EQ(shown, u"SMFファイルの読み込みに失敗しました");
    EXPECT_EQ(Picture(0), kPictureNormal);
    EXPECT_EQ(Picture(1), kPictureFailed);
    EXPECT_EQ(Picture(2), kPictureFailed);
    EXPECT_EQ(Caption(), "C");
    EXPECT_EQ(g_player.isPlaying, 0);
    EXPECT_TRUE(ButtonEnabled(kCommandPlay));
}

TEST_F(PlayTest, ChainPlaySkipsToTheNextPlayableRowWithoutMessage) {
    ShowList({{"A", Missing("a")}, {"B", Song("b")}});
    g_settings.bChainPlay = 1;
    Focus(0);
    Command(kCommandPlay);
    EXPECT_EQ(g_player.currentSong, 1);
    EXPECT_EQ(Picture(0), kPictureFailed);
    EXPECT_EQ(Picture(1), kPicturePlaying);
    EXPECT_EQ(Caption(), "B");
}

TEST_F(PlayTest, WithoutChainPlayAFailedRowIsTheOnlyOneTried) {
    ShowList({{"A", Missing("a")}, {"B", Song("b")}});
    Focus(0);
    std::u16string shown;
    script_.Then(AnswerMessage(&shown));
    Command(kCommandPlay);
    EXPECT_EQ(Picture(0), kPictureFailed);
    EXPECT_EQ(Picture(1), kPictureNormal);
    EXPECT_EQ(g_player.isPlaying, 0);
    EXPECT_FALSE(shown.empty());
}

TEST_F(PlayTest, PreviousOnTheFirstRowAndNextOnTheLastStopPlayback) {
    ShowList({{"One", Song("one", 40)}, {"Two", Song("two", 40)}});
    for (auto [row, command] : {std::pair{0, kCommandPrevious}, std::pair{1, kCommandNext}}) {
        Focus(row);
        Command(kCommandPlay);
        ASSERT_EQ(g_player.isPlaying, 1);
        Command(command);
        EXPECT_EQ(g_player.pendingAction, command);
        EXPECT_EQ(g_player.isPlaying, 1);  // until the library reports the end
        ASSERT_TRUE(PlayUntil(Idle));
        EXPECT_EQ(g_player.pendingAction, 0);
        EXPECT_EQ(Picture(row), kPictureNormal);
        EXPECT_TRUE(ButtonEnabled(kCommandPlay));
    }
}

TEST_F(PlayTest, NextWhilePlayingPlaysTheFollowingRowAndMovesTheSelection) {
    ShowList({{"One", Song("one", 40)}, {"Two", Song("two", 40)}, {"Three", Song("three")}});
    Focus(0);
    Command(kCommandPlay);
    Command(kCommandNext);
    ASSERT_TRUE(PlayUntil([] { return g_player.currentSong == 1 && g_player.pendingAction == 0; }));
    EXPECT_EQ(g_player.isPlaying, 1);
    EXPECT_EQ(FocusedRow(View()), 1);
    EXPECT_EQ(SelectedRowList(), std::vector<int>{1});
    EXPECT_EQ(Picture(0), kPictureNormal);
    EXPECT_EQ(Picture(1), kPicturePlaying);
}

TEST_F(PlayTest, AutoRepeatStartsRowZeroAgainOnlyWithChainPlay) {
    ShowList({{"One", Song("one")}, {"Two", Song("two")}});
    g_settings.bChainPlay = 1;
    g_settings.bAutoRepeat = 1;
    Focus(1);
    Command(kCommandPlay);
    ASSERT_TRUE(PlayUntil([] { return g_player.currentSong == 0; }));
    EXPECT_EQ(g_player.isPlaying, 1);
    EXPECT_EQ(Picture(0), kPicturePlaying);
    EXPECT_EQ(FocusedRow(View()), 1);  // chain play moves no focus
    // Without chain play the song that ends is the last one.
    g_settings.bChainPlay = 0;
    ASSERT_TRUE(PlayUntil(Idle));
    EXPECT_EQ(g_player.currentSong, 0);
}

TEST_F(PlayTest, ChainPlayWithoutAutoRepeatEndsAfterTheLastRow) {
    ShowList({{"One", Song("one")}, {"Two", Song("two")}});
    g_settings.bChainPlay = 1;
    Focus(0);
    Command(kCommandPlay);
    ASSERT_TRUE(PlayUntil([] { return g_player.currentSong == 1; }));
    EXPECT_EQ(Picture(1), kPicturePlaying);
    ASSERT_TRUE(PlayUntil(Idle));
    EXPECT_TRUE(ButtonEnabled(kCommandPlay));
}

TEST_F(PlayTest, ARefusedSongReturnsToIdleAndStrayEndReportsChangeNothing) {
    ShowList({{"One", Song("one", 40)}, {"Two", Song("two", 40)}});
    Focus(0);
    Command(kCommandPlay);
    DeliverReports();
    platform::PostWindowMessage(Controls().bridge, g_player.notifyMessage, 1, 1);
    DeliverReports();
    EXPECT_EQ(g_player.isPlaying, 0);
    EXPECT_TRUE(ButtonEnabled(kCommandPlay));
    EXPECT_EQ(Picture(0), kPictureNormal);
    // The stopped song's own end report comes later and finds the window idle.
    platform::PostWindowMessage(Controls().bridge, g_player.notifyMessage, 6, 0);
    DeliverReports();
    EXPECT_EQ(g_player.isPlaying, 0);
}

TEST_F(PlayTest, AnEndReportOfTheSongBeforeDoesNotEndTheNewOne) {
    ShowList({{"One", Song("one", 40)}});
    Focus(0);
    platform::PostWindowMessage(Controls().bridge, g_player.notifyMessage, 6, 0);
    Command(kCommandPlay);  // its start report is queued behind the old end report
    DeliverReports();
    EXPECT_EQ(g_player.isPlaying, 1);
    EXPECT_EQ(Picture(0), kPicturePlaying);
}

// At the player's end no event loop may be left to take the reports: whether the library still
// plays is known from them as they are posted.
TEST_F(PlayTest, TheLibraryCountsAsIdleOnceItsEndOrRefusalIsPosted) {
    using std::chrono::milliseconds;
    ShowList({{"One", Song("one", 40)}});
    Focus(0);
    platform::WaveOutNullFailWrites(1);
    Command(kCommandPlay);
    EXPECT_TRUE(WaitForLibraryIdle(milliseconds(0))) << "a refused song never started";
    DeliverReports();

    Command(kCommandPlay);
    EXPECT_FALSE(WaitForLibraryIdle(milliseconds(0)));
    TeStop();
    platform::WaveOutNullComplete(2);  // the two queued blocks play out
    EXPECT_TRUE(WaitForLibraryIdle(milliseconds(5000)));
    EXPECT_EQ(g_player.isPlaying, 1) << "the window has taken the end report already";
}

TEST_F(PlayTest, TimeReportsAddUpFromZeroForEachSong) {
    ShowList({{"One", Song("one", 40)}});
    Focus(0);
    Command(kCommandPlay);
    DeliverReports();
    const int first = g_player.elapsedMs;
    // Two blocks of a quarter note: 96 ticks of 500000 / 96 = 5208 whole microseconds, 499 ms.
    EXPECT_EQ(first, 998);
    for (int value : {500, 250}) {
        platform::PostWindowMessage(Controls().bridge, g_player.notifyMessage, 5, value);
    }
    DeliverReports();
    EXPECT_EQ(g_player.elapsedMs, first + 750);
}

}  // namespace
