#include "player/model/file_url.h"

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

bool KeptAsIs(unsigned char byte) {
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
           (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' ||
           byte == '~' || byte == '/';
}

// The value of a hex digit, or -1.
int HexValue(char digit) {
    if (digit >= '0' && digit <= '9') return digit - '0';
    if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
    if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
    return -1;
}

std::string PercentDecoded(std::string_view text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            const int high = HexValue(text[i + 1]), low = HexValue(text[i + 2]);
            if (high >= 0 && low >= 0) {
                bytes += static_cast<char>(high * 16 + low);
                i += 2;
                continue;
            }
        }
        bytes += text[i];
    }
    return bytes;
}

}  // namespace

std::string FileUrl(const std::string& path) {
    if (path.empty()) return {};
    std::string url = "file://";
    if (path.front() != '/') url += '/';
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (KeptAsIs(byte)) {
            url += c;
        } else {
            url += '%';
            url += kHex[byte >> 4];
            url += kHex[byte & 0x0F];
        }
    }
    return url;
}

std::optional<std::string> FilePathOf(std::string_view url) {
    for (const std::string_view prefix : {"file://localhost/", "file:///"}) {
        if (!url.starts_with(prefix)) continue;
        const std::string path = PercentDecoded(url.substr(prefix.size() - 1));
        if (path.find('\0') != std::string::npos) return std::nullopt;
        return path;
    }
    return std::nullopt;
}
