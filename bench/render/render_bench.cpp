// Rendering speed: a whole song through the library on a device that plays infinitely fast, in
// each output format at polyphony 32 with the filter on. The counter "x_realtime" is seconds of
// music per second of rendering.
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>

#include "library/tesalo.h"
#include "platform/messages.h"
#include "platform/waveout.h"
#include "player/data/midi_scan.h"
#include "player/data/smf_image.h"

namespace {

const char kSong[] = TESALO_MIDI_DIR "/harp_harmony.mid";

std::string ReadWhole(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::intptr_t IgnoreMessages(platform::WindowHandle, std::uint32_t, std::uintptr_t, std::intptr_t) { return 0; }

// Plays the loaded song to its end on the instant null device.
void PlayToEnd(std::uint32_t notify) {
    TePlay();
    platform::WindowMessage message;
    while (platform::GetWindowMessage(&message) == 1) {
        if (message.message == notify && message.wParam == 6) return;
    }
}

void BM_RenderSong(benchmark::State& state) {
    const std::string voices = ReadWhole(TESALO_SOURCE_DIR "/player/resources/voice.txt");
    std::uint8_t* song = nullptr;
    std::uint32_t size = 0;
    char16_t title[kTitleCapacity];
    const double songSeconds = ScanMidiFile(kSong, title) / 1000.0;
    platform::WaveOutUseNull(platform::NullPacing::kInstant);
    const platform::WindowHandle window = platform::CreateMessageWindow(IgnoreMessages, nullptr);
    if (voices.empty() || !LoadFileImage(kSong, &song, &size) || PrepareSmfImage(&song, &size) == -1 ||
        TeInit(static_cast<std::uint32_t>(state.range(0)), window, 16, 0) != 1) {
        state.SkipWithError("no voice file, song or library");
        return;
    }
    TeVoiceSet(reinterpret_cast<const std::uint8_t*>(voices.data()), static_cast<std::int32_t>(voices.size()));
    TeSetStatus(32, 1);
    TeDataSet(song, static_cast<std::int32_t>(size));
    const std::uint32_t notify = platform::RegisterMessageName("TEDLL_NOTIFY");
    for (auto _ : state) PlayToEnd(notify);
    state.counters["x_realtime"] = benchmark::Counter(songSeconds * static_cast<double>(state.iterations()),
                                                      benchmark::Counter::kIsRate);
    TeCleanUp();
    FreeFileImage(song);
    platform::DestroyMessageWindow(window);
}
BENCHMARK(BM_RenderSong)
    ->Arg(TE_FORMAT_22K_8)->Arg(TE_FORMAT_22K_16)->Arg(TE_FORMAT_44K_8)->Arg(TE_FORMAT_44K_16)
    ->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
