// Command-line options shared by `tesalo render` and `tesalo play`.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "library/tesalo.h"

struct CliOptions {
    int quality = 0;                  // 0..3: 22050/8, 22050/16, 44100/8, 44100/16
    int rate = 0;                     // --rate 22050|44100; after parsing, the rate of quality
    int bits = 0;                     // --bits 8|16; after parsing, the bits of quality
    int polyphony = TE_POLY_DEFAULT;  // TE_POLY_MIN..TE_POLY_MAX
    bool lowPass = false;             // filter (and echo at 16 bits)
    int level = TE_LEVEL_MAX;         // synthesizer level TE_LEVEL_MIN..TE_LEVEL_MAX
    std::string voiceFile;            // empty: voice.txt beside the program, if there
    bool raw = false;                 // render: the device's bytes without a WAV header
    std::string codesFile;            // render: every notification, one "CODE VALUE" line each
    std::string output;               // render: -o
    int jobs = 0;                     // render: worker processes for several songs; 0 one per core
    int maxSeconds = 0;         // render: TeStop once this many seconds are rendered (0: no limit)
    std::uint32_t startMs = 0;  // --start: each song begins this many milliseconds in
    std::vector<std::string> songs;
};

// Parses argv[first..]; false with a message in *error on wrong usage.
bool ParseCliOptions(int argc, char** argv, int first, CliOptions* options, std::string* error);
// The TeInit format flag of a quality 0..3.
std::uint32_t FormatFlagOfQuality(int quality);
// Bytes of output per second at a quality 0..3.
std::uint32_t BytesPerSecondOfQuality(int quality);
