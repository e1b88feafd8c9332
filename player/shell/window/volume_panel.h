// The volume panel: the device's volume and the synthesizer's level on two vertical sliders that
// act while they move (template 165, the same in both interface languages).
#pragma once

// Runs the panel modally without owner window until OK or Escape. Returns 0.
int VolumePanel();
