// The block sequencer: one call renders one block of `division` ticks (one quarter note) of the
// single track, handing events to the voice manager at their tick positions.
#include <algorithm>
#include <cstring>

#include "library/engine/engine.h"
#include "library/engine/engine_state.h"
#include "midi/midi_bytes.h"

namespace {

enum class Event { kHandled, kTrackEnd };

constexpr std::uint32_t kDefaultTempo = 500000;
constexpr std::uint32_t kSlowestTempo = 1935483;  // 31 quarter notes per minute

const std::uint8_t* ImageEnd() { return engine.smfImage + engine.smfLength; }

// Bytes left between the track position and the end of the image.
std::uint32_t BytesLeft() {
    return engine.trackPtr < ImageEnd() ? static_cast<std::uint32_t>(ImageEnd() - engine.trackPtr)
                                        : 0;
}

// The quantity at the track position; false when the image end cuts it off (that ends the track).
bool ReadTrackQuantity(std::uint32_t* value) {
    return ReadQuantity(&engine.trackPtr, ImageEnd(), value);
}

void SetTempo(const std::uint8_t* data, std::uint32_t length) {
    if (length < 3) return;
    std::uint32_t tempo = BigEndian24(data);
    if (tempo == 0) return;
    if (60000000 / tempo < 31) tempo = kSlowestTempo;
    engine.tempo = tempo;
    engine.usPerTick = tempo / engine.division;
}

void HandleController(ChannelState& channel, std::uint8_t number, std::uint8_t value,
                      std::uint8_t ch) {
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

void HandleTwoByteEvent(std::uint8_t status, std::uint8_t first, std::uint8_t second,
                        std::uint32_t n) {
    const auto ch = static_cast<std::uint8_t>((status & 0x0F) + 1);
    ChannelState& channel = engine.channels[ch];
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
    const std::uint8_t type = *engine.trackPtr++;
    if (!ReadTrackQuantity(&length) || length > BytesLeft()) return Event::kTrackEnd;
    const std::uint8_t* data = engine.trackPtr;
    engine.trackPtr += length;
    if (type == 0x2F) return Event::kTrackEnd;
    if (type == 0x51) SetTempo(data, length);
    return Event::kHandled;
}

// One event at the track position; reaching the image end anywhere in it ends the track.
Event HandleEvent(std::uint32_t n) {
    if (BytesLeft() == 0) return Event::kTrackEnd;
    const std::uint8_t status = ReadStatus(&engine.trackPtr, engine.runningStatus);
    const StatusClass statusClass = kStatusClasses[status];
    // Taken before the data bytes are checked: a song cut off inside the event still hands it
    // to the next song.
    if (statusClass <= kTwoDataBytes) engine.runningStatus = status;
    switch (statusClass) {
        case kOneDataByte:
            if (BytesLeft() < 1) return Event::kTrackEnd;
            if ((status & 0xF0) == 0xC0)
                engine.channels[(status & 0x0F) + 1].program = *engine.trackPtr & 0x7F;
            engine.trackPtr += 1;
            return Event::kHandled;
        case kTwoDataBytes:
            if (BytesLeft() < 2) return Event::kTrackEnd;
            engine.trackPtr += 2;
            HandleTwoByteEvent(status, engine.trackPtr[-2] & 0x7F, engine.trackPtr[-1] & 0x7F, n);
            return Event::kHandled;
        case kExclusive:
            return SkipExclusive(&engine.trackPtr, ImageEnd()) ? Event::kHandled : Event::kTrackEnd;
        case kMeta: return HandleMeta();
        default: return Event::kHandled;
    }
}

struct BlockTimer {
    const BlockClock& clock;
    std::uint32_t segmentStart;
    std::uint32_t yieldThreshold;
    std::uint32_t busyBefore;  // busy milliseconds of the segments before the last yield

    // The time given away to other threads does not count as busy time.
    void YieldPast(std::uint32_t n) {
        if (n <= yieldThreshold) return;
        busyBefore += clock.nowMs() - segmentStart;
        clock.yield();
        segmentStart = clock.nowMs();
        yieldThreshold += 100;
    }
    std::uint32_t Busy() const { return busyBefore + (clock.nowMs() - segmentStart); }
};

// Renders ticks and counts their musical time.
void Render(std::uint32_t ticks, BlockReport* report) {
    if (!RenderTicks(ticks)) report->refusedStretches += 1;
    report->musicalUs += ticks * engine.usPerTick;
}

// Events from block offset n to the end of the block or of the track.
void RunEvents(std::uint32_t n, BlockReport* report, BlockTimer& timer) {
    const std::uint32_t blockTicks = engine.division;
    for (;;) {
        std::uint32_t delta = 0;
        if (HandleEvent(n) == Event::kTrackEnd || !ReadTrackQuantity(&delta)) {
            engine.bStop.store(1, std::memory_order_relaxed);
            return;
        }
        engine.nextEventTick += delta;
        // In 64 bits: a delta near 2^32 must end the block, not wrap round to a short stretch.
        const bool blockEnds = std::uint64_t{n} + delta >= blockTicks;
        if (!blockEnds) {
            Render(delta, report);
        } else {
            Render(blockTicks - n, report);
            engine.blockStartTick += blockTicks;
        }
        n += delta;
        timer.YieldPast(n);
        if (blockEnds) return;
    }
}

// The block's figures once it is in the buffer: its load is the busy time in percent of the
// time the buffer plays.
void FinishReport(const WAVEBUFFER& buffer, std::uint32_t busyMs, BlockReport* report) {
    const double bytesPerSecond = (engine.bitsPerSample == 16 ? 2.0 : 1.0) * engine.sampleRate;
    const double playMs = buffer.header.length / bytesPerSecond * 1000.0;
    report->rendered = true;
    report->busyMs = busyMs;
    report->load = playMs > 0.0 ? static_cast<std::uint32_t>(busyMs * 100.0 / playMs) : 0u;
    report->peakVoices = engine.peakVoices;
    report->peakRequests = engine.peakRequests;
    report->blockCount = engine.blocksRendered;
}

// Whole event-free blocks that come to no sample at all (a tempo so fast that a quarter note
// is shorter than a sample) are passed over at once: one empty block per quarter note of a
// damaged file's huge delta would keep the device busy for hours with nothing to play. Their
// musical time goes into the block's report. Returns the ticks left before the next event.
std::uint32_t SkipSilentBlocks(std::uint32_t n, std::uint32_t* musicalUs) {
    if (StretchSamples(engine.division) != 0) return n;
    const std::uint32_t skipped = n / engine.division * engine.division;
    const std::uint64_t skippedUs = std::uint64_t{skipped} * engine.usPerTick;
    *musicalUs = static_cast<std::uint32_t>(std::min<std::uint64_t>(skippedUs, UINT32_MAX));
    engine.blockStartTick += skipped;
    return n - skipped;
}

// A division with its top bit set is taken as a plain number.
std::uint32_t Division() { return BigEndian16(engine.smfImage + 12); }

void ResetChannels() {
    for (ChannelState& channel : engine.channels)
        channel = ChannelState{0, 12, 15, 0.0, 2, 127, 127};
}

}  // namespace

bool SongCanStart() {
    if (engine.smfImage == nullptr || engine.smfLength < 22) return false;
    const std::uint64_t trackStart = 16 + std::uint64_t{BigEndian32(engine.smfImage + 4)};
    return Division() != 0 && trackStart <= static_cast<std::uint64_t>(engine.smfLength);
}

void StartSong() {
    engine.trackPtr = engine.smfImage + 16 + BigEndian32(engine.smfImage + 4);
    engine.division = Division();
    std::uint32_t firstDelta = 0;
    ReadTrackQuantity(&firstDelta);  // the first event is taken at tick 0
    engine.tempo = kDefaultTempo;
    engine.usPerTick = kDefaultTempo / engine.division;
    engine.nextEventTick = 0;
    engine.blockStartTick = 0;
    engine.blocksRendered = 0;
    engine.activeVoices = 0;
    engine.requestedNotes = 0;
    engine.bStop.store(0, std::memory_order_relaxed);
    for (Voice& voice : engine.voices) ClearVoice(voice);
    ResetChannels();
    std::memset(engine.mixBuffer, 0,
                sizeof(std::int32_t) * static_cast<std::size_t>(engine.mixLength));
}

namespace {

// The next block's events and stretches into the mix; false when the track had already ended.
bool RunBlock(BlockReport* report, BlockTimer& timer) {
    engine.peakVoices = 0;
    engine.peakRequests = 0;
    if (BytesLeft() == 0) {
        engine.bStop.store(1, std::memory_order_relaxed);
        return false;
    }
    const std::uint32_t n =
        SkipSilentBlocks(engine.nextEventTick - engine.blockStartTick, &report->musicalUs);
    if (n >= engine.division) {
        engine.blockStartTick += engine.division;
        Render(engine.division, report);
    } else {
        if (n > 0) Render(n, report);
        RunEvents(n, report, timer);
    }
    return true;
}

std::uint32_t NoClockMs() { return 0; }
void NoYield() {}

}  // namespace

BlockReport RenderBlock(WAVEBUFFER& buffer, const BlockClock& clock) {
    BlockTimer timer{clock, clock.nowMs(), 100, 0};
    buffer.header.length = 0;
    BlockReport report{};
    if (!RunBlock(&report, timer)) return report;
    WaveSet(&buffer);
    engine.blocksRendered += 1;
    FinishReport(buffer, timer.Busy(), &report);
    return report;
}

bool PassBlock(StretchWork work, std::uint32_t* samples) {
    constexpr BlockClock kNoClock{NoClockMs, NoYield};
    BlockTimer timer{kNoClock, 0, 100, 0};
    BlockReport report{};
    engine.stretchWork = work;
    const bool ran = RunBlock(&report, timer);
    engine.stretchWork = StretchWork::kRender;
    if (!ran) return false;
    *samples = static_cast<std::uint32_t>(engine.blockSamples);
    EndUnplayedBlock(work == StretchWork::kRender);
    engine.blocksRendered += 1;
    return true;
}
