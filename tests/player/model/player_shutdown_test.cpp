// The player's end: its steps in order with and without a window, a library that never started
// or never goes idle, the instance block only when this start holds it, once only, and the saves
// that fail told on standard error.
#include "player/model/player_shutdown.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/codepage.h"
#include "player/model/player_state.h"
#include "player/model/settings.h"
#include "player/model/settings_failure.h"
#include "tests/platform/registry_support.h"

namespace {

// Writes each step to a log; keeping the window's place and the shown list sets them in the
// settings as the window would. The library stop notes whether the settings were written then.
class FakeShutdown final : public ShutdownSteps {
public:
    explicit FakeShutdown(std::string storePath) : storePath_(std::move(storePath)) {}

    bool listSaves = true;
    bool goesIdle = true;
    bool started = true;
    std::vector<std::string> log;
    void* closedBlock = nullptr;

    void RemoveLibraryBoxes() override { log.push_back("boxes"); }
    void KeepColumnWidths() override { log.push_back("widths"); }
    void KeepWindowPlace() override {
        log.push_back("place");
        g_windowMemory.windowWidth = 640;
    }
    void KeepShownSongList() override {
        log.push_back("shown list");
        g_windowMemory.lastSongList = u"snglst003.lst";
    }
    bool SaveUnsavedSongList() override {
        log.push_back("save list");
        return listSaves;
    }
    void StopLibrary() override {
        log.push_back(std::filesystem::exists(storePath_) ? "stop" : "stop before the save");
    }
    bool WaitForLibraryIdle(std::chrono::milliseconds timeout) override {
        log.push_back("wait " + std::to_string(timeout.count()));
        return goesIdle;
    }
    bool LibraryStarted() override {
        log.push_back("started?");
        return started;
    }
    void CleanUpLibrary() override { log.push_back("clean up"); }
    void CloseInstanceBlock(void* block) override {
        log.push_back("close block");
        closedBlock = block;
    }
    void RemoveInstance() override {
        log.push_back(g_player.instanceBlock == nullptr ? "remove instance" : "remove, still held");
    }

private:
    std::string storePath_;
};

const std::vector<std::string> kWindowSaved = {"boxes", "widths", "place", "shown list",
                                               "save list"};
const std::vector<std::string> kLibraryEnded = {"stop", "wait 6000", "started?", "clean up"};
const std::vector<std::string> kInstanceReleased = {"close block", "remove instance"};

std::vector<std::string> Joined(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

class Shutdown : public ::testing::Test {
protected:
    Shutdown() : savedSettings_(g_settings), savedMemory_(g_windowMemory) {
        g_player = PlayerState{};
        g_player.instanceBlock = block_;
    }
    ~Shutdown() override {
        g_settings = savedSettings_;
        g_windowMemory = savedMemory_;
        g_player = PlayerState{};
    }
    // Runs the end and gives what it wrote to standard error.
    std::string Run(bool withWindow, int expected) {
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(shutdown_.Run(steps_, withWindow), expected);
        return ::testing::internal::GetCapturedStderr();
    }

    registrytest::TemporaryConfigHome home_;
    FakeShutdown steps_{home_.StorePath()};
    PlayerShutdown shutdown_;
    char block_[32] = {};

private:
    PlayerSettings savedSettings_;
    WindowMemory savedMemory_;
};

TEST_F(Shutdown, SavesTheWindowAndTheSettingsThenEndsTheLibraryThenGivesBackTheBlock) {
    g_windowMemory = WindowMemory{};
    EXPECT_EQ(Run(true, 1), "");
    EXPECT_EQ(steps_.log, Joined({kWindowSaved, kLibraryEnded, kInstanceReleased}));
    EXPECT_EQ(steps_.closedBlock, block_);
    EXPECT_EQ(g_player.instanceBlock, nullptr);
    g_windowMemory = WindowMemory{};
    LoadSettings();
    EXPECT_EQ(g_windowMemory.windowWidth, 640) << "the place was kept before the save";
    EXPECT_EQ(g_windowMemory.lastSongList, u"snglst003.lst");
}

TEST_F(Shutdown, OnlyTheFirstCallDoesAnything) {
    Run(true, 1);
    steps_.log.clear();
    g_player.instanceBlock = block_;
    EXPECT_EQ(Run(true, 1), "");
    EXPECT_EQ(Run(false, 1), "");
    EXPECT_TRUE(steps_.log.empty());
    EXPECT_EQ(g_player.instanceBlock, block_);
}

TEST_F(Shutdown, WithoutAWindowOnlyTheSettingsAreSaved) {
    Run(false, 1);
    EXPECT_EQ(steps_.log, Joined({{"boxes"}, kLibraryEnded, kInstanceReleased}));
    EXPECT_TRUE(std::filesystem::exists(home_.StorePath()));
}

// TeGetParent 0: the run ended before the library's start, and TeCleanUp is not called.
TEST_F(Shutdown, ALibraryNeverStartedIsNotCleanedUp) {
    steps_.started = false;
    Run(true, 1);
    EXPECT_EQ(steps_.log,
              Joined({kWindowSaved, {"stop", "wait 6000", "started?"}, kInstanceReleased}));
}

// A device that never reports its blocks done leaves the library's thread to the process's end.
TEST_F(Shutdown, ALibraryThatNeverGoesIdleIsLeftRunning) {
    steps_.goesIdle = false;
    Run(true, 1);
    EXPECT_EQ(steps_.log, Joined({kWindowSaved, {"stop", "wait 6000"}, kInstanceReleased}));
}

// Another player's block and channel stay.
TEST_F(Shutdown, AStartWithoutTheInstanceBlockLeavesTheInstanceAlone) {
    g_player.instanceBlock = nullptr;
    Run(true, 1);
    EXPECT_EQ(steps_.log, Joined({kWindowSaved, kLibraryEnded}));
}

TEST_F(Shutdown, AListThatCannotBeSavedIsToldAndTheRestGoesOn) {
    steps_.listSaves = false;
    EXPECT_EQ(Run(true, 1), "tesalo-player: a change of the shown song list could not be saved\n");
    EXPECT_EQ(steps_.log, Joined({kWindowSaved, kLibraryEnded, kInstanceReleased}));
}

TEST_F(Shutdown, SettingsThatCannotBeSavedAreToldInEnglishAndGiveZeroOnce) {
    std::filesystem::create_directories(home_.StorePath());
    const std::string told = Run(true, 0);
    EXPECT_EQ(told, "tesalo-player: " + platform::Utf16ToUtf8(SettingsSaveFailure(false)) + "\n");
    EXPECT_EQ(told.rfind("tesalo-player: The settings could not be saved.\n", 0), 0u);
    EXPECT_EQ(steps_.log, Joined({kWindowSaved, kLibraryEnded, kInstanceReleased}));
    EXPECT_EQ(Run(true, 1), "") << "a later call does nothing";
}

}  // namespace
