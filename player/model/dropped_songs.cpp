#include "player/model/dropped_songs.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "platform/codepage.h"

namespace {

namespace fs = std::filesystem;

constexpr std::array<std::string_view, 4> kSongSuffixes = {".mid", ".midi", ".kar", ".rmi"};

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EndsWithIgnoringCase(const std::string& name, std::string_view suffix) {
    if (name.size() <= suffix.size()) return false;
    const std::string_view tail = std::string_view(name).substr(name.size() - suffix.size());
    return std::equal(tail.begin(), tail.end(), suffix.begin(),
                      [](char a, char b) { return Lower(a) == b; });
}

bool IsSongName(const std::string& name) {
    return std::any_of(
        kSongSuffixes.begin(), kSongSuffixes.end(),
        [&name](std::string_view suffix) { return EndsWithIgnoringCase(name, suffix); });
}

bool NameBefore(const std::string& a, const std::string& b, NameOrder nameOrder) {
    const std::u16string shownA = platform::DecodeSystemText(a.data(), a.size());
    const std::u16string shownB = platform::DecodeSystemText(b.data(), b.size());
    const int order = nameOrder(shownA, shownB);
    return order != 0 ? order < 0 : a < b;
}

// The song files of the folder, by name; a folder that cannot be read gives none.
std::vector<std::string> FolderSongs(const std::string& folder, NameOrder nameOrder) {
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        std::error_code kind;
        const std::string name = it->path().filename().native();
        if (it->is_regular_file(kind) && IsSongName(name)) names.push_back(name);
    }
    std::sort(names.begin(), names.end(), [nameOrder](const std::string& a, const std::string& b) {
        return NameBefore(a, b, nameOrder);
    });
    const std::string prefix = folder.back() == '/' ? folder : folder + '/';
    for (std::string& name : names) name.insert(0, prefix);
    return names;
}

}  // namespace

std::vector<std::string> DroppedSongPaths(const std::vector<std::string>& paths,
                                          NameOrder nameOrder) {
    std::vector<std::string> songs;
    for (const std::string& path : paths) {
        std::error_code error;
        if (!fs::is_directory(path, error)) {
            songs.push_back(path);
            continue;
        }
        const std::vector<std::string> inFolder = FolderSongs(path, nameOrder);
        songs.insert(songs.end(), inFolder.begin(), inFolder.end());
    }
    return songs;
}
