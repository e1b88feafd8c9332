// The song-list files as the player reads them, without a window: the record of a list, the
// path and the bytes of its file, its title, and the free name of a new list's file.
// (player/model/song_list_index enters the lists into the list of their names and shows them.)
#pragma once

#include <cstddef>
#include <functional>
#include <string>

constexpr std::size_t kSongListTitleCapacity = 128;
constexpr std::size_t kSongListFileNameCapacity = 262;

// One per song list; its address is the data of the list's songLists entry.
struct SongListRecord {
    char16_t title[kSongListTitleCapacity];        // also the entry's name in songLists
    char16_t fileName[kSongListFileNameCapacity];  // without folder, e.g. snglst000.lst
};

// The full path of a list file: ProgramDirectory followed by the file name.
std::string SongListPath(const char16_t* fileName);

// 0 with the file's bytes, else why it cannot be taken: an errno (ENOENT for a list that has
// no file yet) or kNotASongList. A FIFO in the file's place must not hang the player; a file
// above 64 MiB is EFBIG; stray zero bytes are dropped.
int ReadListFile(const char16_t* fileName, std::string* bytes);

// Sets record->title from the file's title line; a file without one, or one that cannot be read,
// gives its file name as the title, so the list can still be chosen. 1, or 0 when unreadable.
int ReadSongListTitle(const char16_t* fileName, SongListRecord* record);

// 1 when an entry of that name exists in the ProgramDirectory, else 0.
int SongListFileExists(const char16_t* fileName);

// The first name "snglst%03d.lst" (from snglst000.lst on) that taken says is free.
std::u16string FreeSongListFileName(const std::function<bool(const std::u16string&)>& taken);
