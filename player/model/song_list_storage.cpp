#include "player/model/song_list_storage.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "platform/codepage.h"
#include "player/model/song_list_folder.h"
#include "player/model/song_list_notices.h"
#include "player/model/song_list_text.h"
#include "player/model/text_cut.h"

namespace {

// A song list has no business being larger; a bigger file is not taken for one.
constexpr off_t kMaxListBytes = 64 << 20;

int ReadOpenList(int file, std::string* bytes) {
    struct stat info;
    if (fstat(file, &info) != 0) return errno;
    if (!S_ISREG(info.st_mode)) return kNotASongList;
    if (info.st_size > kMaxListBytes) return EFBIG;
    char chunk[65536];
    for (;;) {
        const ssize_t got = read(file, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return errno;
        if (got == 0) return 0;
        if (bytes->size() + static_cast<std::size_t>(got) >
            static_cast<std::size_t>(kMaxListBytes)) {
            return EFBIG;
        }
        bytes->append(chunk, static_cast<std::size_t>(got));
    }
}

}  // namespace

int ReadListFile(const char16_t* fileName, std::string* bytes) {
    bytes->clear();
    const int file = open(SongListPath(fileName).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (file < 0) return errno;
    int problem = ReadOpenList(file, bytes);
    close(file);
    // A stray zero byte is damage, not the end of the text: the songs behind it are kept.
    bytes->erase(std::remove(bytes->begin(), bytes->end(), '\0'), bytes->end());
    if (problem == 0 && !HoldsSongList(*bytes)) problem = kNotASongList;
    return problem;
}

std::string SongListPath(const char16_t* fileName) {
    return ProgramDirectory() + platform::Utf16ToUtf8(fileName);
}

int ReadSongListTitle(const char16_t* fileName, SongListRecord* record) {
    std::string bytes;
    const int problem = ReadListFile(fileName, &bytes);
    std::u16string title;
    if (problem != 0 || !ReadListTitle(bytes, &title) || title.empty()) title = fileName;
    CopyToBuffer(title, record->title, kSongListTitleCapacity);
    return problem == 0 ? 1 : 0;
}

int SongListFileExists(const char16_t* fileName) {
    struct stat info;
    return lstat(SongListPath(fileName).c_str(), &info) == 0 ? 1 : 0;
}

std::u16string FreeSongListFileName(const std::function<bool(const std::u16string&)>& taken) {
    for (int n = 0;; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "snglst%03d.lst", n);
        const std::u16string fileName(name, name + std::char_traits<char>::length(name));
        if (!taken(fileName)) return fileName;
    }
}
