#include "player/model/song_list_folder.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "platform/file_replace.h"

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

bool HasListExtension(std::string_view name) {
    if (name.size() < 4) return false;
    const std::string_view extension = name.substr(name.size() - 4);
    for (std::size_t i = 0; i < 4; ++i) {
        if (std::tolower(static_cast<unsigned char>(extension[i])) != ".lst"[i]) return false;
    }
    return true;
}

// The lists name the user's songs and folders: the folder is the user's alone, also one that an
// older version made readable to all. A folder of someone else is not the player's to change.
void MakePrivateFolder(const std::string& folder) {
    mkdir(folder.c_str(), 0700);
    struct stat info;
    if (stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != geteuid()) {
        return;
    }
    if ((info.st_mode & 077) != 0) chmod(folder.c_str(), info.st_mode & 0700);
}

}  // namespace

std::string ProgramDirectory() {
    const std::string dataHome = DataHome();
    std::error_code error;
    std::filesystem::create_directories(dataHome, error);
    const std::string folder = dataHome + "/tesalo/";
    MakePrivateFolder(folder);
    return folder;
}

void RemoveStaleSongListFiles(const std::string& folder) {
    platform::RemoveFolderFiles(folder, [](std::string_view name) {
        return HasListExtension(platform::ReplacedFileName(name));
    });
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
