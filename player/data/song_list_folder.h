// The folder of the song-list files: the user's data folder, where a program installed for all
// users can still write.
#pragma once

#include <string>
#include <vector>

// ${XDG_DATA_HOME:-$HOME/.local/share}/tesalo/ with its trailing '/', created when missing.
std::string ProgramDirectory();

// The names of the regular files "*.lst" in folder (the extension in any letter case), in the
// order the file system gives them.
std::vector<std::string> FindSongListFiles(const std::string& folder);
