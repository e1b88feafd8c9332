// A start further into the song: the blocks before the start are run without being played, so
// the block that holds the start goes on exactly as in a play from the beginning. A first run,
// which only counts samples (where blocks end depends on the track alone), finds that block and
// the blocks whose mix the filter and echo will still read there; a second run from the song's
// start renders the mix of those alone and only moves the voices through the others.
#include <algorithm>
#include <cstring>
#include <vector>

#include "library/engine/engine.h"
#include "library/engine/engine_state.h"

namespace {

// A block passed over whose mix is still part of the history at the start: no later block
// before the start was as long (lengths counted up to the depth the history is read to).
struct HistoryBlock {
    std::int32_t index;
    std::uint32_t reach;
};

// What the first run finds.
struct StartPlan {
    bool found;                         // false: the song ends before the start
    std::int32_t block;                 // the block that holds the start
    std::uint32_t lead;                 // its samples before the start
    std::vector<HistoryBlock> history;  // oldest first
};

// A block overwrites the history as far back as it is long, hiding every block it covers.
void KeepInHistory(std::vector<HistoryBlock>& history, std::int32_t index, std::uint32_t samples) {
    const std::uint32_t reach = std::min(samples, static_cast<std::uint32_t>(HistoryDepth()));
    if (reach == 0) return;
    while (!history.empty() && history.back().reach <= reach) history.pop_back();
    history.push_back({index, reach});
}

// Blocks are passed over while they start before the start sample and end at or before it.
StartPlan PlanStart(std::uint64_t sample) {
    StartPlan plan{false, 0, 0, {}};
    for (std::uint64_t at = 0; at < sample; ++plan.block) {
        std::uint32_t samples = 0;
        if (!PassBlock(StretchWork::kCount, &samples)) return plan;
        if (at + samples > sample) {
            plan.lead = static_cast<std::uint32_t>(sample - at);
            break;
        }
        if (engine.bStop.load(std::memory_order_relaxed) != 0) return plan;
        KeepInHistory(plan.history, plan.block, samples);
        at += samples;
    }
    plan.found = true;
    return plan;
}

// The second run, from the song's start to the block that holds the start.
void PassBlocksBefore(const StartPlan& plan, std::uint8_t runningStatus) {
    StartSong();
    engine.runningStatus = runningStatus;
    std::size_t next = 0;
    for (std::int32_t block = 0; block < plan.block; ++block) {
        const bool heard = next < plan.history.size() && plan.history[next].index == block;
        if (heard) ++next;
        std::uint32_t samples = 0;
        PassBlock(heard ? StretchWork::kRender : StretchWork::kMoveVoices, &samples);
    }
    engine.blocksRendered = 0;
}

}  // namespace

bool StartSongAt(std::uint64_t sample, std::uint32_t* lead) {
    // A song hands its running status on to the next: the first run must not move it on.
    const std::uint8_t runningStatus = engine.runningStatus;
    StartSong();
    const StartPlan plan = PlanStart(sample);
    if (!plan.found) return false;
    if (plan.block > 0 || plan.lead > 0) PassBlocksBefore(plan, runningStatus);
    *lead = plan.lead;
    return true;
}

BlockReport RenderBlockFrom(WAVEBUFFER& buffer, const BlockClock& clock, std::uint32_t lead) {
    BlockReport report = RenderBlock(buffer, clock);
    if (!report.rendered || lead == 0) return report;
    const std::uint32_t width = engine.bitsPerSample == 16 ? 2 : 1;
    const std::uint32_t samples = buffer.header.length / width;
    const std::uint32_t kept = samples - std::min(lead, samples);
    std::memmove(buffer.data, buffer.data + std::size_t{lead} * width, std::size_t{kept} * width);
    buffer.header.length = kept * width;
    report.musicalUs = static_cast<std::uint32_t>(std::uint64_t{report.musicalUs} * kept / samples);
    return report;
}
