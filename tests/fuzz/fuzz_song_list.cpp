// The song-list reader: the title and the song blocks read from any bytes, and a list written
// from what was read must read back the same, whatever its titles and paths hold.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "player/model/song_list_text.h"

namespace {

// What was read, as the writer puts it on one line each.
std::vector<SongListSong> AsWritten(std::vector<SongListSong> songs) {
    for (SongListSong& song : songs) song.title = ListTitleText(song.title);
    return songs;
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
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::u16string title;
    const bool titled = ReadListTitle(bytes, &title);
    if (title.size() > kListTitleChars) std::abort();
    const std::vector<SongListSong> songs = ReadListSongs(bytes);
    for (const SongListSong& song : songs) {
        if (song.title.size() > kSongTitleChars || !PathFitsList(song.path)) std::abort();
    }
    HoldsSongList(bytes);
    TimeTextSeconds(title.substr(0, 32));
    // Written back (as the player saves a list it shows), the list reads the same.
    const std::string again = WriteListText(title, songs);
    std::u16string titleAgain;
    if (!ReadListTitle(again, &titleAgain) || (titled && titleAgain != ListTitleText(title))) {
        std::abort();
    }
    if (!HoldsSongList(again) || !SameSongs(ReadListSongs(again), AsWritten(songs))) std::abort();
    return 0;
}
