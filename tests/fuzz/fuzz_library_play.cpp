// The library playing a song, as the player plays one: the first byte chooses the output
// format (bits 0-1), the filter (bit 2), the voice limit (bits 3-6) and whether the image is
// handed over raw (bit 7) or prepared first as the player does (format 1 merged); the rest is
// the MIDI file. The bundled voice set plays it; after 8 blocks (quarter notes) TeStop ends it.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "library/tesalo.h"
#include "midi/smf_image.h"
#include "tests/fuzz/fuzz_library.h"

namespace {

constexpr int kMaxBlocks = 8;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::uint8_t options = data[0];
    const int format = ChosenFormat(options & 3);
    if (format < 0) return -1;
    StartFuzzLibrary(format);
    TeSetStatus(8 + ((options >> 3) & 15) * 2, (options >> 2) & 1);
    ++data;
    --size;
    if ((options & 0x80) != 0) {
        PlayCapped(data, size, kMaxBlocks);
        return 0;
    }
    auto* image = static_cast<std::uint8_t*>(std::calloc(size + 8, 1));
    if (size != 0) std::memcpy(image, data, size);
    auto imageSize = static_cast<std::uint32_t>(size);
    if (PrepareSmfImage(&image, &imageSize) >= 0) PlayCapped(image, imageSize, kMaxBlocks);
    FreeFileImage(image);
    return 0;
}
