// `tesalo render` stopped by a signal mid-render: Ctrl-C to the process group, or SIGTERM or
// SIGHUP to the program alone. It stops its workers, waits for them, removes every file it was
// writing and ends with 128 + the signal.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <thread>

#include "tests/support/smf_builder.h"
#include "tests/support/test_songs.h"
#include "tests/tools/cli_support.h"

namespace fs = std::filesystem;

namespace {

// A tesalo in a process group of its own, its standard output a pipe nobody reads from.
class Running {
public:
    Running(const std::string& arguments, const std::string& temporaryFolder) {
        int out[2];
        if (pipe(out) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            setpgid(0, 0);
            dup2(out[1], 1);
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, 2);
            setenv("TMPDIR", temporaryFolder.c_str(), 1);
            const std::string program = std::string(TESALO_BIN_DIR) + "/tesalo";
            execl("/bin/sh", "sh", "-c", ("exec " + program + " " + arguments).c_str(), nullptr);
            _exit(127);
        }
        setpgid(pid_, pid_);
        close(out[1]);
        output_ = out[0];
    }
    ~Running() {
        if (pid_ > 0) kill(-pid_, SIGKILL);  // whatever a failed stop left running
        if (!ended_ && pid_ > 0) waitpid(pid_, nullptr, 0);
        close(output_);
    }
    pid_t pid() const { return pid_; }
    bool Alive() {
        if (ended_) return false;
        ended_ = waitpid(pid_, &status_, WNOHANG) == pid_;
        return !ended_;
    }
    // The exit status after the program ended; -1 when a signal ended it.
    int Wait() {
        if (!ended_) waitpid(pid_, &status_, 0);
        ended_ = true;
        return WIFEXITED(status_) ? WEXITSTATUS(status_) : -1;
    }
    // True while a process of the group is alive.
    bool GroupAlive() const { return kill(-pid_, 0) == 0; }

private:
    pid_t pid_ = -1;
    int output_ = -1;
    int status_ = 0;
    bool ended_ = false;
};

// True when the program has a file in the folder open (named or already unlinked).
bool HoldsFileIn(pid_t pid, const std::string& folder) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator("/proc/" + std::to_string(pid) + "/fd", error)) {
        const std::string target = fs::read_symlink(entry.path(), error).string();
        if (!error && target.rfind(folder + "/", 0) == 0) return true;
    }
    return false;
}

bool HoldsAnyFile(const std::string& folder) {
    std::error_code error;
    return !fs::is_empty(folder, error);
}

class CliSignalTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = MakeTempFolder();
        fs::create_directory(Path("out"));
        fs::create_directory(Path("tmp"));
        smf::Track silence;
        silence.Event(0, {0xC0, 0}).End(0x0FFFFFFF);  // about 388 hours at 96 ticks a quarter note
        for (const char* name : {"a.mid", "b.mid", "c.mid", "d.mid"}) {
            ASSERT_TRUE(WriteBytes(Path(name), smf::File(0, 96, {silence})));
        }
    }
    void TearDown() override { fs::remove_all(folder); }
    std::string Path(const std::string& name) const { return folder + "/" + name; }

    // Waits until the render is under way (until it holds a file in the folder), then sends the
    // signal to the group or to the program alone; expects all of it stopped and nothing left.
    void ExpectStopsCleanly(const std::string& arguments, const std::string& writes, int signal, bool group) {
        SCOPED_TRACE(arguments + " signal " + std::to_string(signal) + (group ? " to the group" : ""));
        Running tesalo(arguments, Path("tmp"));
        while (tesalo.Alive() && !HoldsAnyFile(writes) && !HoldsFileIn(tesalo.pid(), writes)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        ASSERT_TRUE(tesalo.Alive()) << "the render ended before it could be stopped";
        kill(group ? -tesalo.pid() : tesalo.pid(), signal);
        EXPECT_EQ(tesalo.Wait(), 128 + signal);
        EXPECT_FALSE(tesalo.GroupAlive()) << "a worker outlived the program";
        EXPECT_TRUE(fs::is_empty(Path("out")));
        EXPECT_TRUE(fs::is_empty(Path("tmp")));
    }

    std::string folder;
};

}  // namespace

TEST_F(CliSignalTest, ABatchStopsItsWorkersAndLeavesNoFile) {
    const std::string batch = "render -q 3 --max-seconds 36000 -j 2 " + Path("a.mid") + " " + Path("b.mid") + " " +
                              Path("c.mid") + " " + Path("d.mid") + " -o " + Path("out/");
    ExpectStopsCleanly(batch, Path("out"), SIGINT, true);
    ExpectStopsCleanly(batch, Path("out"), SIGTERM, false);
    ExpectStopsCleanly(batch, Path("out"), SIGHUP, false);
}

TEST_F(CliSignalTest, OneSongStopsAndLeavesNoFile) {
    const std::string song = "render -q 3 --max-seconds 36000 " + Path("a.mid");
    ExpectStopsCleanly(song + " -o " + Path("out/a.wav"), Path("out"), SIGINT, true);
    ExpectStopsCleanly(song + " -o " + Path("out/a.wav"), Path("out"), SIGTERM, false);
    ExpectStopsCleanly(song + " -o -", Path("tmp"), SIGINT, true);
    ExpectStopsCleanly(song + " --raw -o " + Path("out/a.raw"), Path("out"), SIGHUP, false);
}
