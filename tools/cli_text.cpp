#include "tools/cli_text.h"

#include <cstdint>
#include <cstdio>

namespace {

// The length of the UTF-8 sequence a byte starts; 0 for a byte that starts none.
std::size_t SequenceLength(std::uint8_t lead) {
    if (lead < 0x80) return 1;
    if (lead < 0xC2) return 0;
    if (lead < 0xE0) return 2;
    if (lead < 0xF0) return 3;
    return lead < 0xF5 ? 4 : 0;
}

// The length of the valid UTF-8 sequence at the start of text and its code point in *code; 0
// when the first byte starts none.
std::size_t DecodeUtf8(std::string_view text, std::uint32_t* code) {
    const auto lead = static_cast<std::uint8_t>(text[0]);
    const std::size_t length = SequenceLength(lead);
    if (length == 0 || length > text.size()) return 0;
    *code = length == 1 ? lead : lead & (0x7Fu >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<std::uint8_t>(text[i]);
        if ((next & 0xC0) != 0x80) return 0;
        *code = (*code << 6) | (next & 0x3Fu);
    }
    const std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool valid =
        *code >= smallest[length] && *code <= 0x10FFFF && (*code < 0xD800 || *code > 0xDFFF);
    return valid ? length : 0;
}

bool IsControl(std::uint32_t code) { return code < 0x20 || (code >= 0x7F && code <= 0x9F); }

void AppendEscape(std::string* out, unsigned code) {
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\x%02x", code);
    *out += escape;
}

}  // namespace

std::string Printable(std::string_view text) {
    std::string out;
    while (!text.empty()) {
        std::uint32_t code = 0;
        const std::size_t length = DecodeUtf8(text, &code);
        if (length == 0) {
            AppendEscape(&out, static_cast<std::uint8_t>(text[0]));
            text.remove_prefix(1);
            continue;
        }
        if (IsControl(code))
            AppendEscape(&out, code);
        else
            out.append(text.substr(0, length));
        text.remove_prefix(length);
    }
    return out;
}
