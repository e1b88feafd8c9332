// The voice file: TeVoiceSet on any bytes; when it takes them, a short song that sounds every
// program's notes over the key range and the drum keys plays with them, in one of the four
// output formats (chosen by the input's length, so that a saved input replays the same way). The
// bundled voice set is loaded again afterwards so that every input starts from the same voices.
#include <cstdint>
#include <vector>

#include "library/tesalo.h"
#include "tests/fuzz/fuzz_library.h"

namespace {

constexpr int kMaxBlocks = 16;

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// Format 0, division 96: per channel a program change, then notes from key 9 to 105 in steps
// of 16 (the drum channel's keys 25 to 89 among them), a pitch bend, a 32nd note each.
const std::vector<std::uint8_t>& ProbeSong() {
    static const std::vector<std::uint8_t> song = [] {
        std::vector<std::uint8_t> track;
        for (std::uint8_t channel = 0; channel < 16; ++channel) {
            const std::uint8_t program = static_cast<std::uint8_t>(channel * 8);
            track.insert(track.end(), {0x00, static_cast<std::uint8_t>(0xC0 | channel), program});
            for (std::uint8_t key = 9; key <= 105; key = static_cast<std::uint8_t>(key + 16)) {
                track.insert(track.end(),
                             {0x00, static_cast<std::uint8_t>(0x90 | channel), key, 100});
                track.insert(track.end(), {0x00, static_cast<std::uint8_t>(0xE0 | channel), 0x00,
                                           static_cast<std::uint8_t>(key)});
                track.insert(track.end(),
                             {0x0C, static_cast<std::uint8_t>(0x80 | channel), key, 0});
            }
        }
        track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});
        std::vector<std::uint8_t> out = {'M', 'T', 'h', 'd', 0,  0,   0,   6,   0,
                                         0,   0,   1,   0,   96, 'M', 'T', 'r', 'k'};
        Put32(out, static_cast<std::uint32_t>(track.size()));
        out.insert(out.end(), track.begin(), track.end());
        return out;
    }();
    return song;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int format = ChosenFormat(static_cast<int>(size % 4));
    if (format < 0) return -1;
    StartFuzzLibrary(format);
    TeSetStatus(32, 1);
    ForgetVoices();
    if (TeVoiceSet(data, static_cast<std::int32_t>(size)) == 1) {
        PlayCapped(ProbeSong().data(), ProbeSong().size(), kMaxBlocks);
    }
    return 0;
}
