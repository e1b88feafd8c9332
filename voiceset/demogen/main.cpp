// demogen: writes the demo songs. Usage: demogen FOLDER
// Each file is written beside its final name first and renamed over it, so none is ever
// half-written.
#include <cstdio>
#include <stdexcept>
#include <string>

#include "voiceset/demogen/demo_songs.h"

namespace {

bool WriteWhole(const std::string& path, const Bytes& bytes) {
    const std::string part = path + ".part";
    std::FILE* file = std::fopen(part.c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !written || std::rename(part.c_str(), path.c_str()) != 0) {
        std::remove(part.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: demogen FOLDER\n");
        return 2;
    }
    std::vector<DemoSong> songs;
    try {
        songs = DemoSongs();
    } catch (const std::invalid_argument& error) {
        std::fprintf(stderr, "demogen: %s\n", error.what());
        return 1;
    }
    for (const DemoSong& song : songs) {
        const std::string path = std::string(argv[1]) + "/" + song.fileName;
        if (!WriteWhole(path, song.image)) {
            std::fprintf(stderr, "demogen: %s: cannot be written\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
