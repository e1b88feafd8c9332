#include "platform/file_replace.h"

#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace platform {
namespace {

constexpr std::string_view kTemporaryMark = ".saving-";
constexpr std::size_t kRandomLength = 6;  // mkostemp's XXXXXX
constexpr int kMostLinks = 40;            // as the kernel follows in one path

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) { return path.substr(path.rfind('/') + 1); }

// The file at the end of path's chain of links in *target (path itself when it is no link);
// *linked when a link was passed. 0, or the errno of the step that failed.
int FollowLinks(const std::string& path, std::string* target, bool* linked) {
    *target = path;
    *linked = false;
    for (int links = 0; links <= kMostLinks; ++links) {
        struct stat info;
        // A missing file (a dangling link's end) or one that cannot be seen ends the chain: the
        // steps after tell what is wrong with it, if anything.
        if (lstat(target->c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return 0;
        char link[PATH_MAX];
        const ssize_t size = readlink(target->c_str(), link, sizeof link);
        if (size < 0) return errno;
        if (static_cast<std::size_t>(size) == sizeof link) return ENAMETOOLONG;
        const std::string next(link, static_cast<std::size_t>(size));
        *target = next[0] == '/' ? next : FolderOf(*target) + '/' + next;
        *linked = true;
    }
    return ELOOP;
}

// A linked file is someone's own arrangement: it keeps its permissions. Others stay 0600.
int KeepLinkedMode(int file, const std::string& target) {
    struct stat info;
    if (stat(target.c_str(), &info) != 0) return 0;
    return fchmod(file, info.st_mode & 07777) == 0 ? 0 : errno;
}

// Only bytes that reached the disk may take the old file's place.
int FillFile(int file, const std::string& bytes) {
    if (!WriteAll(file, bytes.data(), bytes.size())) return errno;
    return fsync(file) == 0 ? 0 : errno;
}

// Makes the rename itself last through a crash. The file is whole either way, so a folder
// that cannot be flushed does not fail the replacement.
void FlushFolder(const std::string& folder) {
    const int file = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (file < 0) return;
    fsync(file);
    close(file);
}

// 0, or the errno of the step that failed.
int ReplaceFile(const std::string& path, const std::string& bytes) {
    std::string target;
    bool linked = false;
    if (const int failure = FollowLinks(path, &target, &linked)) return failure;
    const std::string folder = FolderOf(target);
    std::string temporary = folder + "/." + NameOf(target) + std::string(kTemporaryMark) +
                            std::string(kRandomLength, 'X');
    const int file = mkostemp(temporary.data(), O_CLOEXEC);
    if (file < 0) return errno;
    int failure = linked ? KeepLinkedMode(file, target) : 0;
    if (failure == 0) failure = FillFile(file, bytes);
    if (close(file) != 0 && failure == 0) failure = errno;
    if (failure == 0 && std::rename(temporary.c_str(), target.c_str()) != 0) failure = errno;
    if (failure != 0) {
        unlink(temporary.c_str());
        return failure;
    }
    FlushFolder(folder);
    return 0;
}

}  // namespace

bool WriteAll(int file, const void* data, std::size_t size) {
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = write(file, bytes, size);
        if (written < 0 && errno == EINTR) continue;
        if (written == 0) errno = EIO;  // a file that takes nothing and says nothing
        if (written <= 0) return false;
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool ReplaceFileContents(const std::string& path, const std::string& bytes, int* error) {
    const int failure = ReplaceFile(path, bytes);
    if (error != nullptr) *error = failure;
    return failure == 0;
}

std::string_view ReplacedFileName(std::string_view name) {
    const std::size_t tail = kTemporaryMark.size() + kRandomLength;
    if (name.size() <= 1 + tail || name[0] != '.') return {};
    const std::string_view mark = name.substr(name.size() - tail, kTemporaryMark.size());
    if (mark != kTemporaryMark) return {};
    for (const char c : name.substr(name.size() - kRandomLength)) {
        if (!std::isalnum(static_cast<unsigned char>(c))) return {};
    }
    return name.substr(1, name.size() - 1 - tail);
}

void RemoveFolderFiles(const std::string& folder, bool (*chosen)(std::string_view name)) {
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code ignored;
        const bool regular =
            it->symlink_status(ignored).type() == std::filesystem::file_type::regular;
        if (regular && chosen(it->path().filename().string())) unlink(it->path().c_str());
    }
}

}  // namespace platform
