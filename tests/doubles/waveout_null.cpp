// The null backend: one device, "null", that discards the bytes. Its pacing decides when a block
// is done: at once, after its playing time, or when a test says so.
#include "tests/doubles/waveout_null.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/waveout_backend.h"

namespace platform {

namespace {

using Clock = std::chrono::steady_clock;

struct QueuedBlock {
    BlockHeader* header;
    std::uint32_t length;
};

struct NullState {
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<QueuedBlock> queue;
    NullPacing pacing = NullPacing::kInstant;
    bool closing = false;
    bool held = false;  // paused: blocks wait, none is done
    std::thread worker;
};

std::atomic<NullPacing> chosenPacing{NullPacing::kInstant};
std::atomic<int> writesToFail{0};

// The open null device that WaveOutNullComplete and WaveOutNullPending look at.
struct CurrentDevice {
    std::mutex mutex;
    WaveDevice* device = nullptr;
};

CurrentDevice& Current() {
    static CurrentDevice* current = new CurrentDevice;
    return *current;
}

NullState& StateOf(const WaveDevice& device) {
    return *static_cast<NullState*>(device.state.get());
}

Clock::duration PlayingTime(const WaveFormat& format, std::uint32_t length) {
    const std::uint64_t bytesPerSecond = format.samplesPerSec * (format.bitsPerSample / 8u);
    return std::chrono::microseconds(length * 1000000ull / bytesPerSecond);
}

// Real-time pacing: blocks play back to back; each is done when its playing time has passed.
void PlayInRealTime(WaveDevice* device) {
    NullState& state = StateOf(*device);
    Clock::time_point playedUntil = Clock::now();
    std::unique_lock lock(state.mutex);
    while (true) {
        state.changed.wait(
            lock, [&state] { return state.closing || (!state.held && !state.queue.empty()); });
        if (state.closing) return;
        playedUntil = std::max(playedUntil, Clock::now()) +
                      PlayingTime(device->format, state.queue.front().length);
        // A hold (or a reset) meanwhile: the front block is played again, whole, when it ends.
        const std::size_t waiting = state.queue.size();
        if (state.changed.wait_until(lock, playedUntil, [&state, waiting] {
                return state.closing || state.held || state.queue.size() < waiting;
            })) {
            if (state.closing) return;
            playedUntil = Clock::now();
            continue;
        }
        BlockHeader* header = state.queue.front().header;
        state.queue.pop_front();
        lock.unlock();
        ReportBlockDone(*device, header);
        lock.lock();
    }
}

bool TakeFailedWrite() {
    int left = writesToFail.load();
    while (left > 0 && !writesToFail.compare_exchange_weak(left, left - 1)) {
    }
    return left > 0;
}

// The format bits of each null device (tests of device lists); one device with every format
// unless a test says otherwise.
struct NullDevices {
    std::mutex mutex;
    std::vector<std::uint32_t> formats{kFormatMono22k8 | kFormatMono22k16 | kFormatMono44k8 |
                                       kFormatMono44k16};
};

NullDevices& Devices() {
    static NullDevices* devices = new NullDevices;
    return *devices;
}

std::uint32_t NullDeviceCount() {
    NullDevices& devices = Devices();
    std::lock_guard lock(devices.mutex);
    return static_cast<std::uint32_t>(devices.formats.size());
}

std::uint32_t NullDefaultDevice() { return NullDeviceCount() > 0 ? 0 : kWaveMapper; }

std::uint32_t NullGetCaps(std::uint32_t index, WaveOutCaps* caps) {
    NullDevices& devices = Devices();
    std::lock_guard lock(devices.mutex);
    if (index >= devices.formats.size()) return kWaveErrorBadDevice;
    DescribeSingleDevice(u"null", caps);
    caps->formats = devices.formats[index];
    return kWaveOk;
}

std::uint32_t NullOpen(WaveDevice& device, std::uint32_t) {
    auto state = std::make_shared<NullState>();
    state->pacing = chosenPacing.load();
    device.state = state;
    if (state->pacing == NullPacing::kRealTime) {
        state->worker = std::thread(PlayInRealTime, &device);
    }
    CurrentDevice& current = Current();
    std::lock_guard lock(current.mutex);
    current.device = &device;
    return kWaveOk;
}

std::uint32_t NullWrite(WaveDevice& device, BlockHeader* header) {
    if (TakeFailedWrite()) return kWaveErrorFailed;
    NullState& state = StateOf(device);
    std::unique_lock lock(state.mutex);
    if (state.pacing == NullPacing::kInstant && !state.held) {
        lock.unlock();
        ReportBlockDone(device, header);
        return kWaveOk;
    }
    if (state.closing) return kWaveErrorBadHandle;
    state.queue.push_back(QueuedBlock{header, header->length});
    state.changed.notify_all();
    return kWaveOk;
}

// Takes the queued blocks off the queue, oldest first, and reports them done.
void ReportTaken(WaveDevice& device, NullState& state, bool all) {
    std::vector<BlockHeader*> taken;
    {
        std::lock_guard lock(state.mutex);
        if (!all && state.pacing != NullPacing::kInstant) return;
        for (const QueuedBlock& block : state.queue) taken.push_back(block.header);
        state.queue.clear();
        state.changed.notify_all();
    }
    for (BlockHeader* header : taken) ReportBlockDone(device, header);
}

// An instant device, once it plays on, is done at once with what waited.
std::uint32_t NullHold(WaveDevice& device, bool held) {
    NullState& state = StateOf(device);
    {
        std::lock_guard lock(state.mutex);
        state.held = held;
        state.changed.notify_all();
    }
    if (!held) ReportTaken(device, state, false);
    return kWaveOk;
}

std::uint32_t NullReset(WaveDevice& device) {
    ReportTaken(device, StateOf(device), true);
    return kWaveOk;
}

std::uint32_t NullClose(WaveDevice& device) {
    {
        CurrentDevice& current = Current();
        std::lock_guard lock(current.mutex);
        if (current.device == &device) current.device = nullptr;
    }
    NullState& state = StateOf(device);
    {
        std::lock_guard lock(state.mutex);
        state.closing = true;
        state.queue.clear();
        state.changed.notify_all();
    }
    if (state.worker.joinable()) state.worker.join();
    return kWaveOk;
}

constexpr WaveOutBackend kNullBackend = {
    NullDeviceCount, NullDefaultDevice, NullGetCaps, NullOpen,
    NullWrite,       NullHold,          NullReset,   NullClose,
};

}  // namespace

void WaveOutUseNull(NullPacing pacing) {
    chosenPacing.store(pacing);
    SelectWaveOutBackend(&kNullBackend);
}

int WaveOutNullComplete(int count) {
    CurrentDevice& current = Current();
    std::lock_guard lock(current.mutex);
    if (current.device == nullptr) return 0;
    NullState& state = StateOf(*current.device);
    if (state.pacing != NullPacing::kManual) return 0;
    std::vector<BlockHeader*> done;
    {
        std::lock_guard queueLock(state.mutex);
        if (state.held) return 0;
        while (static_cast<int>(done.size()) < count && !state.queue.empty()) {
            done.push_back(state.queue.front().header);
            state.queue.pop_front();
        }
    }
    for (BlockHeader* header : done) ReportBlockDone(*current.device, header);
    return static_cast<int>(done.size());
}

int WaveOutNullPending() {
    CurrentDevice& current = Current();
    std::lock_guard lock(current.mutex);
    if (current.device == nullptr) return 0;
    NullState& state = StateOf(*current.device);
    std::lock_guard queueLock(state.mutex);
    return static_cast<int>(state.queue.size());
}

void WaveOutNullDevices(const std::vector<std::uint32_t>& formats) {
    NullDevices& devices = Devices();
    std::lock_guard lock(devices.mutex);
    devices.formats = formats;
}

void WaveOutNullFailWrites(int count) { writesToFail.store(std::max(count, 0)); }

}  // namespace platform
