#include "player/data/varlen.h"

std::uint32_t ReadVarLen(const std::uint8_t** cursor, const std::uint8_t* end) {
    std::uint32_t value = 0;
    while (*cursor < end) {
        const std::uint8_t byte = *(*cursor)++;
        value = (value << 7) | (byte & 0x7F);
        if ((byte & 0x80) == 0) break;
    }
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
