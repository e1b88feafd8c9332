// `tesalo render`: a song through the library into a WAV file (or the raw device bytes).
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "library/tesalo.h"
#include "platform/waveout.h"
#include "tools/cli_commands.h"
#include "tools/cli_progress.h"
#include "tools/cli_render.h"
#include "tools/cli_session.h"

namespace {

// The codes file appears whole or not at all.
bool WriteCodes(const std::string& path, const std::vector<Notice>& notices) {
    const std::string part = path + ".part";
    std::FILE* file = std::fopen(part.c_str(), "w");
    if (file == nullptr) return false;
    for (const Notice& notice : notices) {
        std::fprintf(file, "%u %lld\n", notice.code, static_cast<long long>(notice.value));
    }
    const bool written = std::fclose(file) == 0;
    if (!written || std::rename(part.c_str(), path.c_str()) != 0) {
        std::remove(part.c_str());
        return false;
    }
    return true;
}

// A WAV file counts its bytes in 32 bits; a broken file can claim weeks of silence.
constexpr std::uint64_t kLargestOutput = 0xFFFFFFFFull - 44;

bool FitsInOneFile(const CliOptions& options, std::uint32_t playMs) {
    const std::uint64_t bytes = std::uint64_t{playMs} * BytesPerSecondOfQuality(options.quality) / 1000;
    if (bytes <= kLargestOutput) return true;
    ReportError(options.songs[0] + ": plays for " + std::to_string(playMs / 3600000) +
                " hours, more than one output file can hold at this quality");
    return false;
}

// With --max-seconds the inbox stops the song once that much audio is rendered; the queued
// blocks then play out, as when the user presses stop (a damaged file may encode hours of silence).
bool RenderSong(const PreparedSong& song, NoticeInbox& inbox, const CliOptions& options,
                const RenderProgress& progress, std::vector<Notice>* notices) {
    const NoticeHandler onNotice = [&](std::uint32_t code, std::intptr_t value) {
        notices->push_back({code, value});
        if (code == TE_NOTIFY_DURATION) progress.advance(static_cast<std::uint32_t>(value));
    };
    const bool ok = PlaySong(song, inbox, onNotice, nullptr);
    if (ok && inbox.StoppedAtLimit()) {
        ReportError(song.path + ": stopped after " + std::to_string(options.maxSeconds) +
                    " s of audio (--max-seconds)");
    }
    return ok;
}

}  // namespace

std::uint32_t RenderedMs(const CliOptions& options, std::uint32_t playMs) {
    if (options.maxSeconds == 0) return playMs;
    return std::min<std::uint32_t>(playMs, static_cast<std::uint32_t>(options.maxSeconds) * 1000u);
}

int RenderToFile(const CliOptions& options, const RenderProgress& progress) {
    PreparedSong song;
    if (!PrepareSong(options.songs[0], &song)) return kExitFailure;
    const std::uint32_t playMs = RenderedMs(options, ScanSong(options.songs[0]).playMs);
    if (!FitsInOneFile(options, playMs)) {
        ReleaseSong(&song);
        return kExitFailure;
    }
    progress.begin(playMs);
    platform::WaveOutUseFile(options.output.c_str(), options.raw);
    // The render wakes for every 16 blocks (4 notifications each).
    NoticeInbox inbox(64, std::uint64_t{static_cast<std::uint32_t>(options.maxSeconds)} * 1000);
    std::vector<Notice> notices;
    const StartResult started = StartLibrary(options, inbox.window());
    if (started == StartResult::kNoDevice) ReportError(options.output + ": cannot be written");
    bool ok = started == StartResult::kStarted;
    if (ok) {
        ok = RenderSong(song, inbox, options, progress, &notices);
        TeCleanUp();
    }
    // A device that was opened has written the file; a failed render leaves none behind.
    if (!ok && started != StartResult::kNoDevice) std::remove(options.output.c_str());
    ReleaseSong(&song);
    if (ok && !options.codesFile.empty() && !WriteCodes(options.codesFile, notices)) {
        ReportError(options.codesFile + ": cannot be written");
        ok = false;
    }
    return ok ? kExitOk : kExitFailure;
}

namespace {

// One song into one file, with its own progress bar.
int RenderWithProgressBar(const CliOptions& options) {
    ProgressBar bar;
    return RenderToFile(options, {[&bar](std::uint32_t playMs) { bar.Expect(playMs); },
                                  [&bar](std::uint32_t ms) { bar.Add(ms); }});
}

bool CopyToStandardOutput(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    char chunk[65536];
    bool ok = true;
    for (std::size_t got; ok && (got = std::fread(chunk, 1, sizeof chunk, file)) > 0;) {
        ok = std::fwrite(chunk, 1, got, stdout) == got;
    }
    std::fclose(file);
    return ok && std::fflush(stdout) == 0;
}

// "-o -": the song is rendered into a temporary file that is then copied to standard output, so
// the bytes, the WAV header's sizes included, are those a file gets.
int RenderToStandardOutput(const CliOptions& options) {
    std::string path = (std::filesystem::temp_directory_path() / "tesalo-render-XXXXXX").string();
    const int fd = mkstemp(path.data());
    if (fd < 0) {
        ReportError("no temporary file for the output can be made");
        return kExitFailure;
    }
    close(fd);
    CliOptions toFile = options;
    toFile.output = path;
    // A reader that goes away must not end the program before the temporary file is removed.
    std::signal(SIGPIPE, SIG_IGN);
    int result = RenderWithProgressBar(toFile);
    if (result == kExitOk && !CopyToStandardOutput(path)) {
        ReportError("standard output cannot be written");
        result = kExitFailure;
    }
    std::remove(path.c_str());
    return result;
}

}  // namespace

int RunRender(const CliOptions& options) {
    if (options.songs.empty() || options.output.empty()) {
        ReportError("render takes SONG -o OUT, or SONG... -o FOLDER/");
        PrintUsage();
        return kExitUsage;
    }
    if (IsBatchRender(options)) return RenderBatch(options);
    return options.output == "-" ? RenderToStandardOutput(options) : RenderWithProgressBar(options);
}
