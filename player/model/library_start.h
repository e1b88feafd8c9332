// Starting the synthesizer library when the main window opens: the output device in the stored
// format, the voice file, the polyphony and effect options and the output level, in that order.
// Each failure is told through PlayerMessages and leaves the window usable for the song lists.
#pragma once

#include <cstdint>

#include "platform/messages.h"
#include "player/model/player_messages.h"

// The library's start calls and the voice file.
class LibraryStartCalls {
public:
    virtual ~LibraryStartCalls() = default;
    // TeInit; 0 when the device refuses the format.
    virtual int Init(std::uint32_t formatFlag, platform::WindowHandle window, std::uint8_t level,
                     std::int32_t waveMapper) = 0;
    // Reads the shipped voice file and hands it to TeVoiceSet; false, with nothing handed, when
    // it cannot be read.
    virtual bool SetVoices() = 0;
    virtual void SetStatus(std::int32_t polyLimit, std::int32_t lpfDelay) = 0;  // TeSetStatus
    virtual void SetMasterVolume(std::uint8_t level) = 0;                       // SetMasterVolume
};

// TeInit's format flag for waveQuality 0..3; 0 for any other value.
std::uint32_t WaveFormatFlag(std::int32_t waveQuality);

// Starts the library for the window with the settings. A format the device refuses, or a stored
// one that is none of the four, is reset in the store to the one every device takes. Whatever
// a call throws ends the start with its message. 1 when the library is ready to play.
int StartLibrary(LibraryStartCalls& library, PlayerMessages& messages,
                 platform::WindowHandle window);
