#include "library/engine/voice_envelope.h"

namespace {

constexpr std::int32_t kNever = -1;
constexpr std::int32_t kAttackUnit = 1102;  // samples per attack unit below 15 (about 50 ms)
constexpr std::int32_t kDecayUnit = 2205;   // samples per decay unit below 15 (about 100 ms)

std::uint8_t Clamp15(std::uint8_t value, bool& clamped) {
    if (value <= 15) return value;
    clamped = true;
    return 15;
}

// Stages first..last each end `length` samples after the one before.
void AddStages(std::int32_t* stageEnd, int first, int last, std::int32_t length) {
    for (int k = first; k <= last; ++k) stageEnd[k] = stageEnd[k - 1] + length;
}

// The decays after the peak (stage 15); stages past a -1 keep whatever they held.
void ComputeDecays(std::int32_t* stageEnd, std::int32_t d1, std::int32_t d2, std::int32_t steps) {
    if (d1 == 0) {
        stageEnd[16] = kNever;
    } else if (steps == 0) {
        if (d2 == 0) {
            stageEnd[16] = kNever;
        } else {
            stageEnd[16] = stageEnd[15] + (15 - d1) * kDecayUnit;
            AddStages(stageEnd, 17, 31, (15 - d2) * kDecayUnit / 15);
        }
    } else {
        AddStages(stageEnd, 16, 15 + steps, (15 - d1) * kDecayUnit / steps);
        if (d2 == 0) {
            stageEnd[16 + steps] = kNever;
        } else {
            AddStages(stageEnd, 16 + steps, 31, (15 - d2) * kDecayUnit / (16 - steps));
        }
    }
}

}  // namespace

bool ClampEnvelopeParameters(TONEENTRY& tone) {
    bool clamped = false;
    tone.attackRate = Clamp15(tone.attackRate, clamped);
    tone.decay1Rate = Clamp15(tone.decay1Rate, clamped);
    tone.decay2Rate = Clamp15(tone.decay2Rate, clamped);
    tone.decay1Steps = Clamp15(tone.decay1Steps, clamped);
    return clamped;
}

void ComputeEnvelope(TONEENTRY& tone, std::int32_t sampleRate) {
    std::int32_t* stageEnd = tone.stageEnd;
    const std::int32_t attackStep = (15 - tone.attackRate) * kAttackUnit / 15;
    for (int k = 0; k <= 15; ++k) stageEnd[k] = k * attackStep;
    ComputeDecays(stageEnd, tone.decay1Rate, tone.decay2Rate, tone.decay1Steps);
    if (sampleRate == 44100) {
        for (int k = 0; k < 32; ++k) {
            // Unsigned: stale entries behind a -1 are doubled too and must not overflow.
            if (stageEnd[k] != kNever) stageEnd[k] = static_cast<std::int32_t>(2u * stageEnd[k]);
        }
    }
    stageEnd[32] = kNever;
}
