// Where tests find real songs: the demo songs of the repository, always there, and the larger
// corpus beside the repository, which only the project's own workspace and CI have.
#pragma once

#include <string>
#include <vector>

// The demo songs shipped in voiceset/demo/, sorted.
std::vector<std::string> DemoSongs();

// True when the shared corpus is beside the repository.
bool HaveSharedSongs();
// The *.mid files of the shared corpus, sorted; empty when it is absent.
std::vector<std::string> SharedSongs();
// Why a test of the shared corpus skips itself.
inline constexpr const char* kNoSharedSongs =
    "no shared MIDI corpus beside the repository (../shared/midi/)";

// Writes the bytes to path; false when the file cannot be written.
bool WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes);
