#include "player/data/song_list_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>

namespace {

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0') return home;
    const passwd* user = getpwuid(getuid());
    return user != nullptr ? user->pw_dir : "/";
}

// XDG_DATA_HOME counts only as an absolute path, as the base directory rules say.
std::string DataHome() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && dataHome[0] == '/') return dataHome;
    return HomeFolder() + "/.local/share";
}

bool HasListExtension(const std::string& name) {
    if (name.size() < 4) return false;
    const std::string extension = name.substr(name.size() - 4);
    for (std::size_t i = 0; i < 4; ++i) {
        if (std::tolower(static_cast<unsigned char>(extension[i])) != ".lst"[i]) return false;
    }
    return true;
}

}  // namespace

std::string ProgramDirectory() {
    const std::string folder = DataHome() + "/tesalo/";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return folder;
}

std::vector<std::string> FindSongListFiles(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (HasListExtension(name) && it->is_regular_file(error)) names.push_back(name);
    }
    return names;
}
