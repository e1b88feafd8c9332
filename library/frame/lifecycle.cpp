// Initialisation, shutdown and the small setters and getters of the library.
#include <cstdlib>
#include <cstring>

#include "library/engine/engine.h"
#include "library/frame/frame.h"
#include "library/frame/messages.h"
#include "library/frame/ready_thread.h"
#include "library/frame/state.h"
#include "platform/language.h"

static std::uint32_t ChooseDevice(std::uint32_t flag, std::int32_t bWaveMapper) {
    const std::uint32_t count = platform::WaveOutDeviceCount();
    g.waveOut = 0;
    if (bWaveMapper != 0) return platform::kWaveMapper;
    for (std::uint32_t device = 0; device < count; ++device) {
        platform::WaveOutCaps caps{};
        if (platform::WaveOutGetCaps(device, &caps) == platform::kWaveOk &&
            (caps.formats & flag) != 0)
            return device;
    }
    return platform::kWaveMapper;
}

static void SetOutputFormat(std::uint32_t flag) {
    switch (flag) {
        case TE_FORMAT_22K_16:
            g.sampleRate = 22050;
            g.bitsPerSample = 16;
            break;
        case TE_FORMAT_44K_8:
            g.sampleRate = 44100;
            g.bitsPerSample = 8;
            break;
        case TE_FORMAT_44K_16:
            g.sampleRate = 44100;
            g.bitsPerSample = 16;
            break;
        default:
            g.sampleRate = 22050;
            g.bitsPerSample = 8;
            break;
    }
    const auto bytes = static_cast<std::uint16_t>(g.bitsPerSample / 8);
    g.waveFormat = platform::WaveFormat{1,
                                        1,
                                        static_cast<std::uint32_t>(g.sampleRate),
                                        static_cast<std::uint32_t>(g.sampleRate) * bytes,
                                        bytes,
                                        static_cast<std::uint16_t>(g.bitsPerSample),
                                        0};
}

static bool OpenDevice(std::uint32_t device) {
    const std::uint32_t error =
        platform::WaveOutOpen(&g.waveOut, device, &g.waveFormat, g.readyWindow);
    if (error == platform::kWaveOk) return true;
    platform::WaveOutErrorText(error, g.errorText, 256);
    ShowLibraryMessage(g.errorText, g.errorText);
    g.waveOut = 0;
    return false;
}

static void FreeBuffers() {
    for (WAVEBUFFER& buffer : g.waveBuffers) {
        if (g.waveOut != 0) platform::WaveOutUnprepare(g.waveOut, &buffer.header);
        std::free(buffer.data);
        buffer.data = nullptr;
    }
    std::free(g.mixBuffer);
    g.mixBuffer = nullptr;
    g.mixCursor = nullptr;
}

static bool AllocateBuffers() {
    for (WAVEBUFFER& buffer : g.waveBuffers) {
        buffer.capacity = g.sampleRate * (g.bitsPerSample / 8) * 1 * 2;
        buffer.data = static_cast<std::uint8_t*>(std::calloc(buffer.capacity + 32, 1));
        buffer.header = platform::BlockHeader{};
        buffer.header.data = buffer.data;
        if (buffer.data == nullptr) return false;
    }
    g.blockSamples = 0;
    g.mixLength = 3 * g.sampleRate + 640;
    g.mixBuffer = static_cast<std::int32_t*>(std::calloc(g.mixLength, sizeof(std::int32_t)));
    if (g.mixBuffer == nullptr) return false;
    g.mixCursor = g.mixBuffer + g.sampleRate;
    return true;
}

// What a TeInit that fails after starting the ready thread has acquired is given back.
static void ReleaseFailedInit() {
    FreeBuffers();
    if (g.waveOut != 0) {
        platform::WaveOutClose(g.waveOut);
        g.waveOut = 0;
        JoinReadyThread();
    } else {
        EndReadyThreadWithoutDevice();
    }
}

static void ResetOptions() {
    g.smfImage = nullptr;
    g.trackPtr = nullptr;
    g.runningStatus = 0;  // kept from song to song, but not from one TeInit to the next
    g.smfLength = 0;
    g.bLPFDelay.store(0, std::memory_order_relaxed);
    g.polyLimit.store(TE_POLY_DEFAULT, std::memory_order_relaxed);
}

extern "C" TESALO_API int32_t TeInit(uint32_t flag, TeWindow parent, uint8_t masterVolume,
                                     int32_t bWaveMapper) {
    g.bJapanese = platform::SystemLanguageIsJapanese() ? 1 : 0;
    g.notifyMessage = platform::RegisterMessageName(TE_NOTIFY_MESSAGE);
    g.parentWindow = parent;
    if (g.bInitialized == 1) {
        ShowLibraryMessage(kTextAlreadyInitializedJa, kTextAlreadyInitializedEn);
        PostNotify(TE_NOTIFY_INIT, 1);
        return 0;
    }
    const std::uint32_t device = ChooseDevice(flag, bWaveMapper);
    SetOutputFormat(flag);
    StartReadyThread();
    if (!OpenDevice(device)) {
        EndReadyThreadWithoutDevice();
        PostNotify(TE_NOTIFY_INIT, 1);
        return 0;
    }
    if (!AllocateBuffers()) {
        ShowMemoryError();
        ReleaseFailedInit();
        return 0;
    }
    ResetOptions();
    g.held = false;
    ClearVoiceTable();
    BuildVolumeTable(masterVolume);
    BuildEngineTables();
    g.bInitialized = 1;
    PostNotify(TE_NOTIFY_INIT, 0);
    return 1;
}

extern "C" TESALO_API int32_t TeCleanUp(void) {
    if (g.bInitialized == 0) {
        ShowNotInitialized(u"TeCleanUp");
        return 0;
    }
    std::free(g.smfImage);
    g.smfImage = nullptr;
    FreeBuffers();
    FreeVoiceTable();
    platform::WaveOutClose(g.waveOut);
    g.waveOut = 0;
    JoinReadyThread();
    g.bInitialized = 0;
    return 1;
}

extern "C" TESALO_API int32_t TeDataSet(const uint8_t* image, int32_t length) {
    std::free(g.smfImage);
    g.smfImage = nullptr;
    g.smfLength = 0;
    if (length < 0 || (image == nullptr && length > 0)) return 0;
    g.smfImage = static_cast<std::uint8_t*>(std::calloc(static_cast<std::size_t>(length) + 64, 1));
    if (g.smfImage == nullptr) {
        ShowMemoryError();
        return 0;
    }
    if (length > 0) std::memcpy(g.smfImage, image, static_cast<std::size_t>(length));
    g.smfLength = length;
    return 1;
}

extern "C" TESALO_API int32_t TeSetStatus(int32_t limit, int32_t lpfDelay) {
    if (limit >= TE_POLY_MIN && limit <= TE_POLY_MAX)
        g.polyLimit.store(limit, std::memory_order_relaxed);
    g.bLPFDelay.store(lpfDelay, std::memory_order_relaxed);
    return 1;
}

extern "C" TESALO_API TeWindow TeGetParent(void) { return g.parentWindow; }

extern "C" TESALO_API int32_t GetVersion(void) { return 98; }
