#include "player/model/song_list_text.h"

#include <algorithm>

#include "platform/codepage.h"
#include "player/model/text_cut.h"

namespace {

constexpr std::string_view kTitleMarker = "##SONGTITLE";
constexpr std::string_view kSongMarker = "##SONGFILE";
constexpr std::size_t kNoLine = static_cast<std::size_t>(-1);
// The handheld wrote "%d": larger values would not read back there.
constexpr std::uint64_t kMaxSeconds = 0x7FFFFFFF;

// The lines of the text without their ends: CR LF, LF and CR each end a line.
std::vector<std::string_view> SplitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') continue;
        lines.push_back(bytes.substr(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) lines.push_back(bytes.substr(start));
    return lines;
}

bool IsMarkerLine(std::string_view line, std::string_view marker) { return line.ends_with(marker); }

std::string_view LineAt(const std::vector<std::string_view>& lines, std::size_t index) {
    return index < lines.size() ? lines[index] : std::string_view();
}

// The index of the line behind the first title marker, or kNoLine.
std::size_t TitleLine(const std::vector<std::string_view>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (IsMarkerLine(lines[i], kTitleMarker)) return i + 1;
    }
    return kNoLine;
}

std::u16string LineText(std::string_view line, std::size_t maxChars) {
    return CutAtCharacter(platform::DecodeTextByBytes(line.data(), line.size()), maxChars);
}

// The value of the digits at the start (after spaces), as the handheld's reader took it.
template <typename Text>
std::uint64_t DecimalValue(Text text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    std::uint64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = std::min<std::uint64_t>(value * 10 + static_cast<std::uint64_t>(text[i] - '0'),
                                        kMaxSeconds);
    }
    return value;
}

bool IsBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

bool ReadListTitle(std::string_view bytes, std::u16string* title) {
    const std::vector<std::string_view> lines = SplitLines(bytes);
    const std::size_t titleLine = TitleLine(lines);
    if (titleLine == kNoLine) return false;
    *title = LineText(LineAt(lines, titleLine), kListTitleChars);
    return true;
}

std::vector<SongListSong> ReadListSongs(std::string_view bytes) {
    const std::vector<std::string_view> lines = SplitLines(bytes);
    // The list's own title is a name, never a marker: a list called "##SONGFILE" has no song
    // in its title line.
    const std::size_t titleLine = TitleLine(lines);
    std::vector<SongListSong> songs;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i == titleLine || !IsMarkerLine(lines[i], kSongMarker)) continue;
        songs.push_back({static_cast<std::uint32_t>(DecimalValue(LineAt(lines, i + 1))),
                         std::string(LineAt(lines, i + 2)),
                         LineText(LineAt(lines, i + 3), kSongTitleChars)});
        i += 3;  // the song's lines are its own, whatever they hold
    }
    return songs;
}

bool HoldsSongList(std::string_view bytes) {
    if (!ReadListSongs(bytes).empty()) return true;
    const std::vector<std::string_view> lines = SplitLines(bytes);
    const std::size_t titleLine = TitleLine(lines);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i + 1 != titleLine && i != titleLine && !IsBlank(lines[i])) return false;
    }
    return true;
}

std::string WriteListText(std::u16string_view title, const std::vector<SongListSong>& songs) {
    std::string text = "##SONGTITLE\r\n";
    text.append(platform::Utf16ToUtf8(ListTitleText(title))).append("\r\n\r\n");
    for (const SongListSong& song : songs) {
        text.append("##SONGFILE\r\n").append(std::to_string(song.seconds)).append("\r\n");
        text.append(song.path).append("\r\n");
        text.append(platform::Utf16ToUtf8(ListTitleText(song.title))).append("\r\n\r\n");
    }
    return text;
}

std::u16string ListTitleText(std::u16string_view title) {
    std::u16string text(title);
    for (char16_t& c : text) {
        if (c < 0x20 || c == 0x7F) c = u' ';
    }
    return text;
}

bool PathFitsList(std::string_view path) {
    return path.find_first_of("\r\n") == std::string_view::npos;
}

std::uint32_t TimeTextSeconds(std::u16string_view timeText) {
    const std::size_t colon = timeText.find(u':');
    const std::uint64_t minutes = DecimalValue(timeText.substr(0, colon));
    const std::uint64_t seconds =
        colon == std::u16string_view::npos ? 0 : DecimalValue(timeText.substr(colon + 1));
    return static_cast<std::uint32_t>(std::min(minutes * 60 + seconds, kMaxSeconds));
}
