// The real player's raise channel under connections that never send a request: the player
// closes them before long and keeps serving later starts, also after it ran out of files.
#include <poll.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <set>
#include <thread>
#include <vector>

#include "tests/player/shell/process/player_process_fixture.h"
#include "tests/tools/cli_support.h"

namespace {

const std::string kSong = TESALO_BIN_DIR "/demo/glass_tide.mid";

// Connections to the channel at path that send nothing; each waits at most a second to be
// taken. The ones that could not connect are left out.
std::vector<int> ConnectIdle(const std::string& path, int count) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    std::vector<int> connections;
    for (int i = 0; i < count; ++i) {
        const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const timeval second{1, 0};
        setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &second, sizeof second);
        if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
            connections.push_back(fd);
        } else {
            close(fd);
        }
    }
    return connections;
}

// True once the other end has closed every one of the connections, within 10 seconds.
bool AllClosedByThePlayer(const std::vector<int>& connections) {
    std::vector<pollfd> ends;
    for (const int fd : connections) ends.push_back({fd, POLLIN, 0});
    return Within10Seconds([&ends] {
        poll(ends.data(), ends.size(), 0);
        char byte = 0;
        return std::all_of(ends.begin(), ends.end(), [&byte](const pollfd& end) {
            return (end.revents & (POLLIN | POLLHUP)) != 0 &&
                   recv(end.fd, &byte, 1, MSG_DONTWAIT) == 0;
        });
    });
}

// True once the watch reports the removal of the channel's socket, within 10 seconds.
bool SocketRemoved(int watch) {
    pollfd events{watch, POLLIN, 0};
    alignas(inotify_event) char buffer[4096];
    while (poll(&events, 1, 10000) == 1) {
        const ssize_t size = read(watch, buffer, sizeof buffer);
        for (ssize_t at = 0; at < size;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            if (event->len > 0 && std::strcmp(event->name, "raise.socket") == 0) return true;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    return false;
}

void CloseAll(const std::vector<int>& connections) {
    for (const int fd : connections) close(fd);
}

// The lowest number the process's next open file gets.
rlim_t LowestFreeFile(pid_t pid) {
    std::set<rlim_t> used;
    for (const auto& entry :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/fd")) {
        used.insert(std::stoul(entry.path().filename().string()));
    }
    rlim_t free = 0;
    while (used.count(free) != 0) ++free;
    return free;
}

// The same, once the player has opened what its start opens (the sound system's files): when it
// has not changed for a second.
rlim_t SettledLowestFreeFile(pid_t pid) {
    rlim_t free = LowestFreeFile(pid);
    for (int same = 0, i = 0; same < 10 && i < 100; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const rlim_t now = LowestFreeFile(pid);
        same = now == free ? same + 1 : 0;
        free = now;
    }
    return free;
}

// Lowers the soft limit of the process's open files; the limits it had go to *old.
bool LimitFiles(pid_t pid, rlim_t limit, rlimit* old) {
    if (prlimit(pid, RLIMIT_NOFILE, nullptr, old) != 0) return false;
    const rlimit wanted{limit, old->rlim_max};
    return prlimit(pid, RLIMIT_NOFILE, &wanted, nullptr) == 0;
}

// The sanitizers' own files and a player many times slower move the counts these tests rely on.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

}  // namespace

TEST_F(PlayerProcessTest, IdleConnectionsNeitherUseUpThePlayersFilesNorStayOpen) {
    if (kSanitized) GTEST_SKIP() << "descriptor counts and timings of a sanitized player differ";
    const pid_t player = LaunchPlayer("");
    ASSERT_TRUE(ChannelAppears()) << Log();
    rlimit old{};
    ASSERT_TRUE(LimitFiles(player, LowestFreeFile(player) + 64, &old));
    const std::vector<int> idle = ConnectIdle(ChannelPath(), 300);
    const CommandResult later =
        RunCommand(environment_ + "timeout 20 " TESALO_BIN_DIR "/tesalo-player " + kSong);
    EXPECT_EQ(later.exitCode, 0) << later.err;
    EXPECT_FALSE(OpenedListHolding({kSong}).empty()) << Log();
    EXPECT_EQ(idle.size(), 300u);
    EXPECT_TRUE(AllClosedByThePlayer(idle));
    CloseAll(idle);
}

TEST_F(PlayerProcessTest, TheChannelOpensAgainOnceThePlayerHasFilesAgain) {
    if (kSanitized) GTEST_SKIP() << "descriptor counts and timings of a sanitized player differ";
    const pid_t player = LaunchPlayer("");
    ASSERT_TRUE(ChannelAppears()) << Log();
    // Qt removes the socket when taking a client fails and it closes the channel.
    const int removals = inotify_init1(IN_CLOEXEC);
    ASSERT_GE(inotify_add_watch(removals, (home_ + "/run/tesalo").c_str(), IN_DELETE), 0);
    rlimit old{};
    ASSERT_TRUE(
        LimitFiles(player, SettledLowestFreeFile(player) + 1, &old));  // room for one client
    const std::vector<int> idle = ConnectIdle(ChannelPath(), 20);
    const bool closed = SocketRemoved(removals);
    CloseAll(idle);
    close(removals);
    ASSERT_EQ(prlimit(player, RLIMIT_NOFILE, &old, nullptr), 0) << std::strerror(errno);
    ASSERT_TRUE(closed) << "the player did not run out of files";
    ASSERT_TRUE(ChannelAppears()) << Log();
    const CommandResult later =
        RunCommand(environment_ + "timeout 20 " TESALO_BIN_DIR "/tesalo-player " + kSong);
    EXPECT_EQ(later.exitCode, 0) << later.err;
    EXPECT_FALSE(OpenedListHolding({kSong}).empty()) << Log();
}
