// voicegen: writes the synthesizer's voice file. Usage: voicegen OUT
// The file is written beside OUT first and renamed over it, so OUT is never half-written.
#include <cstdio>
#include <string>

#include "voiceset/voicegen/voice_set.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: voicegen OUT\n");
        return 2;
    }
    const std::string path = argv[1];
    const std::string part = path + ".part";
    const std::string text = BuildVoiceFile();
    std::FILE* file = std::fopen(part.c_str(), "wb");
    if (file == nullptr) {
        std::fprintf(stderr, "voicegen: %s: cannot be written\n", part.c_str());
        return 1;
    }
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if (std::fclose(file) != 0 || !written || std::rename(part.c_str(), path.c_str()) != 0) {
        std::remove(part.c_str());
        std::fprintf(stderr, "voicegen: %s: cannot be written\n", path.c_str());
        return 1;
    }
    return 0;
}
