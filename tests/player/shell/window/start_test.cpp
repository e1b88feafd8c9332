// The start: the library's format flags, the failures of its start (each with its message, the
// window staying usable), the library's boxes from any thread, and handing over to a running
// player.
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include <QAbstractButton>
#include <QHeaderView>
#include <QLocalSocket>
#include <QScreen>
#include <QTreeView>

#include "library/tesalo.h"
#include "platform/instance.h"
#include "platform/msgbox.h"
#include "player/model/player_state.h"
#include "player/model/settings.h"
#include "player/shell/window/library_boxes.h"
#include "player/shell/window/library_start.h"
#include "player/shell/window/raise_server.h"
#include "player/shell/window/single_instance.h"
#include "player/shell/window/window_layout.h"
#include "player/shell/window/window_start.h"
#include "tests/doubles/waveout_null.h"
#include "tests/player/shell/window/window_fixture.h"

namespace {

class StartTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        TeCleanUp();  // these tests start the library themselves
    }
};

TEST_F(StartTest, EachWaveQualityHasItsFormatAndOthersNone) {
    EXPECT_EQ(WaveFormatFlag(0), 0x10u);
    EXPECT_EQ(WaveFormatFlag(1), 0x40u);
    EXPECT_EQ(WaveFormatFlag(2), 0x100u);
    EXPECT_EQ(WaveFormatFlag(3), 0x400u);
    EXPECT_EQ(WaveFormatFlag(4), 0u);
    EXPECT_EQ(WaveFormatFlag(-1), 0u);
}

TEST_F(StartTest, AStoredFormatOutsideTheFourFailsTheStartAndIsReset) {
    g_settings.waveQuality = 7;
    std::u16string shown;
    script_.Then(AnswerMessage(&shown));
    EXPECT_EQ(StartLibrary(Controls().bridge), 0);
    EXPECT_EQ(shown, u"PCM Audioを初期化できません\n起動に失敗しました");
    EXPECT_EQ(g_settings.waveQuality, 0);
    g_settings.waveQuality = 5;
    LoadSettings();
    EXPECT_EQ(g_settings.waveQuality, 0);  // written at once
}

TEST_F(StartTest, TheOpenedWindowIsPublishedShowsTheListsAndPlays) {
    // The test program's folder holds voice.txt, as the player's does.
    ShowList({{"One", Song("one")}});
    g_settings.colTitle = 201;
    std::uint32_t block[8] = {};
    g_player.instanceBlock = block;
    platform::WaveOutUseNull(platform::NullPacing::kManual);
    InitMainWindow(Controls());
    EXPECT_NE(block[0], 0u);
    EXPECT_EQ(Caption(), "Tesalo");
    EXPECT_TRUE(window_->isVisible());
    EXPECT_EQ(RowCount(View()), 1);
    EXPECT_EQ(View()->columnWidth(1), 201);
    DeliverReports();  // the library starts once the window's events run
    Command(kCommandPlay);
    DeliverReports();
    EXPECT_EQ(g_player.isPlaying, 1);
    ASSERT_TRUE(PlayUntil([] { return g_player.isPlaying == 0; }));
}

TEST_F(StartTest, TheWindowOpensMaximizedWithItsFrameInTheWorkAreaAndFollowsItsSize) {
    platform::WaveOutUseNull(platform::NullPacing::kManual);
    g_settings.colFileTime = 3000;  // as wide as the file names once were on a big screen
    InitMainWindow(Controls());
    DeliverReports();
    const Qt::WindowFlags flags = window_->windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Window);
    EXPECT_TRUE(flags.testFlags(Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint));
    EXPECT_TRUE(window_->isMaximized());
    const QRect area = window_->screen()->availableGeometry();
    EXPECT_TRUE(area.contains(window_->frameGeometry()));
    EXPECT_EQ(ControlButton(Controls(), kCommandCloseButton)->geometry(),
              ControlRect(kCommandCloseButton, window_->size()));
    EXPECT_LE(ControlButton(Controls(), kCommandCloseButton)->geometry().bottom(),
              window_->height() - 1);
    window_->showNormal();
    window_->resize(500, 400);
    DeliverReports();
    EXPECT_EQ(ControlButton(Controls(), kCommandCloseButton)->geometry(),
              ControlRect(kCommandCloseButton, QSize(500, 400)));
    EXPECT_EQ(Controls().listView->geometry(), ControlRect(kControlSongList, QSize(500, 400)));
    // The file names end at the list's edge: no scroll bar.
    EXPECT_EQ(View()->header()->length(), View()->viewport()->width());
}

TEST_F(StartTest, PlayWithoutLibraryShowsItsMessageAndReturnsToIdle) {
    ShowList({{"One", Song("one")}});
    Focus(0);
    std::u16string shown;
    script_.Then(AnswerMessage(&shown));
    InstallLibraryBoxes();
    Command(kCommandPlay);
    DeliverReports();
    RemoveLibraryBoxes();
    EXPECT_EQ(shown, u"Tesalo is not initialized.");
    EXPECT_EQ(g_player.isPlaying, 0);
    EXPECT_TRUE(ButtonEnabled(kCommandPlay));
}

TEST_F(StartTest, ALibraryBoxAskedForByAnotherThreadWaitsForItsAnswer) {
    InstallLibraryBoxes();
    std::u16string shown;
    script_.Then(AnswerMessage(&shown));
    int answer = 0;
    std::thread asking(
        [&answer] { answer = platform::ShowMessageBox(u"from afar", u"TESALO.DLL", 0); });
    ASSERT_TRUE(PlayUntil([&shown] { return !shown.empty(); }));
    asking.join();
    RemoveLibraryBoxes();
    EXPECT_EQ(shown, u"from afar");
    EXPECT_EQ(answer, platform::kBoxResultOk);
}

TEST_F(StartTest, ALaterStartRaisesTheRunningPlayerOnlyOnceItsWindowExists) {
    int raised = 0;
    ASSERT_NE(ListenForRaise(window_.get(), [&raised] { ++raised; }), nullptr);
    bool mapFailed = false;
    void* block = platform::CreateInstanceBlock(kInstanceBlockName, kInstanceBlockSize, &mapFailed);
    ASSERT_NE(block, nullptr);
    HandOverToRunningPlayer();  // bytes 0-3 still 0: the window does not exist yet
    DeliverReports();
    EXPECT_EQ(raised, 0);
    const std::uint32_t window = 7;
    std::memcpy(block, &window, sizeof window);
    HandOverToRunningPlayer();
    EXPECT_TRUE(PlayUntil([&raised] { return raised == 1; }));
    platform::CloseInstanceBlock(block, kInstanceBlockSize);
    platform::RemoveInstanceBlock(kInstanceBlockName);
}

// A later start hands over the tokens the desktop put in its environment, each after its raise.
class TokenHandOverTest : public StartTest {
protected:
    void SetUp() override {
        StartTest::SetUp();
        ASSERT_NE(ListenForRaise(
                      window_.get(), [this] { served_.push_back("raise"); }, {},
                      [this](const ActivationToken& activation) {
                          served_.push_back(
                              (activation.kind == ActivationToken::kWayland ? "wayland " : "x11 ") +
                              activation.token);
                      }),
                  nullptr);
        bool mapFailed = false;
        block_ = platform::CreateInstanceBlock(kInstanceBlockName, kInstanceBlockSize, &mapFailed);
        ASSERT_NE(block_, nullptr);
        const std::uint32_t window = 7;
        std::memcpy(block_, &window, sizeof window);
    }
    void TearDown() override {
        unsetenv("XDG_ACTIVATION_TOKEN");
        unsetenv("DESKTOP_STARTUP_ID");
        if (block_ != nullptr) {
            platform::CloseInstanceBlock(block_, kInstanceBlockSize);
            platform::RemoveInstanceBlock(kInstanceBlockName);
        }
        StartTest::TearDown();
    }
    // What the running player served for one later start, once it served `count` requests.
    std::vector<std::string> ServedForALaterStart(std::size_t count) {
        served_.clear();
        EXPECT_TRUE(HandOverToRunningPlayer());
        PlayUntil([this, count] { return served_.size() >= count; });
        DeliverReports();
        return served_;
    }

    std::vector<std::string> served_;
    void* block_ = nullptr;
};

TEST_F(TokenHandOverTest, BothTokensOfTheEnvironmentFollowTheRaise) {
    setenv("XDG_ACTIVATION_TOKEN", "wl-42", 1);
    setenv("DESKTOP_STARTUP_ID", "launcher-7_TIME42", 1);
    EXPECT_EQ(ServedForALaterStart(3),
              (std::vector<std::string>{"raise", "wayland wl-42", "x11 launcher-7_TIME42"}));
    unsetenv("XDG_ACTIVATION_TOKEN");
    EXPECT_EQ(ServedForALaterStart(2),
              (std::vector<std::string>{"raise", "x11 launcher-7_TIME42"}));
}

TEST_F(TokenHandOverTest, WithoutATokenOrWithABadOneOnlyTheRaiseIsSent) {
    EXPECT_EQ(ServedForALaterStart(1), std::vector<std::string>{"raise"});
    setenv("DESKTOP_STARTUP_ID", "two words", 1);
    setenv("XDG_ACTIVATION_TOKEN", std::string(kMaxActivationToken + 1, 't').c_str(), 1);
    EXPECT_EQ(ServedForALaterStart(1), std::vector<std::string>{"raise"});
}

}  // namespace
