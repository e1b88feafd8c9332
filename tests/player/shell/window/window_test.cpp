// The window as a whole: keys, closing, switching song lists during a song, the layout, and the
// settings written at exit.
#include <QAbstractButton>
#include <QComboBox>
#include <QHeaderView>
#include <QTest>

#include "player/model/player_state.h"
#include "player/model/settings.h"
#include "player/shell/lists/song_list_view.h"
#include "player/shell/lists/string_list.h"
#include "player/shell/status/status_resources.h"
#include "player/shell/window/main_window_proc.h"
#include "player/shell/window/status_reports.h"
#include "player/shell/window/window_layout.h"
#include "tests/player/shell/window/window_fixture.h"

namespace {

using MainWindowTest = WindowTest;

// The panel's graphs follow the reports the window receives: the first drawing leaves a green
// one-pixel mark on the CPU baseline (y 12) at x 90-91, a load of 150 % a full red column
// (green 507 - 42 x 12 = 3) that pushes the mark 3 pixels left; the time shows what had
// elapsed before each step.
TEST_F(MainWindowTest, TheStatusPanelFollowsTheLibrarysReports) {
    StartStatusPanel(Controls());
    const QImage& picture = Controls().status->picture;
    EXPECT_EQ(picture.pixel(90, 12), qRgb(0, 255, 0));
    EXPECT_EQ(picture.pixel(91, 11), qRgb(0, 0, 0));
    HandleReport(Controls(), 4, 150);
    for (int y = 0; y <= 12; ++y) EXPECT_EQ(picture.pixel(91, y), qRgb(255, 3, 0)) << y;
    EXPECT_EQ(picture.pixel(87, 12), qRgb(0, 255, 0));
    g_player.elapsedMs = 0;
    HandleReport(Controls(), 5, 1500);
    EXPECT_EQ(g_player.elapsedMs, 1500);
}

TEST_F(MainWindowTest, EnterPlaysTheFocusedRowAndStopsWhilePlaying) {
    ShowList({{"One", Song("one", 40)}, {"Two", Song("two", 40)}});
    Focus(1);
    View()->setFocus();
    QTest::keyClick(View(), Qt::Key_Return);
    EXPECT_EQ(g_player.isPlaying, 1);
    EXPECT_EQ(g_player.currentSong, 1);
    QTest::keyClick(View(), Qt::Key_Return);
    EXPECT_EQ(g_player.pendingAction, kPendingStop);
    ASSERT_TRUE(PlayUntil([] { return g_player.isPlaying == 0; }));
    EXPECT_EQ(Picture(1), kPictureNormal);
}

TEST_F(MainWindowTest, ClosingWhilePlayingStopsFirstAndKeepsTheDraggedWidths) {
    ShowList({{"One", Song("one", 40)}});
    Focus(0);
    Command(kCommandPlay);
    View()->header()->resizeSection(kColumnTitle, 222);
    QTest::keyClick(View(), Qt::Key_Escape);
    EXPECT_EQ(g_player.pendingAction, kPendingClose);
    EXPECT_TRUE(window_->isVisible());
    ASSERT_TRUE(PlayUntil([this] { return !window_->isVisible(); }));
    EXPECT_EQ(g_player.isPlaying, 0);
    EXPECT_EQ(window_->result(), 0);
    EXPECT_EQ(g_settings.colTitle, 222);
    EXPECT_EQ(g_settings.colTime, 40);
    // Written at exit and found by the next start.
    SaveSettings();
    g_settings = PlayerSettings{};
    LoadSettings();
    EXPECT_EQ(g_settings.colTitle, 222);
}

TEST_F(MainWindowTest, TheCloseButtonClosesThroughTheCancelCommand) {
    ShowList({});
    ControlButton(Controls(), kCommandCloseButton)->click();
    EXPECT_TRUE(window_->isVisible());  // posted, as the button's command is
    DeliverReports();
    EXPECT_FALSE(window_->isVisible());
}

TEST_F(MainWindowTest, AnotherListDuringASongReplacesTheRowsAndChainPlayGoesOnInIt) {
    ShowList({{"Old", Song("old", 3)}}, "First", "snglst000.lst");
    ShowList({{"X", Song("x")}, {"Y", Song("y")}}, "Second", "snglst001.lst");
    QComboBox* combo = Controls().songListCombo;
    ASSERT_EQ(combo->itemText(0), "First");
    combo->setCurrentIndex(0);
    emit combo->activated(0);
    ASSERT_EQ(RowCount(View()), 1);
    g_settings.bChainPlay = 1;
    Focus(0);
    Command(kCommandPlay);
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    EXPECT_EQ(Cell(0, kColumnTitle), "X");
    EXPECT_EQ(g_player.isPlaying, 1);
    ASSERT_TRUE(PlayUntil([] { return g_player.currentSong == 1 && g_player.isPlaying == 1; }));
    EXPECT_EQ(Picture(1), kPicturePlaying);
    EXPECT_EQ(Caption(), "Y");
}

TEST_F(MainWindowTest, ControlsArePlacedByTheClientSizeAndFollowIt) {
    // 1024 x 740: the panel's top is 680, its buttons 23 pixels apart from x 7.
    const QSize client(1024, 740);
    EXPECT_EQ(PanelRect(client), QRect(QPoint(1, 680), QPoint(1022, 738)));
    EXPECT_EQ(ControlRect(kControlSongListCombo, client), QRect(1, 1, 974, 100));
    EXPECT_EQ(ControlRect(kControlSongList, client), QRect(1, 26, 1022, 652));
    EXPECT_EQ(ControlRect(kCommandPlay, client), QRect(7, 684, 22, 22));
    EXPECT_EQ(ControlRect(kCommandVolume, client), QRect(214, 684, 22, 22));
    EXPECT_EQ(ControlRect(kCommandCloseButton, client), QRect(996, 715, 22, 22));
    EXPECT_EQ(ControlRect(kCommandSongListMenu, client), QRect(984, 3, 33, 19));
    window_->resize(800, 600);
    EXPECT_EQ(View()->geometry(), QRect(1, 26, 798, 512));
    EXPECT_EQ(ControlButton(Controls(), kCommandNext)->geometry(), QRect(76, 544, 22, 22));
    EXPECT_EQ(ControlButton(Controls(), kCommandCloseButton)->geometry(), QRect(772, 575, 22, 22));
}

}  // namespace
