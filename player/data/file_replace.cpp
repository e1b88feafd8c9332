#include "player/data/file_replace.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace {

bool WriteAll(int file, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = write(file, data, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace

bool ReplaceFileContents(const std::string& path, const std::string& bytes) {
    const std::string part = path + ".part";
    const int file = open(part.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (file < 0) return false;
    // Only bytes that reached the disk may take the old file's place.
    bool written = WriteAll(file, bytes.data(), bytes.size()) && fsync(file) == 0;
    if (close(file) != 0) written = false;
    if (written && std::rename(part.c_str(), path.c_str()) == 0) return true;
    unlink(part.c_str());
    return false;
}
