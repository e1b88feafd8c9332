// The system's default language as a language id.
#pragma once

#include <cstdint>

#include "platform/export.h"

namespace platform {

constexpr std::uint16_t kLangJapanese = 0x0411;
constexpr std::uint16_t kLangEnglish = 0x0409;

// 0x0411 when the first set of LC_ALL, LC_MESSAGES, LANG starts with "ja", else 0x0409.
PLATFORM_API std::uint16_t GetSystemDefaultLanguage();

}  // namespace platform
