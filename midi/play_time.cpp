#include "midi/play_time.h"

#include <cstdio>

std::u16string FormatPlayTime(std::uint32_t seconds) {
    char text[32];
    const int length = std::snprintf(text, sizeof text, "%02u:%02u", seconds / 60, seconds % 60);
    return std::u16string(text, text + length);
}
