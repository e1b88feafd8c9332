// The system's default language as a language id.
#pragma once

#include <cstdint>

#include "platform/export.h"

namespace platform {

constexpr std::uint16_t kLangJapanese = 0x0411;
constexpr std::uint16_t kLangEnglish = 0x0409;

// 0x0411 when the first set of LC_ALL, LC_MESSAGES, LANG starts with "ja", else 0x0409.
PLATFORM_API std::uint16_t GetSystemDefaultLanguage();

// Whether a language id's primary language (its low ten bits) is Japanese, whatever the
// sublanguage.
constexpr bool IsJapaneseLanguage(std::uint16_t language) {
    constexpr std::uint16_t kPrimaryLanguageBits = 0x3FF;
    return (language & kPrimaryLanguageBits) == (kLangJapanese & kPrimaryLanguageBits);
}

// Whether the system's default language is Japanese: the library's and the player's texts follow
// it.
inline bool SystemLanguageIsJapanese() { return IsJapaneseLanguage(GetSystemDefaultLanguage()); }

}  // namespace platform
