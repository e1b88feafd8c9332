#include "platform/registry_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <string_view>

#include "platform/file_replace.h"

namespace platform {
namespace {

constexpr std::string_view kStoreName = "registry.reg";

// Creates the folder and its missing parents, for the user alone.
int MakeFolders(const std::string& folder) {
    for (std::size_t end = 1; end <= folder.size(); ++end) {
        if (end < folder.size() && folder[end] != '/') continue;
        if (mkdir(folder.substr(0, end).c_str(), 0700) != 0 && errno != EEXIST) return 0;
    }
    struct stat info;
    return stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) ? 1 : 0;
}

int ReadAll(int fd, std::string* text) {
    char chunk[65536];
    while (true) {
        ssize_t got = read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return 0;
        if (got == 0) return 1;
        if (text->size() + static_cast<std::size_t>(got) > kMaxRegistryFileBytes) return 0;
        text->append(chunk, static_cast<std::size_t>(got));
    }
}

// Earlier versions named the temporary file "registry.reg.XXXXXX". A name of six lowercase
// letters ("registry.reg.backup") is more likely the user's own copy: it stays.
bool IsEarlierTemporary(std::string_view name) {
    if (name.size() != kStoreName.size() + 7 || !name.starts_with(kStoreName) ||
        name[kStoreName.size()] != '.') {
        return false;
    }
    bool random = false;
    for (const char c : name.substr(kStoreName.size() + 1)) {
        if (!std::isalnum(static_cast<unsigned char>(c))) return false;
        random = random || !std::islower(static_cast<unsigned char>(c));
    }
    return random;
}

bool IsStoreTemporary(std::string_view name) {
    return ReplacedFileName(name) == kStoreName || IsEarlierTemporary(name);
}

}  // namespace

std::string RegistryFilePath() {
    const std::string tail = "/tesalo/" + std::string(kStoreName);
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && config[0] == '/') return config + tail;
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0') return std::string();
    return home + ("/.config" + tail);
}

int ReadRegistryFile(const std::string& path, std::string* text) {
    text->clear();
    // Not blocking: a FIFO in the file's place must not hang the player.
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return errno == ENOENT || errno == ENOTDIR ? 1 : 0;
    struct stat info;
    int ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ReadAll(fd, text);
    close(fd);
    return ok;
}

int WriteRegistryFile(const std::string& path, const std::string& text) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos || text.size() > kMaxRegistryFileBytes) return 0;
    return MakeFolders(path.substr(0, slash)) && ReplaceFileContents(path, text) ? 1 : 0;
}

void RemoveRegistryTemporaries(const std::string& path) {
    RemoveFolderFiles(path.substr(0, path.rfind('/') + 1), IsStoreTemporary);
}

}  // namespace platform
