// Running the `tesalo` program from tests and reading what it wrote.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct CommandResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the shell command line with the environment given in front (e.g. "HOME=/x ").
CommandResult RunCommand(const std::string& commandLine);
// "<bin>/tesalo " followed by the arguments.
std::string Tesalo(const std::string& arguments);
std::string ReadWholeFile(const std::string& path);
// A new empty folder below the system's temporary folder.
std::string MakeTempFolder();

struct WavFile {
    std::uint16_t format = 0, channels = 0, bits = 0;
    std::uint32_t rate = 0;
    std::string data;
};
// Parses a canonical 44-byte-header PCM WAV file; false when it is not one.
bool ParseWav(const std::string& bytes, WavFile* wav);
