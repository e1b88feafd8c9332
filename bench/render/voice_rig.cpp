#include "bench/render/voice_rig.h"

#include <fstream>
#include <iterator>

#include "library/engine/engine.h"
#include "library/frame/state.h"
#include "library/tesalo.h"
#include "tests/doubles/waveout_null.h"

namespace {

constexpr std::uint32_t kQuarterTicks = 480;
constexpr std::uint32_t kUsPerTick = 500000 / kQuarterTicks;
// Programs whose tones loop, so that a struck note sounds for the whole quarter note.
constexpr std::uint8_t kPrograms[15] = {48, 19, 52, 61, 73, 89, 65, 16, 49, 56, 71, 91, 68, 50, 20};
constexpr std::uint8_t kChannels[15] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16};

std::string ReadVoiceFile() {
    std::ifstream in(TESALO_SOURCE_DIR "/voiceset/voice.txt", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::intptr_t IgnoreMessages(platform::WindowHandle, std::uint32_t, std::uintptr_t, std::intptr_t) {
    return 0;
}

}  // namespace

VoiceRig::VoiceRig(std::int32_t sampleRate) {
    const std::string voices = ReadVoiceFile();
    platform::WaveOutUseNull(platform::NullPacing::kManual);
    window_ = platform::CreateMessageWindow(IgnoreMessages);
    const std::uint32_t format = sampleRate == 44100 ? TE_FORMAT_44K_16 : TE_FORMAT_22K_16;
    if (voices.empty() || TeInit(format, window_, 16, 0) != 1) {
        error_ = "no voice file or no library";
        return;
    }
    TeVoiceSet(reinterpret_cast<const std::uint8_t*>(voices.data()),
               static_cast<std::int32_t>(voices.size()));
    TeSetStatus(32, 0);
    for (int i = 0; i < 15; ++i)
        g.channels[kChannels[i]] = {kPrograms[i], 15, 15, 0.0, 2, 127, 127};
    g.usPerTick = kUsPerTick;
}

VoiceRig::~VoiceRig() {
    if (error_.empty()) TeCleanUp();
    platform::DestroyMessageWindow(window_);
}

void VoiceRig::Strike(int voices) {
    for (Voice& voice : g.voices) ClearVoice(voice);
    g.activeVoices = 0;
    for (int i = 0; i < voices; ++i) {
        const auto key = static_cast<std::uint8_t>(48 + (i * 7) % 36);
        VoiceManager(2, key, 100, kChannels[i % 15], 0);
    }
}

std::uint64_t VoiceRig::RenderQuarter() {
    const int sounding = Sounding();
    g.blockSamples = 0;
    WaveSynth(kQuarterTicks);
    return static_cast<std::uint64_t>(sounding) * static_cast<std::uint64_t>(g.blockSamples);
}

int VoiceRig::Sounding() const {
    int count = 0;
    for (int i = 0; i < kMaxVoices; ++i) count += g.voices[i].key != 0 ? 1 : 0;
    return count;
}
