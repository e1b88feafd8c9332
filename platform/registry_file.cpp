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

// Creates the folder and its missing parents, for the user alone. 0, or the errno that stopped it.
int MakeFolders(const std::string& folder) {
    for (std::size_t end = 1; end <= folder.size(); ++end) {
        if (end < folder.size() && folder[end] != '/') continue;
        if (mkdir(folder.substr(0, end).c_str(), 0700) != 0 && errno != EEXIST) return errno;
    }
    struct stat info;
    if (stat(folder.c_str(), &info) != 0) return errno;
    return S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
}

// 0, or the errno that stopped the read; EFBIG past kMaxRegistryFileBytes.
int ReadAll(int fd, std::string* text) {
    char chunk[65536];
    while (true) {
        ssize_t got = read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return errno;
        if (got == 0) return 0;
        if (text->size() + static_cast<std::size_t>(got) > kMaxRegistryFileBytes) return EFBIG;
        text->append(chunk, static_cast<std::size_t>(got));
    }
}

// 0, or why what is open at the store's name cannot be read as the store.
int ReadOpenFile(int fd, std::string* text) {
    struct stat info;
    if (fstat(fd, &info) != 0) return errno;
    if (S_ISDIR(info.st_mode)) return EISDIR;
    return S_ISREG(info.st_mode) ? ReadAll(fd, text) : EINVAL;
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

int ReadRegistryFile(const std::string& path, std::string* text, int* error) {
    text->clear();
    // Not blocking: a FIFO in the file's place must not hang the player.
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    *error = fd < 0 ? errno : ReadOpenFile(fd, text);
    if (fd >= 0) close(fd);
    if (*error == ENOENT || *error == ENOTDIR) *error = 0;  // no store yet: an empty one
    return *error == 0 ? 1 : 0;
}

int WriteRegistryFile(const std::string& path, const std::string& text, int* error) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        *error = ENOENT;
    } else {
        *error = text.size() > kMaxRegistryFileBytes ? EFBIG : MakeFolders(path.substr(0, slash));
    }
    return *error == 0 && ReplaceFileContents(path, text, error) ? 1 : 0;
}

void RemoveRegistryTemporaries(const std::string& path) {
    RemoveFolderFiles(path.substr(0, path.rfind('/') + 1), IsStoreTemporary);
}

}  // namespace platform
