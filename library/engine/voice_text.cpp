#include "library/engine/voice_text.h"

#include <cstring>

#include "platform/codepage.h"

namespace {

constexpr std::uint8_t kNotSample = 255;

bool IsDigit(std::uint8_t byte) { return byte >= '0' && byte <= '9'; }

// Bytes taken by the character at pos: two for a double-byte character, cut at the end.
std::size_t CharacterSize(const VoiceText& text, std::size_t pos) {
    return platform::IsDoubleByteLead(text.bytes[pos]) && pos + 1 < text.length ? 2 : 1;
}

// Position of the next "//" at or after pos, or length. memchr finds each "/" candidate.
std::size_t FindCommentStart(const std::uint8_t* image, std::size_t length, std::size_t pos) {
    while (pos + 1 < length) {
        const void* slash = std::memchr(image + pos, '/', length - 1 - pos);
        if (slash == nullptr) return length;
        pos = static_cast<std::size_t>(static_cast<const std::uint8_t*>(slash) - image);
        if (image[pos + 1] == '/') return pos;
        ++pos;
    }
    return length;
}

}  // namespace

std::size_t StripComments(const std::uint8_t* image, std::size_t length, std::uint8_t* out) {
    std::size_t in = 0;
    std::size_t written = 0;
    while (in < length) {
        const std::size_t comment = FindCommentStart(image, length, in);
        std::memcpy(out + written, image + in, comment - in);
        written += comment - in;
        if (comment == length) break;
        const void* lineFeed = std::memchr(image + comment + 2, '\n', length - comment - 2);
        if (lineFeed == nullptr) break;
        in = static_cast<const std::uint8_t*>(lineFeed) - image + 1;
    }
    return written;
}

std::size_t FindByte(const VoiceText& text, std::size_t pos, std::uint8_t marker) {
    if (pos >= text.length) return text.length;
    const void* found = std::memchr(text.bytes + pos, marker, text.length - pos);
    if (found == nullptr) return text.length;
    return static_cast<std::size_t>(static_cast<const std::uint8_t*>(found) - text.bytes);
}

std::int32_t ReadNumber(const VoiceText& text, std::size_t& pos) {
    while (pos < text.length && !IsDigit(text.bytes[pos]) && text.bytes[pos] != '-') ++pos;
    if (pos >= text.length) {
        pos = text.length;
        return 0;
    }
    const bool negative = text.bytes[pos] == '-';
    if (negative) ++pos;
    // Unsigned so that an absurdly long number wraps instead of overflowing.
    std::uint32_t value = 0;
    while (pos < text.length && IsDigit(text.bytes[pos])) {
        value = value * 10 + (text.bytes[pos] - '0');
        ++pos;
    }
    return static_cast<std::int32_t>(negative ? 0u - value : value);
}

void SkipToComma(const VoiceText& text, std::size_t& pos) {
    while (pos < text.length && text.bytes[pos] != ',') pos += CharacterSize(text, pos);
}

void CopyName(const VoiceText& text, std::size_t& pos, char* field, std::size_t capacity) {
    std::memset(field, 0, capacity);
    const std::size_t start = pos;
    SkipToComma(text, pos);
    const std::size_t kept = pos - start < capacity - 1 ? pos - start : capacity - 1;
    std::memcpy(field, text.bytes + start, kept);
}

// The end is found first, and the loop works on locals: a store through samples (bytes) could
// otherwise alias the text and force every position and bound to be reloaded.
void ReadSamples(const VoiceText& text, std::size_t& pos, const std::uint8_t* charValue,
                 std::uint8_t* samples, std::size_t count) {
    const std::uint8_t* bytes = text.bytes;
    const std::size_t end = FindByte(text, pos, ';');
    std::size_t stored = 0;
    for (std::size_t at = pos; at < end; ++at) {
        const std::uint8_t value = charValue[bytes[at]];
        if (value != kNotSample && stored < count) samples[stored++] = value;
    }
    pos = end;
}
