// Melodic voices: a looped waveform read with a fixed-point phase, shaped by the 33-stage
// envelope and a tremolo or vibrato. Level and step stay constant between run boundaries (loop
// wrap, stage end, modulation step, end of the stretch); doubles appear only at the boundaries.
#include "library/engine/melodic_run.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::uint32_t kNever = 0xFFFFFFFF;
constexpr std::int32_t kTremoloShape[8] = {-1, 0, 1, 0, -1, -2, -3, -2};
constexpr std::int32_t kVibratoShape[8] = {0, 1, 2, 1, 0, -1, -2, -1};

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
    return run.loopLength - (run.voice->phase - run.loopStart);
}

std::uint32_t FirstWrapClock(const MelodicRun& run) {
    const Voice& voice = *run.voice;
    if (voice.firstPass != 1) return ClockAfter(voice.clock, LoopDistance(run), voice.step);
    if (voice.phase >= run.loopEnd) return voice.clock;
    return ClockAfter(voice.clock, run.loopEnd - voice.phase, voice.step);
}

// Unsigned, as voice clocks are; the product wraps like the clock does.
std::uint32_t ModClock(const Voice& voice) {
    if (voice.modMode == 0) return kNever;
    return static_cast<std::uint32_t>(voice.modPeriod) *
               static_cast<std::uint32_t>(voice.modCount) +
           static_cast<std::uint32_t>(voice.modStart);
}

std::int32_t EnvelopeLevel(const MelodicRun& run) {
    return engine.tables.levelTable[run.loudness][run.row][run.voice->stage];
}

}  // namespace

MelodicRun StartRun(Voice& voice, const TONEENTRY& tone, std::int32_t loudness, std::int32_t row) {
    MelodicRun run{&voice, &tone, {}, 0.0, 0.0, 0.0, loudness, row, 0, WholeStep(voice.step),
                   0,      0,     0};
    run.wave = {tone.sampleData, std::int64_t{std::max(tone.sampleLength, 0)} + 64,
                tone.guardLoopLength};
    run.loopEnd = tone.sampleLength * 16384.0;
    run.loopLength = tone.loopLength * 16384.0;
    run.loopStart = run.loopEnd - run.loopLength;
    run.level = EnvelopeLevel(run);
    run.wrapClock = FirstWrapClock(run);
    run.stageClock = static_cast<std::uint32_t>(tone.stageEnd[voice.stage]);
    run.modClock = ModClock(voice);
    return run;
}

namespace {

// Tremolo moves the level by shape x depth / 32 of the envelope level, capped at 128.
void TremoloStep(MelodicRun& run, std::int32_t shape) {
    const std::int32_t plain = EnvelopeLevel(run);
    const auto shaped =
        static_cast<std::uint8_t>(plain + ((shape * run.voice->modMode * plain) >> 5));
    run.level = std::min<std::int32_t>(shaped, 128);
}

// Vibrato changes only the step actually played; the next wrap follows the new step.
void VibratoStep(MelodicRun& run, std::int32_t shape, std::uint32_t now) {
    const Voice& voice = *run.voice;
    const std::int64_t swing =
        (std::int64_t{WholeStep(voice.step)} >> 8) * shape * (voice.modMode - 10);
    run.playStep = WholeStep(voice.step + static_cast<double>(swing));
    run.wrapClock = ClockAfter(now, LoopDistance(run), run.playStep);
}

void ModulationStep(MelodicRun& run, std::uint32_t now) {
    Voice& voice = *run.voice;
    ++voice.modCount;
    run.modClock = ModClock(voice);
    const std::int32_t i = voice.modCount & 7;
    if (voice.modMode < 10) {
        TremoloStep(run, kTremoloShape[i]);
    } else {
        VibratoStep(run, kVibratoShape[i], now);
    }
}

}  // namespace

std::uint32_t RunEnd(const MelodicRun& run, std::uint32_t rest) {
    return std::min({run.voice->clock + rest, run.wrapClock, run.stageClock, run.modClock});
}

bool RunBoundary(MelodicRun& run, std::uint32_t now) {
    Voice& voice = *run.voice;
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
        run.stageClock = static_cast<std::uint32_t>(run.tone->stageEnd[voice.stage]);
        run.level = EnvelopeLevel(run);
    }
    if (voice.modMode != 0 && now >= run.modClock) ModulationStep(run, now);
    return true;
}
