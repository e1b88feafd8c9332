// Multibyte text to and from UTF-16.
#pragma once

#include <cstddef>
#include <string>

#include "platform/export.h"

namespace platform {

// Text the player reads: UTF-8 when it is valid UTF-8, else CP932 when the system language is
// Japanese, else CP1252. Bytes CP932 cannot decode become U+FFFD; nothing is dropped silently.
PLATFORM_API std::u16string DecodeSystemText(const char* bytes, std::size_t length);
// Text whose encoding only its bytes tell, whatever the system language: UTF-8 when it is valid
// UTF-8, else CP932 when it is valid CP932 (a handheld's Japanese text), else CP1252 with its
// five undefined bytes as C1 controls. Never a replacement character: every byte is kept.
PLATFORM_API std::u16string DecodeTextByBytes(const char* bytes, std::size_t length);
PLATFORM_API std::string Utf16ToUtf8(const std::u16string& text);
PLATFORM_API std::u16string Utf8ToUtf16(const std::string& text);
// True for a lead byte of a double-byte character of CP932 (0x81-0x9F, 0xE0-0xFC).
PLATFORM_API bool IsDoubleByteLead(unsigned char byte);

}  // namespace platform
