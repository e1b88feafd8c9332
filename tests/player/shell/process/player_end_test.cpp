// The player ended by its session (SIGTERM, SIGHUP: a logout) or by a display that goes away:
// it saves what it holds, stops the song, gives back its instance files and ends with a normal
// exit status, never killed by the signal nor by an abort.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <thread>

#include "tests/player/shell/process/player_process_fixture.h"
#include "tests/player/shell/process/x_display.h"
#include "tests/tools/cli_support.h"

namespace {

const char* const kSettingNames[] = {"bChainPlay",  "bAutoRepeat", "polyLimit", "bLPFDelay",
                                     "bWaveMapper", "waveQuality", "colTitle",  "colTime",
                                     "colFileTime", "masterVolume"};

const std::string kSong = TESALO_BIN_DIR "/demo/glass_tide.mid";

std::string Describe(int status) {
    if (status == -1) return "still running after 30 seconds";
    if (WIFSIGNALED(status)) return std::string("killed by ") + strsignal(WTERMSIG(status));
    return "exit status " + std::to_string(WEXITSTATUS(status));
}

bool ExitedWith(int status, int code) {
    return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == code;
}

bool Within10Seconds(const std::function<bool()>& done) {
    for (int i = 0; i < 200; ++i) {
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

class PlayerEndTest : public PlayerProcessTest {
protected:
    // Every setting stored, no shared block and no raise channel left; what is left is removed
    // for the next start.
    void ExpectSavedAndReleased() {
        const std::string registry = ReadWholeFile(home_ + "/config/tesalo/registry.reg");
        std::string missing;
        for (const char* name : kSettingNames) {
            if (registry.find('"' + std::string(name) + "\"=dword:") == std::string::npos)
                missing += std::string(" ") + name;
        }
        EXPECT_EQ(missing, "") << "settings not stored; the store holds:\n" << registry;
        EXPECT_FALSE(std::filesystem::exists(home_ + "/run/tesalo/DDEFILEMAP_TESALO.block"))
            << "the shared block is left";
        EXPECT_FALSE(std::filesystem::exists(ChannelPath())) << "the raise channel is left";
        std::filesystem::remove(home_ + "/config/tesalo/registry.reg");
    }

    // The sound card has received bytes of a song, within 10 seconds.
    bool SoundArrives() const {
        return Within10Seconds([this] {
            std::error_code error;
            return std::filesystem::file_size(home_ + "/OUT.raw", error) > 0 && !error;
        });
    }
};

}  // namespace

TEST_F(PlayerEndTest, SigtermAndSighupEndTheRunWithEverythingSaved) {
    for (const int signal : {SIGTERM, SIGHUP}) {
        SCOPED_TRACE(strsignal(signal));
        const pid_t player = LaunchPlayer("");
        ASSERT_TRUE(ChannelAppears()) << Log();
        kill(player, signal);
        const int status = WaitForExit(player);
        EXPECT_TRUE(ExitedWith(status, 0)) << Describe(status) << "\n" << Log();
        ExpectSavedAndReleased();
    }
}

// The song plays and the message about the missing file is open in its own event loop.
TEST_F(PlayerEndTest, ASignalWhileASongPlaysAndAMessageIsOpenStopsTheSongAndSaves) {
    for (const int signal : {SIGTERM, SIGHUP}) {
        SCOPED_TRACE(strsignal(signal));
        const pid_t player = LaunchPlayer(kSong + " " + home_ + "/missing.mid");
        ASSERT_TRUE(ChannelAppears()) << Log();
        ASSERT_FALSE(OpenedListHolding({kSong}).empty()) << Log();
        ASSERT_TRUE(SoundArrives()) << Log();
        kill(player, signal);
        const int status = WaitForExit(player);
        EXPECT_TRUE(ExitedWith(status, 0)) << Describe(status) << "\n" << Log();
        ExpectSavedAndReleased();
        std::filesystem::remove(home_ + "/OUT.raw");
    }
}

TEST_F(PlayerEndTest, ADisplayThatGoesAwayWhileASongPlaysEndsThePlayerWithoutAnAbort) {
    if (!ProgramInstalled("Xvfb")) GTEST_SKIP() << "Xvfb is not installed (Debian package xvfb)";
    std::string display;
    const pid_t server = StartXvfb(home_ + "/xvfb.log", &display);
    ASSERT_NE(server, -1) << "Xvfb did not start: " << ReadWholeFile(home_ + "/xvfb.log");
    const pid_t player = LaunchPlayer(kSong, "QT_QPA_PLATFORM=xcb DISPLAY=" + display);
    const bool playing = ChannelAppears() && SoundArrives();
    StopXvfb(server, display);  // also when the player did not get so far
    ASSERT_TRUE(playing) << Log();
    const int status = WaitForExit(player);
    EXPECT_TRUE(status != -1 && WIFEXITED(status)) << Describe(status) << "\n" << Log();
    ExpectSavedAndReleased();
}

// The window's place and the list it shows are stored with the settings, on a signal as well.
TEST_F(PlayerEndTest, TheWindowsPlaceAndItsListAreSavedAtTheEnd) {
    const pid_t player = LaunchPlayer("");
    ASSERT_TRUE(ChannelAppears()) << Log();
    kill(player, SIGTERM);
    const int status = WaitForExit(player);
    EXPECT_TRUE(ExitedWith(status, 0)) << Describe(status) << "\n" << Log();
    const std::string registry = ReadWholeFile(home_ + "/config/tesalo/registry.reg");
    for (const char* name :
         {"windowX", "windowY", "windowWidth", "windowHeight", "windowMaximized"}) {
        EXPECT_NE(registry.find('"' + std::string(name) + "\"=dword:"), std::string::npos)
            << name << "\n"
            << registry;
    }
    EXPECT_NE(registry.find("\"lastSongList\"=\"snglst"), std::string::npos) << registry;
    EXPECT_EQ(registry.find("\"windowWidth\"=dword:00000000"), std::string::npos) << registry;
}
