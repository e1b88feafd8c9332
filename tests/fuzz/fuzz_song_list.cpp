// The song-list reader: the file's bytes decoded as the player decodes them, the title and the
// song blocks read, and a list written from what was read must read back the same (unless one
// of its lines holds a marker, which the lenient reader takes as one wherever it stands).
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/codepage.h"
#include "player/data/song_list_text.h"

namespace {

bool IsMarker(std::u16string_view line) {
    return line.find(u"##SONGTITLE") != line.npos || line.find(u"##SONGFILE") != line.npos;
}

bool HoldsMarker(std::u16string_view title, const std::vector<SongListSong>& songs) {
    if (IsMarker(title)) return true;
    for (const SongListSong& song : songs) {
        if (IsMarker(song.path) || IsMarker(song.title)) return true;
    }
    return false;
}

bool SameSongs(const std::vector<SongListSong>& a, const std::vector<SongListSong>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].seconds != b[i].seconds || a[i].path != b[i].path || a[i].title != b[i].title) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string text = platform::DecodeSystemText(reinterpret_cast<const char*>(data), size);
    std::u16string title;
    const bool titled = ReadListTitle(text, &title);
    if (title.size() > kListTitleChars) std::abort();
    const std::vector<SongListSong> songs = ReadListSongs(text);
    for (const SongListSong& song : songs) {
        if (song.path.size() > kListLineChars || song.title.size() > kListLineChars) std::abort();
    }
    TimeTextSeconds(text.substr(0, 32));
    if (HoldsMarker(title, songs)) return 0;
    // Written back (as the player saves a list it shows), the list reads the same.
    const std::u16string again = WriteListText(title, songs);
    std::u16string titleAgain;
    if (ReadListTitle(again, &titleAgain) != true || (titled && titleAgain != title)) std::abort();
    if (!SameSongs(ReadListSongs(again), songs)) std::abort();
    return 0;
}
