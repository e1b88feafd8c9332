// The player's reading of a MIDI file: PrepareSmfImage on the image (a format-1 merge, a
// wrapper cut off) and the pre-scan of the song lists on the same bytes as a file.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "midi/midi_scan.h"
#include "midi/smf_image.h"
#include "tests/fuzz/fuzz_silence.h"

namespace {

void Prepare(const std::uint8_t* data, std::size_t size) {
    // The image as LoadFileImage makes it: the bytes and eight zeros.
    auto* image = static_cast<std::uint8_t*>(std::calloc(size + 8, 1));
    if (size != 0) std::memcpy(image, data, size);
    auto imageSize = static_cast<std::uint32_t>(size);
    const int result = PrepareSmfImage(&image, &imageSize);
    if (result > 0 && static_cast<std::uint32_t>(result) != imageSize) std::abort();
    if (result == 0 && imageSize != size) std::abort();
    FreeFileImage(image);
}

const std::string& ScratchPath() {
    static const std::string path =
        (std::getenv("TMPDIR") ? std::string(std::getenv("TMPDIR")) : std::string("/tmp")) +
        "/tesalo-fuzz-scan-" + std::to_string(getpid()) + ".mid";
    return path;
}

void Scan(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(ScratchPath().c_str(), "wb");
    if (file == nullptr) return;
    const bool written = std::fwrite(data, 1, size, file) == size;
    if (std::fclose(file) != 0 || !written) return;
    char16_t title[kTitleCapacity] = {};
    ScanMidiFile(ScratchPath(), title);
    if (std::char_traits<char16_t>::length(title) >= kTitleCapacity) std::abort();
    std::remove(ScratchPath().c_str());
}

}  // namespace

// The pre-scan gives the processor away after every event once time has passed: on a loaded
// machine each of those yields can wait for a whole time slice, and the fuzzer would take the
// waiting for a hang. Here a yield returns at once; a scan that never ends is still caught.
extern "C" int sched_yield() { return 0; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SilenceMessageBoxes();
    Prepare(data, size);
    Scan(data, size);
    return 0;
}
