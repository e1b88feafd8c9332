#include "tests/tools/cli_support.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::string MakeTempFolder() {
    std::string pattern = (fs::temp_directory_path() / "tesalo-test-XXXXXX").string();
    const char* made = mkdtemp(pattern.data());
    return made == nullptr ? std::string() : std::string(made);
}

CommandResult RunCommand(const std::string& commandLine) {
    const std::string folder = MakeTempFolder();
    const std::string out = folder + "/out", err = folder + "/err";
    const int status =
        std::system((commandLine + " >" + out + " 2>" + err + " </dev/null").c_str());
    CommandResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadWholeFile(out);
    result.err = ReadWholeFile(err);
    fs::remove_all(folder);
    return result;
}

std::string Tesalo(const std::string& arguments) {
    return std::string(TESALO_BIN_DIR) + "/tesalo " + arguments;
}

static std::uint32_t Little(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

bool ParseWav(const std::string& bytes, WavFile* wav) {
    if (bytes.size() < 44 || bytes.compare(0, 4, "RIFF") != 0 ||
        bytes.compare(8, 8, "WAVEfmt ") != 0 || bytes.compare(36, 4, "data") != 0) {
        return false;
    }
    // An odd data chunk is followed by one pad byte.
    const std::uint32_t dataSize = Little(bytes, 40, 4);
    if (Little(bytes, 4, 4) != bytes.size() - 8 || bytes.size() - 44 != dataSize + dataSize % 2)
        return false;
    wav->format = static_cast<std::uint16_t>(Little(bytes, 20, 2));
    wav->channels = static_cast<std::uint16_t>(Little(bytes, 22, 2));
    wav->rate = Little(bytes, 24, 4);
    wav->bits = static_cast<std::uint16_t>(Little(bytes, 34, 2));
    wav->data = bytes.substr(44, dataSize);
    return Little(bytes, 28, 4) == wav->rate * wav->bits / 8;
}
