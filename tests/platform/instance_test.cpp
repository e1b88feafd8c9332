// The single-instance lock and the shared block, across real processes.
#include "platform/instance.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
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
        if (hadOld_) setenv("XDG_RUNTIME_DIR", saved_.c_str(), 1);
        else unsetenv("XDG_RUNTIME_DIR");
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
    EXPECT_EQ(OpenInstanceBlock(name_.c_str(), 32), nullptr);
    bool mapFailed = true;
    auto* block = static_cast<std::uint32_t*>(CreateInstanceBlock(name_.c_str(), 32, &mapFailed));
    ASSERT_NE(block, nullptr);
    EXPECT_FALSE(mapFailed);
    EXPECT_EQ(block[0], 0u);
    block[0] = 0x12345678;
    const auto* seen = static_cast<const std::uint32_t*>(OpenInstanceBlock(name_.c_str(), 32));
    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(seen[0], 0x12345678u);
    CloseInstanceBlock(seen, 32);
    CloseInstanceBlock(block, 32);

    // The next first instance (after a crash the name is still there) starts from zeros.
    block = static_cast<std::uint32_t*>(CreateInstanceBlock(name_.c_str(), 32, &mapFailed));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block[0], 0u);
    CloseInstanceBlock(block, 32);
}

}  // namespace platform
