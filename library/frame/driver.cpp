// Playback: two output buffers used in turn, refilled as the device reports each block played.
#include "library/engine/engine.h"
#include "library/frame/frame.h"
#include "library/frame/messages.h"
#include "library/frame/ready_thread.h"
#include "library/frame/state.h"

void PostNotify(std::uint32_t code, std::intptr_t value) {
    platform::PostWindowMessage(g.parentWindow, g.notifyMessage, code, value);
}

static bool IsPrepared(const WAVEBUFFER& buffer) {
    return (buffer.header.flags & platform::WHDR_PREPARED) != 0;
}

// Renders a block into the buffer and prepares it; true when a block was produced.
static bool ProduceBlock(WAVEBUFFER& buffer) {
    if (DecodeSmf(&buffer) != 1) return false;
    platform::WaveOutPrepare(g.waveOut, &buffer.header);
    return true;
}

// The ready thread sleeps until TePlay has queued its blocks; this wakes it.
static void EndPlayStart() {
    g.playStarting.store(0, std::memory_order_release);
    g.playStarting.notify_all();
}

static std::int32_t RefusePlay() {
    EndPlayStart();
    PostNotify(TE_NOTIFY_PLAY, 1);
    return 0;
}

// Playback ends on a block that cannot be queued: code 6 with value 1 tells the caller it is
// over, so the block still queued beside it plays out without another being rendered.
static std::int32_t EndRefused(const char16_t* japanese, const char16_t* english) {
    g.bStop.store(1, std::memory_order_relaxed);
    ShowLibraryMessage(japanese, english);
    PostNotify(TE_NOTIFY_END, 1);
    return 0;
}

// Renders the block a start further in begins with and prepares it.
static bool ProduceBlockFrom(WAVEBUFFER& buffer, std::uint32_t lead) {
    if (!DecodeSmfFrom(buffer, lead)) return false;
    platform::WaveOutPrepare(g.waveOut, &buffer.header);
    return true;
}

static bool CanPlay(const char16_t* function) {
    if (g.bInitialized == 0) {
        ShowNotInitialized(function);
        PostNotify(TE_NOTIFY_PLAY, 1);
        return false;
    }
    if (SongCanStart()) return true;
    RefusePlay();
    return false;
}

static void BeginPlay() {
    g.blocksPlayed = 0;
    g.playStarting.store(1, std::memory_order_relaxed);
}

// Queues the song's first blocks, the first already made or not (the song ended before it),
// and reports the start.
static std::int32_t QueueFirstBlocks(bool firstProduced) {
    // A buffer that got no block this time may still be prepared from the last song; it is
    // never queued.
    bool produced[2] = {firstProduced, false};
    if (g.bStop.load(std::memory_order_relaxed) == 0) produced[1] = ProduceBlock(g.waveBuffers[1]);
    int queued = 0;
    for (int i = 0; i < 2; ++i) {
        if (!produced[i] || !IsPrepared(g.waveBuffers[i])) continue;
        if (platform::WaveOutWrite(g.waveOut, &g.waveBuffers[i].header) != platform::kWaveOk) {
            ShowLibraryMessage(kTextBlockRefusedJa, kTextBlockRefusedEn);
            g.bStop.store(1, std::memory_order_relaxed);
            return RefusePlay();
        }
        ++queued;
    }
    PostNotify(TE_NOTIFY_PLAY, 0);
    if (queued == 0) PostNotify(TE_NOTIFY_END, 0);
    EndPlayStart();
    return 1;
}

extern "C" TESALO_API int32_t TePlay(void) {
    if (!CanPlay(u"TePlay")) return 0;
    StartSong();
    BeginPlay();
    return QueueFirstBlocks(ProduceBlock(g.waveBuffers[0]));
}

extern "C" TESALO_API int32_t TePlayFrom(uint32_t startMs) {
    if (!CanPlay(u"TePlayFrom")) return 0;
    BeginPlay();
    const auto rate = static_cast<std::uint32_t>(g.sampleRate);
    const std::uint64_t sample = std::uint64_t{startMs} * rate / 1000;
    std::uint32_t lead = 0;
    const bool reached = StartSongAt(sample, &lead);
    return QueueFirstBlocks(reached && ProduceBlockFrom(g.waveBuffers[0], lead));
}

extern "C" TESALO_API int32_t TeStop(void) {
    g.bStop.store(1, std::memory_order_relaxed);
    if (g.held && g.bInitialized != 0) DropHeldBlocks();
    return 1;
}

extern "C" TESALO_API int32_t TeSetNextBuffer(void) {
    g.blocksPlayed += 1;
    WAVEBUFFER& buffer = g.waveBuffers[g.blocksRendered % 2];
    if (g.blocksPlayed >= g.blocksRendered) {
        g.bStop.store(1, std::memory_order_relaxed);
        PostNotify(TE_NOTIFY_END, 0);
        // The caller may start the next song the moment it sees the report, clearing bStop:
        // nothing of this song may be read or rendered after it.
        return 1;
    }
    if (g.bStop.load(std::memory_order_relaxed) != 0) return 1;
    platform::WaveOutUnprepare(g.waveOut, &buffer.header);
    ProduceBlock(buffer);
    if (IsPrepared(buffer)) {
        if (platform::WaveOutWrite(g.waveOut, &buffer.header) == platform::kWaveOk) return 1;
        return EndRefused(kTextBlockRefusedJa, kTextBlockRefusedEn);
    }
    // The image ended at the start of this block: code 6 follows when the last block has played.
    if (g.bStop.load(std::memory_order_relaxed) != 0) return 1;
    return EndRefused(kTextNotPreparedJa, kTextNotPreparedEn);
}
