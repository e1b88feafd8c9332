// The exported block entry points: the engine renders, the frame shows and posts what it reports.
#include "library/engine/engine.h"
#include "library/frame/frame.h"
#include "library/frame/messages.h"

namespace {

// The block's busy time is read from the frame's millisecond counter.
constexpr BlockClock kBlockClock{TickCountMs, YieldTimeSlice};

void ShowBufferOver() { ShowLibraryMessage(kTextBufferOverJa, kTextBufferOverEn); }

void PostReport(const BlockReport& report) {
    PostNotify(TE_NOTIFY_LOAD, static_cast<std::intptr_t>(report.load + report.busyMs * 65536u));
    PostNotify(TE_NOTIFY_DURATION, report.musicalUs / 1000);
    PostNotify(TE_NOTIFY_POLYPHONY, report.peakVoices + report.peakRequests * 256);
    PostNotify(TE_NOTIFY_BLOCK_COUNT, report.blockCount);
}

// Shows and posts what a block came to; false when none was rendered.
bool TellBlock(const BlockReport& report) {
    if (!report.rendered) return false;
    for (std::int32_t i = 0; i < report.refusedStretches; ++i) ShowBufferOver();
    PostReport(report);
    return true;
}

}  // namespace

extern "C" TESALO_API int32_t DecodeSmf(WAVEBUFFER* buffer) {
    return TellBlock(RenderBlock(*buffer, kBlockClock)) ? 1 : 0;
}

bool DecodeSmfFrom(WAVEBUFFER& buffer, std::uint32_t lead) {
    return TellBlock(RenderBlockFrom(buffer, kBlockClock, lead));
}

extern "C" TESALO_API int32_t WaveSynth(uint32_t ticks) {
    if (RenderTicks(ticks)) return 1;
    ShowBufferOver();
    return 0;
}
