#include "tools/cli_session.h"

#include <unistd.h>

#include <cstdio>

#include "library/tesalo.h"
#include "midi/midi_scan.h"
#include "midi/smf_image.h"
#include "platform/codepage.h"
#include "tools/cli_text.h"
#include "voiceset/program_files.h"

void ReportError(const std::string& message) {
    std::fprintf(stderr, "tesalo: %s\n", Printable(message).c_str());
}

bool PrepareSong(const std::string& path, PreparedSong* song) {
    song->path = path;
    if (!LoadFileImage(path, &song->image, &song->size)) {
        ReportError(path + ": cannot be read");
        return false;
    }
    if (PrepareSmfImage(&song->image, &song->size) == -1) {
        ReportError(path + ": not a playable MIDI file (format 0 or 1, division 1 to 960)");
        ReleaseSong(song);
        return false;
    }
    return true;
}

void ReleaseSong(PreparedSong* song) {
    FreeFileImage(song->image);
    song->image = nullptr;
    song->size = 0;
}

static bool LoadVoiceFile(const std::string& named) {
    const std::string path = named.empty() ? ShippedVoiceFile() : named;
    std::uint8_t* image = nullptr;
    std::uint32_t size = 0;
    if (!LoadFileImage(path, &image, &size)) {
        if (!named.empty())
            ReportError(path + ": cannot be read");
        else
            ReportError("no voice.txt beside the program: the songs play silent");
        return named.empty();
    }
    // The library has said why (an empty file, another version, a tone 1 missing); a song played
    // without its voices would be a silent file that looks like success.
    const bool loaded = TeVoiceSet(image, static_cast<std::int32_t>(size)) == 1;
    FreeFileImage(image);
    if (!loaded) ReportError(path + ": not a voice file the library can load");
    return loaded;
}

StartResult StartLibrary(const CliOptions& options, platform::WindowHandle window) {
    if (TeInit(FormatFlagOfQuality(options.quality), window,
               static_cast<std::uint8_t>(options.level), 0) != 1) {
        return StartResult::kNoDevice;
    }
    if (!LoadVoiceFile(options.voiceFile)) {
        TeCleanUp();
        return StartResult::kNoVoiceFile;
    }
    TeSetStatus(options.polyphony, options.lowPass ? 1 : 0);
    SetMasterVolume(static_cast<std::uint8_t>(options.level));
    return StartResult::kStarted;
}

// A prepared image shorter than its header and one track header holds no track to read.
constexpr std::uint32_t kSmallestTrackImage = 22;

static void ReportRefusal(const PreparedSong& song) {
    if (song.size < kSmallestTrackImage) {
        ReportError(song.path +
                    ": holds no track, so there is nothing to play (the library refused it)");
    } else {
        ReportError(song.path + ": the library refused to play it");
    }
}

bool PlaySong(const PreparedSong& song, NoticeInbox& inbox, const NoticeHandler& onNotice,
              const StopRequest& stopRequested, const std::function<bool()>& outputFailed) {
    TeDataSet(song.image, static_cast<std::int32_t>(song.size));
    const bool started = TePlayFrom(song.startMs) == 1;
    const auto explained = [&outputFailed] { return outputFailed && outputFailed(); };
    bool stopSent = false;
    std::vector<Notice> notices;
    for (;;) {
        inbox.Take(&notices, 100);
        for (const Notice& notice : notices) {
            onNotice(notice.code, notice.value);
            if (!started && notice.code == TE_NOTIFY_PLAY) {
                if (!explained()) ReportRefusal(song);
                return false;
            }
            if (notice.code == TE_NOTIFY_END && notice.value != 0 && !explained()) {
                ReportError(song.path + ": playback stopped: the output device refused a block");
            }
            if (notice.code == TE_NOTIFY_END) return notice.value == 0;
        }
        if (started && !stopSent && stopRequested && stopRequested()) {
            TeStop();
            stopSent = true;
        }
    }
}

SongInfo ScanSong(const std::string& path) {
    char16_t title[kTitleCapacity] = {};
    SongInfo info;
    info.playMs = ScanMidiFile(path, title, ScanPace::kFullSpeed);
    info.title = platform::Utf16ToUtf8(title);
    return info;
}
