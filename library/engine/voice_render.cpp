// Melodic voices over a stretch: a sequence of runs, each added tile by tile. A run is cut at
// tile ends without touching its state, so the boundaries (and every double computed there)
// fall exactly where they would if the whole stretch were rendered in one piece.
#include "library/engine/voice_render.h"

#include <algorithm>
#include <atomic>

#include "library/engine/engine.h"

namespace {

// Starts the next run of the stretch, or marks the stretch finished. The run's end is known
// as it starts, so its boundary is worked out at once, before its samples are added: the
// division there then overlaps the sample loop instead of holding up the next run.
void NextRun(MelodicCursor& cursor) {
    MelodicRun& run = cursor.run;
    Voice& voice = *run.voice;
    if (cursor.runStart >= cursor.stretch || voice.stage >= 32) {
        cursor.finished = true;
        return;
    }
    const std::uint32_t rest = cursor.stretch - cursor.runStart;
    const std::uint32_t end = RunEnd(run, rest);
    cursor.runCount = std::min(end - voice.clock, rest);  // bounded even if a clock wraps
    cursor.at = cursor.runStart;
    cursor.phase14 = static_cast<std::int64_t>(voice.phase);
    cursor.scale = engine.tables.sampleScale[run.level];
    cursor.step = run.playStep;
    // Where the run leaves the phase: what adding the run's samples returns.
    voice.phase = static_cast<double>(cursor.phase14 + std::int64_t{cursor.runCount} * cursor.step);
    voice.clock = end;
    cursor.lastRun = !RunBoundary(run, end);
}

}  // namespace

std::int32_t ActiveRow() { return std::clamp(engine.activeVoices, 0, kMaxVoices); }

MelodicCursor StartMelodic(Voice& voice, const TONEENTRY& tone, std::uint32_t n,
                           std::int32_t loudness, std::int32_t row) {
    MelodicCursor cursor{
        StartRun(voice, tone, loudness, row), n, 0, 0, 0, 0, nullptr, 0, false, false};
    NextRun(cursor);
    return cursor;
}

void RenderMelodicTile(MelodicCursor& cursor, std::uint32_t to, std::int32_t* mix) {
    while (!cursor.finished) {
        const std::uint32_t runStop = cursor.runStart + cursor.runCount;
        const std::uint32_t stop = std::min(runStop, to);
        if (cursor.at < stop) {
            cursor.phase14 = AddWaveRun(cursor.run.wave, cursor.scale, cursor.phase14, cursor.step,
                                        stop - cursor.at, mix + cursor.at);
            cursor.at = stop;
        }
        if (cursor.at < runStop) return;  // the tile ends inside the run
        if (cursor.lastRun) {
            cursor.finished = true;
            return;
        }
        cursor.runStart = runStop;
        NextRun(cursor);
    }
}

// The runs of the stretch follow each other as RenderMelodicTile steps through them, so the
// voice leaves the stretch with every boundary passed exactly as in a rendered one.
static void PassMelodicRuns(MelodicCursor& cursor) {
    while (!cursor.finished) {
        if (cursor.lastRun) {
            cursor.finished = true;
            return;
        }
        cursor.runStart += cursor.runCount;
        NextRun(cursor);
    }
}

VoiceCursor StartVoice(Voice& voice, std::uint32_t n, std::int32_t row) {
    VoiceCursor cursor{};
    const ChannelState& channel = engine.channels[voice.channel];
    VolumeTable& volume = *engine.volumeTable.load(std::memory_order_acquire);
    const std::int32_t loudness =
        std::atomic_ref(volume[channel.volume][channel.expression][voice.level])
            .load(std::memory_order_relaxed);
    if (voice.channel == kDrumChannel) {
        cursor.kind = VoiceCursor::Kind::kDrum;
        cursor.drum = StartDrum(voice, n, loudness, row);
        return cursor;
    }
    const TONEENTRY& tone = engine.toneTable[voice.program & 127];
    if (tone.sampleData == nullptr || voice.stage >= 32) return cursor;
    cursor.kind = VoiceCursor::Kind::kMelodic;
    cursor.melodic = StartMelodic(voice, tone, n, loudness, row);
    return cursor;
}

void RenderTile(VoiceCursor& cursor, std::uint32_t from, std::uint32_t to, std::int32_t* mix) {
    if (cursor.kind == VoiceCursor::Kind::kMelodic) RenderMelodicTile(cursor.melodic, to, mix);
    if (cursor.kind == VoiceCursor::Kind::kDrum) RenderDrumTile(cursor.drum, from, to, mix);
}

// A drum's tiles change nothing of its voice: FinishVoice moves it on.
void PassTiles(VoiceCursor& cursor) {
    if (cursor.kind == VoiceCursor::Kind::kMelodic) PassMelodicRuns(cursor.melodic);
}

bool FreesVoice(const VoiceCursor& cursor) {
    return cursor.kind == VoiceCursor::Kind::kDrum && DrumEnds(cursor.drum);
}

void FinishVoice(VoiceCursor& cursor) {
    if (cursor.kind == VoiceCursor::Kind::kDrum) FinishDrum(cursor.drum);
}

// One voice over a whole stretch, as one tile.
void RenderVoice(Voice& voice, std::uint32_t n, std::int32_t* mix) {
    if (voice.key == 0) return;
    VoiceCursor cursor = StartVoice(voice, n, ActiveRow());
    RenderTile(cursor, 0, n, mix);
    FinishVoice(cursor);
}
