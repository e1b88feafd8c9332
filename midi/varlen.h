// Variable-length quantities of Standard MIDI Files: 7 bits per byte, most significant group
// first, the top bit set on every byte but the last.
#pragma once

#include <cstdint>

// Reads one quantity of any number of bytes and moves the cursor behind it. Groups shifted out
// at the top are lost. Reading stops at end: a quantity cut off there gives what was read (the
// sequencer ends its track there instead; both read by midi/midi_bytes.h).
std::uint32_t ReadVarLen(const std::uint8_t** cursor, const std::uint8_t* end);

// Writes the quantity in as few bytes as it needs (one to five) and moves out behind them.
void WriteVarLen(std::uint8_t** out, std::uint32_t value);
