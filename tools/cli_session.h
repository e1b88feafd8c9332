// What `tesalo render` and `tesalo play` share: preparing a song as the player does, starting
// the library with the options, and playing one song to its end.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/messages.h"
#include "tools/cli_notices.h"
#include "tools/cli_options.h"

struct PreparedSong {
    std::string path;
    std::uint8_t* image = nullptr;
    std::uint32_t size = 0;
    std::uint32_t startMs = 0;  // where PlaySong starts it (--start)
};

// Reads and prepares the song (merging a multi-track file); false with the reason on stderr.
bool PrepareSong(const std::string& path, PreparedSong* song);
void ReleaseSong(PreparedSong* song);

enum class StartResult { kStarted, kNoDevice, kNoVoiceFile };
// TeInit, the voice file, the polyphony, filter and level. The library is left uninitialised
// when the device cannot be opened, an explicitly named voice file cannot be read, or the
// library refuses the voice file.
StartResult StartLibrary(const CliOptions& options, platform::WindowHandle window);

using NoticeHandler = std::function<void(std::uint32_t code, std::intptr_t value)>;
using StopRequest = std::function<bool()>;

// Plays the song from its startMs and handles every notification the inbox receives until playback
// is over (code 6). stopRequested is asked whenever the inbox wakes, at least ten times a second;
// when it says yes, TeStop is called. True when the song played to its end or was stopped (a song
// of no blocks plays nothing and succeeds); false, with the reason on stderr, when the library
// refused it or playback failed. When outputFailed says yes, the output's own failure explains
// both, and the caller tells it.
bool PlaySong(const PreparedSong& song, NoticeInbox& inbox, const NoticeHandler& onNotice,
              const StopRequest& stopRequested,
              const std::function<bool()>& outputFailed = nullptr);

// The title and play time of a song, for the status line and the progress bar.
struct SongInfo {
    std::string title;
    std::uint32_t playMs = 0;
};
SongInfo ScanSong(const std::string& path);

// "file: message" on stderr, in the program's own voice; control characters (from file names)
// shown escaped.
void ReportError(const std::string& message);
