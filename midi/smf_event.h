// Stepping over one event of a Standard MIDI File track, never beyond the track's end.
#pragma once

#include <cstdint>

struct SmfEvent {
    std::uint8_t status;
    bool statusImplied;        // the event had no status byte of its own (running status)
    std::uint8_t metaType;     // status 0xFF only
    const std::uint8_t* data;  // status 0xFF only: the meta data
    std::uint32_t dataLength;
};

// Reads the event at the cursor (its delta-time already read) and moves the cursor behind it,
// by the sequencer's byte rules (midi/midi_bytes.h). Running status follows the
// status bytes of classes 0 to 2 whose data fit. False when the event does not fit before end
// (cut data, a meta length beyond end, exclusive data without 0xF7): the track ends there. A
// meta length cut off by end counts as what was read of it.
bool StepEvent(const std::uint8_t** cursor, const std::uint8_t* end, std::uint8_t* runningStatus,
               SmfEvent* event);

// Big-endian fields of an image of size bytes; bytes beyond the image read as zero.
std::uint16_t ReadBig16(const std::uint8_t* image, std::uint32_t size, std::uint64_t offset);
std::uint32_t ReadBig32(const std::uint8_t* image, std::uint32_t size, std::uint64_t offset);
