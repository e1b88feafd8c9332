// `tesalo play`: songs one after another on the sound card, with a live status line.
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "library/tesalo.h"
#include "platform/waveout.h"
#include "tools/cli_commands.h"
#include "tools/cli_session.h"
#include "tools/cli_text.h"

namespace {

std::atomic<bool> interrupted{false};

void OnInterrupt(int) { interrupted.store(true); }

std::string Clock(std::uint64_t ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%02u:%02u", static_cast<unsigned>(ms / 60000),
                  static_cast<unsigned>(ms / 1000 % 60));
    return text;
}

// One line, rewritten in place: title, elapsed / total, CPU load of the last block, polyphony.
class StatusLine {
public:
    StatusLine(const std::string& path, const SongInfo& info, std::uint32_t fromMs)
        : name_(Printable(info.title.empty() ? std::filesystem::path(path).filename().string()
                                             : info.title)),
          totalMs_(info.playMs),
          fromMs_(fromMs),
          start_(std::chrono::steady_clock::now()),
          live_(isatty(2) != 0) {
        if (!live_) std::fprintf(stderr, "playing %s (%s)", name_.c_str(), Clock(totalMs_).c_str());
    }

    void Update(std::uint32_t code, std::intptr_t value) {
        if (code == TE_NOTIFY_LOAD) load_ = static_cast<unsigned>(value & 0xFFFF);
        if (code == TE_NOTIFY_POLYPHONY) {
            voices_ = static_cast<unsigned>(value & 0xFF);
            notes_ = static_cast<unsigned>((value >> 8) & 0xFF);
        }
        if (code != TE_NOTIFY_BLOCK_COUNT || !live_) return;
        const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
                                 std::chrono::steady_clock::now() - start_)
                                 .count();
        const std::uint64_t shown =
            std::min<std::uint64_t>(fromMs_ + static_cast<std::uint64_t>(elapsed), totalMs_);
        std::fprintf(stderr, "\r\033[K%s  %s / %s  CPU %3u%%  voices %2u  notes %2u", name_.c_str(),
                     Clock(shown).c_str(), Clock(totalMs_).c_str(), load_, voices_, notes_);
        std::fflush(stderr);
    }
    ~StatusLine() { std::fputc('\n', stderr); }

private:
    std::string name_;
    std::uint32_t totalMs_;
    std::uint32_t fromMs_;  // where the song started (--start)
    std::chrono::steady_clock::time_point start_;
    bool live_;  // a terminal: the line is rewritten in place
    unsigned load_ = 0, voices_ = 0, notes_ = 0;
};

// Plays one file from startMs on; false when it could not be played.
bool PlayFile(const std::string& path, std::uint32_t startMs, NoticeInbox& inbox) {
    PreparedSong song;
    if (!PrepareSong(path, &song)) return false;
    song.startMs = startMs;
    StatusLine status(path, ScanSong(path), startMs);
    const bool ok = PlaySong(
        song, inbox, [&](std::uint32_t code, std::intptr_t value) { status.Update(code, value); },
        [] { return interrupted.load(); });
    ReleaseSong(&song);
    return ok;
}

// The songs that can be read and prepared; the others are reported before any device opens.
std::vector<std::string> PlayableSongs(const std::vector<std::string>& paths) {
    std::vector<std::string> playable;
    for (const std::string& path : paths) {
        PreparedSong song;
        if (!PrepareSong(path, &song)) continue;
        ReleaseSong(&song);
        playable.push_back(path);
    }
    return playable;
}

}  // namespace

int RunPlay(const CliOptions& options) {
    if (options.songs.empty() || !options.output.empty() || options.raw ||
        !options.codesFile.empty() || options.jobs != 0) {
        ReportError("play takes one or more SONGs and no -o, -j, --raw or --codes");
        PrintUsage();
        return kExitUsage;
    }
    const std::vector<std::string> songs = PlayableSongs(options.songs);
    if (songs.empty()) return kExitFailure;
    int result = songs.size() == options.songs.size() ? kExitOk : kExitFailure;
    platform::WaveOutUsePortAudio();
    NoticeInbox inbox(1);  // the status line follows every block
    const StartResult started = StartLibrary(options, inbox.window());
    if (started != StartResult::kStarted) {
        if (started == StartResult::kNoDevice)
            ReportError("no sound output device could be opened");
        return kExitFailure;
    }
    std::signal(SIGINT, OnInterrupt);
    for (const std::string& path : songs) {
        if (!PlayFile(path, options.startMs, inbox)) result = kExitFailure;
        if (interrupted.load()) break;
    }
    std::signal(SIGINT, SIG_DFL);
    TeCleanUp();
    return result;
}
