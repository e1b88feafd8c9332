// The voice pool: note events claim, reuse, steal, release and re-tune voices under the
// polyphony limit. The pool is a fixed array searched linearly.
#include <algorithm>
#include <cmath>

#include "library/engine/engine.h"
#include "library/engine/engine_state.h"

namespace {

enum Request : std::int32_t {
    kAllNotesOff = 0,
    kNoteOff = 1,
    kNoteOn = 2,
    kRetune = 3,
    kNoteOnFresh = 4,  // note on that never takes over a sounding voice while free ones remain
};

std::int32_t PolyLimit() { return engine.polyLimit.load(std::memory_order_relaxed); }

const TONEENTRY& ChannelTone(std::uint8_t channel) {
    return engine.toneTable[engine.channels[channel].program & 127];
}

void RaisePeaks() {
    engine.peakVoices = std::max(engine.peakVoices, engine.activeVoices);
    engine.peakRequests = std::max(engine.peakRequests, engine.requestedNotes);
}

// Drum keys 25..87 have slots 0..62; every other key plays the default drum, slot 1.
std::uint8_t DrumIndex(std::uint8_t key) {
    const auto index = static_cast<std::uint8_t>(key - 25);
    return index > 62 ? 1 : index;
}

// Closed, pedal and open hi-hat (keys 42, 44, 46) cut each other off.
bool IsHiHat(std::uint8_t drumIndex) {
    return drumIndex == 17 || drumIndex == 19 || drumIndex == 21;
}

// The voice with the smallest startTick not later than tickOffset, the lower index on ties;
// voice 0 when none qualifies.
std::int32_t OldestVoice(std::uint32_t tickOffset, std::int32_t limit) {
    std::int32_t candidate = 0;
    std::uint32_t smallest = tickOffset;
    for (std::int32_t i = limit - 1; i >= 0; --i) {
        if (engine.voices[i].startTick <= smallest) {
            candidate = i;
            smallest = engine.voices[i].startTick;
        }
    }
    return candidate;
}

std::int32_t ChooseDrumVoice(std::uint8_t drumIndex, std::uint32_t tickOffset, std::int32_t limit) {
    if (IsHiHat(drumIndex)) {
        for (std::int32_t i = 0; i < limit; ++i) {
            const Voice& voice = engine.voices[i];
            if (voice.channel == kDrumChannel && IsHiHat(voice.key)) return i;
        }
    }
    for (std::int32_t i = limit - 1; i >= 0; --i) {
        if (engine.voices[i].key == 0) {
            ++engine.activeVoices;
            return i;
        }
    }
    return OldestVoice(tickOffset, limit);
}

// A full pool gives up a drum voice or a voice of the same key before any other.
std::int32_t StealMelodicVoice(std::uint8_t key, std::uint8_t channel, std::uint32_t tickOffset,
                               std::int32_t limit) {
    engine.activeVoices = limit;
    for (std::int32_t i = limit - 1; i >= 0; --i) {
        const Voice& voice = engine.voices[i];
        if ((voice.key == key && voice.channel == channel) || voice.channel == kDrumChannel)
            return i;
    }
    return OldestVoice(tickOffset, limit);
}

std::int32_t ChooseMelodicVoice(std::int32_t request, std::uint8_t key, std::uint8_t channel,
                                std::uint32_t tickOffset, std::int32_t limit) {
    if (engine.activeVoices >= limit) return StealMelodicVoice(key, channel, tickOffset, limit);
    for (std::int32_t i = 0; i < limit; ++i) {
        const Voice& voice = engine.voices[i];
        if (voice.key == 0) {
            ++engine.activeVoices;
            return i;
        }
        if (request == kNoteOn && voice.key == key && voice.channel == channel) return i;
    }
    return -1;
}

// Low keys are lifted and high keys lowered so that the extremes keep their loudness.
std::uint8_t NoteLevel(std::uint8_t velocity, std::uint8_t key) {
    int level = velocity >> 3;
    if (key < 21) {
        level += 2;
    } else if (key < 33) {
        level += 1;
    } else if (key > 93) {
        level -= 2;
    } else if (key > 81) {
        level -= 1;
    }
    return static_cast<std::uint8_t>(std::clamp(level, 0, 15));
}

// The cycle frequency of the tuned and bent key, as table positions per output sample.
double GeneralStep(double tuneCents, int key, double pitchBend) {
    const double f = 13.75 * std::pow(2.0, (tuneCents * 0.01 + key + pitchBend - 9) / 12);
    return 64.0 / (engine.sampleRate / f) * 16384.0;
}

// The common case (no bend, no detune or a whole octave) needs no power function.
double NoteStep(double tuneCents, std::uint8_t key, double pitchBend) {
    if (pitchBend == 0.0) {
        if (tuneCents == 0.0) return engine.tables.pitchStep[key];
        if (tuneCents == 1200.0) return engine.tables.pitchStep[key] * 2.0;
        if (tuneCents == -1200.0) return engine.tables.pitchStep[key] * 0.5;
    }
    return GeneralStep(tuneCents, key, pitchBend);
}

void SetModulation(Voice& voice, const TONEENTRY& tone) {
    const int speed = std::min<int>(tone.modSpeed, 15);  // 16 would make the period 0
    voice.modMode = tone.modMode;
    voice.modCount = 0;
    voice.modStart = tone.modDelay * 1102;
    voice.modPeriod = 880 - speed * 55;
    if (engine.sampleRate == 44100) {
        voice.modStart *= 2;
        voice.modPeriod *= 2;
    }
}

void StartVoice(Voice& voice, std::uint8_t key, std::uint8_t velocity, std::uint8_t channel,
                std::uint32_t tickOffset) {
    const ChannelState& state = engine.channels[channel];
    const TONEENTRY& tone = ChannelTone(channel);
    ClearVoice(voice);
    voice.program = state.program;
    voice.key = channel == kDrumChannel ? DrumIndex(key) : key;
    voice.channel = channel;
    voice.startTick = tickOffset;
    voice.stage = tone.attackRate == 15 ? 16 : 0;
    voice.level = NoteLevel(velocity, key);
    voice.step = NoteStep(tone.tuneCents, key, state.pitchBend);
    SetModulation(voice, tone);
}

std::int32_t NoteOn(std::int32_t request, std::uint8_t key, std::uint8_t velocity,
                    std::uint8_t channel, std::uint32_t tickOffset) {
    const std::int32_t limit = PolyLimit();
    std::int32_t index = channel == kDrumChannel
                             ? ChooseDrumVoice(DrumIndex(key), tickOffset, limit)
                             : ChooseMelodicVoice(request, key, channel, tickOffset, limit);
    ++engine.requestedNotes;
    if (index < 0 || index >= limit) index = limit - 1;
    StartVoice(engine.voices[index], key, velocity, channel, tickOffset);
    return index;
}

// Drum voices end with their sample, so a note off releases none of them; the counter step
// still runs.
void NoteOff(std::uint8_t key, std::uint8_t channel) {
    if (channel != kDrumChannel) {
        const std::int32_t limit = PolyLimit();
        for (std::int32_t i = 0; i < limit; ++i) {
            Voice& voice = engine.voices[i];
            if (voice.key == key && voice.channel == channel) {
                ClearVoice(voice);
                --engine.activeVoices;
            }
        }
    }
    if (engine.activeVoices < engine.requestedNotes) --engine.requestedNotes;
    engine.activeVoices = std::max(engine.activeVoices, 0);
    engine.requestedNotes = std::max(engine.requestedNotes, 0);
}

void AllNotesOff(std::uint8_t channel) {
    const std::int32_t limit = PolyLimit();
    for (std::int32_t i = 0; i < limit; ++i) {
        Voice& voice = engine.voices[i];
        if (voice.channel == channel) {
            ClearVoice(voice);
            --engine.activeVoices;
            --engine.requestedNotes;
        }
    }
    engine.activeVoices = std::max(engine.activeVoices, 0);
    engine.requestedNotes = std::max(engine.requestedNotes - 1, 0);
}

void Retune(std::uint8_t channel) {
    const std::int32_t limit = PolyLimit();
    const double tuneCents = ChannelTone(channel).tuneCents;
    const double pitchBend = engine.channels[channel].pitchBend;
    for (std::int32_t i = 0; i < limit; ++i) {
        Voice& voice = engine.voices[i];
        if (voice.channel == channel) voice.step = GeneralStep(tuneCents, voice.key, pitchBend);
    }
}

}  // namespace

void ClearVoice(Voice& voice) {
    voice.program = 0;
    voice.key = 0;
    voice.level = 0;
    voice.channel = 0;
    voice.step = 0.0;
    voice.phase = 0.0;
    voice.firstPass = 1;
    voice.clock = 0;
    voice.startTick = 0;
    voice.stage = 0;
    voice.modStart = 0;
    voice.modPeriod = 0;
    voice.modMode = 0;
}

extern "C" TESALO_API int32_t VoiceManager(int32_t request, uint8_t key, uint8_t velocity,
                                           uint8_t channel, uint32_t tickOffset) {
    if (request < kAllNotesOff || request > kNoteOnFresh || channel < 1 || channel > 16) return -1;
    std::int32_t result = 1;
    switch (request) {
        case kAllNotesOff: AllNotesOff(channel); break;
        case kNoteOff: NoteOff(key, channel); break;
        case kRetune: Retune(channel); break;
        default:
            if (key < 9 || key > 105) return -1;
            result = NoteOn(request, key, velocity, channel, tickOffset);
            break;
    }
    RaisePeaks();
    return result;
}
