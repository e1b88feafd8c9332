// Merging the tracks of a format-1 file into one format-0 track in time order.
#pragma once

#include <cstdint>

// header: offset of "MThd" in the image. Builds the merged image into a zero-filled buffer of
// twice its size and returns its size, or 0 when memory cannot be had.
std::uint32_t MergeSmfTracks(const std::uint8_t* image, std::uint32_t size, std::uint32_t header,
                             std::uint8_t** merged);
