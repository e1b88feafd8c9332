// `tesalo render`: a song through the library into a WAV file (or the raw device bytes).
#include "tools/cli_render.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "library/tesalo.h"
#include "platform/file_replace.h"
#include "platform/msgbox.h"
#include "platform/waveout_file.h"
#include "tools/cli_commands.h"
#include "tools/cli_output.h"
#include "tools/cli_progress.h"
#include "tools/cli_session.h"
#include "tools/cli_signals.h"

namespace {

// The codes file appears whole or not at all, through a temporary file made new (a planted
// link is never followed); false (reported) when it cannot be written.
bool WriteCodes(const std::string& path, const std::vector<Notice>& notices) {
    std::string lines;
    for (const Notice& notice : notices) {
        lines += std::to_string(notice.code) + " " +
                 std::to_string(static_cast<long long>(notice.value)) + "\n";
    }
    int error = 0;
    if (platform::ReplaceFileContents(path, lines, &error)) return true;
    ReportUnwritable(path, error);
    return false;
}

// A WAV file counts its bytes in 32 bits; a broken file can claim weeks of silence. Raw output
// has no limit.
constexpr std::uint64_t kLargestWav = 0xFFFFFFFFull - 44;

bool FitsInOneFile(const CliOptions& options, std::uint32_t playMs) {
    const std::uint64_t bytes =
        std::uint64_t{playMs} * BytesPerSecondOfQuality(options.quality) / 1000;
    if (options.raw || bytes <= kLargestWav) return true;
    ReportError(
        options.songs[0] + ": plays for " + std::to_string(playMs / 3600000) +
        " hours, more than a WAV file can hold at this quality: render it with --raw, or its "
        "beginning with --max-seconds");
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
    const bool ok = PlaySong(
        song, inbox, onNotice, [] { return StopSignal() != 0; },
        [] { return platform::WaveOutFileError() != 0; });
    if (ok && inbox.StoppedAtLimit()) {
        ReportError(song.path + ": stopped after " + std::to_string(options.maxSeconds) +
                    " s of audio (--max-seconds)");
    }
    return ok;
}

bool WriteCodesIfAsked(const CliOptions& options, const std::vector<Notice>& notices) {
    return options.codesFile.empty() || WriteCodes(options.codesFile, notices);
}

}  // namespace

std::uint32_t RenderedMs(const CliOptions& options, std::uint32_t playMs) {
    const std::uint32_t fromStart = playMs > options.startMs ? playMs - options.startMs : 0;
    if (options.maxSeconds == 0) return fromStart;
    return std::min<std::uint32_t>(fromStart,
                                   static_cast<std::uint32_t>(options.maxSeconds) * 1000u);
}

namespace {

platform::MessageBoxPresenter shownBefore = nullptr;

// The library's own message about a device that failed says less than the program does.
int QuietAfterAWriteFailed(const std::u16string& text, const std::u16string& caption,
                           unsigned flags) {
    if (platform::WaveOutFileError() != 0) return platform::kBoxResultOk;
    if (shownBefore != nullptr) return shownBefore(text, caption, flags);
    // The default presenter is reached through ShowMessageBox alone (the boxes come one at a
    // time, from the library's thread).
    platform::SetMessageBoxPresenter(nullptr);
    const int pressed = platform::ShowMessageBox(text, caption, flags);
    platform::SetMessageBoxPresenter(QuietAfterAWriteFailed);
    return pressed;
}

// The library renders the song into the open output; false when it did not play to its end or
// the output could not be written, which is told once, with the reason.
bool RenderOpenOutput(const CliOptions& options, const PreparedSong& song,
                      const RenderOutput& output, const RenderProgress& progress,
                      std::vector<Notice>* notices) {
    platform::WaveOutUseOpenFile(output.file(), options.raw);
    // The render wakes for every 16 blocks (4 notifications each).
    NoticeInbox inbox(64, std::uint64_t{static_cast<std::uint32_t>(options.maxSeconds)} * 1000);
    shownBefore = platform::SetMessageBoxPresenter(QuietAfterAWriteFailed);
    const StartResult started = StartLibrary(options, inbox.window());
    const bool ok =
        started == StartResult::kStarted && RenderSong(song, inbox, options, progress, notices);
    if (started == StartResult::kStarted) TeCleanUp();
    platform::SetMessageBoxPresenter(shownBefore);
    const int error = platform::WaveOutFileError();
    if (error != 0) ReportUnwritable(output.name(), error);
    if (error == 0 && started == StartResult::kNoDevice)
        ReportError(output.name() + ": cannot be written");
    return ok && error == 0;
}

}  // namespace

int RenderInto(const CliOptions& options, RenderOutput& output, const RenderProgress& progress) {
    PreparedSong song;
    if (!PrepareSong(options.songs[0], &song)) return kExitFailure;
    song.startMs = options.startMs;
    const std::uint32_t playMs = RenderedMs(options, ScanSong(options.songs[0]).playMs);
    std::vector<Notice> notices;
    bool ok = FitsInOneFile(options, playMs);
    if (ok) {
        progress.begin(playMs);
        ok = RenderOpenOutput(options, song, output, progress, &notices);
    }
    ReleaseSong(&song);
    // A stopped or failed render leaves nothing behind.
    if (StopSignal() != 0) {
        output.Discard();
        return StoppedExitCode();
    }
    ok = ok && output.Complete() && WriteCodesIfAsked(options, notices);
    if (!ok) output.Discard();
    return ok ? kExitOk : kExitFailure;
}

namespace {

// One song into one file, with its own progress bar.
int RenderWithProgressBar(const CliOptions& options) {
    RenderOutput output;
    if (!output.Open(options.output, options.raw)) return kExitFailure;
    ProgressBar bar;
    return RenderInto(options, output,
                      {[&bar](std::uint32_t playMs) { bar.Expect(playMs); },
                       [&bar](std::uint32_t ms) { bar.Add(ms); }});
}

}  // namespace

bool NoOutputIsAnInput(const CliOptions& options, std::vector<std::string> outputs) {
    std::vector<std::string> inputs = options.songs;
    if (!options.voiceFile.empty()) inputs.push_back(options.voiceFile);
    if (!options.codesFile.empty()) outputs.push_back(options.codesFile);
    for (const std::string& output : outputs) {
        const std::string input = InputAt(output, inputs);
        if (input.empty()) continue;
        ReportError((output == "-" ? std::string("standard output") : output) +
                    ": is also an input (" + input + "); nothing was rendered");
        return false;
    }
    return true;
}

int RunRender(const CliOptions& options) {
    if (options.songs.empty() || options.output.empty()) {
        ReportError("render takes SONG -o OUT, or SONG... -o FOLDER/");
        PrintUsage();
        return kExitUsage;
    }
    CatchStopSignals();
    if (IsBatchRender(options)) return RenderBatch(options);
    if (!NoOutputIsAnInput(options, {options.output})) return kExitUsage;
    return RenderWithProgressBar(options);
}
