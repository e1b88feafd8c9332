#include "player/model/folder_entries.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/codepage.h"

namespace {

namespace fs = std::filesystem;

bool IsMidiName(const std::string& name) {
    constexpr std::string_view kSuffix = ".mid";
    if (name.size() <= kSuffix.size()) return false;
    const std::string_view tail = std::string_view(name).substr(name.size() - kSuffix.size());
    return std::equal(tail.begin(), tail.end(), kSuffix.begin(), [](char a, char b) {
        return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
    });
}

FolderEntry MakeEntry(const std::string& folder, const std::string& rawName, bool isFolder,
                      std::uint64_t size) {
    return {platform::DecodeSystemText(rawName.data(), rawName.size()), rawName, folder, isFolder,
            size};
}

// One directory entry as a row; false when it is neither a folder nor a MIDI file.
bool ReadEntry(const fs::directory_entry& found, const std::string& folder, FolderEntry* entry) {
    std::error_code error;
    const std::string rawName = found.path().filename().native();
    if (found.is_directory(error)) {
        *entry = MakeEntry(folder, rawName, true, 0);
        return true;
    }
    if (!IsMidiName(rawName)) return false;
    const std::uintmax_t size = found.file_size(error);
    *entry = MakeEntry(folder, rawName, false, error ? 0 : size);
    return true;
}

bool RowBefore(const FolderEntry& a, const FolderEntry& b, NameOrder nameOrder) {
    const bool aParent = a.name == u"..";
    if (aParent != (b.name == u"..")) return aParent;
    if (a.isFolder != b.isFolder) return a.isFolder;
    const int order = nameOrder(a.name, b.name);
    return order != 0 ? order < 0 : a.rawName < b.rawName;
}

}  // namespace

std::vector<FolderEntry> ListFolder(const std::string& folder, NameOrder nameOrder) {
    std::vector<FolderEntry> entries;
    if (folder != std::string(1, kFolderSeparator)) {
        entries.push_back({u"..", "..", folder, true, 0});
    }
    std::error_code error;
    fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        FolderEntry entry;
        if (ReadEntry(*it, folder, &entry)) entries.push_back(std::move(entry));
    }
    std::sort(entries.begin(), entries.end(),
              [nameOrder](const FolderEntry& a, const FolderEntry& b) {
                  return RowBefore(a, b, nameOrder);
              });
    return entries;
}

std::string EntryPath(const FolderEntry& entry) { return entry.folder + entry.rawName; }

std::string ParentFolder(const std::string& folder) {
    if (folder.size() < 2) return folder;
    const std::size_t cut = folder.rfind(kFolderSeparator, folder.size() - 2);
    return cut == std::string::npos ? folder : folder.substr(0, cut + 1);
}

std::u16string SizeText(const FolderEntry& entry) {
    if (entry.isFolder) return u"(Folder)";
    const std::string digits = std::to_string(entry.size);
    std::u16string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) text.push_back(u',');
        text.push_back(static_cast<char16_t>(digits[i]));
    }
    return text;
}
