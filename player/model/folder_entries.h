// The rows of the MIDI file selection dialog: the sub-folders and the "*.mid" files of one
// folder, read from the file system into plain records.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "player/model/name_order.h"

// The folder separator, which is also the root.
constexpr char kFolderSeparator = '/';

struct FolderEntry {
    std::u16string name;  // as shown: decoded from rawName; ".." for the parent
    std::string rawName;  // the name's bytes as the file system holds them
    std::string folder;   // the listed folder, ending with the separator
    bool isFolder;
    std::uint64_t size;  // bytes; 0 for a folder
};

// The rows of folder (ending with the separator): ".." unless it is the root, every
// sub-folder, every file whose name ends in ".mid" in any letter case; folders first, then by
// name in nameOrder (the bytes for names it holds equal), ".." always on top. A folder that
// cannot be read gives only "..".
std::vector<FolderEntry> ListFolder(const std::string& folder, NameOrder nameOrder);

// The entry's full path as the file system knows it.
std::string EntryPath(const FolderEntry& entry);

// The folder one level up: cut behind the separator before the final one; the root stays.
std::string ParentFolder(const std::string& folder);

// The size column: "(Folder)", or the bytes in decimal with "," between groups of three digits.
std::u16string SizeText(const FolderEntry& entry);
