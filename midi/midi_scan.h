// Pre-scan of a MIDI file for the song lists: its play time and its title.
#pragma once

#include <cstdint>
#include <string>

constexpr int kTitleCapacity = 256;

// Prepares the file as for playing and walks its one track. Returns the play time in
// milliseconds through the tempo map, as the sequencer plays it, and fills title with the first
// sequence/track name in time order (trailing spaces removed; possibly empty). 0 when the file
// cannot be read or is rejected; title is then left untouched.
// The player's scan gives the CPU away after every timed event, so that a long scan leaves the
// song that plays its time; a program with nothing else to run scans at full speed.
enum class ScanPace { kShareTheCpu, kFullSpeed };
std::uint32_t ScanMidiFile(const std::string& path, char16_t title[kTitleCapacity],
                           ScanPace pace = ScanPace::kShareTheCpu);
