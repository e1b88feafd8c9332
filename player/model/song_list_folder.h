// The folder of the song-list files: the user's data folder, where a program installed for all
// users can still write.
#pragma once

#include <string>
#include <vector>

// ${XDG_DATA_HOME:-$HOME/.local/share}/tesalo/ with its trailing '/', created when missing; the
// folder is made the user's alone (0700).
std::string ProgramDirectory();

// The names of the regular files "*.lst" in folder (the extension in any letter case), in the
// order the file system gives them.
std::vector<std::string> FindSongListFiles(const std::string& folder);

// Removes the temporary files that saves of lists left in folder when the player died before
// renaming them (ReplaceFileContents' names of "*.lst" files only). For the start of the one
// running player, before it saves anything.
void RemoveStaleSongListFiles(const std::string& folder);
