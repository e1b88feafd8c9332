// The PortAudio backend: the sound card. Its one device is PortAudio's default output, which the
// sound server (PipeWire, PulseAudio) routes as the desktop's settings say; the other outputs
// PortAudio lists (every ALSA PCM) are left alone. An open device runs a callback stream in the
// exact format only while blocks are queued: it starts on a write and ends when the queue has
// played out, so an idle player costs nothing and the server may suspend the card.
#include <alsa/asoundlib.h>
#include <jack/jack.h>
#include <portaudio.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <new>
#include <thread>
#include <vector>

#include "platform/codepage.h"
#include "platform/waveout_backend.h"

namespace platform {

namespace {

using Clock = std::chrono::steady_clock;

// How far beyond its own buffer a stream may run ahead of real time before its callback waits
// (see KeepToRealTime), and how long a sink must keep the pace by itself to count as one with a
// clock of its own.
constexpr double kDeviceBuffer = 0.2;  // seconds
constexpr std::chrono::duration<double> kAheadMargin = std::chrono::milliseconds(250);
constexpr Clock::duration kClockProbe = std::chrono::seconds(10);

enum class SinkPace { kUnknown, kOwnClock, kHeld };

struct QueuedBlock {
    BlockHeader* header;
    std::vector<std::uint8_t> bytes;
    std::size_t played = 0;
};

struct PortAudioState {
    std::mutex mutex;
    std::deque<QueuedBlock> queue;
    bool closing = false;
    bool held = false;           // paused: the callback plays silence and takes nothing
    bool running = false;        // started, and the callback has not yet found the queue empty
    PaStream* stream = nullptr;  // null once closed
    WaveDevice* device = nullptr;
    unsigned bytesPerSample = 1;
    SinkPace pace = SinkPace::kUnknown;
    Clock::duration maxAhead{};    // the stream's buffer and the margin
    Clock::time_point clockStart;  // real time of the first frame counted in framesOut
    std::uint64_t framesOut = 0;
};

// PortAudio's own calls are not made from two threads at once.
std::mutex& PortAudioMutex() {
    static std::mutex* mutex = new std::mutex;
    return *mutex;
}

void QuietAlsa(const char*, int, const char*, int, const char*, ...) {}
void QuietJack(const char*) {}

// Starts PortAudio once per process. ALSA and JACK report every device they probe and fail to
// find on stderr; that would bury the program's own output, so their reports are silenced.
bool PortAudioReady() {
    static const bool ready = [] {
        snd_lib_error_set_handler(QuietAlsa);
        jack_set_error_function(QuietJack);
        jack_set_info_function(QuietJack);
        if (Pa_Initialize() != paNoError) return false;
        std::atexit([] { Pa_Terminate(); });
        return true;
    }();
    return ready;
}

// PortAudio's default output device, or paNoDevice; the lock must be held.
PaDeviceIndex DefaultOutput() {
    return PortAudioReady() ? Pa_GetDefaultOutputDevice() : paNoDevice;
}

PaStreamParameters MonoOutput(PaDeviceIndex device, unsigned bitsPerSample) {
    PaStreamParameters parameters{};
    parameters.device = device;
    parameters.channelCount = 1;
    parameters.sampleFormat = bitsPerSample == 8 ? paUInt8 : paInt16;
    // Blocks are long; a generous device buffer keeps the sound free of gaps, and the fewer
    // times the sound server must be woken, the less a playing song costs.
    parameters.suggestedLatency =
        std::max(Pa_GetDeviceInfo(device)->defaultHighOutputLatency, kDeviceBuffer);
    return parameters;
}

// Copies queued bytes to out; returns how many. A block that has been played whole is done.
std::size_t PlayQueued(PortAudioState& state, std::uint8_t* out, std::size_t wanted) {
    std::size_t filled = 0;
    while (true) {
        BlockHeader* finished = nullptr;
        {
            std::lock_guard lock(state.mutex);
            if (state.held || state.queue.empty()) return filled;
            QueuedBlock& block = state.queue.front();
            const std::size_t count = std::min(block.bytes.size() - block.played, wanted - filled);
            // A block of no bytes has no data to copy from (its pointer may be null).
            if (count != 0) std::memcpy(out + filled, block.bytes.data() + block.played, count);
            block.played += count;
            filled += count;
            if (block.played < block.bytes.size()) return filled;
            finished = block.header;
            state.queue.pop_front();
        }
        ReportBlockDone(*state.device, finished);  // outside the lock: the post may write again
    }
}

// A sink without a clock of its own (ALSA's file and null plugins) asks for sound as fast as it
// can be made: the queue would run dry between two blocks and silence would fill the gap. Such a
// stream is held to real time. A sound card keeps the pace itself from its start; once it has
// done so for a while it is left alone, so the drift between its clock and ours never matters.
void KeepToRealTime(PortAudioState& state, unsigned long frames) {
    if (state.pace == SinkPace::kOwnClock) return;
    const Clock::time_point now = Clock::now();
    state.framesOut += frames;
    const auto produced = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(
        static_cast<double>(state.framesOut) / state.device->format.samplesPerSec));
    const Clock::duration ahead = state.clockStart + produced - now;
    if (ahead < Clock::duration::zero()) {
        state.clockStart = now;  // fell behind (an underrun): count from here
        state.framesOut = 0;
    } else if (ahead > state.maxAhead) {
        state.pace = SinkPace::kHeld;
        std::this_thread::sleep_for(ahead - state.maxAhead);
    } else if (state.pace == SinkPace::kUnknown && produced > kClockProbe) {
        state.pace = SinkPace::kOwnClock;
    }
}

// Whether the queue has run dry; the stream then ends, and the next write starts it again.
bool QueueDrained(PortAudioState& state) {
    std::lock_guard lock(state.mutex);
    if (state.held || !state.queue.empty()) return false;
    state.running = false;
    return true;
}

int StreamCallback(const void*, void* output, unsigned long frames, const PaStreamCallbackTimeInfo*,
                   PaStreamCallbackFlags, void* userData) {
    auto& state = *static_cast<PortAudioState*>(userData);
    auto* out = static_cast<std::uint8_t*>(output);
    const std::size_t wanted = frames * state.bytesPerSample;
    const std::size_t filled = PlayQueued(state, out, wanted);
    std::memset(out + filled, state.bytesPerSample == 1 ? 0x80 : 0, wanted - filled);
    ApplyVolume(out, wanted, state.bytesPerSample,
                state.device->volume.load(std::memory_order_relaxed));
    KeepToRealTime(state, frames);
    if (!QueueDrained(state)) return paContinue;
    // Completing lets the sound handed over play to its end; a call that had nothing to play
    // (the start at open) leaves nothing to wait for, not even this call's silence.
    return filled != 0 ? paComplete : paAbort;
}

// The kFormat* bits of the mono formats the device can play.
std::uint32_t SupportedFormats(PaDeviceIndex device) {
    struct Probe {
        std::uint32_t flag;
        double rate;
        unsigned bits;
    };
    constexpr Probe kProbes[] = {{kFormatMono22k8, 22050, 8},
                                 {kFormatMono22k16, 22050, 16},
                                 {kFormatMono44k8, 44100, 8},
                                 {kFormatMono44k16, 44100, 16}};
    std::uint32_t formats = 0;
    for (const Probe& probe : kProbes) {
        const PaStreamParameters output = MonoOutput(device, probe.bits);
        if (Pa_IsFormatSupported(nullptr, &output, probe.rate) == paFormatIsSupported) {
            formats |= probe.flag;
        }
    }
    return formats;
}

// A device that is playing (ours, opened by the library at start) refuses every probe while it
// is busy; it then keeps the formats found before it was opened. The lock must be held.
std::uint32_t RememberedFormats(PaDeviceIndex device) {
    static std::uint32_t found = 0;
    const std::uint32_t formats = SupportedFormats(device);
    if (formats != 0) found = formats;
    return found;
}

std::uint32_t ResultOfOpen(PaError error) {
    switch (error) {
        case paInvalidSampleRate:
        case paSampleFormatNotSupported:
        case paInvalidChannelCount: return kWaveErrorBadFormat;
        case paInsufficientMemory: return kWaveErrorNoMemory;
        case paInvalidDevice:
        case paDeviceUnavailable: return kWaveErrorBadDevice;
        default: return kWaveErrorFailed;
    }
}

std::uint32_t PortAudioDeviceCount() {
    std::lock_guard lock(PortAudioMutex());
    return DefaultOutput() != paNoDevice ? 1 : 0;
}

std::uint32_t PortAudioDefaultDevice() { return PortAudioDeviceCount() == 1 ? 0 : kWaveMapper; }

std::uint32_t PortAudioGetCaps(std::uint32_t, WaveOutCaps* caps) {
    std::lock_guard lock(PortAudioMutex());
    const PaDeviceIndex device = DefaultOutput();
    if (device == paNoDevice) return kWaveErrorBadDevice;
    const PaDeviceInfo* info = Pa_GetDeviceInfo(device);
    const std::u16string name = Utf8ToUtf16(info->name != nullptr ? info->name : "");
    const std::size_t length = std::min(name.size(), std::size(caps->name) - 1);
    std::copy_n(name.data(), length, caps->name);
    caps->name[length] = u'\0';
    caps->channels = static_cast<std::uint16_t>(std::min(info->maxOutputChannels, 2));
    caps->formats = RememberedFormats(device);
    return kWaveOk;
}

// The stream is opened here and started by the first write.
std::uint32_t PortAudioOpen(WaveDevice& device, std::uint32_t) {
    std::lock_guard lock(PortAudioMutex());
    const PaDeviceIndex output = DefaultOutput();
    if (output == paNoDevice) return kWaveErrorBadDevice;
    auto state = std::make_shared<PortAudioState>();
    state->device = &device;
    state->bytesPerSample = device.format.bitsPerSample / 8u;
    const PaStreamParameters parameters = MonoOutput(output, device.format.bitsPerSample);
    const PaError error = Pa_OpenStream(&state->stream, nullptr, &parameters,
                                        device.format.samplesPerSec, paFramesPerBufferUnspecified,
                                        paClipOff | paDitherOff, StreamCallback, state.get());
    if (error != paNoError) return ResultOfOpen(error);
    // A stream starts with each write that finds it idle: a sink without a clock may only run
    // ahead by what a card would buffer, or it would empty the queue before the next block.
    state->maxAhead = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(Pa_GetStreamInfo(state->stream)->outputLatency) +
        kAheadMargin);
    // Opening prepares the ALSA device, and a sound server's plug-in shows a prepared device as a
    // playing stream that keeps the server's sink running: a start aborted at once leaves the
    // stream stopped (corked) until the first block.
    if (Pa_StartStream(state->stream) == paNoError) Pa_AbortStream(state->stream);
    device.state = state;
    return kWaveOk;
}

// Stops what is left of a stream that completed (its sound has played out by now) and starts it
// again; PortAudio needs the stop before a start. The pace is counted anew from here.
PaError RestartStream(PortAudioState& state) {
    std::lock_guard lock(PortAudioMutex());
    if (state.stream == nullptr) return paBadStreamPtr;
    if (Pa_IsStreamStopped(state.stream) == 0) Pa_StopStream(state.stream);
    state.clockStart = Clock::now();
    state.framesOut = 0;
    return Pa_StartStream(state.stream);
}

std::uint32_t PortAudioWrite(WaveDevice& device, BlockHeader* header) {
    auto& state = *static_cast<PortAudioState*>(device.state.get());
    QueuedBlock block{header, {}, 0};
    try {
        block.bytes.assign(header->data, header->data + header->length);
    } catch (const std::bad_alloc&) {
        return kWaveErrorNoMemory;
    }
    {
        std::lock_guard lock(state.mutex);
        if (state.closing) return kWaveErrorBadHandle;
        state.queue.push_back(std::move(block));
        if (state.running || state.held) return kWaveOk;
        state.running = true;
    }
    if (RestartStream(state) == paNoError) return kWaveOk;
    // The stream did not start: nothing will play the block, so the write is refused.
    std::lock_guard lock(state.mutex);
    state.queue.pop_back();
    state.running = false;
    return kWaveErrorFailed;
}

// A held stream runs on, giving silence, so that the song goes on the moment it is let go (a
// sound server may take a second to start a stream again); only what the card has buffered
// plays after the hold. Let go, a stream that has ended meanwhile starts again.
std::uint32_t PortAudioHold(WaveDevice& device, bool held) {
    auto& state = *static_cast<PortAudioState*>(device.state.get());
    {
        std::lock_guard lock(state.mutex);
        if (state.closing) return kWaveErrorBadHandle;
        state.held = held;
        if (held || state.running || state.queue.empty()) return kWaveOk;
        state.running = true;
    }
    if (RestartStream(state) == paNoError) return kWaveOk;
    std::lock_guard lock(state.mutex);
    state.running = false;
    return kWaveErrorFailed;
}

std::uint32_t PortAudioReset(WaveDevice& device) {
    auto& state = *static_cast<PortAudioState*>(device.state.get());
    std::deque<QueuedBlock> dropped;
    {
        std::lock_guard lock(state.mutex);
        dropped.swap(state.queue);
    }
    for (const QueuedBlock& block : dropped) ReportBlockDone(device, block.header);
    return kWaveOk;
}

std::uint32_t PortAudioClose(WaveDevice& device) {
    auto& state = *static_cast<PortAudioState*>(device.state.get());
    {
        std::lock_guard lock(state.mutex);
        state.closing = true;
        state.queue.clear();
    }
    // Stopping lets the sound already handed to the card play out; the callback has ended after.
    std::lock_guard lock(PortAudioMutex());
    const PaError stopped =
        Pa_IsStreamStopped(state.stream) == 1 ? paNoError : Pa_StopStream(state.stream);
    const PaError closed = Pa_CloseStream(state.stream);
    state.stream = nullptr;
    return stopped == paNoError && closed == paNoError ? kWaveOk : kWaveErrorFailed;
}

constexpr WaveOutBackend kPortAudioBackend = {
    PortAudioDeviceCount, PortAudioDefaultDevice, PortAudioGetCaps, PortAudioOpen,
    PortAudioWrite,       PortAudioHold,          PortAudioReset,   PortAudioClose,
};

}  // namespace

const WaveOutBackend* PortAudioBackend() { return &kPortAudioBackend; }

void WaveOutUsePortAudio() { SelectWaveOutBackend(&kPortAudioBackend); }

}  // namespace platform
