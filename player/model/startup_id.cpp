#include "player/model/startup_id.h"

#include <charconv>
#include <cstring>

namespace {

constexpr char kTimeMark[] = "_TIME";
// The current time, as X11 writes it in a request.
constexpr std::uint32_t kCurrentTime = 0;

// The value as a startup-notification message holds it: quoted, with a backslash before each
// quote and backslash, when it holds a space, a quote or a backslash; else as it is.
std::string Quoted(const std::string& value) {
    if (value.find_first_of(" \"\\") == std::string::npos) return value;
    std::string quoted = "\"";
    for (const char c : value) {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + '"';
}

}  // namespace

std::uint32_t StartupTime(const std::string& startupId) {
    const std::size_t mark = startupId.rfind(kTimeMark);
    if (mark == std::string::npos) return kCurrentTime;
    const char* first = startupId.data() + mark + std::strlen(kTimeMark);
    const char* last = startupId.data() + startupId.size();
    std::uint32_t time = kCurrentTime;
    // from_chars takes neither a sign nor a space, and fails on a number past 32 bits.
    const auto [end, error] = std::from_chars(first, last, time);
    return error == std::errc{} && end == last ? time : kCurrentTime;
}

std::string StartupRemoveMessage(const std::string& startupId) {
    return "remove: ID=" + Quoted(startupId) + '\0';
}
