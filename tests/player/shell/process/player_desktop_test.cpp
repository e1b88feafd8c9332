// The player on a desktop with a window manager (Xvfb and openbox): it opens maximized with its
// title bar and frame inside the work area, and a later start brings it forward, restored from
// minimized or from behind another window, and active; a later start's startup id activates it
// with the launch's time and ends the launch's startup feedback.
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <functional>
#include <sstream>
#include <thread>

#include "tests/player/shell/process/player_process_fixture.h"
#include "tests/player/shell/process/root_watch.h"
#include "tests/player/shell/process/x_display.h"
#include "tests/tools/cli_support.h"

namespace {

bool Within10Seconds(const std::function<bool()>& done) {
    for (int i = 0; i < 200; ++i) {
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

// The numbers of a property as xprop writes it, "_NET_FRAME_EXTENTS(CARDINAL) = 0, 0, 19, 0" or
// "_NET_ACTIVE_WINDOW(WINDOW): window id # 0x400006", in order; none when it is not set.
std::vector<long> Numbers(const std::string& text) {
    std::vector<long> numbers;
    const std::size_t start = text.find_first_of("=#");
    if (start == std::string::npos) return numbers;
    std::stringstream stream(text.substr(start + 1));
    for (std::string word; std::getline(stream, word, ',');)
        numbers.push_back(std::stol(word, nullptr, 0));
    return numbers;
}

struct Rect {
    long x, y, width, height;
};

// Longer than any token the channel carries.
constexpr std::size_t kTokenTooLong = 300;

// Writes the bytes to the raise channel at path as one client, and closes it.
bool SendToChannel(const std::string& path, const std::string& bytes) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool sent =
        connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
        send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(bytes.size());
    close(fd);
    return sent;
}

class PlayerDesktopTest : public PlayerProcessTest {
protected:
    void SetUp() override {
        PlayerProcessTest::SetUp();
        for (const char* program :
             {"Xvfb", "openbox", "xdotool", "xprop", "xwininfo", "xmessage"}) {
            if (!ProgramInstalled(program)) {
                GTEST_SKIP()
                    << program
                    << " is not installed (Debian packages xvfb openbox xdotool x11-utils)";
            }
        }
        server_ = StartXvfb(home_ + "/xvfb.log", &display_);
        ASSERT_NE(server_, -1) << "Xvfb did not start: " << ReadWholeFile(home_ + "/xvfb.log");
        manager_ = StartOpenbox(display_, home_);
        ASSERT_NE(manager_, -1) << "openbox did not start: "
                                << ReadWholeFile(home_ + "/openbox.log");
    }
    void TearDown() override {
        for (const pid_t child : children_) kill(child, SIGTERM);
        for (const pid_t child : children_) waitpid(child, nullptr, 0);
        children_.clear();
        if (manager_ > 0) StopOpenbox(manager_);
        if (server_ > 0) StopXvfb(server_, display_);
        PlayerProcessTest::TearDown();
    }

    std::string X(const std::string& command) const {
        return RunCommand("DISPLAY=" + display_ + " " + command).out;
    }
    pid_t Player(const std::string& arguments = "", const std::string& environment = "") {
        return LaunchPlayer(arguments,
                            "QT_QPA_PLATFORM=xcb DISPLAY=" + display_ + " " + environment);
    }
    // The id of the player's main window once it is on the screen, else 0.
    long PlayerWindow() const {
        std::string found;
        Within10Seconds(
            [&] { return !(found = X("xdotool search --onlyvisible --name '^Tesalo$'")).empty(); });
        return found.empty() ? 0 : std::stol(found);
    }
    bool HasState(long window, const std::string& state) const {
        return X("xprop -id " + std::to_string(window) + " _NET_WM_STATE WM_STATE").find(state) !=
               std::string::npos;
    }
    long ActiveWindow() const {
        const std::vector<long> active = Numbers(X("xprop -root _NET_ACTIVE_WINDOW"));
        return active.empty() ? 0 : active.front();
    }
    bool OnTop(long window) const {
        const std::vector<long> stacking = Numbers(X("xprop -root _NET_CLIENT_LIST_STACKING"));
        return !stacking.empty() && stacking.back() == window;
    }
    // A later start, with more environment settings, which hands over and ends.
    void StartAgain(const std::string& environment = "") {
        const pid_t second = Player("", environment);
        const int status = WaitForExit(second);
        EXPECT_TRUE(status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0) << Log();
    }
    // Another window in front of the player's, and active.
    void Cover(long window) {
        RunCommand("DISPLAY=" + display_ + " xmessage -geometry 800x600+50+50 -name cover cover >" +
                   home_ + "/cover.log 2>&1 &");
        std::string cover;
        ASSERT_TRUE(Within10Seconds([&] {
            return !(cover = X("xdotool search --onlyvisible --classname cover")).empty();
        }));
        X("xdotool windowactivate --sync " + cover);
        ASSERT_TRUE(Within10Seconds([&] { return ActiveWindow() != window && !OnTop(window); }));
    }
    // A startup id as a launcher makes it, with the server's time then.
    static std::string StartupId(std::uint32_t time) {
        return "tesalo-test-" + std::to_string(getpid()) + "_TIME" + std::to_string(time);
    }

    pid_t server_ = -1, manager_ = -1;
    std::string display_;
};

TEST_F(PlayerDesktopTest, TheMaximizedWindowWithItsTitleBarFitsTheWorkArea) {
    Player();
    const long window = PlayerWindow();
    ASSERT_NE(window, 0) << Log();
    EXPECT_TRUE(Within10Seconds([&] { return HasState(window, "_NET_WM_STATE_MAXIMIZED_VERT"); }));
    const std::string id = std::to_string(window);
    const std::string info = X("xwininfo -id " + id);
    auto field = [&info](const std::string& name) {
        return std::stol(info.substr(info.find(name) + name.size()));
    };
    const Rect client{field("Absolute upper-left X:"), field("Absolute upper-left Y:"),
                      field("Width:"), field("Height:")};
    const std::vector<long> extents =
        Numbers(X("xprop -id " + id + " _NET_FRAME_EXTENTS"));  // left right top bottom
    const std::vector<long> area = Numbers(X("xprop -root _NET_WORKAREA"));
    ASSERT_EQ(extents.size(), 4u);
    ASSERT_GE(area.size(), 4u);
    EXPECT_GT(extents[2], 0) << "no title bar";
    EXPECT_GE(client.x - extents[0], area[0]);
    EXPECT_GE(client.y - extents[2], area[1]);
    EXPECT_LE(client.x + client.width + extents[1], area[0] + area[2]);
    EXPECT_LE(client.y + client.height + extents[3], area[1] + area[3]) << info;
    EXPECT_NE(X("xprop -id " + id + " _NET_WM_ALLOWED_ACTIONS").find("_NET_WM_ACTION_MINIMIZE"),
              std::string::npos);
}

TEST_F(PlayerDesktopTest, ALaterStartBringsThePlayerForwardFromMinimizedAndFromBehind) {
    Player();
    const long window = PlayerWindow();
    ASSERT_NE(window, 0) << Log();
    const std::string id = std::to_string(window);
    X("xdotool windowminimize --sync " + id);
    ASSERT_TRUE(Within10Seconds([&] { return HasState(window, "Iconic"); }));
    StartAgain();
    EXPECT_TRUE(Within10Seconds([&] {
        return HasState(window, "Normal") && ActiveWindow() == window;
    })) << X("xprop -id " + id + " WM_STATE")
        << X("xprop -root _NET_ACTIVE_WINDOW");

    Cover(window);
    StartAgain();
    EXPECT_TRUE(Within10Seconds([&] { return ActiveWindow() == window && OnTop(window); }))
        << X("xprop -root _NET_CLIENT_LIST_STACKING _NET_ACTIVE_WINDOW");
}

TEST_F(PlayerDesktopTest,
       ALaterStartsStartupIdActivatesThePlayerAtTheLaunchsTimeAndEndsItsFeedback) {
    const pid_t player = Player();
    const long window = PlayerWindow();
    ASSERT_NE(window, 0) << Log();
    Cover(window);
    RootWatch root(display_);
    ASSERT_TRUE(root.Watching());
    const std::uint32_t time = root.ServerTime();
    ASSERT_NE(time, 0u);
    const std::string id = StartupId(time);
    StartAgain("DESKTOP_STARTUP_ID=" + id);
    EXPECT_TRUE(root.ReadUntil([&root] { return !root.StartupMessages().empty(); })) << Log();
    EXPECT_EQ(root.StartupMessages(), std::vector<std::string>{"remove: ID=" + id});
    const ActivationRequest fromLaunch{static_cast<std::uint32_t>(window), 1, time};
    EXPECT_NE(
        std::find(root.ActivationRequests().begin(), root.ActivationRequests().end(), fromLaunch),
        root.ActivationRequests().end());
    EXPECT_TRUE(Within10Seconds([&] { return ActiveWindow() == window && OnTop(window); }))
        << X("xprop -root _NET_CLIENT_LIST_STACKING _NET_ACTIVE_WINDOW");
    EXPECT_EQ(waitpid(player, nullptr, WNOHANG), 0);
}

TEST_F(PlayerDesktopTest, BadTokensNeitherEndNorHoldUpThePlayer) {
    const pid_t player = Player();
    ASSERT_NE(PlayerWindow(), 0) << Log();
    RootWatch root(display_);
    ASSERT_TRUE(root.Watching());
    // Not sent by a later start: it only raises.
    StartAgain("DESKTOP_STARTUP_ID='two words' XDG_ACTIVATION_TOKEN=" +
               std::string(kTokenTooLong, 't'));
    // Sent by a stranger: passed over, or, on a line past every bound, the stranger is dropped.
    EXPECT_TRUE(SendToChannel(ChannelPath(),
                              "raise\nactivate x11 \x01\x02\nactivate x11 caf\xC3\xA9\n"
                              "activate wayland on-x11\nactivate x11 say\"hi\\_TIME7\n"
                              "activate x11 " +
                                  std::string(kTokenTooLong, 'z') + "\n"));
    const std::string id = StartupId(root.ServerTime());
    StartAgain("DESKTOP_STARTUP_ID=" + id);
    EXPECT_TRUE(root.ReadUntil([&root] { return root.StartupMessages().size() >= 2; })) << Log();
    EXPECT_EQ(root.StartupMessages(),
              (std::vector<std::string>{"remove: ID=\"say\\\"hi\\\\_TIME7\"", "remove: ID=" + id}));
    EXPECT_EQ(waitpid(player, nullptr, WNOHANG), 0) << Log();
}

}  // namespace
