// The volume panel's rules apart from its widgets: the device volume in six steps and the
// synthesizer level, both on sliders whose top is the loud end.
#pragma once

#include <cstdint>

#include "library/tesalo.h"

constexpr int kTopSystemLevel = 5;
constexpr int kTopOutputLevel = TE_LEVEL_MAX;  // the slider's top: the synthesizer's full level
// One system step: level 5 is full volume on both channels.
constexpr std::uint32_t kSystemVolumeStep = 0x33333333u;

// The system level 0..5 of a device volume.
int SystemLevel(std::uint32_t deviceVolume);

// The system slider moved to position: sets the device volume when the level changed and keeps
// the new level in keptLevel.
void MoveSystemSlider(int position, int& keptLevel);
// The output slider moved to position: sets the synthesizer level and g_settings.masterVolume
// when they differ.
void MoveOutputSlider(int position);
