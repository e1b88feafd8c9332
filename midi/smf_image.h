// Whole-file images and their preparation for the synthesizer library, which plays one track.
#pragma once

#include <cstdint>
#include <string>

// Reads the whole file into a zero-filled buffer of size + 8 bytes (the readers may look a few
// bytes past the data and find zeros). False on any failure, with nothing allocated and the
// file closed. The caller frees the image with FreeFileImage.
bool LoadFileImage(const std::string& path, std::uint8_t** image, std::uint32_t* size);
void FreeFileImage(std::uint8_t* image);

// Validates a Standard MIDI File image and makes it one track.
//   0   format 0 with "MThd" at the start: image and size unchanged;
//   -1  rejected: image and size unchanged (the caller frees it). A missing header chunk and a
//       bad time division have shown a message box; other formats than 0 and 1 show none;
//   > 0 the old image is freed and *image is a new one of *size bytes (= the result) in a
//       zero-filled buffer of twice that size: format 1 merged into one track, or a format-0
//       file whose "MThd" stood further in (a RIFF wrapper) cut to start there.
int PrepareSmfImage(std::uint8_t** image, std::uint32_t* size);
