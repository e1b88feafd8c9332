// `tesalo render` stopped by a signal mid-render: Ctrl-C to the process group, or SIGTERM or
// SIGHUP to the program alone. It stops its workers, waits for them, removes every file it was
// writing and ends with 128 + the signal.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <sstream>
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
    // The processes of the group that run (one that has ended and waits to be collected by
    // whoever inherited it does not count).
    int GroupRunning() const {
        int running = 0;
        std::error_code error;
        for (const auto& entry : fs::directory_iterator("/proc", error)) {
            std::istringstream stat(ReadWholeFile(entry.path() / "stat"));
            std::string fields;
            std::getline(stat, fields,
                         ')');  // the pid and the program's name, which may hold spaces
            char state = 0;
            pid_t parent = 0, group = 0;
            if (stat >> state >> parent >> group && group == pid_ && state != 'Z') ++running;
        }
        return running;
    }
    bool GroupRuns() const { return GroupRunning() > 0; }

private:
    pid_t pid_ = -1;
    int output_ = -1;
    int status_ = 0;
    bool ended_ = false;
};

// True when the program has a file in the folder open (named or already unlinked).
bool HoldsFileIn(pid_t pid, const std::string& folder) {
    std::error_code error;
    for (const auto& entry :
         fs::directory_iterator("/proc/" + std::to_string(pid) + "/fd", error)) {
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

    // Waits until the render is under way (until it holds a file in the folder).
    static void WaitUntilWriting(Running& tesalo, const std::string& writes) {
        while (tesalo.Alive() && !HoldsAnyFile(writes) && !HoldsFileIn(tesalo.pid(), writes)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

    // Waits until the render is under way (until it holds a file in the folder), then sends the
    // signal to the group or to the program alone; expects all of it stopped and nothing left.
    void ExpectStopsCleanly(const std::string& arguments, const std::string& writes, int signal,
                            bool group) {
        SCOPED_TRACE(arguments + " signal " + std::to_string(signal) +
                     (group ? " to the group" : ""));
        Running tesalo(arguments, Path("tmp"));
        WaitUntilWriting(tesalo, writes);
        ASSERT_TRUE(tesalo.Alive()) << "the render ended before it could be stopped";
        kill(group ? -tesalo.pid() : tesalo.pid(), signal);
        EXPECT_EQ(tesalo.Wait(), 128 + signal);
        EXPECT_FALSE(tesalo.GroupRuns()) << "a worker outlived the program";
        EXPECT_TRUE(fs::is_empty(Path("out")));
        EXPECT_TRUE(fs::is_empty(Path("tmp")));
    }

    // Four songs of hours, two workers.
    std::string Batch() const;

    std::string folder;
};

}  // namespace

std::string CliSignalTest::Batch() const {
    return "render -q 3 --max-seconds 36000 -j 2 " + Path("a.mid") + " " + Path("b.mid") + " " +
           Path("c.mid") + " " + Path("d.mid") + " -o " + Path("out/");
}

TEST_F(CliSignalTest, ABatchStopsItsWorkersAndLeavesNoFile) {
    const std::string batch = Batch();
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

// A program killed outright cannot stop its workers: each stops by itself when it loses its
// program, and removes its file.
TEST_F(CliSignalTest, TheWorkersOfAKilledProgramStopAndLeaveNoFile) {
    Running tesalo(Batch(), Path("tmp"));
    // Both workers started: the program is not between making a file for a worker and starting
    // it, the one moment when a program killed outright leaves a file behind.
    while (tesalo.Alive() && tesalo.GroupRunning() < 3)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_TRUE(tesalo.Alive()) << "the render ended before it could be stopped";
    kill(tesalo.pid(), SIGKILL);
    tesalo.Wait();
    // Bounded only so that workers that never end fail the test instead of hanging it.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (tesalo.GroupRuns() && std::chrono::steady_clock::now() < giveUp) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_FALSE(tesalo.GroupRuns()) << "a worker outlived the program";
    EXPECT_TRUE(fs::is_empty(Path("out")));
}
