// The song files a drop from a file manager names: the local files of its URLs, the names'
// bytes as the URLs give them, and each folder among them replaced by its MIDI files.
#pragma once

#include <string>
#include <vector>

#include <QList>
#include <QUrl>

// The paths of the file:// URLs (on this host), in their order; the other URLs, and a path
// with a NUL byte, are passed over.
std::vector<std::string> LocalFilePaths(const QList<QUrl>& urls);

// The paths with every folder replaced by the files in it (not in its sub-folders) whose names
// end in ".mid", ".midi", ".kar" or ".rmi" in any letter case, by name ignoring case; the other
// paths stay as they are, to be scanned (and named when they cannot be played).
std::vector<std::string> DroppedSongPaths(const std::vector<std::string>& paths);
