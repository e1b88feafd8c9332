#include "platform/instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace platform {

namespace {

// The block this process made: held (flock) until it is removed or the process ends.
int g_heldBlock = -1;

std::string FolderForThisUser() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat info {};
    if (runtime != nullptr && runtime[0] == '/' && stat(runtime, &info) == 0 &&
        S_ISDIR(info.st_mode)) {
        return std::string(runtime) + "/tesalo";
    }
    return "/tmp/tesalo-" + std::to_string(geteuid());
}

// Why nobody but this user may be trusted with the folder's contents: empty when that holds.
std::string WhyNotOwnFolder(const std::string& folder) {
    struct stat info {};
    if (lstat(folder.c_str(), &info) != 0) return folder + ": " + std::strerror(errno);
    if (S_ISLNK(info.st_mode)) return folder + " is a symbolic link, not a folder";
    if (!S_ISDIR(info.st_mode)) return folder + " is not a folder";
    if (info.st_uid != geteuid()) return folder + " belongs to another user";
    if ((info.st_mode & 0077) != 0) return folder + " is open to other users";
    return std::string();
}

std::string BlockPath(const std::string& folder, const char* name) {
    return folder + name + ".block";
}

// A new zero-filled block of size bytes that this process holds, mapped; its descriptor, or -1
// (the file removed again).
// path ends in "XXXXXX", which the file's name replaces.
int MakeHeldBlock(std::string& path, std::size_t size, void** view, bool* mapFailed) {
    const int fd = mkostemp(path.data(), O_CLOEXEC);
    if (fd < 0) return -1;
    if (ftruncate(fd, static_cast<off_t>(size)) == 0 && flock(fd, LOCK_EX | LOCK_NB) == 0) {
        *view = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        *mapFailed = *view == MAP_FAILED;
        if (!*mapFailed) return fd;
    }
    unlink(path.c_str());
    close(fd);
    return -1;
}

}  // namespace

std::string InstanceFolder(std::string* problem) {
    const std::string folder = FolderForThisUser();
    std::string why;
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        why = folder + ": " + std::strerror(errno);
    } else {
        why = WhyNotOwnFolder(folder);
    }
    if (why.empty()) return folder + "/";
    if (problem != nullptr) *problem = why;
    return std::string();
}

int AcquireInstanceLock(const char* name, std::string* problem) {
    const std::string folder = InstanceFolder(problem);
    if (folder.empty()) return -1;
    const std::string path = folder + name + ".lock";
    // Deliberately never closed: the lock lives as long as the process.
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        if (problem != nullptr) *problem = path + ": " + std::strerror(errno);
        return -1;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) return 1;
    close(fd);
    return 0;
}

void* CreateInstanceBlock(const char* name, std::size_t size, bool* mapFailed) {
    *mapFailed = false;
    const std::string folder = InstanceFolder();
    if (folder.empty()) return nullptr;
    const std::string path = BlockPath(folder, name);
    // Made aside and held before it takes the name: a later start finds the old block (whose
    // maker has ended) or this one, never this one with the old one's bytes.
    std::string aside = path + ".XXXXXX";
    void* view = nullptr;
    const int fd = MakeHeldBlock(aside, size, &view, mapFailed);
    if (fd < 0) return nullptr;
    if (rename(aside.c_str(), path.c_str()) != 0) {
        munmap(view, size);
        unlink(aside.c_str());
        close(fd);
        return nullptr;
    }
    if (g_heldBlock >= 0) close(g_heldBlock);
    g_heldBlock = fd;
    return view;
}

const void* OpenInstanceBlock(const char* name, std::size_t size) {
    const std::string folder = InstanceFolder();
    if (folder.empty()) return nullptr;
    const int fd = open(BlockPath(folder, name).c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return nullptr;
    struct stat info {};
    // A block that anyone can lock has no maker left.
    const bool live = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == geteuid() &&
                      static_cast<std::size_t>(info.st_size) >= size &&
                      flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    void* view = live ? mmap(nullptr, size, PROT_READ, MAP_SHARED, fd, 0) : MAP_FAILED;
    close(fd);  // also lets go of the lock taken to look
    return view == MAP_FAILED ? nullptr : view;
}

void CloseInstanceBlock(const void* view, std::size_t size) {
    if (view != nullptr) munmap(const_cast<void*>(view), size);
}

void RemoveInstanceBlock(const char* name) {
    const std::string folder = InstanceFolder();
    if (!folder.empty()) unlink(BlockPath(folder, name).c_str());
    if (g_heldBlock >= 0) close(g_heldBlock);
    g_heldBlock = -1;
}

}  // namespace platform
