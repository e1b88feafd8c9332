// A voice file's tone and drum entries into the voice table.
#include <cstdlib>
#include <cstring>
#include <memory>

#include "library/engine/engine.h"
#include "library/engine/engine_state.h"
#include "library/engine/voice_envelope.h"
#include "library/engine/voice_text.h"

namespace {

constexpr std::int32_t kVoiceFileVersion = 2;
constexpr std::size_t kGuardSamples = 64;
constexpr std::size_t kToneSpare = 70;  // a waveform's allocation beyond its samples
constexpr std::size_t kDrumSpare = 32;  // a drum sample's allocation beyond its samples
constexpr std::size_t kCopySpare = 64;  // zero bytes behind the working copy
constexpr std::uint8_t kSilence = 32;
constexpr int kFirstFallbackSlot = 2;
constexpr int kLastFallbackSlot = 62;
constexpr int kDefaultDrumSlot = 1;

struct FreeBytes {
    void operator()(std::uint8_t* bytes) const { std::free(bytes); }
};
using WorkingCopy = std::unique_ptr<std::uint8_t, FreeBytes>;

std::uint8_t* AllocateBytes(std::size_t size) {
    return static_cast<std::uint8_t*>(std::calloc(size, 1));
}

// The longest waveform a voice file may declare: 47 s at 22050 Hz. A damaged count of billions
// would otherwise take gigabytes (128 tones filled from tone 1, each written through), which a
// system that overcommits grants and then kills the process for; it is the memory error instead.
constexpr std::int64_t kMaxWaveformSamples = std::int64_t{1} << 20;

std::uint8_t* AllocateWaveform(std::int64_t samples, std::size_t spare) {
    if (samples > kMaxWaveformSamples) return nullptr;
    return AllocateBytes(static_cast<std::size_t>(samples) + spare);
}

void StepPast(const VoiceText& text, std::size_t& pos) {
    if (pos < text.length) ++pos;
}

// What the last two of the ten numbers say about the waveform.
struct WaveformCounts {
    std::int32_t samples;     // N, or -T for the waveform of tone T
    std::int64_t loopLength;  // loop count x 64, before it is fitted to the waveform
};

// The ten numbers after the name: eight fields of the tone and the waveform's counts.
WaveformCounts ReadToneNumbers(const VoiceText& text, std::size_t& pos, TONEENTRY& tone) {
    tone.attackRate = static_cast<std::uint8_t>(ReadNumber(text, pos));
    tone.decay1Rate = static_cast<std::uint8_t>(ReadNumber(text, pos));
    tone.decay2Rate = static_cast<std::uint8_t>(ReadNumber(text, pos));
    tone.decay1Steps = static_cast<std::uint8_t>(ReadNumber(text, pos));
    tone.modMode = static_cast<std::uint8_t>(ReadNumber(text, pos));
    tone.modSpeed = static_cast<std::uint8_t>(ReadNumber(text, pos));
    tone.modDelay = static_cast<std::uint8_t>(ReadNumber(text, pos));
    tone.tuneCents = ReadNumber(text, pos);
    const std::int32_t samples = ReadNumber(text, pos);
    return WaveformCounts{samples, std::int64_t{ReadNumber(text, pos)} * 64};
}

// The loop is the waveform's last loopLength samples, so it cannot be longer than the
// waveform; a negative loop is taken as none.
std::int32_t FitLoop(std::int64_t loopLength, std::int32_t sampleLength) {
    if (loopLength < 0) return 0;
    return static_cast<std::int32_t>(loopLength < sampleLength ? loopLength : sampleLength);
}

// The 64 guard samples repeat the loop's start, so a read just past the end stays on the loop;
// behind a one-shot waveform they are silence.
void WriteGuardSamples(TONEENTRY& tone) {
    std::uint8_t* samples = tone.sampleData;
    const std::size_t end = static_cast<std::size_t>(tone.sampleLength);
    for (std::size_t j = 0; j < kGuardSamples; ++j) {
        samples[end + j] = tone.loopLength == 0 ? kSilence : samples[end - tone.loopLength + j];
    }
}

// An alternate tone plays a copy of a lower tone's waveform (guard samples included).
VoiceFileError CopyAlternateWaveform(TONEENTRY& tone, std::int64_t index, std::int64_t ownerIndex,
                                     std::int64_t loopLength) {
    if (ownerIndex >= index || engine.toneTable[ownerIndex].sampleData == nullptr) {
        return VoiceFileError::kAlternate;
    }
    const TONEENTRY& owner = engine.toneTable[ownerIndex];
    const std::size_t stored = static_cast<std::size_t>(owner.sampleLength) + kGuardSamples;
    tone.sampleData = AllocateBytes(static_cast<std::size_t>(owner.sampleLength) + kToneSpare);
    if (tone.sampleData == nullptr) return VoiceFileError::kMemory;
    std::memcpy(tone.sampleData, owner.sampleData, stored);
    tone.sampleLength = owner.sampleLength;
    tone.loopLength = FitLoop(loopLength, tone.sampleLength);
    tone.guardLoopLength = owner.guardLoopLength;  // reads past the guard follow the owner's loop
    return VoiceFileError::kNone;
}

VoiceFileError ReadOwnWaveform(const VoiceText& text, std::size_t& pos, TONEENTRY& tone,
                               std::int32_t count, std::int64_t loopLength) {
    tone.sampleLength = count;
    tone.sampleData = AllocateWaveform(count, kToneSpare);
    if (tone.sampleData == nullptr) return VoiceFileError::kMemory;
    ReadSamples(text, pos, engine.tables.charValue, tone.sampleData,
                static_cast<std::size_t>(count));
    tone.loopLength = FitLoop(loopLength, count);
    tone.guardLoopLength = tone.loopLength;
    WriteGuardSamples(tone);
    return VoiceFileError::kNone;
}

void SetEnvelope(TONEENTRY& tone, VoiceFileResult& result) {
    if (ClampEnvelopeParameters(tone)) result.envelopesClamped += 1;
    ComputeEnvelope(tone, engine.sampleRate);
}

// One tone entry from just after its "@"; an error stops the load.
VoiceFileError ReadToneEntry(const VoiceText& text, std::size_t& pos, VoiceFileResult& result) {
    const std::int64_t index = std::int64_t{ReadNumber(text, pos)} - 1;
    if (index < 0 || index > 127) return VoiceFileError::kToneNumber;
    TONEENTRY& tone = engine.toneTable[index];
    SkipToComma(text, pos);
    StepPast(text, pos);
    CopyName(text, pos, tone.name, sizeof tone.name);
    const WaveformCounts counts = ReadToneNumbers(text, pos, tone);
    std::free(tone.sampleData);
    tone.sampleData = nullptr;
    const std::int64_t ownerIndex = -std::int64_t{counts.samples} - 1;
    const VoiceFileError error =
        counts.samples < 0 ? CopyAlternateWaveform(tone, index, ownerIndex, counts.loopLength)
                           : ReadOwnWaveform(text, pos, tone, counts.samples, counts.loopLength);
    if (error != VoiceFileError::kNone) return error;
    SetEnvelope(tone, result);
    StepPast(text, pos);
    return VoiceFileError::kNone;
}

// One drum entry from just after its "#"; an error stops the load.
VoiceFileError ReadDrumEntry(const VoiceText& text, std::size_t& pos) {
    const std::int64_t entry = ReadNumber(text, pos);
    const std::int64_t slot = entry == 1 ? kDefaultDrumSlot : entry - 25;
    if (slot < 0 || slot > 62) return VoiceFileError::kNone;
    DRUMENTRY& drum = engine.drumTable[slot];
    StepPast(text, pos);
    CopyName(text, pos, drum.name, sizeof drum.name);
    const std::int64_t reference = ReadNumber(text, pos);
    if (reference != 0) {
        const std::int64_t target = reference - 25;
        drum.aliasSlot =
            target >= 0 && target <= 63 ? static_cast<std::int32_t>(target) : kDefaultDrumSlot;
        return VoiceFileError::kNone;
    }
    drum.aliasSlot = 0;
    const std::int32_t count = ReadNumber(text, pos);
    drum.sampleLength = count > 0 ? count : 0;
    std::free(drum.sampleData);
    drum.sampleData = AllocateWaveform(drum.sampleLength, kDrumSpare);
    if (drum.sampleData == nullptr) return VoiceFileError::kMemory;
    const auto length = static_cast<std::size_t>(drum.sampleLength);
    ReadSamples(text, pos, engine.tables.charValue, drum.sampleData, length);
    // A read just past the end (the last half pair at 44100 Hz) finds silence.
    drum.sampleData[length] = kSilence;
    return VoiceFileError::kNone;
}

VoiceFileError ReadToneEntries(const VoiceText& text, std::size_t pos, VoiceFileResult& result) {
    for (pos = FindByte(text, pos, '@'); pos < text.length; pos = FindByte(text, pos, '@')) {
        ++pos;
        const VoiceFileError error = ReadToneEntry(text, pos, result);
        if (error != VoiceFileError::kNone) return error;
    }
    return VoiceFileError::kNone;
}

VoiceFileError ReadDrumEntries(const VoiceText& text) {
    for (std::size_t pos = FindByte(text, 0, '#'); pos < text.length;
         pos = FindByte(text, pos, '#')) {
        ++pos;
        const VoiceFileError error = ReadDrumEntry(text, pos);
        if (error != VoiceFileError::kNone) return error;
    }
    return VoiceFileError::kNone;
}

// A program the file leaves out plays silence with tone 1's timing.
VoiceFileError FillUndefinedTones() {
    const TONEENTRY& first = engine.toneTable[0];
    if (first.sampleData == nullptr) return VoiceFileError::kNoFirstTone;
    for (TONEENTRY& tone : engine.toneTable) {
        if (tone.sampleData != nullptr) continue;
        const auto length = static_cast<std::size_t>(first.sampleLength);
        std::uint8_t* silence = AllocateBytes(length + kToneSpare);
        if (silence == nullptr) return VoiceFileError::kMemory;
        std::memset(silence, kSilence, length + kGuardSamples);
        tone = first;
        std::memset(tone.name, 0, sizeof tone.name);
        tone.sampleData = silence;
    }
    return VoiceFileError::kNone;
}

// A drum key the file leaves out plays the default drum sound (slot 1).
void AliasUndefinedDrums() {
    for (int slot = kFirstFallbackSlot; slot <= kLastFallbackSlot; ++slot) {
        DRUMENTRY& drum = engine.drumTable[slot];
        if (drum.aliasSlot == 0 && drum.sampleLength == 0) drum.aliasSlot = kDefaultDrumSlot;
    }
}

// Tones, drums, then the tones and drums the file leaves out; the first error stops the load.
VoiceFileError LoadVoiceText(const VoiceText& text, VoiceFileResult& result) {
    std::size_t pos = 0;
    if (ReadNumber(text, pos) != kVoiceFileVersion) return VoiceFileError::kVersion;
    VoiceFileError error = ReadToneEntries(text, pos, result);
    if (error == VoiceFileError::kNone) error = ReadDrumEntries(text);
    if (error == VoiceFileError::kNone) error = FillUndefinedTones();
    if (error == VoiceFileError::kNone) AliasUndefinedDrums();
    return error;
}

}  // namespace

void ClearVoiceTable() {
    for (TONEENTRY& tone : engine.toneTable) tone = TONEENTRY{};
    for (DRUMENTRY& drum : engine.drumTable) drum = DRUMENTRY{};
}

void FreeVoiceTable() {
    for (TONEENTRY& tone : engine.toneTable) {
        std::free(tone.sampleData);
        tone.sampleData = nullptr;
    }
    for (DRUMENTRY& drum : engine.drumTable) {
        std::free(drum.sampleData);
        drum.sampleData = nullptr;
    }
}

VoiceFileResult LoadVoiceFile(const std::uint8_t* image, std::int32_t length) {
    VoiceFileResult result{0, VoiceFileError::kNone};
    const std::size_t imageLength = image != nullptr && length > 0 ? length : 0;
    WorkingCopy copy(AllocateBytes(imageLength + kCopySpare));
    if (copy == nullptr) {
        result.error = VoiceFileError::kMemory;
        return result;
    }
    const VoiceText text{copy.get(), StripComments(image, imageLength, copy.get())};
    result.error = LoadVoiceText(text, result);
    return result;
}
