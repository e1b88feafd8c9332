// Command-line options shared by `tesalo render` and `tesalo play`.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct CliOptions {
    int quality = 0;       // 0..3: 22050/8, 22050/16, 44100/8, 44100/16
    int polyphony = 16;    // 8..32
    bool lowPass = false;  // filter (and echo at 16 bits)
    int level = 16;        // synthesizer level 0..16
    std::string voiceFile; // empty: voice.txt beside the program, if there
    bool raw = false;      // render: the device's bytes without a WAV header
    std::string codesFile; // render: every notification, one "CODE VALUE" line each
    std::string output;    // render: -o
    int maxSeconds = 0;    // render: TeStop once this many seconds are rendered (0: no limit)
    std::vector<std::string> songs;
};

// Parses argv[first..]; false with a message in *error on wrong usage.
bool ParseCliOptions(int argc, char** argv, int first, CliOptions* options, std::string* error);
// The TeInit format flag of a quality 0..3.
std::uint32_t FormatFlagOfQuality(int quality);
// Bytes of output per second at a quality 0..3.
std::uint32_t BytesPerSecondOfQuality(int quality);
