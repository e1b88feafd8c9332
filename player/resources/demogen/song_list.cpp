// demolist: writes the first-run song list that offers the demo songs.
// Usage: demolist LIST SONG...   (SONG: the full path of a demo as the player will find it)
// Each song's play time and title come from the player's own pre-scan, so the list shows what
// adding the files by hand would show. The list is written beside LIST first and renamed over it.
#include <cstdio>
#include <string>

#include "platform/codepage.h"
#include "player/data/midi_scan.h"

namespace {

const char kListTitle[] = "Demo Songs";

std::string SongEntry(const std::string& path) {
    char16_t title[kTitleCapacity] = {};
    const std::uint32_t playMs = ScanMidiFile(path, title);
    return "##SONGFILE\r\n" + std::to_string(playMs / 1000) + "\r\n" + path + "\r\n" + platform::Utf16ToUtf8(title) + "\r\n\r\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: demolist LIST SONG...\n");
        return 2;
    }
    std::string text = std::string("##SONGTITLE\r\n") + kListTitle + "\r\n\r\n";
    for (int i = 2; i < argc; ++i) text += SongEntry(argv[i]);
    const std::string path = argv[1], part = path + ".part";
    std::FILE* file = std::fopen(part.c_str(), "wb");
    bool written = file != nullptr && std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if (file != nullptr && std::fclose(file) != 0) written = false;
    if (!written || std::rename(part.c_str(), path.c_str()) != 0) {
        std::remove(part.c_str());
        std::fprintf(stderr, "demolist: %s: cannot be written\n", path.c_str());
        return 1;
    }
    return 0;
}
