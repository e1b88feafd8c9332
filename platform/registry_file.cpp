#include "platform/registry_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace platform {
namespace {

// Creates the folder and its missing parents, for the user alone.
int MakeFolders(const std::string& folder) {
    for (std::size_t end = 1; end <= folder.size(); ++end) {
        if (end < folder.size() && folder[end] != '/') continue;
        if (mkdir(folder.substr(0, end).c_str(), 0700) != 0 && errno != EEXIST) return 0;
    }
    struct stat info;
    return stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) ? 1 : 0;
}

int WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        ssize_t written = write(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return 0;
        done += static_cast<std::size_t>(written);
    }
    return 1;
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

// Makes the rename itself last through a crash. The file is whole either way, so a folder
// that cannot be flushed does not fail the write.
void FlushFolder(const std::string& folder) {
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

}  // namespace

std::string RegistryFilePath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && config[0] == '/') return std::string(config) + "/tesalo/registry.reg";
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0') return std::string();
    return std::string(home) + "/.config/tesalo/registry.reg";
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
    std::string folder = path.substr(0, slash);
    if (!MakeFolders(folder)) return 0;
    std::string temporary = path + ".XXXXXX";
    int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return 0;
    int ok = WriteAll(fd, text) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) {
        unlink(temporary.c_str());
        return 0;
    }
    FlushFolder(folder);
    return 1;
}

}  // namespace platform
