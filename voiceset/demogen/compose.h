// A small notation for writing the demo songs as text.
//
// Notes: a name, an optional # or b and an octave (C4 is key 60), then ":" and a length in
// sixteenths, kept for the following notes until changed: "E5:4 D5 C5:8". Chords join notes
// with "+": "C4+E4+G4:16". "r" is a rest, "v80" sets the velocity, "|" marks a bar and is
// ignored. A word that is none of these throws std::invalid_argument. Drum lines give one character
// per sixteenth: "X" accented, "x" normal, "o" soft, anything else silent; a line shorter than the
// stretch repeats.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "voiceset/demogen/smf_writer.h"

constexpr std::uint32_t kDivision = 480;
constexpr std::uint32_t kSixteenth = kDivision / 4;

constexpr std::uint32_t Bars(double bars, int beatsPerBar = 4) {
    return static_cast<std::uint32_t>(bars * beatsPerBar * kDivision);
}

// A note name ("F#3", "Bb2", "C4") as a MIDI key; std::invalid_argument for anything else.
int Key(std::string_view name);

// Writes the notes from `tick` on; each note sounds for `gate` of its length. Returns the tick
// after the last note or rest.
std::uint32_t Play(SmfTrack& track, int channel, std::uint32_t tick, std::string_view notation,
                   int velocity = 90, double gate = 0.9);

struct DrumLine {
    int key;
    std::string_view steps;
    int velocity = 90;
};

// Drum lines on channel 10 for `sixteenths` steps from `tick`.
void Drums(SmfTrack& track, std::uint32_t tick, std::uint32_t sixteenths,
           const std::vector<DrumLine>& lines);

// A track of its own with its name, program and mix settings at the start.
SmfTrack Instrument(const char* name, int channel, int program, int volume, int pan);
