#include "platform/instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace platform {

namespace {

// A folder only this user can use: the session's runtime folder, else one below /tmp that
// this user owns (a folder of that name made by someone else is not trusted).
std::string UserRuntimeFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat info {};
    if (runtime != nullptr && runtime[0] == '/' && stat(runtime, &info) == 0 && S_ISDIR(info.st_mode)) {
        return std::string(runtime) + "/";
    }
    const std::string folder = "/tmp/tesalo-" + std::to_string(getuid());
    mkdir(folder.c_str(), 0700);
    if (lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid() ||
        (info.st_mode & 0077) != 0) {
        return std::string();
    }
    return folder + "/";
}

// Shared-memory names are global to the machine: the user id keeps each user's apart.
std::string BlockName(const char* name) { return "/" + std::string(name) + "-" + std::to_string(getuid()); }

bool OwnedByThisUser(int fd) {
    struct stat info {};
    return fstat(fd, &info) == 0 && info.st_uid == getuid();
}

}  // namespace

int AcquireInstanceLock(const char* name) {
    const std::string folder = UserRuntimeFolder();
    if (folder.empty()) return -1;
    const std::string path = folder + "tesalo-" + name + ".lock";
    // Deliberately never closed: the lock lives as long as the process.
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return -1;
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) return 1;
    close(fd);
    return 0;
}

void* CreateInstanceBlock(const char* name, std::size_t size, bool* mapFailed) {
    *mapFailed = false;
    const std::string blockName = BlockName(name);
    const int fd = shm_open(blockName.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return nullptr;
    // Cut to nothing first, so a block left by a crashed player starts zero-filled again.
    if (!OwnedByThisUser(fd) || ftruncate(fd, 0) != 0 || ftruncate(fd, static_cast<off_t>(size)) != 0) {
        close(fd);
        return nullptr;
    }
    void* view = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    close(fd);
    if (view == MAP_FAILED) {
        *mapFailed = true;
        return nullptr;
    }
    return view;
}

const void* OpenInstanceBlock(const char* name, std::size_t size) {
    const int fd = shm_open(BlockName(name).c_str(), O_RDONLY | O_CLOEXEC, 0);
    if (fd < 0) return nullptr;
    struct stat info {};
    const bool usable = OwnedByThisUser(fd) && fstat(fd, &info) == 0 &&
                        static_cast<std::size_t>(info.st_size) >= size;
    void* view = usable ? mmap(nullptr, size, PROT_READ, MAP_SHARED, fd, 0) : MAP_FAILED;
    close(fd);
    return view == MAP_FAILED ? nullptr : view;
}

void CloseInstanceBlock(const void* view, std::size_t size) {
    if (view != nullptr) munmap(const_cast<void*>(view), size);
}

void RemoveInstanceBlock(const char* name) { shm_unlink(BlockName(name).c_str()); }

}  // namespace platform
