// The real player program as separate processes: a second start hands over to the running one
// (with the files it was given) and ends at once, also while the first is still starting; a
// player killed outright leaves no lock behind, so the next start runs.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "platform/instance.h"
#include "tests/tools/cli_support.h"

namespace {

class PlayerProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        home_ = MakeTempFolder();
        std::filesystem::create_directory(home_ + "/run");
        std::filesystem::permissions(home_ + "/run", std::filesystem::perms::owner_all);
        // A sound card that writes to a file, so the library starts without a message.
        std::ofstream(home_ + "/.asoundrc") << "pcm.!default { type file; slave.pcm \"null\"; file \"" << home_
                                            << "/OUT.raw\"; format \"raw\" }\n";
        environment_ = "HOME=" + home_ + " XDG_DATA_HOME=" + home_ + "/data XDG_CONFIG_HOME=" + home_ +
                       "/config XDG_RUNTIME_DIR=" + home_ + "/run QT_QPA_PLATFORM=offscreen ";
    }
    void TearDown() override { std::filesystem::remove_all(home_); }

    // Starts the player in the background with the arguments; its process id.
    pid_t StartPlayer(const std::string& arguments = "") {
        const std::string pidFile = home_ + "/pid";
        std::system(("sh -c '" + environment_ + std::string(TESALO_BIN_DIR) + "/tesalo-player " + arguments + " >" + home_ +
                     "/log 2>&1 & echo $! >" + pidFile + "'").c_str());
        return static_cast<pid_t>(std::stol(ReadWholeFile(pidFile)));
    }

    static bool Alive(pid_t pid) { return kill(pid, 0) == 0; }

    // True once a player's window exists (bytes 0-3 of the shared block), within 10 seconds.
    static bool WindowAppears() {
        for (int i = 0; i < 200; ++i) {
            if (const void* view = platform::OpenInstanceBlock("DDEFILEMAP_TESALO", 32)) {
                std::uint32_t window = 0;
                std::memcpy(&window, view, sizeof window);
                platform::CloseInstanceBlock(view, 32);
                if (window != 0) return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }

    // The text of the song list "Opened files" once it holds every one of the texts, within 10
    // seconds; empty when it never does.
    std::string OpenedListHolding(const std::vector<std::string>& texts) const {
        for (int i = 0; i < 200; ++i) {
            std::error_code error;
            for (const auto& entry : std::filesystem::directory_iterator(home_ + "/data/tesalo", error)) {
                const std::string list = ReadWholeFile(entry.path().string());
                if (list.find("Opened files") == std::string::npos) continue;
                bool all = true;
                for (const std::string& text : texts) all = all && list.find(text) != std::string::npos;
                if (all) return list;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return {};
    }

    void Stop(pid_t pid) {
        kill(pid, SIGTERM);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        if (Alive(pid)) kill(pid, SIGKILL);
        platform::RemoveInstanceBlock("DDEFILEMAP_TESALO");
    }

    std::string home_, environment_;
};

}  // namespace

TEST_F(PlayerProcessTest, ASecondStartHandsOverAndAKilledPlayerLeavesNoLock) {
    const pid_t first = StartPlayer();
    ASSERT_TRUE(WindowAppears());
    const auto started = std::chrono::steady_clock::now();
    // A second start that took itself for the first would run on: it gets 10 seconds.
    const CommandResult second = RunCommand(environment_ + "timeout 10 " TESALO_BIN_DIR "/tesalo-player");
    EXPECT_EQ(second.exitCode, 0) << second.err << "\nfirst player: " << ReadWholeFile(home_ + "/log");
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    EXPECT_TRUE(Alive(first));

    kill(first, SIGKILL);  // nothing of its own clean-up runs
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const pid_t next = StartPlayer();
    std::this_thread::sleep_for(std::chrono::seconds(1));
    EXPECT_TRUE(Alive(next)) << "the next start took itself for a second player";
    kill(next, SIGTERM);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    if (Alive(next)) kill(next, SIGKILL);
    platform::RemoveInstanceBlock("DDEFILEMAP_TESALO");
}

TEST_F(PlayerProcessTest, FilesGivenToAStartAndToALaterOneArriveInTheOpenedFilesList) {
    const std::string demo = TESALO_BIN_DIR "/demo/";
    const pid_t first = StartPlayer(demo + "glass_tide.mid");
    ASSERT_TRUE(WindowAppears());
    EXPECT_FALSE(OpenedListHolding({demo + "glass_tide.mid"}).empty()) << ReadWholeFile(home_ + "/log");
    // A relative name is taken against the later start's working folder.
    const CommandResult second =
        RunCommand("cd " + demo + " && " + environment_ + "timeout 10 " TESALO_BIN_DIR "/tesalo-player copper_road.mid");
    EXPECT_EQ(second.exitCode, 0) << second.err;
    const std::string list = OpenedListHolding({demo + "glass_tide.mid", demo + "copper_road.mid"});
    EXPECT_FALSE(list.empty()) << ReadWholeFile(home_ + "/log");
    EXPECT_TRUE(Alive(first));
    Stop(first);
}

TEST_F(PlayerProcessTest, ALaterStartWithFilesAndNoPlayerToTakeThemSaysSo) {
    // The lock is held (this process holds it), but no window ever appears.
    setenv("XDG_RUNTIME_DIR", (home_ + "/run").c_str(), 1);
    ASSERT_EQ(platform::AcquireInstanceLock("MUTEX_TESALO"), 1);
    const CommandResult second =
        RunCommand(environment_ + "timeout 20 " TESALO_BIN_DIR "/tesalo-player /tmp/some.mid");
    EXPECT_EQ(second.exitCode, 1);
    EXPECT_NE(second.err.find("could not be handed the files"), std::string::npos) << second.err;
    const CommandResult bare = RunCommand(environment_ + "timeout 20 " TESALO_BIN_DIR "/tesalo-player");
    EXPECT_EQ(bare.exitCode, 0) << bare.err;
}

// Two starts a moment apart, the second while the first is still starting (its window not yet
// there): whichever took the lock opens its window, the other ends by itself, so exactly one
// player runs.
TEST_F(PlayerProcessTest, OfTwoStartsAMomentApartExactlyOneRuns) {
    const pid_t players[] = {StartPlayer(), StartPlayer()};
    ASSERT_TRUE(WindowAppears());
    int running = 0;
    for (int i = 0; i < 100; ++i) {
        running = (Alive(players[0]) ? 1 : 0) + (Alive(players[1]) ? 1 : 0);
        if (running < 2) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    EXPECT_EQ(running, 1);
    for (const pid_t player : players) {
        if (Alive(player)) kill(player, SIGKILL);
    }
    platform::RemoveInstanceBlock("DDEFILEMAP_TESALO");
}

