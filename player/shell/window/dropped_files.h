// The song files a drop from a file manager names: the local files of its URLs, the names'
// bytes as the URLs give them, and each folder among them replaced by its MIDI files.
#pragma once

#include <string>
#include <vector>

#include <QList>
#include <QUrl>

#include "player/model/dropped_songs.h"

// The paths of the file:// URLs (on this host), in their order; the other URLs, and a path
// with a NUL byte, are passed over.
std::vector<std::string> LocalFilePaths(const QList<QUrl>& urls);

// The paths with every folder replaced by its song files (player/model/dropped_songs), by name
// ignoring case as the song lists' combo box orders names.
std::vector<std::string> DroppedSongPaths(const std::vector<std::string>& paths);
