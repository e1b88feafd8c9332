#include "player/data/song_list_text.h"

#include <algorithm>

#include "player/data/text_cut.h"

namespace {

constexpr std::u16string_view kTitleMarker = u"##SONGTITLE";
constexpr std::u16string_view kSongMarker = u"##SONGFILE";
// The handheld wrote "%d": larger values would not read back there.
constexpr std::uint64_t kMaxSeconds = 0x7FFFFFFF;

// Files saved by other editors may end their lines in LF alone; both forms read the same.
std::u16string UnifyLineEnds(std::u16string_view text) {
    std::u16string unified;
    unified.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') continue;
        unified.push_back(text[i]);
    }
    return unified;
}

// The position behind the next marker line at or after from (a marker counts when a line end
// or the end of the text follows it), or npos.
std::size_t FindMarker(std::u16string_view text, std::u16string_view marker, std::size_t from) {
    for (std::size_t at = text.find(marker, from); at != std::u16string_view::npos;
         at = text.find(marker, at + 1)) {
        const std::size_t behind = at + marker.size();
        if (behind == text.size()) return behind;
        if (text[behind] == u'\n') return behind + 1;
    }
    return std::u16string_view::npos;
}

// The line at *pos, cut to maxChars; *pos moves behind its line end (or to the end of the text).
std::u16string TakeLine(std::u16string_view text, std::size_t* pos, std::size_t maxChars) {
    const std::size_t end = std::min(text.find(u'\n', *pos), text.size());
    const std::u16string line = CutAtCharacter(text.substr(*pos, end - *pos), maxChars);
    *pos = std::min(end + 1, text.size());
    return line;
}

// The value of the digits at the start (after spaces), as the handheld's reader took it.
std::uint64_t DecimalValue(std::u16string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == u' ') ++i;
    std::uint64_t value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = std::min(value * 10 + (text[i] - u'0'), kMaxSeconds);
    }
    return value;
}

std::u16string DecimalText(std::uint32_t value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

}  // namespace

bool ReadListTitle(std::u16string_view text, std::u16string* title) {
    const std::u16string unified = UnifyLineEnds(text);
    std::size_t pos = FindMarker(unified, kTitleMarker, 0);
    if (pos == std::u16string_view::npos) return false;
    *title = TakeLine(unified, &pos, kListTitleChars);
    return true;
}

std::vector<SongListSong> ReadListSongs(std::u16string_view text) {
    const std::u16string unified = UnifyLineEnds(text);
    std::vector<SongListSong> songs;
    std::size_t pos = 0;
    while ((pos = FindMarker(unified, kSongMarker, pos)) != std::u16string_view::npos) {
        SongListSong song;
        const std::u16string seconds = TakeLine(unified, &pos, kListLineChars);
        song.seconds = static_cast<std::uint32_t>(DecimalValue(seconds));
        song.path = TakeLine(unified, &pos, kListLineChars);
        song.title = TakeLine(unified, &pos, kListLineChars);
        songs.push_back(std::move(song));
    }
    return songs;
}

std::u16string WriteListText(std::u16string_view title, const std::vector<SongListSong>& songs) {
    std::u16string text = u"##SONGTITLE\r\n";
    text.append(title).append(u"\r\n\r\n");
    for (const SongListSong& song : songs) {
        text.append(u"##SONGFILE\r\n").append(DecimalText(song.seconds)).append(u"\r\n");
        text.append(song.path).append(u"\r\n").append(song.title).append(u"\r\n\r\n");
    }
    return text;
}

std::uint32_t TimeTextSeconds(std::u16string_view timeText) {
    const std::size_t colon = timeText.find(u':');
    const std::uint64_t minutes = DecimalValue(timeText.substr(0, colon));
    const std::uint64_t seconds =
        colon == std::u16string_view::npos ? 0 : DecimalValue(timeText.substr(colon + 1));
    return static_cast<std::uint32_t>(std::min(minutes * 60 + seconds, kMaxSeconds));
}
