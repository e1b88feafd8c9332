// The real player program as separate processes, each test in a home folder of its own: data,
// settings and runtime folders there, and a sound card that writes to a file.
#pragma once

#include <gtest/gtest.h>
#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

// True once done() is, asked every 50 ms for 10 seconds.
bool Within10Seconds(const std::function<bool()>& done);

// A user id that no account has: the tests run players as this "other user" (as root only).
inline constexpr uid_t kOtherUser = 65533;

class PlayerProcessTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the player in the background with the arguments; its process id. It is not a child
    // of this process: once it ends, Alive says so.
    pid_t StartPlayer(const std::string& arguments = "");
    // Starts the player as a child of this process, with more environment settings ("A=1 B=2");
    // WaitForExit then takes its status (a child not waited for is killed at the test's end).
    pid_t LaunchPlayer(const std::string& arguments, const std::string& environment = "");
    // The same as the user `user`, who then owns the home folder.
    pid_t LaunchPlayerAs(uid_t user, const std::string& arguments,
                         const std::string& environment = "");
    // The wait status of a child once it has ended, within 30 seconds; -1 when it had to be killed.
    int WaitForExit(pid_t child);
    static bool Alive(pid_t pid);
    // True once a player's window exists (bytes 0-3 of the shared block), within 10 seconds.
    static bool WindowAppears();
    // The raise channel of this test's player, and whether it is there within 10 seconds.
    std::string ChannelPath() const;
    bool ChannelAppears() const;
    // The text of the song list "Opened files" once it holds every one of the texts, within 10
    // seconds; empty when it never does.
    std::string OpenedListHolding(const std::vector<std::string>& texts) const;
    // Ends a player started in the background (what it leaves goes with the home folder).
    void Stop(pid_t pid);
    // What the player wrote to its standard output and error.
    std::string Log() const;

    std::string home_, environment_, savedRuntime_;
    std::vector<pid_t> children_;
};
