// Files opened from the desktop: the player's command line ("Open with", the desktop entry's
// %F) and the files a later start hands over. They go to the song list "Opened files", which is
// made when missing, and the first of them plays.
#pragma once

#include <string>
#include <vector>

#include "player/model/play_context.h"
#include "player/model/song_adding.h"

inline constexpr char16_t kOpenedFilesTitle[] = u"Opened files";

// Adds the files that play (pre-scanned as the file chooser's are) to "Opened files", shows that
// list and plays the first of the files, stopping a song that plays; a file that is already a
// row of the list (by its name, or the same file by another name) is not added again but plays
// all the same. The files that do not exist or cannot be played are named in one message.
void OpenSongFiles(const SongAdding& adding, const PlayContext& play,
                   const std::vector<std::string>& files);
