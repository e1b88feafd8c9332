#include "platform/codepage.h"

#include <iconv.h>

#include <bit>
#include <cerrno>

#include "platform/language.h"

namespace platform {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf16(std::u16string& out, char32_t code) {
    if (code >= 0x10000) {
        code -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
    } else {
        out.push_back(static_cast<char16_t>(code));
    }
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (code >> 18)));
        out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

// Reads one well-formed UTF-8 sequence at bytes[pos]; returns its length, or 0 when the bytes
// there are not one (overlong forms, surrogates and values past U+10FFFF included).
std::size_t ReadUtf8(const unsigned char* bytes, std::size_t length, std::size_t pos,
                     char32_t* code) {
    unsigned char lead = bytes[pos];
    std::size_t count;
    char32_t value;
    char32_t minimum;
    if (lead < 0x80) {
        *code = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        count = 2, value = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        count = 3, value = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        count = 4, value = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (length - pos < count) return 0;
    for (std::size_t i = 1; i < count; ++i) {
        unsigned char trail = bytes[pos + i];
        if ((trail & 0xC0) != 0x80) return 0;
        value = (value << 6) | (trail & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
    *code = value;
    return count;
}

bool IsValidUtf8(const unsigned char* bytes, std::size_t length) {
    char32_t code;
    for (std::size_t pos = 0; pos < length;) {
        std::size_t used = ReadUtf8(bytes, length, pos, &code);
        if (used == 0) return false;
        pos += used;
    }
    return true;
}

// CP1252's bytes 0x80-0x9F; the five it leaves undefined stand for their C1 controls, so that
// every byte decodes and nothing is lost when the text is written again.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::u16string DecodeCp1252(const char* bytes, std::size_t length) {
    std::u16string out;
    out.reserve(length);
    for (std::size_t i = 0; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        out.push_back(byte >= 0x80 && byte <= 0x9F ? kCp1252High[byte - 0x80] : byte);
    }
    return out;
}

// Decodes through iconv. A byte that starts no valid character becomes U+FFFD and decoding goes
// on with the next byte; without replace, such a byte fails the whole text instead.
bool DecodeWithIconv(const char* encoding, const char* bytes, std::size_t length, bool replace,
                     std::u16string* out) {
    const char* target = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";
    iconv_t converter = iconv_open(target, encoding);
    if (converter == reinterpret_cast<iconv_t>(-1)) return false;
    char* in = const_cast<char*>(bytes);
    std::size_t inLeft = length;
    char16_t chunk[256];
    bool whole = true;
    while (inLeft > 0 && whole) {
        char* outPtr = reinterpret_cast<char*>(chunk);
        std::size_t outLeft = sizeof chunk;
        std::size_t result = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
        int error = errno;
        out->append(chunk, (sizeof chunk - outLeft) / sizeof(char16_t));
        if (result == static_cast<std::size_t>(-1) && error != E2BIG) {
            whole = replace;
            out->push_back(static_cast<char16_t>(kReplacement));
            ++in;
            --inLeft;
            iconv(converter, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(converter);
    return whole;
}

}  // namespace

std::u16string DecodeSystemText(const char* bytes, std::size_t length) {
    const auto* unsignedBytes = reinterpret_cast<const unsigned char*>(bytes);
    if (IsValidUtf8(unsignedBytes, length)) {
        return Utf8ToUtf16(std::string(bytes, length));
    }
    if (GetSystemDefaultLanguage() != kLangJapanese) return DecodeCp1252(bytes, length);
    std::u16string out;
    if (!DecodeWithIconv("CP932", bytes, length, true, &out)) {
        out.assign(length, static_cast<char16_t>(kReplacement));
    }
    return out;
}

std::u16string DecodeTextByBytes(const char* bytes, std::size_t length) {
    const auto* unsignedBytes = reinterpret_cast<const unsigned char*>(bytes);
    if (IsValidUtf8(unsignedBytes, length)) return Utf8ToUtf16(std::string(bytes, length));
    std::u16string out;
    if (DecodeWithIconv("CP932", bytes, length, false, &out)) return out;
    return DecodeCp1252(bytes, length);
}

std::string Utf16ToUtf8(const std::u16string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t unit = text[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            AppendUtf8(out, kReplacement);  // a surrogate without its partner
        } else {
            AppendUtf8(out, unit);
        }
    }
    return out;
}

std::u16string Utf8ToUtf16(const std::string& text) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        char32_t code = kReplacement;
        std::size_t used = ReadUtf8(bytes, text.size(), pos, &code);
        AppendUtf16(out, used == 0 ? kReplacement : code);
        pos += used == 0 ? 1 : used;
    }
    return out;
}

bool IsDoubleByteLead(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

}  // namespace platform
