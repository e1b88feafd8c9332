// Files opened from the desktop: the player's command line ("Open with", the desktop entry's
// %F) and the files a later start hands over. They go to the song list "Opened files", which is
// made when missing, and the first of them plays.
#pragma once

#include <string>
#include <vector>

#include "player/shell/window/main_window_controls.h"

inline constexpr char16_t kOpenedFilesTitle[] = u"Opened files";

// The files of the command line (argv[1] on), each made absolute against the working folder; the
// bytes of a name stay as given. Arguments that start with '-' are options the player does not
// have and are passed over, up to a "--" after which every argument is a file.
std::vector<std::string> CommandLineFiles(int argc, char** argv);

// Adds the files that play (pre-scanned like the file chooser's) to "Opened files", shows that
// list and plays the first of the files, stopping a song that plays; a file that is already a
// row of the list is not added again but plays all the same. The files that do not exist or
// cannot be played are named in one message. While a dialog or menu is in front of the window,
// the files wait until it is gone; while the window closes, they are dropped.
void OpenFiles(const MainWindowControls& controls, const std::vector<std::string>& files);
