// demolist: writes the first-run song list that offers the demo songs.
// Usage: demolist LIST [--as FOLDER] SONG...
// SONG is the full path of a demo as the player will find it; with --as, the song is read from
// SONG but listed as FOLDER/<its file name> (the list for an installation, written before or
// outside the folder the songs will be in). Each song's play time and title come from the
// player's own pre-scan, and the list is written by the player's own writer, so it is the list
// that adding the files by hand would give.
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "midi/midi_scan.h"
#include "platform/file_replace.h"
#include "player/model/song_list_text.h"

namespace {

SongListSong DemoSong(const std::string& path, const std::string& listedFolder) {
    char16_t title[kTitleCapacity] = {};
    const std::uint32_t playMs = ScanMidiFile(path, title);
    const std::string listed =
        listedFolder.empty() ? path : listedFolder + "/" + path.substr(path.find_last_of('/') + 1);
    return {playMs / 1000, listed, title};
}

}  // namespace

int main(int argc, char** argv) {
    const bool listedElsewhere = argc > 3 && std::string(argv[2]) == "--as";
    const int first = listedElsewhere ? 4 : 2;
    if (argc <= first) {
        std::fprintf(stderr, "usage: demolist LIST [--as FOLDER] SONG...\n");
        return 2;
    }
    const std::string listedFolder = listedElsewhere ? argv[3] : "";
    std::vector<SongListSong> songs;
    for (int i = first; i < argc; ++i) songs.push_back(DemoSong(argv[i], listedFolder));
    const std::string text = WriteListText(u"Demo Songs", songs);
    int error = 0;
    // Written for the user alone like any list; installed, it is read by every user.
    if (!platform::ReplaceFileContents(argv[1], text, &error) || chmod(argv[1], 0644) != 0) {
        std::fprintf(stderr, "demolist: %s: cannot be written: %s\n", argv[1],
                     std::strerror(error != 0 ? error : errno));
        return 1;
    }
    return 0;
}
