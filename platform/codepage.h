// Multibyte text to and from UTF-16.
#pragma once

#include <cstddef>
#include <string>

#include "platform/export.h"

namespace platform {

// Text the player reads: UTF-8 when it is valid UTF-8, else CP932 when the system language is
// Japanese, else CP1252. Bytes that cannot be decoded become U+FFFD; nothing is dropped silently.
PLATFORM_API std::u16string DecodeSystemText(const char* bytes, std::size_t length);
// Text the player writes: UTF-8.
PLATFORM_API std::string EncodeSystemText(const std::u16string& text);
PLATFORM_API std::string Utf16ToUtf8(const std::u16string& text);
PLATFORM_API std::u16string Utf8ToUtf16(const std::string& text);
// True for a lead byte of a double-byte character of CP932 (0x81-0x9F, 0xE0-0xFC).
PLATFORM_API bool IsDoubleByteLead(unsigned char byte);

}  // namespace platform
