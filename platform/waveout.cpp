#include "platform/waveout.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <mutex>
#include <unordered_map>

#include "platform/waveout_backend.h"

namespace platform {

namespace {

struct DeviceTable {
    std::mutex mutex;
    std::unordered_map<WaveOutHandle, std::shared_ptr<WaveDevice>> devices;
    WaveOutHandle lastHandle = 0;
};

// Never destroyed: a sound thread may still run while the process exits.
DeviceTable& Devices() {
    static DeviceTable* table = new DeviceTable;
    return *table;
}

std::atomic<const WaveOutBackend*> chosenBackend{nullptr};

const WaveOutBackend& Backend() {
    const WaveOutBackend* backend = chosenBackend.load();
    return backend != nullptr ? *backend : *PortAudioBackend();
}

std::shared_ptr<WaveDevice> FindDevice(WaveOutHandle handle) {
    DeviceTable& table = Devices();
    std::lock_guard lock(table.mutex);
    auto found = table.devices.find(handle);
    return found != table.devices.end() ? found->second : nullptr;
}

bool IsPlayableFormat(const WaveFormat& format) {
    return format.formatTag == 1 && format.channels == 1 &&
           (format.bitsPerSample == 8 || format.bitsPerSample == 16) &&
           format.blockAlign == format.bitsPerSample / 8 && format.samplesPerSec >= 8000 &&
           format.samplesPerSec <= 192000;
}

// A device index of the current backend, the mapper resolved; kWaveMapper when there is none.
std::uint32_t ResolveDevice(const WaveOutBackend& backend, std::uint32_t device) {
    if (device == kWaveMapper) return backend.defaultDevice();
    return device < backend.deviceCount() ? device : kWaveMapper;
}

const char16_t* ErrorTextOf(std::uint32_t error) {
    switch (error) {
        case kWaveOk: return u"The operation completed successfully.";
        case kWaveErrorFailed: return u"The sound output device reported an error.";
        case kWaveErrorBadDevice: return u"No sound output device is available.";
        case kWaveErrorBadHandle: return u"The sound output device is not open.";
        case kWaveErrorNoMemory: return u"There is not enough memory for sound output.";
        case kWaveErrorBadParam:
            return u"An invalid parameter was passed to the sound output device.";
        case kWaveErrorBadFormat: return u"The sound output device does not support this format.";
        case kWaveErrorStillPlaying: return u"The sound output device is still playing this block.";
        case kWaveErrorUnprepared:
            return u"The block was not prepared for the sound output device.";
        default: return nullptr;
    }
}

}  // namespace

void ApplyVolume(std::uint8_t* samples, std::size_t bytes, unsigned bytesPerSample,
                 std::uint32_t volume) {
    // The sum of both halves against twice full scale keeps the mean exact in integers.
    const std::int64_t gain = (volume & 0xFFFFu) + (volume >> 16);
    const std::int64_t fullGain = 2 * 0xFFFF;
    if (gain == fullGain) return;
    if (bytesPerSample == 1) {
        for (std::size_t i = 0; i < bytes; ++i) {
            samples[i] = static_cast<std::uint8_t>((samples[i] - 128) * gain / fullGain + 128);
        }
        return;
    }
    for (std::size_t i = 0; i + 1 < bytes; i += 2) {
        std::int16_t sample;
        std::memcpy(&sample, samples + i, 2);
        sample = static_cast<std::int16_t>(sample * gain / fullGain);
        std::memcpy(samples + i, &sample, 2);
    }
}

void SelectWaveOutBackend(const WaveOutBackend* backend) { chosenBackend.store(backend); }

std::uint32_t SingleDeviceCount() { return 1; }

std::uint32_t SingleDeviceDefault() { return 0; }

std::uint32_t DescribeSingleDevice(const char16_t* name, WaveOutCaps* caps) {
    *caps = WaveOutCaps{};
    for (std::size_t i = 0; name[i] != 0 && i + 1 < std::size(caps->name); ++i)
        caps->name[i] = name[i];
    caps->formats = kFormatMono22k8 | kFormatMono22k16 | kFormatMono44k8 | kFormatMono44k16;
    caps->channels = 1;
    return kWaveOk;
}

void ReportBlockDone(const WaveDevice& device, BlockHeader* header) {
    header->flags = (header->flags | WHDR_DONE) & ~WHDR_INQUEUE;
    PostWindowMessage(device.notifyWindow, kMsgWaveDone, device.handle,
                      reinterpret_cast<std::intptr_t>(header));
}

std::uint32_t WaveOutDeviceCount() { return Backend().deviceCount(); }

std::uint32_t WaveOutGetCaps(std::uint32_t device, WaveOutCaps* caps) {
    if (caps == nullptr) return kWaveErrorBadParam;
    const WaveOutBackend& backend = Backend();
    std::uint32_t index = ResolveDevice(backend, device);
    if (index == kWaveMapper) return kWaveErrorBadDevice;
    *caps = WaveOutCaps{};
    return backend.getCaps(index, caps);
}

std::uint32_t WaveOutOpen(WaveOutHandle* out, std::uint32_t device, const WaveFormat* format,
                          WindowHandle notifyWindow) {
    if (out == nullptr || format == nullptr) return kWaveErrorBadParam;
    *out = 0;
    if (!IsPlayableFormat(*format)) return kWaveErrorBadFormat;
    const WaveOutBackend& backend = Backend();
    std::uint32_t index = ResolveDevice(backend, device);
    if (index == kWaveMapper) return kWaveErrorBadDevice;

    auto opened = std::make_shared<WaveDevice>();
    opened->backend = &backend;
    opened->notifyWindow = notifyWindow;
    opened->format = *format;
    DeviceTable& table = Devices();
    {
        std::lock_guard lock(table.mutex);
        opened->handle = ++table.lastHandle;
    }
    std::uint32_t result = backend.open(*opened, index);
    if (result != kWaveOk) return result;
    {
        std::lock_guard lock(table.mutex);
        table.devices.emplace(opened->handle, opened);
    }
    *out = opened->handle;
    PostWindowMessage(notifyWindow, kMsgWaveOpened, opened->handle, 0);
    return kWaveOk;
}

std::uint32_t WaveOutErrorText(std::uint32_t error, char16_t* text, std::size_t capacity) {
    if (text == nullptr || capacity == 0) return kWaveErrorBadParam;
    const char16_t* message = ErrorTextOf(error);
    std::u16string_view view = message != nullptr ? message : u"Unknown sound output error.";
    std::size_t count = std::min(view.size(), capacity - 1);
    std::copy_n(view.data(), count, text);
    text[count] = u'\0';
    return message != nullptr ? kWaveOk : kWaveErrorBadParam;
}

std::uint32_t WaveOutPrepare(WaveOutHandle device, BlockHeader* header) {
    if (header == nullptr || (header->data == nullptr && header->length != 0)) {
        return kWaveErrorBadParam;
    }
    if (FindDevice(device) == nullptr) return kWaveErrorBadHandle;
    header->flags |= WHDR_PREPARED;
    return kWaveOk;
}

std::uint32_t WaveOutWrite(WaveOutHandle device, BlockHeader* header) {
    if (header == nullptr) return kWaveErrorBadParam;
    std::shared_ptr<WaveDevice> opened = FindDevice(device);
    if (opened == nullptr) return kWaveErrorBadHandle;
    if ((header->flags & WHDR_PREPARED) == 0) return kWaveErrorUnprepared;
    if ((header->flags & WHDR_INQUEUE) != 0) return kWaveErrorStillPlaying;
    std::uint32_t before = header->flags;
    header->flags = (before & ~WHDR_DONE) | WHDR_INQUEUE;
    std::uint32_t result = opened->backend->write(*opened, header);
    if (result != kWaveOk) header->flags = before;
    return result;
}

std::uint32_t WaveOutUnprepare(WaveOutHandle device, BlockHeader* header) {
    if (header == nullptr) return kWaveErrorBadParam;
    if (FindDevice(device) == nullptr) return kWaveErrorBadHandle;
    if ((header->flags & WHDR_INQUEUE) != 0) return kWaveErrorStillPlaying;
    header->flags &= ~WHDR_PREPARED;
    return kWaveOk;
}

std::uint32_t WaveOutGetVolume(WaveOutHandle device, std::uint32_t* volume) {
    if (volume == nullptr) return kWaveErrorBadParam;
    std::shared_ptr<WaveDevice> opened = FindDevice(device);
    if (opened == nullptr) return kWaveErrorBadHandle;
    *volume = opened->volume.load();
    return kWaveOk;
}

std::uint32_t WaveOutSetVolume(WaveOutHandle device, std::uint32_t volume) {
    std::shared_ptr<WaveDevice> opened = FindDevice(device);
    if (opened == nullptr) return kWaveErrorBadHandle;
    opened->volume.store(volume);
    return kWaveOk;
}

std::uint32_t WaveOutPause(WaveOutHandle device) {
    std::shared_ptr<WaveDevice> opened = FindDevice(device);
    return opened != nullptr ? opened->backend->hold(*opened, true) : kWaveErrorBadHandle;
}

std::uint32_t WaveOutRestart(WaveOutHandle device) {
    std::shared_ptr<WaveDevice> opened = FindDevice(device);
    return opened != nullptr ? opened->backend->hold(*opened, false) : kWaveErrorBadHandle;
}

std::uint32_t WaveOutReset(WaveOutHandle device) {
    std::shared_ptr<WaveDevice> opened = FindDevice(device);
    return opened != nullptr ? opened->backend->reset(*opened) : kWaveErrorBadHandle;
}

std::uint32_t WaveOutClose(WaveOutHandle device) {
    std::shared_ptr<WaveDevice> opened;
    {
        DeviceTable& table = Devices();
        std::lock_guard lock(table.mutex);
        auto found = table.devices.find(device);
        if (found == table.devices.end()) return kWaveErrorBadHandle;
        opened = found->second;
        table.devices.erase(found);
    }
    std::uint32_t result = opened->backend->close(*opened);
    PostWindowMessage(opened->notifyWindow, kMsgWaveClosed, opened->handle, 0);
    return result;
}

}  // namespace platform
