// The single-instance lock and the shared block, across real processes.
#include "platform/instance.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace platform {

namespace {

// Each test gets a runtime folder and lock and block names of its own.
class InstanceTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/tesalo-instance-XXXXXX";
        folder_ = mkdtemp(pattern);
        const char* old = std::getenv("XDG_RUNTIME_DIR");
        if (old != nullptr) saved_ = old;
        hadOld_ = old != nullptr;
        setenv("XDG_RUNTIME_DIR", folder_.c_str(), 1);
        name_ = "TESALO_TEST_" + std::to_string(getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name();
    }
    void TearDown() override {
        RemoveInstanceBlock(name_.c_str());
        if (hadOld_)
            setenv("XDG_RUNTIME_DIR", saved_.c_str(), 1);
        else
            unsetenv("XDG_RUNTIME_DIR");
        std::filesystem::remove_all(folder_);
    }

    // A process that tries the lock, says what it got through the pipe and then holds on
    // until it is killed.
    pid_t StartHolder(int reportFd, int goFd) {
        const pid_t pid = fork();
        if (pid != 0) return pid;
        char go = 0;
        if (goFd >= 0 && read(goFd, &go, 1) != 1) _exit(2);
        const char got = static_cast<char>('0' + AcquireInstanceLock(name_.c_str()) + 1);
        if (write(reportFd, &got, 1) != 1) _exit(2);
        for (;;) pause();
    }

    // The first word of the block as a later start sees it; -1 when it sees no block.
    std::int64_t SeenWindow() const {
        const auto* seen = static_cast<const std::uint32_t*>(OpenInstanceBlock(name_.c_str(), 32));
        if (seen == nullptr) return -1;
        const std::uint32_t window = seen[0];
        CloseInstanceBlock(seen, 32);
        return window;
    }

    static void Kill(pid_t pid) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }

    std::string folder_, name_, saved_;
    bool hadOld_ = false;
};

int ReadResult(int fd) {
    char got = 0;
    return read(fd, &got, 1) == 1 ? got - '0' - 1 : -2;
}

// No account has it; the player's process tests use 65533.
constexpr uid_t kOtherUser = 65532;

// What `what` returns when run without a runtime folder as the user kOtherUser (the folder under
// /tmp is then that user's), in a child process.
std::string WithoutRuntimeFolderAsOtherUser(const std::function<std::string()>& what) {
    int result[2];
    if (pipe(result) != 0) return "no pipe";
    const pid_t child = fork();
    if (child == 0) {
        unsetenv("XDG_RUNTIME_DIR");
        const std::string text =
            setegid(kOtherUser) == 0 && seteuid(kOtherUser) == 0 ? what() : "not the other user";
        _exit(write(result[1], text.data(), text.size()) == static_cast<ssize_t>(text.size()) ? 0
                                                                                              : 1);
    }
    close(result[1]);
    std::string text;
    char buffer[256];
    for (ssize_t got; (got = read(result[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(got));
    close(result[0]);
    waitpid(child, nullptr, 0);
    return text;
}

// The folder, or why there is none, and what the lock says.
std::string FolderAndLock() {
    std::string problem;
    const std::string folder = InstanceFolder(&problem);
    std::string lockProblem;
    const int lock = AcquireInstanceLock("MUTEX_TESALO", &lockProblem);
    return (folder.empty() ? "none: " + problem : folder) + " | lock " + std::to_string(lock) +
           " " + lockProblem;
}

}  // namespace

TEST_F(InstanceTest, TheLockIsHeldOnceAndDiesWithItsHolderHoweverItEnds) {
    int report[2];
    ASSERT_EQ(pipe(report), 0);
    const pid_t first = StartHolder(report[1], -1);
    ASSERT_EQ(ReadResult(report[0]), 1);
    EXPECT_EQ(AcquireInstanceLock(name_.c_str()), 0);
    Kill(first);  // a crash: nothing is cleaned up
    EXPECT_EQ(AcquireInstanceLock(name_.c_str()), 1);

    const pid_t second = StartHolder(report[1], -1);
    EXPECT_EQ(ReadResult(report[0]), 0);
    Kill(second);
    close(report[0]);
    close(report[1]);
}

TEST_F(InstanceTest, OfPlayersStartedAtTheSameMomentExactlyOneGetsTheLock) {
    int report[2], go[2];
    ASSERT_EQ(pipe(report), 0);
    ASSERT_EQ(pipe(go), 0);
    std::vector<pid_t> players;
    for (int i = 0; i < 6; ++i) players.push_back(StartHolder(report[1], go[0]));
    ASSERT_EQ(write(go[1], "gogogo", 6), 6);  // all of them at once
    int holders = 0;
    for (std::size_t i = 0; i < players.size(); ++i) {
        const int got = ReadResult(report[0]);
        EXPECT_TRUE(got == 0 || got == 1) << got;
        holders += got == 1 ? 1 : 0;
    }
    EXPECT_EQ(holders, 1);
    for (const pid_t pid : players) Kill(pid);
    for (int fd : {report[0], report[1], go[0], go[1]}) close(fd);
}

TEST_F(InstanceTest, TheBlockCarriesTheWindowToASecondStartAndStartsZeroFilled) {
    EXPECT_EQ(SeenWindow(), -1);
    bool mapFailed = true;
    auto* block = static_cast<std::uint32_t*>(CreateInstanceBlock(name_.c_str(), 32, &mapFailed));
    ASSERT_NE(block, nullptr);
    EXPECT_FALSE(mapFailed);
    EXPECT_EQ(block[0], 0u);
    block[0] = 0x12345678;
    EXPECT_EQ(SeenWindow(), 0x12345678);
    CloseInstanceBlock(block, 32);

    // The next first instance (after a crash the name is still there) starts from zeros.
    block = static_cast<std::uint32_t*>(CreateInstanceBlock(name_.c_str(), 32, &mapFailed));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block[0], 0u);
    CloseInstanceBlock(block, 32);
}

// A player killed outright leaves its block behind: a later start must not take the window
// written there for a live one.
TEST_F(InstanceTest, TheBlockOfAPlayerThatEndedWithoutCleaningUpTellsOfNoWindow) {
    int report[2];
    ASSERT_EQ(pipe(report), 0);
    const pid_t player = fork();
    if (player == 0) {
        bool mapFailed = false;
        auto* block =
            static_cast<std::uint32_t*>(CreateInstanceBlock(name_.c_str(), 32, &mapFailed));
        if (block != nullptr) block[0] = 7;
        if (write(report[1], block != nullptr ? "2" : "0", 1) != 1)
            _exit(2);  // as ReadResult reads 1, -1
        for (;;) pause();
    }
    ASSERT_EQ(ReadResult(report[0]), 1);
    EXPECT_EQ(SeenWindow(), 7);
    Kill(player);
    EXPECT_LE(SeenWindow(), 0) << "the dead player's window is still offered";
    close(report[0]);
    close(report[1]);
}

// Names in the machine-wide shared memory are open to everyone: what another user put there
// under the block's name must not keep the player from starting.
TEST_F(InstanceTest, WhatAnotherUserPutInSharedMemoryDoesNotKeepTheBlockFromBeingMade) {
    const std::string squatted = "/dev/shm/" + name_ + "-" + std::to_string(getuid());
    const int fd = open(squatted.c_str(), O_RDWR | O_CREAT | O_EXCL, 0600);
    ASSERT_GE(fd, 0) << squatted;
    // Root may open any file: there the file belongs to another user; others cannot open it.
    const bool foreign =
        getuid() == 0 ? fchown(fd, kOtherUser, kOtherUser) == 0 : fchmod(fd, 0) == 0;
    close(fd);
    ASSERT_TRUE(foreign);
    bool mapFailed = false;
    auto* block = static_cast<std::uint32_t*>(CreateInstanceBlock(name_.c_str(), 32, &mapFailed));
    unlink(squatted.c_str());
    ASSERT_NE(block, nullptr);
    block[0] = 7;
    EXPECT_EQ(SeenWindow(), 7);
    CloseInstanceBlock(block, 32);
}

// Without a runtime folder the lock, block and channel live in /tmp/tesalo-<uid>/, which only
// counts when it is the user's own folder and not a link: another user could make it first.
TEST(InstanceFolderTest, WithoutARuntimeFolderOnlyAFolderOfTheUsersOwnUnderTmpIsUsed) {
    if (getuid() != 0) GTEST_SKIP() << "acting as another user needs root";
    const std::string folder = "/tmp/tesalo-" + std::to_string(kOtherUser);
    const std::string elsewhere = folder + "-elsewhere";
    std::filesystem::remove_all(folder);
    std::filesystem::remove_all(elsewhere);

    ASSERT_EQ(mkdir(folder.c_str(), 0777), 0);  // made by root, for everyone
    chmod(folder.c_str(), 0777);
    EXPECT_EQ(WithoutRuntimeFolderAsOtherUser(FolderAndLock),
              "none: " + folder + " belongs to another user | lock -1 " + folder +
                  " belongs to another user");
    ASSERT_EQ(rmdir(folder.c_str()), 0);

    ASSERT_EQ(mkdir(elsewhere.c_str(), 0700), 0);
    ASSERT_EQ(chown(elsewhere.c_str(), kOtherUser, kOtherUser), 0);
    ASSERT_EQ(symlink(elsewhere.c_str(), folder.c_str()), 0);
    EXPECT_EQ(WithoutRuntimeFolderAsOtherUser(FolderAndLock),
              "none: " + folder + " is a symbolic link, not a folder | lock -1 " + folder +
                  " is a symbolic link, not a folder");
    ASSERT_EQ(unlink(folder.c_str()), 0);
    ASSERT_EQ(rmdir(elsewhere.c_str()), 0);

    EXPECT_EQ(WithoutRuntimeFolderAsOtherUser(FolderAndLock), folder + "/ | lock 1 ");
    struct stat info {};
    ASSERT_EQ(lstat(folder.c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_uid, kOtherUser);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    std::filesystem::remove_all(folder);
}

}  // namespace platform
