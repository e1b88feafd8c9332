#include "player/model/raise_request.h"

#include <charconv>
#include <cstdlib>
#include <string_view>

namespace {

constexpr std::string_view kRaiseLine = "raise";
constexpr std::string_view kOpenWord = "open ";
constexpr unsigned kOpenVersion = 1;
constexpr std::string_view kActivateWord = "activate ";
constexpr std::string_view kWaylandWord = "wayland";
constexpr std::string_view kX11Word = "x11";
// "activate wayland " and the longest token.
constexpr std::size_t kMaxActivateLine =
    kActivateWord.size() + kWaylandWord.size() + 1 + kMaxActivationToken;

bool Admissible(const std::string& path) {
    return !path.empty() && path.size() <= kMaxOpenPath && path.front() == '/' &&
           path.find('\0') == std::string::npos;
}

bool AdmissibleToken(std::string_view token) {
    if (token.empty() || token.size() > kMaxActivationToken) return false;
    for (const char byte : token) {
        if (byte <= ' ' || byte > '~') return false;
    }
    return true;
}

// "<kind> <token>"; false when the line is not that.
bool ReadActivateLine(std::string_view line, ActivationToken* activation) {
    const std::size_t space = line.find(' ');
    if (space == std::string_view::npos || !AdmissibleToken(line.substr(space + 1))) return false;
    const std::string_view kind = line.substr(0, space);
    if (kind != kWaylandWord && kind != kX11Word) return false;
    activation->kind = kind == kWaylandWord ? ActivationToken::kWayland : ActivationToken::kX11;
    activation->token = line.substr(space + 1);
    return true;
}

// How long the line at the front of buffer may be.
std::size_t LineBound(const std::string& buffer) {
    return buffer.compare(0, kActivateWord.size(), kActivateWord) == 0 ? kMaxActivateLine
                                                                       : kMaxRequestLine;
}

// A line other than "open": raise, activate or ignored.
void ReadLine(std::string_view line, RaiseRequest* request) {
    if (line == kRaiseLine) {
        request->kind = RaiseRequest::kRaise;
    } else if (line.substr(0, kActivateWord.size()) == kActivateWord &&
               ReadActivateLine(line.substr(kActivateWord.size()), &request->activation)) {
        request->kind = RaiseRequest::kActivate;
    }
}

// "<version> <length>" with nothing else; false when the line is not that.
bool ReadOpenLine(std::string_view line, unsigned* version, std::size_t* length) {
    const char* end = line.data() + line.size();
    auto [afterVersion, versionError] = std::from_chars(line.data(), end, *version);
    if (versionError != std::errc{} || afterVersion == end || *afterVersion != ' ') return false;
    auto [afterLength, lengthError] = std::from_chars(afterVersion + 1, end, *length);
    return lengthError == std::errc{} && afterLength == end;
}

// The zero-ended paths of a payload; false when any is not an absolute path or the last lacks
// its zero.
bool SplitPaths(std::string_view payload, std::vector<std::string>* files) {
    if (payload.empty() || payload.back() != '\0') return false;
    std::size_t start = 0;
    while (start < payload.size()) {
        const std::size_t zero = payload.find('\0', start);
        std::string path(payload.substr(start, zero - start));
        if (!Admissible(path)) return false;
        files->push_back(std::move(path));
        start = zero + 1;
    }
    return true;
}

}  // namespace

std::string EncodeRaiseRequest(const std::vector<std::string>& files) {
    std::string payload;
    for (const std::string& path : files) {
        if (!Admissible(path) || payload.size() + path.size() + 1 > kMaxOpenPayload) continue;
        payload += path;
        payload += '\0';
    }
    if (payload.empty()) return std::string(kRaiseLine) + '\n';
    return std::string(kOpenWord) + std::to_string(kOpenVersion) + ' ' +
           std::to_string(payload.size()) + '\n' + payload;
}

std::string EncodeActivationRequest(const ActivationToken& activation) {
    if (!AdmissibleToken(activation.token)) return {};
    const std::string_view kind =
        activation.kind == ActivationToken::kWayland ? kWaylandWord : kX11Word;
    return std::string(kActivateWord) + std::string(kind) + ' ' + activation.token + '\n';
}

std::string EnvironmentActivationRequests() {
    auto token = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value != nullptr ? value : "");
    };
    return EncodeActivationRequest({ActivationToken::kWayland, token("XDG_ACTIVATION_TOKEN")}) +
           EncodeActivationRequest({ActivationToken::kX11, token("DESKTOP_STARTUP_ID")});
}

RequestRead TakeRaiseRequest(std::string& buffer, RaiseRequest* request) {
    const std::size_t newline = buffer.find('\n');
    const std::size_t bound = LineBound(buffer);
    if (newline == std::string::npos) {
        return buffer.size() > bound ? RequestRead::kBroken : RequestRead::kNeedMore;
    }
    if (newline > bound) return RequestRead::kBroken;
    const std::string_view line(buffer.data(), newline);
    *request = RaiseRequest{};
    if (line.substr(0, kOpenWord.size()) != kOpenWord) {
        ReadLine(line, request);
        buffer.erase(0, newline + 1);
        return RequestRead::kTaken;
    }
    unsigned version = 0;
    std::size_t length = 0;
    if (!ReadOpenLine(line.substr(kOpenWord.size()), &version, &length) ||
        length > kMaxOpenPayload) {
        return RequestRead::kBroken;
    }
    if (buffer.size() - (newline + 1) < length) return RequestRead::kNeedMore;
    const std::string_view payload(buffer.data() + newline + 1, length);
    if (version == kOpenVersion && SplitPaths(payload, &request->files)) {
        request->kind = RaiseRequest::kOpen;
    } else {
        request->files.clear();
    }
    buffer.erase(0, newline + 1 + length);
    return RequestRead::kTaken;
}
