// The frame's helpers shared by its files.
#pragma once

#include <cstdint>

#include "library/tesalo.h"

// Posts TE_NOTIFY_MESSAGE with code (TE_NOTIFY_*) and value to the parent window.
void PostNotify(std::uint32_t code, std::intptr_t value);
// DecodeSmf for the first block of a start further in: its first `lead` samples are left out.
bool DecodeSmfFrom(WAVEBUFFER& buffer, std::uint32_t lead);
// Shows a library message box (caption "TESALO.DLL") in the language chosen by TeInit.
void ShowLibraryMessage(const char16_t* japanese, const char16_t* english);
// Builds pitchStep, levelTable, sampleScale and charValue for the current sample rate.
void BuildEngineTables();
// Fills volumeTable for master level m (TE_LEVEL_MIN..TE_LEVEL_MAX) and publishes it.
void BuildVolumeTable(std::uint8_t m);
// Milliseconds of a steady counter.
std::uint32_t TickCountMs();
// Gives up the rest of the time slice.
void YieldTimeSlice();
