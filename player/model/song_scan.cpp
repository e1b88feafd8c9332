#include "player/model/song_scan.h"

#include <sys/stat.h>

#include "midi/midi_scan.h"
#include "platform/codepage.h"
#include "platform/msgbox.h"

namespace {

constexpr std::size_t kNamedInMessage = 10;

// Larger than any real MIDI file: refused before it is read (a file of gigabytes would be read
// whole into memory).
constexpr off_t kMaxMidiFileBytes = off_t{64} << 20;

// Pre-scanning a file that is no MIDI file shows a box of its own: the files are named in one
// message instead. Boxes that other threads (the library's, the window's) ask for go on as
// before.
platform::MessageBoxPresenter g_shownPresenter = nullptr;
thread_local bool t_scanningThread = false;

int QuietOnScanningThread(const std::u16string& text, const std::u16string& caption,
                          unsigned flags) {
    if (!t_scanningThread && g_shownPresenter != nullptr) {
        return g_shownPresenter(text, caption, flags);
    }
    return platform::kBoxResultOk;
}

bool IsMidiSizedFile(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           info.st_size <= kMaxMidiFileBytes;
}

// The file's song; false when it cannot stand in a list or plays for less than a second.
bool ScanMidiSong(const std::string& path, SongListSong* song) {
    if (!PathFitsList(path) || !IsMidiSizedFile(path)) return false;
    char16_t title[kTitleCapacity] = {};
    const std::uint32_t seconds = ScanMidiFile(path, title) / 1000;
    if (seconds == 0) return false;
    *song = {seconds, path, ListTitleText(title)};
    return true;
}

}  // namespace

std::vector<SongListSong> ScanMidiSongs(const std::vector<std::string>& paths,
                                        std::vector<std::string>* failed, const ScanRunner& aside) {
    std::vector<SongListSong> scanned(paths.size());
    std::vector<char> usable(paths.size(), 0);
    g_shownPresenter = platform::SetMessageBoxPresenter(&QuietOnScanningThread);
    aside(paths.size(), [&](std::size_t index) {
        t_scanningThread = true;
        usable[index] = ScanMidiSong(paths[index], &scanned[index]);
        t_scanningThread = false;
    });
    platform::SetMessageBoxPresenter(g_shownPresenter);
    std::vector<SongListSong> songs;
    for (std::size_t index = 0; index < paths.size(); ++index) {
        if (usable[index] != 0) {
            songs.push_back(std::move(scanned[index]));
        } else {
            failed->push_back(paths[index]);
        }
    }
    return songs;
}

std::u16string FailedFilesMessage(const std::vector<std::string>& failed, bool japaneseUi) {
    std::u16string text = japaneseUi ? u"次のファイルは再生できないため追加しませんでした:"
                                     : u"These files cannot be played and were not added:";
    for (std::size_t i = 0; i < failed.size() && i < kNamedInMessage; ++i) {
        text += u'\n';
        text += platform::DecodeTextByBytes(failed[i].data(), failed[i].size());
    }
    if (failed.size() > kNamedInMessage) {
        const std::string more = std::to_string(failed.size() - kNamedInMessage);
        text += japaneseUi ? u"\nほか " : u"\nand ";
        text += platform::Utf8ToUtf16(more);
        text += japaneseUi ? u" 個" : u" more";
    }
    return text;
}
