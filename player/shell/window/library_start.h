// Starting the synthesizer library when the main window opens: the output device in the stored
// format, the voice file, the polyphony and effect options and the output level.
#pragma once

#include <cstdint>

#include "platform/messages.h"

// TeInit's format flag for waveQuality 0..3; 0 for any other value.
std::uint32_t WaveFormatFlag(std::int32_t waveQuality);

// Starts the library for the window; a failure shows its message and leaves the window usable
// for the song lists. 1 when the library is ready to play.
int StartLibrary(platform::WindowHandle window);
