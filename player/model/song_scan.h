// The pre-scan of files that are to become rows of a song list: each file's play time and title,
// read on a thread aside while the window goes on, and the one message that names the files that
// cannot be added.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "player/model/song_list_text.h"

// Runs scanOne(0) ... scanOne(count - 1) in that order, aside from the window's thread, and
// returns when all are done.
using ScanRunner =
    std::function<void(std::size_t count, const std::function<void(std::size_t index)>& scanOne)>;

// The songs of the files that can be listed and play for a second or more, in order, each
// pre-scanned through aside for its play time and title without a message box of its own; the
// paths of the others go to failed (a path with a line break cannot stand in a list, a file over
// 64 MB is no MIDI file and is not read).
std::vector<SongListSong> ScanMidiSongs(const std::vector<std::string>& paths,
                                        std::vector<std::string>* failed, const ScanRunner& aside);

// The one message that names the files that could not be added.
std::u16string FailedFilesMessage(const std::vector<std::string>& failed, bool japaneseUi);
