// The block sequencer: one call renders one block of `division` ticks (one quarter note) of the
// single track, handing events to the voice manager at their tick positions.
#include <algorithm>
#include <cstring>

#include "library/engine/engine.h"
#include "midi/midi_bytes.h"
#include "library/frame/frame.h"
#include "library/frame/state.h"

namespace {

enum class Event { kHandled, kTrackEnd };

constexpr std::uint32_t kDefaultTempo = 500000;
constexpr std::uint32_t kSlowestTempo = 1935483;  // 31 quarter notes per minute

const std::uint8_t* ImageEnd() { return g.smfImage + g.smfLength; }

// Bytes left between the track position and the end of the image.
std::uint32_t BytesLeft() {
    return g.trackPtr < ImageEnd() ? static_cast<std::uint32_t>(ImageEnd() - g.trackPtr) : 0;
}

// The quantity at the track position; false when the image end cuts it off (that ends the track).
bool ReadTrackQuantity(std::uint32_t* value) { return ReadQuantity(&g.trackPtr, ImageEnd(), value); }

void SetTempo(const std::uint8_t* data, std::uint32_t length) {
    if (length < 3) return;
    std::uint32_t tempo = BigEndian24(data);
    if (tempo == 0) return;
    if (60000000 / tempo < 31) tempo = kSlowestTempo;
    g.tempo = tempo;
    g.usPerTick = tempo / g.division;
}

void HandleController(ChannelState& channel, std::uint8_t number, std::uint8_t value, std::uint8_t ch) {
    switch (number) {
        case 6:
            if (channel.rpnMsb * 256 + channel.rpnLsb == 0) channel.bendRange = value;
            break;
        case 7: channel.volume = (value >> 3) & 15; break;
        case 11: channel.expression = (value >> 3) & 15; break;
        case 100: channel.rpnLsb = value; break;
        case 101: channel.rpnMsb = value; break;
        case 121:
            channel.pitchBend = 0.0;
            channel.expression = 15;
            channel.rpnMsb = 127;
            channel.rpnLsb = 127;
            break;
        case 123: VoiceManager(0, 0, 0, ch, 0); break;
        default: break;
    }
}

void HandleTwoByteEvent(std::uint8_t status, std::uint8_t first, std::uint8_t second, std::uint32_t n) {
    const auto ch = static_cast<std::uint8_t>((status & 0x0F) + 1);
    ChannelState& channel = g.channels[ch];
    switch (status & 0xF0) {
        case 0x80: VoiceManager(1, first, second, ch, n); break;
        case 0x90: VoiceManager(second > 0 ? 2 : 1, first, second, ch, n); break;
        case 0xB0: HandleController(channel, first, second, ch); break;
        case 0xE0:
            channel.pitchBend = (first + 128 * second - 8192) * (1.0 / 8192) * channel.bendRange;
            VoiceManager(3, 0, 0, ch, 0);
            break;
        default: break;  // key pressure
    }
}

Event HandleMeta() {
    std::uint32_t length = 0;
    if (BytesLeft() == 0) return Event::kTrackEnd;
    const std::uint8_t type = *g.trackPtr++;
    if (!ReadTrackQuantity(&length) || length > BytesLeft()) return Event::kTrackEnd;
    const std::uint8_t* data = g.trackPtr;
    g.trackPtr += length;
    if (type == 0x2F) return Event::kTrackEnd;
    if (type == 0x51) SetTempo(data, length);
    return Event::kHandled;
}

// One event at the track position; reaching the image end anywhere in it ends the track.
Event HandleEvent(std::uint32_t n) {
    if (BytesLeft() == 0) return Event::kTrackEnd;
    const std::uint8_t status = ReadStatus(&g.trackPtr, g.runningStatus);
    const StatusClass statusClass = kStatusClasses[status];
    // Taken before the data bytes are checked: a song cut off inside the event still hands it
    // to the next song.
    if (statusClass <= kTwoDataBytes) g.runningStatus = status;
    switch (statusClass) {
        case kOneDataByte:
            if (BytesLeft() < 1) return Event::kTrackEnd;
            if ((status & 0xF0) == 0xC0) g.channels[(status & 0x0F) + 1].program = *g.trackPtr & 0x7F;
            g.trackPtr += 1;
            return Event::kHandled;
        case kTwoDataBytes:
            if (BytesLeft() < 2) return Event::kTrackEnd;
            g.trackPtr += 2;
            HandleTwoByteEvent(status, g.trackPtr[-2] & 0x7F, g.trackPtr[-1] & 0x7F, n);
            return Event::kHandled;
        case kExclusive:
            return SkipExclusive(&g.trackPtr, ImageEnd()) ? Event::kHandled : Event::kTrackEnd;
        case kMeta: return HandleMeta();
        default: return Event::kHandled;
    }
}

struct BlockTimer {
    std::uint32_t segmentStart;
    std::uint32_t yieldThreshold;
    std::uint32_t busyBefore;  // busy milliseconds of the segments before the last yield

    // The time given away to other threads does not count as busy time.
    void YieldPast(std::uint32_t n) {
        if (n <= yieldThreshold) return;
        busyBefore += TickCountMs() - segmentStart;
        YieldTimeSlice();
        segmentStart = TickCountMs();
        yieldThreshold += 100;
    }
    std::uint32_t Busy() const { return busyBefore + (TickCountMs() - segmentStart); }
};

// Renders ticks and counts their musical time.
void Render(std::uint32_t ticks, std::uint32_t* musicalUs) {
    WaveSynth(ticks);
    *musicalUs += ticks * g.usPerTick;
}

// Events from block offset n to the end of the block or of the track.
void RunEvents(std::uint32_t n, std::uint32_t* musicalUs, BlockTimer& timer) {
    const std::uint32_t blockTicks = g.division;
    for (;;) {
        std::uint32_t delta = 0;
        if (HandleEvent(n) == Event::kTrackEnd || !ReadTrackQuantity(&delta)) {
            g.bStop.store(1, std::memory_order_relaxed);
            return;
        }
        g.nextEventTick += delta;
        // In 64 bits: a delta near 2^32 must end the block, not wrap round to a short stretch.
        const bool blockEnds = std::uint64_t{n} + delta >= blockTicks;
        if (!blockEnds) {
            if (delta != 0) WaveSynth(delta);
            *musicalUs += delta * g.usPerTick;
        } else {
            Render(blockTicks - n, musicalUs);
            g.blockStartTick += blockTicks;
        }
        n += delta;
        timer.YieldPast(n);
        if (blockEnds) return;
    }
}

void Report(const WAVEBUFFER& buffer, std::uint32_t busyMs, std::uint32_t musicalUs) {
    const double bytesPerSecond = (g.bitsPerSample == 16 ? 2.0 : 1.0) * g.sampleRate;
    const double playMs = buffer.header.length / bytesPerSecond * 1000.0;
    const auto load = playMs > 0.0 ? static_cast<std::uint32_t>(busyMs * 100.0 / playMs) : 0u;
    PostNotify(TE_NOTIFY_LOAD, static_cast<std::intptr_t>(load + busyMs * 65536u));
    PostNotify(TE_NOTIFY_DURATION, musicalUs / 1000);
    PostNotify(TE_NOTIFY_POLYPHONY, g.peakVoices + g.peakRequests * 256);
    PostNotify(TE_NOTIFY_BLOCK_COUNT, g.blocksRendered);
}

// Whole event-free blocks that come to no sample at all (a tempo so fast that a quarter note
// is shorter than a sample) are passed over at once: one empty block per quarter note of a
// damaged file's huge delta would keep the device busy for hours with nothing to play. Their
// musical time goes into the block's report. Returns the ticks left before the next event.
std::uint32_t SkipSilentBlocks(std::uint32_t n, std::uint32_t* musicalUs) {
    if (StretchSamples(g.division) != 0) return n;
    const std::uint32_t skipped = n / g.division * g.division;
    const std::uint64_t skippedUs = std::uint64_t{skipped} * g.usPerTick;
    *musicalUs = static_cast<std::uint32_t>(std::min<std::uint64_t>(skippedUs, UINT32_MAX));
    g.blockStartTick += skipped;
    return n - skipped;
}

// A division with its top bit set is taken as a plain number.
std::uint32_t Division() { return BigEndian16(g.smfImage + 12); }

void ResetChannels() {
    for (ChannelState& channel : g.channels) channel = ChannelState{0, 12, 15, 0.0, 2, 127, 127};
}

}  // namespace

bool SongCanStart() {
    if (g.smfImage == nullptr || g.smfLength < 22) return false;
    const std::uint64_t trackStart = 16 + std::uint64_t{BigEndian32(g.smfImage + 4)};
    return Division() != 0 && trackStart <= static_cast<std::uint64_t>(g.smfLength);
}

void StartSong() {
    g.trackPtr = g.smfImage + 16 + BigEndian32(g.smfImage + 4);
    g.division = Division();
    std::uint32_t firstDelta = 0;
    ReadTrackQuantity(&firstDelta);  // the first event is taken at tick 0
    g.tempo = kDefaultTempo;
    g.usPerTick = kDefaultTempo / g.division;
    g.nextEventTick = 0;
    g.blockStartTick = 0;
    g.blocksRendered = 0;
    g.blocksPlayed = 0;
    g.activeVoices = 0;
    g.requestedNotes = 0;
    g.bStop.store(0, std::memory_order_relaxed);
    for (Voice& voice : g.voices) ClearVoice(voice);
    ResetChannels();
    std::memset(g.mixBuffer, 0, sizeof(std::int32_t) * static_cast<std::size_t>(g.mixLength));
}

extern "C" TESALO_API int32_t DecodeSmf(WAVEBUFFER* buffer) {
    BlockTimer timer{TickCountMs(), 100, 0};
    g.peakVoices = 0;
    g.peakRequests = 0;
    buffer->header.length = 0;
    std::uint32_t musicalUs = 0;
    if (BytesLeft() == 0) {
        g.bStop.store(1, std::memory_order_relaxed);
        return 0;
    }
    const std::uint32_t n = SkipSilentBlocks(g.nextEventTick - g.blockStartTick, &musicalUs);
    if (n >= g.division) {
        g.blockStartTick += g.division;
        Render(g.division, &musicalUs);
    } else {
        if (n > 0) Render(n, &musicalUs);
        RunEvents(n, &musicalUs, timer);
    }
    WaveSet(buffer);
    g.blocksRendered += 1;
    Report(*buffer, timer.Busy(), musicalUs);
    return 1;
}
