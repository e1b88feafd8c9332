// The song lists shipped with the program, offered on a first start.
#pragma once

#include <string>

// Where the shipped lists are: beside the program (a build's bin/) when any "*.lst" is there,
// else the install prefix's share/tesalo/ seen from the program's bin/.
std::string ShippedSongListFolder(const std::string& programFolder);

// When folder holds no song list yet, copies the shipped ones into it. Lists that cannot be
// copied are left out; the player then starts with fewer lists.
void InstallShippedSongLists(const std::string& folder, const std::string& programFolder);
