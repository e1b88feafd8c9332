#include "tests/support/test_songs.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

static std::vector<std::string> MidiFilesIn(const char* folder) {
    std::vector<std::string> songs;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (it->path().extension() == ".mid") songs.push_back(it->path().string());
    }
    std::sort(songs.begin(), songs.end());
    return songs;
}

std::vector<std::string> DemoSongs() { return MidiFilesIn(TESALO_DEMO_DIR); }

bool HaveSharedSongs() { return !SharedSongs().empty(); }

std::vector<std::string> SharedSongs() { return MidiFilesIn(TESALO_MIDI_DIR); }

bool WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}
