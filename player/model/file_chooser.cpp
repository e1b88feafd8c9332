#include "player/model/file_chooser.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

std::string g_midiFileFolder;

namespace {

bool IsFolder(const std::string& folder) {
    std::error_code error;
    return !folder.empty() && std::filesystem::is_directory(folder, error);
}

}  // namespace

std::string StartFolder(const std::string& lastFolder, const char* home) {
    if (IsFolder(lastFolder)) return lastFolder;
    std::string folder = home != nullptr ? home : "";
    if (folder.empty() || folder.back() != kFolderSeparator) folder += kFolderSeparator;
    return IsFolder(folder) ? folder : std::string(1, kFolderSeparator);
}

FileChooser::FileChooser(std::string& lastFolder, NameOrder nameOrder)
    : lastFolder_(lastFolder), nameOrder_(nameOrder) {
    Show(StartFolder(lastFolder, std::getenv("HOME")));
}

bool FileChooser::Open(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= entries_.size()) return false;
    const FolderEntry entry = entries_[static_cast<std::size_t>(row)];
    if (entry.name == u"..") {
        Show(ParentFolder(entry.folder));
    } else if (entry.isFolder) {
        Show(EntryPath(entry) + kFolderSeparator);
    }
    return entry.isFolder;
}

std::vector<const FolderEntry*> FileChooser::Chosen(const std::vector<bool>& selected) const {
    std::vector<const FolderEntry*> chosen;
    for (std::size_t row = 0; row < entries_.size() && row < selected.size(); ++row) {
        if (selected[row]) chosen.push_back(&entries_[row]);
    }
    return chosen;
}

void FileChooser::Show(const std::string& folder) {
    lastFolder_ = folder;
    entries_ = ListFolder(folder, nameOrder_);
}
