// Files opened from the desktop: the player's command line ("Open with", the desktop entry's
// %F) and the files a later start hands over. They go to the song list "Opened files", which is
// made when missing, and the first of them plays.
#pragma once

#include <string>
#include <vector>

#include "player/model/command_line_files.h"
#include "player/shell/window/main_window_controls.h"

inline constexpr char16_t kOpenedFilesTitle[] = u"Opened files";

// Adds the files that play (pre-scanned like the file chooser's) to "Opened files", shows that
// list and plays the first of the files, stopping a song that plays; a file that is already a
// row of the list is not added again but plays all the same. The files that do not exist or
// cannot be played are named in one message. While a dialog or menu is in front of the window,
// the files wait until it is gone; while the window closes, they are dropped.
void OpenFiles(const MainWindowControls& controls, const std::vector<std::string>& files);
