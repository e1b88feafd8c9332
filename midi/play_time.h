// The play-time text of the song lists.
#pragma once

#include <cstdint>
#include <string>

// "%02d:%02d": minutes (three digits from 100 on), then seconds.
std::u16string FormatPlayTime(std::uint32_t seconds);
