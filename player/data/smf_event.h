// Stepping over one event of a Standard MIDI File track, never beyond the track's end.
#pragma once

#include <array>
#include <cstdint>

// What follows a status byte: 0 nothing, 1 one data byte, 2 two data bytes, 4 exclusive data
// up to and including the next 0xF7, 5 a meta event (type, length, data).
extern const std::array<std::uint8_t, 256> StatusClassTable;

struct SmfEvent {
    std::uint8_t status;
    bool statusImplied;          // the event had no status byte of its own (running status)
    std::uint8_t metaType;       // status 0xFF only
    const std::uint8_t* data;    // status 0xFF only: the meta data
    std::uint32_t dataLength;
};

// Reads the event at the cursor (its delta-time already read) and moves the cursor behind it.
// Running status follows the status bytes of classes 0 to 2. False when the event does not
// fit before end (cut data, a meta length beyond end, exclusive data without 0xF7): the track
// ends there.
bool StepEvent(const std::uint8_t** cursor, const std::uint8_t* end, std::uint8_t* runningStatus,
               SmfEvent* event);

// Big-endian fields of an image of size bytes; bytes beyond the image read as zero.
std::uint16_t ReadBig16(const std::uint8_t* image, std::uint32_t size, std::uint64_t offset);
std::uint32_t ReadBig32(const std::uint8_t* image, std::uint32_t size, std::uint64_t offset);
