// The frame's helpers shared by its files.
#pragma once

#include <cstdint>

// Notification codes of the "TEDLL_NOTIFY" message.
enum NotifyCode : std::uint32_t {
    kNotifyInit = 0,
    kNotifyPlay = 1,
    kNotifyBlockCount = 2,
    kNotifyPolyphony = 3,
    kNotifyLoad = 4,
    kNotifyDuration = 5,
    kNotifyEnd = 6,
};

// Posts "TEDLL_NOTIFY" with code and value to the parent window.
void PostNotify(std::uint32_t code, std::intptr_t value);
// Shows a library message box (caption "TESALO.DLL") in the language chosen by TeInit.
void ShowLibraryMessage(const char16_t* japanese, const char16_t* english);
// Builds pitchStep, levelTable, sampleScale and charValue for the current sample rate.
void BuildEngineTables();
// Fills volumeTable for master level m (0..16) and publishes it.
void BuildVolumeTable(std::uint8_t m);
// Milliseconds of a steady counter.
std::uint32_t TickCountMs();
// Gives up the rest of the time slice.
void YieldTimeSlice();
