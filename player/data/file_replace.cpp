#include "player/data/file_replace.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

bool WriteAll(int file, const void* data, std::size_t size) {
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = write(file, bytes, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool ReplaceFileContents(const std::string& path, const std::string& bytes, int* error) {
    int ignored = 0;
    int& failure = error != nullptr ? *error : ignored;
    const std::string part = path + ".part";
    const int file = open(part.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (file < 0) {
        failure = errno;
        return false;
    }
    // Only bytes that reached the disk may take the old file's place.
    bool written = WriteAll(file, bytes.data(), bytes.size()) && fsync(file) == 0;
    if (!written) failure = errno;
    if (close(file) != 0 && written) {
        failure = errno;
        written = false;
    }
    if (written && std::rename(part.c_str(), path.c_str()) == 0) return true;
    if (written) failure = errno;
    unlink(part.c_str());
    return false;
}
