// The file backend: one device, "file", that writes every queued block to a WAV file (or the raw
// bytes). It plays infinitely fast, so rendering a song takes only the time to compute it.
#include <algorithm>
#include <cstdio>
#include <mutex>
#include <string>

#include "platform/waveout_backend.h"

namespace platform {

namespace {

struct FileTarget {
    std::mutex mutex;
    std::string path;
    bool raw = false;
};

FileTarget& Target() {
    static FileTarget* target = new FileTarget;
    return *target;
}

struct FileState {
    std::mutex mutex;
    std::FILE* file = nullptr;
    std::string path;
    bool raw = false;
    bool failed = false;
    bool closed = false;
    std::uint64_t dataBytes = 0;
};

constexpr std::size_t kWavHeaderBytes = 44;

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

std::uint32_t FileGetCaps(std::uint32_t, WaveOutCaps* caps) { return DescribeSingleDevice(u"file", caps); }

std::uint32_t FileOpen(WaveDevice& device, std::uint32_t) {
    auto state = std::make_shared<FileState>();
    {
        FileTarget& target = Target();
        std::lock_guard lock(target.mutex);
        state->path = target.path;
        state->raw = target.raw;
    }
    // Written aside and renamed at close, so a file at the path is always complete.
    state->file = std::fopen((state->path + ".part").c_str(), "wb");
    if (state->file == nullptr) return kWaveErrorFailed;
    if (!state->raw) {
        unsigned char header[kWavHeaderBytes] = {};
        state->failed = std::fwrite(header, 1, sizeof header, state->file) != sizeof header;
    }
    device.state = state;
    return kWaveOk;
}

std::uint32_t FileWrite(WaveDevice& device, BlockHeader* header) {
    auto& state = *static_cast<FileState*>(device.state.get());
    {
        std::lock_guard lock(state.mutex);
        if (state.closed) return kWaveErrorBadHandle;
        if (std::fwrite(header->data, 1, header->length, state.file) != header->length) {
            state.failed = true;
            return kWaveErrorFailed;
        }
        state.dataBytes += header->length;
    }
    ReportBlockDone(device, header);
    return kWaveOk;
}

// Completes the WAV header; false when the file could not be written whole.
bool FinishWav(FileState& state, const WaveFormat& format) {
    if (state.dataBytes > 0xFFFFFFFFu - kWavHeaderBytes) return false;
    const auto dataBytes = static_cast<std::uint32_t>(state.dataBytes);
    if (dataBytes % 2 != 0 && std::fputc(0, state.file) == EOF) return false;
    unsigned char header[kWavHeaderBytes];
    BuildWavHeader(header, format, dataBytes);
    return std::fseek(state.file, 0, SEEK_SET) == 0 &&
           std::fwrite(header, 1, sizeof header, state.file) == sizeof header;
}

std::uint32_t FileClose(WaveDevice& device) {
    auto& state = *static_cast<FileState*>(device.state.get());
    std::lock_guard lock(state.mutex);
    state.closed = true;
    bool complete = !state.failed && (state.raw || FinishWav(state, device.format));
    complete = std::fclose(state.file) == 0 && complete;
    const std::string part = state.path + ".part";
    if (complete && std::rename(part.c_str(), state.path.c_str()) == 0) return kWaveOk;
    std::remove(part.c_str());
    return kWaveErrorFailed;
}

constexpr WaveOutBackend kFileBackend = {
    SingleDeviceCount, SingleDeviceDefault, FileGetCaps, FileOpen, FileWrite, FileClose,
};

}  // namespace

void WaveOutUseFile(const char* path, bool raw) {
    {
        FileTarget& target = Target();
        std::lock_guard lock(target.mutex);
        target.path = path != nullptr ? path : "";
        target.raw = raw;
    }
    SelectWaveOutBackend(&kFileBackend);
}

}  // namespace platform
