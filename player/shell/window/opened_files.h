// Files opened from the desktop (the command line's and those a later start hands over) reach
// the model's OpenSongFiles (player/model/opened_songs.h) once the window is free for them.
#pragma once

#include <string>
#include <vector>

#include "player/model/command_line_files.h"
#include "player/shell/window/main_window_controls.h"

// Opens the files as OpenSongFiles does, with the window raised. While a dialog or menu is in front
// of the window, the files wait until it is gone; while the window closes, they are dropped.
void OpenFiles(const MainWindowControls& controls, const std::vector<std::string>& files);
