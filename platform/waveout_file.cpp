// The file backend: one device, "file", that writes every queued block to a WAV file (or the raw
// bytes), named by its path or opened by the caller. It plays infinitely fast, so rendering a
// song takes only the time to compute it.
#include "platform/waveout_file.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <mutex>
#include <string>

#include "platform/file_replace.h"
#include "platform/waveout_backend.h"

namespace platform {

namespace {

struct FileTarget {
    std::mutex mutex;
    std::string path;  // empty: the caller's open file
    int file = -1;
    bool raw = false;
};

FileTarget& Target() {
    static FileTarget* target = new FileTarget;
    return *target;
}

std::atomic<int> firstError{0};

// Keeps the errno of the first failure since the device was opened; false, for the caller.
bool Fail(int error) {
    int none = 0;
    firstError.compare_exchange_strong(none, error != 0 ? error : EIO);
    return false;
}

struct FileState {
    std::mutex mutex;
    int file = -1;
    std::string path;  // a file of the device's own, written as part and renamed to path
    std::string part;
    off_t start = 0;  // where the WAV header goes
    bool raw = false;
    bool failed = false;
    bool closed = false;
    std::uint64_t dataBytes = 0;
};

constexpr std::size_t kWavHeaderBytes = 44;
constexpr int kPartSuffixLength = 5;  // ".part"

void PutLittleEndian(unsigned char* at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) at[i] = static_cast<unsigned char>(value >> (8 * i));
}

// The RIFF/WAVE header of a mono PCM file with dataBytes of samples.
void BuildWavHeader(unsigned char* header, const WaveFormat& format, std::uint32_t dataBytes) {
    const std::uint32_t bytesPerSample = format.bitsPerSample / 8u;
    const std::uint32_t padding = dataBytes % 2;  // chunks are of even size
    std::copy_n("RIFF", 4, header);
    PutLittleEndian(header + 4, 36 + dataBytes + padding, 4);
    std::copy_n("WAVEfmt ", 8, header + 8);
    PutLittleEndian(header + 16, 16, 4);
    PutLittleEndian(header + 20, 1, 2);  // PCM
    PutLittleEndian(header + 22, 1, 2);  // mono
    PutLittleEndian(header + 24, format.samplesPerSec, 4);
    PutLittleEndian(header + 28, format.samplesPerSec * bytesPerSample, 4);
    PutLittleEndian(header + 32, bytesPerSample, 2);
    PutLittleEndian(header + 34, format.bitsPerSample, 2);
    std::copy_n("data", 4, header + 36);
    PutLittleEndian(header + 40, dataBytes, 4);
}

// The permission bits a file created by open(0666) gets: the process's umask read without
// changing it, since other threads may be creating files.
mode_t NewFileMode() {
    unsigned mask = 022;
    if (std::FILE* status = std::fopen("/proc/self/status", "re")) {
        char line[128];
        while (std::fgets(line, sizeof line, status) != nullptr &&
               std::sscanf(line, "Umask: %o", &mask) != 1) {
        }
        std::fclose(status);
    }
    return static_cast<mode_t>(0666 & ~mask);
}

// PATH-XXXXXX.part beside the path, made new (a name someone planted is never opened).
bool CreatePart(FileState& state) {
    state.part = state.path + "-XXXXXX.part";
    state.file = mkostemps(state.part.data(), kPartSuffixLength, O_CLOEXEC);
    if (state.file < 0) return Fail(errno);
    if (fchmod(state.file, NewFileMode()) == 0) return true;
    const int error = errno;
    close(state.file);
    unlink(state.part.c_str());
    return Fail(error);
}

// The caller's file from where it stands; a WAV file's header is written there at close.
bool UseOpenFile(FileState& state, int file) {
    state.file = file;
    if (file < 0) return Fail(EBADF);
    if (state.raw) return true;
    state.start = lseek(file, 0, SEEK_CUR);
    return state.start >= 0 || Fail(errno);
}

std::uint32_t FileGetCaps(std::uint32_t, WaveOutCaps* caps) {
    return DescribeSingleDevice(u"file", caps);
}

std::uint32_t FileOpen(WaveDevice& device, std::uint32_t) {
    auto state = std::make_shared<FileState>();
    int file = -1;
    {
        FileTarget& target = Target();
        std::lock_guard lock(target.mutex);
        state->path = target.path;
        state->raw = target.raw;
        file = target.file;
    }
    firstError.store(0);
    // A file of the device's own is written aside and renamed at close, so a file at the path is
    // always complete.
    const bool opened = state->path.empty() ? UseOpenFile(*state, file) : CreatePart(*state);
    if (!opened) return kWaveErrorFailed;
    if (!state->raw) {
        const unsigned char header[kWavHeaderBytes] = {};
        if (!WriteAll(state->file, header, sizeof header)) {
            state->failed = true;
            Fail(errno);
        }
    }
    device.state = state;
    return kWaveOk;
}

std::uint32_t FileWrite(WaveDevice& device, BlockHeader* header) {
    auto& state = *static_cast<FileState*>(device.state.get());
    {
        std::lock_guard lock(state.mutex);
        if (state.closed) return kWaveErrorBadHandle;
        if (state.failed || !WriteAll(state.file, header->data, header->length)) {
            state.failed = true;
            Fail(errno);
            return kWaveErrorFailed;
        }
        state.dataBytes += header->length;
    }
    ReportBlockDone(device, header);
    return kWaveOk;
}

// Completes the WAV header; false when the file could not be written whole (a WAV file counts
// its bytes in 32 bits).
bool FinishWav(FileState& state, const WaveFormat& format) {
    if (state.dataBytes > 0xFFFFFFFFu - kWavHeaderBytes) return Fail(EFBIG);
    const auto dataBytes = static_cast<std::uint32_t>(state.dataBytes);
    const unsigned char pad = 0;
    if (dataBytes % 2 != 0 && !WriteAll(state.file, &pad, 1)) return Fail(errno);
    unsigned char header[kWavHeaderBytes];
    BuildWavHeader(header, format, dataBytes);
    const ssize_t written = pwrite(state.file, header, sizeof header, state.start);
    if (written == static_cast<ssize_t>(sizeof header)) return true;
    return Fail(written < 0 ? errno : EIO);
}

// The device's own file takes the path's place when whole; otherwise it is removed.
bool CompletePart(FileState& state, bool whole) {
    if (close(state.file) != 0 && whole) whole = Fail(errno);
    if (whole && std::rename(state.part.c_str(), state.path.c_str()) == 0) return true;
    if (whole) Fail(errno);
    unlink(state.part.c_str());
    return false;
}

std::uint32_t FileClose(WaveDevice& device) {
    auto& state = *static_cast<FileState*>(device.state.get());
    std::lock_guard lock(state.mutex);
    state.closed = true;
    bool whole = !state.failed && (state.raw || FinishWav(state, device.format));
    if (!state.path.empty()) whole = CompletePart(state, whole);
    return whole ? kWaveOk : kWaveErrorFailed;
}

// The file takes every block at once: there is nothing to hold and nothing queued to drop.
std::uint32_t FileHold(WaveDevice&, bool) { return kWaveOk; }
std::uint32_t FileReset(WaveDevice&) { return kWaveOk; }

constexpr WaveOutBackend kFileBackend = {
    SingleDeviceCount, SingleDeviceDefault, FileGetCaps, FileOpen, FileWrite,
    FileHold,          FileReset,           FileClose,
};

void UseFileBackend(const std::string& path, int file, bool raw) {
    {
        FileTarget& target = Target();
        std::lock_guard lock(target.mutex);
        target.path = path;
        target.file = file;
        target.raw = raw;
    }
    SelectWaveOutBackend(&kFileBackend);
}

}  // namespace

void WaveOutUseFile(const char* path, bool raw) {
    UseFileBackend(path != nullptr ? path : "", -1, raw);
}

void WaveOutUseOpenFile(int file, bool raw) { UseFileBackend("", file, raw); }

int WaveOutFileError() { return firstError.load(); }

}  // namespace platform
