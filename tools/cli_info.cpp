// `tesalo info`: the header, title and play time of MIDI files.
#include <cstdio>
#include <cstring>
#include <string>

#include "midi/midi_bytes.h"
#include "midi/play_time.h"
#include "midi/smf_image.h"
#include "platform/codepage.h"
#include "tools/cli_commands.h"
#include "tools/cli_session.h"
#include "tools/cli_text.h"

namespace {

struct HeaderFields {
    unsigned format = 0, tracks = 0, division = 0;
};

// The header chunk wherever it stands in the file (a wrapper may come first).
bool ReadHeader(const std::string& path, HeaderFields* fields) {
    std::uint8_t* image = nullptr;
    std::uint32_t size = 0;
    if (!LoadFileImage(path, &image, &size)) return false;
    bool found = false;
    for (std::uint32_t at = 0; at + 14 <= size && !found; ++at) {
        if (std::memcmp(image + at, "MThd", 4) != 0) continue;
        const std::uint8_t* h = image + at;
        *fields = {BigEndian16(h + 8), BigEndian16(h + 10), BigEndian16(h + 12)};
        found = true;
    }
    FreeFileImage(image);
    return found;
}

bool PrintInfo(const std::string& path) {
    PreparedSong song;
    if (!PrepareSong(path, &song)) return false;  // it says why
    ReleaseSong(&song);
    HeaderFields header;
    if (!ReadHeader(path, &header)) return false;
    const SongInfo info = ScanSong(path);
    std::printf(
        "file: %s\nformat: %u, tracks: %u, division: %u\ntitle: %s\nplay time: %s (%u ms)\n",
        Printable(path).c_str(), header.format, header.tracks, header.division,
        Printable(info.title).c_str(),
        platform::Utf16ToUtf8(FormatPlayTime(info.playMs / 1000)).c_str(), info.playMs);
    return true;
}

}  // namespace

int RunInfo(const CliOptions& options) {
    if (options.songs.empty()) {
        ReportError("info takes one or more SONGs");
        PrintUsage();
        return kExitUsage;
    }
    int result = kExitOk;
    for (std::size_t i = 0; i < options.songs.size(); ++i) {
        if (i > 0) std::printf("\n");
        if (!PrintInfo(options.songs[i])) result = kExitFailure;
    }
    return result;
}
