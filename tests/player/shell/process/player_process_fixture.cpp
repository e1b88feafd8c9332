#include "tests/player/shell/process/player_process_fixture.h"

#include <grp.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "platform/instance.h"
#include "tests/tools/cli_support.h"

bool Within10Seconds(const std::function<bool()>& done) {
    for (int i = 0; i < 200; ++i) {
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

void PlayerProcessTest::SetUp() {
    home_ = MakeTempFolder();
    std::filesystem::create_directory(home_ + "/run");
    std::filesystem::permissions(home_ + "/run", std::filesystem::perms::owner_all);
    // A sound card that writes to a file, so the library starts without a message.
    std::ofstream(home_ + "/.asoundrc") << "pcm.!default { type file; slave.pcm \"null\"; file \""
                                        << home_ << "/OUT.raw\"; format \"raw\" }\n";
    // The players never reach the user's session bus: the address given leads nowhere.
    environment_ = "HOME=" + home_ + " XDG_DATA_HOME=" + home_ + "/data XDG_CONFIG_HOME=" + home_ +
                   "/config XDG_RUNTIME_DIR=" + home_ +
                   "/run QT_QPA_PLATFORM=offscreen DBUS_SESSION_BUS_ADDRESS=unix:path=" + home_ +
                   "/no-bus ";
    // This process looks at the instance files in the same folder as the players.
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR")) savedRuntime_ = runtime;
    setenv("XDG_RUNTIME_DIR", (home_ + "/run").c_str(), 1);
}

void PlayerProcessTest::TearDown() {
    for (const pid_t child : children_) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    std::filesystem::remove_all(home_);
    if (savedRuntime_.empty()) {
        unsetenv("XDG_RUNTIME_DIR");
    } else {
        setenv("XDG_RUNTIME_DIR", savedRuntime_.c_str(), 1);
    }
}

pid_t PlayerProcessTest::StartPlayer(const std::string& arguments) {
    const std::string pidFile = home_ + "/pid";
    std::system(("sh -c '" + environment_ + std::string(TESALO_BIN_DIR) + "/tesalo-player " +
                 arguments + " >" + home_ + "/log 2>&1 & echo $! >" + pidFile + "'")
                    .c_str());
    return static_cast<pid_t>(std::stol(ReadWholeFile(pidFile)));
}

pid_t PlayerProcessTest::LaunchPlayer(const std::string& arguments,
                                      const std::string& environment) {
    return LaunchPlayerAs(getuid(), arguments, environment);
}

pid_t PlayerProcessTest::LaunchPlayerAs(uid_t user, const std::string& arguments,
                                        const std::string& environment) {
    // env replaces the shell, and the player replaces env: the child is the player itself.
    const std::string command = "exec env " + environment_ + environment +
                                " " TESALO_BIN_DIR "/tesalo-player " + arguments + " >>" + home_ +
                                "/log 2>&1";
    if (user != getuid()) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(home_)) {
            EXPECT_EQ(lchown(entry.path().c_str(), user, user), 0) << entry.path();
        }
        EXPECT_EQ(chown(home_.c_str(), user, user), 0);
    }
    const pid_t child = fork();
    if (child == 0) {
        if (user != getuid() &&
            (setgroups(0, nullptr) != 0 || setgid(user) != 0 || setuid(user) != 0))
            _exit(126);
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    children_.push_back(child);
    return child;
}

int PlayerProcessTest::WaitForExit(pid_t child) {
    std::erase(children_, child);
    int status = 0;
    for (int i = 0; i < 600; ++i) {
        if (waitpid(child, &status, WNOHANG) == child) return status;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
    return -1;
}

bool PlayerProcessTest::Alive(pid_t pid) { return kill(pid, 0) == 0; }

bool PlayerProcessTest::WindowAppears() {
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

std::string PlayerProcessTest::ChannelPath() const { return home_ + "/run/tesalo/raise.socket"; }

bool PlayerProcessTest::ChannelAppears() const {
    return Within10Seconds([this] { return std::filesystem::exists(ChannelPath()); });
}

std::string PlayerProcessTest::OpenedListHolding(const std::vector<std::string>& texts) const {
    for (int i = 0; i < 200; ++i) {
        std::error_code error;
        for (const auto& entry :
             std::filesystem::directory_iterator(home_ + "/data/tesalo", error)) {
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

void PlayerProcessTest::Stop(pid_t pid) {
    kill(pid, SIGTERM);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    if (Alive(pid)) kill(pid, SIGKILL);
}

std::string PlayerProcessTest::Log() const { return ReadWholeFile(home_ + "/log"); }
