#include "platform/registry_text.h"

#include <cstdint>
#include <cstdio>
#include <vector>

#include "platform/codepage.h"
#include "platform/registry.h"

namespace platform {
namespace {

constexpr std::string_view kSignature = "Windows Registry Editor Version 5.00";
constexpr std::string_view kRootName = "HKEY_CURRENT_USER";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != prefix[i]) return false;
    }
    return true;
}

// Physical lines without their LF or CRLF.
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// minDigits to maxDigits hex digits and nothing else.
bool ParseHex(std::string_view digits, std::size_t minDigits, std::size_t maxDigits,
              std::uint32_t* value) {
    if (digits.size() < minDigits || digits.size() > maxDigits) return false;
    std::uint32_t result = 0;
    for (char c : digits) {
        int digit = HexDigit(c);
        if (digit < 0) return false;
        result = result << 4 | static_cast<std::uint32_t>(digit);
    }
    *value = result;
    return true;
}

// "01,02,ff"; an empty list is no bytes. Two digits a byte, as written, so that a line cut
// short is not read as a smaller number.
bool ParseByteList(std::string_view list, std::vector<std::uint8_t>* bytes) {
    if (Trim(list).empty()) return true;
    while (true) {
        std::size_t comma = list.find(',');
        std::uint32_t byte = 0;
        if (!ParseHex(Trim(list.substr(0, comma)), 2, 2, &byte)) return false;
        bytes->push_back(static_cast<std::uint8_t>(byte));
        if (comma == std::string_view::npos) return true;
        list.remove_prefix(comma + 1);
    }
}

// "..." at the start of text, with \\ and \" the only escapes; *used counts up to and with
// the closing quote.
bool ParseQuoted(std::string_view text, std::string* out, std::size_t* used) {
    if (text.empty() || text.front() != '"') return false;
    for (std::size_t i = 1; i < text.size(); ++i) {
        char c = text[i];
        if (c == '"') {
            *used = i + 1;
            return true;
        }
        if (c == '\\') {
            if (i + 1 == text.size() || (text[i + 1] != '\\' && text[i + 1] != '"')) return false;
            c = text[++i];
        }
        out->push_back(c);
    }
    return false;
}

std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') out.push_back('\\');
        out.push_back(c);
    }
    out.push_back('"');
    return out;
}

// False when the bytes are not well-formed UTF-8 (they would not come back unchanged).
bool DecodeUtf8(const std::string& bytes, std::u16string* text) {
    *text = Utf8ToUtf16(bytes);
    return Utf16ToUtf8(*text) == bytes;
}

std::vector<std::uint8_t> StringBytes(const std::u16string& text) {
    std::vector<std::uint8_t> bytes;
    for (char16_t unit : text) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    bytes.insert(bytes.end(), {0, 0});
    return bytes;
}

// The text of a string value that a quoted string holds unchanged.
bool PlainStringText(const std::vector<std::uint8_t>& data, std::u16string* text) {
    std::size_t size = data.size();
    if (size < 2 || size % 2 != 0 || data[size - 2] != 0 || data[size - 1] != 0) return false;
    for (std::size_t i = 0; i + 2 < size; i += 2) {
        text->push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8));
    }
    return IsStorableText(*text);
}

std::uint32_t LittleEndian32(const std::vector<std::uint8_t>& data) {
    return static_cast<std::uint32_t>(data[0] | data[1] << 8 | data[2] << 16) |
           static_cast<std::uint32_t>(data[3]) << 24;
}

std::vector<std::uint8_t> LittleEndianBytes(std::uint32_t value) {
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

bool ParseStringData(std::string_view data, RegistryValueRecord* value) {
    std::string bytes;
    std::size_t used = 0;
    std::u16string text;
    if (!ParseQuoted(data, &bytes, &used) || used != data.size()) return false;
    if (!DecodeUtf8(bytes, &text) || !IsStorableText(text)) return false;
    value->type = kRegistryString;
    value->data = StringBytes(text);
    return true;
}

// What follows "=": a string, dword:, hex: or hex(type):.
bool ParseData(std::string_view data, RegistryValueRecord* value) {
    std::uint32_t number = 0;
    if (data.starts_with('"')) return ParseStringData(data, value);
    if (data.starts_with("dword:")) {
        if (!ParseHex(data.substr(6), 8, 8, &number)) return false;
        value->type = kRegistryDword;
        value->data = LittleEndianBytes(number);
        return true;
    }
    if (data.starts_with("hex:")) {
        value->type = kRegistryBinary;
        return ParseByteList(data.substr(4), &value->data);
    }
    std::size_t close = data.find("):");
    if (!data.starts_with("hex(") || close == std::string_view::npos) return false;
    if (!ParseHex(data.substr(4, close - 4), 1, 8, &number)) return false;
    value->type = number;
    return ParseByteList(data.substr(close + 2), &value->data);
}

bool ParseValueLine(std::string_view line, RegistryValueRecord* value) {
    std::string name;
    std::size_t used = 1;  // "@", the default value, has the empty name
    if (!line.starts_with('@') && !ParseQuoted(line, &name, &used)) return false;
    if (!DecodeUtf8(name, &value->name) || !IsStorableText(value->name)) return false;
    if (line.substr(used, 1) != "=") return false;
    return ParseData(line.substr(used + 1), value);
}

// "[HKEY_CURRENT_USER]" or "[HKEY_CURRENT_USER\path]"; other roots are not this user's.
bool ParseHeader(std::string_view line, std::u16string* path) {
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') return false;
    std::string_view inner = line.substr(1, line.size() - 2);
    if (!StartsWithNoCase(inner, kRootName)) return false;
    inner.remove_prefix(kRootName.size());
    if (inner.empty()) return true;
    if (inner.front() != '\\') return false;
    return DecodeUtf8(std::string(inner.substr(1)), path) && IsRegistryPath(*path);
}

// The logical line from lines[first]: a line ending in "\" goes on at the next line when
// that one is indented (so a damaged line never swallows the header after it). Returns the
// index behind its last physical line.
std::size_t JoinLine(const std::vector<std::string_view>& lines, std::size_t first,
                     std::string* joined) {
    *joined = Trim(lines[first]);
    std::size_t next = first + 1;
    while (!joined->empty() && joined->back() == '\\' && next < lines.size() &&
           !lines[next].empty() && IsBlank(lines[next].front())) {
        joined->pop_back();
        *joined += Trim(lines[next]);
        ++next;
    }
    return next;
}

// True when lines[at] is blank and the line before it ends in "\": written back without it,
// that line would go on at an indented line after it and read differently next time.
bool PartsContinuation(const std::vector<std::string_view>& lines, std::size_t at) {
    if (at == 0 || at >= lines.size() || !Trim(lines[at]).empty()) return false;
    const std::string_view before = Trim(lines[at - 1]);
    return !before.empty() && before.back() == '\\';
}

struct ParseCursor {
    std::size_t key = kNoRegistryIndex;  // the key whose section is being read
    bool badHeader = false;              // the current section's header could not be read
};

// Takes one logical line into the store; false when it cannot be read.
bool ReadLine(RegistryStore& store, ParseCursor& cursor, std::string_view line) {
    if (line.empty()) return true;
    if (line.front() == '[') {
        std::u16string path;
        cursor.badHeader = !ParseHeader(line, &path);
        if (!cursor.badHeader) cursor.key = EnsureRegistryKey(store, path);
        return !cursor.badHeader;
    }
    RegistryValueRecord value{};
    if (cursor.badHeader || cursor.key == kNoRegistryIndex) return false;
    if (!ParseValueLine(line, &value)) return false;
    PutRegistryValue(store.keys[cursor.key], std::move(value));
    return true;
}

std::string HexNumber(std::uint32_t value, int minDigits) {
    char digits[9];
    std::snprintf(digits, sizeof digits, "%0*x", minDigits, value);
    return digits;
}

std::string FormatData(const RegistryValueRecord& value) {
    std::u16string text;
    if (value.type == kRegistryDword && value.data.size() == 4) {
        return "dword:" + HexNumber(LittleEndian32(value.data), 8);
    }
    if (value.type == kRegistryString && PlainStringText(value.data, &text)) {
        return Quoted(Utf16ToUtf8(text));
    }
    std::string out =
        value.type == kRegistryBinary ? "hex:" : "hex(" + HexNumber(value.type, 1) + "):";
    for (std::size_t i = 0; i < value.data.size(); ++i) {
        if (i > 0) out.push_back(',');
        out += HexNumber(value.data[i], 2);
    }
    return out;
}

void AppendLines(std::string& out, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        out += line;
        out.push_back('\n');
    }
}

}  // namespace

RegistryStore ParseRegistryText(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    std::vector<std::string_view> lines = SplitLines(text);
    RegistryStore store;
    ParseCursor cursor;
    std::size_t next = (!lines.empty() && Trim(lines[0]) == kSignature) ? 1 : 0;
    while (next < lines.size()) {
        std::string line;
        std::size_t end = JoinLine(lines, next, &line);
        if (!ReadLine(store, cursor, line)) {
            std::vector<std::string>& kept =
                cursor.key == kNoRegistryIndex ? store.keptLines : store.keys[cursor.key].keptLines;
            kept.insert(kept.end(), lines.begin() + static_cast<std::ptrdiff_t>(next),
                        lines.begin() + static_cast<std::ptrdiff_t>(end));
            if (PartsContinuation(lines, end)) kept.emplace_back(lines[end]);
        }
        next = end;
    }
    return store;
}

std::string FormatRegistryText(const RegistryStore& store) {
    std::string out(kSignature);
    out += "\n\n";
    AppendLines(out, store.keptLines);
    if (!store.keptLines.empty()) out.push_back('\n');
    for (const RegistryKeyRecord& key : store.keys) {
        out += "[" + std::string(kRootName);
        if (!key.path.empty()) out += "\\" + Utf16ToUtf8(key.path);
        out += "]\n";
        for (const RegistryValueRecord& value : key.values) {
            out += (value.name.empty() ? "@" : Quoted(Utf16ToUtf8(value.name))) + "=";
            out += FormatData(value) + "\n";
        }
        AppendLines(out, key.keptLines);
        out.push_back('\n');
    }
    return out;
}

}  // namespace platform
