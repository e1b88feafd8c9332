// The real player program as separate processes: a second start hands over to the running one
// (with the files it was given) and ends at once, also while the first is still starting; a
// player killed outright leaves no lock behind, so the next start runs.
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "platform/instance.h"
#include "tests/player/shell/process/player_process_fixture.h"
#include "tests/tools/cli_support.h"

TEST_F(PlayerProcessTest, ASecondStartHandsOverAndAKilledPlayerLeavesNoLock) {
    const pid_t first = StartPlayer();
    ASSERT_TRUE(WindowAppears());
    const auto started = std::chrono::steady_clock::now();
    // A second start that took itself for the first would run on: it gets 10 seconds.
    const CommandResult second = RunCommand(environment_ + "timeout 10 " TESALO_BIN_DIR "/tesalo-player");
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
    platform::RemoveInstanceBlock("DDEFILEMAP_TESALO");
}

TEST_F(PlayerProcessTest, FilesGivenToAStartAndToALaterOneArriveInTheOpenedFilesList) {
    const std::string demo = TESALO_BIN_DIR "/demo/";
    const pid_t first = StartPlayer(demo + "glass_tide.mid");
    ASSERT_TRUE(WindowAppears());
    EXPECT_FALSE(OpenedListHolding({demo + "glass_tide.mid"}).empty()) << Log();
    // A relative name is taken against the later start's working folder.
    const CommandResult second =
        RunCommand("cd " + demo + " && " + environment_ + "timeout 10 " TESALO_BIN_DIR "/tesalo-player copper_road.mid");
    EXPECT_EQ(second.exitCode, 0) << second.err;
    const std::string list = OpenedListHolding({demo + "glass_tide.mid", demo + "copper_road.mid"});
    EXPECT_FALSE(list.empty()) << Log();
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

