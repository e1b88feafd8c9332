// The song files a drop names: each folder among the dropped paths replaced by its MIDI files.
// (player/shell/window/dropped_files takes the paths from the drop's URLs.)
#pragma once

#include <string>
#include <vector>

#include "player/model/name_order.h"

// The paths with every folder replaced by the files in it (not in its sub-folders) whose names
// end in ".mid", ".midi", ".kar" or ".rmi" in any letter case, by name in nameOrder (the bytes
// for names it holds equal); the other paths stay as they are, to be scanned (and named when
// they cannot be played).
std::vector<std::string> DroppedSongPaths(const std::vector<std::string>& paths,
                                          NameOrder nameOrder);
