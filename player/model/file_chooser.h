// The MIDI file selection dialog without its widgets: the folder it opens in, the rows of the
// folder it shows, what opening a row does and which entries the selected rows choose.
#pragma once

#include <string>
#include <vector>

#include "player/model/folder_entries.h"

// The folder the dialog showed last during this run (empty before the first opening, then the
// user's home folder is taken).
extern std::string g_midiFileFolder;

// The folder to open in: lastFolder while it is a folder, else home (given a separator at its
// end) while that is one, else the root. home is null when it is not set.
std::string StartFolder(const std::string& lastFolder, const char* home);

// The rows of one folder at a time, in nameOrder; every folder it shows becomes lastFolder.
class FileChooser {
public:
    // Shows the start folder of lastFolder and the environment's HOME.
    FileChooser(std::string& lastFolder, NameOrder nameOrder);

    // The shown folder's rows, ".." on top (see ListFolder).
    const std::vector<FolderEntry>& Entries() const { return entries_; }

    // Opens the row: ".." shows the folder one level up, a folder shows that folder; a file or
    // a row that is not there does nothing. True when a folder was shown (the rows are new).
    bool Open(int row);

    // The entries of the rows whose flag is set, in row order.
    std::vector<const FolderEntry*> Chosen(const std::vector<bool>& selected) const;

private:
    void Show(const std::string& folder);

    std::string& lastFolder_;
    NameOrder nameOrder_;
    std::vector<FolderEntry> entries_;
};
