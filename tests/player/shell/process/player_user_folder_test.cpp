// The real player program run as another user (a user id no account has; only root can do
// that): what other users can put in the machine's shared folders keeps no player from starting,
// and without a runtime folder the players of one user still find each other.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "tests/player/shell/process/player_process_fixture.h"

namespace {

const std::string kSong = TESALO_BIN_DIR "/demo/glass_tide.mid";
const std::string kOtherSong = TESALO_BIN_DIR "/demo/copper_road.mid";
// An empty XDG_RUNTIME_DIR counts as unset.
const std::string kNoRuntimeFolder = "XDG_RUNTIME_DIR=";

// The build folder may lie where only root can go (below /root).
bool OtherUserCanRunThePlayer() {
    const pid_t child = fork();
    if (child == 0) {
        const bool can = setgid(kOtherUser) == 0 && setuid(kOtherUser) == 0 &&
                         access(TESALO_BIN_DIR "/tesalo-player", X_OK) == 0 &&
                         access(TESALO_BIN_DIR "/voice.txt", R_OK) == 0;
        _exit(can ? 0 : 1);
    }
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class OtherUserTest : public PlayerProcessTest {
protected:
    void SetUp() override {
        if (getuid() != 0) GTEST_SKIP() << "running a player as another user needs root";
        if (!OtherUserCanRunThePlayer())
            GTEST_SKIP() << "another user cannot run " TESALO_BIN_DIR "/tesalo-player";
        PlayerProcessTest::SetUp();
        RemoveLeftovers();
    }
    void TearDown() override {
        if (IsSkipped()) return;
        PlayerProcessTest::TearDown();
        RemoveLeftovers();
    }
    // What the players of the other user, and this test in their place, leave in shared folders.
    static void RemoveLeftovers() {
        const std::string user = std::to_string(kOtherUser);
        for (const std::string& path :
             {"/tmp/tesalo-" + user, "/tmp/runtime-" + user, "/dev/shm/DDEFILEMAP_TESALO-" + user,
              "/dev/shm/jack_db-" + user}) {
            std::filesystem::remove_all(path);
        }
    }
};

}  // namespace

TEST_F(OtherUserTest, ABlockNameTakenInSharedMemoryByAnotherUserKeepsNoPlayerFromStarting) {
    const int squatted = open(("/dev/shm/DDEFILEMAP_TESALO-" + std::to_string(kOtherUser)).c_str(),
                              O_RDWR | O_CREAT | O_EXCL, 0644);
    ASSERT_GE(squatted, 0);
    close(squatted);
    LaunchPlayerAs(kOtherUser, kSong);
    EXPECT_FALSE(OpenedListHolding({kSong}).empty()) << Log();
}

TEST_F(OtherUserTest, WithoutARuntimeFolderALaterStartHandsItsFilesToTheRunningPlayer) {
    LaunchPlayerAs(kOtherUser, kSong, kNoRuntimeFolder);
    ASSERT_FALSE(OpenedListHolding({kSong}).empty()) << Log();
    const pid_t later = LaunchPlayerAs(kOtherUser, kOtherSong, kNoRuntimeFolder);
    const int status = WaitForExit(later);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status << "\n" << Log();
    EXPECT_FALSE(OpenedListHolding({kSong, kOtherSong}).empty()) << Log();
}

// Another user made the folder under /tmp first: a player of this user cannot keep a second one
// from starting, and says so, but it runs.
TEST_F(OtherUserTest, AFolderUnderTmpMadeByAnotherUserIsToldAndThePlayerRuns) {
    const std::string folder = "/tmp/tesalo-" + std::to_string(kOtherUser);
    ASSERT_TRUE(std::filesystem::create_directory(folder));
    std::filesystem::permissions(folder, std::filesystem::perms::all);
    LaunchPlayerAs(kOtherUser, kSong, kNoRuntimeFolder);
    EXPECT_FALSE(OpenedListHolding({kSong}).empty()) << Log();
    EXPECT_NE(Log().find("tesalo-player: " + folder), std::string::npos) << Log();
}
