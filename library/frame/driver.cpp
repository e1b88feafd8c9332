// Playback: two output buffers used in turn, refilled as the device reports each block played.
#include "library/engine/engine.h"
#include "library/frame/frame.h"
#include "library/frame/messages.h"
#include "library/frame/state.h"

void PostNotify(std::uint32_t code, std::intptr_t value) {
    PostWindowMessage(g.parentWindow, g.notifyMessage, code, value);
}

static std::uint32_t BigEndian32(const std::uint8_t* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

// The header must be there, the division usable and the first track's data inside the image.
static bool ImageCanPlay() {
    if (g.smfImage == nullptr || g.smfLength < 22) return false;
    const std::uint32_t division = (std::uint32_t{g.smfImage[12]} << 8) | g.smfImage[13];
    const std::uint64_t trackStart = 16 + std::uint64_t{BigEndian32(g.smfImage + 4)};
    return division != 0 && trackStart <= static_cast<std::uint64_t>(g.smfLength);
}

static bool IsPrepared(const WAVEBUFFER& buffer) { return (buffer.header.flags & WHDR_PREPARED) != 0; }

// Renders a block into the buffer and prepares it; true when a block was produced.
static bool ProduceBlock(WAVEBUFFER& buffer) {
    if (DecodeSmf(&buffer) != 1) return false;
    WaveOutPrepare(g.waveOut, &buffer.header);
    return true;
}

static std::int32_t RefusePlay() {
    g.playStarting.store(0, std::memory_order_release);
    PostNotify(kNotifyPlay, 1);
    return 0;
}

extern "C" TESALO_API int32_t TePlay(void) {
    if (g.bInitialized == 0) {
        ShowNotInitialized(u"TePlay");
        PostNotify(kNotifyPlay, 1);
        return 0;
    }
    if (!ImageCanPlay()) return RefusePlay();
    StartSong();
    g.playStarting.store(1, std::memory_order_relaxed);
    // A buffer that got no block this time may still be prepared from the last song; it is
    // never queued.
    bool produced[2] = {ProduceBlock(g.waveBuffers[0]), false};
    if (g.bStop.load(std::memory_order_relaxed) == 0) produced[1] = ProduceBlock(g.waveBuffers[1]);
    int queued = 0;
    for (int i = 0; i < 2; ++i) {
        if (!produced[i] || !IsPrepared(g.waveBuffers[i])) continue;
        if (WaveOutWrite(g.waveOut, &g.waveBuffers[i].header) != kWaveOk) {
            ShowLibraryMessage(kTextBlockRefusedJa, kTextBlockRefusedEn);
            g.bStop.store(1, std::memory_order_relaxed);
            return RefusePlay();
        }
        ++queued;
    }
    PostNotify(kNotifyPlay, 0);
    if (queued == 0) PostNotify(kNotifyEnd, 0);
    g.playStarting.store(0, std::memory_order_release);
    return 1;
}

extern "C" TESALO_API int32_t TeStop(void) {
    g.bStop.store(1, std::memory_order_relaxed);
    return 1;
}

extern "C" TESALO_API int32_t TeSetNextBuffer(void) {
    g.blocksPlayed += 1;
    WAVEBUFFER& buffer = g.waveBuffers[g.blocksRendered % 2];
    if (g.blocksPlayed >= g.blocksRendered) {
        g.bStop.store(1, std::memory_order_relaxed);
        PostNotify(kNotifyEnd, 0);
    }
    if (g.bStop.load(std::memory_order_relaxed) != 0) return 1;
    WaveOutUnprepare(g.waveOut, &buffer.header);
    ProduceBlock(buffer);
    if (IsPrepared(buffer)) {
        if (WaveOutWrite(g.waveOut, &buffer.header) == kWaveOk) return 1;
        ShowLibraryMessage(kTextBlockRefusedJa, kTextBlockRefusedEn);
        PostNotify(kNotifyEnd, 1);
        return 0;
    }
    // The image ended at the start of this block: code 6 follows when the last block has played.
    if (g.bStop.load(std::memory_order_relaxed) != 0) return 1;
    ShowLibraryMessage(kTextNotPreparedJa, kTextNotPreparedEn);
    PostNotify(kNotifyEnd, 1);
    return 0;
}
