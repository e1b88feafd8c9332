// The fuzz targets as plain programs: every file named on the command line, or found in a folder
// named there, is given once to LLVMFuzzerTestOneInput. A fault shows as a crash (or a sanitizer
// report, in a sanitizer build); a missing folder counts as empty.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void Replay(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
    std::fprintf(stderr, "replaying %s (%zu bytes)\n", file.c_str(), bytes.size());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path named(argv[i]);
        if (std::filesystem::is_regular_file(named)) {
            Replay(named);
            ++count;
            continue;
        }
        if (!std::filesystem::is_directory(named)) continue;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(named)) {
            if (!entry.is_regular_file() || entry.path().filename().string().starts_with("."))
                continue;
            Replay(entry.path());
            ++count;
        }
    }
    std::printf("%d inputs replayed\n", count);
    return 0;
}
