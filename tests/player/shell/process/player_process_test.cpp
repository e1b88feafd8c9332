// The real player program as separate processes: a second start hands over to the running one
// (with the files it was given) and ends at once, also while the first is still starting; a
// player killed outright leaves no lock behind, so the next start runs, and nothing it left
// makes starts that come together lose their files.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/instance.h"
#include "tests/player/shell/process/player_process_fixture.h"
#include "tests/tools/cli_support.h"

TEST_F(PlayerProcessTest, ASecondStartHandsOverAndAKilledPlayerLeavesNoLock) {
    const pid_t first = StartPlayer();
    ASSERT_TRUE(WindowAppears());
    const auto started = std::chrono::steady_clock::now();
    // A second start that took itself for the first would run on: it gets 10 seconds.
    const CommandResult second =
        RunCommand(environment_ + "timeout 10 " TESALO_BIN_DIR "/tesalo-player");
    EXPECT_EQ(second.exitCode, 0) << second.err << "\nfirst player: " << Log();
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
}

TEST_F(PlayerProcessTest, FilesGivenToAStartAndToALaterOneArriveInTheOpenedFilesList) {
    const std::string demo = TESALO_BIN_DIR "/demo/";
    const pid_t first = StartPlayer(demo + "glass_tide.mid");
    ASSERT_TRUE(WindowAppears());
    EXPECT_FALSE(OpenedListHolding({demo + "glass_tide.mid"}).empty()) << Log();
    // A relative name is taken against the later start's working folder.
    const CommandResult second =
        RunCommand("cd " + demo + " && " + environment_ +
                   "timeout 10 " TESALO_BIN_DIR "/tesalo-player copper_road.mid");
    EXPECT_EQ(second.exitCode, 0) << second.err;
    const std::string list = OpenedListHolding({demo + "glass_tide.mid", demo + "copper_road.mid"});
    EXPECT_FALSE(list.empty()) << Log();
    EXPECT_TRUE(Alive(first));
    Stop(first);
}

TEST_F(PlayerProcessTest, ALaterStartWithFilesAndNoPlayerToTakeThemSaysSo) {
    // The lock is held (this process, in the players' runtime folder, holds it), but no window
    // ever appears.
    ASSERT_EQ(platform::AcquireInstanceLock("MUTEX_TESALO"), 1);
    const CommandResult second =
        RunCommand(environment_ + "timeout 20 " TESALO_BIN_DIR "/tesalo-player /tmp/some.mid");
    EXPECT_EQ(second.exitCode, 1);
    EXPECT_NE(second.err.find("could not be handed the files"), std::string::npos) << second.err;
    const CommandResult bare =
        RunCommand(environment_ + "timeout 20 " TESALO_BIN_DIR "/tesalo-player");
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
}

namespace {

// Waits until all of the starts but one have ended, each with exit status 0; the one still
// running, or -1 when not exactly one is left within 10 seconds.
pid_t TheOneLeftRunning(std::vector<pid_t> starts, std::vector<pid_t>& children) {
    for (int i = 0; i < 200 && starts.size() > 1; ++i) {
        std::erase_if(starts, [&children](pid_t start) {
            int status = 0;
            if (waitpid(start, &status, WNOHANG) != start) return false;
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
                << "a start that handed over ended with " << status;
            std::erase(children, start);
            return true;
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return starts.size() == 1 ? starts.front() : -1;
}

}  // namespace

// A player killed outright leaves its shared block (telling of its window) and its channel;
// ten starts made together then, each with a file, leave one player that holds all ten files.
TEST_F(PlayerProcessTest, StartsMadeTogetherAfterAPlayerWasKilledLoseNoFile) {
    std::filesystem::create_directory(home_ + "/songs");
    pid_t player = LaunchPlayer("");
    ASSERT_TRUE(WindowAppears()) << Log();
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        kill(player, SIGKILL);
        WaitForExit(player);
        std::vector<std::string> songs;
        std::vector<pid_t> starts;
        for (int i = 0; i < 10; ++i) {
            songs.push_back(home_ + "/songs/song" + std::to_string(round) + "_" +
                            std::to_string(i) + ".mid");
            std::filesystem::copy_file(TESALO_BIN_DIR "/demo/glass_tide.mid", songs.back());
        }
        for (const std::string& song : songs) starts.push_back(LaunchPlayer(song));
        ASSERT_FALSE(OpenedListHolding(songs).empty()) << Log();
        player = TheOneLeftRunning(starts, children_);
        ASSERT_NE(player, -1);
    }
}
