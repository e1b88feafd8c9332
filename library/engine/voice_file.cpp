// TeVoiceSet: the voice file's tone and drum entries into the voice table.
#include <cstdlib>
#include <cstring>
#include <memory>

#include "library/engine/engine.h"
#include "library/engine/engine_state.h"
#include "library/engine/voice_envelope.h"
#include "library/engine/voice_text.h"
#include "library/frame/frame.h"
#include "library/frame/messages.h"
#include "library/frame/state.h"

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

const char16_t kTextVersionJa[] =
    u"音色定義ファイルのバージョンが異なります\nTeVoiceSet()呼び出しは失敗しました";
const char16_t kTextVersionEn[] = u"The versions of tone definition file(voice.txt) differ.";
const char16_t kTextToneNumber[] = u"Invalid tone number difinition.";
const char16_t kTextAlternate[] = u"Voice.txt altanate table error";
const char16_t kTextEnvelope[] = u"Voice.txt envelope parameter error";
const char16_t kTextNoFirstToneJa[] =
    u"音色定義ファイル @001 Piano が未定義です\nTeVoiceSet()呼び出しは失敗しました";
const char16_t kTextNoFirstToneEn[] = u"tone definition file @001 Piano is not defined.";

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
bool CopyAlternateWaveform(TONEENTRY& tone, std::int64_t index, std::int64_t ownerIndex,
                           std::int64_t loopLength) {
    if (ownerIndex >= index || engine.toneTable[ownerIndex].sampleData == nullptr) {
        ShowLibraryMessage(kTextAlternate, kTextAlternate);
        return false;
    }
    const TONEENTRY& owner = engine.toneTable[ownerIndex];
    const std::size_t stored = static_cast<std::size_t>(owner.sampleLength) + kGuardSamples;
    tone.sampleData = AllocateBytes(static_cast<std::size_t>(owner.sampleLength) + kToneSpare);
    if (tone.sampleData == nullptr) {
        ShowMemoryError();
        return false;
    }
    std::memcpy(tone.sampleData, owner.sampleData, stored);
    tone.sampleLength = owner.sampleLength;
    tone.loopLength = FitLoop(loopLength, tone.sampleLength);
    tone.guardLoopLength = owner.guardLoopLength;  // reads past the guard follow the owner's loop
    return true;
}

bool ReadOwnWaveform(const VoiceText& text, std::size_t& pos, TONEENTRY& tone,
                     std::int32_t count, std::int64_t loopLength) {
    tone.sampleLength = count;
    tone.sampleData = AllocateWaveform(count, kToneSpare);
    if (tone.sampleData == nullptr) {
        ShowMemoryError();
        return false;
    }
    ReadSamples(text, pos, engine.tables.charValue, tone.sampleData, static_cast<std::size_t>(count));
    tone.loopLength = FitLoop(loopLength, count);
    tone.guardLoopLength = tone.loopLength;
    WriteGuardSamples(tone);
    return true;
}

void SetEnvelope(TONEENTRY& tone) {
    if (ClampEnvelopeParameters(tone)) ShowLibraryMessage(kTextEnvelope, kTextEnvelope);
    ComputeEnvelope(tone, engine.sampleRate);
}

// One tone entry from just after its "@"; false when the load must stop (message shown).
bool ReadToneEntry(const VoiceText& text, std::size_t& pos) {
    const std::int64_t index = std::int64_t{ReadNumber(text, pos)} - 1;
    if (index < 0 || index > 127) {
        ShowLibraryMessage(kTextToneNumber, kTextToneNumber);
        return false;
    }
    TONEENTRY& tone = engine.toneTable[index];
    SkipToComma(text, pos);
    StepPast(text, pos);
    CopyName(text, pos, tone.name, sizeof tone.name);
    const WaveformCounts counts = ReadToneNumbers(text, pos, tone);
    std::free(tone.sampleData);
    tone.sampleData = nullptr;
    const std::int64_t ownerIndex = -std::int64_t{counts.samples} - 1;
    const bool loaded = counts.samples < 0
                            ? CopyAlternateWaveform(tone, index, ownerIndex, counts.loopLength)
                            : ReadOwnWaveform(text, pos, tone, counts.samples, counts.loopLength);
    if (!loaded) return false;
    SetEnvelope(tone);
    StepPast(text, pos);
    return true;
}

// One drum entry from just after its "#"; false when the load must stop (message shown).
bool ReadDrumEntry(const VoiceText& text, std::size_t& pos) {
    const std::int64_t entry = ReadNumber(text, pos);
    const std::int64_t slot = entry == 1 ? kDefaultDrumSlot : entry - 25;
    if (slot < 0 || slot > 62) return true;
    DRUMENTRY& drum = engine.drumTable[slot];
    StepPast(text, pos);
    CopyName(text, pos, drum.name, sizeof drum.name);
    const std::int64_t reference = ReadNumber(text, pos);
    if (reference != 0) {
        const std::int64_t target = reference - 25;
        drum.aliasSlot = target >= 0 && target <= 63 ? static_cast<std::int32_t>(target)
                                                     : kDefaultDrumSlot;
        return true;
    }
    drum.aliasSlot = 0;
    const std::int32_t count = ReadNumber(text, pos);
    drum.sampleLength = count > 0 ? count : 0;
    std::free(drum.sampleData);
    drum.sampleData = AllocateWaveform(drum.sampleLength, kDrumSpare);
    if (drum.sampleData == nullptr) {
        ShowMemoryError();
        return false;
    }
    const auto length = static_cast<std::size_t>(drum.sampleLength);
    ReadSamples(text, pos, engine.tables.charValue, drum.sampleData, length);
    // A read just past the end (the last half pair at 44100 Hz) finds silence.
    drum.sampleData[length] = kSilence;
    return true;
}

bool ReadToneEntries(const VoiceText& text, std::size_t pos) {
    for (pos = FindByte(text, pos, '@'); pos < text.length; pos = FindByte(text, pos, '@')) {
        ++pos;
        if (!ReadToneEntry(text, pos)) return false;
    }
    return true;
}

bool ReadDrumEntries(const VoiceText& text) {
    for (std::size_t pos = FindByte(text, 0, '#'); pos < text.length;
         pos = FindByte(text, pos, '#')) {
        ++pos;
        if (!ReadDrumEntry(text, pos)) return false;
    }
    return true;
}

// A program the file leaves out plays silence with tone 1's timing.
bool FillUndefinedTones() {
    const TONEENTRY& first = engine.toneTable[0];
    if (first.sampleData == nullptr) {
        ShowLibraryMessage(kTextNoFirstToneJa, kTextNoFirstToneEn);
        return false;
    }
    for (TONEENTRY& tone : engine.toneTable) {
        if (tone.sampleData != nullptr) continue;
        const auto length = static_cast<std::size_t>(first.sampleLength);
        std::uint8_t* silence = AllocateBytes(length + kToneSpare);
        if (silence == nullptr) {
            ShowMemoryError();
            return false;
        }
        std::memset(silence, kSilence, length + kGuardSamples);
        tone = first;
        std::memset(tone.name, 0, sizeof tone.name);
        tone.sampleData = silence;
    }
    return true;
}

// A drum key the file leaves out plays the default drum sound (slot 1).
void AliasUndefinedDrums() {
    for (int slot = kFirstFallbackSlot; slot <= kLastFallbackSlot; ++slot) {
        DRUMENTRY& drum = engine.drumTable[slot];
        if (drum.aliasSlot == 0 && drum.sampleLength == 0) drum.aliasSlot = kDefaultDrumSlot;
    }
}

bool LoadVoiceText(const VoiceText& text) {
    std::size_t pos = 0;
    if (ReadNumber(text, pos) != kVoiceFileVersion) {
        ShowLibraryMessage(kTextVersionJa, kTextVersionEn);
        return false;
    }
    if (!ReadToneEntries(text, pos) || !ReadDrumEntries(text) || !FillUndefinedTones()) {
        return false;
    }
    AliasUndefinedDrums();
    return true;
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

extern "C" TESALO_API int32_t TeVoiceSet(const uint8_t* image, int32_t length) {
    if (g.bInitialized == 0) {
        ShowNotInitialized(u"TeVoiceSet");
        return 0;
    }
    const std::size_t imageLength = image != nullptr && length > 0 ? length : 0;
    WorkingCopy copy(AllocateBytes(imageLength + kCopySpare));
    if (copy == nullptr) {
        ShowMemoryError();
        return 0;
    }
    const VoiceText text{copy.get(), StripComments(image, imageLength, copy.get())};
    return LoadVoiceText(text) ? 1 : 0;
}
