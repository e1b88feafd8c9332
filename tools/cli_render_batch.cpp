// `tesalo render SONG... -o FOLDER/`: every song into a file of the folder, rendered by worker
// processes (the library holds one state per process, so a worker is a forked copy of this
// program that renders one song), with one progress bar for the batch and a summary line.
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <system_error>
#include <vector>

#include "platform/file_replace.h"
#include "platform/msgbox.h"
#include "tools/cli_commands.h"
#include "tools/cli_progress.h"
#include "tools/cli_render.h"
#include "tools/cli_session.h"
#include "tools/cli_signals.h"

namespace fs = std::filesystem;

namespace {

struct BatchSong {
    std::string path;
    std::string output;
    std::uint32_t playMs = 0;
    std::uint32_t reportedMs = 0;  // progress the worker has reported
    bool ok = false;
};

// A worker renders one song; it reports progress as 4-byte millisecond counts on one pipe and
// its messages (its stderr) on another.
struct Worker {
    pid_t pid = -1;
    BatchSong* song = nullptr;
    std::shared_ptr<RenderOutput> output;  // made before the fork: removed here if the worker fails
    int progressFd = -1;
    int messageFd = -1;
    std::string progressBytes;
    std::string messages;
};

int SayNothing(const std::u16string&, const std::u16string&, unsigned) {
    return platform::kBoxResultOk;
}

// FOLDER/NAME.wav after the song's file name without its extension; a NAME met before gets
// -2, -3, ... (the first free one), in the order of the command line. The play times are read
// quietly: a broken song is reported once, by the worker that renders it.
std::vector<BatchSong> PlanOutputs(const CliOptions& options) {
    const platform::MessageBoxPresenter shown = platform::SetMessageBoxPresenter(SayNothing);
    const std::string extension = options.raw ? ".raw" : ".wav";
    std::set<std::string> taken;
    std::vector<BatchSong> songs;
    for (const std::string& path : options.songs) {
        const std::string stem = fs::path(path).stem().string();
        std::string name = stem;
        for (int n = 2; !taken.insert(name).second; ++n) name = stem + "-" + std::to_string(n);
        BatchSong song;
        song.path = path;
        song.output = (fs::path(options.output) / (name + extension)).string();
        song.playMs = RenderedMs(options, ScanSong(path).playMs);
        songs.push_back(song);
    }
    platform::SetMessageBoxPresenter(shown);
    return songs;
}

[[noreturn]] void RunWorker(const CliOptions& options, const BatchSong& song, RenderOutput& output,
                            int progressFd, int messageFd) {
    dup2(messageFd, 2);
    close(messageFd);
    CliOptions one = options;
    one.songs = {song.path};
    one.output = song.output;
    const auto send = [progressFd](std::uint32_t ms) {
        platform::WriteAll(progressFd, &ms, sizeof ms);
    };
    const int result = RenderInto(one, output, {[](std::uint32_t) {}, send});
    std::fflush(nullptr);
    _exit(result);
}

// The worker's pipes for its progress and its messages; false (reported) when the system
// refuses one.
bool MakeWorkerPipes(const BatchSong& song, int progress[2], int messages[2]) {
    if (pipe(progress) == 0) {
        if (pipe(messages) == 0) return true;
        close(progress[0]);
        close(progress[1]);
    }
    ReportError(song.path + ": no worker can be started (no pipe)");
    return false;
}

// Forks a worker for the song into an output made here; false (reported) when the output cannot
// be made or the system refuses a pipe or a process.
bool StartWorker(const CliOptions& options, BatchSong* song, Worker* worker) {
    auto output = std::make_shared<RenderOutput>();
    int progress[2];
    int messages[2];
    if (!output->Open(song->output, options.raw) || !MakeWorkerPipes(*song, progress, messages))
        return false;
    std::fflush(nullptr);
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid == 0) {
        // A worker whose program was killed outright stops as if it had been asked to.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent) raise(SIGTERM);
        close(progress[0]);
        close(messages[0]);
        RunWorker(options, *song, *output, progress[1], messages[1]);
    }
    output->Release();
    close(progress[1]);
    close(messages[1]);
    if (pid < 0) {
        close(progress[0]);
        close(messages[0]);
        output->Discard();
        ReportError(song->path + ": no worker process can be started");
        return false;
    }
    *worker = Worker{pid, song, output, progress[0], messages[0], {}, {}};
    return true;
}

class Batch {
public:
    Batch(const CliOptions& options, std::vector<BatchSong>& songs, std::size_t jobs)
        : options_(options), songs_(songs), jobs_(jobs) {
        for (const BatchSong& song : songs) bar_.Expect(song.playMs);
    }

    // Renders the songs; after a stop signal no worker is started and the running ones are
    // stopped and waited for.
    void Run() {
        std::size_t next = 0;
        while ((next < songs_.size() && StopSignal() == 0) || !workers_.empty()) {
            while (workers_.size() < jobs_ && next < songs_.size() && StopSignal() == 0) {
                Worker worker;
                if (StartWorker(options_, &songs_[next], &worker)) workers_.push_back(worker);
                ++next;
            }
            if (!workers_.empty()) Serve();
            if (StopSignal() != 0) StopWorkers();
        }
        bar_.Interrupt();
    }

private:
    // Asks every worker to stop, once: each removes its file and ends.
    void StopWorkers() {
        if (stopping_) return;
        stopping_ = true;
        for (const Worker& worker : workers_) kill(worker.pid, SIGTERM);
    }

    // Waits for output of any worker or a stop signal, takes it, and collects the workers that
    // have ended.
    void Serve() {
        std::vector<pollfd> fds = {{StopSignalPipe(), POLLIN, 0}};
        for (const Worker& worker : workers_) {
            for (int fd : {worker.progressFd, worker.messageFd}) {
                if (fd >= 0) fds.push_back({fd, POLLIN, 0});
            }
        }
        if (poll(fds.data(), fds.size(), -1) < 0) return;  // EINTR: the loop asks again
        DrainStopSignalPipe();
        for (const pollfd& ready : fds) {
            if (ready.revents == 0) continue;
            for (Worker& worker : workers_) {
                if (ready.fd == worker.progressFd) TakeProgress(worker);
                if (ready.fd == worker.messageFd) TakeMessages(worker);
            }
        }
        for (auto it = workers_.begin(); it != workers_.end();) {
            if (it->progressFd < 0 && it->messageFd < 0) {
                Finish(*it);
                it = workers_.erase(it);
            } else {
                ++it;
            }
        }
    }

    // Appends what the pipe holds; closes it at its end. False when nothing more will come.
    static bool ReadInto(int* fd, std::string* bytes) {
        char chunk[4096];
        const ssize_t got = read(*fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) return true;
        if (got <= 0) {
            close(*fd);
            *fd = -1;
            return false;
        }
        bytes->append(chunk, static_cast<std::size_t>(got));
        return true;
    }

    void TakeProgress(Worker& worker) {
        ReadInto(&worker.progressFd, &worker.progressBytes);
        std::size_t used = 0;
        for (; used + sizeof(std::uint32_t) <= worker.progressBytes.size();
             used += sizeof(std::uint32_t)) {
            std::uint32_t ms;
            worker.progressBytes.copy(reinterpret_cast<char*>(&ms), sizeof ms, used);
            worker.song->reportedMs += ms;
            bar_.Add(ms);
        }
        worker.progressBytes.erase(0, used);
    }

    // Whole lines of a worker's messages are printed as they come, the rest when it ends.
    void TakeMessages(Worker& worker) {
        const bool open = ReadInto(&worker.messageFd, &worker.messages);
        const std::size_t end = open ? worker.messages.rfind('\n') : worker.messages.size() - 1;
        if (worker.messages.empty() || end == std::string::npos) return;
        bar_.Interrupt();
        std::fwrite(worker.messages.data(), 1, end + 1, stderr);
        if (!open && worker.messages.back() != '\n') std::fputc('\n', stderr);
        worker.messages.erase(0, end + 1);
    }

    void Finish(Worker& worker) {
        int status = 0;
        while (waitpid(worker.pid, &status, 0) < 0 && errno == EINTR) {
        }
        BatchSong& song = *worker.song;
        song.ok = WIFEXITED(status) && WEXITSTATUS(status) == kExitOk;
        // A worker that failed or died mid-song leaves no partial file behind.
        if (!song.ok) worker.output->Discard();
        if (WIFSIGNALED(status)) {
            bar_.Interrupt();
            ReportError(song.path + ": its worker ended by signal " +
                        std::to_string(WTERMSIG(status)));
        }
        if (song.playMs > song.reportedMs) bar_.Add(song.playMs - song.reportedMs);
    }

    const CliOptions& options_;
    std::vector<BatchSong>& songs_;
    std::size_t jobs_;
    ProgressBar bar_;
    std::vector<Worker> workers_;
    bool stopping_ = false;
};

std::size_t WorkerCount(const CliOptions& options, std::size_t songs) {
    const long cores = sysconf(_SC_NPROCESSORS_ONLN);
    const std::size_t wanted = options.jobs > 0 ? static_cast<std::size_t>(options.jobs)
                                                : static_cast<std::size_t>(std::max(cores, 1L));
    return std::min(wanted, songs);
}

void PrintSummary(const std::vector<BatchSong>& songs, double wallSeconds) {
    std::size_t failed = 0;
    double audioSeconds = 0;
    for (const BatchSong& song : songs) {
        if (song.ok) audioSeconds += song.playMs / 1000.0;
        failed += song.ok ? 0 : 1;
    }
    const double factor = wallSeconds > 0 ? audioSeconds / wallSeconds : 0.0;
    std::fprintf(stderr, "%zu songs (%zu failed): %.1f s of audio in %.2f s, %.1fx real time\n",
                 songs.size(), failed, audioSeconds, wallSeconds, factor);
}

}  // namespace

bool IsBatchRender(const CliOptions& options) {
    if (options.songs.size() > 1 || options.output.back() == '/') return true;
    std::error_code error;
    return options.output != "-" && fs::is_directory(options.output, error);
}

int RenderBatch(const CliOptions& options) {
    std::error_code error;
    const bool folderNamed =
        options.output.back() == '/' || fs::is_directory(options.output, error);
    if (!folderNamed || !options.codesFile.empty()) {
        ReportError(folderNamed ? "--codes takes one song rendered into one file"
                                : "several songs render into a folder: -o FOLDER/");
        PrintUsage();
        return kExitUsage;
    }
    fs::create_directories(options.output, error);
    if (!fs::is_directory(options.output, error)) {
        ReportError(options.output + ": no folder can be made there");
        return kExitFailure;
    }
    std::vector<BatchSong> songs = PlanOutputs(options);
    std::vector<std::string> outputs;
    for (const BatchSong& song : songs) outputs.push_back(song.output);
    if (!NoOutputIsAnInput(options, outputs)) return kExitUsage;
    const auto start = std::chrono::steady_clock::now();
    Batch(options, songs, WorkerCount(options, songs.size())).Run();
    if (StopSignal() != 0) return StoppedExitCode();
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    PrintSummary(songs, wall.count());
    const bool allOk =
        std::all_of(songs.begin(), songs.end(), [](const BatchSong& song) { return song.ok; });
    return allOk ? kExitOk : kExitFailure;
}
