// The bytes of a Standard MIDI File track: what follows a status byte, variable-length
// quantities and big-endian numbers. The sequencer reads its track by these rules, and the
// player prepares and pre-scans images by the same ones, so both see the same events.
// All of it is inline, for the sequencer calls it for every event; each side compiles its own
// copy, so nothing of it crosses the library's boundary.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

// What follows a status byte; the classes with data bytes count them.
enum StatusClass : std::uint8_t {
    kNoData = 0,        // 0x00-0x7F, 0xF1-0xF6, 0xF8-0xFE
    kOneDataByte = 1,   // 0xC0-0xDF
    kTwoDataBytes = 2,  // 0x80-0xBF, 0xE0-0xEF
    kExclusive = 4,     // 0xF0, 0xF7: every byte up to and including the next 0xF7
    kMeta = 5,          // 0xFF: a type byte, a quantity, that many data bytes
};

constexpr std::array<StatusClass, 256> BuildStatusClasses() {
    std::array<StatusClass, 256> classes{};
    for (int status = 0x80; status <= 0xBF; ++status) classes[status] = kTwoDataBytes;
    for (int status = 0xC0; status <= 0xDF; ++status) classes[status] = kOneDataByte;
    for (int status = 0xE0; status <= 0xEF; ++status) classes[status] = kTwoDataBytes;
    classes[0xF0] = kExclusive;
    classes[0xF7] = kExclusive;
    classes[0xFF] = kMeta;
    return classes;
}

inline constexpr std::array<StatusClass, 256> kStatusClasses = BuildStatusClasses();

// The status of the event at the cursor (which is before end). A byte with its top bit set is
// the status and is passed; any other is the first data byte of an event in running status and
// stays where it is. Which statuses become the running status is the caller's rule.
inline std::uint8_t ReadStatus(const std::uint8_t** cursor, std::uint8_t runningStatus) {
    return (**cursor & 0x80) != 0 ? *(*cursor)++ : runningStatus;
}

// Reads a quantity of any number of bytes (7 bits each, most significant first, the top bit set
// on all but the last; groups shifted out at the top are lost) and moves the cursor behind it,
// never beyond end. False when end cuts it off: value then holds the groups read before end.
inline bool ReadQuantity(const std::uint8_t** cursor, const std::uint8_t* end,
                         std::uint32_t* value) {
    std::uint32_t result = 0;
    while (*cursor < end) {
        const std::uint8_t byte = *(*cursor)++;
        result = (result << 7) | (byte & 0x7F);
        if ((byte & 0x80) == 0) {
            *value = result;
            return true;
        }
    }
    *value = result;
    return false;
}

// Exclusive data is not read by its length field: it runs through the next 0xF7. False, with
// the cursor where it was, when no 0xF7 comes before end.
inline bool SkipExclusive(const std::uint8_t** cursor, const std::uint8_t* end) {
    const void* close = std::memchr(*cursor, 0xF7, static_cast<std::size_t>(end - *cursor));
    if (close == nullptr) return false;
    *cursor = static_cast<const std::uint8_t*>(close) + 1;
    return true;
}

inline std::uint16_t BigEndian16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] << 8 | p[1]);
}

inline std::uint32_t BigEndian24(const std::uint8_t* p) {
    return std::uint32_t{p[0]} << 16 | std::uint32_t{p[1]} << 8 | p[2];
}

inline std::uint32_t BigEndian32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} << 24 | BigEndian24(p + 1);
}
