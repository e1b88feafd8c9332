// The message the player shows when its settings could not be saved.
#pragma once

#include <string>

// Names the store file and why the last SaveSettings or ResetWaveQuality could not write it:
// the system's reason for a failed write, or that the file was too large or unreadable to be
// read (such a file is never written over). In Japanese when japaneseUi.
std::u16string SettingsSaveFailure(bool japaneseUi);
