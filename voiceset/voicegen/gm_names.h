// The General MIDI names of the 128 programs and of the drum keys 35..81.
#pragma once

// Program 0..127.
const char* ProgramName(int program);
// Drum key 35..81.
const char* DrumName(int key);
