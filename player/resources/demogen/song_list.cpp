// demolist: writes the first-run song list that offers the demo songs.
// Usage: demolist LIST SONG...   (SONG: the full path of a demo as the player will find it)
// Each song's play time and title come from the player's own pre-scan, and the list is written
// by the player's own writer, so it is the list that adding the files by hand would give.
#include <cstdio>
#include <string>
#include <vector>

#include "platform/codepage.h"
#include "player/data/file_replace.h"
#include "player/data/midi_scan.h"
#include "player/data/song_list_text.h"

namespace {

SongListSong DemoSong(const std::string& path) {
    char16_t title[kTitleCapacity] = {};
    const std::uint32_t playMs = ScanMidiFile(path, title);
    return {playMs / 1000, platform::Utf8ToUtf16(path), title};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: demolist LIST SONG...\n");
        return 2;
    }
    std::vector<SongListSong> songs;
    for (int i = 2; i < argc; ++i) songs.push_back(DemoSong(argv[i]));
    const std::string text = platform::EncodeSystemText(WriteListText(u"Demo Songs", songs));
    if (!ReplaceFileContents(argv[1], text)) {
        std::fprintf(stderr, "demolist: %s: cannot be written\n", argv[1]);
        return 1;
    }
    return 0;
}
