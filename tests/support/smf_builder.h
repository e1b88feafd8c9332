// Builds Standard MIDI File images for tests, byte by byte.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace smf {

using Bytes = std::vector<std::uint8_t>;

// A variable-length quantity.
Bytes Vlq(std::uint32_t value);

// Track data (without its chunk header), built event by event.
struct Track {
    Bytes data;
    // A delta time followed by raw event bytes (status included or left out for running status).
    Track& Event(std::uint32_t delta, std::initializer_list<std::uint8_t> bytes);
    Track& Tempo(std::uint32_t delta, std::uint32_t usPerQuarter);
    Track& Name(std::uint32_t delta, const char* text);
    Track& End(std::uint32_t delta = 0);
    // Raw bytes appended as they are.
    Track& Raw(std::initializer_list<std::uint8_t> bytes);
};

// "MThd" chunk with the format, the declared track count and the division.
Bytes Header(std::uint16_t format, std::uint16_t tracks, std::uint16_t division);
// A whole file: header and one "MTrk" chunk per track (declared count = tracks.size()).
Bytes File(std::uint16_t format, std::uint16_t division, const std::vector<Track>& tracks);
// A whole file whose header declares `declared` tracks.
Bytes FileDeclaring(std::uint16_t format, std::uint16_t division, std::uint16_t declared,
                    const std::vector<Track>& tracks);

}  // namespace smf
