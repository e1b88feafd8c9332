// Writing Standard MIDI Files: tracks of events at absolute ticks, put in order and encoded with
// delta times.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

struct SmfEvent {
    std::uint32_t tick;
    Bytes bytes;  // status byte (or 0xFF for a meta event) and data
};

struct SmfTrack {
    std::vector<SmfEvent> events;
};

void AddTrackName(SmfTrack& track, const std::string& name);
void AddTempo(SmfTrack& track, std::uint32_t tick, std::uint32_t usPerQuarter);
void AddTimeSignature(SmfTrack& track, std::uint32_t tick, int numerator, int denominatorPower);
// Channels are 1..16.
void AddProgram(SmfTrack& track, std::uint32_t tick, int channel, int program);
void AddController(SmfTrack& track, std::uint32_t tick, int channel, int controller, int value);
void AddNote(SmfTrack& track, std::uint32_t tick, int channel, int key, int velocity,
             std::uint32_t length);

// The whole file. Within one tick, meta events come first, then note offs, then controllers
// and programs, then note ons (so a repeated key is released before it sounds again); each
// track ends with an end-of-track event after its last event.
Bytes EncodeSmf(std::uint16_t format, std::uint16_t division, const std::vector<SmfTrack>& tracks);
