// Melodic voices: a looped waveform read with a fixed-point phase, shaped by the 33-stage
// envelope and a tremolo or vibrato. Level and step stay constant between run boundaries (loop
// wrap, stage end, modulation step, end of the stretch), so each output sample costs one table
// look-up and two additions; doubles appear only at the boundaries.
#include <algorithm>
#include <atomic>
#include <cmath>

#include "library/engine/engine.h"
#include "library/engine/voice_render.h"
#include "library/engine/wave_run.h"

namespace {

constexpr std::uint32_t kNever = 0xFFFFFFFF;
constexpr std::int32_t kTremoloShape[8] = {-1, 0, 1, 0, -1, -2, -3, -2};
constexpr std::int32_t kVibratoShape[8] = {0, 1, 2, 1, 0, -1, -2, -1};

struct MelodicRun {
    Voice& voice;
    const TONEENTRY& tone;
    WaveRef wave;
    double loopEnd;     // E: the waveform's end, in 1/16384 sample units
    double loopLength;  // Q
    double loopStart;   // S = E - Q
    std::int32_t loudness;
    std::int32_t row;       // active voices, for levelTable
    std::int32_t level;     // J: envelope level, or the tremolo's level until the next change
    std::int32_t playStep;  // whole units actually added to the phase
    std::uint32_t wrapClock;
    std::uint32_t stageClock;
    std::uint32_t modClock;
};

// The phase only ever moves by whole 1/16384 units; the step is truncated toward zero and
// held inside 32 bits.
std::int32_t WholeStep(double step) {
    if (std::isnan(step)) return 0;
    if (step >= 2147483647.0) return 2147483647;
    if (step <= -2147483648.0) return -2147483647 - 1;
    return static_cast<std::int32_t>(step);
}

// clock + 1 + the whole part of distance / step: the voice clock at which a distance is
// covered. A negative or undefined quotient counts as 0; beyond 32 bits the clock never comes.
std::uint32_t ClockAfter(std::uint32_t clock, double distance, double step) {
    double quotient = std::trunc(distance / step);
    if (!(quotient > 0.0)) quotient = 0.0;
    const double at = clock + 1.0 + quotient;
    return at > 4294967295.0 ? kNever : static_cast<std::uint32_t>(at);
}

double LoopDistance(const MelodicRun& run) {
    return run.loopLength - (run.voice.phase - run.loopStart);
}

std::uint32_t FirstWrapClock(const MelodicRun& run) {
    const Voice& voice = run.voice;
    if (voice.firstPass != 1) return ClockAfter(voice.clock, LoopDistance(run), voice.step);
    if (voice.phase >= run.loopEnd) return voice.clock;
    return ClockAfter(voice.clock, run.loopEnd - voice.phase, voice.step);
}

// Unsigned, as voice clocks are; the product wraps like the clock does.
std::uint32_t ModClock(const Voice& voice) {
    if (voice.modMode == 0) return kNever;
    return static_cast<std::uint32_t>(voice.modPeriod) * static_cast<std::uint32_t>(voice.modCount) +
           static_cast<std::uint32_t>(voice.modStart);
}

std::int32_t EnvelopeLevel(const MelodicRun& run) {
    return g.tables.levelTable[run.loudness][run.row][run.voice.stage];
}

MelodicRun StartRun(Voice& voice, const TONEENTRY& tone, std::int32_t loudness) {
    MelodicRun run{voice, tone, {}, 0.0, 0.0, 0.0, loudness, ActiveRow(), 0, WholeStep(voice.step), 0, 0, 0};
    run.wave = {tone.sampleData, std::int64_t{std::max(tone.sampleLength, 0)} + 64, tone.guardLoopLength};
    run.loopEnd = tone.sampleLength * 16384.0;
    run.loopLength = tone.loopLength * 16384.0;
    run.loopStart = run.loopEnd - run.loopLength;
    run.level = EnvelopeLevel(run);
    run.wrapClock = FirstWrapClock(run);
    run.stageClock = static_cast<std::uint32_t>(tone.stageEnd[voice.stage]);
    run.modClock = ModClock(voice);
    return run;
}

// Tremolo moves the level by shape x depth / 32 of the envelope level, capped at 128.
void TremoloStep(MelodicRun& run, std::int32_t shape) {
    const std::int32_t plain = EnvelopeLevel(run);
    const auto shaped = static_cast<std::uint8_t>(plain + ((shape * run.voice.modMode * plain) >> 5));
    run.level = std::min<std::int32_t>(shaped, 128);
}

// Vibrato changes only the step actually played; the next wrap follows the new step.
void VibratoStep(MelodicRun& run, std::int32_t shape, std::uint32_t now) {
    const Voice& voice = run.voice;
    const std::int64_t swing = (std::int64_t{WholeStep(voice.step)} >> 8) * shape * (voice.modMode - 10);
    run.playStep = WholeStep(voice.step + static_cast<double>(swing));
    run.wrapClock = ClockAfter(now, LoopDistance(run), run.playStep);
}

void ModulationStep(MelodicRun& run, std::uint32_t now) {
    Voice& voice = run.voice;
    ++voice.modCount;
    run.modClock = ModClock(voice);
    const std::int32_t i = voice.modCount & 7;
    if (voice.modMode < 10) {
        TremoloStep(run, kTremoloShape[i]);
    } else {
        VibratoStep(run, kVibratoShape[i], now);
    }
}

// Everything due at the end of a run, in order: loop wrap, envelope stage, modulation step.
// False when a one-shot waveform has played to its end.
bool RunBoundary(MelodicRun& run, std::uint32_t now) {
    Voice& voice = run.voice;
    if (voice.phase >= run.loopEnd) {
        if (run.loopLength == 0.0) {
            voice.stage = 32;
            return false;
        }
        voice.phase -= run.loopLength;
    }
    if (now >= run.wrapClock) {
        voice.firstPass = 0;
        run.wrapClock = ClockAfter(now, LoopDistance(run), voice.step);
    }
    if (now >= run.stageClock) {
        ++voice.stage;
        run.stageClock = static_cast<std::uint32_t>(run.tone.stageEnd[voice.stage]);
        run.level = EnvelopeLevel(run);
    }
    if (voice.modMode != 0 && now >= run.modClock) ModulationStep(run, now);
    return true;
}

void RenderMelodicVoice(Voice& voice, std::uint32_t n, std::int32_t* mix, std::int32_t loudness) {
    const TONEENTRY& tone = g.toneTable[voice.program & 127];
    if (tone.sampleData == nullptr || voice.stage >= 32) return;
    MelodicRun run = StartRun(voice, tone, loudness);
    std::uint32_t done = 0;
    while (done < n && voice.stage < 32) {
        const std::uint32_t rest = n - done;
        const std::uint32_t end = std::min({voice.clock + rest, run.wrapClock, run.stageClock, run.modClock});
        const std::uint32_t count = std::min(end - voice.clock, rest);  // bounded even if a clock wraps
        const std::int64_t phase14 = static_cast<std::int64_t>(voice.phase);
        voice.phase = static_cast<double>(
            AddWaveRun(run.wave, g.tables.sampleScale[run.level], phase14, run.playStep, count, mix + done));
        done += count;
        voice.clock = end;
        run.row = ActiveRow();
        if (!RunBoundary(run, end)) break;
    }
}

}  // namespace

std::int32_t ActiveRow() { return std::clamp(g.activeVoices, 0, kMaxVoices); }

void RenderVoice(Voice& voice, std::uint32_t n, std::int32_t* mix) {
    if (voice.key == 0) return;
    const ChannelState& channel = g.channels[voice.channel];
    VolumeTable& volume = *g.volumeTable.load(std::memory_order_acquire);
    const std::int32_t loudness = std::atomic_ref(volume[channel.volume][channel.expression][voice.level])
                                      .load(std::memory_order_relaxed);
    if (voice.channel == kDrumChannel) {
        RenderDrumVoice(voice, n, mix, loudness);
    } else {
        RenderMelodicVoice(voice, n, mix, loudness);
    }
}
