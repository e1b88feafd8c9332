#include "midi/varlen.h"

#include "midi/midi_bytes.h"

std::uint32_t ReadVarLen(const std::uint8_t** cursor, const std::uint8_t* end) {
    std::uint32_t value = 0;
    ReadQuantity(cursor, end, &value);  // cut off or not, value holds what was read
    return value;
}

void WriteVarLen(std::uint8_t** out, std::uint32_t value) {
    // Five groups cover 32 bits: a delta of 2^28 ticks or more still has its bytes.
    int groups = 1;
    while (groups < 5 && (value >> (7 * groups)) != 0) ++groups;
    for (int group = groups - 1; group > 0; --group) {
        *(*out)++ = static_cast<std::uint8_t>(0x80 | ((value >> (7 * group)) & 0x7F));
    }
    *(*out)++ = static_cast<std::uint8_t>(value & 0x7F);
}
