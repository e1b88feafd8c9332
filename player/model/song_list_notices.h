// What the player tells the user about a song-list file it could not read or write. Each
// message names the file and the reason, in the interface language; the lists show it.
#pragma once

#include <string>

// A reason for a list file that is no errno: the file holds something other than a song list.
constexpr int kNotASongList = -1;

// The reason as the user reads it: the system's text for an errno, or kNotASongList's.
std::u16string SongListProblemText(int problem);

// The list's file could not be read: it is shown empty and never written over.
std::u16string SongListUnreadableText(const std::string& path, int problem);
// An edit of a list whose file could not be read is refused.
std::u16string SongListNotEditableText(const std::string& path);
// A save failed: the change stays on the screen and goes to the file with the next save.
std::u16string SongListNotSavedText(const std::string& path, int problem);
