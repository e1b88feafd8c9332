// The player's ten settings, and where its window was and which song list it showed, in their
// store in the current user's registry, under Software\<vendor>\Tesalo. They are read once at
// start, live in g_settings while the player runs, and are written back together at exit. A store
// that cannot be opened gives the defaults and takes nothing; a save that fails says so
// (SettingsSaveFailure gives the text).
#pragma once

#include <cstdint>
#include <string>

#include "library/tesalo.h"

// Each field bears its registry value's name; every value is a DWORD in the store.
struct PlayerSettings {
    std::int32_t bChainPlay = 0;   // 1: when a song ends, play the next row
    std::int32_t bAutoRepeat = 0;  // 1: with chain play, go on from the first row after the last
    std::int32_t polyLimit = TE_POLY_DEFAULT;  // most voices at once, TE_POLY_MIN..TE_POLY_MAX
                                               // (not checked when read)
    std::int32_t bLPFDelay = 0;                // 1: low-pass filter and delay effect on
    std::int32_t bWaveMapper = 0;              // 1: force the system wave mapper
    std::int32_t waveQuality = 0;    // output format 0..3: 22.05 kHz 8/16-bit, 44.1 kHz 8/16-bit
    std::int32_t colTitle = 160;     // list view column widths in pixels: "Title",
    std::int32_t colTime = 40;       //   "Time",
    std::int32_t colFileTime = 140;  //   "FileName"
    std::int32_t masterVolume = TE_LEVEL_MAX;  // the synthesizer's output level
                                               // TE_LEVEL_MIN..TE_LEVEL_MAX
};

// The player's one settings record: the defaults until LoadSettings.
extern PlayerSettings g_settings;

// What the window was like when the player last ended, stored beside the settings; each field
// bears its registry value's name.
struct WindowMemory {
    // The window's restored geometry (client area, in the desktop's logical pixels: half the
    // screen's at a scale factor of 2) and whether it was maximized: DWORD values, taken as
    // stored (the window checks them against the screens).
    // windowWidth 0: none known, and none is written.
    std::int32_t windowX = 0;
    std::int32_t windowY = 0;
    std::int32_t windowWidth = 0;
    std::int32_t windowHeight = 0;
    std::int32_t windowMaximized = 1;
    // A string value: the file name of the song list shown, e.g. snglst002.lst; empty: none
    // known, and none is written.
    std::u16string lastSongList;
};

// The player's one window memory: none known until LoadSettings.
extern WindowMemory g_windowMemory;

// Opens (creating it if missing) "Software\" + vendorName below the current user's root and
// keeps it as the one open vendor key. 0 when a vendor key is already open (it stays open)
// or the registry refuses.
int OpenVendorKey(const char16_t* vendorName);
// Closes the open vendor key, if any.
void CloseVendorKey();

// The value in subkey (nullptr: the vendor key itself) below the open vendor key, taken as
// its raw bytes, little-endian, whatever its type; defaultValue when no vendor key is open,
// the value is missing or it is longer than 4 bytes.
std::int32_t ReadDwordSetting(const char16_t* subkey, const char16_t* valueName,
                              std::int32_t defaultValue);
// Stores value as a DWORD in subkey (nullptr: the vendor key itself); 1 when the store holds
// it in memory, 0 with no open vendor key. The file takes it when the vendor key is flushed or
// closed.
int WriteDwordSetting(const char16_t* subkey, const char16_t* valueName, std::int32_t value);

// Fills g_settings and g_windowMemory from the store, each missing value with its default. A last
// song list that is no string, or is longer than a list's file name may be, is none.
void LoadSettings();
// Writes the ten values of g_settings, and those of g_windowMemory that are known, to the store
// file, all in one replacement of it. 1 when the file holds them; 0
// when it could not be read or written (it is then as it was).
int SaveSettings();
// After a failed library start: waveQuality becomes 0, in g_settings and in the store at once,
// so the next start uses the format every device takes. 1/0 as SaveSettings.
int ResetWaveQuality();
